#include "gui/CompareWindow.h"

#include "gui/TextCodec.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace tq58 {

namespace {

constexpr QSize WindowSize(760, 420);

QStringList Cells(const SettingDifference& difference) {
    return {ToQt(difference.Section), ToQt(difference.Entry), ToQt(difference.Field),
            ToQt(difference.ValueA), ToQt(difference.ValueB)};
}

} // namespace

CompareWindow::CompareWindow(const std::vector<SettingDifference>& differences,
                             const QString& currentName, const QString& otherName, QWidget* parent)
    : QDialog(parent) {
    setObjectName("frmCompare");
    setWindowTitle(tr("Compare with %1").arg(otherName));
    summary_ = new QLabel(this);
    summary_->setObjectName("lblCompare");
    table_ = new QTableWidget(0, 5, this);
    table_->setObjectName("grdCompare");
    table_->setAccessibleName(tr("Differences"));
    table_->setHorizontalHeaderLabels(
        {tr("Section"), tr("Channel or entry"), tr("Field"), currentName, otherName});
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->verticalHeader()->hide();
    table_->horizontalHeader()->setStretchLastSection(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->button(QDialogButtonBox::Close)->setObjectName("cmdClose");
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(summary_);
    layout->addWidget(table_, 1);
    layout->addWidget(buttons);
    Fill(differences);
    resize(WindowSize);
}

void CompareWindow::Fill(const std::vector<SettingDifference>& differences) {
    const auto count = static_cast<int>(differences.size());
    summary_->setText(count == 0   ? tr("No setting differs.")
                      : count == 1 ? tr("1 setting differs.")
                                   : tr("%1 settings differ.").arg(count));
    table_->setRowCount(static_cast<int>(differences.size()));
    for (int row = 0; row < table_->rowCount(); ++row) {
        const QStringList cells = Cells(differences[static_cast<std::size_t>(row)]);
        for (int column = 0; column < cells.size(); ++column) {
            table_->setItem(row, column, new QTableWidgetItem(cells[column]));
        }
    }
    table_->resizeColumnsToContents();
}

} // namespace tq58
