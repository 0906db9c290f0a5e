#include "gui/editor/Page.h"

#include "gui/editor/RecordGrid.h"

#include <QScrollArea>
#include <algorithm>

namespace tq58 {

Page::Page(EditorHost& host, const QString& objectName, QWidget* parent)
    : QWidget(parent), host_(host) {
    setObjectName(objectName);
}

// The page's size hint grown by what each scroll area lacks to show its whole content and
// each grid to show all its columns.
QSize Page::PreferredSize() const {
    const QSize hint = sizeHint().expandedTo(minimumSizeHint());
    QSize lacking;
    for (const QScrollArea* area : findChildren<QScrollArea*>()) {
        if (area->widget()) {
            const QSize whole =
                area->widget()->sizeHint() + QSize(2 * area->frameWidth(), 2 * area->frameWidth());
            lacking = lacking.expandedTo(whole - area->sizeHint());
        }
    }
    for (const RecordGrid* grid : findChildren<RecordGrid*>()) {
        lacking.setWidth(std::max(lacking.width(), grid->FullWidth() - grid->sizeHint().width()));
    }
    return hint + lacking.expandedTo(QSize(0, 0));
}

} // namespace tq58
