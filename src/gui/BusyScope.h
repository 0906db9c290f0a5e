#pragma once

class QWidget;

namespace tq58 {

// For the length of a long operation: the busy pointer and the window disabled. Both come
// back when the scope ends, whichever way it ends, so a failure never leaves the window
// disabled.
class BusyScope {
public:
    explicit BusyScope(QWidget* window);
    ~BusyScope();
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

private:
    QWidget* window_;
    bool wasEnabled_;
};

// Waits while the window goes on processing its events (repaints, the Cancel button).
void PauseWithEvents(int milliseconds);

} // namespace tq58
