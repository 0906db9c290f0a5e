#include "editor/ChannelCsv.h"

#include "editor/ChannelLists.h"
#include "editor/ChannelPageCheck.h"
#include "editor/CsvHeadingNames.h"
#include "editor/CsvLists.h"
#include "editor/FieldKeys.h"
#include "editor/FrequencyEntry.h"
#include "editor/ScramblerItems.h"
#include "files/TextCase.h"
#include "files/ValueText.h"
#include "model/ChannelFields.h"
#include "model/ChannelTable.h"
#include "model/ChannelText.h"
#include "model/FieldCodec.h"

#include <algorithm>
#include <map>

namespace tq58 {

namespace {

// A CSV column is a field of the channel description that a list's files carry.
using ChannelColumn = ChannelFieldInfo;

ChannelKind KindOf(int group) {
    return group == GroupExp ? ChannelKind::Exp : ChannelKind::Plan;
}

bool BelongsTo(const ChannelColumn& column, ChannelKind kind) {
    return (column.CsvLists & (kind == ChannelKind::Exp ? ExpList : PlanLists)) != 0;
}

const char* KeyHeading(int group) {
    constexpr std::array<CsvList, 4> lists{CsvList::Usa, CsvList::Intl, CsvList::Canada,
                                           CsvList::Exp};
    return CsvListInfoOf(lists.at(static_cast<std::size_t>(group))).KeyHeading;
}

std::string KeyCell(int group, std::size_t index) {
    return group == GroupExp ? std::to_string(index + 1) : ChannelTable().at(index).ChLabel;
}

// A plan label as typed or as a spreadsheet rewrote it: "1a" is channel 01A.
std::optional<std::size_t> PlanIndex(const std::string& cell) {
    std::string label = ToUpperAscii(TrimBlanks(cell));
    const std::size_t digits = std::min(label.find_first_not_of("0123456789"), label.size());
    if (digits == 1) {
        label.insert(0, "0");
    }
    const auto position = ParseWholeNumberCell(FindChannelPosition(label));
    return position ? std::optional<std::size_t>(static_cast<std::size_t>(*position))
                    : std::nullopt;
}

std::optional<std::size_t> KeyIndex(int group, const std::string& cell, std::size_t size) {
    std::optional<std::size_t> index;
    if (group != GroupExp) {
        index = PlanIndex(cell);
    } else if (const auto number = ParseWholeNumberCell(cell); number && *number >= 1) {
        index = static_cast<std::size_t>(*number - 1);
    }
    return index && *index < size ? index : std::nullopt;
}

std::string FrequencyCell(double megahertz) {
    return megahertz > 0 ? FormatDecimal(megahertz) : std::string();
}

std::string DisplayCell(const ChannelRecord& channel) {
    std::string text = ExpDisplayText(channel);
    text.erase(text.find_last_not_of(' ') + 1);
    return text;
}

std::string ScramblerCell(int scramble) {
    return ScramblerItems[static_cast<std::size_t>(ScramblerItemFor(scramble))].Text;
}

std::string CellText(const ChannelColumn& column, const ChannelRecord& channel) {
    switch (column.Value) {
    case ChannelValue::Flag:
        return OnOffCell(channel.*column.Flag);
    case ChannelValue::Frequency:
        return FrequencyCell(channel.*column.Frequency);
    case ChannelValue::Display:
        return DisplayCell(channel);
    case ChannelValue::Scrambler:
        return ScramblerCell(channel.Scramble);
    case ChannelValue::Name:
        break;
    }
    return channel.ChTag;
}

std::vector<const ChannelColumn*> ExportedColumns(ChannelKind kind, bool scramblerAvailable) {
    std::vector<const ChannelColumn*> columns;
    for (const ChannelColumn& column : ChannelFields()) {
        if (BelongsTo(column, kind) && (!column.NeedsScrambler || scramblerAvailable)) {
            columns.push_back(&column);
        }
    }
    return columns;
}

bool SameFrequency(double a, double b) {
    if (a <= 0 || b <= 0 || !IsStorableFrequency(a) || !IsStorableFrequency(b)) {
        return (a <= 0 && b <= 0) || a == b;
    }
    return FrequencyUnits(a) == FrequencyUnits(b);
}

// The rows' columns from the heading row: every heading but the first names a column of the
// list, once.
std::optional<Phrase> ReadHeadings(const CsvRow& headings, ChannelKind kind,
                                   std::vector<const ChannelColumn*>& columns) {
    for (std::size_t i = 1; i < headings.Cells.size(); ++i) {
        const std::string_view heading = TrimBlanks(headings.Cells[i]);
        const auto& fields = ChannelFields();
        const auto found = std::find_if(fields.begin(), fields.end(), [&](const auto& column) {
            return BelongsTo(column, kind) && EqualsIgnoreCase(heading, column.CsvHeading);
        });
        if (found == fields.end() ||
            std::find(columns.begin(), columns.end(), &*found) != columns.end()) {
            const std::vector<std::string> quoted{Quoted(std::string(heading))};
            return found == fields.end()
                       ? Phrase{TQ58_PHRASE("Csv", "heading %1 is not a column of this list"),
                                quoted}
                       : Phrase{TQ58_PHRASE("Csv", "heading %1 appears twice"), quoted};
        }
        columns.push_back(&*found);
    }
    return std::nullopt;
}

// One row taken into a copy of its channel, cell by cell, as the channel page takes edits.
class ChannelRow {
public:
    ChannelRow(const ChannelRecord& channel, ChannelKind kind, bool scramblerAvailable)
        : original_(channel), edited_(channel), kind_(kind), scrambler_(scramblerAvailable) {}

    std::vector<Phrase> Take(const std::vector<const ChannelColumn*>& columns, const CsvRow& row) {
        std::vector<Phrase> reasons;
        for (std::size_t i = 0; i < columns.size(); ++i) {
            if (std::optional<Phrase> reason = TakeCell(*columns[i], CellAt(row, i + 1))) {
                reasons.push_back(std::move(*reason));
            }
        }
        const auto surplus =
            row.Cells.begin() + static_cast<long>(std::min(row.Cells.size(), columns.size() + 1));
        if (std::any_of(surplus, row.Cells.end(),
                        [](const std::string& cell) { return !TrimBlanks(cell).empty(); })) {
            reasons.push_back({TQ58_PHRASE("Csv", "more cells than headings"), {}});
        }
        if (reasons.empty() && edited_ != original_ && !ChannelPageCheckPasses(edited_, kind_)) {
            reasons.push_back({TQ58_PHRASE("Csv", "an enabled EXP channel needs an Rx Frequency "
                                                  "and two characters of CH Display"),
                               {}});
        }
        return reasons;
    }

    const ChannelRecord& Edited() const { return edited_; }

private:
    // A cell's reason names the column and quotes the cell.
    static Phrase Refused(const char* context, const char* pattern, const ChannelColumn& column,
                          const std::string& cell) {
        return ColumnPhrase(context, pattern, column.CsvHeading, {Quoted(cell)});
    }

    std::optional<Phrase> TakeCell(const ChannelColumn& column, const std::string& cell) {
        if (cell == CellText(column, original_)) {
            return std::nullopt;
        }
        switch (column.Value) {
        case ChannelValue::Flag:
            return TakeFlag(column, cell);
        case ChannelValue::Frequency:
            return TakeFrequency(column, cell);
        case ChannelValue::Display:
            return TakeDisplay(column, cell);
        case ChannelValue::Scrambler:
            return TakeScrambler(column, cell);
        case ChannelValue::Name:
            break;
        }
        return TakeName(column, cell);
    }

    // A field the page never opens on this channel keeps its value.
    std::optional<Phrase> Locked(const ChannelColumn& column) const {
        if (ChannelControlOpens(original_, kind_, scrambler_, column.Field)) {
            return std::nullopt;
        }
        return ColumnPhrase(TQ58_PHRASE("Csv", "%1 cannot be changed on this channel"),
                            column.CsvHeading, {});
    }

    std::optional<Phrase> TakeFlag(const ChannelColumn& column, const std::string& cell) {
        const std::optional<bool> value = ParseOnOffCell(cell);
        if (!value) {
            return Refused(TQ58_PHRASE("Csv", "%1 %2 is not On or Off"), column, cell);
        }
        if (*value == original_.*column.Flag) {
            return std::nullopt;
        }
        std::optional<Phrase> locked = Locked(column);
        edited_.*column.Flag = locked ? edited_.*column.Flag : *value;
        return locked;
    }

    std::optional<Phrase> TakeFrequency(const ChannelColumn& column, const std::string& cell) {
        std::string text(TrimBlanks(cell));
        std::replace(text.begin(), text.end(), ',', '.');
        const std::optional<double> typed = text.empty() ? 0.0 : ParseDecimal(text);
        if (!typed) {
            return Refused(TQ58_PHRASE("Csv", "%1 %2 is not a frequency in MHz"), column, cell);
        }
        if (SameFrequency(*typed, original_.*column.Frequency)) {
            return std::nullopt;
        }
        if (std::optional<Phrase> locked = Locked(column)) {
            return locked;
        }
        const std::optional<double> accepted = AcceptedFrequency(text);
        if (!accepted) {
            return Refused(
                TQ58_PHRASE("Csv", "%1 %2 is not on the 25 kHz raster from 137 to 174 MHz"), column,
                cell);
        }
        edited_.*column.Frequency = *accepted;
        return std::nullopt;
    }

    std::optional<Phrase> TakeDisplay(const ChannelColumn& column, const std::string& cell) {
        std::string text = cell;
        text.erase(text.find_last_not_of(' ') + 1);
        constexpr auto Longest = static_cast<std::size_t>(DisplayLeftLength + DisplayRightLength);
        std::string left = text.substr(0, std::min<std::size_t>(text.size(), DisplayLeftLength));
        const std::string right = text.size() > left.size() ? text.substr(left.size()) : "";
        left.erase(left.find_last_not_of(' ') + 1);
        const std::string shown = left + right;
        if (text.size() > Longest ||
            !std::all_of(shown.begin(), shown.end(), IsChannelDisplayKey)) {
            return Refused(TQ58_PHRASE("Csv", "%1 %2 is not a channel number the display can show"),
                           column, cell);
        }
        if (left == original_.CHDisplayL && right == original_.CHDisplayR) {
            return std::nullopt;
        }
        if (std::optional<Phrase> locked = Locked(column)) {
            return locked;
        }
        edited_.CHDisplayL = left;
        edited_.CHDisplayR = right;
        return std::nullopt;
    }

    std::optional<Phrase> TakeScrambler(const ChannelColumn& column, const std::string& cell) {
        const std::string_view word = TrimBlanks(cell);
        const auto item =
            std::find_if(ScramblerItems.begin(), ScramblerItems.end(),
                         [&](const auto& i) { return EqualsIgnoreCase(word, i.Text); });
        if (item == ScramblerItems.end()) {
            return Refused(TQ58_PHRASE("Csv", "%1 %2 is not Off, 0, 1, 2 or 3"), column, cell);
        }
        if (item - ScramblerItems.begin() == ScramblerItemFor(original_.Scramble)) {
            return std::nullopt;
        }
        std::optional<Phrase> locked = Locked(column);
        edited_.Scramble = locked ? edited_.Scramble : item->Data;
        return locked;
    }

    std::optional<Phrase> TakeName(const ChannelColumn& column, const std::string& cell) {
        if (std::optional<Phrase> locked = Locked(column)) {
            return locked;
        }
        if (cell.size() > static_cast<std::size_t>(ChannelNameLength)) {
            return ColumnPhrase(TQ58_PHRASE("Csv", "%1 %2 is longer than %3 characters"),
                                column.CsvHeading,
                                {Quoted(cell), std::to_string(ChannelNameLength)});
        }
        if (!std::all_of(cell.begin(), cell.end(), IsChannelNameKey)) {
            return Refused(TQ58_PHRASE("Csv", "%1 %2 holds a character the radio cannot store"),
                           column, cell);
        }
        edited_.ChTag = cell;
        return std::nullopt;
    }

    const ChannelRecord& original_;
    ChannelRecord edited_;
    ChannelKind kind_;
    bool scrambler_;
};

} // namespace

std::vector<std::vector<std::string>> ChannelCsvRows(const SettingsRecord& settings,
                                                     const ModelState& model, int group) {
    const auto columns = ExportedColumns(KindOf(group), model.ScramblerAvailable);
    std::vector<std::string> headings{KeyHeading(group)};
    for (const ChannelColumn* column : columns) {
        headings.emplace_back(column->CsvHeading);
    }
    std::vector<std::vector<std::string>> rows{headings};
    const std::vector<ChannelRecord>& list = ChannelList(settings, group);
    for (std::size_t i = 0; i < list.size(); ++i) {
        std::vector<std::string> row{KeyCell(group, i)};
        for (const ChannelColumn* column : columns) {
            row.push_back(CellText(*column, list[i]));
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

CsvRefusals ImportChannelRows(SettingsRecord& settings, const ModelState& model, int group,
                              const std::vector<CsvRow>& rows) {
    const ChannelKind kind = KindOf(group);
    std::vector<const ChannelColumn*> columns;
    if (std::optional<Phrase> reason = ReadHeadings(rows.front(), kind, columns)) {
        return {{rows.front().Line, {std::move(*reason)}}};
    }
    std::vector<ChannelRecord>& list = ChannelList(settings, group);
    std::map<std::size_t, int> seen; // channel index -> line
    CsvRefusals refusals;
    for (auto row = rows.begin() + 1; row != rows.end(); ++row) {
        const std::string key = CellAt(*row, 0);
        const auto index = KeyIndex(group, key, list.size());
        std::vector<Phrase> reasons;
        if (!index) {
            reasons.push_back({TQ58_PHRASE("Csv", "%1 %2 is not a channel of the list"),
                               {KeyHeading(group), Quoted(key)}});
        } else if (const auto [earlier, fresh] = seen.emplace(*index, row->Line); !fresh) {
            reasons.push_back({TQ58_PHRASE("Csv", "the channel is in line %1 already"),
                               {std::to_string(earlier->second)}});
        } else {
            ChannelRow taken(list[*index], kind, model.ScramblerAvailable);
            reasons = taken.Take(columns, *row);
            list[*index] = taken.Edited();
        }
        if (!reasons.empty()) {
            refusals.Add({row->Line, std::move(reasons)});
        }
    }
    return refusals;
}

} // namespace tq58
