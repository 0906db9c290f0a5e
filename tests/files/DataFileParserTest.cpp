#include "files/DataFileParser.h"

#include "support/ScratchFolder.h"

#include <gtest/gtest.h>

namespace tq58 {
namespace {

TEST(DataFileParser, SectionsAndKeysAreUpperCasedTrimmedAndFoundWithoutCase) {
    const DataSections sections = ParseDataText("[ chusa5 ]\r\n  enable  =  1  \r\n");
    ASSERT_EQ(sections.All().size(), 1u);
    EXPECT_EQ(sections.All()[0].Name, "CHUSA5");
    EXPECT_EQ(sections.All()[0].Entries[0].Key, "ENABLE");
    EXPECT_EQ(GetDataValue(sections, "CHUSA5", "Enable"), "1");
    EXPECT_EQ(GetDataValue(sections, "chUSA5", "ENABLE"), "1");
}

TEST(DataFileParser, AHashValueLosesTheHashAndKeepsItsLeadingBlanks) {
    const DataSections sections =
        ParseDataText("[X]\r\nChTag=#  Name  \r\nPlain=  a b  \r\nTwice=##a\r\nEmpty=#\r\n");
    EXPECT_EQ(GetDataValue(sections, "X", "ChTag"), "  Name");
    EXPECT_EQ(GetDataValue(sections, "X", "Plain"), "a b");
    EXPECT_EQ(GetDataValue(sections, "X", "Twice"), "#a");
    EXPECT_EQ(GetDataValue(sections, "X", "Empty"), "");
}

TEST(DataFileParser, LinesBeforeTheFirstHeaderAndMalformedLinesAreSkipped) {
    const DataSections sections = ParseDataText("Key=before\r\n"
                                                "[]\r\n"
                                                "[A\r\n"
                                                "[S]\r\n"
                                                "=no key\r\n"
                                                "no equals sign\r\n"
                                                "Key=a=b\r\n");
    ASSERT_EQ(sections.All().size(), 1u);
    EXPECT_EQ(sections.All()[0].Name, "S");
    ASSERT_EQ(sections.All()[0].Entries.size(), 1u);
    EXPECT_EQ(GetDataValue(sections, "S", "Key"), "a=b");
}

TEST(DataFileParser, AStrayBracketEndsTheSection) {
    const DataSections sections =
        ParseDataText("[S]\r\nA=1\r\nsome [ note\r\nB=2\r\n[T]\r\nC=3\r\n");
    EXPECT_EQ(GetDataValue(sections, "S", "A"), "1");
    EXPECT_EQ(GetDataValue(sections, "S", "B"), "");
    EXPECT_EQ(GetDataValue(sections, "T", "C"), "3");
}

TEST(DataFileParser, ABracketInsideAValueLineIsPartOfTheValue) {
    const DataSections sections = ParseDataText("[S]\r\nA=[x]\r\nB=2\r\n");
    EXPECT_EQ(GetDataValue(sections, "S", "A"), "[x]");
    EXPECT_EQ(GetDataValue(sections, "S", "B"), "2");
}

TEST(DataFileParser, RepeatedSectionsAreSearchedInFileOrder) {
    const DataSections sections =
        ParseDataText("[S]\r\nA=first\r\n[T]\r\nA=other\r\n[s]\r\nA=second\r\nB=only\r\n");
    EXPECT_EQ(sections.All().size(), 3u);
    EXPECT_EQ(GetDataValue(sections, "S", "A"), "first");
    EXPECT_EQ(GetDataValue(sections, "S", "B"), "only");
    EXPECT_EQ(GetDataValue(sections, "missing", "A"), "");
}

TEST(DataFileParser, AnyLineEndIsAccepted) {
    const DataSections sections = ParseDataText("[S]\nA=1\rB=2\r\nC=3");
    EXPECT_EQ(GetDataValue(sections, "S", "A"), "1");
    EXPECT_EQ(GetDataValue(sections, "S", "B"), "2");
    EXPECT_EQ(GetDataValue(sections, "S", "C"), "3");
}

TEST(DataFileParser, HugeLinesAndBinaryGarbageDoNotUpsetIt) {
    const std::string huge(1 << 20, 'A');
    DataSections sections = ParseDataText("[S]\r\nA=#" + huge + "\r\nB=2\r\n");
    EXPECT_EQ(GetDataValue(sections, "S", "A").size(), huge.size());
    EXPECT_EQ(GetDataValue(sections, "S", "B"), "2");

    std::string garbage;
    for (int i = 0; i < 100000; ++i) {
        garbage += static_cast<char>((i * 7919) % 256);
    }
    sections = ParseDataText(garbage + "\r\n[S]\r\nA=1\r\n");
    EXPECT_EQ(GetDataValue(sections, "S", "A"), "1");
}

TEST(DataFileParser, AMissingFileGivesNoSections) {
    test::ScratchFolder folder;
    EXPECT_FALSE(ParseDataFile(folder.File("missing.dat")));
    folder.Write("a.dat", "[S]\r\nA=1\r\n");
    const auto sections = ParseDataFile(folder.File("a.dat"));
    ASSERT_TRUE(sections);
    EXPECT_EQ(GetDataValue(*sections, "S", "A"), "1");
}

} // namespace
} // namespace tq58
