#include "gui/FileChooser.h"

#include "program/SettingsStore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>

namespace tq58 {

namespace {

constexpr const char* LastFolderSection = "LastFolder";

// "dat files(*.dat);;All files(*.*)" is a request for "dat" files; empty for no such filter.
QString FirstSuffix(const QString& filter) {
    const QRegularExpressionMatch first = QRegularExpression(R"(\(\*\.(\w+))").match(filter);
    return first.hasMatch() ? first.captured(1).toLower() : QString();
}

QString UseOf(const FileRequest& request) {
    if (!request.Use.isEmpty()) {
        return request.Use;
    }
    const QString suffix = FirstSuffix(request.Filter);
    return suffix.isEmpty() ? QString("other") : suffix;
}

// A name typed without an extension gets the one of the kind of file, so that the file is
// found again where that kind is listed ("meinboot" is saved as "meinboot.dat").
QString WithSuffix(const QString& path, const FileRequest& request) {
    const QString suffix = FirstSuffix(request.Filter);
    const bool add = request.Kind == FileRequest::Mode::Save && !path.isEmpty() &&
                     !suffix.isEmpty() && QFileInfo(path).suffix().isEmpty();
    return add ? path + "." + suffix : path;
}

} // namespace

QString NameFilter(const QString& shownName, const QString& patterns) {
    return QString("%1(%2);;%3(*.*)")
        .arg(shownName, patterns, QCoreApplication::translate("FileChooser", "All files"));
}

QString FileChooser::Ask(FileRequest request) {
    const std::string use = UseOf(request).toStdString();
    const QString last = QString::fromStdString(store_.Read(LastFolderSection, use, ""));
    if (!last.isEmpty() && QFileInfo(last).isDir()) {
        request.Folder = last;
    } else if (request.Folder.isEmpty()) {
        request.Folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    }
    const QString path = WithSuffix(answerer_ ? answerer_(request) : Show(request), request);
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
    dialog.setNameFilter(request.Filter);
    dialog.setAcceptMode(open ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
    dialog.setFileMode(open ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    if (!open) {
        // The dialog adds the extension itself, so that it asks before it replaces such a file.
        dialog.setDefaultSuffix(FirstSuffix(request.Filter));
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return dialog.selectedFiles().constFirst();
}

} // namespace tq58
