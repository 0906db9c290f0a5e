#pragma once

#include <QFrame>

class QLabel;

namespace tq58 {

// The transfer's progress bar (pictProgress): a sunken box whose fill (lblPercent) covers the
// given share of its width.
class TransferProgress : public QFrame {
    Q_OBJECT

public:
    explicit TransferProgress(QWidget* parent = nullptr);

    void SetPercent(int percent);
    int Percent() const { return percent_; }
    QLabel* Fill() const { return fill_; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void PlaceFill();

    QLabel* fill_;
    int percent_ = 0;
};

} // namespace tq58
