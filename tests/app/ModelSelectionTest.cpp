#include "app/ModelSelection.h"

#include "support/ScratchFolder.h"

#include <gtest/gtest.h>

namespace tq58 {
namespace {

class ModelSelectionTest : public ::testing::Test {
protected:
    std::string GlobalIni(const std::string& text) {
        folder.Write("global.ini", text);
        return GlobalIniPath(folder.Path());
    }

    test::ScratchFolder folder;
    MemorySettingsStore store;
};

TEST_F(ModelSelectionTest, TheShippedChoiceOffersBothModelsAndRemembersTheLastOne) {
    const std::string ini = GlobalIni("[model1]\r\nuse=1\r\natis=0\r\nscrambler=0\r\n"
                                      "[model2]\r\nuse=1\r\natis=1\r\nscrambler=1\r\n");
    ModelOffer offer = SelectStartupModel(ini, store);
    EXPECT_EQ(offer.Count, 2);
    EXPECT_TRUE(offer.EditMenuVisible());
    EXPECT_EQ(offer.ModelType, 1);
    RememberModel(store, 2);
    EXPECT_EQ(store.Read("Settings", "lastmodel", ""), "2");
    offer = SelectStartupModel(ini, store);
    EXPECT_EQ(offer.ModelType, 2);
}

TEST_F(ModelSelectionTest, AModelWithUseZeroIsNotOffered) {
    const ModelOffer offer =
        SelectStartupModel(GlobalIni("[model1]\nuse=0\n[model2]\nuse=1\n"), store);
    EXPECT_EQ(offer.Count, 1);
    EXPECT_EQ(offer.ModelType, 2);
    EXPECT_FALSE(offer.Offered[0]);
    EXPECT_FALSE(offer.EditMenuVisible());
}

TEST_F(ModelSelectionTest, AMissingUseEndsTheScan) {
    EXPECT_EQ(ReadModelOffer(GlobalIni("[model1]\natis=1\n[model2]\nuse=1\n")).Count, 0);
    EXPECT_EQ(ReadModelOffer(GlobalIni("[model1]\nuse=\n[model2]\nuse=1\n")).Count, 0);
    const ModelOffer gap = ReadModelOffer(GlobalIni("[model1]\nuse=1\n[model3]\nuse=1\n"));
    EXPECT_EQ(gap.Count, 1);
    EXPECT_EQ(gap.ModelType, 1);
}

TEST_F(ModelSelectionTest, OnlyExactlyOneOffersAModel) {
    const ModelOffer offer = ReadModelOffer(
        GlobalIni("[model1]\nuse=2\n[model2]\nuse=#1\n[model3]\nuse=yes\n[model4]\nuse=1.0\n"));
    EXPECT_EQ(offer.Count, 2);
    EXPECT_TRUE(offer.Offered[1]);
    EXPECT_TRUE(offer.Offered[3]);
    EXPECT_EQ(offer.ModelType, 4);
}

TEST_F(ModelSelectionTest, NothingIsOfferedWithoutAGlobalIni) {
    const ModelOffer offer = SelectStartupModel(GlobalIniPath(folder.Path()), store);
    EXPECT_EQ(offer.Count, 0);
    EXPECT_EQ(offer.ModelType, 0);
}

TEST_F(ModelSelectionTest, ALastModelThatIsNotOfferedIsIgnored) {
    const std::string ini = GlobalIni("[model1]\nuse=0\n[model2]\nuse=1\n[model3]\nuse=1\n");
    for (const char* last : {"1", "7", "0", "-2", "ten", "2.5", "10", "11"}) {
        store.Write("Settings", "lastmodel", last);
        EXPECT_EQ(SelectStartupModel(ini, store).ModelType, 3) << last;
    }
    store.Write("Settings", "lastmodel", "2");
    EXPECT_EQ(SelectStartupModel(ini, store).ModelType, 2);
}

TEST_F(ModelSelectionTest, CapabilitiesComeFromTheModelsSection) {
    const std::string ini = GlobalIni("[model1]\nuse=1\natis=False\nscrambler=0\n"
                                      "[model2]\nuse=1\natis=#True\nscrambler=-1\n"
                                      "[model3]\nuse=1\natis=maybe\n");
    const ModelState small = ModelStateFor(1, ini);
    EXPECT_EQ(small.ModelName, "RV7200A");
    EXPECT_FALSE(small.AtisAvailable);
    EXPECT_FALSE(small.ScramblerAvailable);
    const ModelState large = ModelStateFor(2, ini);
    EXPECT_EQ(large.ModelName, "RV7700A");
    EXPECT_TRUE(large.AtisAvailable);
    EXPECT_TRUE(large.ScramblerAvailable);
    const ModelState unknown = ModelStateFor(3, ini);
    EXPECT_EQ(unknown.ModelName, "Unknown model");
    EXPECT_FALSE(unknown.AtisAvailable);
    EXPECT_FALSE(unknown.ScramblerAvailable);
}

TEST_F(ModelSelectionTest, AModelChangeTakesTheNewCapabilitiesAndIsRemembered) {
    const std::string ini = GlobalIni("[model1]\nuse=1\n[model2]\nuse=1\natis=1\nscrambler=1\n");
    EXPECT_EQ(ModelChangeQuestion(1), "Do you want to program the RV7700A series?");
    EXPECT_EQ(ModelChangeQuestion(4), "Do you want to program the Unknown model series?");
    const ModelState current = ModelStateFor(1, ini);
    EXPECT_EQ(ProgramTitle(current), "PC Program for RV7200A");
    EXPECT_FALSE(ChangeModel(0, current, ini, store));
    EXPECT_EQ(store.Read("Settings", "lastmodel", "none"), "none");

    const std::optional<ModelState> changed = ChangeModel(1, current, ini, store);
    ASSERT_TRUE(changed);
    EXPECT_EQ(changed->ModelType, 2);
    EXPECT_EQ(changed->ModelName, "RV7700A");
    EXPECT_TRUE(changed->AtisAvailable);
    EXPECT_TRUE(changed->ScramblerAvailable);
    EXPECT_EQ(store.Read("Settings", "lastmodel", "none"), "2");
}

} // namespace
} // namespace tq58
