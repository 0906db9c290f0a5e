#include "report/ReportWords.h"

#include "model/ChannelTable.h"

#include <algorithm>
#include <array>

namespace tq58 {

namespace {

// A setting's word by its stored value; a value beyond the list has no word.
template <std::size_t N> std::string WordOf(const std::array<const char*, N>& words, int value) {
    if (value < 0 || value >= static_cast<int>(N)) {
        return {};
    }
    return words[static_cast<std::size_t>(value)];
}

constexpr std::array<const char*, 3> TxPoWords{"Lo Po Only", "Lo Po on Changing CH", "Last TX Po"};
constexpr std::array<const char*, 4> ResumeWords{"--", "1Sec", "2Sec", "3Sec"};
constexpr std::array<const char*, 2> MagWords{"True", "Mag"};
constexpr std::array<const char*, 4> WeatherWords{"OFF", "On Wx", "On SCAN", "WX and SCAN"};

constexpr long FirstExpPriority = ChannelTableSize;
constexpr long PriorityLimit = 280;

} // namespace

std::string PadRight(const std::string& text, int n) {
    if (n <= 0) {
        return {};
    }
    std::string padded = text.substr(0, static_cast<std::size_t>(n));
    padded.resize(static_cast<std::size_t>(n), ' ');
    return padded;
}

std::string OnOffText(bool value) {
    return value ? "On" : "Off";
}

std::string HiLowText(bool value) {
    return value ? "Hi" : "Low";
}

std::string TxPoText(int txPoDisplay) {
    return WordOf(TxPoWords, txPoDisplay);
}

std::string ResumeText(int resumeTime) {
    return WordOf(ResumeWords, resumeTime);
}

std::string MagText(int magneticVariation) {
    return WordOf(MagWords, magneticVariation);
}

std::string WeatherText(int weater) {
    return WordOf(WeatherWords, weater);
}

std::string PriorityText(long priorityCh) {
    if (priorityCh < 0) {
        return "Off";
    }
    const auto& table = ChannelTable();
    if (priorityCh < static_cast<long>(table.size())) {
        return table[static_cast<std::size_t>(priorityCh)].ChLabel;
    }
    if (priorityCh < PriorityLimit) {
        return "EXP" + std::to_string(priorityCh - FirstExpPriority + 1);
    }
    return "Off";
}

std::string StatusText(const std::string& statusName) {
    const bool blank = statusName.find_first_not_of(' ') == std::string::npos;
    return blank ? "----" : statusName;
}

std::string FlagText(bool value, const std::string& word, const std::string& blank) {
    return value ? word : blank;
}

namespace {
constexpr int ScramblerOnBit = 0x04;
constexpr int ScramblerCodeBits = 0x03;
} // namespace

std::string ScrambleText(int scramble) {
    if ((scramble & ScramblerOnBit) == 0) {
        return "--";
    }
    return std::to_string(scramble & ScramblerCodeBits);
}

bool IsOfferedScramble(int scramble) {
    return scramble == 0 || (scramble >= ScramblerOnBit && scramble <= 7);
}

std::string NameOrDashes(const std::string& text, int n) {
    if (text.empty()) {
        return std::string(static_cast<std::size_t>(std::max(n, 0)), '-');
    }
    return PadRight(text, n);
}

} // namespace tq58
