#pragma once

#include "editor/CsvLists.h"
#include "program/UserSettings.h"

#include <QCoreApplication>
#include <QString>
#include <array>
#include <vector>

class QAction;
class QMainWindow;
class QMenu;
class QToolBar;

namespace tq58 {

// A keyed tool-bar button and the menu command it stands for.
struct ToolButton {
    QString Key;
    QAction* Button = nullptr;
    QAction* Command = nullptr; // null for a key without a command
};

// The main window's menu bar and tool bar, every item named as the program has always named
// it (mnuFileOpen, mnuDestinationChild_3, ...). The captions are translated in the
// "MainMenus" context.
struct MainMenus {
    Q_DECLARE_TR_FUNCTIONS(MainMenus)

public:
    QMenu* Edit = nullptr;
    QMenu* EditModel = nullptr; // shown when global.ini offers several models
    QMenu* Destination = nullptr;
    QMenu* Options = nullptr;

    QAction* FileNew = nullptr;
    QAction* FileOpen = nullptr;
    QAction* FileOpenBackup = nullptr;
    QAction* FileSave = nullptr;
    QAction* FileSaveAs = nullptr;
    QAction* FileSaveAsDefault = nullptr;
    QAction* FilePrint = nullptr;
    QAction* FilePrintToFile = nullptr;
    QAction* FilePrintPreview = nullptr;
    QAction* FileExportPdf = nullptr;
    std::array<QAction*, CsvListTable.size()> FileExportCsv{}; // in the order of CsvListTable
    QAction* FileImportCsv = nullptr;
    QAction* FileCompare = nullptr;
    std::array<QAction*, 4> RecentFiles{};
    QAction* RecentSeparator = nullptr;
    QAction* FileExit = nullptr;
    QAction* EditUndo = nullptr;
    QAction* EditRedo = nullptr;
    std::array<QAction*, 10> ModelTypes{};
    QAction* TransferProgram = nullptr;
    QAction* TransferRead = nullptr;
    QAction* TransferCheck = nullptr;
    std::array<QAction*, 11> Destinations{};
    std::array<QAction*, PortCount> Ports{};
    QAction* PortDevices = nullptr;
    QAction* Hexdump = nullptr;
    QAction* HelpContents = nullptr;
    QAction* HelpAbout = nullptr;

    QToolBar* ToolBar = nullptr;
    std::vector<ToolButton> ToolButtons;
};

// Builds both into the window. The tool bar's buttons run their menu command, and only while
// that command is enabled.
MainMenus BuildMainMenus(QMainWindow* window);

} // namespace tq58
