#include "gui/CompareWindow.h"

#include "gui/TextCodec.h"
#include "gui/Translations.h"
#include "gui/editor/RecordGrid.h"
#include "model/ValueLists.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <array>
#include <string_view>

namespace tq58 {

namespace {

constexpr QSize WindowSize(760, 420);

// The texts of a row's cells, column by column.
constexpr std::array<std::string SettingDifference::*, 5> CellTexts{
    &SettingDifference::Section, &SettingDifference::Entry, &SettingDifference::Field,
    &SettingDifference::ValueA, &SettingDifference::ValueB};

// The section names of the comparison, which is the report's English listing: the window
// shows them in the user's language.
constexpr std::array SectionNames{
    QT_TRANSLATE_NOOP("tq58::CompareWindow", "Usable CH Group Setup"),
    QT_TRANSLATE_NOOP("tq58::CompareWindow", "Common Setup"),
    QT_TRANSLATE_NOOP("tq58::CompareWindow", "DSC Setup (Basic Setup)"),
    QT_TRANSLATE_NOOP("tq58::CompareWindow", "DSC Setup (Advanced Setup)"),
    QT_TRANSLATE_NOOP("tq58::CompareWindow", "DSC Setup (Display Setup)"),
    QT_TRANSLATE_NOOP("tq58::CompareWindow", "ATIS Setup (Common)"),
    QT_TRANSLATE_NOOP("tq58::CompareWindow", "ATIS Setup (Call Sign)"),
    QT_TRANSLATE_NOOP("tq58::CompareWindow", "Model"),
    QT_TRANSLATE_NOOP("tq58::CompareWindow", "Programable Wx Channel"),
    QT_TRANSLATE_NOOP("tq58::CompareWindow", "Programable Exp Channel"),
    QT_TRANSLATE_NOOP("tq58::CompareWindow", "Programable USA Channel"),
    QT_TRANSLATE_NOOP("tq58::CompareWindow", "Programable International Channel"),
    QT_TRANSLATE_NOOP("tq58::CompareWindow", "Programable Canada Channel"),
    QT_TRANSLATE_NOOP("tq58::CompareWindow", "Memory ID Setting"),
    QT_TRANSLATE_NOOP("tq58::CompareWindow", "Group ID Setting"),
};

// A cell in the user's language where the listing's word has a translation: the section, and
// a value outside its list ("(not set)", perhaps with the stored value after it).
QString CellText(const SettingDifference& difference, std::size_t column) {
    const std::string& text = difference.*CellTexts[column];
    if (column == 0 &&
        std::ranges::find(SectionNames, std::string_view(text)) != SectionNames.end()) {
        return CompareWindow::tr(text.c_str());
    }
    const std::string_view notSet = NotSetText;
    if (column >= 3 && text.starts_with(notSet)) {
        return CoreText("Lists", NotSetText) + ToQt(text.substr(notSet.size()));
    }
    return ToQt(text);
}

} // namespace

CompareWindow::CompareWindow(const std::vector<SettingDifference>& differences,
                             const QString& currentName, const QString& otherName, QWidget* parent)
    : QDialog(parent) {
    setObjectName("frmCompare");
    setWindowTitle(tr("Compare with %1").arg(otherName));
    summary_ = new QLabel(this);
    summary_->setObjectName("lblCompare");
    table_ = new RecordGrid("grdCompare", tr("Differences"), this);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->button(QDialogButtonBox::Close)->setObjectName("cmdClose");
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    keptSummary_ = new QLabel(this);
    keptSummary_->setObjectName("lblKept");
    keptSummary_->setWordWrap(true);
    keptTable_ = new RecordGrid("grdKept", tr("Values TQ58 does not offer"), this);
    keptSummary_->hide();
    keptTable_->hide();

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(summary_);
    layout->addWidget(table_, 1);
    layout->addWidget(keptSummary_);
    layout->addWidget(keptTable_, 1);
    layout->addWidget(buttons);
    Fill(differences, currentName, otherName);
    resize(WindowSize);
}

void CompareWindow::Fill(const std::vector<SettingDifference>& differences,
                         const QString& currentName, const QString& otherName) {
    const auto count = static_cast<int>(differences.size());
    summary_->setText(count == 0   ? tr("No setting differs.")
                      : count == 1 ? tr("1 setting differs.")
                                   : tr("%n settings differ.", nullptr, count));
    table_->Show(
        {{{tr("Section")}, {tr("Channel or entry")}, {tr("Field")}, {currentName}, {otherName}},
         count,
         [differences](int row, int column) {
             return CellText(differences[static_cast<std::size_t>(row)],
                             static_cast<std::size_t>(column));
         },
         {}});
}

void CompareWindow::ShowKept(const std::vector<SettingDifference>& kept) {
    const auto count = static_cast<int>(kept.size());
    keptSummary_->setVisible(count > 0);
    keptTable_->setVisible(count > 0);
    keptSummary_->setText(
        tr("%n settings hold values TQ58 does not offer; they are kept unless you change them",
           nullptr, count));
    keptTable_->Show({{{tr("Section")}, {tr("Channel or entry")}, {tr("Field")}, {tr("Value")}},
                      count,
                      [kept](int row, int column) {
                          return CellText(kept[static_cast<std::size_t>(row)],
                                          static_cast<std::size_t>(column));
                      },
                      {}});
}

} // namespace tq58
