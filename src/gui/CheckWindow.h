#pragma once

#include "editor/ConfigurationCheck.h"

#include <QDialog>
#include <optional>
#include <vector>

class QLabel;
class QTableWidget;

namespace tq58 {

// Transfer > Check Configuration... and the start of Program to Radio: what deserves a second
// look before the data goes into a radio, one row each. Before programming the user may go
// on anyway (accepted) or stop (rejected). A double click (or Enter) on a warning closes the
// window (rejected) to open that warning's setting.
class CheckWindow : public QDialog {
    Q_OBJECT

public:
    enum class Purpose { Check, BeforeProgramming };

    CheckWindow(const std::vector<ConfigurationWarning>& warnings, Purpose purpose,
                QWidget* parent);

    QTableWidget* Table() const { return table_; }
    // The warning whose setting the user chose to open.
    std::optional<std::size_t> Chosen() const { return chosen_; }

private:
    void AddButtons(Purpose purpose);
    void Fill(const std::vector<ConfigurationWarning>& warnings);

    QLabel* summary_ = nullptr;
    QTableWidget* table_ = nullptr;
    std::optional<std::size_t> chosen_;
};

} // namespace tq58
