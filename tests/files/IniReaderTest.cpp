#include "files/IniReader.h"

#include "support/ScratchFolder.h"

#include <gtest/gtest.h>

namespace tq58 {
namespace {

TEST(IniReader, ValuesAreFoundLikeThePlatformsPrivateProfileReader) {
    const std::string longValue(300, 'v');
    const struct {
        std::string text;
        const char* section;
        const char* key;
        std::string value;
    } cases[] = {{"[Model2]\r\n  USE  =  1  \r\natis=#True\r\n", "model2", "use", "1"},
                 {"[Model2]\r\n  USE  =  1  \r\natis=#True\r\n", "MODEL2", "Atis", "True"},
                 {"[Model2]\r\n  USE  =  1  \r\n", "model2", "scrambler", ""},
                 {"[Model2]\r\n  USE  =  1  \r\n", "model1", "use", ""},
                 {"[a]\nk=1\nk=2\n[b]\nk=3\n[A]\nk=4\nother=5\n", "a", "k", "1"},
                 {"[a]\nk=1\nk=2\n[b]\nk=3\n[A]\nk=4\nother=5\n", "b", "k", "3"},
                 {"[a]\nk=1\nk=2\n[b]\nk=3\n[A]\nk=4\nother=5\n", "a", "other", ""},
                 {"\xEF\xBB\xBF[s]\r\nk=\"  quoted  \"\r\n", "s", "k", "  quoted  "},
                 {"[s]\r\nq='x'\r\n", "s", "q", "x"},
                 {"[s]\r\nk=<NONE>\r\n", "s", "k", ""},
                 {"[s]\r\nhalf=\"open\r\n", "s", "half", "\"open"},
                 {"[s]\nk=" + longValue + "\n", "s", "k", longValue.substr(0, 127)},
                 {"[s]\nk=#" + longValue + "\n", "s", "k", longValue.substr(0, 126)},
                 {std::string("[s]\nk=ab\0cd\n", 12), "s", "k", "ab"}};
    for (const auto& c : cases) {
        EXPECT_EQ(ReadIniValueFromText(c.text, c.section, c.key), c.value)
            << c.text.substr(0, 40) << " " << c.section << "/" << c.key;
    }
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
