#include "app/Destinations.h"

#include "link/ImageHeader.h"
#include "support/ScratchFolder.h"
#include "support/TestModels.h"

#include <gtest/gtest.h>

namespace tq58 {
namespace {

using test::Rv7200A;
using test::Rv7700A;
using test::Rv7700AM;

RadioData NewRadioData(const ModelState& model) {
    RadioData data;
    NewData(data, model);
    return data;
}

// A default image whose first USA channel is named after the file, to see which one loaded.
std::string MarkedImage(const ModelState& model, const std::string& mark) {
    RadioData data = NewRadioData(model);
    data.Settings.CHUSA[0].ChTag = mark;
    EXPECT_TRUE(PrepareOutgoingImage(data, model).Ok());
    return std::string(data.MemoryImage.begin(), data.MemoryImage.end());
}

// Channel names hold no "_".
std::string Mark(std::string fileName) {
    for (char& c : fileName) {
        c = c == '_' ? '/' : c;
    }
    return fileName.substr(0, 16);
}

class DestinationsTest : public ::testing::Test {
protected:
    void Install(const std::string& fileName, const ModelState& model) {
        folder.Write(fileName, MarkedImage(model, Mark(fileName)));
    }
    std::string LoadedMark() const { return data.Settings.CHUSA[0].ChTag; }

    test::ScratchFolder folder;
    MemorySettingsStore store;
    RadioData data = NewRadioData(Rv7700A());
};

TEST_F(DestinationsTest, NamesAreTheUpperCasedFileNamesBeforeTheFirstUnderscore) {
    EXPECT_EQ(DestinationName("USA_1E14.ini"), "USA");
    EXPECT_EQ(DestinationName("usa-m_1E14.ini"), "USA-M");
    EXPECT_EQ(DestinationName("A_B_1C20.ini"), "A");
}

TEST_F(DestinationsTest, TheRv7700AListAlsoShowsTheRv7700AMFilesAndBothLoadTheSameImage) {
    Install("USA_1E14.ini", Rv7700A());
    Install("USA-M_1E14.ini", Rv7700A());
    Install("INTL_1C20.ini", Rv7200A());
    Install("notes.txt", Rv7700A());
    EXPECT_EQ(ListDestinationNames(folder.Path(), 2), (std::vector<std::string>{"USA", "USA-M"}));
    EXPECT_EQ(ListDestinationNames(folder.Path(), 11), std::vector<std::string>{"USA-M"});
    EXPECT_EQ(ListDestinationNames(folder.Path(), 1), std::vector<std::string>{"INTL"});
    EXPECT_EQ(DefaultImagePath(folder.Path(), "USA-M", 2), folder.File("USA_1E14.ini"));
    EXPECT_EQ(DefaultImagePath(folder.Path(), "USA", 2), folder.File("USA_1E14.ini"));
    EXPECT_EQ(DefaultImagePath(folder.Path(), "USA-M", 11), folder.File("USA-M_1E14.ini"));
    EXPECT_EQ(DefaultImagePath(folder.Path(), "-M", 11), folder.File("-M-M_1E14.ini"));

    DestinationMenu menu = BuildDestinationMenu(folder.Path(), Rv7700A(), store, data);
    ASSERT_TRUE(ApplyDestination(menu, 1, folder.Path(), Rv7700A(), store, data).Ok);
    EXPECT_EQ(LoadedMark(), Mark("USA_1E14.ini"));
    EXPECT_EQ(menu.Checked, 1);
    EXPECT_EQ(store.Read("IniFilePath", "IniFileName_2", ""), "USA-M");
}

TEST_F(DestinationsTest, AnRv7700AMDestinationLoadsItsOwnFile) {
    Install("USA_1E14.ini", Rv7700A());
    Install("USA-M_1E14.ini", Rv7700AM());
    RadioData m = NewRadioData(Rv7700AM());
    store.Write("IniFilePath", "IniFileName_11", "usa-m");
    const DestinationMenu menu = BuildDestinationMenu(folder.Path(), Rv7700AM(), store, m);
    EXPECT_EQ(menu.Checked, 0);
    EXPECT_EQ(m.Settings.CHUSA[0].ChTag, Mark("USA-M_1E14.ini"));
}

TEST_F(DestinationsTest, ElevenFilesGiveTenNamesSortedWithoutCase) {
    for (const char* name : {"k", "J", "i", "H", "g", "F", "e", "D", "c", "B", "a"}) {
        Install(std::string(name) + "_1C20.ini", Rv7200A());
    }
    const std::vector<std::string> names = ListDestinationNames(folder.Path(), 1);
    EXPECT_EQ(names, (std::vector<std::string>{"A", "B", "C", "D", "E", "F", "G", "H", "I", "J"}));
}

TEST_F(DestinationsTest, NamesThatDifferOnlyInCaseAreShownOnce) {
    Install("usa_1C20.ini", Rv7200A());
    Install("USA_1C20.ini", Rv7200A());
    Install("Usa-Extra_1c20.INI", Rv7200A());
    EXPECT_EQ(ListDestinationNames(folder.Path(), 1),
              (std::vector<std::string>{"USA", "USA-EXTRA"}));
}

TEST_F(DestinationsTest, TheRememberedDestinationIsLoadedWhateverTheCase) {
    Install("Usa_1E14.ini", Rv7700A());
    Install("CAN_1E14.ini", Rv7700A());
    DestinationMenu menu = BuildDestinationMenu(folder.Path(), Rv7700A(), store, data);
    EXPECT_TRUE(menu.Enabled);
    EXPECT_EQ(menu.Names, (std::vector<std::string>{"CAN", "USA"}));
    EXPECT_EQ(menu.Checked, 1);
    EXPECT_EQ(LoadedMark(), Mark("Usa_1E14.ini"));

    store.Write("IniFilePath", "IniFileName_2", "can");
    menu = BuildDestinationMenu(folder.Path(), Rv7700A(), store, data);
    EXPECT_EQ(menu.Checked, 0);
    EXPECT_EQ(LoadedMark(), Mark("CAN_1E14.ini"));
}

TEST_F(DestinationsTest, WithoutAMatchNothingIsCheckedOrLoaded) {
    const RadioData before = data;
    DestinationMenu menu = BuildDestinationMenu(folder.Path(), Rv7700A(), store, data);
    EXPECT_FALSE(menu.Enabled);
    EXPECT_TRUE(menu.Names.empty());

    Install("CAN_1E14.ini", Rv7700A());
    menu = BuildDestinationMenu(folder.Path(), Rv7700A(), store, data);
    EXPECT_TRUE(menu.Enabled);
    EXPECT_EQ(menu.Checked, -1);
    EXPECT_EQ(data.Settings, before.Settings);
}

TEST_F(DestinationsTest, ABrokenDefaultImageLeavesNothingChecked) {
    folder.Write("USA_1E14.ini", "too short");
    const RadioData before = data;
    const DestinationMenu menu = BuildDestinationMenu(folder.Path(), Rv7700A(), store, data);
    EXPECT_EQ(menu.Checked, -1);
    EXPECT_EQ(data.MemoryImage, before.MemoryImage);
}

TEST_F(DestinationsTest, AFailedChangeKeepsThePreviousChoice) {
    Install("USA_1E14.ini", Rv7700A());
    folder.Write("CAN_1E14.ini", MarkedImage(Rv7200A(), "wrong model"));
    DestinationMenu menu = BuildDestinationMenu(folder.Path(), Rv7700A(), store, data);
    ASSERT_EQ(menu.Checked, 1);
    const FileOutcome outcome = ChangeDestination(menu, 0, folder.Path(), Rv7700A(), store, data);
    EXPECT_EQ(outcome.Message, "IniFileRead Error!!");
    EXPECT_EQ(menu.Checked, 1);
    EXPECT_EQ(store.Read("IniFilePath", "IniFileName_2", "none"), "none");
    EXPECT_EQ(LoadedMark(), NewRadioData(Rv7700A()).Settings.CHUSA[0].ChTag);
    EXPECT_FALSE(ApplyDestination(menu, 5, folder.Path(), Rv7700A(), store, data).Ok);
}

TEST_F(DestinationsTest, ReChoosingTheCheckedDestinationReloadsIt) {
    Install("USA_1E14.ini", Rv7700A());
    DestinationMenu menu = BuildDestinationMenu(folder.Path(), Rv7700A(), store, data);
    data.Settings.CHUSA[0].ChTag = "edited";
    ASSERT_TRUE(ChangeDestination(menu, 0, folder.Path(), Rv7700A(), store, data).Ok);
    EXPECT_EQ(LoadedMark(), Mark("USA_1E14.ini"));
    EXPECT_EQ(menu.Checked, 0);
}

TEST_F(DestinationsTest, NewDataLoadsTheRememberedDestinationThroughTheLoader) {
    Install("USA_1E14.ini", Rv7700A());
    DestinationMenu menu;
    RadioData fresh;
    NewData(fresh, Rv7700A(), MakeDefaultImageLoader(folder.Path(), Rv7700A(), store, &menu));
    EXPECT_EQ(fresh.Settings.CHUSA[0].ChTag, Mark("USA_1E14.ini"));
    EXPECT_EQ(menu.Names, std::vector<std::string>{"USA"});
    EXPECT_EQ(menu.Checked, 0);
}

} // namespace
} // namespace tq58
