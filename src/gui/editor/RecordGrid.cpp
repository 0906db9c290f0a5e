#include "gui/editor/RecordGrid.h"

#include "program/UserSettings.h"

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QStyle>
#include <algorithm>

namespace tq58 {

void GridModel::Show(GridList list) {
    beginResetModel();
    list_ = std::move(list);
    endResetModel();
}

void GridModel::Update(GridList list) {
    list_ = std::move(list);
    if (rowCount() > 0 && columnCount() > 0) {
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
    }
}

int GridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : list_.Rows;
}

int GridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(list_.Columns.size());
}

QVariant GridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || !list_.Cell) {
        return {};
    }
    if (role == Qt::ForegroundRole && list_.Off && list_.Off(index.row())) {
        return QApplication::palette().brush(QPalette::Disabled, QPalette::Text);
    }
    return role == Qt::DisplayRole ? QVariant(list_.Cell(index.row(), index.column())) : QVariant();
}

QVariant GridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal || section < 0 ||
        section >= columnCount()) {
        return {};
    }
    return list_.Columns[static_cast<std::size_t>(section)].Header;
}

Qt::ItemFlags GridModel::flags(const QModelIndex& index) const {
    const Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    return editable_ && editable_(index.column()) ? flags | Qt::ItemIsEditable : flags;
}

RecordGrid::RecordGrid(const QString& objectName, const QString& accessibleName, QWidget* parent)
    : QTableView(parent), model_(new GridModel(this)) {
    setObjectName(objectName);
    setAccessibleName(accessibleName);
    setModel(model_);
    setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setTabKeyNavigation(false);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setStretchLastSection(true);
    connect(this, &QTableView::doubleClicked, this,
            [this](const QModelIndex& index) { emit RowActivated(index.row() + 1); });
}

// A column is as wide as the program has always made it, or as its header and cells need in
// the desktop's font.
int RecordGrid::FullWidth() const {
    int width = 2 * frameWidth() + style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    for (int column = 0; column < model_->columnCount(); ++column) {
        width += columnWidth(column);
    }
    return width;
}

void RecordGrid::Refresh(GridList list) {
    if (list.Rows != model_->rowCount() ||
        static_cast<int>(list.Columns.size()) != model_->columnCount()) {
        const QModelIndex at = currentIndex();
        Show(std::move(list));
        if (at.isValid() && at.row() < model_->rowCount()) {
            setCurrentIndex(model_->index(at.row(), at.column()));
        }
        return;
    }
    model_->Update(std::move(list));
}

void RecordGrid::Show(GridList list) {
    const QFontMetrics cells = fontMetrics();
    const QFontMetrics headers = horizontalHeader()->fontMetrics();
    const int padding = 2 * cells.averageCharWidth() + 2 * frameWidth();
    std::vector<int> widths;
    for (std::size_t c = 0; c < list.Columns.size(); ++c) {
        int width = std::max(list.Columns[c].WidthTwips / TwipsPerPixel,
                             headers.horizontalAdvance(list.Columns[c].Header) + padding);
        for (int row = 0; row < list.Rows; ++row) {
            width = std::max(width, cells.horizontalAdvance(list.Cell(row, static_cast<int>(c))) +
                                        padding);
        }
        widths.push_back(width);
    }
    model_->Show(std::move(list));
    for (std::size_t column = 0; column < widths.size(); ++column) {
        setColumnWidth(static_cast<int>(column), widths[column]);
    }
    if (model_->rowCount() > 0) {
        selectRow(0);
    }
}

void RecordGrid::keyPressEvent(QKeyEvent* event) {
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        currentIndex().isValid() && state() != QAbstractItemView::EditingState) {
        emit RowActivated(currentIndex().row() + 1);
        return;
    }
    QTableView::keyPressEvent(event);
}

} // namespace tq58
