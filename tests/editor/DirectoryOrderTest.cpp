#include "editor/DirectoryOrder.h"

#include "editor/DirectoryRules.h"

#include <gtest/gtest.h>

namespace tq58 {
namespace {

std::array<DirectoryRecord, 5> ThreeInUse() {
    std::array<DirectoryRecord, 5> entries{};
    for (int i = 0; i < 3; ++i) {
        entries[static_cast<std::size_t>(i)] = {true, "SHIP" + std::to_string(i + 1),
                                                std::to_string(i + 1) + "000000000"};
    }
    return entries;
}

TEST(DirectoryOrder, MovesStayAmongTheEntriesInUse) {
    auto entries = ThreeInUse();
    EXPECT_TRUE(MoveEntry(entries, 2, -1));
    EXPECT_EQ(entries[1].TagName, "SHIP3");
    EXPECT_EQ(entries[2].TagName, "SHIP2");
    EXPECT_TRUE(MoveEntry(entries, 0, 1));
    EXPECT_EQ(entries[0].TagName, "SHIP3");
    const auto before = entries;
    EXPECT_FALSE(MoveEntry(entries, 0, -1));
    EXPECT_FALSE(MoveEntry(entries, 2, 1)); // below it the first free entry
    EXPECT_FALSE(MoveEntry(entries, 3, -1));
    EXPECT_EQ(entries, before);
}

TEST(DirectoryOrder, InsertOpensAnEntryInUseAndKeepsThemContiguous) {
    auto entries = ThreeInUse();
    ASSERT_TRUE(InsertEntry(entries, 1));
    EXPECT_EQ(UsedCount(entries), 4);
    EXPECT_EQ(entries[1], (DirectoryRecord{true, "", ""}));
    EXPECT_EQ(entries[2].TagName, "SHIP2");
    EXPECT_EQ(entries[3].TagName, "SHIP3");
    ASSERT_TRUE(InsertEntry(entries, 4));  // at the first free entry
    EXPECT_FALSE(InsertEntry(entries, 0)); // full
    entries[4] = {};
    EXPECT_FALSE(InsertEntry(entries, 5));
    DeleteEntry(entries, 1);
    EXPECT_EQ(UsedCount(entries), 3);
    EXPECT_EQ(entries[1].TagName, "SHIP2");
}

} // namespace
} // namespace tq58
