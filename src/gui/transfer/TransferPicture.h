#pragma once

#include <QWidget>

namespace tq58 {

// One of the pictures over the transfer dialog's instructions: the PC (pictA), the programming
// cable (pictB) and the radio (pictHandy), each with its name under it. The cable's arrow
// points the way the data goes, left to right.
class TransferPicture : public QWidget {
    Q_OBJECT

public:
    enum class Kind { Computer, Cable, Radio };

    TransferPicture(Kind kind, QWidget* parent = nullptr);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void PaintComputer(QPainter& painter, const QRectF& area) const;
    void PaintCable(QPainter& painter, const QRectF& area) const;
    void PaintRadio(QPainter& painter, const QRectF& area) const;

    Kind kind_;
};

} // namespace tq58
