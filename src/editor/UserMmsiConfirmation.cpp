#include "editor/UserMmsiConfirmation.h"

#include "editor/SettingEntries.h"

namespace tq58 {

namespace {

// What the encoder writes of the text: its first nine characters, the tenth digit being 0;
// a blank text is no MMSI.
std::string Written(const std::string& userMmsi) {
    const bool blank = userMmsi.find_first_not_of(' ') == std::string::npos;
    return blank ? std::string() : userMmsi.substr(0, UserMmsiLength);
}

} // namespace

bool NeedsSecondEntry(const std::string& userMmsiBefore, const std::string& userMmsiToWrite) {
    return !Written(userMmsiToWrite).empty() && Written(userMmsiBefore) != Written(userMmsiToWrite);
}

bool SecondEntryMatches(const std::string& userMmsiToWrite, const std::string& typedAgain) {
    const auto accepted = AcceptedDigits(typedAgain, UserMmsiLength);
    return accepted && !accepted->empty() && *accepted == Written(userMmsiToWrite);
}

} // namespace tq58
