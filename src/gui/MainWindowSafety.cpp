// The main window's guards before data goes into a radio: the User MMSI's rule, the
// configuration check and the User MMSI's second entry.
#include "editor/ConfigurationCheck.h"
#include "editor/UserMmsiConfirmation.h"
#include "gui/CheckWindow.h"
#include "gui/MainWindow.h"
#include "gui/ProgramMidTable.h"
#include "gui/Translations.h"
#include "gui/editor/EditorFrame.h"
#include "gui/transfer/MmsiConfirmDialog.h"

#include <QDir>
#include <QStackedWidget>
#include <QTabWidget>

namespace tq58 {

void MainWindow::CheckConfigurationCommand() {
    if (!ValidateCurrentPage()) {
        return;
    }
    const auto warnings = CheckConfiguration(data_.Settings, model_, ProgramMidTable());
    CheckWindow window(warnings, CheckWindow::Purpose::Check, this);
    window.exec();
    if (const auto chosen = window.Chosen()) {
        OpenSetting(warnings[*chosen].NodeKey, warnings[*chosen].Control);
    }
}

// The warnings, when there are any, may be passed over; a new User MMSI must be typed again
// and match. Nothing of this opens the port.
bool MainWindow::MayProgram() {
    if (RefuseUserMmsi()) {
        return false;
    }
    const auto warnings = CheckConfiguration(data_.Settings, model_, ProgramMidTable());
    if (!warnings.empty()) {
        CheckWindow window(warnings, CheckWindow::Purpose::BeforeProgramming, this);
        const bool programAnyway = window.exec() == QDialog::Accepted;
        if (const auto chosen = window.Chosen()) {
            OpenSetting(warnings[*chosen].NodeKey, warnings[*chosen].Control);
        }
        if (!programAnyway) {
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

// Most radios take their own MMSI only once: one that is not nine digits would stay in the
// radio for good.
bool MainWindow::RefuseUserMmsi() {
    const auto fault = UserMmsiFault(data_.Settings.DscBasicSetup.UserMmsi);
    if (!fault) {
        return false;
    }
    messages_.Show(CoreText("Mmsi", SecondEntryTitle),
                   Translated(*fault) + "\n" +
                       tr("Correct the User MMSI under DSC Setup, or leave it empty. Nothing "
                          "was sent to the radio."),
                   QMessageBox::Critical);
    OpenSetting("DSC", "txtUserMMSI");
    return true;
}

void MainWindow::WarnOfUserMmsi(const QString& path) {
    const auto fault = UserMmsiFault(data_.Settings.DscBasicSetup.UserMmsi);
    if (!fault) {
        return;
    }
    const QString origin = path.isEmpty() ? QString() : QDir::toNativeSeparators(path) + "\n\n";
    messages_.Show(ProgramTitle(),
                   origin + Translated(*fault) + "\n" +
                       tr("It cannot be programmed into a radio as it is: correct it under DSC "
                          "Setup, or leave it empty."),
                   QMessageBox::Warning);
}

void MainWindow::OpenSetting(const std::string& nodeKey, const std::string& controlName) {
    if (!editor_->SelectNode(nodeKey) || controlName.empty()) {
        return;
    }
    auto* control = editor_->findChild<QWidget*>(QString::fromStdString(controlName));
    if (!control) {
        return;
    }
    // The control's tab comes to the front, so that the focus is where the user looks.
    for (QWidget* page = control; page && page != editor_; page = page->parentWidget()) {
        auto* stack = qobject_cast<QStackedWidget*>(page->parentWidget());
        if (auto* tabs = stack ? qobject_cast<QTabWidget*>(stack->parentWidget()) : nullptr) {
            tabs->setCurrentWidget(page);
        }
    }
    control->setFocus(Qt::OtherFocusReason);
}

} // namespace tq58
