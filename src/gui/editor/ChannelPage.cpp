#include "gui/editor/ChannelPage.h"

#include "editor/ChannelLists.h"
#include "editor/ChannelPageCheck.h"
#include "editor/FieldKeys.h"
#include "editor/FrequencyEntry.h"
#include "editor/ScramblerItems.h"
#include "gui/Messages.h"
#include "gui/TextCodec.h"
#include "gui/Translations.h"
#include "gui/editor/ConnectorLine.h"
#include "gui/editor/DistressChannelQuestion.h"
#include "gui/editor/EditorHost.h"
#include "gui/editor/GuardedCheckBox.h"
#include "gui/editor/KeyFilter.h"
#include "gui/editor/PageWidgets.h"
#include "gui/editor/Refusal.h"
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

// The option check boxes. Each stores its field's flag, "Tx Enable" showing a value worked out
// from the record; a box that another one opens is indented under it and reached by a
// connector line.
struct CheckRow {
    const char* Name;
    const char* Caption;
    ChannelControl Control;
    int Row;
    int Indent;
    const char* Connector;
};

constexpr CheckRow Checks[] = {
    {"chkCTXEnable", QT_TRANSLATE_NOOP("tq58::ChannelPage", "Tx Enable"), ChannelControl::TxEnable,
     TxEnableRow, 0, nullptr},
    {"chkCTXOnly", QT_TRANSLATE_NOOP("tq58::ChannelPage", "Low Power Only"),
     ChannelControl::LowPowerOnly, LowPowerRow, 0, "linCTXOnly"},
    {"chkCTXPower", QT_TRANSLATE_NOOP("tq58::ChannelPage", "Power Up"), ChannelControl::PowerUp,
     PowerUpRow, 1, "linCTXPower"},
    {"chkCDup", QT_TRANSLATE_NOOP("tq58::ChannelPage", "Duplex"), ChannelControl::Duplex, DuplexRow,
     0, nullptr},
    {"chkCScan", QT_TRANSLATE_NOOP("tq58::ChannelPage", "Scan Memory"), ChannelControl::ScanMemory,
     ScanRow, 0, nullptr},
};

struct FrequencyRow {
    const char* Label;
    const char* Caption;
    const char* Field;
    const char* Unit;
    ChannelControl Control;
    const char* Title; // of the refusal message
    int Row;
};

constexpr FrequencyRow Frequencies[] = {
    {"lblCRF", QT_TRANSLATE_NOOP("tq58::ChannelPage", "Rx Frequency"), "txtCRF", "lblCUnit_0",
     ChannelControl::RxFreq, QT_TRANSLATE_NOOP("tq58::ChannelPage", "Rx frequency"), RxRow},
    {"lblCTF", QT_TRANSLATE_NOOP("tq58::ChannelPage", "Tx Frequency"), "txtCTF", "lblCUnit_1",
     ChannelControl::TxFreq, QT_TRANSLATE_NOOP("tq58::ChannelPage", "Tx frequency"), TxRow},
};

constexpr int ConnectorWidth = 18;
constexpr int FieldMargin = 14; // frame and padding around a field's characters
QString DataError() {
    return ChannelPage::tr("Data Error!!");
}

QCheckBox* AddCheck(QWidget* page, QGridLayout* layout, const CheckRow& row) {
    auto* box = new QCheckBox(ChannelPage::tr(row.Caption), page);
    box->setObjectName(row.Name);
    auto* line = new QHBoxLayout;
    line->setSpacing(0);
    line->addSpacing(row.Indent * ConnectorWidth);
    if (row.Connector != nullptr) {
        line->addWidget(new ConnectorLine(row.Connector, page));
    }
    line->addWidget(box);
    line->addStretch();
    layout->addLayout(line, row.Row, CaptionColumn, 1, RestColumn + 1);
    return box;
}

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
    auto* label = new QLabel(tr(caption), this);
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

void ChannelPage::AddDisplayRow(QGridLayout* layout) {
    QLabel* label = AddLabel("lblCPosition", QT_TR_NOOP("CH Display"), ChannelControl::Display);
    display_ = {AddField("txtCN_0", tr("CH Display number"), ChannelControl::Display),
                AddField("txtCN_1", tr("CH Display suffix"), ChannelControl::Display)};
    FilterKeys(display_[0], IsChannelDisplayKey, DisplayLeftLength);
    FilterKeys(display_[1], IsChannelDisplayKey, DisplayRightLength);
    const int digit = fontMetrics().horizontalAdvance('0');
    display_[0]->setFixedWidth(digit * DisplayLeftLength + FieldMargin);
    display_[1]->setFixedWidth(digit * DisplayRightLength + FieldMargin);
    label->setBuddy(display_[0]);
    auto* fields = new QHBoxLayout;
    fields->addWidget(display_[0]);
    fields->addWidget(display_[1]);
    fields->addStretch();
    layout->addWidget(label, DisplayRow, CaptionColumn);
    layout->addLayout(fields, DisplayRow, FieldColumn);
}

void ChannelPage::AddFrequencyRows(QGridLayout* layout) {
    for (std::size_t i = 0; i < frequencies_.size(); ++i) {
        const FrequencyRow& row = Frequencies[i];
        QLabel* label = AddLabel(row.Label, row.Caption, row.Control);
        QLineEdit* edit = AddField(row.Field, tr(row.Caption), row.Control);
        FilterKeys(edit, IsFrequencyKey, FrequencyFieldLength);
        edit->setFixedWidth(fontMetrics().horizontalAdvance("000.00000") + FieldMargin);
        label->setBuddy(edit);
        frequencies_[i] = {edit, ChannelFieldOf(row.Control).Frequency, tr(row.Title)};
        layout->addWidget(label, row.Row, CaptionColumn);
        layout->addWidget(edit, row.Row, FieldColumn);
        layout->addWidget(AddLabel(row.Unit, QT_TR_NOOP("MHz"), row.Control), row.Row, UnitColumn);
    }
}

void ChannelPage::AddScramblerRow(QGridLayout* layout) {
    QLabel* label = AddLabel("lblCScramble", QT_TR_NOOP("Scrambler"), ChannelControl::Scrambler);
    auto* scrambler = new QComboBox(this);
    scrambler->setObjectName("cmbScramble");
    scrambler->setAccessibleName(tr("Scrambler"));
    for (const ScramblerItem& item : ScramblerItems) {
        scrambler->addItem(CoreText("Lists", item.Text), item.Data);
    }
    controls_[static_cast<std::size_t>(ChannelControl::Scrambler)].push_back(scrambler);
    label->setBuddy(scrambler);
    layout->addWidget(label, ScramblerRow, CaptionColumn);
    layout->addWidget(scrambler, ScramblerRow, FieldColumn, Qt::AlignLeft);
}

void ChannelPage::AddNameRow(QGridLayout* layout) {
    QLabel* label = AddLabel("lblCTag", QT_TR_NOOP("CH Name"), ChannelControl::Name);
    QLineEdit* name = AddField("txtCTag", tr("CH Name"), ChannelControl::Name);
    FilterKeys(name, IsChannelNameKey, ChannelNameLength);
    name->setFixedWidth(fontMetrics().averageCharWidth() * ChannelNameLength + FieldMargin);
    label->setBuddy(name);
    layout->addWidget(label, NameRow, CaptionColumn);
    layout->addWidget(name, NameRow, FieldColumn, 1, RestColumn, Qt::AlignLeft);
}

void ChannelPage::BuildLayout() {
    auto* layout = new QGridLayout(this);
    layout->setVerticalSpacing(4);
    heading_ = NewHeading("lblGroupHeading");
    layout->setMenuBar(heading_);
    auto* enable = new GuardedCheckBox(tr("CH Enable"), this);
    enable->SetGuard([this](bool checked) {
        return checked || MaySwitchOffChannel(host_, node_.Group, node_.Index);
    });
    enable_ = enable;
    enable_->setObjectName("chkCEnable");
    layout->addWidget(enable_, EnableRow, CaptionColumn, 1, RestColumn + 1, Qt::AlignLeft);
    AddDisplayRow(layout);
    AddFrequencyRows(layout);
    for (const CheckRow& check : Checks) {
        controls_[static_cast<std::size_t>(check.Control)].push_back(AddCheck(this, layout, check));
    }
    AddScramblerRow(layout);
    AddNameRow(layout);
    layout->setColumnStretch(RestColumn, 1);
    layout->setRowStretch(RowCount, 1);
    lowPowerLine_ = findChild<ConnectorLine*>("linCTXOnly");
    powerUpLine_ = findChild<ConnectorLine*>("linCTXPower");
}

void ChannelPage::BindChecks() {
    bindings_.Check(
        enable_, [this]() -> bool& { return Channel().Enable; },
        [this] {
            ApplyState();
            host_.RefreshTreeTexts();
        });
    for (const CheckRow& check : Checks) {
        auto* box = findChild<QCheckBox*>(check.Name);
        // Duplex switches the plan channel's receive frequency.
        std::function<void()> after = [this] { ApplyState(); };
        if (check.Control == ChannelControl::Duplex) {
            after = [this] {
                ShowFrequencies();
                ApplyState();
            };
        }
        if (check.Control == ChannelControl::TxEnable) {
            bindings_.Check(box,
                            Accessor<bool>{[this] { return TxEnableShown(Channel(), Kind()); },
                                           [this](const bool& on) { Channel().TxEnable = on; }},
                            after);
        } else {
            bindings_.Check(
                box,
                [this, field = check.Control]() -> bool& { return ChannelFlag(Channel(), field); },
                after);
        }
    }
}

void ChannelPage::BindControls() {
    BindChecks();
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
    heading_->setText(GroupHeading(host_.Data().Settings, node.Group));
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
        SetReadOnlyLook(field, !state.FieldsEditable);
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
        ShowRefusal(host_.Prompts(), frequency.Title, DataError(),
                    FrequencyRule(frequency.Title.toStdString()));
        frequency.Edit->setFocus();
        return false;
    }
    double& stored = Channel().*frequency.Field;
    stored = SnapToRaster(*accepted);
    pending_ = nullptr;
    frequency.Edit->setText(ToQt(ExpFreqText(stored)));
    host_.CommitStep();
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
    const Phrase rule = ChannelPageRule(Channel(), Kind());
    if (rule.English().empty()) {
        return true;
    }
    ShowRefusal(host_.Prompts(), host_.ProgramTitle(),
                DataError() + "\n" + tr("Please input correct data."), rule);
    (Channel().Rxfreq > 0 ? display_[0] : frequencies_[0].Edit)->setFocus();
    return false;
}

} // namespace tq58
