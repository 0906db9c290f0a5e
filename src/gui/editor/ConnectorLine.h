#pragma once

#include <QWidget>

namespace tq58 {

// The elbow line that leads from one check box to the one it opens: drawn in the text colour
// while the box it leads to takes input, greyed otherwise.
class ConnectorLine : public QWidget {
    Q_OBJECT

public:
    ConnectorLine(const QString& objectName, QWidget* parent = nullptr);

    void SetActive(bool active);
    bool Active() const { return active_; }
    QColor Colour() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool active_ = true;
};

} // namespace tq58
