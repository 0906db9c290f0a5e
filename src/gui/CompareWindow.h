#pragma once

#include "report/SettingsComparison.h"

#include <QDialog>
#include <vector>

class QLabel;

namespace tq58 {

class RecordGrid;

// File > Compare with...: the settings that differ between the data in the window and another
// file, one row each, as the command line's diff lists them.
class CompareWindow : public QDialog {
    Q_OBJECT

public:
    CompareWindow(const std::vector<SettingDifference>& differences, const QString& currentName,
                  const QString& otherName, QWidget* parent);

    // Below the differences: the settings that hold values the window does not offer and stay
    // as they are, apart from the changes.
    void ShowKept(const std::vector<SettingDifference>& kept);

private:
    void Fill(const std::vector<SettingDifference>& differences, const QString& currentName,
              const QString& otherName);

    QLabel* summary_ = nullptr;
    RecordGrid* table_ = nullptr;
    QLabel* keptSummary_ = nullptr;
    RecordGrid* keptTable_ = nullptr;
};

} // namespace tq58
