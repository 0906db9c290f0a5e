#pragma once

#include "gui/editor/Page.h"

namespace tq58 {

class RecordGrid;

// pictE: the individual or the group directory listed in MSFlexGrid2; a row opens its entry.
class DirectoryGridPage : public Page {
    Q_OBJECT

public:
    DirectoryGridPage(EditorHost& host, const QString& objectName, QWidget* parent = nullptr);

    void Fill(const NodeRef& node) override;
    // Selects the entry's row; Enter or a double click opens its page.
    void SelectEntry(int index);

private:
    RecordGrid* grid_;
    int directory_ = IndividualDirectory;
};

} // namespace tq58
