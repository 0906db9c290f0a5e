#include "gui/transfer/TransferProgress.h"

#include <QLabel>

namespace tq58 {

namespace {

constexpr int BarHeight = 18;

} // namespace

TransferProgress::TransferProgress(QWidget* parent) : QFrame(parent), fill_(new QLabel(this)) {
    setObjectName("pictProgress");
    setAccessibleName(tr("Progress"));
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Sunken);
    setFixedHeight(BarHeight);
    fill_->setObjectName("lblPercent");
    fill_->setAccessibleName(tr("Progress fill"));
    fill_->setAutoFillBackground(true);
    fill_->setBackgroundRole(QPalette::Highlight);
    SetPercent(0);
}

void TransferProgress::SetPercent(int percent) {
    percent_ = std::clamp(percent, 0, 100);
    setAccessibleDescription(tr("%1 %").arg(percent_));
    PlaceFill();
}

void TransferProgress::resizeEvent(QResizeEvent* event) {
    QFrame::resizeEvent(event);
    PlaceFill();
}

void TransferProgress::PlaceFill() {
    const QRect inside = contentsRect();
    fill_->setGeometry(inside.x(), inside.y(), inside.width() * percent_ / 100, inside.height());
    fill_->setVisible(percent_ > 0);
}

} // namespace tq58
