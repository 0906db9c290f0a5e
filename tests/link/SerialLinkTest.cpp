#include "LinkFixture.h"

namespace tq58::test {
namespace {

using SerialLink = LinkFixture;

TEST_F(SerialLink, EveryOutputPausesTenMillisecondsFirst) {
    OpenAtWorkingSpeed();
    link.SendLine("#CMDOK");
    link.SendBytes({1, 2, 3});
    link.SendByte('P');
    EXPECT_EQ(host.SleptMs, 30);
    EXPECT_EQ(Sent(), (std::vector<std::string>{"#CMDOK\r\n", "\x01\x02\x03", "P"}));
}

TEST_F(SerialLink, AdapterCommandsMustHaveEightCharacters) {
    OpenAtWorkingSpeed();
    link.SendAdapterCommand("ACMD:02");
    link.SendAdapterCommand("ACMD:0020");
    EXPECT_TRUE(Sent().empty());
    link.SendAdapterCommand("ACMD:002");
    EXPECT_EQ(Sent(), std::vector<std::string>{"ACMD:002\r\n"});
}

TEST_F(SerialLink, SendByteDropsWaitingInputFirst) {
    OpenAtWorkingSpeed();
    port.Inject("stale");
    link.SendByte(0x18);
    EXPECT_EQ(port.InputCount(), 1); // only the ACK the radio sent back
    EXPECT_EQ(link.WaitForByte(0x06, 1), LinkResult::Done);
}

TEST_F(SerialLink, ReceiveCharsStopsAtErrorInAnyLetterCase) {
    OpenAtWorkingSpeed();
    port.Inject("eRRoR\r\n");
    const ReceivedText received = link.ReceiveChars(6, 10);
    EXPECT_EQ(received.Result, LinkResult::ErrorReceived);
    EXPECT_EQ(received.Text, "eRRoR");
}

TEST_F(SerialLink, WaitCmdOkNeedsTheExactUpperCaseReplyAndItsLineEnd) {
    OpenAtWorkingSpeed();
    port.Inject("#cmdok\r\n");
    EXPECT_EQ(link.WaitCmdOk(), LinkResult::WrongForm);
    link.FlushInput();
    link.ErrorFlag = true;
    port.Inject("#CMDOK\r\n");
    EXPECT_EQ(link.WaitCmdOk(), LinkResult::Done);
    EXPECT_FALSE(link.ErrorFlag);
}

TEST_F(SerialLink, WaitCmdOkRefusesACarriageReturnWithoutLineFeed) {
    OpenAtWorkingSpeed();
    link.ErrorFlag = true;
    port.Inject("#CMDOK\r");
    const auto start = clock.Now();
    EXPECT_EQ(link.WaitCmdOk(), LinkResult::WrongForm);
    EXPECT_TRUE(link.ErrorFlag);
    EXPECT_GE(clock.Now() - start, 1000);
    EXPECT_LT(clock.Now() - start, 1100);
}

TEST_F(SerialLink, WaitsEndWithTimeOutOnlyAfterTheirDeadline) {
    OpenAtWorkingSpeed();
    EXPECT_EQ(link.ReceiveChars(6, 10).Result, LinkResult::TimedOut);
    EXPECT_GT(clock.Now(), 10000);
    EXPECT_LT(clock.Now(), 10000 + 2 * IdleWaitMs);
    port.Inject("#CMD", 9990);
    EXPECT_EQ(link.ReceiveChars(4, 10).Result, LinkResult::Done);
}

TEST_F(SerialLink, AnIdleWaitBlocksOnThePortInsteadOfSpinning) {
    OpenAtWorkingSpeed();
    link.WaitForByte('x', 10);
    // Each pass waits on the port for a few milliseconds, so a 10-second wait makes about
    // 10000 / IdleWaitMs passes, not millions.
    EXPECT_LE(host.Yields, 10000 / IdleWaitMs + 2);
    EXPECT_GE(host.Yields, 10000 / IdleWaitMs);
}

TEST_F(SerialLink, AWaitReturnsAsSoonAsItsByteArrives) {
    OpenAtWorkingSpeed();
    port.Inject("x", 3);
    EXPECT_EQ(link.WaitForByte('x', 10), LinkResult::Done);
    EXPECT_EQ(clock.Now(), 3);
}

TEST_F(SerialLink, CancelEndsEveryKindOfWait) {
    OpenAtWorkingSpeed();
    host.OnYield = [this] { link.CancelFlag = true; };
    EXPECT_EQ(link.WaitForByte('x', 10), LinkResult::Cancelled);
    EXPECT_EQ(link.ReceiveChars(6, 10).Result, LinkResult::Cancelled);
    EXPECT_EQ(link.ReceiveLine(10).Result, LinkResult::Cancelled);
    EXPECT_EQ(link.ReceiveToLineEnd(10).Result, LinkResult::Cancelled);
    EXPECT_EQ(link.WaitCmdOk(), LinkResult::Cancelled);
    EXPECT_LT(clock.Now(), 100);
}

TEST_F(SerialLink, ReceiveLineWantsLineFeedRightAfterCarriageReturn) {
    OpenAtWorkingSpeed();
    port.Inject("OK\r\n");
    const ReceivedText good = link.ReceiveLine(1);
    EXPECT_EQ(good.Result, LinkResult::Done);
    EXPECT_EQ(good.Text, "OK");
    port.Inject("OK\rX\n");
    EXPECT_EQ(link.ReceiveLine(1).Result, LinkResult::WrongForm);
}

TEST_F(SerialLink, ReceiveToLineEndDropsWhatFollowsTheCarriageReturn) {
    OpenAtWorkingSpeed();
    port.Inject("\t00\t77\rjunk\nnext");
    const ReceivedText rest = link.ReceiveToLineEnd(10);
    EXPECT_EQ(rest.Result, LinkResult::Done);
    EXPECT_EQ(rest.Text, "\t00\t77");
    EXPECT_EQ(port.InputCount(), 4);
}

TEST_F(SerialLink, StatusMessagesShowAndPauseOnlyInDebugMode) {
    link.ShowStatus("quiet");
    EXPECT_TRUE(host.Statuses.empty());
    EXPECT_EQ(host.SleptMs, 0);
    link.DebugMode = true;
    link.ShowStatus("loud");
    EXPECT_EQ(host.Statuses, std::vector<std::string>{"loud"});
    EXPECT_EQ(host.SleptMs, 500);
}

TEST_F(SerialLink, ProgressIsClampedToAHundred) {
    link.ShowProgress(150);
    link.ShowProgress(42);
    EXPECT_EQ(host.Progress, (std::vector<int>{100, 42}));
}

TEST_F(SerialLink, PortFailuresAreLoggedUnderTheProcedureName) {
    port.FailOpen = true;
    EXPECT_FALSE(link.PortInit());
    EXPECT_FALSE(link.PortInitCP());
    EXPECT_FALSE(link.PortOpen());
    ASSERT_EQ(host.Logged.size(), 3u);
    EXPECT_EQ(host.Logged[0].rfind("frmRadio.PortInit -> 8002", 0), 0u);
    EXPECT_EQ(host.Logged[1].rfind("frmRadio.PortInitCP -> ", 0), 0u);
    EXPECT_EQ(host.Logged[2].rfind("frmRadio.PortOpen -> ", 0), 0u);
}

TEST_F(SerialLink, PortOpenKeepsAnOpenPortAndReopensAClosedOneAt9600) {
    OpenAtWorkingSpeed();
    EXPECT_TRUE(link.PortOpen());
    link.ClosePort();
    EXPECT_TRUE(link.PortOpen());
    EXPECT_EQ(port.OpenedWith(), (std::vector<std::string>{"57600,N,8,1", "9600,N,8,1"}));
}

} // namespace
} // namespace tq58::test
