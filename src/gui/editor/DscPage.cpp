#include "gui/editor/DscPage.h"

#include "editor/FieldKeys.h"
#include "editor/GroupCaptions.h"
#include "editor/SettingEntries.h"
#include "gui/Messages.h"
#include "gui/TextCodec.h"
#include "gui/Translations.h"
#include "gui/editor/EditorHost.h"
#include "gui/editor/MmsiMarks.h"
#include "gui/editor/PageWidgets.h"
#include "gui/editor/Refusal.h"
#include "link/Transfer.h"
#include "model/FieldCodec.h"
#include "model/ImageHeader.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

namespace tq58 {

namespace {

constexpr std::array<const char*, 4> PosRows{
    QT_TRANSLATE_NOOP("tq58::DscPage", "Distress Cancel Call"),
    QT_TRANSLATE_NOOP("tq58::DscPage", "Standby Mode"),
    QT_TRANSLATE_NOOP("tq58::DscPage", "POS Request"),
    QT_TRANSLATE_NOOP("tq58::DscPage", "POS Reporting")};
constexpr std::array<const char*, 8> BeepRows{
    QT_TRANSLATE_NOOP("tq58::DscPage", "Send Distress Alert"),
    QT_TRANSLATE_NOOP("tq58::DscPage", "Received All Ships"),
    QT_TRANSLATE_NOOP("tq58::DscPage", "Received Individual"),
    QT_TRANSLATE_NOOP("tq58::DscPage", "Received Group"),
    QT_TRANSLATE_NOOP("tq58::DscPage", "Received Geographic"),
    QT_TRANSLATE_NOOP("tq58::DscPage", "Received POS Request"),
    QT_TRANSLATE_NOOP("tq58::DscPage", "Received POS Reporting"),
    QT_TRANSLATE_NOOP("tq58::DscPage", "POS Reporting")};
constexpr std::array<const char*, 4> Priorities{
    QT_TRANSLATE_NOOP("tq58::DscPage", "Distress"), QT_TRANSLATE_NOOP("tq58::DscPage", "Urgency"),
    QT_TRANSLATE_NOOP("tq58::DscPage", "Safety"), QT_TRANSLATE_NOOP("tq58::DscPage", "Routine")};
constexpr std::array<const char*, 3> DisplayRows{
    QT_TRANSLATE_NOOP("tq58::DscPage", "Individual ACK Menu"),
    QT_TRANSLATE_NOOP("tq58::DscPage", "Individual ACK Message Menu"),
    QT_TRANSLATE_NOOP("tq58::DscPage", "POS Request ACK Menu")};

using Calls = std::array<bool, 4>;
struct CallBlock {
    const char* caption;
    const char* name;
    Calls DscAdvancedSetupRecord::*call;
    Calls DscAdvancedSetupRecord::*power;
};
using A = DscAdvancedSetupRecord;
constexpr std::array<CallBlock, 3> CallBlocks{{
    {QT_TRANSLATE_NOOP("tq58::DscPage", "ALL Ships Call"), "cmbUsableDscAllShipsCall",
     &A::AllShipsCall, &A::AllShipsCallTX},
    {QT_TRANSLATE_NOOP("tq58::DscPage", "Group Call"), "cmbUsableDscGroupCall", &A::GroupCall,
     &A::GroupCallTX},
    {QT_TRANSLATE_NOOP("tq58::DscPage", "Individual Call"), "cmbUsableDscIndividualCall",
     &A::IndividualCall, &A::IndividualCallTX},
}};

// The log each "Clear" button empties: 0 the distress log, 1 the DSC log.
constexpr std::array<TransferOperation, 2> ClearOperations{TransferOperation::ClearDistressLog,
                                                           TransferOperation::ClearDscLog};
constexpr std::array<const char*, 2> LogCaptions{QT_TRANSLATE_NOOP("tq58::DscPage", "Distress Log"),
                                                 QT_TRANSLATE_NOOP("tq58::DscPage", "DSC Log")};

template <std::size_t N> bool& Element(std::array<bool, N>& flags, int k) {
    return flags[static_cast<std::size_t>(k)];
}

// Sections one below the other, or side by side, as the tab's width allows.
QWidget* Stacked(std::initializer_list<QWidget*> sections) {
    auto* stack = new QWidget;
    auto* layout = new QVBoxLayout(stack);
    layout->setContentsMargins(0, 0, 0, 0);
    for (QWidget* section : sections) {
        layout->addWidget(section);
    }
    layout->addStretch(1);
    return stack;
}

QWidget* SideBySide(std::initializer_list<QWidget*> sections) {
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    for (QWidget* section : sections) {
        layout->addWidget(section, 0, Qt::AlignTop);
    }
    return row;
}

// A tab's content, with a scroll bar should the window be too small for it.
void Fit(QWidget* child, QWidget* content) {
    content->layout()->setContentsMargins(6, 6, 6, 6);
    auto* layout = new QVBoxLayout(child);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(Scrolled(content));
}

} // namespace

DscPage::DscPage(EditorHost& host, const QString& objectName, QWidget* parent)
    : TabbedPage(host, objectName, "tbsDSC_USER",
                 {tr("Basic Setup"), tr("Advanced Setup"), tr("Display Setup")}, parent),
      bindings_(host, this), entries_(host, this) {
    BuildBasic(Child(0));
    BuildAdvanced(Child(1));
    BuildDisplay(Child(2));
}

QComboBox* DscPage::AddFlag(QGridLayout* rows, const QString& name, const QString& caption,
                            FieldRef<bool> field) {
    QComboBox* box = NewCombo(name, caption, ValueList::OffOn);
    AddRow(rows, caption, box);
    bindings_.ComboFlag(box, std::move(field), [this] { ApplyPower(); });
    return box;
}

void DscPage::AddPower(QGridLayout* rows, QComboBox* call, const QString& name,
                       FieldRef<bool> field) {
    QComboBox* power = NewCombo(name, tr("%1 power").arg(call->accessibleName()), ValueList::Power);
    rows->addWidget(power, RowOf(rows, call), 2);
    bindings_.ComboFlag(power, std::move(field));
    powered_.emplace_back(call, power);
}

void DscPage::BuildBasic(QWidget* child) {
    Fit(child, Stacked({SideBySide({BuildDscGroups(), Stacked({BuildUserMmsi(), BuildLogClear()})}),
                        BuildPosRows(), BuildBeeps()}));
}

QWidget* DscPage::BuildDscGroups() {
    QGridLayout* rows = nullptr;
    QGroupBox* section = NewSection(tr("Usable DSC CH Group"), &rows);
    for (int k = 0; k < 4; ++k) {
        QComboBox* usable = AddFlag(
            rows, IndexedName("cmbUsableDsc", k), Translated(GroupTitle(k)), [this, k]() -> bool& {
                return Element(host_.Data().Settings.DscBasicSetup.DscChGroup, k);
            });
        auto* name = new QLabel;
        name->setObjectName(IndexedName("lblDscChGrpName", k));
        rows->addWidget(name, RowOf(rows, usable), 2);
        groupNames_[static_cast<std::size_t>(k)] = name;
    }
    return section;
}

QWidget* DscPage::BuildUserMmsi() {
    QGridLayout* rows = nullptr;
    QGroupBox* section = NewSection(QString(), &rows);
    auto* mmsi = NewField("txtUserMMSI", tr("User MMSI"), UserMmsiLength, IsDigitKey);
    AddRow(rows, tr("UserMMSI"), mmsi);
    auto* kind = new MmsiKindLabel("lblUserMmsiKind", tr("User MMSI kind"));
    rows->addWidget(kind, RowOf(rows, mmsi) + 1, 1);
    // The label reads the MMSI as soon as its nine digits stand in the field.
    connect(mmsi, &QLineEdit::textChanged, kind, [kind](const QString& text) {
        const std::string digits = text.size() == UserMmsiLength ? FromQt(text) : std::string();
        kind->Show(digits, UserMmsiKindWarning(digits));
    });
    count_ = new QLineEdit;
    count_->setObjectName("txtFCount");
    count_->setAccessibleName(tr("User MMSI count"));
    SetReadOnlyLook(count_, true);
    count_->setFixedWidth(mmsi->width() / 3);
    AddRow(rows, tr("Count"), count_);
    entries_.Add(
        mmsi, [this] { return ShownMmsi(host_.Data().Settings.DscBasicSetup.UserMmsi); },
        [this](const std::string& typed) {
            const auto accepted = AcceptedDigits(typed, UserMmsiLength);
            if (!accepted) {
                ShowRefusal(host_.Prompts(), tr("User MMSI"), tr("Data Error!!"),
                            DigitsRule(tr("User MMSI").toStdString(), UserMmsiLength));
                return EntryCheck::Refused;
            }
            host_.Data().Settings.DscBasicSetup.UserMmsi = *accepted;
            host_.RefreshTreeTexts(); // the DSC node's mark follows the MMSI's kind
            return EntryCheck::Shown;
        });
    return section;
}

QWidget* DscPage::BuildLogClear() {
    QGridLayout* rows = nullptr;
    QGroupBox* section = NewSection(tr("Log Clear"), &rows);
    for (int button : {1, 0}) {
        auto* clear = new QPushButton(tr("Clear"));
        clear->setObjectName(IndexedName("cmdFclearLog", button));
        clear->setAccessibleName(
            tr("Clear %1").arg(tr(LogCaptions[static_cast<std::size_t>(button)])));
        clear->setAutoDefault(false);
        AddRow(rows, tr(LogCaptions[static_cast<std::size_t>(button)]), clear);
        connect(clear, &QPushButton::clicked, this, [this, button] { ClearLog(button); });
    }
    return section;
}

QWidget* DscPage::BuildPosRows() {
    QGridLayout* rows = nullptr;
    QGroupBox* section = NewSection(QString(), &rows);
    for (int k = 0; k < 4; ++k) {
        auto basic = [this]() -> DscBasicSetupRecord& {
            return host_.Data().Settings.DscBasicSetup;
        };
        QComboBox* call = AddFlag(rows, IndexedName("cmbUsableDscPosRequest", k), tr(PosRows[k]),
                                  [basic, k]() -> bool& { return Element(basic().PosRequest, k); });
        AddPower(rows, call, IndexedName("cmbUsableDscPosRequestTX", k),
                 [basic, k]() -> bool& { return Element(basic().PosRequestTX, k); });
    }
    return section;
}

QWidget* DscPage::BuildBeeps() {
    QGridLayout* rows = nullptr;
    QGroupBox* section = NewSection(tr("DSC Beep Output"), &rows);
    for (int k = 0; k < static_cast<int>(BeepRows.size()); ++k) {
        AddFlag(rows, IndexedName("cmbUsableDscBeepOut", k), tr(BeepRows[k]), [this, k]() -> bool& {
            return Element(host_.Data().Settings.DscBasicSetup.BeepOut, k);
        });
    }
    return section;
}

void DscPage::BuildAdvanced(QWidget* child) {
    // One below the other: side by side, the two upper calls are wider than the tab in the
    // window's first size as soon as a language's words are longer than the English.
    Fit(child, Stacked({BuildCallBlock(0), BuildCallBlock(1), BuildCallBlock(2)}));
}

QWidget* DscPage::BuildCallBlock(int block) {
    const CallBlock& calls = CallBlocks[static_cast<std::size_t>(block)];
    QGridLayout* rows = nullptr;
    QGroupBox* section = NewSection(tr(calls.caption), &rows);
    const auto advanced = [this]() -> A& { return host_.Data().Settings.DscAdvancedSetup; };
    for (int k = 0; k < 4; ++k) {
        QComboBox* call = AddFlag(
            rows, IndexedName(calls.name, k), tr(Priorities[k]),
            [advanced, k, field = calls.call]() -> bool& { return Element(advanced().*field, k); });
        call->setAccessibleName(
            tr("%1 %2", "a call and its priority").arg(tr(calls.caption), tr(Priorities[k])));
        AddPower(rows, call, IndexedName((std::string(calls.name) + "TX").c_str(), k),
                 [advanced, k, field = calls.power]() -> bool& {
                     return Element(advanced().*field, k);
                 });
    }
    return section;
}

void DscPage::BuildDisplay(QWidget* child) {
    QGridLayout* rows = nullptr;
    QGroupBox* section = NewSection(QString(), &rows);
    for (int k = 0; k < static_cast<int>(DisplayRows.size()); ++k) {
        AddFlag(rows, IndexedName("cmbDscDisplay", k), tr(DisplayRows[k]),
                [this, k]() -> bool& { return Element(host_.Data().Settings.DscDisplaySetup, k); });
    }
    Fit(child, Stacked({section}));
}

void DscPage::Fill(const NodeRef& node) {
    TabbedPage::Fill(node);
    bindings_.Fill();
    entries_.Fill();
    const RadioData& data = host_.Data();
    for (int k = 0; k < 4; ++k) {
        groupNames_[static_cast<std::size_t>(k)]->setText(
            ToQt(DscGroupNameLabel(data.Settings, k)));
    }
    count_->setText(QString::number(data.MemoryImage[MmsiEnteredCountAddress]));
    ApplyPower();
}

void DscPage::ApplyPower() {
    for (const auto& [call, power] : powered_) {
        power->setEnabled(call->currentIndex() == 1);
    }
}

// A log clear counts as an edit, as it always has; once the radio's log is cleared the main
// window shows this page again from the image as it is now.
void DscPage::ClearLog(int button) {
    host_.SetDataChanged(true);
    host_.RunTransfer(ClearOperations[static_cast<std::size_t>(button)]);
}

} // namespace tq58
