#include "gui/FileChooser.h"

#include "program/SettingsStore.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QStandardPaths>

namespace tq58 {

namespace {

constexpr const char* LastFolderSection = "LastFolder";

// "dat files(*.dat)|*.dat|..." is a request for "dat" files.
QString UseOf(const FileRequest& request) {
    if (!request.Use.isEmpty()) {
        return request.Use;
    }
    const QStringList parts = request.Filter.split('|');
    return parts.size() > 1 ? parts[1].section('.', -1).toLower() : QString("other");
}

} // namespace

QStringList NameFilters(const QString& filter) {
    const QStringList parts = filter.split('|');
    QStringList names;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        names << parts[i];
    }
    return names;
}

QString FileChooser::Ask(FileRequest request) {
    const std::string use = UseOf(request).toStdString();
    const QString last = QString::fromStdString(store_.Read(LastFolderSection, use, ""));
    if (!last.isEmpty() && QFileInfo(last).isDir()) {
        request.Folder = last;
    } else if (request.Folder.isEmpty()) {
        request.Folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    }
    const QString path = answerer_ ? answerer_(request) : Show(request);
    if (!path.isEmpty()) {
        store_.Write(LastFolderSection, use, QFileInfo(path).absolutePath().toStdString());
    }
    return path;
}

QString FileChooser::Show(const FileRequest& request) const {
    const bool open = request.Kind == FileRequest::Mode::Open;
    QFileDialog dialog(parent_, request.Title, request.Folder);
    dialog.setObjectName(open ? "dlgOpen" : "dlgSave");
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setNameFilters(NameFilters(request.Filter));
    dialog.setAcceptMode(open ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
    dialog.setFileMode(open ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return dialog.selectedFiles().constFirst();
}

} // namespace tq58
