#include "editor/EditHistory.h"

#include "editor/ChangeNames.h"

#include <gtest/gtest.h>

namespace tq58 {
namespace {

TEST(EditHistory, UndoRedoAndTheSavedMark) {
    SettingsRecord data;
    EditHistory history;
    history.Reset(data, true);
    EXPECT_EQ(history.Commit(data, "E3"), Committed::Nothing);

    data.CHEXP[2].Rxfreq = 156.05;
    ASSERT_EQ(history.Commit(data, "E3"), Committed::Added);
    EXPECT_EQ(history.UndoStep()->Name, "EXP3 Rx frequency");
    EXPECT_FALSE(history.AtSaved());
    data.CHMMSID[1].TagName = "SHIP";
    data.CHMMSID[1].Mmsid = "3661234560";
    history.Commit(data, "SM2", RowsStepName(RowsCommand::Paste, CsvList::Individual, 1));
    EXPECT_EQ(history.UndoKey(), "SM2");

    const EditStep* undone = history.Undo(data);
    ASSERT_NE(undone, nullptr);
    EXPECT_EQ(undone->NodeKey, "SM2");
    EXPECT_EQ(undone->Name, "Paste 1 directory entry");
    EXPECT_EQ(data.CHMMSID[1], DirectoryRecord{});
    EXPECT_EQ(history.Undo(data)->Name, "EXP3 Rx frequency");
    EXPECT_EQ(data, SettingsRecord{});
    EXPECT_TRUE(history.AtSaved());
    EXPECT_EQ(history.Undo(data), nullptr);

    EXPECT_EQ(history.Redo(data)->NodeKey, "E3");
    EXPECT_EQ(data.CHEXP[2].Rxfreq, 156.05);
    EXPECT_EQ(history.RedoKey(), "SM2");
    history.MarkSaved();
    // A new edit after an undo: the step that could be redone is gone.
    data.CommonSetup.Scan = true;
    history.Commit(data, "Common");
    EXPECT_FALSE(history.CanRedo());
    EXPECT_EQ(history.StepCount(), 2u);
    history.Undo(data);
    EXPECT_TRUE(history.AtSaved());
    EXPECT_FALSE(data.CommonSetup.Scan);
}

TEST(EditHistory, TypingInOneFieldIsOneStepUntilSaved) {
    SettingsRecord data;
    EditHistory history;
    history.Reset(data, true);
    for (const char* typed : {"B", "BO", "BOA"}) {
        data.CHEXP[0].ChTag = typed;
        history.Commit(data, "E1");
    }
    EXPECT_EQ(history.StepCount(), 1u);
    EXPECT_EQ(history.UndoStep()->Name, "EXP1 name");
    history.MarkSaved();
    data.CHEXP[0].ChTag = "BOAT";
    EXPECT_EQ(history.Commit(data, "E1"), Committed::Added);
    // Typing that brings the field back leaves nothing to undo.
    data.CHEXP[0].ChTag = "BOA";
    history.Commit(data, "E1");
    data.CHEXP[0].ChTag = "BOAX";
    EXPECT_EQ(history.Commit(data, "E1"), Committed::Added);
    data.CHEXP[0].ChTag = "BOA";
    EXPECT_EQ(history.Commit(data, "E1"), Committed::Dropped);
    EXPECT_TRUE(history.AtSaved());
    // Check boxes are steps of their own.
    data.CHEXP[0].Enable = true;
    history.Commit(data, "E1");
    data.CHEXP[0].Enable = false;
    EXPECT_EQ(history.Commit(data, "E1"), Committed::Added);
}

TEST(EditHistory, ReplacedDataStartsAnewAndStepsKeepOnlyTheirParts) {
    SettingsRecord data;
    data.CHUSA.resize(PlanListSize);
    EditHistory history;
    history.Reset(data, true);
    for (int i = 0; i < 1000; ++i) {
        data.CHUSA[static_cast<std::size_t>(i % PlanListSize)].ScanMemory ^= true;
        history.Commit(data, "PU0");
    }
    EXPECT_EQ(history.StepCount(), 1000u);
    EXPECT_LT(history.HeldBytes(), 1000u * 1024u);

    data.CHUSA.clear(); // another model's lists
    history.Reset(data, false);
    EXPECT_FALSE(history.CanUndo());
    EXPECT_FALSE(history.AtSaved());
    data.CHUSA.resize(2);
    history.Commit(data, "General");
    EXPECT_EQ(history.UndoStep()->Name, "USA channels");
    history.Undo(data);
    EXPECT_TRUE(data.CHUSA.empty());
    EXPECT_FALSE(history.AtSaved());
}

TEST(ChangeNames, PartsFieldsAndCounts) {
    SettingsRecord before;
    SettingsRecord after = before;
    after.CHEXP[0].Enable = after.CHEXP[1].Enable = true;
    EXPECT_EQ(NameChanges(ChangesBetween(before, after)).Name.English(), "2 channels");
    after.CHGRPID[0].Enable = true;
    EXPECT_EQ(NameChanges(ChangesBetween(before, after)).Name.English(), "3 settings");
    after = before;
    after.CHGRPID[4].Mmsid = "0366123450";
    after.CHGRPID[4].TagName = "FLEET";
    EXPECT_EQ(NameChanges(ChangesBetween(before, after)).Name.English(), "Group entry 5");
    after = before;
    after.UsableChGroup[3].StatusName = "W";
    const ChangeName typed = NameChanges(ChangesBetween(before, after));
    EXPECT_EQ(typed.Name.English(), "EXP usable group status name");
    EXPECT_TRUE(typed.Typing);
    EXPECT_EQ(RowsStepName(RowsCommand::Import, CsvList::Individual, 12).English(),
              "Import 12 directory entries");
    EXPECT_EQ(RowsStepName(RowsCommand::Paste, CsvList::Exp, 1).English(), "Paste 1 channel");
    after = before;
    after.CHEXP[0].CHDisplayR = "A";
    EXPECT_EQ(NameChanges(ChangesBetween(before, after)).Name.English(), "EXP1 display");
}

} // namespace
} // namespace tq58
