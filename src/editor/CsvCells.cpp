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

std::string RefusalMessage(const CsvRefusals& refusals, const std::string& summary,
                           const std::string& place) {
    std::string message = summary + ": " + std::to_string(refusals.Count()) +
                          (refusals.Count() == 1 ? " row was" : " rows were") + " refused.";
    for (const CsvRefusal& refusal : refusals.Listed()) {
        message += "\n" + place + " " + std::to_string(refusal.Line) + ": " + refusal.Reason;
    }
    if (const std::size_t more = refusals.Count() - refusals.Listed().size(); more > 0) {
        message += "\n... and " + std::to_string(more) + " more refused " +
                   (more == 1 ? "row" : "rows") + " after these";
    }
    return message;
}

} // namespace tq58
