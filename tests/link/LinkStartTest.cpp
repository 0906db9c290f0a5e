#include "LinkFixture.h"

namespace tq58::test {
namespace {

TEST(LinkStart, PutsTheStartSequenceOnTheWireAtTheRightSpeeds) {
    struct Case {
        const char* name;
        std::function<void(LinkRig&)> setup;
        std::string writes; // settings and bytes of each write
        int adapterWaitMs = 0;
    };
    const Case cases[] = {
        {"normal", [](LinkRig&) {},
         "19200 P|19200 0|19200 ACMD:002\r\n|57600 #CMDSY\r\n|57600 #CMDSY\r\n|"},
        {"low speed", [](LinkRig& r) { r.link.LowSpeedMode = true; },
         "19200 P|19200 0|19200 ACMD:002\r\n|19200 #CMDSY\r\n|19200 #CMDSY\r\n|"},
        {"silent adapter", [](LinkRig& r) { r.radio.Faults.AdapterSilent = true; },
         "19200 P|19200 P|19200 P|19200 ACMD:002\r\n|57600 #CMDSY\r\n|57600 #CMDSY\r\n|", 1000},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        LinkRig rig;
        c.setup(rig);
        ASSERT_TRUE(rig.link.StartLink());
        std::string writes;
        for (const SimWrite& write : rig.port.Written()) {
            writes += write.Settings.substr(0, 5) + " " + write.Bytes + "|";
        }
        EXPECT_EQ(writes, c.writes);
        EXPECT_TRUE(rig.host.Messages.empty());
        EXPECT_TRUE(rig.link.PortIsOpen());
        // One second of silence after the speed switch.
        const auto& w = rig.port.Written();
        const std::int64_t silence = w[w.size() - 2].AtMs - w[w.size() - 3].AtMs - c.adapterWaitMs;
        EXPECT_GE(silence, 1000 + OutputPauseMs);
        EXPECT_LT(silence, 1000 + 2 * OutputPauseMs);
    }
}

TEST(LinkStart, FaultsAndCancels) {
    struct Case {
        const char* name;
        std::function<void(LinkRig&)> setup;
        bool started;
        int syncs; // "#CMDSY" lines the radio saw
        std::string message = {};
        const char* status = nullptr; // a status line the start must show
    };
    using R = LinkRig;
    const Case cases[] = {
        {"adapter says ERROR", [](R& r) { r.radio.Faults.AdapterReply = "ERROR"; }, false, 0,
         "ACMD Command error!!|"},
        {"adapter says other", [](R& r) { r.radio.Faults.AdapterReply = "HUH"; }, false, 0,
         "error!!|"},
        {"malformed adapter line", [](R& r) { r.radio.Faults.AdapterReply = "OK\rX"; }, true, 2,
         "error!!|"},
        {"speed switch fails",
         [](R& r) { r.host.OnYield = [&r] { r.port.FailOpen = r.port.OpenedWith().size() == 1; }; },
         false, 0, "port inicialize error!!|"},
        {"lower-case #cmdok", [](R& r) { r.radio.Faults.Acknowledgement = "#cmdok"; }, false, 1,
         NoAnswerShown},
        {"CR without LF", [](R& r) { r.radio.Faults.AcknowledgementEnd = "\r"; }, false, 1,
         NoAnswerShown},
        {"one ERROR", [](R& r) { r.radio.Faults.Refuse["#CMDSY"] = 1; }, true, 3},
        {"two lower-case errors",
         [](R& r) { r.radio.Faults.RefusalText = "error", r.radio.Faults.Refuse["#CMDSY"] = 2; },
         true, 4},
        {"three silent attempts: the second pass still tries",
         [](R& r) { r.radio.Faults.Ignore["#CMDSY"] = 3, r.link.DebugMode = true; }, false, 4,
         NoAnswerShown, "can'not Receive '#CMDOK' !!"},
        {"two silent attempts, each pass its own",
         [](R& r) { r.radio.Faults.Ignore["#CMDSY"] = 2; }, true, 4},
        {"silent adapter, debug",
         [](R& r) { r.radio.Faults.AdapterSilent = true, r.link.DebugMode = true; }, true, 2, "",
         "sync failed!!"},
        {"an earlier cancel is cleared", [](R& r) { r.link.RequestCancel(); }, true, 2},
        {"cancel in the probe",
         [](R& r) {
             r.radio.Faults.AdapterSilent = true;
             r.host.OnYield = [&r] { r.link.RequestCancel(); };
         },
         false, 0},
        {"cancel in the adapter reply",
         [](R& r) { r.radio.Faults.AdapterSilent = true, r.CancelAfter("ACMD:002", 1); }, false, 0},
        {"cancel in the acknowledgement",
         [](R& r) { r.radio.Faults.Ignore["#CMDSY"] = 1, r.CancelAfter("#CMDSY", 1); }, false, 1},
        {"cancel in the line end",
         [](R& r) { r.radio.Faults.AcknowledgementEnd = "", r.CancelAfter("#CMDSY", 1); }, false,
         1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        LinkRig rig;
        c.setup(rig);
        EXPECT_EQ(rig.link.StartLink(), c.started);
        EXPECT_EQ(rig.radio.Count("#CMDSY"), c.syncs);
        EXPECT_EQ(Joined(rig.host.Messages), c.message);
        if (c.status) {
            const auto& shown = rig.host.Statuses;
            EXPECT_NE(std::find(shown.begin(), shown.end(), c.status), shown.end());
        }
    }
}

} // namespace
} // namespace tq58::test
