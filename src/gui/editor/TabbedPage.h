#pragma once

#include "gui/editor/Page.h"

#include <QStringList>
#include <vector>

class QTabWidget;

namespace tq58 {

// A setting page on a tab strip (the DSC and ATIS pages): one child panel per tab, named
// after the page ("pictDSCChild_0"). Showing the page selects the first tab.
class TabbedPage : public Page {
    Q_OBJECT

public:
    TabbedPage(EditorHost& host, const QString& objectName, const QString& tabStripName,
               const QStringList& tabs, QWidget* parent = nullptr);

    void Fill(const NodeRef& node) override;

    QTabWidget* TabStrip() const { return tabs_; }
    QWidget* Child(int index) const { return children_.at(static_cast<std::size_t>(index)); }

private:
    QTabWidget* tabs_;
    std::vector<QWidget*> children_;
};

} // namespace tq58
