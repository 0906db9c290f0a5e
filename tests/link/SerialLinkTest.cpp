#include "LinkFixture.h"
#include "link/PortSettings.h"
#include "program/PortDevice.h"

namespace tq58::test {
namespace {

TEST(PortSettings, ReadsWellFormedTextsAndRefusesTheRest) {
    auto parsed = [](const char* text) {
        const auto s = ParsePortSettings(text);
        return s ? std::to_string(s->Baud) + s->Parity + std::to_string(s->DataBits) +
                       std::to_string(s->StopBits)
                 : "refused";
    };
    EXPECT_EQ(parsed(LinkStartSettings), "19200N81");
    EXPECT_EQ(parsed(HighSpeedSettings), "57600N81");
    EXPECT_EQ(parsed(ReopenSettings), "9600N81");
    EXPECT_EQ(parsed("4800,e,7,2"), "4800E72");
    for (const char* text : {"", "57600", "57600,N,8", "57600,N,8,1,1", "fast,N,8,1", "57600,X,8,1",
                             "57600,N,9,1", "57600,N,8,3", "-1,N,8,1", "57600,NN,8,1"}) {
        EXPECT_EQ(parsed(text), "refused") << text;
    }
}

TEST(PortDeviceName, TakesANonEmptyConfiguredDeviceOfThatNumberOnly) {
    MemorySettingsStore store;
    store.Write("ComPath", "Device2", "/tmp/radio");
    store.Write("ComPath", "Device3", "");
    EXPECT_EQ(PortDeviceName(store, 2), "/tmp/radio");
#ifndef _WIN32
    EXPECT_EQ(PortDeviceName(store, 1), "/dev/ttyUSB0");
    EXPECT_EQ(PortDeviceName(store, 3), "/dev/ttyUSB2");
#else
    EXPECT_EQ(PortDeviceName(store, 3), "COM3");
#endif
}

using SerialLink = LinkFixture;

TEST_F(SerialLink, OutputsPauseTenMillisecondsAndSendByteDropsStaleInput) {
    ASSERT_TRUE(link.PortInitCP());
    link.SendLine("#CMDOK");
    link.SendBytes({1, 2, 3});
    link.SendAdapterCommand("ACMD:02"); // adapter commands need eight characters
    link.SendAdapterCommand("ACMD:0020");
    link.SendAdapterCommand("ACMD:002");
    port.Inject("stale");
    link.SendByte(Can);
    EXPECT_EQ(host.SleptMs, 40);
    EXPECT_EQ(Sent(), (Texts{"#CMDOK\r\n", "\x01\x02\x03", "ACMD:002\r\n", "\x18"}));
    EXPECT_EQ(port.InputCount(), 1); // only the ACK
}

TEST_F(SerialLink, ReceivePrimitivesCheckTheFormOfWhatArrives) {
    struct Case {
        const char* input;
        std::function<ReceivedText(LinkSession&)> receive;
        LinkResult result;
        std::string text = {};
        int inputLeft = 0;
    };
    const Case cases[] = {
        {"eRRoR\r\n", [](LinkSession& l) { return l.ReceiveChars(6, 10); },
         LinkResult::ErrorReceived, "eRRoR", 2},
        {"#cmdok", [](LinkSession& l) { return ReceivedText(l.WaitCmdOk(), ""); },
         LinkResult::WrongForm},
        {"OK\r\n", [](LinkSession& l) { return l.ReceiveLine(1); }, LinkResult::Done, "OK"},
        {"OK\rX\n", [](LinkSession& l) { return l.ReceiveLine(1); }, LinkResult::WrongForm, "", 1},
        {"\t00\t77\rjunk\nnext", [](LinkSession& l) { return l.ReceiveToLineEnd(10); },
         LinkResult::Done, "\t00\t77", 4},
    };
    for (const Case& c : cases) {
        LinkRig rig;
        ASSERT_TRUE(rig.link.PortInitCP());
        rig.link.MarkFailed();
        rig.port.Inject(c.input);
        const ReceivedText received = c.receive(rig.link);
        EXPECT_EQ(received.Result, c.result) << c.input;
        if (received.Result == LinkResult::WrongForm) {
            EXPECT_TRUE(rig.link.Failed()) << c.input;
        } else {
            EXPECT_EQ(received.Text, c.text) << c.input;
        }
        EXPECT_EQ(rig.port.InputCount(), c.inputLeft) << c.input;
    }
    // "#CMDOK" clears the error flag; a CR without LF is given a second to be followed.
    LinkRig rig;
    ASSERT_TRUE(rig.link.PortInitCP());
    rig.link.MarkFailed();
    rig.port.Inject("#CMDOK\r\n");
    EXPECT_EQ(rig.link.WaitCmdOk(), LinkResult::Done);
    EXPECT_FALSE(rig.link.Failed());
    rig.port.Inject("#CMDOK\r");
    const auto start = rig.clock.Now();
    EXPECT_EQ(rig.link.WaitCmdOk(), LinkResult::WrongForm);
    EXPECT_GE(rig.clock.Now() - start, 1000);
    EXPECT_LT(rig.clock.Now() - start, 1100);
}

TEST_F(SerialLink, WaitsBlockOnThePortUntilTheirByteOrDeadline) {
    ASSERT_TRUE(link.PortInitCP());
    port.Inject("x", 3);
    EXPECT_EQ(link.WaitForByte('x', 10), LinkResult::Done);
    EXPECT_EQ(clock.Now(), 3);
    host.Yields = 0;
    EXPECT_EQ(link.ReceiveChars(6, 10).Result, LinkResult::TimedOut);
    EXPECT_GT(clock.Now(), 10003);
    EXPECT_LT(clock.Now(), 10003 + 2 * IdleWaitMs);
    // About one pass per IdleWaitMs, not millions.
    EXPECT_LE(host.Yields, 10000 / IdleWaitMs + 2);
    EXPECT_GE(host.Yields, 10000 / IdleWaitMs);
    port.Inject("#CMD", 9990);
    EXPECT_EQ(link.ReceiveChars(4, 10).Result, LinkResult::Done);
}

TEST_F(SerialLink, CancelEndsEveryKindOfWait) {
    ASSERT_TRUE(link.PortInitCP());
    host.OnYield = [this] { link.RequestCancel(); };
    EXPECT_EQ(link.WaitForByte('x', 10), LinkResult::Cancelled);
    EXPECT_EQ(link.ReceiveChars(6, 10).Result, LinkResult::Cancelled);
    EXPECT_EQ(link.ReceiveLine(10).Result, LinkResult::Cancelled);
    EXPECT_EQ(link.ReceiveToLineEnd(10).Result, LinkResult::Cancelled);
    EXPECT_EQ(link.WaitCmdOk(), LinkResult::Cancelled);
    EXPECT_LT(clock.Now(), 100);
}

TEST_F(SerialLink, PortManagement) {
    port.FailOpen = true;
    EXPECT_FALSE(link.PortInit());
    EXPECT_FALSE(link.PortInitCP());
    EXPECT_FALSE(link.PortOpen());
    ASSERT_EQ(host.Logged.size(), 3u);
    EXPECT_EQ(host.Logged[0], "frmRadio.PortInit -> 8002");
    EXPECT_EQ(host.Logged[1].rfind("frmRadio.PortInitCP -> ", 0), 0u);
    EXPECT_EQ(host.Logged[2].rfind("frmRadio.PortOpen -> ", 0), 0u);
    // An open port is kept, a closed one reopened at 9600.
    port.FailOpen = false;
    EXPECT_TRUE(link.PortInitCP());
    EXPECT_TRUE(link.PortOpen());
    link.ClosePort();
    EXPECT_TRUE(link.PortOpen());
    EXPECT_EQ(port.OpenedWith(), (Texts{"57600,N,8,1", "9600,N,8,1"}));
}

} // namespace
} // namespace tq58::test
