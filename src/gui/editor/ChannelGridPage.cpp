#include "gui/editor/ChannelGridPage.h"

#include "editor/ChannelLists.h"
#include "editor/ChannelPanelState.h"
#include "gui/TextCodec.h"
#include "gui/editor/EditorHost.h"
#include "gui/editor/GridEditing.h"
#include "gui/editor/PageWidgets.h"
#include "gui/editor/RecordGrid.h"
#include "gui/editor/RowFlagMenu.h"
#include "model/ChannelFields.h"
#include "model/ChannelText.h"
#include "report/ReportWords.h"

#include <QLabel>
#include <QVBoxLayout>
#include <algorithm>
#include <vector>

namespace tq58 {

namespace {

// A grid column: its header, width and cell text for a channel (number is the row's EXP
// number), and the field of the channel description it shows; none for the row's key.
struct ChannelColumn {
    const char* Header;
    int WidthTwips;
    QString (*Cell)(const ChannelRecord& channel, int number);
    std::optional<ChannelField> Field;
};

// A flag's mark in its cell, in the user's language; dashes while it is off.
QString Flag(bool on, const char* mark, const char* off) {
    return on ? ChannelGridPage::tr(mark) : QString(off);
}

QString ScanCell(const ChannelRecord& c, int) {
    return Flag(c.ScanMemory, QT_TRANSLATE_NOOP("tq58::ChannelGridPage", "MEM"), "---");
}
QString LowCell(const ChannelRecord& c, int) {
    //: Column and mark of a channel sent with low power only; at most four letters.
    return Flag(c.LowPower, QT_TRANSLATE_NOOP("tq58::ChannelGridPage", "LOW"), "---");
}
QString UpCell(const ChannelRecord& c, int) {
    //: Column and mark of a channel that switches to high power (power up); at most four letters.
    return Flag(c.PowUp, QT_TRANSLATE_NOOP("tq58::ChannelGridPage", "UP"), "--");
}
QString ScramblerCell(const ChannelRecord& c, int) {
    return ToQt(ScrambleText(c.Scramble));
}
QString NameCell(const ChannelRecord& c, int) {
    return ToQt(c.ChTag);
}

using F = ChannelField;

const std::vector<ChannelColumn> PlanColumns{
    {QT_TRANSLATE_NOOP("tq58::ChannelGridPage", "CH"),
     800,
     [](const ChannelRecord& c, int) { return ToQt(ChannelEntryAt(c.Position).ChLabel); },
     {}},
    {QT_TRANSLATE_NOOP("tq58::ChannelGridPage", "RX[MHz]"), 1000,
     [](const ChannelRecord& c, int) { return ToQt(PlanRxFreqText(c)); }, F::RxFreq},
    {QT_TRANSLATE_NOOP("tq58::ChannelGridPage", "TX[MHz]"), 1000,
     [](const ChannelRecord& c, int) { return ToQt(PlanTxFreqText(c)); }, F::TxFreq},
    {QT_TRANSLATE_NOOP("tq58::ChannelGridPage", "TX"), 600,
     [](const ChannelRecord& c, int) {
         return Flag(c.TxEnable, QT_TRANSLATE_NOOP("tq58::ChannelGridPage", "TX"), "--");
     },
     F::TxEnable},
    {QT_TRANSLATE_NOOP("tq58::ChannelGridPage", "LOW"), 600, LowCell, F::LowPowerOnly},
    {QT_TRANSLATE_NOOP("tq58::ChannelGridPage", "UP"), 600, UpCell, F::PowerUp},
    {QT_TRANSLATE_NOOP("tq58::ChannelGridPage", "DUP"), 600,
     [](const ChannelRecord& c, int) {
         return Flag(c.Duplex, QT_TRANSLATE_NOOP("tq58::ChannelGridPage", "DUP"), "---");
     },
     F::Duplex},
    {QT_TRANSLATE_NOOP("tq58::ChannelGridPage", "MEM"), 600, ScanCell, F::ScanMemory},
    {QT_TRANSLATE_NOOP("tq58::ChannelGridPage", "VS"), 600, ScramblerCell, F::Scrambler},
    {QT_TRANSLATE_NOOP("tq58::ChannelGridPage", "CH Name"), 2000, NameCell, F::Name},
};

const std::vector<ChannelColumn> ExpColumns{
    {QT_TRANSLATE_NOOP("tq58::ChannelGridPage", "CH"),
     800,
     [](const ChannelRecord&, int number) { return QString::number(number); },
     {}},
    {QT_TRANSLATE_NOOP("tq58::ChannelGridPage", "ENABLE"), 1000,
     [](const ChannelRecord& c, int) {
         return Flag(c.Enable, QT_TRANSLATE_NOOP("tq58::ChannelGridPage", "[Enable]"), "");
     },
     F::Enable},
    {QT_TRANSLATE_NOOP("tq58::ChannelGridPage", "DISP"), 800,
     [](const ChannelRecord& c, int) { return ToQt(ExpDisplayText(c)); }, F::Display},
    {QT_TRANSLATE_NOOP("tq58::ChannelGridPage", "RX[MHz]"), 1000,
     [](const ChannelRecord& c, int) { return ToQt(RxFreqShown(c, ChannelKind::Exp)); }, F::RxFreq},
    {QT_TRANSLATE_NOOP("tq58::ChannelGridPage", "TX[MHz]"), 1000,
     [](const ChannelRecord& c, int) { return ToQt(TxFreqShown(c, ChannelKind::Exp)); }, F::TxFreq},
    {QT_TRANSLATE_NOOP("tq58::ChannelGridPage", "LOW"), 600, LowCell, F::LowPowerOnly},
    {QT_TRANSLATE_NOOP("tq58::ChannelGridPage", "UP"), 600, UpCell, F::PowerUp},
    {QT_TRANSLATE_NOOP("tq58::ChannelGridPage", "MEM"), 600, ScanCell, F::ScanMemory},
    {QT_TRANSLATE_NOOP("tq58::ChannelGridPage", "VS"), 600, ScramblerCell, F::Scrambler},
    {QT_TRANSLATE_NOOP("tq58::ChannelGridPage", "CH Name"), 2000, NameCell, F::Name},
};

const std::vector<ChannelColumn>& ColumnsOf(const NodeRef& node) {
    return node.Kind == NodeKind::ExpGrid ? ExpColumns : PlanColumns;
}

const ChannelColumn& ColumnOf(const NodeRef& node, int column) {
    return ColumnsOf(node).at(static_cast<std::size_t>(column));
}

CsvList ListOf(const NodeRef& node) {
    static constexpr CsvList Lists[] = {CsvList::Usa, CsvList::Intl, CsvList::Canada, CsvList::Exp};
    return Lists[node.Kind == NodeKind::ExpGrid ? GroupExp : node.Group];
}

// The CSV heading of the column's field, when the list's files carry it: the column takes
// that heading's cells in a paste.
const char* CsvHeadingOf(const NodeRef& node, const ChannelColumn& column) {
    if (!column.Field) {
        return CsvListInfoOf(ListOf(node)).KeyHeading;
    }
    const ChannelFieldInfo& field = ChannelFieldOf(*column.Field);
    const unsigned lists = node.Kind == NodeKind::ExpGrid ? ExpList : PlanLists;
    return (field.CsvLists & lists) != 0 ? field.CsvHeading : "";
}

// The text fields of a list's files are edited in place; flags and the scrambler are set
// from the row-flag menu and the channel page.
std::string EditedHeading(const NodeRef& node, const ChannelColumn& column) {
    const bool typed = column.Field && ChannelFieldOf(*column.Field).Value != ChannelValue::Flag &&
                       ChannelFieldOf(*column.Field).Value != ChannelValue::Scrambler;
    return typed ? CsvHeadingOf(node, column) : "";
}

std::optional<RowFlag> FlagColumn(const NodeRef& node, int column) {
    const std::optional<ChannelField> field = ColumnOf(node, column).Field;
    return field && ChannelFieldOf(*field).RowFlagName ? field : std::nullopt;
}

bool ScramblerOnly(const ChannelColumn& column) {
    return column.Field && ChannelFieldOf(*column.Field).NeedsScrambler;
}

// Every cell is formatted once, when the page is filled.
GridList ChannelGridList(const std::vector<ChannelColumn>& columns,
                         const std::vector<ChannelRecord*>& rows, bool scramblerAvailable,
                         bool planGroup) {
    GridList list;
    for (const ChannelColumn& column : columns) {
        list.Columns.push_back({ChannelGridPage::tr(column.Header), column.WidthTwips});
    }
    std::vector<QString> cells;
    cells.reserve(rows.size() * columns.size());
    int number = 0;
    for (ChannelRecord* channel : rows) {
        ++number;
        for (const ChannelColumn& column : columns) {
            const bool shown = scramblerAvailable || !ScramblerOnly(column);
            cells.push_back(shown ? column.Cell(*channel, number) : QString());
        }
    }
    const int width = static_cast<int>(columns.size());
    list.Rows = static_cast<int>(rows.size());
    list.Cell = [cells = std::move(cells), width](int row, int column) {
        return cells[static_cast<std::size_t>(row * width + column)];
    };
    if (planGroup) {
        std::vector<bool> off;
        for (const ChannelRecord* channel : rows) {
            off.push_back(!channel->Enable);
        }
        list.Off = [off = std::move(off)](int row) { return off[static_cast<std::size_t>(row)]; };
    }
    return list;
}

} // namespace

ChannelGridPage::ChannelGridPage(EditorHost& host, const QString& objectName, QWidget* parent)
    : Page(host, objectName, parent), heading_(NewHeading("lblGroupHeading")),
      grid_(new RecordGrid("MSFlexGrid1", tr("Channels"), this)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(heading_);
    layout->addWidget(grid_);
    connect(grid_, &RecordGrid::RowActivated, this, &ChannelGridPage::JumpToRow);
    new GridEditing(
        host, grid_,
        {[this] { return ListOf(node_); }, [this](int row) { return RowKey(row); },
         [this](int column) { return EditedHeading(node_, ColumnOf(node_, column)); },
         [this](int column) { return std::string(CsvHeadingOf(node_, ColumnOf(node_, column))); }},
        [this] { Fill(node_); });
    new RowFlagMenu(
        host, grid_,
        {[this] { return node_.Kind == NodeKind::ExpGrid ? int(GroupExp) : node_.Group; },
         [this](int row) { return indices_.at(static_cast<std::size_t>(row)); },
         [this](int column) { return FlagColumn(node_, column); }},
        [this] { Fill(node_); });
}

// The row's key in the CSV export: the EXP number, or the plan channel's label.
std::string ChannelGridPage::RowKey(int row) const {
    return node_.Kind == NodeKind::ExpGrid
               ? std::to_string(row + 1)
               : FromQt(grid_->Model()->index(row, 0).data().toString());
}

// A plan group lists its enabled channels. A channel switched off while the grid is shown
// keeps its row, greyed, until the page is left: it can be switched on again where it was.
void ChannelGridPage::Fill(const NodeRef& node) {
    const bool again = isVisible() && node == node_;
    node_ = node;
    std::vector<ChannelRecord>& list = ChannelList(host_.Data().Settings, node.Group);
    const bool exp = node.Kind == NodeKind::ExpGrid;
    heading_->setText(GroupHeading(host_.Data().Settings, node.Group));
    grid_->setAccessibleName(heading_->text());
    std::vector<ChannelRecord*> rows;
    std::vector<int> listed;
    for (ChannelRecord& channel : list) {
        const int index = static_cast<int>(&channel - list.data());
        if (exp || channel.Enable ||
            (again && std::find(indices_.begin(), indices_.end(), index) != indices_.end())) {
            rows.push_back(&channel);
            listed.push_back(index);
        }
    }
    indices_ = std::move(listed);
    GridList shown = ChannelGridList(ColumnsOf(node), rows, host_.Model().ScramblerAvailable, !exp);
    if (again) {
        grid_->Refresh(std::move(shown));
    } else {
        grid_->Show(std::move(shown));
    }
}

// A plan row opens the channel its label names; an EXP row the EXP channel of its number.
void ChannelGridPage::JumpToRow(int row) {
    if (node_.Kind == NodeKind::ExpGrid) {
        host_.JumpToNode(ChannelNodeKey(GroupExp, row - 1));
        return;
    }
    const QString label = grid_->Model()->index(row - 1, 0).data().toString();
    const std::string position = FindChannelPosition(FromQt(label));
    if (!position.empty()) {
        host_.JumpToNode(ChannelNodeKey(node_.Group, std::stoi(position)));
    }
}

} // namespace tq58
