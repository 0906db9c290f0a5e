#include "link/LinkSession.h"
#include "model/Phrase.h"

#include <algorithm>

namespace tq58 {

void LinkSession::ShowStatus(const std::string& text) {
    if (!DebugMode) {
        return;
    }
    host_.ShowStatusText(text);
    host_.Sleep(500);
}

void LinkSession::ShowProgress(int percent) {
    host_.ShowProgressBar(std::clamp(percent, 0, 100));
}

void LinkSession::ShowPhase(const LinkPhase& phase) {
    if (!DebugMode) {
        host_.ShowPhase(phase);
    }
}

void LinkSession::ShowMessage(const std::string& text, MessageIcon icon) {
    ShowMessage(Caption, text, icon);
}

// Once the line has hung up, whatever the protocol made of the silence ("time out!!",
// "Radio not ready!!") would only mislead: the first failure says what happened instead,
// and the rest say nothing more.
void LinkSession::ShowMessage(const std::string& title, const std::string& text, MessageIcon icon) {
    if (lineLost_ && icon != MessageIcon::Information) {
        ShowLineLost();
        return;
    }
    host_.Message(title, text, icon);
}

std::string LinkSession::DeviceName() const {
    return Device.empty() ? "port " + std::to_string(PortNumber) : Device;
}

void LinkSession::ShowLineLost() {
    if (lineLostShown_) {
        return;
    }
    lineLostShown_ = true;
    host_.MessagePhrase(
        Caption,
        {TQ58_PHRASE("Link", "Communication Error!!\nThe cable or its adapter on %1 went away: "
                             "the line hung up. Check that the adapter is plugged in and the "
                             "cable is seated, then try again."),
         {DeviceName()}},
        MessageIcon::Critical);
}

void LinkSession::ReportNoLink() {
    if (lineLost_) {
        ShowLineLost();
        return;
    }
    host_.MessagePhrase(
        Caption,
        {TQ58_PHRASE("Link", "Communication Error!!\nThe radio on %1 did not answer. Check that "
                             "it is switched on and in clone mode (its display shows PC "
                             "CONTROL), that the cable is seated at both ends, and that the "
                             "right port is chosen."),
         {DeviceName()}},
        MessageIcon::Critical);
}

} // namespace tq58
