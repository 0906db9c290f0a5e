// The main window's exchange with other programs and files: a list as CSV out and in, and the
// comparison of the data with another file.
#include "editor/CsvExchange.h"
#include "files/FileMessages.h"
#include "files/ImageFile.h"
#include "files/SettingsFile.h"
#include "files/TextCase.h"
#include "files/WholeFile.h"
#include "gui/CompareWindow.h"
#include "gui/MainWindow.h"
#include "gui/TextCodec.h"
#include "gui/editor/EditorFrame.h"
#include "model/NewData.h"
#include "report/SettingsComparison.h"

#include <QFileInfo>

namespace tq58 {

namespace {

const QString CsvFilter = "csv files(*.csv)|*.csv|All files(*.*)|*.*";
const QString DataOrImageFilter = "dat and hex files(*.dat *.hex)|*.dat;*.hex|All files(*.*)|*.*";
// Refused rows the box lists itself; all of them are behind its details button.
constexpr int RefusalsInBox = 10;

// A refused import: the summary and the first refused rows, every row in the details.
MessageRequest RefusalBox(const QString& title, const std::string& message) {
    QStringList lines = QString::fromStdString(message).split('\n');
    const QString summary = lines.takeFirst();
    MessageRequest box;
    box.Title = title;
    box.Text = summary + "\n\n" + lines.mid(0, RefusalsInBox).join('\n');
    box.Icon = QMessageBox::Warning;
    if (lines.size() > RefusalsInBox) {
        box.Text += QObject::tr("\n... and %1 more; Show Details lists every row.")
                        .arg(lines.size() - RefusalsInBox);
        box.Details = lines.join('\n');
    }
    return box;
}

} // namespace

void MainWindow::ExportCsvList(int index) {
    if (!ValidateCurrentPage()) {
        return;
    }
    const CsvListInfo& list = CsvListTable.at(static_cast<std::size_t>(index));
    const QString path = files_.Ask({FileRequest::Mode::Save, tr("Export %1").arg(list.Title),
                                     QString::fromStdString(programFolder_), CsvFilter});
    if (path.isEmpty()) {
        return;
    }
    const Outcome outcome = RunFileOperation([&] {
        return ReplaceFileContents(path.toStdString(), ExportCsv(data_.Settings, model_, list.List))
            .Reported(FileSaveErrorMessage, MessageIcon::Exclamation);
    });
    ReportFailure(outcome);
}

void MainWindow::ImportCsvFile() {
    if (!ValidateCurrentPage()) {
        return;
    }
    const QString path = files_.Ask({FileRequest::Mode::Open, tr("Import CSV"),
                                     QString::fromStdString(programFolder_), CsvFilter});
    if (path.isEmpty()) {
        return;
    }
    const SettingsRecord before = data_.Settings;
    bool refused = false;
    const Outcome outcome = RunFileOperation([&] {
        std::string text;
        if (const Outcome read = ReadWholeFile(path.toStdString(), text); !read.Ok) {
            return read.Reported(FileReadErrorMessage, MessageIcon::Exclamation);
        }
        const Outcome imported = ImportCsv(data_.Settings, model_, text);
        refused = !imported.Ok;
        return imported;
    });
    if (refused) {
        messages_.Show(RefusalBox(tr("Import CSV"), outcome.Message));
        return;
    }
    ReportFailure(outcome);
    if (outcome.Ok && data_.Settings != before) {
        dataChanged_ = true;
        editor_->RebuildTree();
        editor_->ShowCurrentPage();
    }
}

Outcome MainWindow::LoadOtherFile(const QString& path, RadioData& other) {
    const std::string name = path.toStdString();
    if (EndsWithIgnoreCase(name, ".hex")) {
        (void)NewData(other, model_);
        return ReadHexFileAs(name, other, model_);
    }
    return ReadSettingsFile(name, other, model_, MakeDefaultImageLoader(programFolder_, model_, store_));
}

void MainWindow::CompareWithFile() {
    if (!ValidateCurrentPage()) {
        return;
    }
    const QString path = files_.Ask({FileRequest::Mode::Open, tr("Compare with"),
                                     QString::fromStdString(programFolder_), DataOrImageFilter});
    if (path.isEmpty()) {
        return;
    }
    RadioData other;
    const Outcome outcome = RunFileOperation([&] { return LoadOtherFile(path, other); });
    if (!outcome.Ok) {
        ReportFailure(outcome);
        return;
    }
    const QString current = currentFileName_.empty()
                                ? tr("This data")
                                : QFileInfo(QString::fromStdString(currentFileName_)).fileName();
    CompareWindow window(CompareSettings(data_, model_, other, model_), current,
                         QFileInfo(path).fileName(), this);
    window.exec();
}

} // namespace tq58
