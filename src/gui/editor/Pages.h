#pragma once

#include "editor/NavigationTree.h"

#include <map>
#include <vector>

class QWidget;

namespace tq58 {

class EditorHost;
class Page;

// The data area's pages, and which page shows each kind of node.
struct PageSet {
    std::vector<Page*> All;
    std::map<NodeKind, Page*> ByKind;
};

// Creates every page as a child of parent; a page's constructor builds its controls.
PageSet CreatePages(EditorHost& host, QWidget* parent);

} // namespace tq58
