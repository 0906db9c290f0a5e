#include "gui/editor/RefusalGate.h"

#include "gui/Messages.h"

#include <QApplication>
#include <QEvent>

namespace tq58 {

RefusalGate::RefusalGate() : QObject(qApp) {
    qApp->installEventFilter(this);
}

RefusalGate& RefusalGate::Instance() {
    static auto* gate = new RefusalGate;
    return *gate;
}

bool RefusalGate::Admit() {
    if (!fresh_ || showing_) {
        return false;
    }
    fresh_ = false;
    return true;
}

void RefusalGate::Show(Messages& prompts, const QString& title, const QString& text) {
    showing_ = true;
    prompts.Show(title, text, QMessageBox::Warning);
    showing_ = false;
}

// Keys and clicks in a message box answer it; they start no new attempt.
bool RefusalGate::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if ((type == QEvent::KeyPress || type == QEvent::MouseButtonPress) &&
        !QApplication::activeModalWidget()) {
        fresh_ = true;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace tq58
