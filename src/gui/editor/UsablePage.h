#pragma once

#include "gui/editor/Bindings.h"
#include "gui/editor/CheckedEntries.h"
#include "gui/editor/Page.h"

#include <QList>
#include <array>

class QCheckBox;
class QComboBox;

namespace tq58 {

struct UsableGroupRecord;

// pictUsable: which channel groups the radio offers, with their status names, TX time-out and
// priority channels, and the EXP channels' group entries.
class UsablePage : public Page {
    Q_OBJECT

public:
    UsablePage(EditorHost& host, const QString& objectName, QWidget* parent = nullptr);

    void Fill(const NodeRef& node) override;
    bool CanLeave() override { return entries_.CheckPending(); }

private:
    struct GroupRow {
        QCheckBox* usable = nullptr;
        QComboBox* priority = nullptr;
        QList<QWidget*> dependents; // status name, TX TOT, priority and their labels
    };

    QWidget* BuildGroup(int group);
    QWidget* BuildExpGroups();
    void ApplyEnabling();
    void GroupSwitched(int group);
    void ShowCaptions();
    UsableGroupRecord& Group(int group) const;

    Bindings bindings_;
    CheckedEntries entries_;
    std::array<GroupRow, 4> rows_;
    std::array<QCheckBox*, 3> expGroups_{};
};

} // namespace tq58
