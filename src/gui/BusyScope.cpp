#include "gui/BusyScope.h"

#include <QApplication>
#include <QEventLoop>
#include <QTimer>
#include <QWidget>

namespace tq58 {

BusyScope::BusyScope(QWidget* window) : window_(window), wasEnabled_(window->isEnabled()) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    window_->setEnabled(false);
}

BusyScope::~BusyScope() {
    window_->setEnabled(wasEnabled_);
    QApplication::restoreOverrideCursor();
}

void PauseWithEvents(int milliseconds) {
    if (milliseconds <= 0) {
        return;
    }
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

} // namespace tq58
