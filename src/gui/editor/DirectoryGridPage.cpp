#include "gui/editor/DirectoryGridPage.h"

#include "editor/DirectoryRules.h"
#include "editor/GridRows.h"
#include "gui/TextCodec.h"
#include "gui/editor/DirectoryOrderMenu.h"
#include "gui/editor/EditorHost.h"
#include "gui/editor/GridEditing.h"
#include "gui/editor/MmsiMarks.h"
#include "gui/editor/RecordGrid.h"

#include <QVBoxLayout>

namespace tq58 {

DirectoryGridPage::DirectoryGridPage(EditorHost& host, const QString& objectName, QWidget* parent)
    : Page(host, objectName, parent), grid_(new RecordGrid("MSFlexGrid2", tr("Directory"), this)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(grid_);
    connect(grid_, &RecordGrid::RowActivated, this,
            [this](int row) { host_.JumpToNode(DirectoryNodeKey(directory_, row - 1)); });
    new GridEditing(
        host, grid_,
        {[this] { return directory_ == GroupDirectory ? CsvList::Group : CsvList::Individual; },
         [](int row) { return std::to_string(row + 1); },
         [this](int column) -> std::string {
             switch (column) {
             case 1:
                 return directory_ == GroupDirectory ? "Group Name" : "Station Name";
             case 2:
                 return "MMSI";
             default:
                 return {};
             }
         },
         [this](int column) -> std::string {
             const CsvList list =
                 directory_ == GroupDirectory ? CsvList::Group : CsvList::Individual;
             return column < 3 ? ListHeadings(host_.Data().Settings, host_.Model(), list)
                                     .at(static_cast<std::size_t>(column))
                               : std::string();
         }},
        [this] { Fill(host_.CurrentNode()); });
    new DirectoryOrderMenu(
        host, grid_, [this] { return directory_; }, [this] { Fill(host_.CurrentNode()); });
}

void DirectoryGridPage::SelectEntry(int index) {
    grid_->selectRow(index);
}

void DirectoryGridPage::Fill(const NodeRef& node) {
    const bool again = isVisible() && node.Group == directory_;
    directory_ = node.Group;
    const bool groups = directory_ == GroupDirectory;
    grid_->setAccessibleName(groups ? tr("Group Directory") : tr("Individual Directory"));
    GridList list;
    list.Columns = {{tr("No."), 800},
                    {groups ? tr("GROUP NAME") : tr("STATION NAME"), 2500},
                    {tr("MMSI"), 2150},
                    {tr("Kind"), 2500}};
    list.Rows = static_cast<int>(DirectoryEntries(host_.Data().Settings, directory_).size());
    list.Cell = [this](int row, int column) -> QString {
        const DirectoryRecord& entry =
            DirectoryEntries(host_.Data().Settings, directory_)[static_cast<std::size_t>(row)];
        switch (column) {
        case 0:
            return QString::number(row + 1);
        case 1:
            return ToQt(entry.TagName);
        case 2:
            return ToQt(MmsiColumnText(entry.Mmsid));
        default:
            return entry.Enable ? KindCell(directory_, entry.Mmsid) : QString();
        }
    };
    if (again) {
        grid_->Refresh(std::move(list));
    } else {
        grid_->Show(std::move(list));
    }
}

} // namespace tq58
