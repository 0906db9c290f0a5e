// Every refusal names its field and the rule with its limits on a line of its own; the words
// come from the rules, so that they say what the rules do.

#include "editor/ChannelPageCheck.h"
#include "editor/ControlHints.h"
#include "editor/DirectoryRules.h"
#include "editor/FrequencyEntry.h"
#include "editor/SettingEntries.h"

#include <gtest/gtest.h>

namespace tq58 {
namespace {

TEST(RefusalRules, FrequenciesFixedLengthNumbersAndDirectoryEntries) {
    EXPECT_EQ(FrequencyRule("Rx frequency").English(),
              "Rx frequency: 137.0000 to 174.0000 MHz in 25 kHz steps");
    EXPECT_EQ(DigitsRule("User MMSI", UserMmsiLength).English(), "User MMSI: 9 digits");
    EXPECT_EQ(DigitsRule("ATIS Code", AtisCodeLength).English(), "ATIS Code: 10 digits");
    EXPECT_EQ(MmsiRule(IndividualDirectory).English(), "MMSI: 9 digits");
    EXPECT_EQ(MmsiRule(GroupDirectory).English(), "Group MMSI: 8 digits after the leading 0");
    EXPECT_EQ(PreviousEntryRule(GroupDirectory, 2).English(),
              "No.3: No.2 needs a group name and an MMSI first");
    EXPECT_EQ(PreviousEntryRule(IndividualDirectory, 1).English(),
              "No.2: No.1 needs a station name and an MMSI first");
}

TEST(RefusalRules, ChannelPageNamesWhatTheEnabledExpChannelLacks) {
    ChannelRecord channel;
    channel.Enable = true;
    EXPECT_EQ(ChannelPageRule(channel, ChannelKind::Exp).English(),
              "Rx frequency: needed while CH Enable is checked");
    channel.Rxfreq = 156.025;
    channel.CHDisplayL = "7";
    EXPECT_EQ(ChannelPageRule(channel, ChannelKind::Exp).English(),
              "Channel display: 2 characters");
    EXPECT_FALSE(ChannelPageCheckPasses(channel, ChannelKind::Exp));
    channel.CHDisplayL = "07";
    EXPECT_EQ(ChannelPageRule(channel, ChannelKind::Exp).English(), "");
    channel.Rxfreq = 0;
    EXPECT_TRUE(ChannelPageCheckPasses(channel, ChannelKind::Plan));
}

// A hint says the limit its field keeps, where the first hints said another.
TEST(RefusalRules, HintsAgreeWithTheirFields) {
    const auto hint = [](HintedControl control) { return StatusHint(control).English(); };
    EXPECT_EQ(hint(HintedControl::ChannelName), "A maximum of 16 characters");
    EXPECT_EQ(hint(HintedControl::DirectoryName), "A maximum of 11 characters.");
    EXPECT_EQ(DirectoryMmsiHint(IndividualDirectory).English(),
              "Numeric Only. Indispensable 9 figures.");
    EXPECT_EQ(DirectoryMmsiHint(GroupDirectory).English(),
              "Numeric Only. Indispensable 8 figures.");
    EXPECT_EQ(hint(HintedControl::AtisCode), "Numeric Only. Indispensable 10 figures.");
}

} // namespace
} // namespace tq58
