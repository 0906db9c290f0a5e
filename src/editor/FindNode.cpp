#include "editor/FindNode.h"

#include "editor/ChannelLists.h"
#include "editor/DirectoryRules.h"
#include "editor/NavigationTree.h"
#include "files/TextCase.h"
#include "model/ChannelText.h"

namespace tq58 {

namespace {

bool SameName(const std::string& name, std::string_view text) {
    return !name.empty() && EqualsIgnoreCase(TrimBlanks(name), text);
}

bool FindsChannel(const SettingsRecord& settings, const NodeRef& node, std::string_view text) {
    const ChannelRecord& channel =
        ChannelList(settings, node.Group).at(static_cast<std::size_t>(node.Index));
    if (SameName(channel.ChTag, text)) {
        return true;
    }
    if (node.Kind == NodeKind::ExpChannel) {
        const std::string number = std::to_string(node.Index + 1);
        return text == number || EqualsIgnoreCase(text, "EXP" + number);
    }
    return EqualsIgnoreCase(ChannelEntryAt(channel.Position).ChLabel, text);
}

bool FindsEntry(const SettingsRecord& settings, const NodeRef& node, std::string_view text) {
    const DirectoryRecord& entry =
        DirectoryEntries(settings, node.Group)[static_cast<std::size_t>(node.Index)];
    return SameName(entry.TagName, text) ||
           (!entry.Mmsid.empty() &&
            (text == MmsiColumnText(entry.Mmsid) || text == EnteredMmsi(entry.Mmsid, node.Group)));
}

} // namespace

std::string FindNode(const SettingsRecord& settings, const ModelState& model,
                     const std::string& text) {
    const std::string_view wanted = TrimBlanks(text);
    if (wanted.empty()) {
        return {};
    }
    for (const TreeNode& tree : BuildNavigationTree(settings, model)) {
        const NodeRef& node = tree.Node;
        const bool found = (node.Kind == NodeKind::PlanChannel || node.Kind == NodeKind::ExpChannel)
                               ? FindsChannel(settings, node, wanted)
                           : node.Kind == NodeKind::DirectoryEntry
                               ? FindsEntry(settings, node, wanted)
                               : false;
        if (found) {
            return tree.Key;
        }
    }
    return {};
}

} // namespace tq58
