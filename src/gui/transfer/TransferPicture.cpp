#include "gui/transfer/TransferPicture.h"

#include <QPainter>
#include <QPainterPath>

namespace tq58 {

namespace {

struct PictureEntry {
    TransferPicture::Kind Kind;
    const char* Name;
    const char* Caption;
};

constexpr PictureEntry Pictures[] = {
    {TransferPicture::Kind::Computer, "pictA", QT_TRANSLATE_NOOP("tq58::TransferPicture", "PC")},
    {TransferPicture::Kind::Cable, "pictB",
     QT_TRANSLATE_NOOP("tq58::TransferPicture", "QYL cable")},
    {TransferPicture::Kind::Radio, "pictHandy",
     QT_TRANSLATE_NOOP("tq58::TransferPicture", "Radio")},
};

const PictureEntry& EntryOf(TransferPicture::Kind kind) {
    for (const PictureEntry& entry : Pictures) {
        if (entry.Kind == kind) {
            return entry;
        }
    }
    return Pictures[0];
}

constexpr int CaptionHeight = 16;
const QColor Outline(60, 60, 64);
const QColor Casing(92, 96, 104);
const QColor Screen(170, 205, 235);
const QColor Display(176, 214, 150);

} // namespace

TransferPicture::TransferPicture(Kind kind, QWidget* parent) : QWidget(parent), kind_(kind) {
    const PictureEntry& entry = EntryOf(kind);
    setObjectName(entry.Name);
    setAccessibleName(tr("Picture: %1").arg(tr(entry.Caption)));
    setMinimumSize(96, 84);
}

QSize TransferPicture::sizeHint() const {
    return {110, 96};
}

void TransferPicture::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF area = QRectF(rect()).adjusted(4, 4, -4, -CaptionHeight);
    painter.save();
    switch (kind_) {
    case Kind::Computer:
        PaintComputer(painter, area);
        break;
    case Kind::Cable:
        PaintCable(painter, area);
        break;
    case Kind::Radio:
        PaintRadio(painter, area);
        break;
    }
    painter.restore();
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(QRectF(0, height() - CaptionHeight, width(), CaptionHeight), Qt::AlignCenter,
                     tr(EntryOf(kind_).Caption));
}

// A monitor on its stand, with the keyboard in front.
void TransferPicture::PaintComputer(QPainter& painter, const QRectF& area) const {
    const qreal w = std::min(area.width(), area.height() * 1.2);
    const QRectF monitor(area.center().x() - w / 2, area.top(), w, area.height() * 0.68);
    painter.setPen(QPen(Outline, 1.5));
    painter.setBrush(Casing);
    painter.drawRoundedRect(monitor, 4, 4);
    painter.setBrush(Screen);
    painter.drawRect(monitor.adjusted(6, 6, -6, -6));
    const QPointF foot(monitor.center().x(), monitor.bottom());
    painter.setBrush(Casing);
    painter.drawRect(QRectF(foot.x() - 5, foot.y(), 10, area.height() * 0.1));
    const qreal keyboardTop = area.top() + area.height() * 0.84;
    painter.drawRoundedRect(
        QRectF(monitor.left() - 4, keyboardTop, monitor.width() + 8, area.bottom() - keyboardTop),
        2, 2);
}

// The cable with its adapter box, a plug at each end, and the way the data goes.
void TransferPicture::PaintCable(QPainter& painter, const QRectF& area) const {
    const qreal y = area.center().y() + area.height() * 0.12;
    painter.setPen(QPen(Outline, 3));
    painter.drawLine(QPointF(area.left(), y), QPointF(area.right(), y));
    painter.setPen(QPen(Outline, 1.5));
    painter.setBrush(Casing);
    painter.drawRect(QRectF(area.left(), y - 5, 10, 10));
    painter.drawRect(QRectF(area.right() - 10, y - 5, 10, 10));
    const QRectF adapter(area.center().x() - 18, y - 10, 36, 20);
    painter.drawRoundedRect(adapter, 3, 3);
    painter.setPen(Qt::white);
    QFont small = font();
    small.setPointSizeF(small.pointSizeF() * 0.75);
    painter.setFont(small);
    painter.drawText(adapter, Qt::AlignCenter, "QYL");

    const qreal arrowY = area.top() + area.height() * 0.22;
    QPainterPath arrow;
    arrow.moveTo(area.left() + 14, arrowY - 3);
    arrow.lineTo(area.right() - 24, arrowY - 3);
    arrow.lineTo(area.right() - 24, arrowY - 9);
    arrow.lineTo(area.right() - 12, arrowY);
    arrow.lineTo(area.right() - 24, arrowY + 9);
    arrow.lineTo(area.right() - 24, arrowY + 3);
    arrow.lineTo(area.left() + 14, arrowY + 3);
    arrow.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(palette().color(QPalette::Highlight));
    painter.drawPath(arrow);
}

// A hand-held radio showing PC CONTROL, with its antenna and keys; the red one is DISTRESS.
void TransferPicture::PaintRadio(QPainter& painter, const QRectF& area) const {
    const qreal w = area.height() * 0.6;
    const QRectF body(area.center().x() - w / 2, area.top() + area.height() * 0.2, w,
                      area.height() * 0.8);
    painter.setPen(QPen(Outline, 1.5));
    painter.setBrush(Outline);
    painter.drawRoundedRect(QRectF(body.left() + 6, area.top(), 6, body.top() - area.top() + 4), 2,
                            2);
    painter.setBrush(Casing);
    painter.drawRoundedRect(body, 6, 6);
    const QRectF display(body.left() + 5, body.top() + 8, body.width() - 10, body.height() * 0.3);
    painter.setBrush(Display);
    painter.drawRect(display);
    painter.setPen(Outline);
    QFont tiny = font();
    tiny.setPixelSize(
        std::max(5, static_cast<int>(std::min(display.height() * 0.36, display.width() / 5.2))));
    painter.setFont(tiny);
    painter.drawText(display, Qt::AlignCenter, "PC\nCONTROL");

    const qreal keysTop = display.bottom() + 5;
    const qreal keySize = std::min(body.width() / 5, (body.bottom() - 5 - keysTop) / 3.6);
    painter.setPen(Qt::NoPen);
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 3; ++column) {
            const bool distress = row == 0 && column == 0;
            painter.setBrush(distress ? QColor(200, 40, 40) : QColor(210, 210, 214));
            painter.drawRoundedRect(QRectF(body.center().x() + keySize * (column * 1.3 - 1.8),
                                           keysTop + row * keySize * 1.3, keySize, keySize),
                                    2, 2);
        }
    }
}

} // namespace tq58
