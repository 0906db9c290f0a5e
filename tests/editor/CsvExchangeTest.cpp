#include "editor/CsvExchange.h"

#include "support/TestModels.h"

#include <gtest/gtest.h>

namespace tq58 {
namespace {

using test::NewRadioData;
using test::Rv7200A;
using test::Rv7700A;

// New data with something in every list, as a user could type it on the pages.
SettingsRecord Typed(const ModelState& model) {
    SettingsRecord settings = NewRadioData(model).Settings;
    settings.CHEXP[0] = {.Enable = true,
                         .ScanMemory = true,
                         .ChTag = "WORK, BOAT",
                         .Scramble = 6,
                         .CHDisplayL = "07",
                         .CHDisplayR = "A",
                         .Txfreq = 156.025,
                         .Rxfreq = 161.6};
    settings.CHEXP[63].ChTag = "LAST";
    settings.CHUSA[32].ChTag = "MAYDAY";
    settings.CHINT[0].Enable = true;
    settings.CHMMSID[0] = {true, "HOME", "3661234560"};
    settings.CHMMSID[1] = {true, "MARINA", "2111234560"};
    settings.CHGRPID[0] = {true, "FLEET", "0366123450"};
    return settings;
}

// Values an image or a settings file can hold but the pages would not take.
SettingsRecord WithOddValues(SettingsRecord settings) {
    settings.CHEXP[1] = {.LowPower = true,
                         .TxEnable = true,
                         .ChTag = "x#",
                         .Scramble = 3,
                         .CHDisplayL = "7",
                         .CHDisplayR = "A",
                         .Txfreq = 156.0125};
    settings.CHCAN[2].Scramble = 3; // the "on" flag clear: shown as Off
    settings.CHMMSID[0].Mmsid = "3661234567";
    return settings;
}

TEST(CsvExchange, ExportThenImportChangesNothingAndCarriesEveryList) {
    for (const ModelState& model : {Rv7200A(), Rv7700A()}) {
        const SettingsRecord odd = WithOddValues(Typed(model));
        const SettingsRecord typed = Typed(model);
        SettingsRecord fresh = NewRadioData(model).Settings;
        for (const CsvListInfo& info : CsvListTable) {
            SettingsRecord same = odd;
            EXPECT_TRUE(ImportCsv(same, model, ExportCsv(odd, model, info.List)).Ok) << info.Name;
            EXPECT_EQ(same, odd) << info.Name;
            const Outcome imported = ImportCsv(fresh, model, ExportCsv(typed, model, info.List));
            EXPECT_TRUE(imported.Ok) << info.Name << ": " << imported.Message;
        }
        // Only the scrambler codes stay behind on a model without the scrambler.
        if (!model.ScramblerAvailable) {
            fresh.CHEXP[0].Scramble = typed.CHEXP[0].Scramble;
        }
        EXPECT_EQ(fresh, typed) << model.ModelName;
    }
}

// A directory can hold a blank entry before used ones (a file or an image brought it): it
// reads back unchanged, while a row that changes an entry after it is still refused.
TEST(CsvExchange, BlankDirectoryEntriesRoundTripButChangedRowsAreChecked) {
    const ModelState model = Rv7700A();
    SettingsRecord blank = Typed(model);
    blank.CHMMSID[0] = {true, "", ""};
    blank.CHMMSID[2] = {true, "", "3661234560"};
    blank.CHMMSID[3] = {true, "DOCK", "2111234570"};
    const std::string csv = ExportCsv(blank, model, CsvList::Individual);
    SettingsRecord same = blank;
    const Outcome unchanged = ImportCsv(same, model, csv);
    EXPECT_TRUE(unchanged.Ok) << unchanged.Message;
    EXPECT_EQ(same, blank);

    std::string changed = csv;
    changed.replace(changed.find("DOCK"), 4, "PIER");
    const Outcome refused = ImportCsv(same, model, changed);
    EXPECT_FALSE(refused.Ok);
    EXPECT_NE(refused.Message.find("line 5: entry 3 needs a name and an MMSI before entry 4"),
              std::string::npos)
        << refused.Message;
}

// Thousands of bad rows: the first 50 are listed, the rest counted.
TEST(CsvExchange, RefusalsAreListedUpToFiftyThenCounted) {
    const ModelState model = Rv7700A();
    std::string csv = "EXP CH,CH Name\n";
    for (int row = 0; row < 5000; ++row) {
        csv += "99,X\n";
    }
    SettingsRecord settings = Typed(model);
    const Outcome refused = ImportCsv(settings, model, csv);
    EXPECT_FALSE(refused.Ok);
    EXPECT_EQ(refused.Message.rfind("Nothing was imported: 5000 rows were refused.\n", 0), 0u);
    EXPECT_NE(refused.Message.find("\nline 51: EXP CH \"99\" is not a channel of the list\n... "
                                   "and 4950 more refused rows after these"),
              std::string::npos)
        << refused.Message.substr(refused.Message.size() - 200);
    EXPECT_EQ(refused.Message.find("line 52:"), std::string::npos);
}

TEST(CsvExchange, ExportedCellsFollowTheModel) {
    const SettingsRecord edited = Typed(Rv7700A());
    EXPECT_NE(ExportCsv(edited, Rv7700A(), CsvList::Exp)
                  .find("\r\n1,On,07A,161.6,156.025,Off,Off,On,2,\"WORK, BOAT\"\r\n"),
              std::string::npos);
    EXPECT_EQ(ExportCsv(edited, Rv7200A(), CsvList::Usa).find("Scrambler"), std::string::npos);
    // A group MMSI as the list and the report show it, with its leading 0.
    EXPECT_NE(ExportCsv(edited, Rv7700A(), CsvList::Group).find("\r\n1,FLEET,036612345\r\n"),
              std::string::npos);
}

TEST(CsvExchange, ImportTakesPartialListsAndFreesEntriesBeyondTheFile) {
    const ModelState model = Rv7700A();
    SettingsRecord settings = Typed(model);
    // One file holds one list: a second heading row is a row of the first list.
    EXPECT_FALSE(
        ImportCsv(settings, model, "exp ch,ch name\n2,SPARE\nMemory ID,Station Name,MMSI\n").Ok);
    ASSERT_TRUE(
        ImportCsv(settings, model, "exp ch,ch name,rx frequency\n 2 ,SPARE,\"156,025\"\n").Ok);
    EXPECT_EQ(settings.CHEXP[1].ChTag, "SPARE");
    EXPECT_EQ(settings.CHEXP[1].Rxfreq, 156.025);
    ASSERT_TRUE(ImportCsv(settings, model, "USA CH,Low Power Only\n9,On\n1a,On\n").Ok);
    EXPECT_TRUE(settings.CHUSA[18].LowPower && settings.CHUSA[3].LowPower);
    ASSERT_TRUE(ImportCsv(settings, model, "Memory ID,Station Name,MMSI\n1,,211000000\n").Ok);
    EXPECT_EQ(settings.CHMMSID[0], (DirectoryRecord{true, "HOME", "2110000000"}));
    EXPECT_EQ(settings.CHMMSID[1], DirectoryRecord{});
    for (const std::string mmsi : {"036612346", "36612346"}) {
        ASSERT_TRUE(ImportCsv(settings, model, "Group ID,Group Name,MMSI\n1,FLEET," + mmsi).Ok);
        EXPECT_EQ(settings.CHGRPID[0].Mmsid, "0366123460") << mmsi;
    }
}

TEST(CsvExchange, EachRefusalNamesItsLineAndReasonAndChangesNothing) {
    const struct {
        const char* csv;
        const char* reason;
    } cases[] = {
        {"EXP CH,Rx Frequency\n3,161.6\n5,156.0125\n",
         "line 3: Rx Frequency \"156.0125\" is not on"},
        {"EXP CH,Tx Frequency\n5,fast\n", "\"fast\" is not a frequency in MHz"},
        {"EXP CH,CH Name\n5,AB#\n", "CH Name \"AB#\" holds a character the radio cannot store"},
        {"EXP CH,CH Name\n5,ABCDEFGHIJKLMNOPQ\n", "is longer than 16 characters"},
        {"EXP CH,CH Display\n5,1X\n", "CH Display \"1X\" is not a channel number"},
        {"EXP CH,CH Enable\n5,yes\n", "CH Enable \"yes\" is not On or Off"},
        {"EXP CH,CH Enable\n5,On\n", "line 2: an enabled EXP channel needs an Rx Frequency"},
        {"EXP CH,Scrambler\n5,7\n", "Scrambler \"7\" is not Off, 0, 1, 2 or 3"},
        {"EXP CH,CH Name\n65,X\n", "EXP CH \"65\" is not a channel of the list"},
        {"EXP CH,CH Name\n5,X\n5,Y\n", "line 3: the channel is in line 2 already"},
        {"EXP CH,Duplex\n5,On\n", "line 1: heading \"Duplex\" is not a column of this list"},
        {"USA CH,Tx Enable\n70,On\n", "Tx Enable cannot be changed on this channel"},
        {"USA CH,Scrambler\n16,1\n", "Scrambler cannot be changed on this channel"},
        {"Memory ID,Station Name,MMSI\n1,HOME,36612345\n", "MMSI \"36612345\" is not 9 digits"},
        {"Group ID,Group Name,MMSI\n1,FLEET,366123456\n",
         "MMSI \"366123456\" is not 8 digits after the leading 0"},
        {"Memory ID,Station Name,MMSI\n1,ABCDEFGHIJKL,366123456\n", "longer than 11 characters"},
        {"Memory ID,Station Name,MMSI\n1,A,211000000\n3,B,211000001\n",
         "line 3: Memory ID \"3\": entries are numbered 1, 2, 3 ... in order without gaps"},
        {"Memory ID,Station Name,MMSI\n1,A,\n2,B,211000001\n",
         "line 3: entry 1 needs a name and an MMSI before entry 2 can be used"},
        {"Memory ID,MMSI\n", "line 1: the headings are not Memory ID,Station Name,MMSI"},
        {"Channel,Name\n", "line 1: the first heading names no list; it must be one of EXP CH"},
        {"EXP CH,CH Name\n\"5,X\n", "line 2: a quoted cell is not closed"},
    };
    const ModelState model = Rv7700A();
    const SettingsRecord before = Typed(model);
    for (const auto& c : cases) {
        SettingsRecord settings = before;
        const Outcome outcome = ImportCsv(settings, model, c.csv);
        EXPECT_FALSE(outcome.Ok) << c.csv;
        EXPECT_NE(outcome.Message.find(c.reason), std::string::npos) << outcome.Message;
        EXPECT_EQ(settings, before) << c.csv;
    }
}

} // namespace
} // namespace tq58
