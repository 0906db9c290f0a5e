#pragma once

#include "model/Phrase.h"

#include <string>

namespace tq58 {

// A history step's name as the Edit menu shows it after "Undo " or "Redo ", kept as a sentence
// that the window translates: "EXP3 Rx frequency" is the field's "%1 Rx frequency" with the
// part "EXP%1" (holding "3") among its Parts; "Paste 5 channels" is the counted
// "Paste %n channels" with 5.
struct StepName {
    Phrase Text{};
    int Count = -1;       // a counted name: "%n" in its pattern stands for the count
    const char* One = ""; // the English pattern of a counted name for a count of one

    bool Empty() const { return *Text.Pattern == '\0'; }
    // The name in English, which the history compares and the tests read.
    std::string English() const;
};

} // namespace tq58
