#include "editor/GridRows.h"

#include "support/TestModels.h"

#include <gtest/gtest.h>

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

TEST(GridRows, CopiedRowsPasteOntoOtherRowsAsOneChange) {
    const ModelState model = Rv7700A();
    SettingsRecord settings = WithExpChannels();
    const std::string copied = CopiedRows(settings, model, CsvList::Exp, {"2", "3"});
    EXPECT_EQ(copied.substr(0, copied.find('\t')), "EXP CH");
    EXPECT_EQ(std::count(copied.begin(), copied.end(), '\n'), 3);
    EXPECT_EQ(PastedRowCount(copied), 2);

    ASSERT_TRUE(PasteRows(settings, model, CsvList::Exp, {"6", "7", "8"}, copied).Ok);
    EXPECT_EQ(settings.CHEXP[5].ChTag, "BOAT2");
    EXPECT_NEAR(settings.CHEXP[6].Rxfreq, settings.CHEXP[2].Rxfreq, 1e-9);
    EXPECT_FALSE(settings.CHEXP[7].Enable);

    // From a spreadsheet: the export's columns without headings, commas or tabs.
    ASSERT_TRUE(PasteRows(settings, model, CsvList::Exp, {"10"},
                          "1,On,10,156.100,156.100,Off,Off,On,Off,PILOT")
                    .Ok);
    EXPECT_EQ(settings.CHEXP[9].ChTag, "PILOT");
}

TEST(GridRows, RefusedRowsAreEachNamedAndNothingIsPasted) {
    const ModelState model = Rv7700A();
    SettingsRecord settings = WithExpChannels();
    const SettingsRecord before = settings;
    const Outcome refused = PasteRows(settings, model, CsvList::Exp, {"1", "2", "3"},
                                      "1\tOn\t01\t156.0125\n2\tOn\t02\t156.050\n3\tOn\t03\t999\n");
    EXPECT_FALSE(refused.Ok) << refused.Message;
    EXPECT_EQ(refused.Message.substr(0, refused.Message.find('\n')),
              "Nothing was pasted: 2 rows were refused.");
    EXPECT_NE(refused.Message.find("\nrow 1: "), std::string::npos);
    EXPECT_NE(refused.Message.find("\nrow 3: "), std::string::npos);
    EXPECT_EQ(settings, before);

    EXPECT_FALSE(PasteRows(settings, model, CsvList::Exp, {"64"}, "1,On\n2,On").Ok);
    EXPECT_FALSE(
        PasteRows(settings, model, CsvList::Individual, {"1"}, "USA CH,CH Enable\n16,On").Ok);
    EXPECT_EQ(settings, before);
}

TEST(GridRows, DirectoryRowsKeepTheEntriesContiguous) {
    const ModelState model = Rv7700A();
    SettingsRecord settings = NewRadioData(model).Settings;
    settings.CHMMSID[0] = {true, "FIRST", "3661234560"};
    const std::vector<std::string> fromSecond{"2", "3"};
    ASSERT_TRUE(PasteRows(settings, model, CsvList::Individual, fromSecond,
                          "2\tSECOND\t366123457\n3\tTHIRD\t366123458")
                    .Ok);
    EXPECT_EQ(settings.CHMMSID[2].Mmsid, "3661234580");
    EXPECT_EQ(settings.CHMMSID[0].TagName, "FIRST");
    EXPECT_FALSE(PasteRows(settings, model, CsvList::Individual, {"6"}, "6\tSIXTH\t366123459").Ok);
    EXPECT_FALSE(settings.CHMMSID[5].Enable);
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
