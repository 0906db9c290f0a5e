#include "gui/FileChooser.h"

#include <QFileDialog>

namespace tq58 {

QStringList NameFilters(const QString& filter) {
    const QStringList parts = filter.split('|');
    QStringList names;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        names << parts[i];
    }
    return names;
}

QString FileChooser::Ask(const FileRequest& request) {
    if (answerer_) {
        return answerer_(request);
    }
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
