#include "gui/editor/Page.h"

namespace tq58 {

Page::Page(EditorHost& host, const QString& objectName, QWidget* parent)
    : QWidget(parent), host_(host) {
    setObjectName(objectName);
}

} // namespace tq58
