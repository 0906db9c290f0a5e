#pragma once

#include "gui/editor/Bindings.h"
#include "gui/editor/CheckedEntries.h"
#include "gui/editor/TabbedPage.h"

#include <array>
#include <utility>
#include <vector>

class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;

namespace tq58 {

// pictDSC: the DSC settings on three tabs (basic, advanced, display), the User MMSI and the
// buttons that clear the radio's logs.
class DscPage : public TabbedPage {
    Q_OBJECT

public:
    DscPage(EditorHost& host, const QString& objectName, QWidget* parent = nullptr);

    void Fill(const NodeRef& node) override;
    bool CanLeave() override { return entries_.CheckPending(); }

private:
    void BuildBasic(QWidget* child);
    void BuildAdvanced(QWidget* child);
    void BuildDisplay(QWidget* child);
    QWidget* BuildDscGroups();
    QWidget* BuildUserMmsi();
    QWidget* BuildLogClear();
    QWidget* BuildPosRows();
    QWidget* BuildBeeps();
    QWidget* BuildCallBlock(int block);
    // An off/on box in the next row of rows, bound to its flag.
    QComboBox* AddFlag(QGridLayout* rows, const QString& name, const QString& caption,
                       FieldRef<bool> field);
    // A power box beside the call box of the last row; it is open only while the call is on.
    void AddPower(QGridLayout* rows, QComboBox* call, const QString& name, FieldRef<bool> field);
    void ApplyPower();
    void ClearLog(int button);

    Bindings bindings_;
    CheckedEntries entries_;
    std::array<QLabel*, 4> groupNames_{};
    QLineEdit* count_ = nullptr;
    std::vector<std::pair<QComboBox*, QComboBox*>> powered_; // call box, its power box
};

} // namespace tq58
