#include "report/PrintedReport.h"

#include "ReportTestData.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace tq58 {
namespace {

using test::NewRadioData;
using test::Rv7700a;

std::vector<double> Positions(const PrintedLine& line) {
    std::vector<double> positions;
    for (const PrintedItem& item : line.Items) {
        positions.push_back(item.Millimetres);
    }
    return positions;
}

std::vector<std::string> Texts(const PrintedLine& line) {
    std::vector<std::string> texts;
    for (const PrintedItem& item : line.Items) {
        texts.push_back(item.Text);
    }
    return texts;
}

bool HasText(const PrintedLine& line, const std::string& text) {
    return std::any_of(line.Items.begin(), line.Items.end(),
                       [&](const PrintedItem& item) { return item.Text == text; });
}

// The index of the line whose first item reads text, or lines.size().
std::size_t FindLine(const PrintedPage& page, const std::string& text) {
    for (std::size_t i = 0; i < page.Lines.size(); ++i) {
        const auto& items = page.Lines[i].Items;
        if (!items.empty() && items.front().Text == text) {
            return i;
        }
    }
    return page.Lines.size();
}

// Positions from the page's left edge: the layout's millimetres plus the 10 mm margin.
std::vector<double> WithMargin(std::vector<double> millimetres) {
    for (double& mm : millimetres) {
        mm += 10;
    }
    return millimetres;
}

class PrintedReportTest : public ::testing::Test {
protected:
    ModelState model = Rv7700a();
    RadioData data = NewRadioData(model);

    std::vector<PrintedPage> Print(int linesPerPage = 0) {
        return BuildPrintedReport(data, model, linesPerPage);
    }
};

TEST_F(PrintedReportTest, SettingsShareTheFirstPageAndEachTableStartsItsOwn) {
    const std::vector<PrintedPage> pages = Print();
    const std::vector<std::string> pageHeadings{"##### Usable CH Group Setup #####",
                                                "##### Programable USA Channel #####",
                                                "##### Programable International Channel #####",
                                                "##### Programable Canada Channel #####",
                                                "##### Programable WX Channel #####",
                                                "##### Memory ID #####",
                                                "##### Group ID #####",
                                                "##### Programable EXP Channel #####"};
    ASSERT_EQ(pages.size(), pageHeadings.size());
    for (std::size_t i = 0; i < pages.size(); ++i) {
        const auto& lines = pages[i].Lines;
        ASSERT_GE(lines.size(), 4u);
        EXPECT_EQ(Texts(lines[0]), std::vector<std::string>{"RV7700A Quayline"});
        EXPECT_EQ(Positions(lines[0]), std::vector<double>{10});
        EXPECT_TRUE(lines[1].Items.empty());
        EXPECT_TRUE(lines[2].Items.empty());
        EXPECT_EQ(Texts(lines[3]), std::vector<std::string>{pageHeadings[i]});
    }
    EXPECT_LT(FindLine(pages[0], "##### ATIS Setup (Call Sign) #####"), pages[0].Lines.size());
    EXPECT_DOUBLE_EQ(PrintTopMillimetres * TwipsPerMillimetre, 283.5);
}

TEST_F(PrintedReportTest, ModelWithoutAtisPrintsNoAtisSections) {
    model = Rv7700a(false);
    const std::vector<PrintedPage> pages = Print();
    ASSERT_EQ(pages.size(), 8u);
    EXPECT_EQ(FindLine(pages[0], "##### ATIS Setup (Common) #####"), pages[0].Lines.size());
    EXPECT_EQ(FindLine(pages[0], "##### ATIS Setup (Call Sign) #####"), pages[0].Lines.size());
}

TEST_F(PrintedReportTest, GroupTablesPlaceValuesEveryThirtyMillimetres) {
    const PrintedPage page = Print().front();
    const std::size_t heading = FindLine(page, "##### Usable CH Group Setup #####");
    ASSERT_LT(heading + 6, page.Lines.size());
    const PrintedLine& columns = page.Lines[heading + 1];
    EXPECT_EQ(Texts(columns), (std::vector<std::string>{"USA", "INTL", "Canada", "EXP CH"}));
    EXPECT_EQ(Positions(columns), WithMargin({50, 80, 110, 140}));
    EXPECT_EQ(Positions(page.Lines[heading + 2]), WithMargin({0, 50, 80, 110, 140}));
    EXPECT_EQ(Texts(page.Lines[heading + 5]),
              (std::vector<std::string>{"Status name", "----", "----", "----", "----"}));

    const std::size_t atis = FindLine(page, "##### ATIS Setup (Common) #####");
    ASSERT_LT(atis + 2, page.Lines.size());
    EXPECT_EQ(Positions(page.Lines[atis + 1]), WithMargin({50, 80, 110, 140}));
    EXPECT_EQ(Positions(page.Lines[atis + 2]), WithMargin({0, 50, 80, 110, 140}));
}

TEST_F(PrintedReportTest, SettingValuesAtFiftyEightyAndOneHundredTen) {
    data.Settings.DscBasicSetup.UserMmsi = "366123456";
    const PrintedPage page = Print().front();
    const std::size_t request = FindLine(page, "POS Request:");
    ASSERT_LT(request, page.Lines.size());
    EXPECT_EQ(Texts(page.Lines[request]), (std::vector<std::string>{"POS Request:", "On", "Low"}));
    EXPECT_EQ(Positions(page.Lines[request]), WithMargin({0, 50, 80}));

    const std::size_t mmsi = FindLine(page, "User MMSI:");
    ASSERT_LT(mmsi, page.Lines.size());
    EXPECT_EQ(Texts(page.Lines[mmsi]),
              (std::vector<std::string>{"User MMSI:", "366123456", "----- Count : 0"}));
    EXPECT_EQ(Positions(page.Lines[mmsi]), WithMargin({0, 50, 80}));

    const std::size_t subHeading = FindLine(page, "[Scanning Function]");
    ASSERT_LT(subHeading, page.Lines.size());
    EXPECT_TRUE(page.Lines[subHeading - 1].Items.empty());
    EXPECT_EQ(Positions(page.Lines[subHeading]), WithMargin({0}));
}

TEST_F(PrintedReportTest, CallSignTableContinuesTheThirtyMillimetreColumns) {
    data.Settings.AtisCallSign[0] = {"123", "ABC"};
    data.Settings.AtisCallSign[10] = {"456", "DEF"};
    const PrintedPage page = Print().front();
    const std::size_t first = FindLine(page, "No.1");
    ASSERT_LT(first, page.Lines.size());
    EXPECT_EQ(Texts(page.Lines[first]),
              (std::vector<std::string>{"No.1", "123", "ABC", "No.11", "456", "DEF"}));
    EXPECT_EQ(Positions(page.Lines[first]), WithMargin({0, 50, 80, 110, 140, 170}));
    EXPECT_EQ(Positions(page.Lines[first - 1]), WithMargin({50, 80, 140, 170}));
}

TEST_F(PrintedReportTest, ChannelTableColumnsWithTheScrambler) {
    const PrintedPage page = Print()[1];
    const std::size_t columns = FindLine(page, "CH");
    ASSERT_LT(columns + 2, page.Lines.size());
    const std::vector<double> expected = WithMargin({0, 12, 29, 46, 54, 63, 71, 80, 89, 97});
    EXPECT_EQ(Texts(page.Lines[columns]),
              (std::vector<std::string>{"CH", "RX(MHz)", "TX(MHz)", "TX", "LOW", "UP", "DUP", "MEM",
                                        "VS", "CH Name"}));
    EXPECT_EQ(Positions(page.Lines[columns]), expected);
    EXPECT_EQ(Texts(page.Lines[columns + 1]),
              (std::vector<std::string>{"---", "-------", "-------", "--", "---", "--", "---",
                                        "---", "--", "------------"}));
    EXPECT_EQ(Positions(page.Lines[columns + 1]), expected);
    EXPECT_EQ(Texts(page.Lines[columns + 2]),
              (std::vector<std::string>{"01A", "156.050", "156.050", "TX", "---", "--", "---",
                                        "---", "--", "VTS"}));
    EXPECT_EQ(Positions(page.Lines[columns + 2]), expected);
}

TEST_F(PrintedReportTest, WithoutTheScramblerNoVsColumnIsPrinted) {
    model = Rv7700a(true, false);
    data.Settings.CHEXP[0].Scramble = 5;
    data.Settings.CHEXP[0].CHDisplayL = "16";
    const std::vector<PrintedPage> pages = Print();
    for (const PrintedPage* page : {&pages[1], &pages[2], &pages[3], &pages[7]}) {
        const std::size_t columns = FindLine(*page, "CH");
        ASSERT_LT(columns + 2, page->Lines.size());
        EXPECT_FALSE(HasText(page->Lines[columns], "VS"));
        EXPECT_EQ(page->Lines[columns + 1].Items.size(), 9u);
        EXPECT_EQ(page->Lines[columns + 2].Items.size(), 9u);
        EXPECT_EQ(page->Lines[columns].Items.back().Text, "CH Name");
    }
    EXPECT_EQ(Positions(pages[1].Lines[FindLine(pages[1], "CH")]),
              WithMargin({0, 12, 29, 46, 54, 63, 71, 80, 97}));
}

TEST_F(PrintedReportTest, WeatherTableWithItsShorterRule) {
    data.Settings.CHWX[0].Enable = false;
    const PrintedPage page = Print()[4];
    const std::size_t columns = FindLine(page, "CH");
    ASSERT_LT(columns + 2, page.Lines.size());
    const std::vector<double> expected = WithMargin({0, 9, 28, 40});
    EXPECT_EQ(Texts(page.Lines[columns]),
              (std::vector<std::string>{"CH", "ENABLE", "MEM", "CH Name"}));
    EXPECT_EQ(Positions(page.Lines[columns]), expected);
    EXPECT_EQ(Texts(page.Lines[columns + 1]),
              (std::vector<std::string>{"--", "-----", "---", "------------"}));
    EXPECT_EQ(Positions(page.Lines[columns + 1]), expected);
    EXPECT_EQ(Texts(page.Lines[columns + 2]),
              (std::vector<std::string>{"1", "------", "---", "162.550MHZ"}));
    EXPECT_EQ(page.Lines.size(), columns + 2 + 10);
}

TEST_F(PrintedReportTest, DirectoryTables) {
    data.Settings.CHMMSID[0] = {true, "PILOT", "3661234560"};
    const std::vector<PrintedPage> pages = Print();
    const std::vector<double> expected = WithMargin({0, 19, 50});
    for (std::size_t i : {5u, 6u}) {
        const std::size_t columns = FindLine(pages[i], "No.");
        ASSERT_LT(columns + 2, pages[i].Lines.size());
        EXPECT_EQ(Positions(pages[i].Lines[columns]), expected);
        EXPECT_EQ(Texts(pages[i].Lines[columns + 1]),
                  (std::vector<std::string>{"--", "------------", "---------"}));
        EXPECT_EQ(Positions(pages[i].Lines[columns + 1]), expected);
    }
    EXPECT_EQ(Texts(pages[5].Lines[FindLine(pages[5], "No.")]),
              (std::vector<std::string>{"No.", "Station Name", "MMSI"}));
    EXPECT_EQ(Texts(pages[6].Lines[FindLine(pages[6], "No.")]),
              (std::vector<std::string>{"No.", "Group Name", "MMSI"}));
    EXPECT_EQ(Texts(pages[5].Lines[FindLine(pages[5], "1")]),
              (std::vector<std::string>{"1", "PILOT", "366123456"}));
    EXPECT_EQ(Texts(pages[5].Lines[FindLine(pages[5], "80")]),
              (std::vector<std::string>{"80", "------------", "---------"}));
}

TEST_F(PrintedReportTest, ExpTableColumnsAndSnappedFrequencies) {
    ChannelRecord& first = data.Settings.CHEXP[0];
    first.Enable = true;
    first.Rxfreq = 156.0610;
    first.CHDisplayL = "7";
    first.CHDisplayR = "B";
    first.Scramble = 6;
    const PrintedPage page = Print()[7];
    const std::size_t columns = FindLine(page, "CH");
    ASSERT_LT(columns + 2, page.Lines.size());
    const std::vector<double> expected = WithMargin({0, 7, 17, 34, 53, 72, 82, 89, 99, 106});
    EXPECT_EQ(Texts(page.Lines[columns]),
              (std::vector<std::string>{"CH", "CHD", "ENABLE", "RX(MHz)", "TX(MHz)", "LOW", "UP",
                                        "MEM", "VS", "CH Name"}));
    EXPECT_EQ(Positions(page.Lines[columns]), expected);
    EXPECT_EQ(Positions(page.Lines[columns + 1]), expected);
    EXPECT_EQ(Texts(page.Lines[columns + 2]),
              (std::vector<std::string>{"1", "7 B", "ENABLE", "156.0600", "---.----", "---", "--",
                                        "---", "2", "------------"}));
    EXPECT_EQ(Positions(page.Lines[columns + 2]), expected);
    EXPECT_DOUBLE_EQ(first.Rxfreq, 156.06);
}

TEST_F(PrintedReportTest, LongBlocksGoOnOverPagesWithHeaderAndColumnLines) {
    const std::vector<PrintedPage> pages = Print(40);
    const auto memoryId = std::find_if(pages.begin(), pages.end(), [](const PrintedPage& page) {
        return FindLine(page, "##### Memory ID #####") < page.Lines.size();
    });
    ASSERT_LT(memoryId + 3, pages.end());
    // Header, empty line, the section's empty line, heading, column and rule line, 34 rows.
    EXPECT_EQ(memoryId->Lines.size(), 40u);
    EXPECT_EQ(Texts(memoryId->Lines.back()).front(), "34");
    for (const auto& page : {memoryId + 1, memoryId + 2}) {
        EXPECT_EQ(Texts(page->Lines[0]), std::vector<std::string>{"RV7700A Quayline"});
        EXPECT_TRUE(page->Lines[1].Items.empty());
        EXPECT_EQ(Texts(page->Lines[2]), (std::vector<std::string>{"No.", "Station Name", "MMSI"}));
        EXPECT_EQ(Texts(page->Lines[3]),
                  (std::vector<std::string>{"--", "------------", "---------"}));
    }
    EXPECT_EQ(Texts((memoryId + 1)->Lines[4]).front(), "35");
    EXPECT_EQ(Texts((memoryId + 1)->Lines.back()).front(), "70");
    EXPECT_EQ(Texts((memoryId + 2)->Lines[4]).front(), "71");
    EXPECT_EQ(Texts((memoryId + 2)->Lines.back()).front(), "80");
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
    EXPECT_EQ(Texts(pages[1].Lines[3]), std::vector<std::string>{"##### Common Setup #####"});
    for (int linesPerPage = 8; linesPerPage <= 70; ++linesPerPage) {
        for (const PrintedPage& page : Print(linesPerPage)) {
            const std::size_t last = page.Lines.size() - 1;
            for (std::size_t i : {last, last - 1}) {
                const auto& items = page.Lines[i].Items;
                EXPECT_FALSE(i > 2 && !items.empty() && items.front().Text.starts_with("#####"))
                    << "heading near the foot of a page of " << linesPerPage << " lines";
            }
        }
    }
}

// Every line of the unbroken layout, in order, without the page headers.
std::vector<std::vector<std::string>> BodyLines(const std::vector<PrintedPage>& pages) {
    std::vector<std::vector<std::string>> body;
    for (const PrintedPage& page : pages) {
        for (std::size_t i = 2; i < page.Lines.size(); ++i) {
            body.push_back(Texts(page.Lines[i]));
        }
    }
    return body;
}

TEST_F(PrintedReportTest, PagesTooSmallForMoreThanOneLineStillPrintEveryLine) {
    const std::vector<std::vector<std::string>> unbroken = BodyLines(Print());
    std::vector<std::vector<std::string>> oneLinePages;
    for (const PrintedPage& page : Print(1)) {
        ASSERT_GE(page.Lines.size(), 3u);
        EXPECT_EQ(Texts(page.Lines[0]), std::vector<std::string>{"RV7700A Quayline"});
        oneLinePages.push_back(Texts(page.Lines.back()));
    }
    EXPECT_EQ(oneLinePages, unbroken);
}

} // namespace
} // namespace tq58
