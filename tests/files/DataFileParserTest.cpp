#include "files/DataFileParser.h"

#include "support/ScratchFolder.h"

#include <gtest/gtest.h>

namespace tq58 {
namespace {

TEST(DataFileParser, HandWrittenTextIsFoundWithoutCaseAndMalformedLinesAreSkipped) {
    const DataSections sections = ParseDataText("Key=before\r\n[]\r\n[A\r\n"
                                                "[ chusa5 ]\r\n  enable  =  1  \r\n"
                                                "ChTag=#  Name  \r\nPlain=  a b  \r\nTwice=##a\r\n"
                                                "Empty=#\r\n=no key\r\nno equals sign\r\n"
                                                "Key=a=b\r\nValue=[x]\r\n"
                                                "[S]\nA=first\rB=2\r\nsome [ note\r\nC=lost\r\n"
                                                "[T]\r\nA=other\r\n[s]\r\nA=second\r\nD=only");
    ASSERT_GE(sections.All().size(), 1u);
    EXPECT_EQ(sections.All()[0].Name, "CHUSA5");
    EXPECT_EQ(sections.All()[0].Entries.size(), 7u);
    EXPECT_EQ(sections.All()[0].Entries[0].Key, "ENABLE");
    const std::pair<const char*, const char*> inChusa5[] = {
        {"Enable", "1"}, {"ENABLE", "1"}, {"ChTag", "  Name"}, {"Plain", "a b"}, {"Twice", "#a"},
        {"Empty", ""},   {"Key", "a=b"},  {"Value", "[x]"},    {"missing", ""}};
    for (const auto& [key, value] : inChusa5) {
        EXPECT_EQ(GetDataValue(sections, "chUsa5", key), value) << key;
    }
    const std::pair<const char*, const char*> inS[] = {
        {"A", "first"}, {"B", "2"}, {"C", ""}, {"D", "only"}, {"Key", ""}};
    for (const auto& [key, value] : inS) {
        EXPECT_EQ(GetDataValue(sections, "S", key), value) << key;
    }
    EXPECT_EQ(GetDataValue(sections, "T", "A"), "other");
    EXPECT_EQ(GetDataValue(sections, "missing", "A"), "");
}

TEST(DataFileParser, GarbageAndMissingFiles) {
    std::string garbage;
    for (int i = 0; i < 100000; ++i) {
        garbage += static_cast<char>((i * 7919) % 256);
    }
    const std::string huge(1 << 20, 'A');
    const DataSections sections = ParseDataText(garbage + "\r\n[S]\r\nA=#" + huge + "\r\nB=2\r\n");
    EXPECT_EQ(GetDataValue(sections, "S", "A"), huge);
    EXPECT_EQ(GetDataValue(sections, "S", "B"), "2");

    test::ScratchFolder folder;
    DataSections read;
    EXPECT_FALSE(ParseDataFile(folder.File("missing.dat"), read).Ok);
    folder.Write("a.dat", "[S]\r\nA=1\r\n");
    ASSERT_TRUE(ParseDataFile(folder.File("a.dat"), read).Ok);
    EXPECT_EQ(GetDataValue(read, "S", "A"), "1");
}

} // namespace
} // namespace tq58
