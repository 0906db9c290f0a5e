#include "gui/Messages.h"

#include "gui/Translations.h"

namespace tq58 {

QMessageBox::Icon BoxIcon(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::Critical:
        return QMessageBox::Critical;
    case MessageIcon::Exclamation:
        return QMessageBox::Warning;
    case MessageIcon::Information:
        return QMessageBox::Information;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButton Messages::Show(const MessageRequest& request) {
    if (answerer_) {
        return answerer_(request);
    }
    QMessageBox box(request.Icon, request.Title, request.Text, request.Buttons, parent_);
    box.setObjectName("msgBox");
    if (request.DefaultButton != QMessageBox::NoButton) {
        box.setDefaultButton(request.DefaultButton);
    }
    if (!request.Details.isEmpty()) {
        box.setDetailedText(request.Details);
    }
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

QMessageBox::StandardButton Messages::Show(const QString& title, const QString& text,
                                           QMessageBox::Icon icon,
                                           QMessageBox::StandardButtons buttons,
                                           QMessageBox::StandardButton defaultButton) {
    return Show(MessageRequest{title, text, icon, buttons, defaultButton, {}});
}

void Messages::ShowFailure(const Outcome& outcome, const QString& title) {
    if (outcome.Ok || outcome.Message.empty()) {
        return;
    }
    QString text = CoreText("Files", outcome.Message);
    if (!outcome.LogDetail.empty()) {
        text += "\n\n" + QString::fromStdString(outcome.LogDetail);
    }
    const QString boxTitle =
        outcome.MessageTitle.empty() ? title : CoreText("Files", outcome.MessageTitle);
    Show(boxTitle, text, BoxIcon(outcome.Icon));
}

} // namespace tq58
