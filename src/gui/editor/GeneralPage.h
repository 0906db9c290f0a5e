#pragma once

#include "gui/editor/Page.h"

class QLabel;

namespace tq58 {

// The start page: the program's logo and the model it programs.
class GeneralPage : public Page {
    Q_OBJECT

public:
    GeneralPage(EditorHost& host, const QString& objectName, QWidget* parent = nullptr);
    void Fill(const NodeRef& node) override;

private:
    QLabel* model_;
};

// A page without controls: the nodes "Programable Channel" and "DSC".
class EmptyPage : public Page {
    Q_OBJECT

public:
    using Page::Page;
    void Fill(const NodeRef&) override {}
};

} // namespace tq58
