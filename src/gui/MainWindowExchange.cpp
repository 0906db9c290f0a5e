// The main window's exchange with other programs and files: a list as CSV out and in, and the
// comparison of the data with another file.
#include "editor/ChangeNames.h"
#include "editor/CsvExchange.h"
#include "editor/DistressChannel.h"
#include "files/CsvText.h"
#include "files/FileMessages.h"
#include "files/ImageFile.h"
#include "files/SettingsFile.h"
#include "files/TextCase.h"
#include "files/WholeFile.h"
#include "gui/CompareWindow.h"
#include "gui/MainWindow.h"
#include "gui/TextCodec.h"
#include "gui/Translations.h"
#include "gui/editor/EditorFrame.h"
#include "model/NewData.h"
#include "report/SettingsComparison.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStatusBar>
#include <algorithm>

namespace tq58 {

namespace {

// Refused rows the box lists itself; all of them are behind its details button.
constexpr int RefusalsInBox = 10;
// How long the count of rows exchanged stays in the status bar.
constexpr int StatusMessageMs = 10000;

// The label of the message box's details button as Qt shows it, without its dots.
QString DetailsButtonText() {
    // Qt's translation holds it, not the program's: lupdate leaves a context in a variable alone.
    const char* const messageBoxContext = "QMessageBox";
    QString label = QCoreApplication::translate(messageBoxContext, "Show Details...");
    while (label.endsWith('.') || label.endsWith(QChar(0x2026))) {
        label.chop(1);
    }
    return label;
}

// A refused import: the summary and the first refused rows, every row in the details.
MessageRequest RefusalBox(const QString& title, const std::vector<Phrase>& told) {
    QStringList lines;
    for (const Phrase& line : told) {
        lines << Translated(line);
    }
    const QString summary = lines.takeFirst();
    MessageRequest box;
    box.Title = title;
    box.Text = summary + "\n\n" + lines.mid(0, RefusalsInBox).join('\n');
    box.Icon = QMessageBox::Warning;
    if (lines.size() > RefusalsInBox) {
        //: %2 is the message box's own button, "Show Details" in the user's language.
        box.Text += QCoreApplication::translate("MainWindowExchange",
                                                "\n... and %1 more; %2 lists every row.")
                        .arg(lines.size() - RefusalsInBox)
                        .arg(DetailsButtonText());
        box.Details = lines.join('\n');
    }
    return box;
}

// The rows below the heading row.
int DataRowCount(const std::string& csv) {
    return std::max(0, static_cast<int>(ParseCsv(csv).Rows.size()) - 1);
}

// "Import 12 directory entries": the undo step of an import.
StepName ImportStepName(const std::string& csv) {
    const auto rows = ParseCsv(csv).Rows;
    const auto list = rows.empty() || rows.front().Cells.empty()
                          ? std::nullopt
                          : CsvListHeaded(rows.front().Cells.front());
    return RowsStepName(RowsCommand::Import, list.value_or(CsvList::Exp), DataRowCount(csv));
}

} // namespace

void MainWindow::ShowRowCount(const QString& counted, const QString& path) {
    statusBar()->showMessage(counted.arg(QDir::toNativeSeparators(path)), StatusMessageMs);
}

void MainWindow::ExportCsvList(int index) {
    if (!ValidateCurrentPage()) {
        return;
    }
    const CsvListInfo& list = CsvListTable.at(static_cast<std::size_t>(index));
    const QString path = files_.Ask({FileRequest::Mode::Save,
                                     tr("Export %1").arg(CoreText("Csv", list.Title)),
                                     {},
                                     NameFilter(tr("csv files"), "*.csv"),
                                     {}});
    if (path.isEmpty()) {
        return;
    }
    const std::string csv = ExportCsv(data_.Settings, model_, list.List);
    const Outcome outcome = RunFileOperation([&] {
        return ReplaceFileContents(path.toStdString(), csv)
            .Reported(FileSaveErrorMessage, MessageIcon::Exclamation);
    });
    ReportFailure(outcome);
    if (outcome.Ok) {
        ShowRowCount(DataRowCount(csv) == 1
                         ? tr("1 row exported to %1")
                         : tr("%n rows exported to %1", nullptr, DataRowCount(csv)),
                     path);
    }
}

void MainWindow::ImportCsvFile() {
    if (!ValidateCurrentPage()) {
        return;
    }
    const QString path = files_.Ask(
        {FileRequest::Mode::Open, tr("Import CSV"), {}, NameFilter(tr("csv files"), "*.csv"), {}});
    if (path.isEmpty()) {
        return;
    }
    const SettingsRecord before = data_.Settings;
    bool refused = false;
    std::string text;
    std::vector<Phrase> told;
    const Outcome outcome = RunFileOperation([&] {
        if (const Outcome read = ReadWholeFile(path.toStdString(), text); !read.Ok) {
            return read.Reported(FileReadErrorMessage, MessageIcon::Exclamation);
        }
        const Outcome imported = ImportCsv(data_.Settings, model_, text, &told);
        refused = !imported.Ok;
        return imported;
    });
    if (refused) {
        messages_.Show(RefusalBox(tr("Import CSV"), told));
        return;
    }
    ReportFailure(outcome);
    if (!outcome.Ok) {
        return;
    }
    ShowRowCount(DataRowCount(text) == 1
                     ? tr("1 row imported from %1")
                     : tr("%n rows imported from %1", nullptr, DataRowCount(text)),
                 path);
    if (data_.Settings != before) {
        CommitStep(ImportStepName(text));
        editor_->RebuildTree();
        editor_->ShowCurrentPage();
        WarnOfChannel16Off(path, GroupsWithChannel16Off(before));
    }
}

Outcome MainWindow::LoadOtherFile(const QString& path, RadioData& other) {
    const std::string name = path.toStdString();
    if (EndsWithIgnoreCase(name, ".hex")) {
        (void)NewData(other, model_);
        return ReadHexFileAs(name, other, model_, "frmMain.ReadHexFileAs");
    }
    return ReadSettingsFile(name, other, model_, "frmMain.FileRead2",
                            MakeDefaultImageLoader(programFolder_, model_, store_));
}

void MainWindow::CompareWithFile() {
    if (!ValidateCurrentPage()) {
        return;
    }
    const QString path = files_.Ask({FileRequest::Mode::Open,
                                     tr("Compare with"),
                                     {},
                                     NameFilter(tr("dat and hex files"), "*.dat *.hex"),
                                     {}});
    if (path.isEmpty()) {
        return;
    }
    RadioData other;
    const Outcome outcome = RunFileOperation([&] { return LoadOtherFile(path, other); });
    if (!outcome.Ok) {
        ReportFailure(outcome);
        return;
    }
    const QString current = document_.FileName().isEmpty()
                                ? tr("This data")
                                : QFileInfo(document_.FileName()).fileName();
    CompareWindow window(CompareSettings(data_, model_, other, model_), current,
                         QFileInfo(path).fileName(), this);
    window.exec();
}

} // namespace tq58
