#include "editor/UserMmsiConfirmation.h"

#include "editor/SettingEntries.h"
#include "files/TextCase.h"

#include <algorithm>

namespace tq58 {

namespace {

constexpr std::size_t MmsiDigits = UserMmsiLength;
constexpr const char* NothingSent = "Nothing was sent to the radio.";

bool AllDigits(const std::string& text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

std::string WithoutTrailingBlanks(const std::string& text) {
    return text.substr(0, text.find_last_not_of(" \t") + 1);
}

// What the encoder writes of the text: its first nine characters, the tenth digit being 0;
// a blank text is no MMSI.
std::string Written(const std::string& userMmsi) {
    const bool blank = userMmsi.find_first_not_of(' ') == std::string::npos;
    return blank ? std::string() : userMmsi.substr(0, UserMmsiLength);
}

std::string TypeTheDigits(const std::string& stored) {
    return "type the 9 digits the radio stores: --confirm-mmsi " + stored + ".\n" + NothingSent;
}

} // namespace

std::optional<std::string> StoredUserMmsi(const std::string& userMmsi) {
    const std::string text = WithoutTrailingBlanks(userMmsi);
    const bool radioForm = text.size() == MmsiDigits + 1 && text.back() == '0';
    if (!AllDigits(text) || (text.size() != MmsiDigits && !radioForm && !text.empty())) {
        return std::nullopt;
    }
    return text.substr(0, MmsiDigits);
}

std::optional<Phrase> UserMmsiFault(const std::string& userMmsi) {
    if (StoredUserMmsi(userMmsi)) {
        return std::nullopt;
    }
    const std::string text = WithoutTrailingBlanks(userMmsi);
    if (AllDigits(text)) {
        return Phrase{TQ58_PHRASE("Mmsi", "User MMSI %1 has %2 digits; an MMSI has 9."),
                      {text, std::to_string(text.size())}};
    }
    return Phrase{TQ58_PHRASE("Mmsi", "User MMSI \"%1\" holds other characters than digits; an "
                                      "MMSI has 9 digits."),
                  {text}};
}

bool NeedsSecondEntry(const std::string& userMmsiBefore, const std::string& userMmsiToWrite) {
    return !Written(userMmsiToWrite).empty() && Written(userMmsiBefore) != Written(userMmsiToWrite);
}

bool SecondEntryMatches(const std::string& userMmsiToWrite, const std::string& typedAgain) {
    const auto accepted = AcceptedDigits(typedAgain, UserMmsiLength);
    return accepted && !accepted->empty() && *accepted == Written(userMmsiToWrite);
}

std::optional<std::string> CommandLineMmsiRefusal(const std::string& userMmsi,
                                                  const std::optional<std::string>& typed) {
    if (const auto fault = UserMmsiFault(userMmsi)) {
        return fault->English() + "\nCorrect the file's User MMSI or leave it empty. " +
               NothingSent;
    }
    const std::string stored = *StoredUserMmsi(userMmsi);
    if (stored.empty()) {
        return typed ? std::optional<std::string>(
                           "--confirm-mmsi was given, but the file holds no User MMSI: none would "
                           "be programmed.\nLeave out --confirm-mmsi to program the file as it "
                           "is. " +
                           std::string(NothingSent))
                     : std::nullopt;
    }
    if (!typed) {
        return "The file holds a User MMSI, and most radios accept their own MMSI only once.\n"
               "Repeat it with --confirm-mmsi DIGITS to program it. " +
               std::string(NothingSent);
    }
    const std::string again(TrimBlanks(*typed));
    if (again == stored) {
        return std::nullopt;
    }
    const std::string given = "--confirm-mmsi \"" + again + "\" ";
    if (!AllDigits(again) || again.size() != MmsiDigits) {
        return given + "is not 9 digits; " + TypeTheDigits(stored);
    }
    return given + "differs from the file's User MMSI. If the file's is right, " +
           TypeTheDigits(stored);
}

} // namespace tq58
