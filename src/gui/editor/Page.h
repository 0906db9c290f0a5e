#pragma once

#include "editor/NavigationTree.h"

#include <QSize>
#include <QWidget>

namespace tq58 {

class EditorHost;

// One page of the data area (pictData): it fills its controls from the settings record and
// writes every edit straight back.
class Page : public QWidget {
    Q_OBJECT

public:
    Page(EditorHost& host, const QString& objectName, QWidget* parent = nullptr);

    // Refills every control for the node. The frame calls it inside a FillScope.
    virtual void Fill(const NodeRef& node) = 0;
    // The page's part of the check before anything leaves it: true when it may be left. A
    // refusing page shows its own message and keeps the focus on the faulty field.
    virtual bool CanLeave() { return true; }
    // The size at which the page shows all its controls and every grid column without
    // scrolling sideways: its scroll areas as large as their contents, its grids as wide as
    // their columns.
    QSize PreferredSize() const;

protected:
    EditorHost& host_;
};

} // namespace tq58
