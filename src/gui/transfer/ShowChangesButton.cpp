#include "gui/transfer/ShowChangesButton.h"

#include "gui/CompareWindow.h"
#include "gui/TextCodec.h"
#include "platform/UserDataFolder.h"
#include "program/BackupChanges.h"

#include <QCoreApplication>
#include <QDir>
#include <QPushButton>

namespace tq58 {

namespace {

// The comparison opens beside the transfer dialog without a loop of its own, so that a
// transfer running meanwhile goes on.
void ShowChanges(const BackupChanges& changes, QWidget* dialog) {
    const QString date = ToQt(changes.BackupDate);
    auto* window = new CompareWindow(
        changes.Differences,
        QCoreApplication::translate("ShowChangesButton", "Backup of %1").arg(date),
        QCoreApplication::translate("ShowChangesButton", "To be written"), dialog);
    window->setObjectName("frmChanges");
    window->ShowKept(changes.Kept);
    window->setWindowTitle(
        QCoreApplication::translate("ShowChangesButton", "Changes since the backup of %1")
            .arg(date));
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
}

} // namespace

QPushButton* MakeShowChangesButton(const RadioData& data, const ModelState& model,
                                   QWidget* dialog) {
    BackupChanges changes = ChangesSinceNewestBackup(BackupsFolder(), data, model);
    if (!changes.Found()) {
        return nullptr;
    }
    auto* button =
        new QPushButton(QCoreApplication::translate("ShowChangesButton", "Show changes"), dialog);
    button->setObjectName("cmdShowChanges");
    button->setAccessibleName(button->text());
    button->setAutoDefault(false);
    button->setToolTip(
        QCoreApplication::translate("ShowChangesButton",
                                    "What programming changes against the backup of %1 (%2)")
            .arg(ToQt(changes.BackupDate), QDir::toNativeSeparators(ToQt(changes.BackupPath))));
    QObject::connect(button, &QPushButton::clicked, dialog,
                     [changes = std::move(changes), dialog] { ShowChanges(changes, dialog); });
    return button;
}

} // namespace tq58
