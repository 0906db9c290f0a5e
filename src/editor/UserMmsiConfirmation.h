#pragma once

#include "model/Phrase.h"

#include <optional>
#include <string>

namespace tq58 {

// Most radios accept their own MMSI only once (the image counts it), so a wrong one costs the
// owner a dealer's reset. A User MMSI that is not nine digits never goes into a radio, and
// before a User MMSI that the data did not already hold goes into one, the user types it a
// second time.

// The nine digits the radio stores of the User MMSI; an empty text when there is none.
// Trailing blanks do not count, and a settings file's ten digits (the nine and the "0" the
// radio adds) are the nine. Absent for a text that is no MMSI: too few or too many digits,
// or other characters.
std::optional<std::string> StoredUserMmsi(const std::string& userMmsi);

// Why the User MMSI cannot go into a radio ("User MMSI 24476543 has 8 digits; an MMSI has
// 9."); absent when it can.
std::optional<Phrase> UserMmsiFault(const std::string& userMmsi);

// True when the User MMSI to be written is a new one: not empty, and not the one the data
// held when it was made, opened or read (compared as the radio stores them: nine digits).
bool NeedsSecondEntry(const std::string& userMmsiBefore, const std::string& userMmsiToWrite);

// The second entry repeats the MMSI to be written (blanks around it do not count).
bool SecondEntryMatches(const std::string& userMmsiToWrite, const std::string& typedAgain);

// The command line's refusal to program a file's User MMSI, in English: a User MMSI that is no
// MMSI, one that --confirm-mmsi (typed) does not repeat, or --confirm-mmsi for a file without
// one. Absent when the file may be programmed.
std::optional<std::string> CommandLineMmsiRefusal(const std::string& userMmsi,
                                                  const std::optional<std::string>& typed);

inline constexpr const char* SecondEntryTitle = TQ58_TEXT("Mmsi", "User MMSI");
inline constexpr const char* SecondEntryText = TQ58_TEXT(
    "Mmsi", "Most radios accept their own MMSI only once: a wrong one can only be undone by a "
            "dealer.\nEnter the User MMSI to be programmed once more:");
inline constexpr const char* SecondEntryMismatch =
    TQ58_TEXT("Mmsi", "The two entries of the User MMSI differ. Nothing was sent to the radio.");

} // namespace tq58
