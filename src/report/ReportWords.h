#pragma once

#include "model/OffsetTimeText.h"

#include <string>

namespace tq58 {

// The words and fixed-width columns of the settings report. Texts are single-byte ANSI.

// The first n characters of text, filled with spaces up to n characters.
std::string PadRight(const std::string& text, int n);

std::string OnOffText(bool value);
std::string HiLowText(bool value);
std::string TxPoText(int txPoDisplay);
std::string ResumeText(int resumeTime);
std::string MagText(int magneticVariation);
std::string WeatherText(int weater);
// A channel label, "EXP" + number for the EXP channels, or "Off".
std::string PriorityText(long priorityCh);
std::string StatusText(const std::string& statusName);

// The word when set, the blank when not: ("TX", "--"), ("LOW", "---") and so on.
std::string FlagText(bool value, const std::string& word, const std::string& blank);
std::string ScrambleText(int scramble);
// The scrambler list offers "Off" (0) and the codes 0 to 3 switched on (4 to 7).
bool IsOfferedScramble(int scramble);
// The text padded to n, or n dashes when there is no text.
std::string NameOrDashes(const std::string& text, int n);

} // namespace tq58
