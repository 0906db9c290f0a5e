#include "gui/editor/AtisPage.h"

#include "editor/AtisCodeRule.h"
#include "editor/FieldKeys.h"
#include "editor/GroupCaptions.h"
#include "editor/SettingEntries.h"
#include "gui/Messages.h"
#include "gui/ProgramMidTable.h"
#include "gui/TextCodec.h"
#include "gui/Translations.h"
#include "gui/editor/EditorHost.h"
#include "gui/editor/PageWidgets.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QScrollArea>
#include <QVBoxLayout>

namespace tq58 {

namespace {

// Both rows of group boxes name the groups as the usable page does, with their status names,
// renewed when the page is filled.
constexpr int CallSignColumns = 3;
constexpr int CallSignRows = (AtisCallSignCount + CallSignColumns - 1) / CallSignColumns;

AtisCallSignEntry& CallSign(EditorHost& host, int number) {
    return host.Data().Settings.AtisCallSign[static_cast<std::size_t>(number - 1)];
}

} // namespace

AtisPage::AtisPage(EditorHost& host, const QString& objectName, QWidget* parent)
    : TabbedPage(host, objectName, "tbsATIS", {tr("Common"), tr("CallSign")}, parent),
      bindings_(host, this), entries_(host, this) {
    BuildCommon(Child(0));
    BuildCallSigns(Child(1));
}

QWidget* AtisPage::BuildGroupBoxes(const QString& caption, const char* name,
                                   std::array<bool, 4> AtisCommonRecord::*flags,
                                   std::array<QCheckBox*, 4>* boxes) {
    auto* section = new QGroupBox(caption);
    auto* row = new QHBoxLayout(section);
    for (int k = 0; k < 4; ++k) {
        QCheckBox* box = NewCheck(IndexedName(name, k), Translated(GroupTitle(k)));
        row->addWidget(box);
        (*boxes)[static_cast<std::size_t>(k)] = box;
        bindings_.Check(box, [this, flags, k]() -> bool& {
            return (host_.Data().Settings.AtisCommon.*flags)[static_cast<std::size_t>(k)];
        });
    }
    row->addStretch(1);
    return section;
}

void AtisPage::BuildCommon(QWidget* child) {
    QWidget* groups = BuildGroupBoxes(tr("Usable ATIS CH Group"), "chkATISChGroup",
                                      &AtisCommonRecord::AtisChGroup, &atisGroups_);
    QWidget* killerGroups = BuildGroupBoxes(tr("Usable ATIS Killer CH Group"), "chkATISKiller",
                                            &AtisCommonRecord::AtisKillerChGroup, &killers_);
    QGridLayout* rows = nullptr;
    QGroupBox* code = NewSection(QString(), &rows);
    auto* field = NewField("txtATIScode", tr("ATIS Code"), AtisCodeLength, IsDigitKey);
    AddRow(rows, tr("ATIS Code"), field)->setObjectName("lblATIScode");
    rows->setColumnStretch(2, 1);
    entries_.Add(
        field, [this] { return host_.Data().Settings.AtisCommon.AtisCode; },
        [this](const std::string& typed) {
            const auto accepted = AcceptedDigits(typed, AtisCodeLength);
            if (!accepted || !IsAtisCodeInRule(*accepted, ProgramMidTable())) {
                host_.Prompts().Show(
                    tr("ATISNo"), tr("Data Error!!") + "\n" + CoreText("Rules", AtisCodeRuleText),
                    QMessageBox::Warning);
                return EntryCheck::Refused;
            }
            host_.Data().Settings.AtisCommon.AtisCode = *accepted;
            return EntryCheck::Shown;
        });

    auto* content = new QWidget;
    auto* layout = new QVBoxLayout(content);
    layout->addWidget(groups);
    layout->addWidget(code);
    layout->addWidget(killerGroups);
    layout->addStretch(1);
    auto* fit = new QVBoxLayout(child);
    fit->setContentsMargins(0, 0, 0, 0);
    fit->addWidget(Scrolled(content));
}

void AtisPage::BuildCallSigns(QWidget* child) {
    auto* content = new QWidget;
    auto* rows = new QGridLayout(content);
    rows->setContentsMargins(6, 6, 6, 6);
    rows->setHorizontalSpacing(4);
    rows->setVerticalSpacing(2);
    for (int column = 0; column < CallSignColumns; ++column) {
        auto* mid = new QLabel(tr("MID"));
        mid->setObjectName(IndexedName("lblMid", column));
        rows->addWidget(mid, 0, 3 * column + 1);
        rows->addWidget(new QLabel(tr("Display")), 0, 3 * column + 2);
    }
    for (int number = 1; number <= AtisCallSignCount; ++number) {
        AddCallSign(rows, number);
    }
    rows->setColumnStretch(3 * CallSignColumns, 1);
    rows->setRowStretch(CallSignRows + 1, 1);
    auto* fit = new QVBoxLayout(child);
    fit->setContentsMargins(0, 0, 0, 0);
    fit->addWidget(Scrolled(content));
}

// Call sign n stands in the column of its third of the list, so that the numbers run down.
void AtisPage::AddCallSign(QGridLayout* rows, int number) {
    const int row = 1 + (number - 1) % CallSignRows;
    const int column = 3 * ((number - 1) / CallSignRows);
    const QString caption = tr("No.%1").arg(number);
    // The image holds three characters of each; a longer entry would be cut when programmed.
    auto* mid = NewField(IndexedName("txtATISMid", number), tr("%1 MID").arg(caption),
                         CallSignLength, IsDigitKey);
    auto* display = NewField(IndexedName("txtATISDisp", number), tr("%1 Display").arg(caption),
                             CallSignLength, IsDigitOrLetterKey);
    rows->addWidget(NewLabel(caption, mid), row, column);
    rows->addWidget(mid, row, column + 1);
    rows->addWidget(display, row, column + 2);
    entries_.Add(
        mid, [this, number] { return CallSign(host_, number).MID; },
        [this, number](const std::string& typed) {
            CallSign(host_, number).MID = StoredMid(typed);
            return EntryCheck::Shown;
        });
    bindings_.Text(display,
                   [this, number]() -> std::string& { return CallSign(host_, number).DISP; });
}

void AtisPage::Fill(const NodeRef& node) {
    TabbedPage::Fill(node);
    bindings_.Fill();
    entries_.Fill();
    const SettingsRecord& settings = host_.Data().Settings;
    for (std::size_t k = 0; k < atisGroups_.size(); ++k) {
        const QString caption = Translated(StatusTitle(settings, static_cast<int>(k)));
        SetCaption(atisGroups_[k], caption);
        SetCaption(killers_[k], caption);
        atisGroups_[k]->setEnabled(settings.UsableChGroup[k].Enable);
    }
}

} // namespace tq58
