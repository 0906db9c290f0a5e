#include "gui/editor/UsablePage.h"

#include "editor/GroupCaptions.h"
#include "editor/SettingEntries.h"
#include "editor/SettingLists.h"
#include "gui/TextCodec.h"
#include "gui/Translations.h"
#include "gui/editor/EditorHost.h"
#include "gui/editor/PageWidgets.h"
#include "model/FieldCodec.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QVBoxLayout>

namespace tq58 {

UsablePage::UsablePage(EditorHost& host, const QString& objectName, QWidget* parent)
    : Page(host, objectName, parent), bindings_(host, this), entries_(host, this) {
    auto* content = new QWidget;
    content->setObjectName("pictUsableChild");
    auto* groups = new QGroupBox(tr("Usable Channel Groups"));
    auto* grid = new QGridLayout(groups);
    for (int group = 0; group < 4; ++group) {
        grid->addWidget(BuildGroup(group), group / 2, group % 2);
    }
    auto* layout = new QVBoxLayout(content);
    layout->addWidget(groups);
    layout->addWidget(BuildExpGroups());
    layout->addStretch(1);
    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(0, 0, 0, 0);
    page->addWidget(Scrolled(content));
}

UsableGroupRecord& UsablePage::Group(int group) const {
    return host_.Data().Settings.UsableChGroup[static_cast<std::size_t>(group)];
}

QWidget* UsablePage::BuildGroup(int group) {
    GroupRow& row = rows_[static_cast<std::size_t>(group)];
    const QString caption = Translated(GroupTitle(group));
    row.usable = NewCheck(IndexedName("chkUsable", group), caption);
    auto* status = NewField(IndexedName("txtUsable", group), tr("%1 status name").arg(caption),
                            StatusNameLength, IsNameCharacter);
    auto* tot = NewCombo(IndexedName("cmbUsableTot", group), tr("%1 TX TOT").arg(caption),
                         ValueList::OffOn);
    row.priority =
        NewCombo(IndexedName("cmbUsablePri", group), tr("%1 priority channel").arg(caption), {});
    row.priority->setMinimumContentsLength(4);

    auto* cell = new QFrame;
    cell->setFrameShape(QFrame::StyledPanel);
    auto* rows = new QGridLayout(cell);
    rows->setVerticalSpacing(3);
    rows->addWidget(row.usable, 0, 0, 1, 2);
    row.dependents = {AddRow(rows, tr("Status Name"), status),
                      status,
                      AddRow(rows, tr("TX TOT"), tot),
                      tot,
                      AddRow(rows, tr("Priority CH"), row.priority),
                      row.priority};
    rows->setColumnStretch(2, 1);

    bindings_.Check(
        row.usable, [this, group]() -> bool& { return Group(group).Enable; },
        [this, group] { GroupSwitched(group); });
    bindings_.ComboFlag(tot, [this, group]() -> bool& { return Group(group).TxTot; });
    bindings_.ComboData(row.priority, [this, group]() -> long& { return Group(group).PriorityCh; });
    entries_.Add(
        status, [this, group] { return Group(group).StatusName; },
        [this, group](const std::string& typed) {
            Group(group).StatusName = StoredStatusName(typed);
            ShowCaptions();
            host_.RefreshTreeTexts();
            return EntryCheck::Shown;
        });
    return cell;
}

QWidget* UsablePage::BuildExpGroups() {
    auto* section = new QGroupBox(tr("Expansion Channel Groups"));
    auto* row = new QHBoxLayout(section);
    for (int k = 0; k < 3; ++k) {
        QCheckBox* box = NewCheck(IndexedName("chkEXP", k), Translated(GroupTitle(k)));
        expGroups_[static_cast<std::size_t>(k)] = box;
        row->addWidget(box);
        bindings_.Check(box, [this, k]() -> bool& {
            return Group(GroupExp).ExpChGroup[static_cast<std::size_t>(k)];
        });
    }
    row->addStretch(1);
    return section;
}

void UsablePage::Fill(const NodeRef&) {
    for (int group = 0; group < 4; ++group) {
        SetItems(rows_[static_cast<std::size_t>(group)].priority,
                 PriorityChoices(host_.Data().Settings, group));
    }
    bindings_.Fill();
    entries_.Fill();
    ShowCaptions();
    ApplyEnabling();
}

void UsablePage::ApplyEnabling() {
    for (const GroupRow& row : rows_) {
        for (QWidget* control : row.dependents) {
            control->setEnabled(row.usable->isChecked());
        }
    }
    for (QCheckBox* box : expGroups_) {
        box->setEnabled(rows_[GroupExp].usable->isChecked());
    }
}

// A group that is no longer usable takes its EXP channels' group entry with it, and the tree
// shows only the usable groups.
void UsablePage::GroupSwitched(int group) {
    ApplyEnabling();
    if (group != GroupExp && !rows_[static_cast<std::size_t>(group)].usable->isChecked()) {
        expGroups_[static_cast<std::size_t>(group)]->setChecked(false);
    }
    host_.RebuildTree();
}

void UsablePage::ShowCaptions() {
    for (int k = 0; k < 3; ++k) {
        SetCaption(expGroups_[static_cast<std::size_t>(k)],
                   Translated(StatusTitle(host_.Data().Settings, k)));
    }
}

} // namespace tq58
