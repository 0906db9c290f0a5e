#pragma once

#include "editor/CsvLists.h"

#include <QModelIndex>
#include <QObject>
#include <QString>
#include <functional>
#include <string>
#include <vector>

namespace tq58 {

class EditorHost;
class RecordGrid;

// What a grid's rows are in the CSV export: the list, each row's key, the export heading of
// each column edited in place (empty for the others) and the heading each column takes in a
// paste (the key column the list's key heading; empty for a column that takes nothing).
struct GridRowsOf {
    std::function<CsvList()> List;
    std::function<std::string(int row)> Key;
    std::function<std::string(int column)> Heading;
    std::function<std::string(int column)> Takes;
};

// Where Enter, Tab and Shift+Tab leave a cell once its edit is taken.
enum class CellMove { Down, Next, Previous };

// Spreadsheet editing on a record grid. A cell edited in place (F2, or typing, whose first key
// is the cell's first character) is checked as the import checks its column; Enter takes it
// and moves down, Tab and Shift+Tab to the next or previous editable cell, Escape abandons
// it. A refused edit is told once and the cell keeps its old value. Ctrl+C copies the
// selected rows; Ctrl+V pastes rows, asking before it replaces filled ones, in one undo step.
class GridEditing : public QObject {
    Q_OBJECT

public:
    // refill shows the grid again from the record.
    GridEditing(EditorHost& host, RecordGrid* grid, GridRowsOf rows, std::function<void()> refill);

    void Copy() const;
    void Paste();
    // Takes the typed text of a cell; false when refused. An untouched text takes nothing.
    // While the cell's editor is still open (it lost the focus), the grid follows the record
    // only once the editor has closed.
    bool Commit(const QModelIndex& cell, const QString& typed, bool editorOpen);
    void Move(const QModelIndex& from, CellMove move);
    std::string EditText(int row, int column) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::vector<int> SelectedRows() const;
    bool Editable(int column) const;
    void Refill();

    EditorHost& host_;
    RecordGrid* grid_;
    GridRowsOf rows_;
    std::function<void()> refill_;
};

} // namespace tq58
