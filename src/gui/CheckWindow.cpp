#include "gui/CheckWindow.h"

#include "gui/ProgramMidTable.h"
#include "gui/TextCodec.h"
#include "gui/Translations.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace tq58 {

namespace {

constexpr QSize WindowSize(760, 380);

QPushButton* NamedButton(QPushButton* button, const char* name) {
    button->setObjectName(name);
    button->setAccessibleName(button->text().remove('&'));
    return button;
}

QString Summary(std::size_t count, CheckWindow::Purpose purpose) {
    const bool programming = purpose == CheckWindow::Purpose::BeforeProgramming;
    if (count == 0) {
        return QCoreApplication::translate("CheckWindow", "Nothing needs a second look.");
    }
    const QString counted =
        count == 1
            ? QCoreApplication::translate("CheckWindow", "1 setting deserves a second look.")
            : QCoreApplication::translate("CheckWindow", "%1 settings deserve a second look.")
                  .arg(static_cast<qulonglong>(count));
    const QString open =
        QCoreApplication::translate("CheckWindow", "Double-click a warning to open its setting.");
    return programming
               ? counted + "\n" +
                     QCoreApplication::translate("CheckWindow",
                                                 "Program Anyway sends the data as it is; Cancel "
                                                 "stops before anything is sent.") +
                     "\n" + open
               : counted + "\n" + open;
}

} // namespace

CheckWindow::CheckWindow(const std::vector<ConfigurationWarning>& warnings, Purpose purpose,
                         QWidget* parent)
    : QDialog(parent) {
    setObjectName("frmCheck");
    setWindowTitle(tr("Check Configuration"));
    summary_ = new QLabel(Summary(warnings.size(), purpose), this);
    summary_->setObjectName("lblCheckSummary");
    summary_->setAccessibleName(tr("Summary"));
    table_ = new QTableWidget(0, 3, this);
    table_->setObjectName("grdCheck");
    table_->setAccessibleName(tr("Warnings"));
    table_->setHorizontalHeaderLabels({tr("Section"), tr("Channel or entry"), tr("Warning")});
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setWordWrap(true);
    table_->verticalHeader()->hide();
    // A long warning wraps; its row grows to hold it at whatever width the window has.
    table_->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table_->horizontalHeader()->setStretchLastSection(true);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(summary_);
    if (ProgramMidTable().Empty()) {
        auto* noTable = new QLabel(CoreText("Files", MidTableErrorMessage), this);
        noTable->setObjectName("lblMidTable");
        noTable->setAccessibleName(tr("Table of MIDs"));
        noTable->setWordWrap(true);
        layout->addWidget(noTable);
    }
    layout->addWidget(table_, 1);
    AddButtons(purpose);
    Fill(warnings);
    connect(table_, &QAbstractItemView::activated, this, [this](const QModelIndex& index) {
        chosen_ = static_cast<std::size_t>(index.row());
        QDialog::reject();
    });
    resize(WindowSize);
}

void CheckWindow::AddButtons(Purpose purpose) {
    auto* buttons = new QDialogButtonBox(this);
    if (purpose == Purpose::BeforeProgramming) {
        QPushButton* anyway =
            NamedButton(buttons->addButton(tr("&Program Anyway"), QDialogButtonBox::AcceptRole),
                        "cmdProgramAnyway");
        anyway->setAutoDefault(false);
        NamedButton(buttons->addButton(QDialogButtonBox::Cancel), "cmdCancel")->setDefault(true);
    } else {
        NamedButton(buttons->addButton(QDialogButtonBox::Close), "cmdClose")->setDefault(true);
    }
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout()->addWidget(buttons);
}

void CheckWindow::Fill(const std::vector<ConfigurationWarning>& warnings) {
    table_->setRowCount(static_cast<int>(warnings.size()));
    for (int row = 0; row < table_->rowCount(); ++row) {
        const ConfigurationWarning& warning = warnings[static_cast<std::size_t>(row)];
        const QStringList cells{CoreText("Check", warning.Section), Translated(warning.Entry),
                                Translated(warning.Text)};
        for (int column = 0; column < cells.size(); ++column) {
            table_->setItem(row, column, new QTableWidgetItem(cells[column]));
        }
    }
    table_->resizeColumnToContents(0);
    table_->resizeColumnToContents(1);
}

} // namespace tq58
