#include "editor/ControlHints.h"

#include <gtest/gtest.h>

using namespace tq58;

TEST(ControlHints, IndexedControlsShareTheirGroupsHintAndContext) {
    const struct {
        const char* control;
        const char* hint;
        int context;
    } cases[] = {
        {"chkUsable_2", "[Space]:An effective and invalid change.", 0},
        {"txtCN_0", "Indispensable 2 figures.", 0},
        {"txtCN_1", "Indispensable 1 figures.", 0},
        {"chkDEnable_9", "Select[x]Enable/[]Disable.", 1028},
        {"cmbCommonResume", "[Up]/[Down]:Change of a Selection item.", 0},
        {"cmbUsableDscBeepOut_7", "[Up]/[Down]:Change of a Selection item.", 0},
        {"cmbScramble", "[Up]/[Down]:Change of a Selection item.", 1064},
        {"txtDTagName_3", "A maximum of 16 characters", 1034},
        {"chkUsable_x", "", 0},
        {"lblWX_1", "", 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(StatusHintFor(c.control), c.hint) << c.control;
        EXPECT_EQ(HelpContextFor(c.control), c.context) << c.control;
    }
}
