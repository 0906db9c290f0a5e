#include "LinkFixture.h"

namespace tq58::test {
namespace {

using enum TransferOperation;

// A radio that never acknowledges ends the start with words a user can act on; outside
// debug mode the status line said what the start was waiting for meanwhile.
TEST(LineLoss, ASilentRadioIsReportedInPlainWords) {
    for (const bool debug : {false, true}) {
        SCOPED_TRACE(debug ? "debug" : "normal");
        LinkRig rig;
        rig.link.Device = "/dev/ttyUSB1";
        rig.link.DebugMode = debug;
        rig.radio.Faults.RadioSilent = true;

        EXPECT_FALSE(rig.link.StartLink());

        ASSERT_EQ(rig.host.Messages.size(), 1u);
        const Shown& shown = rig.host.Messages.front();
        EXPECT_EQ(shown.Title, "Read from Radio");
        EXPECT_EQ(shown.Text.substr(0, shown.Text.find('\n')), "Communication Error!!");
        for (const char* words : {"/dev/ttyUSB1", "did not answer", "switched on", "clone mode",
                                  "cable is seated", "right port"}) {
            EXPECT_NE(shown.Text.find(words), std::string::npos) << words;
        }
        const Texts phases{"cable",     "radio 1/3", "radio 2/3", "radio 3/3",
                           "radio 1/3", "radio 2/3", "radio 3/3", "-"};
        EXPECT_EQ(rig.host.Phases, debug ? Texts{} : phases);
    }
}

// The far end hangs up at different moments: the wait ends within a second with one message
// that the cable went away, where silence alone would take tens of seconds of time-outs.
TEST(LineLoss, AHangUpEndsTheWaitAtOnce) {
    struct Case {
        const char* name;
        TransferOperation operation;
        const char* command; // hang up once the radio has seen this many of these
        int count;
    };
    const Case cases[] = {
        {"link start", ReadFromRadio, "#CMDSY", 1},
        {"status check", ReadFromRadio, "#TQPSR", 1},
        {"midway through a read", ReadFromRadio, "#TQPRD", 100},
        {"midway through programming", ProgramToRadio, "#TQPWR", 100},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TransferRig rig;
        rig.link.Device = "/tmp/radio";
        std::int64_t hungUpAt = -1;
        rig.Once([&] { return rig.radio.Count(c.command) >= c.count; },
                 [&] { hungUpAt = rig.port.HangUpAtMs = rig.clock.Now(); });
        Transfer transfer = rig.Make(c.operation);

        EXPECT_FALSE(transfer.PressOk());

        ASSERT_GE(hungUpAt, 0);
        EXPECT_LT(rig.clock.Now() - hungUpAt, 1000);
        ASSERT_EQ(rig.host.Messages.size(), 1u);
        const std::string& text = rig.host.Messages.front().Text;
        EXPECT_TRUE(text.starts_with("Communication Error!!\nThe cable or its adapter on "
                                     "/tmp/radio went away"))
            << text;
        EXPECT_FALSE(transfer.TransferDone);
    }
}

} // namespace
} // namespace tq58::test
