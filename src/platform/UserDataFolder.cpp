#include "platform/UserDataFolder.h"

#include "program/ReadBackups.h"

#include <QDateTime>
#include <QDir>
#include <QStandardPaths>

namespace tq58 {

namespace {

BackupTime LocalTimeNow() {
    const QDateTime now = QDateTime::currentDateTime();
    const QDate date = now.date();
    const QTime time = now.time();
    return {date.year(), date.month(), date.day(), time.hour(), time.minute(), time.second()};
}

} // namespace

std::string UserDataFolder() {
    // Built from the names rather than taken as AppDataLocation, which follows whatever names
    // the running program gave itself: the command line and the window must meet in one folder.
    // On Windows the generic data folder is %LOCALAPPDATA%, where a program's folder is its own
    // name alone.
    const QString shared = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
#ifdef _WIN32
    const QString own = QStringLiteral("TQ58");
#else
    const QString own = QStringLiteral("TQ58/TQ58");
#endif
    return QDir::toNativeSeparators(QDir(shared).filePath(own)).toStdString();
}

std::string BackupsFolder() {
    return QDir::toNativeSeparators(
               QDir(QString::fromStdString(UserDataFolder())).filePath(QStringLiteral("backups")))
        .toStdString();
}

Outcome KeepBackupNow(const std::string& modelName, const Image& image) {
    return KeepReadBackup(BackupsFolder(), modelName, image, LocalTimeNow());
}

} // namespace tq58
