#pragma once

#include "model/RadioData.h"
#include "program/DocumentState.h"
#include "program/SettingsStore.h"

#include <QObject>
#include <QString>
#include <functional>
#include <string>
#include <vector>

namespace tq58 {

// The window's document: the current file, whether the data changed since it was made,
// opened, read or saved, and the recent settings files. Every command that replaces the data
// tells it so; the window follows its signals for the caption and the File menu.
class Document : public QObject {
    Q_OBJECT

public:
    Document(SettingsStore& store, const RadioData& data, QObject* parent = nullptr);

    QString FileName() const { return QString::fromStdString(state_.FileName()); }
    bool IsSettingsFile() const { return state_.IsSettingsFile(); }
    bool Changed() const { return state_.Changed(); }
    void SetChanged(bool changed);

    // New data took the old data's place; a settings file also heads the recent files. The
    // origin names where data without a file came from (a read, a backup).
    void Replaced(const QString& fileName, bool settingsFile, bool changed = false,
                  const QString& origin = {});
    // Where the data came from: the origin given, else the file's name, else "new data".
    QString Origin() const { return origin_; }
    void Saved(const QString& fileName);
    // The User MMSI the data held when it was made, opened or read, or last went into the
    // radio: a different one is typed a second time before Program to Radio writes it.
    const std::string& UserMmsiBefore() const { return userMmsiBefore_; }
    // The data went into the radio: its User MMSI is the radio's now.
    void Programmed();
    // Asks before changed data is replaced: Yes runs save and goes on only when it succeeded.
    bool MayDiscardChanges(const std::function<SaveAnswer()>& ask,
                           const std::function<bool()>& save) const;

    std::vector<std::string> RecentFiles() const;
    void ForgetRecentFile(const std::string& path);

signals:
    void ChangedStateChanged(bool changed);
    void FileNameChanged();
    void RecentFilesChanged();
    // New data took the old data's place; changed: it is not as in a file.
    void DataReplaced(bool changed);
    void DataSaved();

private:
    void Remember(const QString& fileName, bool settingsFile);

    SettingsStore& store_;
    const RadioData& data_;
    DocumentState state_;
    std::string userMmsiBefore_;
    QString origin_;
};

} // namespace tq58
