#include "gui/editor/CommonPage.h"

#include "gui/editor/EditorHost.h"
#include "gui/editor/PageWidgets.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QScrollArea>
#include <QVBoxLayout>
#include <array>

namespace tq58 {

namespace {

enum Section { TxMode, Scanning, Nmea, Weather };

struct CommonControl {
    Section section;
    const char* name;
    const char* caption;
    ValueList list;
    // Exactly one is set: a flag, an item index, or the item data of the offset list.
    bool CommonSetupRecord::*flag;
    int CommonSetupRecord::*number;
    bool dependsOnScan = false;
};

using S = CommonSetupRecord;
const std::array<CommonControl, 9> Controls{{
    //: Transmit power display: the power a channel starts with (low, or the last one used).
    {TxMode, "cmbCommonTXPo", QT_TRANSLATE_NOOP("tq58::CommonPage", "TX Po Display"),
     ValueList::TxPoDisplay, nullptr, &S::TxPoDisplay},
    {Scanning, "cmbCommonScan", QT_TRANSLATE_NOOP("tq58::CommonPage", "SCAN"), ValueList::OffOn,
     &S::Scan, nullptr},
    {Scanning, "cmbCommonResume", QT_TRANSLATE_NOOP("tq58::CommonPage", "Resume Time"),
     ValueList::ResumeTime, nullptr, &S::ResumeTime, true},
    {Scanning, "cmbCommonPTTSCAN", QT_TRANSLATE_NOOP("tq58::CommonPage", "PTT SCAN Clear"),
     ValueList::OffOn, &S::PttScanClear, nullptr, true},
    {Scanning, "cmbCommonDual", QT_TRANSLATE_NOOP("tq58::CommonPage", "Dual Watch"),
     ValueList::OffOn, &S::DualWatch, nullptr},
    {Nmea, "cmbCommonOffset", QT_TRANSLATE_NOOP("tq58::CommonPage", "Offset Time"),
     ValueList::OffsetTime, nullptr, &S::OffsetTime},
    {Nmea, "cmbCommonMag", QT_TRANSLATE_NOOP("tq58::CommonPage", "Magnetic Variation"),
     ValueList::MagneticVariation, nullptr, &S::MagneticVariation},
    {Weather, "cmbCommonWeater", QT_TRANSLATE_NOOP("tq58::CommonPage", "Weather Alert"),
     ValueList::WeatherAlert, nullptr, &S::WeatherAlert},
    {Weather, "cmbCommonRotary", QT_TRANSLATE_NOOP("tq58::CommonPage", "Rotary Beep"),
     ValueList::OffOn, &S::Rotary, nullptr},
}};

struct SectionFrame {
    const char* name;
    const char* caption;
    int row;
    int column;
    int rowSpan;
    int columnSpan;
};

// The sections stand one below the other: side by side they are wider than the page in the
// window's first size.
constexpr std::array<SectionFrame, 4> Sections{{
    {"fraCommonTXMode", QT_TRANSLATE_NOOP("tq58::CommonPage", "Starting TX Mode"), 0, 0, 1, 1},
    {"fraCommonScan", QT_TRANSLATE_NOOP("tq58::CommonPage", "Scanning Function"), 1, 0, 1, 1},
    {"pictCommonNMEA", QT_TRANSLATE_NOOP("tq58::CommonPage", "NMEA Data Input"), 2, 0, 1, 1},
    {"pictCommonWeater", QT_TRANSLATE_NOOP("tq58::CommonPage", "Weather CH Function"), 3, 0, 1, 1},
}};

void Bind(Bindings& bindings, EditorHost& host, const CommonControl& control, QComboBox* box,
          const std::function<void()>& after) {
    const auto common = [&host]() -> S& { return host.Data().Settings.CommonSetup; };
    if (control.flag) {
        bindings.ComboFlag(
            box, [common, field = control.flag]() -> bool& { return common().*field; }, after);
    } else if (control.list == ValueList::OffsetTime) {
        bindings.ComboData(box,
                           [common, field = control.number]() -> int& { return common().*field; });
    } else {
        bindings.ComboIndex(box,
                            [common, field = control.number]() -> int& { return common().*field; });
    }
}

} // namespace

CommonPage::CommonPage(EditorHost& host, const QString& objectName, QWidget* parent)
    : Page(host, objectName, parent), bindings_(host, this) {
    auto* content = new QWidget;
    content->setObjectName("pictCommonChild");
    auto* grid = new QGridLayout(content);
    std::array<QGridLayout*, 4> rows{};
    for (std::size_t s = 0; s < Sections.size(); ++s) {
        QGroupBox* section = NewSection(tr(Sections[s].caption), &rows[s]);
        section->setObjectName(Sections[s].name);
        grid->addWidget(section, Sections[s].row, Sections[s].column, Sections[s].rowSpan,
                        Sections[s].columnSpan);
    }
    grid->setRowStretch(4, 1);
    grid->setColumnStretch(1, 1);

    // The settings that only matter while scanning hang from SCAN by a connector line.
    auto* connector = new QFrame;
    connector->setObjectName("linCommonScan");
    connector->setFrameShape(QFrame::VLine);
    connector->setFrameShadow(QFrame::Plain);
    connector->setForegroundRole(QPalette::WindowText);
    scanDependents_ << connector;
    rows[Scanning]->addWidget(connector, 1, 0, 2, 1);

    std::array<int, 4> used{};
    for (const CommonControl& control : Controls) {
        QComboBox* box = NewCombo(control.name, tr(control.caption), control.list);
        QLabel* label = NewLabel(tr(control.caption), box);
        // Labels of the scan settings stand right of the connector line.
        const int row = used[control.section]++;
        const int labelColumn = control.dependsOnScan ? 1 : 0;
        rows[control.section]->addWidget(label, row, labelColumn, 1, 2 - labelColumn);
        rows[control.section]->addWidget(box, row, 2);
        if (control.dependsOnScan) {
            scanDependents_ << label << box;
        }
        if (control.flag == &S::DualWatch) {
            auto* note = new QLabel(tr("kept in the file only; set it on the radio"));
            note->setObjectName("lblCommonDualNote");
            note->setWordWrap(true);
            QFont italic = note->font();
            italic.setItalic(true);
            note->setFont(italic);
            rows[control.section]->addWidget(note, row, 3);
        }
        std::function<void()> after;
        if (control.flag == &S::Scan) {
            scan_ = box;
            after = [this] { ApplyScan(); };
        }
        Bind(bindings_, host_, control, box, after);
    }
    for (std::size_t s = 0; s < rows.size(); ++s) {
        rows[s]->setRowStretch(used[s], 1);
    }
    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(0, 0, 0, 0);
    page->addWidget(Scrolled(content));
}

void CommonPage::Fill(const NodeRef&) {
    bindings_.Fill();
    ApplyScan();
}

void CommonPage::ApplyScan() {
    for (QWidget* control : scanDependents_) {
        control->setEnabled(scan_->currentIndex() == 1);
    }
}

} // namespace tq58
