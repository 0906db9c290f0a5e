#include "editor/CsvHeadingNames.h"

#include <algorithm>
#include <array>

namespace tq58 {

namespace {

constexpr std::array<const char*, 15> TranslatedHeadings{
    TQ58_TEXT("CsvHeadings", "CH Enable"),    TQ58_TEXT("CsvHeadings", "CH Display"),
    TQ58_TEXT("CsvHeadings", "Rx Frequency"), TQ58_TEXT("CsvHeadings", "Tx Frequency"),
    TQ58_TEXT("CsvHeadings", "Tx Enable"),    TQ58_TEXT("CsvHeadings", "Low Power Only"),
    TQ58_TEXT("CsvHeadings", "Power Up"),     TQ58_TEXT("CsvHeadings", "Duplex"),
    TQ58_TEXT("CsvHeadings", "Scan Memory"),  TQ58_TEXT("CsvHeadings", "Scrambler"),
    TQ58_TEXT("CsvHeadings", "CH Name"),      TQ58_TEXT("CsvHeadings", "Memory ID"),
    TQ58_TEXT("CsvHeadings", "Station Name"), TQ58_TEXT("CsvHeadings", "Group ID"),
    TQ58_TEXT("CsvHeadings", "Group Name"),
};

Phrase HeadingName(std::string_view heading) {
    const auto found = std::ranges::find(TranslatedHeadings, heading);
    return found == TranslatedHeadings.end() ? Verbatim(std::string(heading))
                                             : Phrase{"CsvHeadings", *found, {}};
}

} // namespace

Phrase ColumnPhrase(const char* context, const char* pattern, std::string_view heading,
                    const std::vector<std::string>& values) {
    Phrase phrase{context, pattern, {}, {HeadingName(heading)}};
    for (const std::string& value : values) {
        phrase.Parts.push_back(Verbatim(value));
    }
    return phrase;
}

} // namespace tq58
