#pragma once

#include "gui/Document.h"
#include "gui/FileChooser.h"
#include "gui/MainMenus.h"
#include "gui/Messages.h"
#include "gui/editor/EditorHost.h"
#include "gui/transfer/TransferLine.h"
#include "program/Destinations.h"
#include "program/ModelSelection.h"
#include "program/SettingsStore.h"
#include "program/StartOptions.h"
#include "report/PrintedReport.h"

#include <QMainWindow>
#include <QTimer>

class QLabel;

namespace tq58 {

class EditorFrame;
class HexDumpView;

// The program's main window (frmMain): menus, tool bar, the editor frame and the status bar.
// It owns the program's flags and hands the user's commands to the files, the transfer
// dialog, the reports and the editor.
class MainWindow : public QMainWindow, public EditorHost {
    Q_OBJECT

public:
    MainWindow(RadioData& data, SettingsStore& store, std::string programFolder,
               StartOptions options, QWidget* parent = nullptr);
    ~MainWindow() override;

    // The start-up sequence: the model, the menus, new data, the tree. False when
    // "global.ini" offers no model; the window is then not to be shown.
    bool Start();

    // EditorHost
    RadioData& Data() override { return data_; }
    const ModelState& Model() const override { return model_; }
    Messages& Prompts() override { return messages_; }
    QString ProgramTitle() const override;
    bool EventsSuspended() const override { return eventsSuspended_; }
    void SetEventsSuspended(bool suspended) override { eventsSuspended_ = suspended; }
    bool DataChanged() const override { return document_.Changed(); }
    void SetDataChanged(bool changed) override { document_.SetChanged(changed); }
    NodeRef CurrentNode() const override;
    void RefreshTreeTexts() override;
    void RebuildTree() override;
    void JumpToNode(const std::string& key) override;
    bool RunTransfer(TransferOperation operation) override;

    void UpdateCaption();
    // One line of the error log, in debug mode only.
    void LogError(const std::string& procedure, const std::string& detail);
    // The check every command makes before it leaves the current page.
    bool ValidateCurrentPage();
    // Opens a settings file as File Open does once its dialog has answered; true when read.
    bool OpenDataFile(const QString& path);

    FileChooser& Files() { return files_; }
    const StartOptions& Options() const { return options_; }
    const std::string& ProgramFolder() const { return programFolder_; }
    // The user's settings, where dialogs keep their choices.
    SettingsStore& Store() { return store_; }
    // The serial port number the user chose (Options > SerialPort).
    int PortNumber() const;
    // Where transfer dialogs connect: the serial devices of the settings, unless a test puts
    // the simulated radio there.
    void SetTransferLines(TransferLineFactory lines) { transferLines_ = std::move(lines); }
    EditorFrame* Editor() const { return editor_; }
    const MainMenus& Menus() const { return menus_; }
    std::string CurrentFileName() const { return document_.FileName().toStdString(); }
    const Document& CurrentDocument() const { return document_; }
    // Where the data came from, as a printed page names it: the file's name, "read from the
    // radio" or "new data".
    QString DataOrigin() const { return document_.Origin(); }
    // The pause that ends every file operation; tests shorten it.
    void SetFilePause(int milliseconds) { filePauseMs_ = milliseconds; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Start-up and closing.
    void BuildLayout();
    void ConnectMenus();
    void ApplyStartGeometry();
    QSize FirstSize(int treeWidth);
    void StorePlacementUnlessMinimized();
    // The save question before changed data is replaced; true when the command may go on.
    bool MayReplaceData();
    void OnFocusChanged(QWidget* now);
    void ShowHint(const QString& hint);

    // File menu.
    void FileNew();
    void StartNewData();
    void FileOpen();
    void OpenRecentFile(int index);
    void ShowRecentFiles();
    void OpenBackup();
    bool SaveDataFile(bool useCurrentName);
    void LoadImageFile();
    void SaveImageFile();
    // Export CSV, Import CSV and Compare with.
    void ExportCsvList(int index);
    void ImportCsvFile();
    // How many rows an export or import took, in the status bar for a while.
    void ShowRowCount(const QString& counted, const QString& path);
    void CompareWithFile();
    // Loads a .dat or .hex file for the current model, as File Open or an image load would,
    // without making it the current data.
    Outcome LoadOtherFile(const QString& path, RadioData& other);
    Outcome RunFileOperation(const std::function<Outcome()>& operation);
    void ReportFailure(const Outcome& outcome);
    // Asks for an image file (in the backups folder when one is given) and loads it; the path
    // when it was loaded, else empty.
    QString AskAndLoadImage(const QString& title, const QString& backups);
    void ShowNewData();

    // Model, Destination and Options menus.
    void ShowModelMenu();
    void ChangeModel(int index);
    // A file of another model: the user may switch to the model it needs. True when the file
    // is to be read now.
    bool TakeModelOf(const QString& path);
    void SwitchModel(int modelType);
    void MakeNewData();
    void ShowDestinationMenu();
    void ChangeDestination(int index);
    void ChoosePort(int index);
    void ToggleHexDump();

    // Transfer and Help menus.
    void TransferProgram();
    void TransferRead();
    void ShowHelp(int context);
    void ShowHelpForFocus();

    RadioData& data_;
    SettingsStore& store_;
    const std::string programFolder_;
    const StartOptions options_;

    ModelState model_;
    ModelOffer offer_;
    DestinationMenu destinations_;
    Document document_;
    bool eventsSuspended_ = false;
    int filePauseMs_ = 500;
    TransferLineFactory transferLines_;

    Messages messages_;
    FileChooser files_;
    MainMenus menus_;
    EditorFrame* editor_ = nullptr;
    HexDumpView* hexDump_ = nullptr;
    QLabel* hint_ = nullptr;
    QTimer newDataTimer_; // Timer1: the deferred New
};

} // namespace tq58
