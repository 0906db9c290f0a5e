#pragma once

#include "gui/editor/Bindings.h"
#include "gui/editor/Page.h"

#include <QList>

class QComboBox;

namespace tq58 {

// pictCommon: the radio's common settings, each a combo box over a fixed value list.
class CommonPage : public Page {
    Q_OBJECT

public:
    CommonPage(EditorHost& host, const QString& objectName, QWidget* parent = nullptr);

    void Fill(const NodeRef& node) override;

private:
    void ApplyScan();

    Bindings bindings_;
    QComboBox* scan_ = nullptr;
    QList<QWidget*> scanDependents_; // Resume Time and PTT SCAN Clear, labels and connector
};

} // namespace tq58
