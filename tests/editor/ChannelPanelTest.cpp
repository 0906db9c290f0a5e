#include "editor/ChannelPanelState.h"
#include "editor/ScramblerItems.h"
#include "model/ChannelPlans.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace tq58 {
namespace {

TEST(ChannelDisplay, PlanLabelsInTheRadiosTwoFields) {
    const struct {
        const char* label;
        ChannelDisplay shown;
    } cases[] = {{"88A", {"88", "A"}},  {"105", {"o5", ""}},  {"112", {"'2", ""}},
                 {"7", {"07", ""}},     {"07", {"07", ""}},   {"100", {"o0", ""}},
                 {"119A", {"'9", "A"}}, {"00a", {"00", "a"}}, {"16", {"16", ""}}};
    for (const auto& [label, shown] : cases) {
        EXPECT_EQ(PlanChannelDisplay(label), shown) << label;
    }
}

TEST(ScramblerItems, StoredValueToItemAndBack) {
    const std::pair<int, int> cases[] = {{0, 0}, {3, 0}, {4, 1}, {6, 3}, {7, 4}, {0xFB, 0}};
    for (const auto& [stored, item] : cases) {
        EXPECT_EQ(ScramblerItemFor(stored), item) << stored;
    }
    for (int item = 0; item < static_cast<int>(ScramblerItems.size()); ++item) {
        EXPECT_EQ(ScramblerItemFor(ScramblerItems[static_cast<std::size_t>(item)].Data), item);
    }
}

// The controls that take input, as letters in the order of ChannelControl:
// D isplay, R x, T x, E (Tx Enable), L ow power only, P ower up, U (duplex), S can, V (scrambler),
// N ame; "-" for a control without input.
std::string EnabledControls(const ChannelPanelState& state) {
    const std::string letters = "DRTELPUSVN";
    std::string enabled;
    for (std::size_t i = 0; i < letters.size(); ++i) {
        enabled += state.Controls[i].Enabled ? letters[i] : '-';
    }
    return enabled;
}

class ChannelPanelStateTest : public ::testing::Test {
protected:
    ChannelPanelStateTest() { BuildPlan(usa_, PlanKind::Usa); }

    ChannelRecord Plan(int position) const { return usa_[static_cast<std::size_t>(position)]; }

    std::vector<ChannelRecord> usa_;
};

TEST_F(ChannelPanelStateTest, EnablingFollowsTheRecord) {
    const auto lowPower = [](ChannelRecord channel) {
        channel.LowPower = true;
        return channel;
    };
    const auto without = [](ChannelRecord channel, bool ChannelRecord::*flag) {
        channel.*flag = false;
        return channel;
    };
    ChannelRecord expOff;
    ChannelRecord expOn;
    expOn.Enable = expOn.TxEnable = true;
    ChannelRecord expAt32 = expOn;
    expAt32.Position = 32;
    const struct {
        const char* name;
        ChannelRecord channel;
        ChannelKind kind;
        const char* enabled;
    } cases[] = {
        {"ch 06", Plan(12), ChannelKind::Plan, "DRTEL-USVN"},
        {"ch 06 low power", lowPower(Plan(12)), ChannelKind::Plan, "DRTELPUSVN"},
        {"ch 06 low power, tx off", without(lowPower(Plan(12)), &ChannelRecord::TxEnable),
         ChannelKind::Plan, "DRTE--USVN"},
        {"ch 06 disabled", without(lowPower(Plan(12)), &ChannelRecord::Enable), ChannelKind::Plan,
         "----------"},
        {"ch 07A not duplex capable", Plan(15), ChannelKind::Plan, "DRTEL--SVN"},
        {"ch 15 receive only", Plan(30), ChannelKind::Plan, "DRT----SVN"},
        {"ch 16 distress", Plan(32), ChannelKind::Plan, "DRTEL-US-N"},
        {"ch 70 dsc", Plan(140), ChannelKind::Plan, "DRT------N"},
        {"exp off", expOff, ChannelKind::Exp, "----------"},
        {"exp on", expOn, ChannelKind::Exp, "DRTEL--SVN"},
        {"exp at position 32", expAt32, ChannelKind::Exp, "DRTEL--SVN"},
    };
    for (const auto& [name, channel, kind, enabled] : cases) {
        EXPECT_EQ(EnabledControls(ChannelPanelStateFor(channel, kind, true)), enabled) << name;
    }
}

TEST_F(ChannelPanelStateTest, VisibilityAndEditingByKindAndModel) {
    const ChannelPanelState plan = ChannelPanelStateFor(Plan(12), ChannelKind::Plan, false);
    const ChannelPanelState exp = ChannelPanelStateFor(ChannelRecord{}, ChannelKind::Exp, true);
    EXPECT_FALSE(plan.FieldsEditable);
    EXPECT_TRUE(exp.FieldsEditable);
    for (ChannelControl control : {ChannelControl::TxEnable, ChannelControl::Duplex}) {
        EXPECT_TRUE(plan[control].Visible);
        EXPECT_FALSE(exp[control].Visible);
    }
    EXPECT_FALSE(plan[ChannelControl::Scrambler].Visible);
    EXPECT_TRUE(exp[ChannelControl::Scrambler].Visible);
}

TEST_F(ChannelPanelStateTest, ShownValues) {
    ChannelRecord channel70 = Plan(140);
    channel70.TxEnable = true; // a receive-only channel never shows transmit, whatever is stored
    EXPECT_FALSE(TxEnableShown(channel70, ChannelKind::Plan));
    EXPECT_EQ(TxFreqShown(channel70, ChannelKind::Plan), "---.---");
    EXPECT_EQ(DisplayShown(Plan(177), ChannelKind::Plan), (ChannelDisplay{"88", "A"}));

    ChannelRecord exp;
    exp.TxEnable = true;
    exp.CHDisplayL = "P1";
    exp.Rxfreq = 156.0610;
    EXPECT_TRUE(TxEnableShown(exp, ChannelKind::Exp));
    EXPECT_EQ(DisplayShown(exp, ChannelKind::Exp), (ChannelDisplay{"P1", ""}));
    EXPECT_EQ(RxFreqShown(exp, ChannelKind::Exp), "156.0600");
    EXPECT_DOUBLE_EQ(exp.Rxfreq, 156.0610); // shown snapped, kept as stored
    EXPECT_EQ(TxFreqShown(exp, ChannelKind::Exp), "---.----");
}

} // namespace
} // namespace tq58
