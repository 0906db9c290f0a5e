#pragma once

#include "editor/CsvLists.h"

#include <QObject>
#include <QString>
#include <functional>
#include <string>
#include <vector>

namespace tq58 {

class EditorHost;
class RecordGrid;

// What a grid's rows are in the CSV export: the list, each row's key, and the export heading
// of each column edited in place (empty for the others).
struct GridRowsOf {
    std::function<CsvList()> List;
    std::function<std::string(int row)> Key;
    std::function<std::string(int column)> Heading;
};

// Spreadsheet editing on a record grid: a cell edited in place (F2 or typing) is checked as
// the import checks its column, and a refused one opens again with the text as typed; Ctrl+C
// copies the selected rows, Ctrl+V pastes rows from the selected one on, all in one undo step.
class GridEditing : public QObject {
    Q_OBJECT

public:
    // refill shows the grid again from the record.
    GridEditing(EditorHost& host, RecordGrid* grid, GridRowsOf rows, std::function<void()> refill);

    void Copy() const;
    void Paste();
    // The typed text of a cell: empty when taken, else the reason it was refused, which has
    // been shown.
    QString Take(int row, int column, const QString& typed);
    std::string EditText(int row, int column) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::vector<int> SelectedRows() const;
    void Refill();

    EditorHost& host_;
    RecordGrid* grid_;
    GridRowsOf rows_;
    std::function<void()> refill_;
};

} // namespace tq58
