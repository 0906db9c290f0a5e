#pragma once

#include "gui/editor/Bindings.h"
#include "gui/editor/CheckedEntries.h"
#include "gui/editor/TabbedPage.h"

#include <array>

class QCheckBox;
class QGridLayout;

namespace tq58 {

// pictATIS: the ATIS groups, the ATIS code and the killer groups on the "Common" tab, and the
// 32 call signs on the "CallSign" tab.
class AtisPage : public TabbedPage {
    Q_OBJECT

public:
    AtisPage(EditorHost& host, const QString& objectName, QWidget* parent = nullptr);

    void Fill(const NodeRef& node) override;
    bool CanLeave() override { return entries_.CheckPending(); }

private:
    void BuildCommon(QWidget* child);
    void BuildCallSigns(QWidget* child);
    QWidget* BuildGroupBoxes(const QString& caption, const char* name,
                             std::array<bool, 4> AtisCommonRecord::*flags,
                             std::array<QCheckBox*, 4>* boxes);
    void AddCallSign(QGridLayout* rows, int number);

    Bindings bindings_;
    CheckedEntries entries_;
    std::array<QCheckBox*, 4> atisGroups_{};
    std::array<QCheckBox*, 4> killers_{};
};

} // namespace tq58
