#include "gui/MainMenus.h"

#include "gui/ProgramIcon.h"
#include "gui/Translations.h"

#include <QActionGroup>
#include <QMainWindow>
#include <QMenuBar>
#include <QToolBar>
#include <QToolButton>

namespace tq58 {

namespace {

QAction* AddItem(QMenu* menu, const QString& name, const QString& caption,
                 const QKeySequence& shortcut = {}) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(name);
    action->setShortcut(shortcut);
    return action;
}

QMenu* AddMenu(QWidget* parent, const QString& name, const QString& caption) {
    auto* menu = new QMenu(caption, parent);
    menu->setObjectName(name);
    menu->menuAction()->setObjectName(name);
    return menu;
}

void BuildFileMenu(QMenuBar* bar, MainMenus& menus) {
    QMenu* file = AddMenu(bar, "mnuFile", MainMenus::tr("&File"));
    bar->addMenu(file);
    menus.FileNew = AddItem(file, "mnuFileNew", MainMenus::tr("&New"), QKeySequence::New);
    menus.FileOpen = AddItem(file, "mnuFileOpen", MainMenus::tr("&Open"), QKeySequence::Open);
    menus.FileOpenBackup = AddItem(file, "mnuFileOpenBackup", MainMenus::tr("Open &Backup..."));
    menus.FileSave = AddItem(file, "mnuFileSave", MainMenus::tr("&Save"), QKeySequence::Save);
    menus.FileSaveAs = AddItem(file, "mnuFileSaveAs", MainMenus::tr("Save &As..."));
    menus.FileSaveAsDefault =
        AddItem(file, "mnuFileSaveAsDefault", MainMenus::tr("Save As &Default"));
    menus.FileSaveAsDefault->setVisible(false);
    file->addSeparator();
    menus.FilePrint = AddItem(file, "mnuFilePrint", MainMenus::tr("&Print"), QKeySequence::Print);
    menus.FilePrintToFile = AddItem(file, "mnuFilePrintToFile", MainMenus::tr("P&rint to File"));
    menus.FilePrintPreview = AddItem(file, "mnuFilePrintPreview", MainMenus::tr("Print Pre&view"));
    menus.FileExportPdf = AddItem(file, "mnuFileExportPdf", MainMenus::tr("&Export PDF..."));
    file->addSeparator();
    QMenu* exportCsv = AddMenu(file, "mnuFileExportCsv", MainMenus::tr("Export &CSV"));
    file->addMenu(exportCsv);
    for (std::size_t i = 0; i < CsvListTable.size(); ++i) {
        menus.FileExportCsv[i] =
            AddItem(exportCsv, QString("mnuFileExportCsv_%1").arg(i),
                    //: %1 is a list's title ("EXP Channels"); the dots say a file dialog follows.
                    MainMenus::tr("%1...").arg(CoreText("Csv", CsvListTable[i].Title)));
    }
    menus.FileImportCsv = AddItem(file, "mnuFileImportCsv", MainMenus::tr("&Import CSV..."));
    menus.FileCompare = AddItem(file, "mnuFileCompare", MainMenus::tr("Co&mpare with..."));
    file->addSeparator();
    for (std::size_t i = 0; i < menus.RecentFiles.size(); ++i) {
        menus.RecentFiles[i] = AddItem(file, QString("mnuFileRecent_%1").arg(i), QString());
        menus.RecentFiles[i]->setVisible(false);
    }
    menus.RecentSeparator = file->addSeparator();
    menus.FileExit = AddItem(file, "mnuFileExit", MainMenus::tr("E&xit"));
}

void BuildEditMenu(QMenuBar* bar, MainMenus& menus) {
    menus.Edit = AddMenu(bar, "mnuEdit", MainMenus::tr("&Edit"));
    bar->addMenu(menus.Edit);
    menus.EditUndo = AddItem(menus.Edit, "mnuEditUndo", MainMenus::tr("&Undo"), QKeySequence::Undo);
    menus.EditRedo = AddItem(menus.Edit, "mnuEditRedo", MainMenus::tr("&Redo"));
    menus.EditRedo->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    menus.Edit->addSeparator();
    QMenu* model = AddMenu(menus.Edit, "mnuEditModel", MainMenus::tr("&Model"));
    menus.Edit->addMenu(model);
    menus.EditModel = model;
    auto* group = new QActionGroup(model);
    for (std::size_t i = 0; i < menus.ModelTypes.size(); ++i) {
        QAction* item =
            AddItem(model, QString("mnuEditModelType_%1").arg(i), QString("model %1").arg(i + 1));
        item->setCheckable(true);
        group->addAction(item);
        menus.ModelTypes[i] = item;
    }
}

void BuildTransferMenu(QMenuBar* bar, MainMenus& menus) {
    QMenu* transfer = AddMenu(bar, "mnuTransfer", MainMenus::tr("&Transfer"));
    bar->addMenu(transfer);
    menus.TransferProgram =
        AddItem(transfer, "mnuTransferProgram", MainMenus::tr("&Program to Radio"));
    menus.TransferRead = AddItem(transfer, "mnuTransferRead", MainMenus::tr("&Read from Radio"));
    transfer->addSeparator();
    menus.TransferCheck =
        AddItem(transfer, "mnuTransferCheck", MainMenus::tr("&Check Configuration..."));
}

void BuildDestinationMenu(QMenuBar* bar, MainMenus& menus) {
    menus.Destination = AddMenu(bar, "mnuDestination", MainMenus::tr("&Destination"));
    bar->addMenu(menus.Destination);
    for (std::size_t i = 0; i < menus.Destinations.size(); ++i) {
        QAction* item =
            AddItem(menus.Destination, QString("mnuDestinationChild_%1").arg(i), QString());
        item->setCheckable(true);
        item->setVisible(false);
        menus.Destinations[i] = item;
    }
}

void BuildOptionsMenu(QMenuBar* bar, MainMenus& menus) {
    QMenu* options = AddMenu(bar, "mnuOptions", MainMenus::tr("&Options"));
    bar->addMenu(options);
    menus.Options = options;
    QMenu* serial = AddMenu(options, "mnuOptionsSerialPort", MainMenus::tr("&SerialPort"));
    options->addMenu(serial);
    auto* group = new QActionGroup(serial);
    for (std::size_t i = 0; i < menus.Ports.size(); ++i) {
        QAction* item = AddItem(serial, QString("mnuOptionsSerialPort1_%1").arg(i),
                                QString("COM&%1").arg(i + 1));
        item->setCheckable(true);
        group->addAction(item);
        menus.Ports[i] = item;
    }
    menus.PortDevices = AddItem(options, "mnuOptionsPortDevices", MainMenus::tr("Port devices..."));
    menus.Hexdump = AddItem(options, "mnuOptionsHexdump", MainMenus::tr("Hexdump"));
    menus.Hexdump->setCheckable(true);
}

void BuildHelpMenu(QMenuBar* bar, MainMenus& menus) {
    QMenu* help = AddMenu(bar, "mnuHelp", MainMenus::tr("&Help"));
    bar->addMenu(help);
    menus.HelpContents = AddItem(help, "mnuHelpContents", MainMenus::tr("&Contents"));
    menus.HelpAbout = AddItem(help, "mnuHelpAbout", MainMenus::tr("&About QYL Version"));
}

struct ButtonEntry {
    const char* key;
    const char* text;
    const char* toolTip;
    Picture icon;
    QAction* MainMenus::*command;
};

// The buttons in their order, {} for a separator; the separators put Program2 and Read2 at
// the tenth and eleventh places, which start-up hides. "Save As Default" has no command, like its
// hidden menu item, and stays hidden too.
void BuildToolBar(QMainWindow* window, MainMenus& menus) {
    static const ButtonEntry Buttons[] = {
        {"New", QT_TRANSLATE_NOOP("MainMenus", "New"), QT_TRANSLATE_NOOP("MainMenus", "New"),
         Picture::New, &MainMenus::FileNew},
        {"Open", QT_TRANSLATE_NOOP("MainMenus", "Open"), QT_TRANSLATE_NOOP("MainMenus", "Open..."),
         Picture::Open, &MainMenus::FileOpen},
        {"Save", QT_TRANSLATE_NOOP("MainMenus", "Save"), QT_TRANSLATE_NOOP("MainMenus", "Save"),
         Picture::Save, &MainMenus::FileSave},
        {"SaveAsDefault", QT_TRANSLATE_NOOP("MainMenus", "Default"),
         QT_TRANSLATE_NOOP("MainMenus", "Save As Default"), Picture::HardDisk, nullptr},
        {},
        {"Print", QT_TRANSLATE_NOOP("MainMenus", "Print"), QT_TRANSLATE_NOOP("MainMenus", "Print"),
         Picture::Print, &MainMenus::FilePrint},
        {},
        {"Program", QT_TRANSLATE_NOOP("MainMenus", "Program"),
         QT_TRANSLATE_NOOP("MainMenus", "Program to Radio"), Picture::Up,
         &MainMenus::TransferProgram},
        {"Read", QT_TRANSLATE_NOOP("MainMenus", "Read"),
         QT_TRANSLATE_NOOP("MainMenus", "Read from Radio"), Picture::Down,
         &MainMenus::TransferRead},
        {"Program2", QT_TRANSLATE_NOOP("MainMenus", "Program"),
         QT_TRANSLATE_NOOP("MainMenus", "Program to Radio"), Picture::Up,
         &MainMenus::TransferProgram},
        {"Read2", QT_TRANSLATE_NOOP("MainMenus", "Read"),
         QT_TRANSLATE_NOOP("MainMenus", "Read from Radio"), Picture::Down,
         &MainMenus::TransferRead},
        {},
        {"Undo", QT_TRANSLATE_NOOP("MainMenus", "Undo"), QT_TRANSLATE_NOOP("MainMenus", "Undo"),
         Picture::Back, &MainMenus::EditUndo},
        {"Redo", QT_TRANSLATE_NOOP("MainMenus", "Redo"), QT_TRANSLATE_NOOP("MainMenus", "Redo"),
         Picture::Forward, &MainMenus::EditRedo},
    };
    menus.ToolBar = window->addToolBar(MainMenus::tr("Tools"));
    menus.ToolBar->setObjectName("tbToolBar");
    menus.ToolBar->setMovable(false);
    menus.ToolBar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    for (const ButtonEntry& entry : Buttons) {
        if (!entry.key) {
            menus.ToolBar->addSeparator();
            continue;
        }
        QAction* button =
            menus.ToolBar->addAction(PictureIcon(entry.icon), MainMenus::tr(entry.text));
        button->setObjectName(QString("tbToolBar_%1").arg(entry.key));
        button->setToolTip(MainMenus::tr(entry.toolTip));
        QAction* command = entry.command ? menus.*(entry.command) : nullptr;
        if (QWidget* widget = menus.ToolBar->widgetForAction(button)) {
            widget->setObjectName(button->objectName());
            widget->setAccessibleName(button->toolTip());
        }
        QObject::connect(button, &QAction::triggered, window, [command] {
            if (command && command->isEnabled() && command->isVisible()) {
                command->trigger();
            }
        });
        menus.ToolButtons.push_back({entry.key, button, command});
    }
    for (const char* hidden : {"SaveAsDefault", "Program2", "Read2"}) {
        for (const ToolButton& button : menus.ToolButtons) {
            if (button.Key == hidden) {
                button.Button->setVisible(false);
            }
        }
    }
}

} // namespace

MainMenus BuildMainMenus(QMainWindow* window) {
    MainMenus menus;
    QMenuBar* bar = window->menuBar();
    bar->setObjectName("mnuBar");
    BuildFileMenu(bar, menus);
    BuildEditMenu(bar, menus);
    BuildTransferMenu(bar, menus);
    BuildDestinationMenu(bar, menus);
    BuildOptionsMenu(bar, menus);
    BuildHelpMenu(bar, menus);
    BuildToolBar(window, menus);
    return menus;
}

} // namespace tq58
