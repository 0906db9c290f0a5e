#pragma once

#include <QObject>
#include <QString>

namespace tq58 {

class Messages;

// One refusal per attempt: a cell's refusal is shown only when the user has pressed a key or
// a mouse button in the window since the last one, and never while one is up. An edit taken
// again by itself (a lost focus, an editor closed under a message box) cannot bring the same
// box back, so no refusal becomes a loop.
class RefusalGate : public QObject {
    Q_OBJECT

public:
    // The one gate of the program, watching the application's input.
    static RefusalGate& Instance();

    // True when a refusal may be shown now; it then counts as the one of this attempt.
    bool Admit();
    void Show(Messages& prompts, const QString& title, const QString& text);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    RefusalGate();

    bool fresh_ = true;
    bool showing_ = false;
};

} // namespace tq58
