#include "gui/editor/GridEditing.h"

#include "editor/ChangeNames.h"
#include "editor/CsvHeadingNames.h"
#include "editor/GridRows.h"
#include "gui/Messages.h"
#include "gui/TextCodec.h"
#include "gui/Translations.h"
#include "gui/editor/EditorHost.h"
#include "gui/editor/RecordGrid.h"
#include "gui/editor/RefusalGate.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLineEdit>
#include <QStyledItemDelegate>
#include <QTimer>
#include <algorithm>
#include <optional>

namespace tq58 {

namespace {

std::optional<CellMove> MoveOf(const QKeyEvent& key) {
    switch (key.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return CellMove::Down;
    case Qt::Key_Tab:
        return CellMove::Next;
    case Qt::Key_Backtab:
        return CellMove::Previous;
    default:
        return std::nullopt;
    }
}

// Starts an edit from the cell as the export writes it. Enter, Tab and Shift+Tab close the
// editor before its text is taken, so that a refusal's box never finds an editor to take
// the focus from; a lost focus takes the text as it stands.
class CellDelegate : public QStyledItemDelegate {
public:
    CellDelegate(GridEditing& editing, RecordGrid* grid)
        : QStyledItemDelegate(grid), editing_(editing) {}

    void setEditorData(QWidget* editor, const QModelIndex& index) const override {
        static_cast<QLineEdit*>(editor)->setText(
            QString::fromStdString(editing_.EditText(index.row(), index.column())));
        cell_ = index;
    }

    void setModelData(QWidget* editor, QAbstractItemModel*,
                      const QModelIndex& index) const override {
        editing_.Commit(index, static_cast<QLineEdit*>(editor)->text(), true);
    }

protected:
    bool eventFilter(QObject* object, QEvent* event) override {
        auto* editor = qobject_cast<QLineEdit*>(object);
        if (editor && event->type() == QEvent::KeyPress && cell_.isValid()) {
            if (const std::optional<CellMove> move = MoveOf(*static_cast<QKeyEvent*>(event))) {
                const QModelIndex cell = cell_;
                const QString typed = editor->text();
                emit closeEditor(editor, QAbstractItemDelegate::NoHint);
                if (editing_.Commit(cell, typed, false)) {
                    editing_.Move(cell, *move);
                }
                return true;
            }
        }
        return QStyledItemDelegate::eventFilter(object, event);
    }

private:
    GridEditing& editing_;
    mutable QPersistentModelIndex cell_;
};

} // namespace

GridEditing::GridEditing(EditorHost& host, RecordGrid* grid, GridRowsOf rows,
                         std::function<void()> refill)
    : QObject(grid), host_(host), grid_(grid), rows_(std::move(rows)), refill_(std::move(refill)) {
    grid_->setItemDelegate(new CellDelegate(*this, grid_));
    grid_->Model()->SetEditable([this](int column) { return Editable(column); });
    grid_->installEventFilter(this);
    RefusalGate::Instance();
}

bool GridEditing::Editable(int column) const {
    return !rows_.Heading(column).empty();
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
    const QModelIndex at = grid_->currentIndex();
    const int first = selected.empty() ? at.row() : selected.front();
    if (first < 0) {
        return;
    }
    PasteTarget target;
    for (int row = first; row < grid_->Model()->rowCount(); ++row) {
        target.Keys.push_back(rows_.Key(row));
    }
    for (int column = std::max(at.column(), 0); column < grid_->Model()->columnCount(); ++column) {
        target.Columns.push_back(rows_.Takes(column));
    }
    const CsvList list = rows_.List();
    PastedRows pasted = PasteRows(host_.Data().Settings, host_.Model(), list, target,
                                  QApplication::clipboard()->text().toStdString());
    if (!pasted.Result.Ok) {
        QStringList lines;
        for (const Phrase& line : pasted.Told) {
            lines << Translated(line);
        }
        host_.Prompts().Show(tr("Paste"), lines.join('\n'), QMessageBox::Warning);
        return;
    }
    const bool directory = list == CsvList::Individual || list == CsvList::Group;
    if (pasted.ReplacedFilled > 0 &&
        host_.Prompts().Show(
            tr("Paste"),
            directory ? tr("Replace %n filled entries?", nullptr, pasted.ReplacedFilled)
                      : tr("Replace %n filled channels?", nullptr, pasted.ReplacedFilled),
            QMessageBox::Question, QMessageBox::Yes | QMessageBox::No,
            QMessageBox::No) != QMessageBox::Yes) {
        return;
    }
    host_.Data().Settings = std::move(pasted.Settings);
    host_.CommitStep(RowsStepName(RowsCommand::Paste, list, static_cast<int>(pasted.Keys.size())));
    Refill();
    grid_->clearSelection();
    for (int row = 0; row < grid_->Model()->rowCount(); ++row) {
        if (std::find(pasted.Keys.begin(), pasted.Keys.end(), rows_.Key(row)) !=
            pasted.Keys.end()) {
            grid_->selectionModel()->select(grid_->Model()->index(row, 0),
                                            QItemSelectionModel::Select |
                                                QItemSelectionModel::Rows);
        }
    }
}

std::string GridEditing::EditText(int row, int column) const {
    return CellText(host_.Data().Settings, host_.Model(), rows_.List(), rows_.Key(row),
                    rows_.Heading(column));
}

bool GridEditing::Commit(const QModelIndex& cell, const QString& typed, bool editorOpen) {
    if (typed.toStdString() == EditText(cell.row(), cell.column())) {
        return true;
    }
    const std::string heading = rows_.Heading(cell.column());
    Phrase told;
    if (!EditCell(host_.Data().Settings, host_.Model(), rows_.List(), rows_.Key(cell.row()),
                  heading, typed.toStdString(), &told)
             .Ok) {
        // The box comes once the editor is gone, with the cell back at its old value.
        if (RefusalGate::Instance().Admit()) {
            const QString title = Translated(CsvHeadingName(heading));
            const QString text = tr("Data Error!!") + "\n" + Translated(told);
            QTimer::singleShot(0, this, [this, title, text] {
                RefusalGate::Instance().Show(host_.Prompts(), title, text);
            });
        }
        return false;
    }
    host_.CommitStep();
    if (editorOpen) {
        QTimer::singleShot(0, this, [this] { Refill(); });
    } else {
        Refill();
    }
    return true;
}

// Enter goes down one row; Tab and Shift+Tab to the next or previous editable cell, on to the
// next or previous row at a row's end.
void GridEditing::Move(const QModelIndex& from, CellMove move) {
    const int rows = grid_->Model()->rowCount();
    const int columns = grid_->Model()->columnCount();
    int row = from.row();
    int column = from.column();
    if (move == CellMove::Down) {
        row = std::min(row + 1, rows - 1);
    } else {
        const int step = move == CellMove::Next ? 1 : -1;
        for (int cell = row * columns + column + step; cell >= 0 && cell < rows * columns;
             cell += step) {
            if (Editable(cell % columns)) {
                row = cell / columns;
                column = cell % columns;
                break;
            }
        }
    }
    grid_->selectionModel()->setCurrentIndex(grid_->Model()->index(row, column),
                                             QItemSelectionModel::ClearAndSelect |
                                                 QItemSelectionModel::Rows);
    grid_->setFocus();
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
