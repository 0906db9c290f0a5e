// The main window's guards before data goes into a radio: the configuration check and the
// User MMSI's second entry.
#include "editor/ConfigurationCheck.h"
#include "editor/UserMmsiConfirmation.h"
#include "gui/CheckWindow.h"
#include "gui/MainWindow.h"
#include "gui/ProgramMidTable.h"
#include "gui/Translations.h"
#include "gui/transfer/MmsiConfirmDialog.h"

namespace tq58 {

void MainWindow::CheckConfigurationCommand() {
    if (!ValidateCurrentPage()) {
        return;
    }
    CheckWindow window(CheckConfiguration(data_.Settings, model_, ProgramMidTable()),
                       CheckWindow::Purpose::Check, this);
    window.exec();
}

// The warnings, when there are any, may be passed over; a new User MMSI must be typed again
// and match. Nothing of this opens the port.
bool MainWindow::MayProgram() {
    const auto warnings = CheckConfiguration(data_.Settings, model_, ProgramMidTable());
    if (!warnings.empty()) {
        CheckWindow window(warnings, CheckWindow::Purpose::BeforeProgramming, this);
        if (window.exec() != QDialog::Accepted) {
            return false;
        }
    }
    const std::string& userMmsi = data_.Settings.DscBasicSetup.UserMmsi;
    if (!NeedsSecondEntry(document_.UserMmsiBefore(), userMmsi)) {
        return true;
    }
    MmsiConfirmDialog dialog(this);
    if (dialog.exec() != QDialog::Accepted) {
        return false;
    }
    if (SecondEntryMatches(userMmsi, dialog.Typed().toStdString())) {
        return true;
    }
    messages_.Show(CoreText("Mmsi", SecondEntryTitle), CoreText("Mmsi", SecondEntryMismatch),
                   QMessageBox::Critical);
    return false;
}

} // namespace tq58
