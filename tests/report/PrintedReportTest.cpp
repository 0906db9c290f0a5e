#include "report/PrintedReport.h"

#include "support/TestModels.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <iterator>

namespace tq58 {
namespace {

using test::NewRadioData;
using test::Rv7700A;
using Texts = std::vector<std::string>;
using Millimetres = std::vector<double>;

Texts TextsOf(const PrintedLine& line) {
    Texts texts;
    std::ranges::transform(line.Items, std::back_inserter(texts), &PrintedItem::Text);
    return texts;
}

// Positions from the left edge of the page, less the 10 mm margin.
Millimetres PositionsOf(const PrintedLine& line) {
    Millimetres positions;
    std::ranges::transform(line.Items, std::back_inserter(positions),
                           [](const PrintedItem& item) { return item.Millimetres - 10; });
    return positions;
}

// The index of the line whose first item reads text, or the number of lines.
std::size_t FindLine(const PrintedPage& page, const std::string& text) {
    return std::ranges::find_if(page.Lines,
                                [&](const PrintedLine& line) {
                                    return !line.Items.empty() && line.Items.front().Text == text;
                                }) -
           page.Lines.begin();
}

class PrintedReportTest : public ::testing::Test {
protected:
    ModelState model = Rv7700A();
    RadioData data = NewRadioData(model);

    std::vector<PrintedPage> Print(int linesPerPage = 0) {
        return BuildPrintedReport(data, model, linesPerPage);
    }
};

// Column, rule and first row of a table, with and without the scrambler's VS column.
TEST_F(PrintedReportTest, TableColumnsAndTheVsColumnOnlyWithTheScrambler) {
    ChannelRecord& exp = data.Settings.CHEXP[0];
    exp.Enable = true;
    exp.Rxfreq = 156.0610;
    exp.CHDisplayL = "7";
    exp.CHDisplayR = "B";
    exp.Scramble = 6;
    exp.ChTag = "PORT"; // printed without the text form's padding
    const Texts columns = {"CH",  "CHD", "ENABLE", "RX(MHz)", "TX(MHz)",
                           "LOW", "UP",  "MEM",    "VS",      "CH Name"};
    const Texts rule = {"--",  "---", "------", "--------", "--------",
                        "---", "--",  "---",    "--",       "------------"};
    const Millimetres positions = {0, 7, 17, 34, 53, 72, 82, 89, 99, 106};
    const Texts row = {"1",   "7 B", "ENABLE", "156.0600", "---.----",
                       "---", "--",  "---",    "2",        "PORT"};
    for (bool scrambler : {true, false}) {
        SCOPED_TRACE(scrambler ? "with VS" : "without VS");
        model = Rv7700A(true, scrambler);
        const std::vector<PrintedPage> pages = Print();
        ASSERT_EQ(pages.size(), 8u);
        const PrintedPage& page = pages[7];
        const std::size_t at = FindLine(page, "CH");
        ASSERT_LT(at + 2, page.Lines.size());
        const Texts* expected[] = {&columns, &rule, &row};
        for (std::size_t i = 0; i < 3; ++i) {
            Texts texts = *expected[i];
            Millimetres where = positions;
            if (!scrambler) {
                texts.erase(texts.begin() + 8);
                where.erase(where.begin() + 8);
            }
            EXPECT_EQ(TextsOf(page.Lines[at + i]), texts);
            EXPECT_EQ(PositionsOf(page.Lines[at + i]), where);
        }
    }
}

TEST_F(PrintedReportTest, LongBlocksGoOnOverPagesWithHeaderAndColumnLines) {
    const std::vector<PrintedPage> pages = Print(40);
    const auto memoryId = std::find_if(pages.begin(), pages.end(), [](const PrintedPage& page) {
        return FindLine(page, "##### Memory ID #####") < page.Lines.size();
    });
    ASSERT_LT(memoryId + 3, pages.end());
    // Header, empty line, the section's empty line, heading, column and rule line, 34 rows.
    EXPECT_EQ(memoryId->Lines.size(), 40u);
    EXPECT_EQ(TextsOf(memoryId->Lines.back()).front(), "34");
    const std::pair<const char*, const char*> rows[] = {{"35", "70"}, {"71", "80"}};
    for (int i = 0; i < 2; ++i) {
        const auto& lines = (memoryId + 1 + i)->Lines;
        EXPECT_EQ(TextsOf(lines[0]), Texts{"RV7700A Quayline"});
        EXPECT_TRUE(lines[1].Items.empty());
        EXPECT_EQ(TextsOf(lines[2]), (Texts{"No.", "Station Name", "MMSI"}));
        EXPECT_EQ(TextsOf(lines[3]), (Texts{"--", "------------", "---------"}));
        EXPECT_EQ(TextsOf(lines[4]).front(), rows[i].first);
        EXPECT_EQ(TextsOf(lines.back()).front(), rows[i].second);
    }
    EXPECT_LT(FindLine(*(memoryId + 3), "##### Group ID #####"), (memoryId + 3)->Lines.size());
    for (const PrintedPage& page : pages) {
        EXPECT_LE(page.Lines.size(), 40u);
    }
}

TEST_F(PrintedReportTest, HeadingsStayWithTheirFirstLines) {
    // Twelve lines: the first section fills ten, so the next heading would be the last line.
    const std::vector<PrintedPage> pages = Print(12);
    ASSERT_GE(pages.size(), 2u);
    EXPECT_EQ(pages[0].Lines.size(), 10u);
    EXPECT_EQ(TextsOf(pages[1].Lines[3]), Texts{"##### Common Setup #####"});
    for (int linesPerPage = 8; linesPerPage <= 70; ++linesPerPage) {
        for (const PrintedPage& page : Print(linesPerPage)) {
            for (std::size_t i = page.Lines.size() - 2; i < page.Lines.size(); ++i) {
                const auto& items = page.Lines[i].Items;
                EXPECT_FALSE(i > 2 && !items.empty() && items.front().Text.starts_with("#####"))
                    << "heading near the foot of a page of " << linesPerPage << " lines";
            }
        }
    }
}

TEST_F(PrintedReportTest, PagesTooSmallForMoreThanOneLineStillPrintEveryLine) {
    std::vector<Texts> unbroken;
    for (const PrintedPage& page : Print()) {
        for (std::size_t i = 2; i < page.Lines.size(); ++i) {
            unbroken.push_back(TextsOf(page.Lines[i]));
        }
    }
    std::vector<Texts> oneLinePages;
    for (const PrintedPage& page : Print(1)) {
        ASSERT_GE(page.Lines.size(), 3u);
        EXPECT_EQ(TextsOf(page.Lines[0]), Texts{"RV7700A Quayline"});
        oneLinePages.push_back(TextsOf(page.Lines.back()));
    }
    EXPECT_EQ(oneLinePages, unbroken);
}

// Every page names where the data came from, when it was printed and which page of how many
// it is; a long origin keeps its end, where the file's name is.
TEST_F(PrintedReportTest, EveryPageHasItsFooterAndTheUserMmsiItsNineDigits) {
    data.Settings.DscBasicSetup.UserMmsi = "3669990010";
    std::vector<PrintedPage> pages = Print(70);
    AddPageFooters(pages, {"boat.dat", "2026-12-06 22:40"});
    ASSERT_EQ(pages.size(), 10u);
    for (std::size_t i = 0; i < pages.size(); ++i) {
        EXPECT_EQ(TextsOf(pages[i].Footer), (Texts{"boat.dat", "2026-12-06 22:40",
                                                   "page " + std::to_string(i + 1) + " of 10"}));
    }
    EXPECT_EQ(PositionsOf(pages[0].Footer), (Millimetres{0, 95, 165}));
    const PrintedLine& mmsi = pages[0].Lines[FindLine(pages[0], "User MMSI:")];
    EXPECT_EQ(TextsOf(mmsi), (Texts{"User MMSI:", "366999001", "----- Count : 0"}));

    AddPageFooters(pages, {"/home/skipper/" + std::string(40, 'x') + "/boat.dat", ""});
    EXPECT_EQ(pages[9].Footer.Items.front().Text, "..." + std::string(32, 'x') + "/boat.dat");
}

} // namespace
} // namespace tq58
