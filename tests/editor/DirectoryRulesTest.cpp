#include "editor/DirectoryRules.h"

#include <gtest/gtest.h>

namespace tq58 {
namespace {

TEST(DirectoryRules, MmsiStoredFormsAndWrongLengths) {
    const struct {
        const char* typed;
        int directory;
        std::optional<std::string> stored;
    } cases[] = {
        {"366123456", IndividualDirectory, "3661234560"},
        {" 366123456 ", IndividualDirectory, "3661234560"},
        {"36612345", GroupDirectory, "0366123450"},
        {"", IndividualDirectory, ""},
        {"  ", GroupDirectory, ""},
        {"36612345", IndividualDirectory, std::nullopt},
        {"366123456", GroupDirectory, std::nullopt},
        {"36612345x", IndividualDirectory, std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(StoredMmsi(c.typed, c.directory), c.stored) << '"' << c.typed << '"';
    }
    // The field shows what the user enters; the list shows the stored form.
    EXPECT_EQ(EnteredMmsi("3661234560", IndividualDirectory), "366123456");
    EXPECT_EQ(EnteredMmsi("0366123450", GroupDirectory), "36612345");
    EXPECT_EQ(MmsiColumnText("3661234560"), "366123456");
    EXPECT_EQ(MmsiColumnText("0366123450"), "036612345");
    EXPECT_EQ(MmsiColumnText(""), "         ");
}

std::array<DirectoryRecord, 6> FiveInUse() {
    std::array<DirectoryRecord, 6> entries{};
    for (int i = 0; i < 5; ++i) {
        entries[i] = {true, "SHIP" + std::to_string(i + 1), std::to_string(i + 1) + "000000000"};
    }
    return entries;
}

TEST(DirectoryRules, WrongLengthKeepsTheOldMmsi) {
    auto entries = FiveInUse();
    EXPECT_EQ(EnterMmsi(entries, 1, "12345678", IndividualDirectory), MmsiEntry::Refused);
    EXPECT_EQ(entries[1].Mmsid, "2000000000");
    EXPECT_EQ(EnterMmsi(entries, 1, "123456789", IndividualDirectory), MmsiEntry::Stored);
    EXPECT_EQ(entries[1].Mmsid, "1234567890");
}

// In a full directory the last entry moves up and its old place becomes free.
TEST(DirectoryRules, ClearingAnMmsiInAFullDirectoryMovesTheRestUp) {
    auto entries = FiveInUse();
    entries[5] = {true, "SHIP6", "6000000000"};
    ASSERT_EQ(EnterMmsi(entries, 2, "", IndividualDirectory), MmsiEntry::Cleared);
    DeleteEntry(entries, 2);
    EXPECT_EQ(entries[2].TagName, "SHIP4");
    EXPECT_EQ(entries[4].Mmsid, "6000000000");
    EXPECT_EQ(entries[5], DirectoryRecord{});
    EXPECT_EQ(UsedCount(entries), 5);
}

TEST(DirectoryRules, EntryPanelFollowsContiguity) {
    std::array<DirectoryRecord, 4> entries{};
    EXPECT_TRUE(EntryPanelFor(entries, 0).EnableOpen) << "entry 1 of an empty directory";
    entries[0] = {true, "SHIP", ""};
    const EntryPanelState blocked = EntryPanelFor(entries, 1);
    EXPECT_FALSE(blocked.EnableOpen);
    EXPECT_TRUE(blocked.PreviousIncomplete);
    entries[0].Mmsid = "3661234560";
    EXPECT_EQ(EntryPanelFor(entries, 1),
              (EntryPanelState{.EnableOpen = true, .DeleteChecked = true}));
    EXPECT_EQ(EntryPanelFor(entries, 0),
              (EntryPanelState{.EnableChecked = true, .DeleteOpen = true, .FieldsOpen = true}));
    EXPECT_EQ(EntryPanelFor(entries, 2), (EntryPanelState{.DeleteChecked = true}));
}

TEST(DirectoryRules, BlankNameKeepsTheOldOne) {
    EXPECT_EQ(StoredDirectoryName("   "), std::nullopt);
    EXPECT_EQ(StoredDirectoryName(" A B"), " A B");
}

} // namespace
} // namespace tq58
