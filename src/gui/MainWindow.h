#pragma once

#include "editor/FindNode.h"
#include "gui/Document.h"
#include "gui/FileChooser.h"
#include "gui/MainMenus.h"
#include "gui/Messages.h"
#include "gui/UndoSteps.h"
#include "gui/editor/EditorHost.h"
#include "gui/report/ReportHost.h"
#include "gui/transfer/TransferHost.h"
#include "gui/transfer/TransferLine.h"
#include "program/Destinations.h"
#include "program/ModelSelection.h"
#include "program/SettingsStore.h"
#include "program/StartOptions.h"
#include "report/PrintedReport.h"

#include <QMainWindow>
#include <QTimer>
#include <optional>

class QLabel;
class QLineEdit;

namespace tq58 {

class EditorFrame;
class HexDumpView;

// The program's main window (frmMain): menus, tool bar, the editor frame and the status bar.
// It owns the program's flags and hands the user's commands to the files, the transfer
// dialog, the reports and the editor.
class MainWindow : public QMainWindow, public EditorHost, public TransferHost, public ReportHost {
    Q_OBJECT

public:
    MainWindow(RadioData& data, SettingsStore& store, std::string programFolder,
               StartOptions options, QWidget* parent = nullptr);
    ~MainWindow() override;

    // The start-up sequence: the model, the menus, new data, the tree. False when
    // "global.ini" offers no model; the window is then not to be shown.
    bool Start();

    // EditorHost, TransferHost and ReportHost
    QWidget* DialogParent() override { return this; }
    RadioData& Data() override { return data_; }
    const ModelState& Model() const override { return model_; }
    Messages& Prompts() override { return messages_; }
    QString ProgramTitle() const override;
    bool EventsSuspended() const override { return eventsSuspended_; }
    void SetEventsSuspended(bool suspended) override { eventsSuspended_ = suspended; }
    bool DataChanged() const override { return document_.Changed(); }
    void SetDataChanged(bool changed) override;
    void CommitStep(const StepName& name) override;
    NodeRef CurrentNode() const override;
    void RefreshTreeTexts() override;
    void RebuildTree() override;
    void JumpToNode(const std::string& key) override;
    bool RunTransfer(TransferOperation operation) override;

    void UpdateCaption();
    // One line of the error log, in debug mode only.
    void LogError(const std::string& procedure, const std::string& detail) override;
    // The check every command makes before it leaves the current page.
    bool ValidateCurrentPage();
    // Selects the next node (or the previous one) after the current one, round the tree's
    // end, of a channel number, a channel or entry name or an MMSI; a directory entry is
    // selected in its directory's list. False when nothing was found or the current page may
    // not be left.
    bool FindText(const QString& text, FindDirection direction = FindDirection::Forward);
    // Opens a settings file as File Open does once its dialog has answered; true when read.
    bool OpenDataFile(const QString& path);

    FileChooser& Files() override { return files_; }
    const StartOptions& Options() const override { return options_; }
    const std::string& ProgramFolder() const override { return programFolder_; }
    // The user's settings, where dialogs keep their choices.
    SettingsStore& Store() override { return store_; }
    // The serial port number the user chose (Options > SerialPort).
    int PortNumber() const;
    // Where transfer dialogs connect: the serial devices of the settings, unless a test puts
    // the simulated radio there.
    void SetTransferLines(TransferLineFactory lines) { transferLines_ = std::move(lines); }
    EditorFrame* Editor() const { return editor_; }
    const MainMenus& Menus() const { return menus_; }
    std::string CurrentFileName() const { return document_.FileName().toStdString(); }
    const Document& CurrentDocument() const { return document_; }
    const UndoSteps& Undo() const { return undo_; }
    // Where the data came from, as a printed page names it: the file's name, "read from the
    // radio" or "new data".
    QString DataOrigin() const override { return document_.Origin(); }
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
    // After a file or an import: the groups that have channel 16 off now, unless they had it
    // off before.
    void WarnOfChannel16Off(const QString& path, const std::vector<int>& offBefore);
    // After a read or an opened file: how many settings hold values the window does not offer,
    // which programming keeps as they are.
    void TellOfUnofferedValues();
    // After a file or a read: a User MMSI that cannot be programmed as it is, told at once.
    void WarnOfUserMmsi(const QString& path);

    // Model, Destination and Options menus.
    void ShowModelMenu();
    void ChangeModel(int index);
    // A file of another model: the user may switch to the model it needs. True when the file
    // is to be read now.
    bool TakeModelOf(const QString& path);
    void SwitchModel(int modelType);
    bool OfferModelSwitch(int needed, const QString& told, const QString& question);
    bool OfferModelOfRadio();
    void MakeNewData();
    void ShowDestinationMenu();
    void ChangeDestination(int index);
    void ChoosePort(int index);
    void ToggleHexDump();

    // Undo and redo.
    void ConnectUndo();
    void UndoEdit();
    void RedoEdit();
    // The page check before a step of another node's page is undone or redone.
    bool MayLeaveFor(const std::string& nodeKey);
    void ShowStep(const EditStep& step);
    // Undo and redo keys in a text field undo the window's steps, not the field's typing.
    bool HandleHistoryKey(QObject* watched, QEvent* event);

    // Find: the field at the menu bar's end.
    void BuildFind();

    // Transfer and Help menus.
    void TransferProgram();
    // Transfer > Check Configuration...; at the start of Program to Radio the same list, and
    // the User MMSI's second entry: true when programming may go on.
    void CheckConfigurationCommand();
    bool MayProgram();
    // A User MMSI that is no MMSI stops Program to Radio; true when it did.
    bool RefuseUserMmsi();
    // Shows the setting a warning is about: its node, its tab and its control.
    void OpenSetting(const std::string& nodeKey, const std::string& controlName);
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
    UndoSteps undo_;
    bool eventsSuspended_ = false;
    int filePauseMs_ = 500;
    TransferLineFactory transferLines_;
    // The model of the radio that the last transfer met, when it was not the selected one.
    std::optional<int> radioModelType_;

    Messages messages_;
    FileChooser files_;
    MainMenus menus_;
    EditorFrame* editor_ = nullptr;
    HexDumpView* hexDump_ = nullptr;
    QLabel* hint_ = nullptr;
    QLineEdit* find_ = nullptr;
    std::string foundKey_;   // the node the last find found
    std::string foundShown_; // the node it showed: a find from there goes on after foundKey_
    QTimer newDataTimer_;    // Timer1: the deferred New
};

} // namespace tq58
