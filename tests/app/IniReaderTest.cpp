#include "app/IniReader.h"

#include "support/ScratchFolder.h"

#include <gtest/gtest.h>

namespace tq58 {
namespace {

TEST(IniReader, SectionsAndKeysMatchWithoutCaseAndValuesAreTrimmed) {
    const char* text = "[Model2]\r\n  USE  =  1  \r\natis=#True\r\n";
    EXPECT_EQ(ReadIniValueFromText(text, "model2", "use"), "1");
    EXPECT_EQ(ReadIniValueFromText(text, "MODEL2", "Atis"), "True");
    EXPECT_EQ(ReadIniValueFromText(text, "model2", "scrambler"), "");
    EXPECT_EQ(ReadIniValueFromText(text, "model1", "use"), "");
}

TEST(IniReader, OnlyTheFirstSectionOfANameAndTheFirstKeyCount) {
    const char* text = "[a]\nk=1\nk=2\n[b]\nk=3\n[A]\nk=4\nother=5\n";
    EXPECT_EQ(ReadIniValueFromText(text, "a", "k"), "1");
    EXPECT_EQ(ReadIniValueFromText(text, "b", "k"), "3");
    EXPECT_EQ(ReadIniValueFromText(text, "a", "other"), "");
}

TEST(IniReader, QuotesCommentsAndByteOrderMarks) {
    const char* text = "\xEF\xBB\xBF[s]\r\n;k=commented\r\nk=\"  quoted  \"\r\nq='x'\r\n"
                       "half=\"open\r\n";
    EXPECT_EQ(ReadIniValueFromText(text, "s", "k"), "  quoted  ");
    EXPECT_EQ(ReadIniValueFromText(text, "s", "q"), "x");
    EXPECT_EQ(ReadIniValueFromText(text, "s", "half"), "\"open");
}

TEST(IniReader, LongValuesAreCutTo127CharactersBeforeTheHashGoes) {
    const std::string value(300, 'v');
    EXPECT_EQ(ReadIniValueFromText("[s]\nk=" + value + "\n", "s", "k"), value.substr(0, 127));
    EXPECT_EQ(ReadIniValueFromText("[s]\nk=#" + value + "\n", "s", "k"), value.substr(0, 126));
    EXPECT_EQ(ReadIniValueFromText(std::string("[s]\nk=ab\0cd\n", 12), "s", "k"), "ab");
}

TEST(IniReader, FilesThatAreMissingOrGarbageGiveEmptyTexts) {
    test::ScratchFolder folder;
    EXPECT_EQ(ReadIniValue(folder.File("global.ini"), "model1", "use"), "");
    std::string garbage(5000, '\0');
    for (std::size_t i = 0; i < garbage.size(); ++i) {
        garbage[i] = static_cast<char>(i * 37 % 251);
    }
    folder.Write("global.ini", garbage);
    EXPECT_EQ(ReadIniValue(folder.File("global.ini"), "model1", "use"), "");
    folder.Write("global.ini", "[model1]\r\nuse=1\r\n");
    EXPECT_EQ(ReadIniValue(folder.File("global.ini"), "model1", "use"), "1");
}

} // namespace
} // namespace tq58
