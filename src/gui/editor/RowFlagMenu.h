#pragma once

#include "editor/RowFlags.h"

#include <QObject>
#include <functional>
#include <optional>
#include <vector>

namespace tq58 {

class EditorHost;
class RecordGrid;

// How a channel grid's rows and columns stand for the record.
struct ChannelRowsOf {
    std::function<int()> Group;        // ChannelGroup of the list shown
    std::function<int(int row)> Index; // the row's element of the list
    std::function<std::optional<RowFlag>(int column)> FlagColumn;
};

// Flags for every selected row of a channel grid at once: Space sets the flag of the current
// column, or Enable in a column of no flag (the opposite of the current row's), the context menu
// sets or clears Enable, Scan Memory and Low Power Only. One undo step; rows whose restrictions
// forbid it are skipped and counted.
class RowFlagMenu : public QObject {
    Q_OBJECT

public:
    RowFlagMenu(EditorHost& host, RecordGrid* grid, ChannelRowsOf rows,
                std::function<void()> refill);

    void Set(RowFlag flag, bool on);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::vector<int> SelectedIndices() const;

    EditorHost& host_;
    RecordGrid* grid_;
    ChannelRowsOf rows_;
    std::function<void()> refill_;
};

} // namespace tq58
