#include "gui/DistressChannelWarning.h"

#include "editor/DistressChannel.h"
#include "editor/GroupCaptions.h"
#include "gui/Translations.h"

#include <QCoreApplication>
#include <QDir>
#include <algorithm>

namespace tq58 {

QString Channel16OffWarning(const QString& path, const SettingsRecord& settings,
                            const std::vector<int>& offBefore) {
    QStringList groups;
    for (const int group : GroupsWithChannel16Off(settings)) {
        if (std::find(offBefore.begin(), offBefore.end(), group) == offBefore.end()) {
            groups << Translated(GroupTitle(group));
        }
    }
    if (groups.isEmpty()) {
        return {};
    }
    return QDir::toNativeSeparators(path) + "\n\n" +
           QCoreApplication::translate(
               "DistressChannelWarning",
               "Channel 16 is switched off in %1. It is the international distress, "
               "safety and calling channel.\nThe data was taken as it is; switch it on "
               "again on the channel's page.")
               .arg(groups.join(", "));
}

} // namespace tq58
