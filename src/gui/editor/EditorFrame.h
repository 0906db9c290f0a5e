#pragma once

#include "editor/NavigationTree.h"
#include "gui/editor/Pages.h"

#include <QHash>
#include <QSize>
#include <QSplitter>
#include <map>

class QStackedWidget;
class QTreeWidget;
class QTreeWidgetItem;

namespace tq58 {

class EditorHost;

// The explorer-style editor: the navigation tree (tvTreeView) on the left and the data area
// (pictData) on the right, in which exactly one page is shown. Moving to another node first
// asks the current page whether it may be left.
class EditorFrame : public QSplitter {
    Q_OBJECT

public:
    EditorFrame(EditorHost& host, QWidget* parent = nullptr);

    // Builds the tree anew from the record; the current node stays when it still exists,
    // otherwise "General" is shown.
    void RebuildTree();
    void RefreshTreeTexts();
    // Selects the node and runs its click: the page check, then the page. False when the
    // key does not exist or the current page refused.
    bool SelectNode(const std::string& key);
    // What a find shows of the node: a directory entry as its row in the directory's list,
    // any other node by itself. False when the current page refused.
    bool ShowFound(const std::string& key);
    // Selects the node and shows its page without asking the current page: after new data,
    // a read or an opened file, when the old page's fields no longer matter.
    void ResetTo(const std::string& key);
    // Shows the current node's page again, filled from the record as it is now.
    void ShowCurrentPage();
    // The check every command makes before it leaves the current page.
    bool ValidateCurrentPage();
    // F6: from the tree to the page's first control, from anywhere else back to the tree.
    void SwitchFocus();

    std::string CurrentKey() const { return currentKey_; }
    NodeRef CurrentNode() const { return currentNode_; }
    QTreeWidget* Tree() const { return tree_; }
    // Wide enough for the setting nodes under "General" without clipping.
    int TreeWidthHint() const;
    // The page of the kind, made when it is first asked for.
    Page* PageFor(NodeKind kind);
    // The data area's size that shows every page of the model whole: each kind of page is
    // made and filled once to measure it, and the current page is shown again.
    QSize PreferredPageSize();

signals:
    // A page wants the status bar's hint.
    void HintChanged(const QString& hint);

private:
    void OnCurrentItemChanged(QTreeWidgetItem* current, QTreeWidgetItem* previous);
    void ShowPage(const QTreeWidgetItem* item);
    void SelectItemQuietly(QTreeWidgetItem* item);
    QTreeWidgetItem* ItemFor(const std::string& key) const;

    EditorHost& host_;
    QTreeWidget* tree_;
    QStackedWidget* data_;
    std::map<NodeKind, Page*> pages_;
    QHash<QString, QTreeWidgetItem*> items_;
    std::string currentKey_;
    NodeRef currentNode_;
};

} // namespace tq58
