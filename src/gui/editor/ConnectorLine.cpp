#include "gui/editor/ConnectorLine.h"

#include <QPainter>

namespace tq58 {

ConnectorLine::ConnectorLine(const QString& objectName, QWidget* parent) : QWidget(parent) {
    setObjectName(objectName);
    setFixedWidth(18);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void ConnectorLine::SetActive(bool active) {
    if (active != active_) {
        active_ = active;
        update();
    }
}

QColor ConnectorLine::Colour() const {
    return palette().color(active_ ? QPalette::Active : QPalette::Disabled, QPalette::WindowText);
}

void ConnectorLine::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(QPen(Colour(), 1));
    const int x = width() / 2 - 2;
    const int middle = height() / 2;
    painter.drawLine(x, 0, x, middle);
    painter.drawLine(x, middle, width() - 1, middle);
}

} // namespace tq58
