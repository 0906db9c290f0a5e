#include "gui/editor/GridEditing.h"

#include "editor/ChangeNames.h"
#include "editor/GridRows.h"
#include "gui/Messages.h"
#include "gui/TextCodec.h"
#include "gui/Translations.h"
#include "gui/editor/EditorHost.h"
#include "gui/editor/RecordGrid.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLineEdit>
#include <QStyledItemDelegate>
#include <QTimer>
#include <algorithm>

namespace tq58 {

namespace {

// Starts an edit from the cell as the export writes it, and takes it through the grid's
// check; a refused text opens the cell again, as typed.
class CellDelegate : public QStyledItemDelegate {
public:
    CellDelegate(GridEditing& editing, RecordGrid* grid)
        : QStyledItemDelegate(grid), editing_(editing), grid_(grid) {}

    void setEditorData(QWidget* editor, const QModelIndex& index) const override {
        auto* field = static_cast<QLineEdit*>(editor);
        field->setText(retyped_.isNull()
                           ? QString::fromStdString(editing_.EditText(index.row(), index.column()))
                           : retyped_);
        retyped_ = QString();
    }

    void setModelData(QWidget* editor, QAbstractItemModel*,
                      const QModelIndex& index) const override {
        const QString typed = static_cast<QLineEdit*>(editor)->text();
        if (editing_.Take(index.row(), index.column(), typed).isEmpty()) {
            return;
        }
        const QPersistentModelIndex cell(index);
        QTimer::singleShot(0, grid_, [this, cell, typed] {
            retyped_ = typed;
            grid_->setCurrentIndex(cell);
            grid_->edit(cell);
        });
    }

private:
    GridEditing& editing_;
    RecordGrid* grid_;
    mutable QString retyped_;
};

} // namespace

GridEditing::GridEditing(EditorHost& host, RecordGrid* grid, GridRowsOf rows,
                         std::function<void()> refill)
    : QObject(grid), host_(host), grid_(grid), rows_(std::move(rows)), refill_(std::move(refill)) {
    grid_->setItemDelegate(new CellDelegate(*this, grid_));
    grid_->Model()->SetEditable([this](int column) { return !rows_.Heading(column).empty(); });
    grid_->installEventFilter(this);
}

bool GridEditing::eventFilter(QObject* watched, QEvent* event) {
    // A cell's editor takes its own keys; these reach the grid only outside an edit.
    if (watched == grid_ && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->matches(QKeySequence::Copy)) {
            Copy();
            return true;
        }
        if (key->matches(QKeySequence::Paste)) {
            Paste();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

std::vector<int> GridEditing::SelectedRows() const {
    std::vector<int> rows;
    for (const QModelIndex& index : grid_->selectionModel()->selectedRows()) {
        rows.push_back(index.row());
    }
    std::sort(rows.begin(), rows.end());
    return rows;
}

void GridEditing::Copy() const {
    std::vector<std::string> keys;
    for (const int row : SelectedRows()) {
        keys.push_back(rows_.Key(row));
    }
    if (!keys.empty()) {
        QApplication::clipboard()->setText(QString::fromStdString(
            CopiedRows(host_.Data().Settings, host_.Model(), rows_.List(), keys)));
    }
}

void GridEditing::Paste() {
    const std::vector<int> selected = SelectedRows();
    const int first = selected.empty() ? grid_->currentIndex().row() : selected.front();
    if (first < 0) {
        return;
    }
    std::vector<std::string> keys;
    for (int row = first; row < grid_->Model()->rowCount(); ++row) {
        keys.push_back(rows_.Key(row));
    }
    const std::string text = QApplication::clipboard()->text().toStdString();
    std::vector<Phrase> told;
    const Outcome pasted =
        PasteRows(host_.Data().Settings, host_.Model(), rows_.List(), keys, text, &told);
    if (!pasted.Ok) {
        QStringList lines;
        for (const Phrase& line : told) {
            lines << Translated(line);
        }
        host_.Prompts().Show(tr("Paste"), lines.join('\n'), QMessageBox::Warning);
        return;
    }
    const int count = PastedRowCount(text);
    host_.CommitStep(RowsStepName(RowsCommand::Paste, rows_.List(), count));
    Refill();
    grid_->clearSelection();
    for (int row = first; row < first + count; ++row) {
        grid_->selectionModel()->select(grid_->Model()->index(row, 0),
                                        QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }
}

std::string GridEditing::EditText(int row, int column) const {
    return CellText(host_.Data().Settings, host_.Model(), rows_.List(), rows_.Key(row),
                    rows_.Heading(column));
}

QString GridEditing::Take(int row, int column, const QString& typed) {
    const std::string heading = rows_.Heading(column);
    Phrase told;
    const Outcome taken = EditCell(host_.Data().Settings, host_.Model(), rows_.List(),
                                   rows_.Key(row), heading, typed.toStdString(), &told);
    if (!taken.Ok) {
        const QString reason = Translated(told);
        host_.Prompts().Show(tr(heading.c_str()), tr("Data Error!!") + "\n" + reason,
                             QMessageBox::Warning);
        return reason;
    }
    host_.CommitEdit({});
    QTimer::singleShot(0, grid_, [this] { Refill(); });
    return {};
}

// The grid shows the record again on the same cell.
void GridEditing::Refill() {
    const QModelIndex at = grid_->currentIndex();
    host_.RefreshTreeTexts();
    refill_();
    if (at.isValid()) {
        grid_->setCurrentIndex(grid_->Model()->index(at.row(), at.column()));
    }
}

} // namespace tq58
