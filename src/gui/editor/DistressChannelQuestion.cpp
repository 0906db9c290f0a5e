#include "gui/editor/DistressChannelQuestion.h"

#include "editor/DistressChannel.h"
#include "gui/Messages.h"
#include "gui/Translations.h"
#include "gui/editor/EditorHost.h"

namespace tq58 {

bool MaySwitchOffChannel(EditorHost& host, int group, int position) {
    return !IsChannel16(group, position) ||
           host.Prompts().Show(host.ProgramTitle(), CoreText("Rules", Channel16Question),
                               QMessageBox::Warning, QMessageBox::Yes | QMessageBox::No,
                               QMessageBox::No) == QMessageBox::Yes;
}

} // namespace tq58
