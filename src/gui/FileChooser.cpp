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

// "dat files(*.dat);;All files(*.*)" is a request for "dat" files.
QString UseOf(const FileRequest& request) {
    if (!request.Use.isEmpty()) {
        return request.Use;
    }
    const QRegularExpressionMatch first =
        QRegularExpression(R"(\(\*\.(\w+))").match(request.Filter);
    return first.hasMatch() ? first.captured(1).toLower() : QString("other");
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
    dialog.setNameFilter(request.Filter);
    dialog.setAcceptMode(open ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
    dialog.setFileMode(open ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return dialog.selectedFiles().constFirst();
}

} // namespace tq58
