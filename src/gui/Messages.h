#pragma once

#include "model/Outcome.h"

#include <QMessageBox>
#include <QString>
#include <functional>
#include <string>

namespace tq58 {

struct MessageRequest {
    QString Title;
    QString Text;
    QMessageBox::Icon Icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons Buttons = QMessageBox::Ok;
    QMessageBox::StandardButton DefaultButton = QMessageBox::NoButton;
    QString Details; // a long text behind the box's "Show Details..." button
};

QMessageBox::Icon BoxIcon(MessageIcon icon);

// Every message box of the main window and its pages goes through here, so that a test can
// answer the next questions in advance instead of hunting for a box's buttons.
class Messages {
public:
    using Answerer = std::function<QMessageBox::StandardButton(const MessageRequest&)>;

    explicit Messages(QWidget* parent) : parent_(parent) {}

    QMessageBox::StandardButton Show(const MessageRequest& request);
    QMessageBox::StandardButton
    Show(const QString& title, const QString& text, QMessageBox::Icon icon,
         QMessageBox::StandardButtons buttons = QMessageBox::Ok,
         QMessageBox::StandardButton defaultButton = QMessageBox::NoButton);
    // A failure's message under the given title (or the outcome's own), with what went wrong
    // with the file on a second line; nothing for an outcome without a message.
    void ShowFailure(const Outcome& outcome, const QString& title);

    // From now on every box is answered by answerer and never shown.
    void AnswerWith(Answerer answerer) { answerer_ = std::move(answerer); }

private:
    QWidget* parent_;
    Answerer answerer_;
};

} // namespace tq58
