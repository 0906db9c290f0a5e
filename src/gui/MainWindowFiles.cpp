// The main window's file commands: New, Open, Save, Save As, and in debug mode the image
// file keys Ctrl+F2 and Ctrl+F3.
#include "files/ImageFile.h"
#include "files/MissingSections.h"
#include "files/SettingsFile.h"
#include "gui/BusyScope.h"
#include "gui/DistressChannelWarning.h"
#include "gui/MainWindow.h"
#include "gui/Translations.h"
#include "gui/debug/HexDumpView.h"
#include "gui/editor/EditorFrame.h"
#include "platform/UserDataFolder.h"
#include "program/RecentFiles.h"
#include "report/SettingsComparison.h"

#include <QDir>
#include <QFileInfo>

namespace tq58 {

namespace {

constexpr int NewDataDelayMs = 100;
constexpr int NewDataPauseMs = 500;

} // namespace

void MainWindow::FileNew() {
    if (ValidateCurrentPage() && MayReplaceData()) {
        newDataTimer_.start(NewDataDelayMs);
    }
}

// The deferred New: the window first goes back to "General", then the data is replaced.
void MainWindow::StartNewData() {
    newDataTimer_.stop();
    BusyScope busy(this);
    editor_->ResetTo("General");
    PauseWithEvents(NewDataPauseMs);
    MakeNewData();
    document_.Replaced({}, false);
}

// Every file operation runs with the busy pointer, the window disabled and the editor's change
// handlers quiet, and ends with the pause the program has always made.
Outcome MainWindow::RunFileOperation(const std::function<Outcome()>& operation) {
    BusyScope busy(this);
    const QuietHandlers quiet(*this);
    const Outcome outcome = operation();
    PauseWithEvents(filePauseMs_);
    return outcome;
}

void MainWindow::ReportFailure(const Outcome& outcome) {
    LogError(outcome.LogProcedure, outcome.LogDetail);
    messages_.ShowFailure(outcome, ProgramTitle());
}

void MainWindow::FileOpen() {
    if (!ValidateCurrentPage() || !MayReplaceData()) {
        return;
    }
    const QString path = files_.Ask(
        {FileRequest::Mode::Open, tr("Open"), {}, NameFilter(tr("dat files"), "*.dat"), {}});
    if (!path.isEmpty()) {
        OpenDataFile(path);
    }
}

// A file that lacks sections opens all the same, with a warning; its data then counts as
// changed, so that nothing is left as it is without a question.
bool MainWindow::OpenDataFile(const QString& path) {
    // Qt reads a file name that is not UTF-8 (from the command line or a drop) with
    // replacement characters, and such a name names no file.
    if (path.contains(QChar::ReplacementCharacter) && !QFileInfo::exists(path)) {
        messages_.Show(ProgramTitle(),
                       tr("%1\n\nThe name of this file is not UTF-8 text, so TQ58 cannot open "
                          "it. Rename the file, then open it again.")
                           .arg(QDir::toNativeSeparators(path)),
                       QMessageBox::Warning);
        return false;
    }
    if (!TakeModelOf(path)) {
        return false;
    }
    std::vector<std::string> missing;
    const Outcome outcome = RunFileOperation([&] {
        return ReadSettingsFile(
            path.toStdString(), data_, model_, "frmMain.FileRead2",
            MakeDefaultImageLoader(programFolder_, model_, store_, &destinations_), &missing);
    });
    if (outcome.Ok) {
        document_.Replaced(path, true, !missing.empty());
        ShowDestinationMenu();
        editor_->RebuildTree();
        editor_->ShowCurrentPage();
        hexDump_->Refresh(data_);
    }
    ReportFailure(outcome);
    if (outcome.Ok && !missing.empty()) {
        messages_.Show(ProgramTitle(),
                       QDir::toNativeSeparators(path) + "\n\n" +
                           Translated(MissingSectionsWarning(missing)),
                       QMessageBox::Warning);
    }
    if (outcome.Ok) {
        WarnOfChannel16Off(path, {});
        TellOfUnofferedValues();
        WarnOfUserMmsi(path);
    }
    return outcome.Ok;
}

void MainWindow::OpenRecentFile(int index) {
    const std::vector<std::string> files = document_.RecentFiles();
    if (index >= static_cast<int>(files.size()) || !ValidateCurrentPage()) {
        return;
    }
    const QString path = QString::fromStdString(files[static_cast<std::size_t>(index)]);
    if (!QFileInfo::exists(path)) {
        document_.ForgetRecentFile(files[static_cast<std::size_t>(index)]);
        messages_.Show(ProgramTitle(),
                       tr("%1\n\nThis file no longer exists. It has been removed "
                          "from the list of recent files.")
                           .arg(QDir::toNativeSeparators(path)),
                       QMessageBox::Warning);
        return;
    }
    if (MayReplaceData()) {
        OpenDataFile(path);
    }
}

void MainWindow::ShowRecentFiles() {
    const std::vector<std::string> files = document_.RecentFiles();
    for (std::size_t i = 0; i < menus_.RecentFiles.size(); ++i) {
        QAction* item = menus_.RecentFiles[i];
        const bool used = i < files.size();
        item->setVisible(used);
        if (used) {
            const QString path = QString::fromStdString(files[i]);
            item->setText(QString("&%1 %2").arg(i + 1).arg(QFileInfo(path).fileName()));
            item->setToolTip(QDir::toNativeSeparators(path));
            item->setStatusTip(item->toolTip());
        }
    }
    menus_.RecentSeparator->setVisible(!files.empty());
}

bool MainWindow::SaveDataFile(bool useCurrentName) {
    QString path = document_.FileName();
    // After an image load the current file is an image: it is never overwritten with text.
    if (!useCurrentName || !document_.IsSettingsFile()) {
        path = files_.Ask(
            {FileRequest::Mode::Save, tr("Save As"), {}, NameFilter(tr("dat files"), "*.dat"), {}});
    }
    if (path.isEmpty()) {
        return false;
    }
    const Outcome outcome = RunFileOperation([&] {
        return SaveFileAs(path.toStdString(), data_.Settings, model_, "frmMain.SaveFileAs");
    });
    ReportFailure(outcome);
    if (!outcome.Ok) {
        return false;
    }
    document_.Saved(path);
    return true;
}

void MainWindow::LoadImageFile() {
    if (!ValidateCurrentPage() || !MayReplaceData()) {
        return;
    }
    const QString path = AskAndLoadImage(tr("Load Image"), {});
    if (!path.isEmpty()) {
        document_.Replaced(path, false);
    }
}

// A backup is an image as the radio gave it: it loads as an image file does, with the model
// check, and the data then counts as changed, since it is in no settings file yet.
void MainWindow::OpenBackup() {
    if (!ValidateCurrentPage() || !MayReplaceData()) {
        return;
    }
    const QString backup =
        AskAndLoadImage(tr("Open Backup"), QString::fromStdString(BackupsFolder()));
    if (!backup.isEmpty()) {
        document_.Replaced({}, false, true, QFileInfo(backup).fileName());
    }
}

QString MainWindow::AskAndLoadImage(const QString& title, const QString& backups) {
    const QString path =
        files_.Ask({FileRequest::Mode::Open, title, backups, NameFilter(tr("hex files"), "*.hex"),
                    backups.isEmpty() ? QString() : QString("backup")});
    if (path.isEmpty() || !TakeModelOf(path)) {
        return {};
    }
    const Outcome outcome = RunFileOperation(
        [&] { return ReadHexFileAs(path.toStdString(), data_, model_, "frmMain.ReadHexFileAs"); });
    if (outcome.Ok) {
        ShowNewData();
    }
    ReportFailure(outcome);
    if (outcome.Ok) {
        WarnOfChannel16Off(path, {});
        TellOfUnofferedValues();
        WarnOfUserMmsi(path);
    }
    return outcome.Ok ? path : QString();
}

// Data that has channel 16 off is taken as it is, with a word about it.
void MainWindow::WarnOfChannel16Off(const QString& path, const std::vector<int>& offBefore) {
    const QString warning = Channel16OffWarning(path, data_.Settings, offBefore);
    if (!warning.isEmpty()) {
        messages_.Show(ProgramTitle(), warning, QMessageBox::Warning);
    }
}

void MainWindow::TellOfUnofferedValues() {
    const auto count = static_cast<int>(UnofferedSettings(data_, model_).size());
    if (count > 0) {
        messages_.Show(ProgramTitle(),
                       tr("%n settings hold values TQ58 does not offer; they are kept unless you "
                          "change them",
                          nullptr, count),
                       QMessageBox::Information);
    }
}

void MainWindow::SaveImageFile() {
    if (!ValidateCurrentPage()) {
        return;
    }
    const QString path = files_.Ask(
        {FileRequest::Mode::Save, tr("Save Image"), {}, NameFilter(tr("hex files"), "*.hex"), {}});
    if (path.isEmpty()) {
        return;
    }
    const Outcome outcome = RunFileOperation(
        [&] { return SaveHexFileAs(path.toStdString(), data_, model_, "frmMain.SaveHexFileAs"); });
    hexDump_->Refresh(data_);
    ReportFailure(outcome);
}

} // namespace tq58
