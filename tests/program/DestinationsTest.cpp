#include "program/Destinations.h"

#include "model/ImageHeader.h"
#include "support/RadioFixtures.h"
#include "support/ScratchFolder.h"
#include "support/TestModels.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace tq58 {
namespace {

using test::NewRadioData;
using test::Rv7200A;
using test::Rv7700A;
using test::Rv7700AM;

// Channel names hold no "_": the mark of a file is its name with "/" for "_".
std::string Mark(std::string fileName) {
    std::replace(fileName.begin(), fileName.end(), '_', '/');
    return fileName.substr(0, 16);
}

class DestinationsTest : public ::testing::Test {
protected:
    // A default image whose first USA channel carries the mark of its file name.
    void Install(const std::string& fileName, const ModelState& model) {
        RadioData image = NewRadioData(model);
        image.Settings.CHUSA[0].ChTag = Mark(fileName);
        EXPECT_TRUE(PrepareOutgoingImage(image, model).Ok);
        folder.Write(fileName, std::string(image.MemoryImage.begin(), image.MemoryImage.end()));
    }
    std::string LoadedMark() const { return data.Settings.CHUSA[0].ChTag; }
    DestinationMenu Build() { return BuildDestinationMenu(folder.Path(), Rv7700A(), store, data); }

    test::ScratchFolder folder;
    MemorySettingsStore store;
    RadioData data = NewRadioData(Rv7700A());
};

TEST_F(DestinationsTest, NamesAreCutSortedWithoutCaseAndShownOnce) {
    EXPECT_EQ(DestinationName("USA_1E14.ini"), "USA");
    EXPECT_EQ(DestinationName("usa-m_1E14.ini"), "USA-M");
    EXPECT_EQ(DestinationName("A_B_1C20.ini"), "A");
    for (const char* name : {"k", "J", "i", "H", "g", "F", "e", "D", "c", "B", "a"}) {
        Install(std::string(name) + "_1C20.ini", Rv7200A());
    }
    EXPECT_EQ(ListDestinationNames(folder.Path(), 1),
              (std::vector<std::string>{"A", "B", "C", "D", "E", "F", "G", "H", "I", "J"}));
    for (const char* name : {"usa_1E14.ini", "USA_1E14.ini", "Usa-Extra_1e14.INI"}) {
        Install(name, Rv7700A());
    }
    EXPECT_EQ(ListDestinationNames(folder.Path(), 2),
              (std::vector<std::string>{"USA", "USA-EXTRA"}));
}

TEST_F(DestinationsTest, Rv7700AShowsTheRv7700AMFilesTooAndBothNamesLoadTheSameImage) {
    Install("USA_1E14.ini", Rv7700A());
    Install("USA-M_1E14.ini", Rv7700AM());
    Install("INTL_1C20.ini", Rv7200A());
    Install("notes.txt", Rv7700A());
    EXPECT_EQ(ListDestinationNames(folder.Path(), 2), (std::vector<std::string>{"USA", "USA-M"}));
    EXPECT_EQ(ListDestinationNames(folder.Path(), 11), std::vector<std::string>{"USA-M"});
    EXPECT_EQ(ListDestinationNames(folder.Path(), 1), std::vector<std::string>{"INTL"});
    EXPECT_EQ(DefaultImagePath(folder.Path(), "USA-M", 2), folder.File("USA_1E14.ini"));
    EXPECT_EQ(DefaultImagePath(folder.Path(), "USA", 2), folder.File("USA_1E14.ini"));
    EXPECT_EQ(DefaultImagePath(folder.Path(), "USA-M", 11), folder.File("USA-M_1E14.ini"));
    EXPECT_EQ(DefaultImagePath(folder.Path(), "-M", 11), folder.File("-M-M_1E14.ini"));

    DestinationMenu menu = Build();
    ASSERT_TRUE(ApplyDestination(menu, 1, folder.Path(), Rv7700A(), store, data, {}).Ok);
    EXPECT_EQ(LoadedMark(), Mark("USA_1E14.ini"));
    EXPECT_EQ(menu.Checked, 1);
    EXPECT_EQ(store.Read("IniFilePath", "IniFileName_2", ""), "USA-M");

    RadioData m = NewRadioData(Rv7700AM());
    store.Write("IniFilePath", "IniFileName_11", "usa-m");
    EXPECT_EQ(BuildDestinationMenu(folder.Path(), Rv7700AM(), store, m).Checked, 0);
    EXPECT_EQ(m.Settings.CHUSA[0].ChTag, Mark("USA-M_1E14.ini"));
}

TEST_F(DestinationsTest, OnlyTheRememberedDestinationIsLoadedAndCheckedWhateverItsCase) {
    const RadioData before = data;
    DestinationMenu menu = Build();
    EXPECT_FALSE(menu.Enabled);
    EXPECT_TRUE(menu.Names.empty());

    folder.Write("CAN_1E14.ini", "too short");
    menu = Build();
    EXPECT_TRUE(menu.Enabled);
    EXPECT_EQ(menu.Checked, -1);
    store.Write("IniFilePath", "IniFileName_2", "can");
    EXPECT_EQ(Build().Checked, -1);
    EXPECT_EQ(test::RecordDifferences(data.Settings, before.Settings), std::vector<std::string>{});
    EXPECT_EQ(data.MemoryImage, before.MemoryImage);

    Install("CAN_1E14.ini", Rv7700A());
    Install("Usa_1E14.ini", Rv7700A());
    menu = Build();
    EXPECT_EQ(menu.Names, (std::vector<std::string>{"CAN", "USA"}));
    EXPECT_EQ(menu.Checked, 0);
    EXPECT_EQ(LoadedMark(), Mark("CAN_1E14.ini"));
    store.Write("IniFilePath", "IniFileName_2", "uSa");
    EXPECT_EQ(Build().Checked, 1);
    EXPECT_EQ(LoadedMark(), Mark("Usa_1E14.ini"));
}

TEST_F(DestinationsTest, ChangesReloadTheCheckedOneAndAFailureKeepsThePreviousChoice) {
    Install("USA_1E14.ini", Rv7700A());
    Install("CAN_1E14.ini", Rv7200A());
    DestinationMenu menu = Build();
    ASSERT_EQ(menu.Checked, 1);
    data.Settings.CHUSA[0].ChTag = "edited";
    ASSERT_TRUE(ChangeDestination(menu, 1, folder.Path(), Rv7700A(), store, data, {}).Ok);
    EXPECT_EQ(LoadedMark(), Mark("USA_1E14.ini"));

    store.Write("IniFilePath", "IniFileName_2", "before");
    const Outcome outcome = ChangeDestination(menu, 0, folder.Path(), Rv7700A(), store, data, {});
    EXPECT_EQ(outcome.Message, "IniFileRead Error!!");
    EXPECT_EQ(menu.Checked, 1);
    EXPECT_EQ(store.Read("IniFilePath", "IniFileName_2", ""), "before");
    EXPECT_EQ(LoadedMark(), NewRadioData(Rv7700A()).Settings.CHUSA[0].ChTag);
    EXPECT_FALSE(ApplyDestination(menu, 5, folder.Path(), Rv7700A(), store, data, {}).Ok);
}

TEST_F(DestinationsTest, NewDataLoadsTheRememberedDestinationThroughTheLoader) {
    Install("USA_1E14.ini", Rv7700A());
    DestinationMenu menu;
    RadioData fresh;
    ASSERT_TRUE(
        NewData(fresh, Rv7700A(), MakeDefaultImageLoader(folder.Path(), Rv7700A(), store, &menu))
            .Ok);
    EXPECT_EQ(fresh.Settings.CHUSA[0].ChTag, Mark("USA_1E14.ini"));
    EXPECT_EQ(menu.Names, std::vector<std::string>{"USA"});
    EXPECT_EQ(menu.Checked, 0);
}

} // namespace
} // namespace tq58
