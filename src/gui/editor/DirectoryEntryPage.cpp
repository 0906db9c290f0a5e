#include "gui/editor/DirectoryEntryPage.h"

#include "editor/ControlHints.h"
#include "editor/DirectoryRules.h"
#include "editor/FieldKeys.h"
#include "gui/Messages.h"
#include "gui/TextCodec.h"
#include "gui/Translations.h"
#include "gui/editor/DirectoryOrderMenu.h"
#include "gui/editor/EditorHost.h"
#include "gui/editor/MmsiMarks.h"
#include "gui/editor/PageWidgets.h"
#include "gui/editor/Refusal.h"
#include "model/FieldCodec.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace tq58 {

DirectoryEntryPage::DirectoryEntryPage(EditorHost& host, const QString& objectName, QWidget* parent)
    : Page(host, objectName, parent), bindings_(host, this), entries_(host, this),
      frame_(new QGroupBox), enable_(NewCheck("chkGEnable", tr("Enable"))),
      delete_(NewCheck("chkGDelete", tr("Delete"))), group_(new QLabel("0")),
      mmsi_(NewField("txtGMMSI", tr("MMSI"), EnteredMmsiLength(IndividualDirectory), IsDigitKey)) {
    name_ = NewField("txtGPosi", tr("Name"), DirectoryNameLength, IsNameCharacter);
    auto* rows = new QGridLayout(frame_);
    rows->addWidget(enable_, 0, 0);
    rows->addWidget(delete_, 0, 1);
    tagLabel_ = AddRow(rows, QString(), name_);
    tagLabel_->setObjectName("lblTag");
    auto* mmsiRow = new QHBoxLayout;
    mmsiRow->setSpacing(1);
    group_->setObjectName("lblGroup");
    mmsiRow->addWidget(group_);
    mmsiRow->addWidget(mmsi_);
    kind_ = new MmsiKindLabel("lblGMmsiKind", tr("MMSI kind"));
    mmsiRow->addSpacing(mmsi_->fontMetrics().averageCharWidth());
    mmsiRow->addWidget(kind_);
    mmsiRow->addStretch(1);
    auto* mmsiLabel = NewLabel(tr("MMSI"), mmsi_);
    mmsiLabel->setObjectName("lblMmsi");
    rows->addWidget(mmsiLabel, 2, 0);
    rows->addLayout(mmsiRow, 2, 1, 1, 2);
    rows->setColumnStretch(2, 1);
    fields_ = {tagLabel_, name_, mmsiLabel, group_, mmsi_, kind_};
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frame_);
    layout->addStretch(1);

    bindings_.Check(
        enable_, [this]() -> bool& { return Entry().Enable; },
        [this] {
            ShowAgain();
            host_.RefreshTreeTexts();
        });
    connect(delete_, &QCheckBox::toggled, this, &DirectoryEntryPage::DeleteClicked);
    connect(mmsi_, &QLineEdit::textChanged, this, &DirectoryEntryPage::ShowKind);
    entries_.Add(
        name_, [this] { return Entry().TagName; },
        [this](const std::string& typed) {
            if (const auto stored = StoredDirectoryName(typed)) {
                Entry().TagName = *stored;
            }
            return EntryCheck::Shown;
        });
    entries_.Add(
        mmsi_, [this] { return EnteredMmsi(Entry().Mmsid, directory_); },
        [this](const std::string& typed) { return EnterMmsi(typed); });
}

DirectoryRecord& DirectoryEntryPage::Entry() const {
    return DirectoryEntries(host_.Data().Settings, directory_)[static_cast<std::size_t>(index_)];
}

QString DirectoryEntryPage::DirectoryTitle() const {
    return directory_ == GroupDirectory ? tr("Group Directory") : tr("Individual Directory");
}

void DirectoryEntryPage::Fill(const NodeRef& node) {
    directory_ = node.Group;
    index_ = node.Index;
    const bool groups = directory_ == GroupDirectory;
    frame_->setTitle(tr("%1  No.%2").arg(DirectoryTitle()).arg(index_ + 1));
    tagLabel_->setText(groups ? tr("Group Name") : tr("Station Name"));
    name_->setAccessibleName(tagLabel_->text());
    group_->setVisible(groups);
    mmsi_->setMaxLength(EnteredMmsiLength(directory_));
    mmsi_->setProperty(StatusHintProperty, Translated(DirectoryMmsiHint(directory_)));
    bindings_.Fill();
    entries_.Fill();
    ApplyState();
}

// A wrong MMSI stays in its field until it is mended, and an entry in use is left only with
// its name and MMSI.
bool DirectoryEntryPage::CanLeave() {
    if (!entries_.CheckPending()) {
        return false;
    }
    const DirectoryRecord& entry = Entry();
    if (!entry.Enable || IsComplete(entry)) {
        return true;
    }
    return Refuse(entry.TagName.empty() ? name_ : mmsi_, EntryInUseRule(directory_, index_));
}

bool DirectoryEntryPage::Refuse(QLineEdit* field, const Phrase& rule) {
    ShowRefusal(host_.Prompts(), DirectoryTitle(), tr("Data Error!!"), rule);
    field->setFocus(Qt::OtherFocusReason);
    return false;
}

void DirectoryEntryPage::ApplyState() {
    const EntryPanelState state =
        EntryPanelFor(DirectoryEntries(host_.Data().Settings, directory_), index_);
    enable_->setChecked(state.EnableChecked);
    enable_->setEnabled(state.EnableOpen);
    delete_->setChecked(state.DeleteChecked);
    delete_->setEnabled(state.DeleteOpen);
    for (QWidget* field : fields_) {
        field->setEnabled(state.FieldsOpen);
    }
    if (state.PreviousIncomplete) {
        ShowRefusal(host_.Prompts(), DirectoryTitle(), tr("Data Error!!"),
                    PreviousEntryRule(directory_, index_));
    }
}

EntryCheck DirectoryEntryPage::EnterMmsi(const std::string& typed) {
    switch (tq58::EnterMmsi(DirectoryEntries(host_.Data().Settings, directory_), index_, typed,
                            directory_)) {
    case MmsiEntry::Refused:
        Refuse(mmsi_, MmsiRule(directory_));
        return EntryCheck::Refused;
    case MmsiEntry::Stored:
        host_.RefreshTreeTexts(); // the entry's mark follows its MMSI's kind
        return EntryCheck::Shown;
    case MmsiEntry::Cleared:
        // An entry without an MMSI is no entry: it goes, as with "Delete", or keeps its MMSI.
        ConfirmDelete();
        return EntryCheck::Shown;
    }
    return EntryCheck::Shown;
}

// The label reads the MMSI as soon as all its digits stand in the field.
void DirectoryEntryPage::ShowKind(const QString& typed) {
    const bool complete = typed.size() == EnteredMmsiLength(directory_);
    const std::string stored = !complete                      ? std::string()
                               : directory_ == GroupDirectory ? "0" + FromQt(typed)
                                                              : FromQt(typed);
    kind_->Show(stored, DirectoryKindWarning(directory_, stored));
}

void DirectoryEntryPage::DeleteClicked(bool checked) {
    if (!checked || !bindings_.Writing()) {
        return;
    }
    if (!ConfirmDelete()) {
        delete_->setChecked(false);
    }
}

bool DirectoryEntryPage::ConfirmDelete() {
    const auto answer = host_.Prompts().Show(
        host_.ProgramTitle(),
        DeleteEntryQuestion(
            DirectoryEntries(host_.Data().Settings, directory_)[static_cast<std::size_t>(index_)],
            index_),
        QMessageBox::Question, QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
    if (answer != QMessageBox::Yes) {
        return false;
    }
    DeleteEntry(DirectoryEntries(host_.Data().Settings, directory_), index_);
    host_.SetDataChanged(true);
    ShowAgain();
    host_.RefreshTreeTexts();
    return true;
}

void DirectoryEntryPage::ShowAgain() {
    FillScope filling(host_);
    Fill(host_.CurrentNode());
}

} // namespace tq58
