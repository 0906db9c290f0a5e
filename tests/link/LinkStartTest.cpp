#include "LinkFixture.h"

namespace tq58::test {
namespace {

using LinkStart = LinkFixture;

TEST_F(LinkStart, PutsTheStartSequenceOnTheWireAtTheRightSpeeds) {
    ASSERT_TRUE(link.StartLink());
    const std::vector<SimWrite> expected{
        {"19200,N,8,1", "P"},
        {"19200,N,8,1", "0"},
        {"19200,N,8,1", "ACMD:002\r\n"},
        {"57600,N,8,1", "#CMDSY\r\n"},
        {"57600,N,8,1", "#CMDSY\r\n"},
    };
    ASSERT_EQ(port.Written().size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(port.Written()[i].Settings, expected[i].Settings) << i;
        EXPECT_EQ(port.Written()[i].Bytes, expected[i].Bytes) << i;
    }
    EXPECT_TRUE(host.Messages.empty());
    EXPECT_TRUE(link.PortIsOpen());
}

TEST_F(LinkStart, LowSpeedModeStaysAt19200) {
    link.LowSpeedMode = true;
    ASSERT_TRUE(link.StartLink());
    for (const SimWrite& write : port.Written()) {
        EXPECT_EQ(write.Settings, "19200,N,8,1");
    }
}

TEST_F(LinkStart, WaitsOneSecondAfterTheSpeedSwitch) {
    ASSERT_TRUE(link.StartLink());
    ASSERT_EQ(port.Written().size(), 5u);
    const std::int64_t silence = port.Written()[3].AtMs - port.Written()[2].AtMs;
    EXPECT_GE(silence, 1000 + OutputPauseMs);
    EXPECT_LT(silence, 1000 + 2 * OutputPauseMs);
}

TEST_F(LinkStart, GoesOnWhenTheAdapterStaysSilent) {
    radio.Faults.AdapterSilent = true;
    link.DebugMode = true;
    EXPECT_TRUE(link.StartLink());
    EXPECT_EQ(SentCount("P"), 3);
    EXPECT_EQ(SentCount("0"), 0);
    EXPECT_EQ(SentCount("ACMD:002\r\n"), 1);
    EXPECT_NE(std::find(host.Statuses.begin(), host.Statuses.end(), "sync failed!!"),
              host.Statuses.end());
    EXPECT_TRUE(host.Messages.empty());
}

TEST_F(LinkStart, AnAdapterErrorEndsTheStart) {
    radio.Faults.AdapterReply = "ERROR";
    EXPECT_FALSE(link.StartLink());
    EXPECT_EQ(host.MessageTexts(), std::vector<std::string>{"ACMD Command error!!"});
    EXPECT_EQ(radio.Count("#CMDSY"), 0);
}

TEST_F(LinkStart, AnyOtherAdapterAnswerEndsTheStart) {
    radio.Faults.AdapterReply = "HUH";
    EXPECT_FALSE(link.StartLink());
    EXPECT_EQ(host.MessageTexts(), std::vector<std::string>{"error!!"});
}

TEST_F(LinkStart, AMalformedAdapterLineIsReportedButTheStartGoesOn) {
    radio.Faults.AdapterReply = "OK\rX";
    EXPECT_TRUE(link.StartLink());
    EXPECT_EQ(host.MessageTexts(), std::vector<std::string>{"error!!"});
}

TEST_F(LinkStart, AFailedSpeedSwitchIsReported) {
    host.OnYield = [this] { port.FailOpen = port.OpenedWith().size() == 1; };
    EXPECT_FALSE(link.StartLink());
    EXPECT_EQ(host.MessageTexts(), std::vector<std::string>{"port inicialize error!!"});
}

TEST_F(LinkStart, LowerCaseAcknowledgementFailsAtOnce) {
    radio.Faults.Acknowledgement = "#cmdok";
    EXPECT_FALSE(link.StartLink());
    EXPECT_EQ(radio.Count("#CMDSY"), 1);
    EXPECT_TRUE(host.Messages.empty());
}

TEST_F(LinkStart, AcknowledgementWithoutLineFeedFails) {
    radio.Faults.AcknowledgementEnd = "\r";
    EXPECT_FALSE(link.StartLink());
    EXPECT_EQ(radio.Count("#CMDSY"), 1);
}

TEST_F(LinkStart, OneErrorReplyThenSuccessPasses) {
    radio.Faults.Refuse["#CMDSY"] = 1;
    EXPECT_TRUE(link.StartLink());
    EXPECT_EQ(radio.Count("#CMDSY"), 3);
}

TEST_F(LinkStart, LowerCaseErrorIsRetriedLikeError) {
    radio.Faults.RefusalText = "error";
    radio.Faults.Refuse["#CMDSY"] = 2;
    EXPECT_TRUE(link.StartLink());
    EXPECT_EQ(radio.Count("#CMDSY"), 4);
}

TEST_F(LinkStart, ThreeSilentAttemptsFailThePass) {
    radio.Faults.Ignore["#CMDSY"] = 3;
    link.DebugMode = true;
    EXPECT_FALSE(link.StartLink());
    EXPECT_EQ(radio.Count("#CMDSY"), 3);
    EXPECT_EQ(host.Statuses.back(), "can'not Receive '#CMDOK' !!");
    EXPECT_TRUE(host.Messages.empty());
}

TEST_F(LinkStart, TheSecondPassHasItsOwnAttempts) {
    radio.Faults.Ignore["#CMDSY"] = 2;
    EXPECT_TRUE(link.StartLink());
    EXPECT_EQ(radio.Count("#CMDSY"), 4);
}

TEST_F(LinkStart, CancelDuringTheAcknowledgementWaitEndsWithoutAMessage) {
    radio.Faults.Ignore["#CMDSY"] = 1;
    CancelAfter("#CMDSY", 1);
    EXPECT_FALSE(link.StartLink());
    EXPECT_EQ(radio.Count("#CMDSY"), 1);
    EXPECT_TRUE(host.Messages.empty());
    EXPECT_LT(clock.Now(), 2000);
}

TEST_F(LinkStart, CancelDuringTheAdapterReplyEndsWithoutAMessage) {
    radio.Faults.AdapterSilent = true;
    CancelAfter("ACMD:002", 1);
    EXPECT_FALSE(link.StartLink());
    EXPECT_TRUE(host.Messages.empty());
    EXPECT_EQ(port.OpenedWith().size(), 1u);
}

TEST_F(LinkStart, CancelDuringTheProbeEndsTheStartWithoutAMessage) {
    radio.Faults.AdapterSilent = true;
    host.OnYield = [this] { link.CancelFlag = true; };
    EXPECT_FALSE(link.StartLink());
    EXPECT_TRUE(host.Messages.empty());
    EXPECT_EQ(radio.Count("#CMDSY"), 0);
    EXPECT_LT(clock.Now(), 100);
}

TEST_F(LinkStart, CancelWhileWaitingForTheLineEndFailsTheStart) {
    radio.Faults.AcknowledgementEnd = "";
    host.OnYield = [this] { link.CancelFlag = radio.Count("#CMDSY") > 0; };
    EXPECT_FALSE(link.StartLink());
    EXPECT_EQ(radio.Count("#CMDSY"), 1);
    EXPECT_TRUE(host.Messages.empty());
    EXPECT_LT(clock.Now(), 2000);
}

TEST_F(LinkStart, ClearsAnEarlierCancel) {
    link.CancelFlag = true;
    EXPECT_TRUE(link.StartLink());
    EXPECT_FALSE(link.CancelFlag);
}

} // namespace
} // namespace tq58::test
