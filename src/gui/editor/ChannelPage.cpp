#include "gui/editor/ChannelPage.h"

#include "editor/ChannelFieldKeys.h"
#include "editor/ChannelLists.h"
#include "editor/FrequencyEntry.h"
#include "editor/ScramblerItems.h"
#include "gui/Messages.h"
#include "gui/TextCodec.h"
#include "gui/editor/ConnectorLine.h"
#include "gui/editor/EditorHost.h"
#include "gui/editor/KeyFilter.h"
#include "model/ChannelText.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

namespace tq58 {

namespace {

// A check box that stores one flag of the record as it is.
struct FlagCheck {
    const char* Name;
    const char* Caption;
    ChannelControl Control;
    bool ChannelRecord::*Field;
    int Row;
    int Indent; // steps of a connector line's width
};

enum Row {
    EnableRow,
    DisplayRow,
    RxRow,
    TxRow,
    TxEnableRow,
    LowPowerRow,
    PowerUpRow,
    DuplexRow,
    ScanRow,
    ScramblerRow,
    NameRow,
    RowCount,
};

enum Column { CaptionColumn, FieldColumn, UnitColumn, RestColumn };

constexpr FlagCheck FlagChecks[] = {
    {"chkCTXOnly", "Low Power Only", ChannelControl::LowPowerOnly, &ChannelRecord::LowPower,
     LowPowerRow, 0},
    {"chkCTXPower", "Power Up", ChannelControl::PowerUp, &ChannelRecord::PowUp, PowerUpRow, 1},
    {"chkCDup", "Duplex", ChannelControl::Duplex, &ChannelRecord::Duplex, DuplexRow, 0},
    {"chkCScan", "Scan Memory", ChannelControl::ScanMemory, &ChannelRecord::ScanMemory, ScanRow, 0},
};

constexpr int ConnectorWidth = 18;
const QString DataError = "Data Error!!";

} // namespace

ChannelPage::ChannelPage(EditorHost& host, const QString& objectName, QWidget* parent)
    : Page(host, objectName, parent), bindings_(host, this) {
    BuildLayout();
    BindControls();
}

ChannelRecord& ChannelPage::Channel() const {
    return ChannelOf(host_.Data().Settings, node_);
}

ChannelKind ChannelPage::Kind() const {
    return node_.Kind == NodeKind::ExpChannel ? ChannelKind::Exp : ChannelKind::Plan;
}

QLabel* ChannelPage::AddLabel(const char* name, const char* caption, ChannelControl control) {
    auto* label = new QLabel(caption, this);
    label->setObjectName(name);
    controls_[static_cast<std::size_t>(control)].push_back(label);
    return label;
}

QLineEdit* ChannelPage::AddField(const char* name, const QString& accessibleName,
                                 ChannelControl control) {
    auto* field = new QLineEdit(this);
    field->setObjectName(name);
    field->setAccessibleName(accessibleName);
    controls_[static_cast<std::size_t>(control)].push_back(field);
    return field;
}

QCheckBox* ChannelPage::AddCheck(QGridLayout* layout, int row, const char* name,
                                 const char* caption, int indent, ChannelControl control) {
    auto* box = new QCheckBox(caption, this);
    box->setObjectName(name);
    controls_[static_cast<std::size_t>(control)].push_back(box);
    auto* line = new QHBoxLayout;
    line->setSpacing(0);
    line->addSpacing(indent * ConnectorWidth);
    if (control == ChannelControl::LowPowerOnly || control == ChannelControl::PowerUp) {
        auto* connector = new ConnectorLine(
            control == ChannelControl::LowPowerOnly ? "linCTXOnly" : "linCTXPower", this);
        (control == ChannelControl::LowPowerOnly ? lowPowerLine_ : powerUpLine_) = connector;
        line->addWidget(connector);
    }
    line->addWidget(box);
    line->addStretch();
    layout->addLayout(line, row, CaptionColumn, 1, RestColumn + 1);
    return box;
}

void ChannelPage::BuildLayout() {
    auto* layout = new QGridLayout(this);
    layout->setVerticalSpacing(4);

    enable_ = new QCheckBox("CH Enable", this);
    enable_->setObjectName("chkCEnable");
    layout->addWidget(enable_, EnableRow, CaptionColumn, 1, RestColumn + 1, Qt::AlignLeft);

    QLabel* displayLabel = AddLabel("lblCPosition", "CH Display", ChannelControl::Display);
    display_ = {AddField("txtCN_0", tr("CH Display number"), ChannelControl::Display),
                AddField("txtCN_1", tr("CH Display suffix"), ChannelControl::Display)};
    FilterKeys(display_[0], IsChannelDisplayKey, DisplayLeftLength);
    FilterKeys(display_[1], IsChannelDisplayKey, DisplayRightLength);
    const int digit = fontMetrics().horizontalAdvance('0');
    display_[0]->setFixedWidth(digit * 2 + 14);
    display_[1]->setFixedWidth(digit + 14);
    displayLabel->setBuddy(display_[0]);
    auto* displayFields = new QHBoxLayout;
    displayFields->addWidget(display_[0]);
    displayFields->addWidget(display_[1]);
    displayFields->addStretch();
    layout->addWidget(displayLabel, DisplayRow, CaptionColumn);
    layout->addLayout(displayFields, DisplayRow, FieldColumn);

    const struct {
        const char* label;
        const char* caption;
        const char* field;
        const char* unit;
        ChannelControl control;
        double ChannelRecord::*stored;
        const char* title;
        int row;
    } frequencyRows[] = {
        {"lblCRF", "Rx Frequency", "txtCRF", "lblCUnit_0", ChannelControl::RxFreq,
         &ChannelRecord::Rxfreq, "Rx frequency", RxRow},
        {"lblCTF", "Tx Frequency", "txtCTF", "lblCUnit_1", ChannelControl::TxFreq,
         &ChannelRecord::Txfreq, "Tx frequency", TxRow},
    };
    for (std::size_t i = 0; i < frequencies_.size(); ++i) {
        const auto& spec = frequencyRows[i];
        QLabel* label = AddLabel(spec.label, spec.caption, spec.control);
        QLineEdit* edit = AddField(spec.field, spec.caption, spec.control);
        FilterKeys(edit, IsFrequencyKey, FrequencyFieldLength);
        edit->setFixedWidth(fontMetrics().horizontalAdvance("000.00000") + 14);
        label->setBuddy(edit);
        frequencies_[i] = {edit, spec.stored, spec.title};
        layout->addWidget(label, spec.row, CaptionColumn);
        layout->addWidget(edit, spec.row, FieldColumn);
        layout->addWidget(AddLabel(spec.unit, "MHz", spec.control), spec.row, UnitColumn);
    }

    AddCheck(layout, TxEnableRow, "chkCTXEnable", "Tx Enable", 0, ChannelControl::TxEnable);
    for (const FlagCheck& check : FlagChecks) {
        AddCheck(layout, check.Row, check.Name, check.Caption, check.Indent, check.Control);
    }

    QLabel* scramblerLabel = AddLabel("lblCScramble", "Scrambler", ChannelControl::Scrambler);
    auto* scrambler = new QComboBox(this);
    scrambler->setObjectName("cmbScramble");
    scrambler->setAccessibleName(tr("Scrambler"));
    for (const ScramblerItem& item : ScramblerItems) {
        scrambler->addItem(item.Text, item.Data);
    }
    controls_[static_cast<std::size_t>(ChannelControl::Scrambler)].push_back(scrambler);
    scramblerLabel->setBuddy(scrambler);
    layout->addWidget(scramblerLabel, ScramblerRow, CaptionColumn);
    layout->addWidget(scrambler, ScramblerRow, FieldColumn, Qt::AlignLeft);

    QLabel* nameLabel = AddLabel("lblCTag", "CH Name", ChannelControl::Name);
    QLineEdit* name = AddField("txtCTag", tr("CH Name"), ChannelControl::Name);
    FilterKeys(name, IsChannelNameKey, ChannelNameLength);
    name->setFixedWidth(fontMetrics().averageCharWidth() * ChannelNameLength + 14);
    nameLabel->setBuddy(name);
    layout->addWidget(nameLabel, NameRow, CaptionColumn);
    layout->addWidget(name, NameRow, FieldColumn, 1, RestColumn, Qt::AlignLeft);

    layout->setColumnStretch(RestColumn, 1);
    layout->setRowStretch(RowCount, 1);
}

void ChannelPage::BindControls() {
    const auto applyState = [this] { ApplyState(); };
    bindings_.Check(
        enable_, [this]() -> bool& { return Channel().Enable; },
        [this] {
            ApplyState();
            host_.RefreshTreeTexts();
        });
    bindings_.Check(findChild<QCheckBox*>("chkCTXEnable"),
                    Accessor<bool>{[this] { return TxEnableShown(Channel(), Kind()); },
                                   [this](const bool& on) { Channel().TxEnable = on; }},
                    applyState);
    for (const FlagCheck& check : FlagChecks) {
        std::function<void()> after = applyState;
        if (check.Control == ChannelControl::Duplex) {
            after = [this] {
                ShowFrequencies();
                ApplyState();
            };
        }
        bindings_.Check(
            findChild<QCheckBox*>(check.Name),
            [this, field = check.Field]() -> bool& { return Channel().*field; }, after);
    }
    for (std::size_t part = 0; part < display_.size(); ++part) {
        const auto stored = part == 0 ? &ChannelRecord::CHDisplayL : &ChannelRecord::CHDisplayR;
        bindings_.Text(display_[part],
                       Accessor<std::string>{
                           [this, part] {
                               const ChannelDisplay shown = DisplayShown(Channel(), Kind());
                               return part == 0 ? shown.Left : shown.Right;
                           },
                           [this, stored](const std::string& text) { Channel().*stored = text; }});
    }
    bindings_.ComboIndex(findChild<QComboBox*>("cmbScramble"),
                         Accessor<int>{[this] { return ScramblerItemFor(Channel().Scramble); },
                                       [this](const int& item) {
                                           Channel().Scramble =
                                               ScramblerItems[static_cast<std::size_t>(item)].Data;
                                       }});
    bindings_.Text(findChild<QLineEdit*>("txtCTag"),
                   [this]() -> std::string& { return Channel().ChTag; });
    for (FrequencyField& frequency : frequencies_) {
        BindFrequency(frequency);
    }
}

// A typed frequency is stored only once it is checked.
void ChannelPage::BindFrequency(FrequencyField& frequency) {
    QLineEdit* edit = frequency.Edit;
    edit->installEventFilter(this);
    connect(edit, &QLineEdit::textEdited, this, [this, edit] {
        if (bindings_.Writing()) {
            pending_ = edit;
            host_.SetDataChanged(true);
        }
    });
}

void ChannelPage::Fill(const NodeRef& node) {
    node_ = node;
    pending_ = nullptr;
    bindings_.Fill();
    ShowFrequencies();
    ApplyState();
}

void ChannelPage::ShowFrequencies() {
    ChannelRecord& channel = Channel();
    frequencies_[0].Edit->setText(ToQt(RxFreqShown(channel, Kind())));
    frequencies_[1].Edit->setText(ToQt(TxFreqShown(channel, Kind())));
}

void ChannelPage::ApplyState() {
    const ChannelPanelState state =
        ChannelPanelStateFor(Channel(), Kind(), host_.Model().ScramblerAvailable);
    for (std::size_t i = 0; i < controls_.size(); ++i) {
        for (QWidget* widget : controls_[i]) {
            widget->setEnabled(state.Controls[i].Enabled);
            widget->setVisible(state.Controls[i].Visible);
        }
    }
    for (QLineEdit* field :
         {display_[0], display_[1], frequencies_[0].Edit, frequencies_[1].Edit}) {
        field->setReadOnly(!state.FieldsEditable);
    }
    lowPowerLine_->SetActive(state[ChannelControl::LowPowerOnly].Enabled);
    lowPowerLine_->setVisible(state[ChannelControl::TxEnable].Visible);
    powerUpLine_->SetActive(state[ChannelControl::PowerUp].Enabled);
}

ChannelPage::FrequencyField* ChannelPage::Pending() {
    for (FrequencyField& frequency : frequencies_) {
        if (frequency.Edit == pending_ && pending_ != nullptr) {
            return &frequency;
        }
    }
    return nullptr;
}

bool ChannelPage::CheckFrequency(FrequencyField& frequency) {
    const std::optional<double> accepted = AcceptedFrequency(FromQt(frequency.Edit->text()));
    if (!accepted) {
        host_.Prompts().Show(frequency.Title, DataError, QMessageBox::Warning);
        frequency.Edit->setFocus();
        return false;
    }
    double& stored = Channel().*frequency.Field;
    stored = *accepted;
    pending_ = nullptr;
    frequency.Edit->setText(ToQt(ExpFreqText(stored)));
    return true;
}

// Moving on within the panel checks the entry once the focus has settled. Towards the tree,
// a menu or another window the entry waits: leaving the page or running a command checks it,
// so a refused entry is never dropped without a word.
bool ChannelPage::eventFilter(QObject* watched, QEvent* event) {
    FrequencyField* frequency = Pending();
    QWidget* next = QApplication::focusWidget();
    if (event->type() == QEvent::FocusOut && frequency && frequency->Edit == watched && next &&
        isAncestorOf(next)) {
        QLineEdit* edit = frequency->Edit;
        QMetaObject::invokeMethod(
            this,
            [this, edit] {
                if (FrequencyField* still = Pending(); still && still->Edit == edit) {
                    CheckFrequency(*still);
                }
            },
            Qt::QueuedConnection);
    }
    return Page::eventFilter(watched, event);
}

bool ChannelPage::CanLeave() {
    if (FrequencyField* frequency = Pending(); frequency && !CheckFrequency(*frequency)) {
        return false;
    }
    QLineEdit* rx = frequencies_[0].Edit;
    const bool noFrequency = rx->text().contains("---");
    if (rx->isReadOnly() || !enable_->isChecked() ||
        (!noFrequency && display_[0]->text().size() >= 2)) {
        return true;
    }
    host_.Prompts().Show(host_.ProgramTitle(), DataError + "\nPlease input correct data.",
                         QMessageBox::Warning);
    (noFrequency ? rx : display_[0])->setFocus();
    return false;
}

} // namespace tq58
