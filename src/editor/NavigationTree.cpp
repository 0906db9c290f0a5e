#include "editor/NavigationTree.h"

#include "editor/ChannelLists.h"
#include "files/TextCase.h"
#include "model/ChannelTable.h"

#include <array>
#include <charconv>

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
    {"DSCSetting", TQ58_TEXT("Tree", "DSC"), NodeKind::Grey},
    {"SM", TQ58_TEXT("Tree", "Individual Directory"), NodeKind::DirectoryGrid},
    {"SG", TQ58_TEXT("Tree", "Group Directory"), NodeKind::DirectoryGrid, GroupDirectory},
    {"ExpChannel", TQ58_TEXT("Tree", "EXP Channel"), NodeKind::ExpGrid, GroupExp},
}};

constexpr std::array<const char*, 3> PlanPrefixes{"PU", "PI", "PC"};
constexpr std::array<const char*, 2> DirectoryPrefixes{"SM", "SG"};
constexpr std::array<int, 2> DirectorySizes{IndividualDirectorySize, GroupDirectorySize};

const FixedNode* FindFixed(const std::string& upperKey) {
    for (const FixedNode& node : FixedNodes) {
        if (upperKey == ToUpperAscii(node.key)) {
            return &node;
        }
    }
    return nullptr;
}

// The number after a key's prefix; absent unless the rest is all digits.
std::optional<int> NumberAfter(const std::string& key, std::size_t prefixLength) {
    const char* first = key.data() + prefixLength;
    const char* last = key.data() + key.size();
    int value = 0;
    const auto [end, error] = std::from_chars(first, last, value);
    if (first == last || error != std::errc() || end != last || *first == '-') {
        return std::nullopt;
    }
    return value;
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

Phrase TextOf(const NodeRef& node, const std::string& upperKey, const SettingsRecord& settings) {
    switch (node.Kind) {
    case NodeKind::GroupGrid:
        return GroupNodeText(settings, node.Group);
    case NodeKind::PlanChannel: {
        const auto& list = ChannelList(settings, node.Group);
        if (node.Index >= static_cast<int>(list.size())) {
            return {};
        }
        const ChannelRecord& channel = list[static_cast<std::size_t>(node.Index)];
        return Marked(ChannelCaption, ChannelLabel(channel), channel.Enable);
    }
    case NodeKind::ExpChannel:
        return Marked(ExpCaption, std::to_string(node.Index + 1),
                      settings.CHEXP[static_cast<std::size_t>(node.Index)].Enable);
    case NodeKind::DirectoryEntry: {
        const bool enabled = node.Group == IndividualDirectory
                                 ? settings.CHMMSID[static_cast<std::size_t>(node.Index)].Enable
                                 : settings.CHGRPID[static_cast<std::size_t>(node.Index)].Enable;
        return Marked(DirectoryEntryCaptions[static_cast<std::size_t>(node.Group)],
                      std::to_string(node.Index + 1), enabled);
    }
    default:
        return Phrase{"Tree", FindFixed(upperKey)->text, {}};
    }
}

class TreeBuilder {
public:
    explicit TreeBuilder(const SettingsRecord& settings) : settings_(settings) {}

    void Add(const std::string& key, const std::string& parent) {
        nodes_.push_back({key, NodeText(key, settings_), parent});
    }
    void AddChannelGroup(int group) {
        const std::string parent = PlanPrefixes[static_cast<std::size_t>(group)];
        Add(parent, "Program");
        const auto count = static_cast<int>(ChannelList(settings_, group).size());
        for (int index = 0; index < count; ++index) {
            Add(ChannelNodeKey(group, index), parent);
        }
    }
    void AddDirectory(int directory) {
        const std::string parent = DirectoryPrefixes[static_cast<std::size_t>(directory)];
        Add(parent, "DSCSetting");
        for (int index = 0; index < DirectorySizes[static_cast<std::size_t>(directory)]; ++index) {
            Add(DirectoryNodeKey(directory, index), parent);
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

std::optional<NodeRef> ParseNodeKey(const std::string& key) {
    const std::string upper = ToUpperAscii(key);
    if (const FixedNode* fixed = FindFixed(upper)) {
        return NodeRef{fixed->kind, fixed->group, 0};
    }
    for (int group = 0; group < 3; ++group) {
        if (upper.rfind(PlanPrefixes[static_cast<std::size_t>(group)], 0) == 0) {
            const auto index = NumberAfter(upper, 2);
            if (!index || *index >= PlanListSize) {
                return std::nullopt;
            }
            return NodeRef{NodeKind::PlanChannel, group, *index};
        }
    }
    for (int directory = 0; directory < 2; ++directory) {
        if (upper.rfind(DirectoryPrefixes[static_cast<std::size_t>(directory)], 0) == 0) {
            const auto number = NumberAfter(upper, 2);
            if (!number || *number < 1 ||
                *number > DirectorySizes[static_cast<std::size_t>(directory)]) {
                return std::nullopt;
            }
            return NodeRef{NodeKind::DirectoryEntry, directory, *number - 1};
        }
    }
    if (upper.rfind('E', 0) == 0) {
        const auto number = NumberAfter(upper, 1);
        if (number && *number >= 1 && *number <= ExpChannelCount) {
            return NodeRef{NodeKind::ExpChannel, GroupExp, *number - 1};
        }
    }
    return std::nullopt;
}

Phrase NodeCaption(const std::string& key, const SettingsRecord& settings) {
    const std::optional<NodeRef> node = ParseNodeKey(key);
    return node ? TextOf(*node, ToUpperAscii(key), settings) : Phrase{};
}

std::string NodeText(const std::string& key, const SettingsRecord& settings) {
    return NodeCaption(key, settings).English();
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
            tree.Add(ChannelNodeKey(GroupExp, index), "ExpChannel");
        }
    }
    return tree.Take();
}

} // namespace tq58
