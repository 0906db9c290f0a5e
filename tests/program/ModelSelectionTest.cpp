#include "program/ModelSelection.h"

#include "support/ScratchFolder.h"

#include <algorithm>
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

TEST_F(ModelSelectionTest, TheOfferFollowsUseAndEndsAtTheFirstSectionWithoutIt) {
    const struct {
        const char* ini; // null: no global.ini
        int count;
        int modelType;
        std::vector<int> offered;
    } cases[] = {
        {"[model1]\r\nuse=1\r\n[model2]\r\nuse=1\r\n", 2, 1, {1, 2}},
        {"[model1]\nuse=0\n[model2]\nuse=1\n", 1, 2, {2}},
        {"[model1]\natis=1\n[model2]\nuse=1\n", 0, 0, {}},
        {"[model1]\nuse=\n[model2]\nuse=1\n", 0, 0, {}},
        {"[model1]\nuse=1\n[model3]\nuse=1\n", 1, 1, {1}},
        {"[model1]\nuse=2\n[model2]\nuse=#1\n[model3]\nuse=yes\n[model4]\nuse=1.0\n", 2, 4, {2, 4}},
        {nullptr, 0, 0, {}}};
    for (const auto& c : cases) {
        const std::string ini = c.ini ? GlobalIni(c.ini) : GlobalIniPath(folder.Path() + "/none");
        SCOPED_TRACE(c.ini ? c.ini : "no global.ini");
        const ModelOffer offer = SelectStartupModel(ini, store);
        EXPECT_EQ(offer.Count, c.count);
        EXPECT_EQ(offer.ModelType, c.modelType);
        EXPECT_EQ(offer.EditMenuVisible(), c.count >= 2);
        for (int n = 1; n <= ModelMenuSize; ++n) {
            const bool offered = std::count(c.offered.begin(), c.offered.end(), n) != 0;
            EXPECT_EQ(offer.Offered[n - 1], offered) << n;
        }
    }
}

TEST_F(ModelSelectionTest, TheLastModelIsChosenOnlyWhenItIsOffered) {
    const std::string ini = GlobalIni("[model1]\nuse=0\n[model2]\nuse=1\n[model3]\nuse=1\n");
    for (const char* last : {"1", "7", "0", "-2", "ten", "2.5", "10", "11"}) {
        store.Write("Settings", "lastmodel", last);
        EXPECT_EQ(SelectStartupModel(ini, store).ModelType, 3) << last;
    }
    RememberModel(store, 2);
    EXPECT_EQ(store.Read("Settings", "lastmodel", ""), "2");
    EXPECT_EQ(SelectStartupModel(ini, store).ModelType, 2);
}

// global.ini switches capabilities off, never on: the RV7200A has neither ATIS nor scrambler.
TEST_F(ModelSelectionTest, CapabilitiesComeFromTheModelsSectionAlsoAfterAChange) {
    const std::string ini = GlobalIni("[model1]\nuse=1\natis=True\nscrambler=1\n"
                                      "[model2]\nuse=1\natis=#True\nscrambler=-1\n"
                                      "[model3]\nuse=1\natis=maybe\n");
    const ModelState small = ModelStateFor(1, ini);
    const ModelState unknown = ModelStateFor(3, ini);
    EXPECT_EQ(small.ModelName, "RV7200A");
    EXPECT_EQ(unknown.ModelName, "Unknown model");
    EXPECT_FALSE(small.AtisAvailable || small.ScramblerAvailable);
    EXPECT_FALSE(unknown.AtisAvailable || unknown.ScramblerAvailable);
    EXPECT_EQ(ProgramTitle(small).English(), "PC Program for RV7200A");
    EXPECT_EQ(ModelChangeQuestion(1).English(), "Do you want to program the RV7700A series?");
    EXPECT_EQ(ModelChangeQuestion(4).English(), "Do you want to program the Unknown model series?");
    EXPECT_FALSE(ChangeModel(0, small, ini, store));
    EXPECT_EQ(store.Read("Settings", "lastmodel", "none"), "none");

    const std::optional<ModelState> changed = ChangeModel(1, small, ini, store);
    ASSERT_TRUE(changed);
    EXPECT_EQ(changed->ModelType, 2);
    EXPECT_EQ(changed->ModelName, "RV7700A");
    EXPECT_TRUE(changed->AtisAvailable && changed->ScramblerAvailable);
    EXPECT_EQ(store.Read("Settings", "lastmodel", "none"), "2");
}

// Where the window would go on without ATIS and scrambler, the command line must not: every
// global.ini that cannot tell them says why, and line ends and a byte-order mark do not matter.
TEST_F(ModelSelectionTest, CapabilitiesThatCannotBeToldAreAFailureNamingTheFileAndWhy) {
    const std::string full = "[model1]\nuse=1\natis=0\nscrambler=0\n[model2]\nuse=1\natis=1\n"
                             "scrambler=#True\n";
    const struct {
        std::string ini;
        std::string why; // empty: read
    } cases[] = {{full, ""},
                 {"\xEF\xBB\xBF[model2]\r\natis=1\r\nscrambler=1\r\n", ""},
                 {"[model2]\ratis=1\rscrambler=1\r", ""},
                 {"\xEF\xBB\xBF \r\n", "the file is empty"},
                 {full.substr(0, full.size() - 10), "[model2] has no scrambler="},
                 {"[model2]\natis=maybe\n", "[model2] atis=maybe is not 0, 1, True or False"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.ini);
        const std::string ini = GlobalIni(c.ini);
        ModelState model;
        const Outcome read = ReadModelCapabilities(2, ini, model);
        EXPECT_EQ(read.Ok, c.why.empty()) << read.LogDetail;
        if (!read.Ok) {
            EXPECT_NE(read.LogDetail.find(ini), std::string::npos);
            EXPECT_NE(read.LogDetail.find(c.why), std::string::npos) << read.LogDetail;
        }
        EXPECT_EQ(model.AtisAvailable && model.ScramblerAvailable, read.Ok);
    }
}

} // namespace
} // namespace tq58
