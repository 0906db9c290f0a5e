#pragma once

#include "editor/NavigationTree.h"

#include <functional>
#include <vector>

class QWidget;

namespace tq58 {

class EditorHost;
class Page;

// How the data area's page for some kinds of node is made. A page is made the first time one
// of its nodes is shown, so that start-up builds only the start page.
struct PageMaker {
    std::vector<NodeKind> Kinds;
    std::function<Page*(EditorHost& host, QWidget* parent)> Make;
};

const std::vector<PageMaker>& PageMakers();

} // namespace tq58
