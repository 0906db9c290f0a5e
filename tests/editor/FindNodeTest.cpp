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
        EXPECT_EQ(FindNode(settings, model, c.text), c.key) << c.text;
    }
    const std::string sixteen = FindNode(settings, model, "16");
    ASSERT_FALSE(sixteen.empty());
    EXPECT_EQ(sixteen.substr(0, 2), "PU");
}

} // namespace
} // namespace tq58
