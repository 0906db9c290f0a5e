#include "editor/NavigationTree.h"

#include "editor/ChannelLists.h"
#include "model/ChannelTable.h"

#include <array>

namespace tq58 {

namespace {

struct FixedNode {
    const char* key;
    const char* text;
    NodeKind kind;
    int group = 0;
};

constexpr std::array<FixedNode, 14> FixedNodes{{
    {"General", TQ58_TEXT("Tree", "General"), NodeKind::General},
    {"Usable", TQ58_TEXT("Tree", "Usable CH Group Setup"), NodeKind::Usable},
    {"Common", TQ58_TEXT("Tree", "Common Setup"), NodeKind::Common},
    {"DSC", TQ58_TEXT("Tree", "DSC Setup"), NodeKind::Dsc},
    {"ATIS", TQ58_TEXT("Tree", "ATIS Setup"), NodeKind::Atis},
    {"Program", TQ58_TEXT("Tree", "Programable Channel"), NodeKind::Grey},
    {"PU", TQ58_TEXT("Tree", "Group1"), NodeKind::GroupGrid, GroupUsa},
    {"PI", TQ58_TEXT("Tree", "Group2"), NodeKind::GroupGrid, GroupIntl},
    {"PC", TQ58_TEXT("Tree", "Group3"), NodeKind::GroupGrid, GroupCanada},
    {"PW", TQ58_TEXT("Tree", "Weather"), NodeKind::Weather},
    {"DSCSetting", TQ58_TEXT("Tree", "DSC"), NodeKind::Grey, 1},
    {"SM", TQ58_TEXT("Tree", "Individual Directory"), NodeKind::DirectoryGrid},
    {"SG", TQ58_TEXT("Tree", "Group Directory"), NodeKind::DirectoryGrid, GroupDirectory},
    {"ExpChannel", TQ58_TEXT("Tree", "EXP Channel"), NodeKind::ExpGrid, GroupExp},
}};

constexpr std::array<const char*, 3> PlanPrefixes{"PU", "PI", "PC"};
constexpr std::array<const char*, 2> DirectoryPrefixes{"SM", "SG"};
constexpr std::array<int, 2> DirectorySizes{IndividualDirectorySize, GroupDirectorySize};

const FixedNode& FixedNodeOf(const std::string& key) {
    for (const FixedNode& node : FixedNodes) {
        if (key == node.key) {
            return node;
        }
    }
    return FixedNodes.front();
}

const FixedNode* FixedNodeOf(const NodeRef& ref) {
    for (const FixedNode& node : FixedNodes) {
        if (ref == NodeRef{node.kind, node.group, 0}) {
            return &node;
        }
    }
    return nullptr;
}

bool InRange(int index, std::size_t size) {
    return index >= 0 && static_cast<std::size_t>(index) < size;
}

// A numbered node's caption, and the same with the mark of an enabled record.
struct NumberedCaption {
    const char* plain;
    const char* enabled;
};

constexpr NumberedCaption ChannelCaption{TQ58_TEXT("Tree", "CH%1"),
                                         TQ58_TEXT("Tree", "CH%1[Enable]")};
constexpr NumberedCaption ExpCaption{TQ58_TEXT("Tree", "EXP%1"),
                                     TQ58_TEXT("Tree", "EXP%1[Enable]")};
constexpr std::array<NumberedCaption, 2> DirectoryEntryCaptions{{
    {TQ58_TEXT("Tree", "Memory ID%1"), TQ58_TEXT("Tree", "Memory ID%1[Enable]")},
    {TQ58_TEXT("Tree", "Group ID%1"), TQ58_TEXT("Tree", "Group ID%1[Enable]")},
}};

Phrase Marked(const NumberedCaption& caption, std::string number, bool enabled) {
    return Phrase{"Tree", enabled ? caption.enabled : caption.plain, {std::move(number)}};
}

std::string ChannelLabel(const ChannelRecord& channel) {
    const auto& table = ChannelTable();
    const bool known = channel.Position >= 0 && channel.Position < static_cast<int>(table.size());
    return known ? table[static_cast<std::size_t>(channel.Position)].ChLabel : "?";
}

Phrase GroupNodeText(const SettingsRecord& settings, int group) {
    const std::string& status = settings.UsableChGroup[static_cast<std::size_t>(group)].StatusName;
    const std::string number = std::to_string(group + 1);
    return status.empty() ? Phrase{TQ58_PHRASE("Tree", "Group%1"), {number}}
                          : Phrase{TQ58_PHRASE("Tree", "Group%1(%2)"), {number, status}};
}

Phrase PlanChannelText(const NodeRef& node, const SettingsRecord& settings) {
    if (!InRange(node.Group, PlanPrefixes.size())) {
        return {};
    }
    const auto& list = ChannelList(settings, node.Group);
    if (!InRange(node.Index, list.size())) {
        return {};
    }
    const ChannelRecord& channel = list[static_cast<std::size_t>(node.Index)];
    return Marked(ChannelCaption, ChannelLabel(channel), channel.Enable);
}

Phrase DirectoryEntryText(const NodeRef& node, const SettingsRecord& settings) {
    const bool individual = node.Group == IndividualDirectory;
    if (!InRange(node.Index, individual ? settings.CHMMSID.size() : settings.CHGRPID.size())) {
        return {};
    }
    const auto index = static_cast<std::size_t>(node.Index);
    const bool enabled =
        individual ? settings.CHMMSID[index].Enable : settings.CHGRPID[index].Enable;
    return Marked(DirectoryEntryCaptions[individual ? 0 : 1], std::to_string(node.Index + 1),
                  enabled);
}

class TreeBuilder {
public:
    explicit TreeBuilder(const SettingsRecord& settings) : settings_(settings) {}

    // A node of fixed key: its kind and group come with the key.
    void Add(const std::string& key, const std::string& parent) {
        const FixedNode& fixed = FixedNodeOf(key);
        Add(key, {fixed.kind, fixed.group, 0}, parent);
    }
    void Add(const std::string& key, const NodeRef& node, const std::string& parent) {
        nodes_.push_back({key, node, NodeText(node, settings_), parent});
    }
    void AddChannelGroup(int group) {
        const std::string parent = PlanPrefixes[static_cast<std::size_t>(group)];
        Add(parent, "Program");
        const auto count = static_cast<int>(ChannelList(settings_, group).size());
        for (int index = 0; index < count; ++index) {
            Add(ChannelNodeKey(group, index), {NodeKind::PlanChannel, group, index}, parent);
        }
    }
    void AddDirectory(int directory) {
        const std::string parent = DirectoryPrefixes[static_cast<std::size_t>(directory)];
        Add(parent, "DSCSetting");
        for (int index = 0; index < DirectorySizes[static_cast<std::size_t>(directory)]; ++index) {
            Add(DirectoryNodeKey(directory, index), {NodeKind::DirectoryEntry, directory, index},
                parent);
        }
    }
    std::vector<TreeNode> Take() { return std::move(nodes_); }

private:
    const SettingsRecord& settings_;
    std::vector<TreeNode> nodes_;
};

} // namespace

std::string ChannelNodeKey(int group, int index) {
    if (group == GroupExp) {
        return "E" + std::to_string(index + 1);
    }
    return PlanPrefixes[static_cast<std::size_t>(group)] + std::to_string(index);
}

std::string DirectoryNodeKey(int directory, int index) {
    return DirectoryPrefixes[static_cast<std::size_t>(directory)] + std::to_string(index + 1);
}

Phrase NodeCaption(const NodeRef& node, const SettingsRecord& settings) {
    switch (node.Kind) {
    case NodeKind::GroupGrid:
        return InRange(node.Group, PlanPrefixes.size()) ? GroupNodeText(settings, node.Group)
                                                        : Phrase{};
    case NodeKind::PlanChannel:
        return PlanChannelText(node, settings);
    case NodeKind::ExpChannel:
        return InRange(node.Index, settings.CHEXP.size())
                   ? Marked(ExpCaption, std::to_string(node.Index + 1),
                            settings.CHEXP[static_cast<std::size_t>(node.Index)].Enable)
                   : Phrase{};
    case NodeKind::DirectoryEntry:
        return DirectoryEntryText(node, settings);
    default: {
        const FixedNode* fixed = FixedNodeOf(node);
        return fixed ? Phrase{"Tree", fixed->text, {}} : Phrase{};
    }
    }
}

std::string NodeText(const NodeRef& node, const SettingsRecord& settings) {
    return NodeCaption(node, settings).English();
}

std::vector<TreeNode> BuildNavigationTree(const SettingsRecord& settings, const ModelState& model) {
    TreeBuilder tree(settings);
    tree.Add("General", "");
    tree.Add("Usable", "General");
    tree.Add("Common", "General");
    tree.Add("DSC", "General");
    if (model.AtisAvailable) {
        tree.Add("ATIS", "General");
    }
    tree.Add("Program", "");
    for (int group = GroupUsa; group <= GroupCanada; ++group) {
        if (settings.UsableChGroup[static_cast<std::size_t>(group)].Enable) {
            tree.AddChannelGroup(group);
        }
    }
    tree.Add("PW", "Program");
    tree.Add("DSCSetting", "");
    tree.AddDirectory(IndividualDirectory);
    tree.AddDirectory(GroupDirectory);
    if (settings.UsableChGroup[GroupExp].Enable) {
        tree.Add("ExpChannel", "");
        for (int index = 0; index < ExpChannelCount; ++index) {
            tree.Add(ChannelNodeKey(GroupExp, index), {NodeKind::ExpChannel, GroupExp, index},
                     "ExpChannel");
        }
    }
    return tree.Take();
}

} // namespace tq58
