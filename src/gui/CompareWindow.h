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

private:
    void Fill(const std::vector<SettingDifference>& differences, const QString& currentName,
              const QString& otherName);

    QLabel* summary_ = nullptr;
    RecordGrid* table_ = nullptr;
};

} // namespace tq58
