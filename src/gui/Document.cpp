#include "gui/Document.h"

#include "program/RecentFiles.h"
#include "report/PrintedReport.h"

#include <QFileInfo>

namespace tq58 {

Document::Document(SettingsStore& store, const RadioData& data, QObject* parent)
    : QObject(parent), store_(store), data_(data) {}

void Document::SetChanged(bool changed) {
    if (changed != state_.Changed()) {
        state_.SetChanged(changed);
        emit ChangedStateChanged(changed);
    }
}

void Document::Replaced(const QString& fileName, bool settingsFile, bool changed,
                        const QString& origin) {
    const bool wasChanged = state_.Changed();
    origin_ = !origin.isEmpty()    ? origin
              : fileName.isEmpty() ? QString(NewDataOrigin)
                                   : QFileInfo(fileName).fileName();
    state_.Replaced(fileName.toStdString(), settingsFile, changed);
    userMmsiBefore_ = data_.Settings.DscBasicSetup.UserMmsi;
    Remember(fileName, settingsFile);
    if (wasChanged != changed) {
        emit ChangedStateChanged(changed);
    }
    emit DataReplaced(changed);
}

void Document::Saved(const QString& fileName) {
    const bool wasChanged = state_.Changed();
    state_.Saved(fileName.toStdString());
    origin_ = QFileInfo(fileName).fileName();
    Remember(fileName, true);
    if (wasChanged) {
        emit ChangedStateChanged(false);
    }
    emit DataSaved();
}

void Document::Programmed() {
    userMmsiBefore_ = data_.Settings.DscBasicSetup.UserMmsi;
}

void Document::Remember(const QString& fileName, bool settingsFile) {
    if (settingsFile && !fileName.isEmpty()) {
        RememberRecentFile(store_, QFileInfo(fileName).absoluteFilePath().toStdString());
        emit RecentFilesChanged();
    }
    emit FileNameChanged();
}

bool Document::MayDiscardChanges(const std::function<SaveAnswer()>& ask,
                                 const std::function<bool()>& save) const {
    return tq58::MayDiscardChanges(state_, ask, save);
}

std::vector<std::string> Document::RecentFiles() const {
    return ReadRecentFiles(store_);
}

void Document::ForgetRecentFile(const std::string& path) {
    tq58::ForgetRecentFile(store_, path);
    emit RecentFilesChanged();
}

} // namespace tq58
