#include "editor/FindNode.h"

#include "support/TestModels.h"

#include <gtest/gtest.h>

namespace tq58 {
namespace {

TEST(FindNode, NumbersNamesAndMmsisFindTheirNodes) {
    const ModelState model = test::Rv7700A();
    SettingsRecord settings = test::NewRadioData(model).Settings;
    settings.UsableChGroup[GroupExp].Enable = true;
    settings.CHEXP[2].ChTag = "Harbour";
    settings.CHMMSID[0] = {true, "FIRST", "3661234560"};
    settings.CHGRPID[1] = {true, "FLEET", "0366123450"};

    const struct {
        const char* text;
        const char* key;
    } cases[] = {
        {"exp3", "E3"},       {" harbour ", "E3"}, {"366123456", "SM1"}, {"first", "SM1"},
        {"036612345", "SG2"}, {"36612345", "SG2"}, {"nowhere", ""},      {"", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FindNode(settings, model, c.text).Key, c.key) << c.text;
    }
}

// Channel 16 of the USA and the INTL plan, then round again.
TEST(FindNode, NextAndPreviousGoOnFromTheNodeAndWrap) {
    const ModelState model = test::Rv7700A();
    SettingsRecord settings = test::NewRadioData(model).Settings;
    settings.UsableChGroup[GroupIntl].Enable = true;
    settings.UsableChGroup[GroupCanada].Enable = false;
    const std::string usa = FindNode(settings, model, "16").Key;
    ASSERT_EQ(usa.substr(0, 2), "PU");
    const FoundNode intl = FindNode(settings, model, "16", usa);
    EXPECT_EQ(intl.Key.substr(0, 2), "PI");
    EXPECT_FALSE(intl.Wrapped);
    EXPECT_EQ(FindNode(settings, model, "16", intl.Key), (FoundNode{usa, true}));
    EXPECT_EQ(FindNode(settings, model, "16", intl.Key, FindDirection::Backward),
              (FoundNode{usa, false}));
    EXPECT_EQ(FindNode(settings, model, "16", usa, FindDirection::Backward),
              (FoundNode{intl.Key, true}));
    EXPECT_EQ(FindNode(settings, model, "16", "SM"), (FoundNode{usa, true}));
}

} // namespace
} // namespace tq58
