#include "gui/editor/EditorFrame.h"

#include "files/TextCase.h"
#include "gui/Translations.h"
#include "gui/editor/DirectoryGridPage.h"
#include "gui/editor/EditorHost.h"
#include "gui/editor/MmsiMarks.h"
#include "gui/editor/Page.h"

#include <QAbstractItemView>
#include <QHeaderView>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStackedWidget>
#include <QStyle>
#include <QTimer>
#include <QTreeWidget>
#include <algorithm>

namespace tq58 {

namespace {

// Every item carries its key, by which commands name it, and the node it stands for.
constexpr int KeyRole = Qt::UserRole;
constexpr int NodeRole = Qt::UserRole + 1;

QString KeyOf(const QTreeWidgetItem* item) {
    return item ? item->data(0, KeyRole).toString() : QString();
}

NodeRef NodeOf(const QTreeWidgetItem* item) {
    return item->data(0, NodeRole).value<NodeRef>();
}

QString Normalised(const std::string& key) {
    return QString::fromStdString(ToUpperAscii(key));
}

} // namespace

EditorFrame::EditorFrame(EditorHost& host, QWidget* parent)
    : QSplitter(Qt::Horizontal, parent), host_(host), tree_(new QTreeWidget(this)),
      data_(new QStackedWidget(this)) {
    setObjectName("splMain");
    setChildrenCollapsible(false);
    tree_->setObjectName("tvTreeView");
    tree_->setAccessibleName(tr("Navigation"));
    tree_->setHeaderHidden(true);
    tree_->setUniformRowHeights(true);
    tree_->setIndentation(tree_->fontMetrics().averageCharWidth() * 2);
    tree_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    tree_->header()->setStretchLastSection(false);
    data_->setObjectName("pictData");
    data_->setAccessibleName(tr("Page"));
    addWidget(tree_);
    addWidget(data_);
    setStretchFactor(1, 1);

    connect(tree_, &QTreeWidget::currentItemChanged, this, &EditorFrame::OnCurrentItemChanged);
    // Expanding a directory shows its entries' marks as they are now.
    connect(tree_, &QTreeWidget::itemExpanded, this, [this] { RefreshTreeTexts(); });
}

int EditorFrame::TreeWidthHint() const {
    // A directory entry carries a warning icon when its MMSI does not belong there.
    const int marked = tree_->fontMetrics().horizontalAdvance(
                           Translated(Phrase{TQ58_PHRASE("Tree", "Memory ID%1[Enable]"), {"80"}})) +
                       tree_->style()->pixelMetric(QStyle::PM_SmallIconSize) + 4;
    const int text = std::max(
        tree_->fontMetrics().horizontalAdvance(CoreText("Tree", "Usable CH Group Setup")), marked);
    // The vertical scroll bar comes once a group is open: it must not cover the text.
    const int scrollBar = tree_->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    return text + 3 * tree_->indentation() + tree_->frameWidth() * 2 + scrollBar;
}

Page* EditorFrame::PageFor(NodeKind kind) {
    if (const auto made = pages_.find(kind); made != pages_.end()) {
        return made->second;
    }
    for (const PageMaker& maker : PageMakers()) {
        if (std::find(maker.Kinds.begin(), maker.Kinds.end(), kind) != maker.Kinds.end()) {
            Page* page = maker.Make(host_, data_);
            data_->addWidget(page);
            for (const NodeKind shown : maker.Kinds) {
                pages_[shown] = page;
            }
            return page;
        }
    }
    return nullptr;
}

QSize EditorFrame::PreferredPageSize() {
    QSize largest;
    const NodeRef nodes[] = {{NodeKind::Usable},
                             {NodeKind::Common},
                             {NodeKind::Dsc},
                             {NodeKind::Atis},
                             {NodeKind::GroupGrid, GroupUsa},
                             {NodeKind::Weather},
                             {NodeKind::PlanChannel, GroupUsa, 0},
                             {NodeKind::DirectoryGrid, IndividualDirectory},
                             {NodeKind::DirectoryEntry, IndividualDirectory, 0},
                             {NodeKind::ExpGrid, GroupExp},
                             {NodeKind::ExpChannel, GroupExp, 0}};
    for (const NodeRef& node : nodes) {
        if (node.Kind == NodeKind::Atis && !host_.Model().AtisAvailable) {
            continue;
        }
        Page* page = PageFor(node.Kind);
        // Before the window is shown, only a polished page has the fonts it will show.
        page->ensurePolished();
        {
            FillScope filling(host_);
            page->Fill(node);
        }
        largest = largest.expandedTo(page->PreferredSize());
    }
    ShowCurrentPage();
    return largest;
}

QTreeWidgetItem* EditorFrame::ItemFor(const std::string& key) const {
    return items_.value(Normalised(key), nullptr);
}

void EditorFrame::RebuildTree() {
    const std::vector<TreeNode> nodes = BuildNavigationTree(host_.Data().Settings, host_.Model());
    QSignalBlocker quiet(tree_);
    tree_->setUpdatesEnabled(false);
    tree_->clear();
    items_.clear();
    QList<QTreeWidgetItem*> roots;
    for (const TreeNode& node : nodes) {
        QTreeWidgetItem* parent = node.ParentKey.empty() ? nullptr : ItemFor(node.ParentKey);
        auto* item = new QTreeWidgetItem(
            parent, QStringList(Translated(NodeCaption(node.Node, host_.Data().Settings))));
        item->setData(0, KeyRole, QString::fromStdString(node.Key));
        item->setData(0, NodeRole, QVariant::fromValue(node.Node));
        MarkTreeItem(item, node.Node, host_.Data().Settings);
        items_.insert(Normalised(node.Key), item);
        if (!parent) {
            roots << item;
        }
    }
    tree_->addTopLevelItems(roots);
    tree_->setUpdatesEnabled(true);
    if (QTreeWidgetItem* current = ItemFor(currentKey_)) {
        SelectItemQuietly(current);
    } else {
        ResetTo("General");
    }
}

void EditorFrame::RefreshTreeTexts() {
    const SettingsRecord& settings = host_.Data().Settings;
    for (QTreeWidgetItem* item : std::as_const(items_)) {
        const NodeRef node = NodeOf(item);
        const QString text = Translated(NodeCaption(node, settings));
        if (item->text(0) != text) {
            item->setText(0, text);
        }
        MarkTreeItem(item, node, settings);
    }
}

bool EditorFrame::SelectNode(const std::string& key) {
    QTreeWidgetItem* item = ItemFor(key);
    if (!item) {
        return false;
    }
    tree_->setCurrentItem(item);
    return Normalised(currentKey_) == Normalised(key);
}

bool EditorFrame::ShowFound(const std::string& key) {
    const QTreeWidgetItem* item = ItemFor(key);
    if (!item || NodeOf(item).Kind != NodeKind::DirectoryEntry) {
        return SelectNode(key);
    }
    if (!SelectNode(KeyOf(item->parent()).toStdString())) {
        return false;
    }
    static_cast<DirectoryGridPage*>(PageFor(NodeKind::DirectoryGrid))
        ->SelectEntry(NodeOf(item).Index);
    return true;
}

void EditorFrame::ResetTo(const std::string& key) {
    QTreeWidgetItem* item = ItemFor(key);
    if (!item) {
        return;
    }
    SelectItemQuietly(item);
    ShowPage(item);
}

void EditorFrame::ShowCurrentPage() {
    ShowPage(ItemFor(currentKey_));
}

bool EditorFrame::ValidateCurrentPage() {
    auto* page = qobject_cast<Page*>(data_->currentWidget());
    return !page || page->CanLeave();
}

void EditorFrame::SwitchFocus() {
    if (!tree_->hasFocus()) {
        tree_->setFocus(Qt::ShortcutFocusReason);
        return;
    }
    for (QWidget* next = tree_->nextInFocusChain(); next != tree_;
         next = next->nextInFocusChain()) {
        if (data_->isAncestorOf(next) && next->isVisible() && next->isEnabled() &&
            (next->focusPolicy() & Qt::TabFocus) == Qt::TabFocus) {
            next->setFocus(Qt::TabFocusReason);
            return;
        }
    }
}

void EditorFrame::OnCurrentItemChanged(QTreeWidgetItem* current, QTreeWidgetItem* previous) {
    emit HintChanged(CoreText("Hints", TreeHint));
    const QString key = KeyOf(current);
    if (!current || Normalised(currentKey_) == Normalised(key.toStdString())) {
        return;
    }
    if (!ValidateCurrentPage()) {
        QTreeWidgetItem* shown = ItemFor(currentKey_) ? ItemFor(currentKey_) : previous;
        SelectItemQuietly(shown);
        // A mouse click selects its node only after this handler: the shown page's node takes
        // the highlight back once the click is done.
        QTimer::singleShot(0, this, [this, shown] {
            if (ItemFor(currentKey_) == shown) {
                SelectItemQuietly(shown);
            }
        });
        return;
    }
    ShowPage(current);
}

void EditorFrame::SelectItemQuietly(QTreeWidgetItem* item) {
    QSignalBlocker quiet(tree_);
    tree_->setCurrentItem(item);
}

void EditorFrame::ShowPage(const QTreeWidgetItem* item) {
    if (!item) {
        return;
    }
    const NodeRef node = NodeOf(item);
    Page* page = PageFor(node.Kind);
    if (!page) {
        return;
    }
    currentKey_ = KeyOf(item).toStdString();
    currentNode_ = node;
    {
        FillScope filling(host_);
        page->Fill(node);
    }
    data_->setCurrentWidget(page);
    // A page opens at its top, wherever it was left scrolled the last time.
    for (QScrollArea* area : page->findChildren<QScrollArea*>()) {
        if (!qobject_cast<QAbstractItemView*>(area)) {
            area->verticalScrollBar()->setValue(0);
        }
    }
    emit HintChanged(CoreText("Hints", TreeHint));
}

} // namespace tq58
