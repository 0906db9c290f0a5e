#pragma once

#include "gui/editor/Page.h"

#include <string>
#include <vector>

class QLabel;

namespace tq58 {

class RecordGrid;

// The overview of a channel group (pictB with MSFlexGrid1): the enabled channels of a plan
// group, or all 64 EXP channels. A row's double click or Enter opens its channel.
class ChannelGridPage : public Page {
    Q_OBJECT

public:
    ChannelGridPage(EditorHost& host, const QString& objectName, QWidget* parent = nullptr);

    void Fill(const NodeRef& node) override;

    RecordGrid* Grid() const { return grid_; }

private:
    void JumpToRow(int row);
    std::string RowKey(int row) const;

    QLabel* heading_;
    RecordGrid* grid_;
    NodeRef node_;
    std::vector<int> indices_; // each row's element of the list
};

} // namespace tq58
