#pragma once

#include <string>
#include <string_view>
#include <vector>

// A text of the core that a person reads in the window is marked where it is written:
//   TQ58_TEXT("Hints", "Numeric Only.")            a fixed text, shown through its context;
//   Phrase{TQ58_PHRASE("Rules", "No.%1: ..."), {n}} a sentence with values filled in;
//   TQ58_COUNTED("Steps", "%n channels")            a counted sentence, in the plural forms.
// Qt's translation tools collect all three (the context first), and the window shows them in the
// user's language. The core itself keeps the English: files, the report, the command line and
// the error log never change with the language.
#define TQ58_TEXT(context, text) text
#define TQ58_PHRASE(context, pattern) context, pattern
#define TQ58_COUNTED(context, pattern) context, pattern

namespace tq58 {

// The pattern with %1 to %9 replaced by the values, in one pass: a "%2" inside a value stays as
// it is. A placeholder without a value stays too, so that a missing value shows.
std::string FillPattern(std::string_view pattern, const std::vector<std::string>& values);

// A sentence kept as its English pattern and the values that fill it, so that the window can
// translate the pattern and fill in the same values. Parts are words or sentences of their own,
// translated each by itself, that fill the places after the values.
struct Phrase {
    const char* Context = "";
    const char* Pattern = "";
    std::vector<std::string> Values;
    std::vector<Phrase> Parts = {};
    // When set, the phrase is its parts one after the other with this text between them, each
    // part translated by itself; Pattern and Values are not used.
    const char* Joiner = nullptr;

    std::string English() const;
};

// A text that no language changes, such as a name from a file, as a part of a phrase.
Phrase Verbatim(std::string text);
// The parts one after the other with the joiner (", ") between them, side by side in one
// phrase however many there are; empty for no parts.
Phrase JoinedPhrases(const char* joiner, std::vector<Phrase> parts);

} // namespace tq58
