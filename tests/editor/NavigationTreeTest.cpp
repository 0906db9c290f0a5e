#include "editor/NavigationTree.h"

#include "support/TestModels.h"

#include <algorithm>
#include <gtest/gtest.h>

using namespace tq58;
using namespace tq58::test;

namespace {

const TreeNode* Find(const std::vector<TreeNode>& tree, const std::string& key) {
    const auto found =
        std::find_if(tree.begin(), tree.end(), [&](const TreeNode& n) { return n.Key == key; });
    return found == tree.end() ? nullptr : &*found;
}

std::size_t ChildCount(const std::vector<TreeNode>& tree, const std::string& parent) {
    return static_cast<std::size_t>(std::count_if(
        tree.begin(), tree.end(), [&](const TreeNode& n) { return n.ParentKey == parent; }));
}

} // namespace

TEST(NavigationTree, GroupsAndAtisFollowTheRecordAndTheModel) {
    RadioData data = NewRadioData(Rv7700A());
    data.Settings.UsableChGroup[GroupIntl].Enable = false;
    data.Settings.UsableChGroup[GroupExp].Enable = true;
    const auto tree = BuildNavigationTree(data.Settings, Rv7700A());
    EXPECT_TRUE(Find(tree, "ATIS"));
    EXPECT_FALSE(Find(tree, "PI"));
    EXPECT_FALSE(Find(tree, "PI0"));
    EXPECT_EQ(ChildCount(tree, "PU"), 240u);
    EXPECT_EQ(ChildCount(tree, "SM"), 80u);
    EXPECT_EQ(ChildCount(tree, "SG"), 32u);
    EXPECT_EQ(ChildCount(tree, "ExpChannel"), 64u);
    EXPECT_EQ(ChildCount(tree, "PW"), 0u);
    // Parents come before their children, so a view can add the nodes in one pass.
    for (std::size_t i = 0; i < tree.size(); ++i) {
        if (!tree[i].ParentKey.empty()) {
            const auto parent =
                std::find_if(tree.begin(), tree.begin() + long(i),
                             [&](const TreeNode& n) { return n.Key == tree[i].ParentKey; });
            ASSERT_NE(parent, tree.begin() + long(i)) << tree[i].Key;
        }
    }

    data.Settings.UsableChGroup[GroupExp].Enable = false;
    const auto rv7200 = BuildNavigationTree(data.Settings, Rv7200A());
    EXPECT_FALSE(Find(rv7200, "ATIS"));
    EXPECT_FALSE(Find(rv7200, "ExpChannel"));
}

TEST(NavigationTree, TextsCarryMarksAndStatusNames) {
    RadioData data = NewRadioData(Rv7700A());
    SettingsRecord& s = data.Settings;
    s.UsableChGroup[GroupUsa].StatusName = "BOAT";
    s.CHMMSID[2].Enable = true;
    s.CHEXP[11].Enable = false;
    s.UsableChGroup[GroupExp].Enable = true;
    const auto tree = BuildNavigationTree(s, Rv7700A());
    const struct {
        const char* key;
        const char* text;
    } cases[] = {
        {"PU", "Group1(BOAT)"},        {"PI", "Group2"},      {"PU32", "CH16[Enable]"},
        {"SM3", "Memory ID3[Enable]"}, {"SG1", "Group ID1"},  {"E12", "EXP12"},
        {"ExpChannel", "EXP Channel"}, {"DSCSetting", "DSC"}, {"Program", "Programable Channel"},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(Find(tree, c.key)) << c.key;
        EXPECT_EQ(Find(tree, c.key)->Text, c.text) << c.key;
    }
    s.CHUSA[32].Enable = false;
    EXPECT_EQ(NodeText(Find(tree, "PU32")->Node, s), "CH16");
    EXPECT_EQ(NodeText({NodeKind::PlanChannel, GroupUsa, PlanListSize}, s), "");
}

TEST(NavigationTree, NodesCarryTheirPagesAndRecords) {
    RadioData data = NewRadioData(Rv7700A());
    data.Settings.UsableChGroup[GroupExp].Enable = true;
    const auto tree = BuildNavigationTree(data.Settings, Rv7700A());
    const struct {
        const char* key;
        NodeRef node;
    } cases[] = {
        {"General", {NodeKind::General, 0, 0}},
        {"DSCSetting", {NodeKind::Grey, 1, 0}},
        {"PC", {NodeKind::GroupGrid, GroupCanada, 0}},
        {"PI239", {NodeKind::PlanChannel, GroupIntl, 239}},
        {"E64", {NodeKind::ExpChannel, GroupExp, 63}},
        {"SG32", {NodeKind::DirectoryEntry, GroupDirectory, 31}},
        {"SM1", {NodeKind::DirectoryEntry, IndividualDirectory, 0}},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(Find(tree, c.key)) << c.key;
        EXPECT_EQ(Find(tree, c.key)->Node, c.node) << c.key;
    }
    EXPECT_EQ(ChannelNodeKey(GroupExp, 0), "E1");
    EXPECT_EQ(DirectoryNodeKey(GroupDirectory, 4), "SG5");
}
