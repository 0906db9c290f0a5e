#include "editor/GridRows.h"

#include "support/TestModels.h"

#include <gtest/gtest.h>
#include <sstream>

namespace tq58 {
namespace {

using test::NewRadioData;
using test::Rv7700A;

SettingsRecord WithExpChannels() {
    SettingsRecord settings = NewRadioData(Rv7700A()).Settings;
    for (int i : {1, 2}) {
        ChannelRecord& channel = settings.CHEXP[static_cast<std::size_t>(i)];
        channel.Enable = true;
        channel.CHDisplayL = "0" + std::to_string(i + 1);
        channel.Rxfreq = channel.Txfreq = 156.025 + 0.025 * i;
        channel.ChTag = "BOAT" + std::to_string(i + 1);
    }
    return settings;
}

// The grid's rows from the first key on, and its columns from the selected one on.
PasteTarget Target(int firstKey, int lastKey, std::vector<std::string> columns) {
    PasteTarget target{{}, std::move(columns)};
    for (int key = firstKey; key <= lastKey; ++key) {
        target.Keys.push_back(std::to_string(key));
    }
    return target;
}

const std::vector<std::string> ExpColumns{
    "EXP CH",         "CH Enable", "CH Display",  "Rx Frequency", "Tx Frequency",
    "Low Power Only", "Power Up",  "Scan Memory", "Scrambler",    "CH Name"};
const std::vector<std::string> DirectoryColumns{"Memory ID", "Station Name", "MMSI", ""};

std::vector<std::string> From(const std::vector<std::string>& columns, std::size_t first) {
    return {columns.begin() + static_cast<std::ptrdiff_t>(first), columns.end()};
}

TEST(GridRows, NumberedRowsGoToTheirNumbersAndOthersFillFromTheSelectedCell) {
    const ModelState model = Rv7700A();
    SettingsRecord settings = WithExpChannels();
    settings.CHMMSID[0] = {true, "FIRST", "3661234560"};
    const SettingsRecord before = settings;
    const std::string copied = CopiedRows(settings, model, CsvList::Exp, {"2", "3"});
    EXPECT_EQ(copied.substr(0, copied.find('\t')), "EXP CH");

    const struct {
        CsvList list;
        PasteTarget target;
        const char* text;
        std::vector<std::string> keys;
        int replaced;
    } cases[] = {
        {CsvList::Exp, Target(6, 64, ExpColumns), copied.c_str(), {"2", "3"}, 0},
        {CsvList::Exp,
         Target(2, 64, ExpColumns),
         "EXP CH\tCH Name\n31\tPILOT\n2\tTUG",
         {"31", "2"},
         1},
        {CsvList::Exp,
         Target(10, 64, ExpColumns),
         "10,On,10,156.100,156.100,Off,Off,On,Off,PILOT",
         {"10"},
         0},
        {CsvList::Exp, Target(3, 64, From(ExpColumns, 9)), "PILOT\nTUG", {"3", "4"}, 1},
        {CsvList::Individual,
         Target(1, 80, From(DirectoryColumns, 1)),
         "SHIP\t366123457\nBOAT\t366123458",
         {"1", "2"},
         1},
        {CsvList::Individual,
         Target(2, 80, DirectoryColumns),
         "Station Name\tMMSI\nSECOND\t366123457",
         {"2"},
         0},
    };
    for (const auto& c : cases) {
        const PastedRows pasted = PasteRows(settings, model, c.list, c.target, c.text);
        ASSERT_TRUE(pasted.Result.Ok) << c.text << ": " << pasted.Result.Message;
        EXPECT_EQ(pasted.Keys, c.keys) << c.text;
        EXPECT_EQ(pasted.ReplacedFilled, c.replaced) << c.text;
    }
    EXPECT_EQ(settings, before);

    const PastedRows numbered = PasteRows(settings, model, CsvList::Exp, Target(2, 64, ExpColumns),
                                          "EXP CH\tCH Name\n31\tPILOT\n2\tTUG");
    EXPECT_EQ(numbered.Settings.CHEXP[30].ChTag, "PILOT");
    EXPECT_EQ(numbered.Settings.CHEXP[1].ChTag, "TUG");
    EXPECT_EQ(numbered.Settings.CHEXP[1].Rxfreq, settings.CHEXP[1].Rxfreq);
    const PastedRows spread =
        PasteRows(settings, model, CsvList::Individual, Target(2, 80, From(DirectoryColumns, 1)),
                  "SECOND\t366123457\nTHIRD\t366123458");
    EXPECT_EQ(spread.Settings.CHMMSID[2], (DirectoryRecord{true, "THIRD", "3661234580"}));
    EXPECT_EQ(spread.Settings.CHMMSID[0].TagName, "FIRST");
}

TEST(GridRows, RefusedPastesSayWhyOnceAndPasteNothing) {
    const ModelState model = Rv7700A();
    SettingsRecord settings = WithExpChannels();
    settings.CHMMSID[0] = {true, "FIRST", "3661234560"};
    const char* noFit = "Nothing was pasted: the columns fit no list; the Individual Directory "
                        "takes Memory ID, Station Name, MMSI.";
    const struct {
        CsvList list;
        PasteTarget target;
        const char* text;
        std::string message; // the whole message, or its first line and the rows it names
    } cases[] = {
        {CsvList::Exp, Target(1, 64, ExpColumns),
         "1\tOn\t01\t156.0125\n2\tOn\t02\t156.050\n3\tOn\t03\t999\n",
         "Nothing was pasted: 2 rows were refused.|row 1: |row 3: "},
        {CsvList::Exp, Target(64, 64, ExpColumns), "64,On\n65,On",
         "row 2: below the list's last row"},
        {CsvList::Individual, Target(1, 80, DirectoryColumns), "USA CH,CH Enable\n16,On",
         "Nothing was pasted: the rows are not of the Individual Directory."},
        {CsvList::Individual, Target(2, 80, DirectoryColumns), "SECOND\t366123457", noFit},
        {CsvList::Individual, Target(2, 80, From(DirectoryColumns, 1)), "Name\tMMSI\nX\t366123457",
         noFit},
        {CsvList::Individual, Target(6, 80, From(DirectoryColumns, 1)), "SIXTH\t366123459",
         "row 1: entries are used in order from 1: entry 2 is switched off, so entry 6 cannot "
         "be used yet"},
        {CsvList::Individual, Target(1, 80, DirectoryColumns), "Memory ID,Station Name\nX,Y",
         "row 2: \"X\" is not an entry of the directory"},
    };
    for (const auto& c : cases) {
        const PastedRows pasted = PasteRows(settings, model, c.list, c.target, c.text);
        EXPECT_FALSE(pasted.Result.Ok) << c.text;
        EXPECT_EQ(pasted.Settings, settings) << c.text;
        std::stringstream parts(c.message);
        for (std::string part; std::getline(parts, part, '|');) {
            EXPECT_NE(pasted.Result.Message.find(part), std::string::npos)
                << c.text << ": " << pasted.Result.Message;
        }
    }
}

// An entry switched off keeps its name and MMSI, and is named as the entry in the way.
TEST(GridRows, AnEntrySwitchedOffIsNamedAndKeepsWhatItHolds) {
    const ModelState model = Rv7700A();
    SettingsRecord settings = NewRadioData(model).Settings;
    settings.CHMMSID[0] = {false, "FIRST", "3661234560"};
    Phrase told;
    EXPECT_FALSE(
        EditCell(settings, model, CsvList::Individual, "3", "Station Name", "ZEEMEEUW", &told).Ok);
    EXPECT_EQ(told.English(), "entries are used in order from 1: entry 1 is switched off, so "
                              "entry 3 cannot be used yet");
    ASSERT_TRUE(EditCell(settings, model, CsvList::Individual, "1", "Station Name", "EIDER").Ok);
    EXPECT_EQ(settings.CHMMSID[0], (DirectoryRecord{true, "EIDER", "3661234560"}));
}

TEST(GridRows, ACellIsTakenAsItsColumnIsImported) {
    const ModelState model = Rv7700A();
    SettingsRecord settings = WithExpChannels();
    const Outcome refused =
        EditCell(settings, model, CsvList::Exp, "2", "Rx Frequency", "156.0125");
    EXPECT_FALSE(refused.Ok);
    EXPECT_NE(refused.Message.find("25 kHz"), std::string::npos) << refused.Message;
    ASSERT_TRUE(EditCell(settings, model, CsvList::Exp, "2", "Rx Frequency", "157.1").Ok);
    EXPECT_DOUBLE_EQ(settings.CHEXP[1].Rxfreq, 157.1);

    settings.CHGRPID[0] = {true, "FLEET", "0366123450"};
    EXPECT_FALSE(EditCell(settings, model, CsvList::Group, "1", "MMSI", "3661").Ok);
    ASSERT_TRUE(EditCell(settings, model, CsvList::Group, "1", "Group Name", "CLUB").Ok);
    EXPECT_EQ(settings.CHGRPID[0].TagName, "CLUB");
    EXPECT_EQ(settings.CHGRPID[0].Mmsid, "0366123450");
}

} // namespace
} // namespace tq58
