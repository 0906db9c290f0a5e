#pragma once

#include "model/ModelState.h"
#include "model/Phrase.h"
#include "model/SettingsRecord.h"

#include <string>
#include <vector>

namespace tq58 {

// What a node of the navigation tree stands for: the page it shows.
enum class NodeKind {
    General, // "General": the start page with the logo
    Grey,    // "Program", "DSCSetting": an empty page
    Usable,  // the setting pages under "General"
    Common,
    Dsc,
    Atis,
    GroupGrid,      // "PU", "PI", "PC": a channel group's grid
    Weather,        // "PW"
    PlanChannel,    // "PU" / "PI" / "PC" + record index
    ExpGrid,        // "ExpChannel"
    ExpChannel,     // "E" + number
    DirectoryGrid,  // "SM", "SG"
    DirectoryEntry, // "SM" / "SG" + number
};

enum DirectoryKind { IndividualDirectory = 0, GroupDirectory = 1 };

// A node's page and record. Group is the channel group (ChannelGroup) of channel nodes and
// the DirectoryKind of directory nodes, and tells the two grey nodes apart ("Program" 0,
// "DSCSetting" 1); Index is the record's element in its list, so EXP channel n and directory
// entry n have index n - 1.
struct NodeRef {
    NodeKind Kind = NodeKind::General;
    int Group = 0;
    int Index = 0;

    bool operator==(const NodeRef&) const = default;
};

struct TreeNode {
    std::string Key;
    NodeRef Node;
    std::string Text;
    std::string ParentKey; // empty for a root node
};

// The whole tree for the record, in display order: parents before their children.
std::vector<TreeNode> BuildNavigationTree(const SettingsRecord& settings, const ModelState& model);

// The text a node shows for the record as it is now: enable marks and status names follow
// every edit. Empty for a node the tree never makes. The window shows the caption translated.
Phrase NodeCaption(const NodeRef& node, const SettingsRecord& settings);
std::string NodeText(const NodeRef& node, const SettingsRecord& settings);

std::string ChannelNodeKey(int group, int index);
std::string DirectoryNodeKey(int directory, int index);

inline constexpr const char* TreeHint =
    TQ58_TEXT("Hints", "[Up]/[Down]/[Left]/[Right]:Change of a Selection item.");

} // namespace tq58
