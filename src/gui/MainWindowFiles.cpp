// The main window's file commands: New, Open, Save, Save As, and in debug mode the image
// file keys Ctrl+F2 and Ctrl+F3.
#include "files/ImageFile.h"
#include "files/SettingsFile.h"
#include "gui/BusyScope.h"
#include "gui/MainWindow.h"
#include "gui/debug/HexDumpView.h"
#include "gui/editor/EditorFrame.h"

namespace tq58 {

namespace {

constexpr int NewDataDelayMs = 100;
constexpr int NewDataPauseMs = 500;
const QString DataFilter = "dat files(*.dat)|*.dat|All files(*.*)|*.*";
const QString HexFilter = "hex files(*.hex)|*.hex|All files(*.*)|*.*";

} // namespace

void MainWindow::FileNew() {
    if (ValidateCurrentPage()) {
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
    currentFileName_.clear();
    currentFileIsSettings_ = false;
    UpdateCaption();
    dataChanged_ = false;
}

void MainWindow::ReportFailure(const Outcome& outcome) {
    LogError(outcome.LogProcedure, outcome.LogDetail);
    messages_.ShowFailure(outcome, ProgramTitle());
}

void MainWindow::FileOpen() {
    if (!ValidateCurrentPage()) {
        return;
    }
    const QString path = files_.Ask(
        {FileRequest::Mode::Open, tr("Open"), QString::fromStdString(programFolder_), DataFilter});
    if (path.isEmpty()) {
        return;
    }
    Outcome outcome;
    {
        BusyScope busy(this);
        eventsSuspended_ = true;
        outcome = FileRead2(path.toStdString(), data_, model_,
                            MakeDefaultImageLoader(programFolder_, model_, store_, &destinations_));
        PauseWithEvents(filePauseMs_);
        eventsSuspended_ = false;
        if (outcome.Ok) {
            currentFileName_ = path.toStdString();
            currentFileIsSettings_ = true;
            UpdateCaption();
            ShowDestinationMenu();
            editor_->RebuildTree();
            editor_->ShowCurrentPage();
            hexDump_->Refresh(data_);
        }
    }
    ReportFailure(outcome);
}

bool MainWindow::SaveDataFile(bool useCurrentName) {
    QString path = QString::fromStdString(currentFileName_);
    // After an image load the current file is an image: it is never overwritten with text.
    if (!useCurrentName || path.isEmpty() || !currentFileIsSettings_) {
        path = files_.Ask({FileRequest::Mode::Save, tr("Save As"),
                           QString::fromStdString(programFolder_), DataFilter});
    }
    if (path.isEmpty()) {
        return false;
    }
    Outcome outcome;
    {
        BusyScope busy(this);
        eventsSuspended_ = true;
        outcome = SaveFileAs(path.toStdString(), data_.Settings, model_);
        PauseWithEvents(filePauseMs_);
        eventsSuspended_ = false;
    }
    ReportFailure(outcome);
    if (!outcome.Ok) {
        return false;
    }
    currentFileName_ = path.toStdString();
    currentFileIsSettings_ = true;
    UpdateCaption();
    return true;
}

void MainWindow::LoadImageFile() {
    const QString path = files_.Ask({FileRequest::Mode::Open, tr("Load Image"),
                                     QString::fromStdString(programFolder_), HexFilter});
    if (path.isEmpty()) {
        return;
    }
    Outcome outcome;
    {
        BusyScope busy(this);
        eventsSuspended_ = true;
        outcome = ReadHexFileAs(path.toStdString(), data_, model_);
        PauseWithEvents(filePauseMs_);
        eventsSuspended_ = false;
        if (outcome.Ok) {
            currentFileName_ = path.toStdString();
            currentFileIsSettings_ = false;
            UpdateCaption();
            dataChanged_ = false;
            ShowNewData();
        }
    }
    ReportFailure(outcome);
}

void MainWindow::SaveImageFile() {
    if (!ValidateCurrentPage()) {
        return;
    }
    const QString path = files_.Ask({FileRequest::Mode::Save, tr("Save Image"),
                                     QString::fromStdString(programFolder_), HexFilter});
    if (path.isEmpty()) {
        return;
    }
    Outcome outcome;
    {
        BusyScope busy(this);
        eventsSuspended_ = true;
        outcome = SaveHexFileAs(path.toStdString(), data_, model_);
        PauseWithEvents(filePauseMs_);
        eventsSuspended_ = false;
    }
    hexDump_->Refresh(data_);
    ReportFailure(outcome);
}

} // namespace tq58
