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
    const struct {
        const char* key;
        const char* text;
    } cases[] = {
        {"PU", "Group1(BOAT)"},        {"PI", "Group2"},     {"PU32", "CH16[Enable]"},
        {"SM3", "Memory ID3[Enable]"}, {"SG1", "Group ID1"}, {"E12", "EXP12"},
        {"ExpChannel", "EXP Channel"}, {"nonsense", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(NodeText(c.key, s), c.text) << c.key;
    }
    s.CHUSA[32].Enable = false;
    EXPECT_EQ(NodeText("PU32", s), "CH16");
}

TEST(NavigationTree, KeysOpenTheirPagesAndRecords) {
    const struct {
        const char* key;
        std::optional<NodeRef> node;
    } cases[] = {
        {"general", NodeRef{NodeKind::General, 0, 0}},
        {"DSCSETTING", NodeRef{NodeKind::Grey, 0, 0}},
        {"PC", NodeRef{NodeKind::GroupGrid, GroupCanada, 0}},
        {"PI239", NodeRef{NodeKind::PlanChannel, GroupIntl, 239}},
        {"E64", NodeRef{NodeKind::ExpChannel, GroupExp, 63}},
        {"SG32", NodeRef{NodeKind::DirectoryEntry, GroupDirectory, 31}},
        {"SM1", NodeRef{NodeKind::DirectoryEntry, IndividualDirectory, 0}},
        {"PI240", std::nullopt},
        {"E0", std::nullopt},
        {"SG33", std::nullopt},
        {"SM-1", std::nullopt},
        {"PU1x", std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ParseNodeKey(c.key), c.node) << c.key;
    }
    EXPECT_EQ(ChannelNodeKey(GroupExp, 0), "E1");
    EXPECT_EQ(DirectoryNodeKey(GroupDirectory, 4), "SG5");
}
