#pragma once

#include "model/Phrase.h"

#include <string>

namespace tq58 {

// Most radios accept their own MMSI only once (the image counts it), so a wrong one costs the
// owner a dealer's reset. Before a User MMSI that the data did not already hold goes into a
// radio, the user types it a second time.

// True when the User MMSI to be written is a new one: not empty, and not the one the data
// held when it was made, opened or read (compared as the radio stores them: nine digits).
bool NeedsSecondEntry(const std::string& userMmsiBefore, const std::string& userMmsiToWrite);

// The second entry repeats the MMSI to be written (blanks around it do not count).
bool SecondEntryMatches(const std::string& userMmsiToWrite, const std::string& typedAgain);

inline constexpr const char* SecondEntryTitle = TQ58_TEXT("Mmsi", "User MMSI");
inline constexpr const char* SecondEntryText = TQ58_TEXT(
    "Mmsi", "Most radios accept their own MMSI only once: a wrong one can only be undone by a "
            "dealer.\nEnter the User MMSI to be programmed once more:");
inline constexpr const char* SecondEntryMismatch =
    TQ58_TEXT("Mmsi", "The two entries of the User MMSI differ. Nothing was sent to the radio.");

} // namespace tq58
