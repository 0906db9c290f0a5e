// The main window's menu commands other than the file commands: model, destination, serial
// port, hex dump, transfer, help and about.
#include "editor/ControlHints.h"
#include "files/FileModel.h"
#include "files/TextCase.h"
#include "gui/AboutDialog.h"
#include "gui/BusyScope.h"
#include "gui/MainWindow.h"
#include "gui/PortDevicesDialog.h"
#include "gui/Translations.h"
#include "gui/debug/HexDumpView.h"
#include "gui/editor/EditorFrame.h"
#include "gui/help/HelpWindow.h"
#include "gui/report/ReportPrinting.h"
#include "gui/report/ReportWindow.h"
#include "gui/transfer/TransferDialog.h"
#include "model/ModelCatalogue.h"
#include "model/NewData.h"
#include "program/UserSettings.h"
#include "report/PrintedReport.h"

#include <QAction>
#include <QMenu>
#include <QShortcut>

namespace tq58 {

void MainWindow::ConnectMenus() {
    connect(menus_.FileNew, &QAction::triggered, this, &MainWindow::FileNew);
    connect(menus_.FileOpen, &QAction::triggered, this, &MainWindow::FileOpen);
    connect(menus_.FileOpenBackup, &QAction::triggered, this, &MainWindow::OpenBackup);
    for (std::size_t i = 0; i < menus_.RecentFiles.size(); ++i) {
        connect(menus_.RecentFiles[i], &QAction::triggered, this,
                [this, i] { OpenRecentFile(static_cast<int>(i)); });
    }
    connect(menus_.FileSave, &QAction::triggered, this, [this] {
        if (ValidateCurrentPage()) {
            SaveDataFile(true);
        }
    });
    connect(menus_.FileSaveAs, &QAction::triggered, this, [this] {
        if (ValidateCurrentPage()) {
            SaveDataFile(false);
        }
    });
    connect(menus_.FilePrint, &QAction::triggered, this, [this] {
        if (ValidateCurrentPage()) {
            PrintReport(*this);
        }
    });
    connect(menus_.FilePrintPreview, &QAction::triggered, this, [this] {
        if (ValidateCurrentPage()) {
            PreviewReport(*this);
        }
    });
    connect(menus_.FileExportPdf, &QAction::triggered, this, [this] {
        if (ValidateCurrentPage()) {
            ExportReportPdf(*this);
        }
    });
    for (std::size_t i = 0; i < menus_.FileExportCsv.size(); ++i) {
        connect(menus_.FileExportCsv[i], &QAction::triggered, this,
                [this, i] { ExportCsvList(static_cast<int>(i)); });
    }
    connect(menus_.FileImportCsv, &QAction::triggered, this, &MainWindow::ImportCsvFile);
    connect(menus_.FileCompare, &QAction::triggered, this, &MainWindow::CompareWithFile);
    connect(menus_.FilePrintToFile, &QAction::triggered, this, [this] {
        ReportWindow report(*this);
        report.exec();
    });
    connect(menus_.FileExit, &QAction::triggered, this, &QWidget::close);
    for (std::size_t i = 0; i < menus_.ModelTypes.size(); ++i) {
        connect(menus_.ModelTypes[i], &QAction::triggered, this,
                [this, i] { ChangeModel(static_cast<int>(i)); });
    }
    connect(menus_.TransferProgram, &QAction::triggered, this, &MainWindow::TransferProgram);
    connect(menus_.TransferRead, &QAction::triggered, this, &MainWindow::TransferRead);
    connect(menus_.TransferCheck, &QAction::triggered, this,
            &MainWindow::CheckConfigurationCommand);
    for (std::size_t i = 0; i < menus_.Destinations.size(); ++i) {
        connect(menus_.Destinations[i], &QAction::triggered, this,
                [this, i] { ChangeDestination(static_cast<int>(i)); });
    }
    for (std::size_t i = 0; i < menus_.Ports.size(); ++i) {
        connect(menus_.Ports[i], &QAction::triggered, this,
                [this, i] { ChoosePort(static_cast<int>(i)); });
    }
    connect(menus_.PortDevices, &QAction::triggered, this, [this] {
        PortDevicesDialog dialog(store_, this);
        dialog.exec();
    });
    connect(menus_.Hexdump, &QAction::triggered, this, &MainWindow::ToggleHexDump);
    connect(menus_.HelpContents, &QAction::triggered, this,
            [this] { ShowHelp(HelpContentsContext); });
    connect(menus_.HelpAbout, &QAction::triggered, this, [this] {
        AboutDialog about(this);
        about.exec();
    });

    for (const QKeySequence& keys :
         {QKeySequence(Qt::Key_F6), QKeySequence(Qt::SHIFT | Qt::Key_F6)}) {
        auto* switchFocus = new QShortcut(keys, this);
        connect(switchFocus, &QShortcut::activated, editor_, &EditorFrame::SwitchFocus);
    }
    auto* help = new QShortcut(QKeySequence::HelpContents, this);
    connect(help, &QShortcut::activated, this, &MainWindow::ShowHelpForFocus);
    // The image file keys of debug mode work whichever control has the focus.
    if (options_.DebugMode) {
        auto* load = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_F2), this);
        connect(load, &QShortcut::activated, this, &MainWindow::LoadImageFile);
        auto* save = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_F3), this);
        connect(save, &QShortcut::activated, this, &MainWindow::SaveImageFile);
    }
}

void MainWindow::ShowModelMenu() {
    for (std::size_t i = 0; i < menus_.ModelTypes.size(); ++i) {
        QAction* item = menus_.ModelTypes[i];
        const bool offered = offer_.Offered[i];
        item->setText(QString::fromStdString(ModelNameOf(static_cast<int>(i) + 1)));
        item->setVisible(offered);
        item->setEnabled(offered);
        item->setChecked(static_cast<int>(i) + 1 == model_.ModelType);
    }
}

void MainWindow::ChangeModel(int index) {
    if (model_.ModelType == index + 1) {
        return;
    }
    // The page is checked before the model changes, so that a refusing page cannot leave
    // the old model's data under the new model's name.
    if (!ValidateCurrentPage() || !MayReplaceData() ||
        messages_.Show(ProgramTitle(), Translated(ModelChangeQuestion(index)), QMessageBox::Warning,
                       QMessageBox::Ok | QMessageBox::Cancel) != QMessageBox::Ok) {
        ShowModelMenu();
        return;
    }
    if (auto changed = tq58::ChangeModel(index, model_, GlobalIniPath(programFolder_), store_)) {
        model_ = *changed;
    }
    ShowModelMenu();
    UpdateCaption();
    newDataTimer_.start(100);
}

bool MainWindow::TakeModelOf(const QString& path) {
    const std::optional<int> needed = FileModelType(path.toStdString());
    // An image tells only its code, which the RV7700A and the RV7700AM share. A file of no
    // known model is left to the reader, which refuses it as it always has.
    const bool image = EndsWithIgnoreCase(path.toStdString(), ".hex");
    if (!needed || !IsKnownModel(*needed) || *needed == model_.ModelType ||
        (image && ModelCodeOf(*needed) == ModelCodeOf(model_.ModelType))) {
        return true;
    }
    const QString wanted = QString::fromStdString(ModelNameOf(*needed));
    return OfferModelSwitch(*needed,
                            tr("This file is for the %1; TQ58 is set to the %2.")
                                .arg(wanted, QString::fromStdString(model_.ModelName)),
                            tr("Switch to the %1 and open it?").arg(wanted));
}

// A file or a radio of another model: the model's error names both models. A model that the
// installation offers may be switched to; true when it was.
bool MainWindow::OfferModelSwitch(int needed, const QString& told, const QString& question) {
    const QString text = tr("ModelType Error !!") + "\n\n" + told + "\n";
    const QString wanted = QString::fromStdString(ModelNameOf(needed));
    const int index = needed - 1;
    if (index >= static_cast<int>(offer_.Offered.size()) || !offer_.Offered[index]) {
        messages_.Show(ProgramTitle(),
                       text + tr("This installation does not offer the %1.").arg(wanted),
                       QMessageBox::Critical);
        return false;
    }
    if (messages_.Show(ProgramTitle(), text + question, QMessageBox::Question,
                       QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes) != QMessageBox::Yes) {
        return false;
    }
    SwitchModel(needed);
    return true;
}

// The model changes at once, with new data for it, as the Model menu's deferred New makes it.
void MainWindow::SwitchModel(int modelType) {
    if (auto changed =
            tq58::ChangeModel(modelType - 1, model_, GlobalIniPath(programFolder_), store_)) {
        model_ = *changed;
    }
    ShowModelMenu();
    MakeNewData();
    document_.Replaced({}, false);
}

// A radio of another model, found by the last read: the user may switch to its model and
// read again.
bool MainWindow::OfferModelOfRadio() {
    if (!radioModelType_ || ModelCodeOf(*radioModelType_) == ModelCodeOf(model_.ModelType)) {
        return false;
    }
    const QString wanted = QString::fromStdString(ModelNameOf(*radioModelType_));
    return OfferModelSwitch(*radioModelType_,
                            tr("This radio is an %1; TQ58 is set to the %2.")
                                .arg(wanted, QString::fromStdString(model_.ModelName)),
                            tr("Switch to the %1 and read it again?").arg(wanted));
}

// New data for the selected model with the remembered destination's default image; the
// Destination menu is built anew on the way.
void MainWindow::MakeNewData() {
    (void)NewData(data_, model_,
                  MakeDefaultImageLoader(programFolder_, model_, store_, &destinations_));
    ShowDestinationMenu();
    ShowNewData();
}

void MainWindow::ShowNewData() {
    editor_->RebuildTree();
    editor_->ResetTo("General");
    hexDump_->Refresh(data_);
}

void MainWindow::ShowDestinationMenu() {
    menus_.Destination->setEnabled(destinations_.Enabled);
    for (std::size_t i = 0; i < menus_.Destinations.size(); ++i) {
        QAction* item = menus_.Destinations[i];
        const bool used = i < destinations_.Names.size();
        item->setText(used ? QString::fromStdString(destinations_.Names[i]) : QString());
        item->setVisible(used);
        item->setChecked(static_cast<int>(i) == destinations_.Checked);
    }
}

void MainWindow::ChangeDestination(int index) {
    const bool reload = index == destinations_.Checked;
    if (!ValidateCurrentPage() || !MayReplaceData()) {
        ShowDestinationMenu();
        return;
    }
    const QString name = menus_.Destinations[static_cast<std::size_t>(index)]->text();
    if (!reload && messages_.Show(ProgramTitle(), tr("Do you want to change to %1?").arg(name),
                                  QMessageBox::Warning,
                                  QMessageBox::Ok | QMessageBox::Cancel) != QMessageBox::Ok) {
        ShowDestinationMenu();
        return;
    }
    Outcome outcome;
    {
        BusyScope busy(this);
        editor_->ResetTo("General");
        outcome =
            tq58::ChangeDestination(destinations_, static_cast<std::size_t>(index), programFolder_,
                                    model_, store_, data_, "frmMain.FileReadIni");
        ShowDestinationMenu();
        ShowNewData();
        document_.Replaced({}, false);
    }
    if (!outcome.Ok) {
        LogError(outcome.LogProcedure, outcome.LogDetail);
        messages_.ShowFailure(outcome, ProgramTitle());
    }
}

void MainWindow::ChoosePort(int index) {
    for (std::size_t i = 0; i < menus_.Ports.size(); ++i) {
        menus_.Ports[i]->setChecked(static_cast<int>(i) == index);
    }
    StorePortNumber(store_, index + 1);
}

void MainWindow::ToggleHexDump() {
    hexDump_->parentWidget()->setVisible(menus_.Hexdump->isChecked());
    BusyScope busy(this);
    hexDump_->Refresh(data_);
}

void MainWindow::TransferProgram() {
    if (ValidateCurrentPage() && MayProgram() && RunTransfer(TransferOperation::ProgramToRadio)) {
        document_.Programmed();
    }
}

void MainWindow::TransferRead() {
    if (!ValidateCurrentPage() || !MayReplaceData()) {
        return;
    }
    const auto read = [this] { return RunTransfer(TransferOperation::ReadFromRadio); };
    if (!read() && !(OfferModelOfRadio() && read())) {
        return;
    }
    ShowNewData();
    document_.Replaced({}, false, false, ReadFromRadioOrigin);
    TellOfUnofferedValues();
    WarnOfUserMmsi({});
}

int MainWindow::PortNumber() const {
    return StoredPortNumber(store_);
}

bool MainWindow::RunTransfer(TransferOperation operation) {
    TransferDialog dialog(*this, operation, transferLines_(PortNumber()));
    dialog.exec();
    radioModelType_ = dialog.RadioModelType();
    const bool done = dialog.TransferDone();
    if (!done) {
        return false;
    }
    // The image changed: a read, a program operation's header, a cleared log. A cleared log
    // is shown again from the image as it is now.
    hexDump_->Refresh(data_);
    if (operation == TransferOperation::ClearDscLog ||
        operation == TransferOperation::ClearDistressLog) {
        editor_->ShowCurrentPage();
    }
    return true;
}

void MainWindow::ShowHelp(int context) {
    const QString failure = ShowHelpTopic(this, programFolder_, context);
    if (!failure.isEmpty()) {
        messages_.Show(windowTitle(), failure, QMessageBox::NoIcon);
    }
}

} // namespace tq58
