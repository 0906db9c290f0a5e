#pragma once

#include <QAbstractTableModel>
#include <QTableView>
#include <functional>
#include <vector>

namespace tq58 {

struct GridColumn {
    QString Header;
    int WidthTwips = 0;
};

// What a grid lists: its columns, its rows and the text of every cell. The channel and the
// directory grids differ only in this description.
struct GridList {
    std::vector<GridColumn> Columns;
    int Rows = 0;
    std::function<QString(int row, int column)> Cell;
    // Rows shown greyed: channels switched off while their grid is shown.
    std::function<bool(int row)> Off;
};

// A read-only table over a list of the record; cells are formatted when they are shown.
class GridModel : public QAbstractTableModel {
    Q_OBJECT

public:
    using QAbstractTableModel::QAbstractTableModel;

    void Show(GridList list);
    // The same rows and columns with new cells: open editors and the selection stay.
    void Update(GridList list);
    const GridList& List() const { return list_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // The columns whose cells are edited in place.
    void SetEditable(std::function<bool(int column)> editable) { editable_ = std::move(editable); }

private:
    GridList list_;
    std::function<bool(int column)> editable_;
};

// The program's grids (MSFlexGrid1, MSFlexGrid2): one fixed header row, whole rows selected.
// A double click or Enter on a row asks to jump to its page; F2 or typing edits a cell of an
// editable column.
class RecordGrid : public QTableView {
    Q_OBJECT

public:
    RecordGrid(const QString& objectName, const QString& accessibleName, QWidget* parent = nullptr);

    void Show(GridList list);
    // The record changed under the grid: the cells follow it on the same current cell.
    void Refresh(GridList list);
    GridModel* Model() const { return model_; }
    // Wide enough for every column and the vertical scroll bar.
    int FullWidth() const;

signals:
    // row counts from 1, as the grid's rows below its header always have.
    void RowActivated(int row);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    GridModel* model_;
};

} // namespace tq58
