#include "files/CsvText.h"

#include "files/Utf8Text.h"

#include <gtest/gtest.h>

namespace tq58 {
namespace {

using Cells = std::vector<std::string>;

TEST(CsvText, ReadsWhatSpreadsheetsWrite) {
    const struct {
        const char* text;
        std::vector<Cells> rows;
        std::vector<int> lines;
    } cases[] = {
        {"a,b\r\n1,2\r\n", {{"a", "b"}, {"1", "2"}}, {1, 2}},
        {"\xEF\xBB\xBF"
         "a,b\n\n1,\n",
         {{"a", "b"}, {"1", ""}},
         {1, 3}},
        {"\"x,y\",\"say \"\"hi\"\"\"\n2", {{"x,y", "say \"hi\""}, {"2"}}, {1, 2}},
        {"\"two\nlines\",z\r\nnext", {{"two\nlines", "z"}, {"next"}}, {1, 3}},
    };
    for (const auto& c : cases) {
        const CsvTable table = ParseCsv(c.text);
        EXPECT_EQ(table.Error, "") << c.text;
        ASSERT_EQ(table.Rows.size(), c.rows.size()) << c.text;
        for (std::size_t i = 0; i < c.rows.size(); ++i) {
            EXPECT_EQ(table.Rows[i].Cells, c.rows[i]) << c.text;
            EXPECT_EQ(table.Rows[i].Line, c.lines[i]) << c.text;
        }
    }
}

TEST(CsvText, BrokenQuotesAreErrorsWithTheirLine) {
    EXPECT_EQ(ParseCsv("a\n\"open,b\n").Error, "line 2: a quoted cell is not closed");
    EXPECT_EQ(ParseCsv("a\nb\n\"x\"y,z\n").Error, "line 3: text after a closing quote");
}

TEST(CsvText, WrittenRowsReadBack) {
    const Cells cells{"plain", "", "a,b", "quote\"d", "line\nbreak"};
    EXPECT_EQ(CsvLine({"a", "b"}), "a,b\r\n");
    const CsvTable table = ParseCsv(CsvLine(cells) + CsvLine({"x"}));
    ASSERT_EQ(table.Rows.size(), 2u);
    EXPECT_EQ(table.Rows[0].Cells, cells);
}

TEST(Utf8Text, SingleBytesTravelAsUtf8AndWiderCharactersAreReplaced) {
    EXPECT_EQ(Utf8FromSingleBytes("Caf\xE9 1"), "Caf\xC3\xA9 1");
    EXPECT_EQ(SingleBytesFromUtf8("Caf\xC3\xA9 1", '?'), "Caf\xE9 1");
    // A three-byte character, a four-byte one, a stray continuation byte, an overlong form.
    EXPECT_EQ(SingleBytesFromUtf8("\xE2\x82\xAC|\xF0\x9F\x93\xBB|\x80|\xC1\xBF", '?'), "?|?|?|?");
}

} // namespace
} // namespace tq58
