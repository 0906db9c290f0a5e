#include "editor/CsvCells.h"

#include "files/TextCase.h"

#include <charconv>

namespace tq58 {

namespace {

// Beyond any list's length, and safely within an int.
constexpr std::size_t LongestNumber = 6;

} // namespace

std::string OnOffCell(bool value) {
    return value ? "On" : "Off";
}

std::optional<bool> ParseOnOffCell(const std::string& cell) {
    const std::string_view word = TrimBlanks(cell);
    if (EqualsIgnoreCase(word, "On") || EqualsIgnoreCase(word, "Off")) {
        return EqualsIgnoreCase(word, "On");
    }
    return std::nullopt;
}

std::optional<int> ParseWholeNumberCell(const std::string& cell) {
    const std::string_view digits = TrimBlanks(cell);
    int value = 0;
    if (digits.empty() || digits.size() > LongestNumber) {
        return std::nullopt;
    }
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (error != std::errc{} || end != digits.data() + digits.size() || digits.front() == '-') {
        return std::nullopt;
    }
    return value;
}

std::string CellAt(const CsvRow& row, std::size_t column) {
    return column < row.Cells.size() ? row.Cells[column] : std::string();
}

// A cell longer than a line of the message is cut: the reason is what matters.
std::string Quoted(const std::string& cell) {
    constexpr std::size_t MaxQuoted = 40;
    if (cell.size() > MaxQuoted) {
        return "\"" + cell.substr(0, MaxQuoted) + "...\"";
    }
    return "\"" + cell + "\"";
}

Phrase JoinedReasons(const std::vector<Phrase>& reasons) {
    return JoinedPhrases("; ", reasons);
}

std::string EnglishLines(const std::vector<Phrase>& lines) {
    std::string text;
    for (const Phrase& line : lines) {
        text += (text.empty() ? "" : "\n") + line.English();
    }
    return text;
}

namespace {

Phrase Summary(std::size_t count, RefusedBy by) {
    const std::vector<std::string> values{std::to_string(count)};
    if (by == RefusedBy::Paste) {
        return count == 1
                   ? Phrase{TQ58_PHRASE("Csv", "Nothing was pasted: %1 row was refused."), values}
                   : Phrase{TQ58_PHRASE("Csv", "Nothing was pasted: %1 rows were refused."),
                            values};
    }
    return count == 1
               ? Phrase{TQ58_PHRASE("Csv", "Nothing was imported: %1 row was refused."), values}
               : Phrase{TQ58_PHRASE("Csv", "Nothing was imported: %1 rows were refused."), values};
}

} // namespace

std::vector<Phrase> RefusalLines(const CsvRefusals& refusals, RefusedBy by) {
    std::vector<Phrase> lines{Summary(refusals.Count(), by)};
    for (const CsvRefusal& refusal : refusals.Listed()) {
        const std::vector<std::string> line{std::to_string(refusal.Line)};
        const std::vector<Phrase> reasons{JoinedReasons(refusal.Reasons)};
        lines.push_back(by == RefusedBy::Paste
                            ? Phrase{TQ58_PHRASE("Csv", "row %1: %2"), line, reasons}
                            : Phrase{TQ58_PHRASE("Csv", "line %1: %2"), line, reasons});
    }
    if (const std::size_t more = refusals.Count() - refusals.Listed().size(); more > 0) {
        const std::vector<std::string> counted{std::to_string(more)};
        lines.push_back(
            more == 1
                ? Phrase{TQ58_PHRASE("Csv", "... and %1 more refused row after these"), counted}
                : Phrase{TQ58_PHRASE("Csv", "... and %1 more refused rows after these"), counted});
    }
    return lines;
}

} // namespace tq58
