#include "editor/CsvHeadingNames.h"

#include "model/ChannelFields.h"

#include <algorithm>
#include <array>

namespace tq58 {

namespace {

// The channel columns' headings are in the channel description.
constexpr std::array<const char*, 5> DirectoryHeadings{
    TQ58_TEXT("CsvHeadings", "Memory ID"), TQ58_TEXT("CsvHeadings", "Station Name"),
    TQ58_TEXT("CsvHeadings", "Group ID"),  TQ58_TEXT("CsvHeadings", "Group Name"),
    TQ58_TEXT("CsvHeadings", "MMSI"),
};

} // namespace

Phrase CsvHeadingName(std::string_view heading) {
    for (const ChannelFieldInfo& field : ChannelFields()) {
        if (field.CsvHeading && heading == field.CsvHeading) {
            return {"CsvHeadings", field.CsvHeading, {}};
        }
    }
    const auto found = std::ranges::find(DirectoryHeadings, heading);
    return found == DirectoryHeadings.end() ? Verbatim(std::string(heading))
                                            : Phrase{"CsvHeadings", *found, {}};
}

Phrase ColumnPhrase(const char* context, const char* pattern, std::string_view heading,
                    const std::vector<std::string>& values) {
    Phrase phrase{context, pattern, {}, {CsvHeadingName(heading)}};
    for (const std::string& value : values) {
        phrase.Parts.push_back(Verbatim(value));
    }
    return phrase;
}

} // namespace tq58
