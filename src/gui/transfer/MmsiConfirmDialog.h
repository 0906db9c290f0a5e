#pragma once

#include <QDialog>

class QLineEdit;

namespace tq58 {

// The User MMSI's second entry before Program to Radio writes a new one. The field takes
// digits typed, never pasted: the point is to type the number once more.
class MmsiConfirmDialog : public QDialog {
    Q_OBJECT

public:
    explicit MmsiConfirmDialog(QWidget* parent);

    QString Typed() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLineEdit* again_ = nullptr;
};

} // namespace tq58
