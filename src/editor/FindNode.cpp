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

bool Finds(const SettingsRecord& settings, const NodeRef& node, std::string_view text) {
    switch (node.Kind) {
    case NodeKind::PlanChannel:
    case NodeKind::ExpChannel:
        return FindsChannel(settings, node, text);
    case NodeKind::DirectoryEntry:
        return FindsEntry(settings, node, text);
    default:
        return false;
    }
}

} // namespace

FoundNode FindNode(const SettingsRecord& settings, const ModelState& model, const std::string& text,
                   const std::string& from, FindDirection direction) {
    const std::string_view wanted = TrimBlanks(text);
    if (wanted.empty()) {
        return {};
    }
    const std::vector<TreeNode> tree = BuildNavigationTree(settings, model);
    const auto count = static_cast<std::ptrdiff_t>(tree.size());
    std::ptrdiff_t start = direction == FindDirection::Forward ? -1 : count;
    for (std::ptrdiff_t i = 0; i < count && !from.empty(); ++i) {
        if (EqualsIgnoreCase(tree[static_cast<std::size_t>(i)].Key, from)) {
            start = i;
        }
    }
    const std::ptrdiff_t step = direction == FindDirection::Forward ? 1 : -1;
    for (std::ptrdiff_t n = 1; n <= count; ++n) {
        const std::ptrdiff_t at = start + n * step;
        const TreeNode& node = tree[static_cast<std::size_t>((at % count + count) % count)];
        if (Finds(settings, node.Node, wanted)) {
            return {node.Key, at < 0 || at >= count};
        }
    }
    return {};
}

} // namespace tq58
