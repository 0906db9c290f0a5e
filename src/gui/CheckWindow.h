#pragma once

#include "editor/ConfigurationCheck.h"

#include <QDialog>
#include <vector>

class QLabel;
class QTableWidget;

namespace tq58 {

// Transfer > Check Configuration... and the start of Program to Radio: what deserves a second
// look before the data goes into a radio, one row each. Before programming the user may go
// on anyway (accepted) or stop (rejected).
class CheckWindow : public QDialog {
    Q_OBJECT

public:
    enum class Purpose { Check, BeforeProgramming };

    CheckWindow(const std::vector<ConfigurationWarning>& warnings, Purpose purpose,
                QWidget* parent);

    QTableWidget* Table() const { return table_; }

private:
    void AddButtons(Purpose purpose);
    void Fill(const std::vector<ConfigurationWarning>& warnings);

    QLabel* summary_ = nullptr;
    QTableWidget* table_ = nullptr;
};

} // namespace tq58
