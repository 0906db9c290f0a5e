#include "LinkFixture.h"
#include "link/Frame.h"

namespace tq58::test {
namespace {

class BlockProtocol : public LinkFixture {
protected:
    void SetUp() override {
        OpenAtWorkingSpeed();
        for (int i = 0; i < ImageSize; ++i) {
            radio.Memory[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(i * 7 + 3);
        }
        buffer.fill(0x5A);
    }

    bool BufferUntouched() const {
        return std::all_of(buffer.begin(), buffer.end(), [](std::uint8_t b) { return b == 0x5A; });
    }

    bool BlockArrived(int address, int length) const {
        return std::equal(buffer.begin() + address, buffer.begin() + address + length,
                          radio.Memory.begin() + address);
    }

    Image buffer{};
};

TEST_F(BlockProtocol, ReadsABlockAndAcknowledgesIt) {
    link.ReadBlock(buffer, 0x40, 64);
    EXPECT_FALSE(link.ErrorFlag);
    EXPECT_TRUE(BlockArrived(0x40, 64));
    EXPECT_EQ(buffer[0x3F], 0x5A);
    EXPECT_EQ(buffer[0x80], 0x5A);
    EXPECT_EQ(Sent(), (std::vector<std::string>{"#TQPRD\t0040\t40\t69\r\n", "#CMDOK\r\n"}));
    EXPECT_TRUE(host.Messages.empty());
}

TEST_F(BlockProtocol, WritesTheImageBytesInOneFrame) {
    Image image{};
    image[0x405] = 0x00;
    link.WriteBlock(image, 0x405, 1);
    EXPECT_FALSE(link.ErrorFlag);
    EXPECT_EQ(Sent(), std::vector<std::string>{"#TQPWR\t0405\t01\t00\t73\r\n"});
    EXPECT_EQ(radio.Memory[0x405], 0x00);
    EXPECT_EQ(radio.Writes(), (std::vector<SimBlock>{{0x405, 1}}));
}

TEST_F(BlockProtocol, AcceptsLowerCaseHexadecimalFromTheRadio) {
    radio.Faults.LowerCaseHex = true;
    link.ReadBlock(buffer, 0x7FC0, 64);
    EXPECT_FALSE(link.ErrorFlag);
    EXPECT_TRUE(BlockArrived(0x7FC0, 64));
}

TEST_F(BlockProtocol, ComparesTheAddressFieldAsANumber) {
    // The radio answers "#TQPDT\t40\t..." for a request at 0x0040.
    const std::string body = "#TQPDT\t40\t02\t" + ImageHex(radio.Memory, 0x40, 2) + "\t";
    radio.Faults.Ignore["#TQPRD"] = 1;
    port.Inject("#CMDOK\r\n" + body + HexField(XorChecksum(body), 2) + "\r\n", 1);
    link.ReadBlock(buffer, 0x40, 2);
    EXPECT_FALSE(link.ErrorFlag);
    EXPECT_TRUE(BlockArrived(0x40, 2));
}

TEST_F(BlockProtocol, NoAcknowledgementThreeTimesFailsQuietly) {
    radio.Faults.Ignore["#TQPRD"] = 3;
    link.ReadBlock(buffer, 0, 64);
    EXPECT_TRUE(link.ErrorFlag);
    EXPECT_FALSE(link.CancelFlag);
    EXPECT_EQ(radio.Count("#TQPRD"), 3);
    EXPECT_TRUE(host.Messages.empty());
    EXPECT_TRUE(host.Questions.empty());
    EXPECT_TRUE(BufferUntouched());
}

TEST_F(BlockProtocol, TwoMissedAcknowledgementsAreRetried) {
    radio.Faults.Ignore["#TQPWR"] = 2;
    link.WriteBlock(radio.Memory, 64, 64);
    EXPECT_FALSE(link.ErrorFlag);
    EXPECT_EQ(radio.Count("#TQPWR"), 3);
}

TEST_F(BlockProtocol, OneErrorThenSuccessPassesForReadsAndWrites) {
    radio.Faults.Refuse["#TQPRD"] = 1;
    link.ReadBlock(buffer, 0, 64);
    EXPECT_FALSE(link.ErrorFlag);
    EXPECT_TRUE(BlockArrived(0, 64));
    radio.Faults.Refuse["#TQPWR"] = 1;
    link.WriteBlock(radio.Memory, 64, 64);
    EXPECT_FALSE(link.ErrorFlag);
    EXPECT_EQ(radio.Count("#TQPRD"), 2);
    EXPECT_EQ(radio.Count("#TQPWR"), 2);
}

TEST_F(BlockProtocol, AnErrorWhoseLineEndComesLateIsStillRetried) {
    // The refusal's CR LF is still on its way when the PC has read "ERROR"; the retry must
    // not take it for the start of the next acknowledgement.
    radio.Faults.Ignore["#TQPWR"] = 1;
    bool refused = false;
    host.OnYield = [&] {
        if (!refused && radio.Count("#TQPWR") == 1) {
            refused = true;
            port.Inject("ERROR");
            port.Inject("\r\n", 20);
        }
    };
    link.WriteBlock(radio.Memory, 64, 64);
    EXPECT_FALSE(link.ErrorFlag);
    EXPECT_EQ(radio.Count("#TQPWR"), 2);
}

TEST_F(BlockProtocol, ErrorThreeTimesAsksAndCancelFailsTheBlock) {
    radio.Faults.Refuse["#TQPRD"] = 3;
    link.ReadBlock(buffer, 0, 64);
    EXPECT_TRUE(link.ErrorFlag);
    ASSERT_EQ(host.Questions.size(), 1u);
    EXPECT_EQ(host.Questions[0].Text, "confirm the synchronization of the communication");
    EXPECT_EQ(host.Questions[0].Title, "Read from Radio");
    EXPECT_EQ(host.Questions[0].Buttons, QuestionButtons::OkCancel);
    EXPECT_EQ(radio.Count("#CMDSY"), 0);
    EXPECT_TRUE(BufferUntouched());
}

TEST_F(BlockProtocol, ErrorThreeTimesWithOkResynchronisesAndTriesOnceMore) {
    radio.Faults.Refuse["#TQPRD"] = 3;
    host.Answers = {true};
    link.ReadBlock(buffer, 0, 64);
    EXPECT_FALSE(link.ErrorFlag);
    EXPECT_EQ(radio.Count("#CMDSY"), 2);
    EXPECT_EQ(radio.Count("#TQPRD"), 4);
    EXPECT_TRUE(BlockArrived(0, 64));
}

TEST_F(BlockProtocol, AfterResynchronisingOnlyOneMoreAttemptIsMade) {
    radio.Faults.Refuse["#TQPWR"] = 4;
    host.Answers = {true};
    link.WriteBlock(radio.Memory, 64, 64);
    EXPECT_TRUE(link.ErrorFlag);
    EXPECT_EQ(radio.Count("#TQPWR"), 4);
    EXPECT_EQ(host.Questions.size(), 2u);
}

TEST_F(BlockProtocol, AFailedResynchronisationFailsTheBlock) {
    radio.Faults.Refuse["#TQPRD"] = 3;
    host.Answers = {true};
    // The first pass succeeds, which clears the error flag; the second gets no answer.
    bool silenced = false;
    host.OnYield = [&] {
        if (!silenced && radio.Count("#CMDSY") == 1) {
            silenced = true;
            radio.Faults.Ignore["#CMDSY"] = 3;
        }
    };
    link.ReadBlock(buffer, 0, 64);
    EXPECT_TRUE(link.ErrorFlag);
    EXPECT_EQ(radio.Count("#CMDSY"), 4);
    EXPECT_EQ(radio.Count("#TQPRD"), 3);
    EXPECT_TRUE(BufferUntouched());
}

TEST_F(BlockProtocol, AForeignReplyHeaderIsAnsweredCmdEr) {
    radio.Faults.WrongHeaderReplies = 1;
    link.ReadBlock(buffer, 0, 64);
    EXPECT_TRUE(link.ErrorFlag);
    EXPECT_EQ(Sent().back(), "#CMDER\r\n");
    EXPECT_TRUE(host.Messages.empty());
    EXPECT_TRUE(BufferUntouched());
    EXPECT_EQ(radio.Count("#TQPRD"), 1);
}

TEST_F(BlockProtocol, AnIncompleteReplyTimesOut) {
    radio.Faults.TruncatedReplies = 1;
    link.ReadBlock(buffer, 0, 64);
    EXPECT_TRUE(link.ErrorFlag);
    EXPECT_EQ(host.MessageTexts(), std::vector<std::string>{"time out!!"});
    EXPECT_TRUE(BufferUntouched());
}

TEST_F(BlockProtocol, AMissingReplyHeaderTimesOut) {
    radio.Faults.DataDelayMs = 11000;
    link.ReadBlock(buffer, 0, 64);
    EXPECT_TRUE(link.ErrorFlag);
    EXPECT_EQ(host.MessageTexts(), std::vector<std::string>{"time out!!"});
}

TEST_F(BlockProtocol, AWrongChecksumIsAnsweredCmdSm) {
    radio.Faults.BadChecksumReplies = 1;
    link.ReadBlock(buffer, 0, 64);
    EXPECT_TRUE(link.ErrorFlag);
    EXPECT_EQ(Sent().back(), "#CMDSM\r\n");
    EXPECT_TRUE(host.Messages.empty());
    EXPECT_TRUE(BufferUntouched());
}

TEST_F(BlockProtocol, AWrongAddressIsReported) {
    radio.Faults.WrongAddressReplies = 1;
    link.ReadBlock(buffer, 0, 64);
    EXPECT_TRUE(link.ErrorFlag);
    EXPECT_EQ(host.MessageTexts(), std::vector<std::string>{"address error!!"});
    EXPECT_EQ(host.Messages[0].Icon, MessageIcon::Critical);
    EXPECT_TRUE(BufferUntouched());
}

TEST_F(BlockProtocol, AMissingDataByteIsReportedAndNothingStored) {
    radio.Faults.ShortDataReplies = 1;
    link.ReadBlock(buffer, 0, 64);
    EXPECT_TRUE(link.ErrorFlag);
    EXPECT_EQ(host.MessageTexts(), std::vector<std::string>{"data error!!"});
    EXPECT_TRUE(BufferUntouched());
}

TEST_F(BlockProtocol, AWrongLengthFieldIsADataError) {
    const std::string body = "#TQPDT\t0000\t03\t" + ImageHex(radio.Memory, 0, 2) + "\t";
    radio.Faults.Ignore["#TQPRD"] = 1;
    port.Inject("#CMDOK\r\n" + body + HexField(XorChecksum(body), 2) + "\r\n", 1);
    link.ReadBlock(buffer, 0, 2);
    EXPECT_EQ(host.MessageTexts(), std::vector<std::string>{"data error!!"});
    EXPECT_TRUE(BufferUntouched());
}

TEST_F(BlockProtocol, GarbageDataDigitsAreADataError) {
    const std::string body = "#TQPDT\t0000\t02\tZZ01\t";
    radio.Faults.Ignore["#TQPRD"] = 1;
    port.Inject("#CMDOK\r\n" + body + HexField(XorChecksum(body), 2) + "\r\n", 1);
    link.ReadBlock(buffer, 0, 2);
    EXPECT_TRUE(link.ErrorFlag);
    EXPECT_EQ(host.MessageTexts(), std::vector<std::string>{"data error!!"});
    EXPECT_TRUE(BufferUntouched());
}

TEST_F(BlockProtocol, ARefusedReplyHeaderFailsWithoutAMessage) {
    radio.Faults.Ignore["#TQPRD"] = 1;
    port.Inject("#CMDOK\r\nERROR\r\n", 1);
    link.ReadBlock(buffer, 0, 64);
    EXPECT_TRUE(link.ErrorFlag);
    EXPECT_TRUE(host.Messages.empty());
}

TEST_F(BlockProtocol, CancelWhileWaitingForTheReplyHeaderSaysSo) {
    radio.Faults.DataDelayMs = 5000;
    host.OnYield = [this] { link.CancelFlag = clock.Now() > 1000; };
    link.ReadBlock(buffer, 0, 64);
    EXPECT_TRUE(link.ErrorFlag);
    EXPECT_TRUE(link.CancelFlag);
    EXPECT_EQ(host.MessageTexts(), std::vector<std::string>{"cancel!!"});
    EXPECT_TRUE(BufferUntouched());
}

TEST_F(BlockProtocol, CancelWhileWaitingForTheAcknowledgementIsQuiet) {
    radio.Faults.Ignore["#TQPWR"] = 1;
    CancelAfter("#TQPWR", 1);
    link.WriteBlock(radio.Memory, 64, 64);
    EXPECT_TRUE(link.ErrorFlag);
    EXPECT_TRUE(link.CancelFlag);
    EXPECT_TRUE(host.Messages.empty());
    EXPECT_EQ(radio.Count("#TQPWR"), 1);
}

TEST_F(BlockProtocol, CancelWhileWaitingForTheReplyBodyIsQuiet) {
    radio.Faults.TruncatedReplies = 1;
    host.OnYield = [this] { link.CancelFlag = clock.Now() > 2000; };
    link.ReadBlock(buffer, 0, 64);
    EXPECT_TRUE(link.ErrorFlag);
    EXPECT_TRUE(link.CancelFlag);
    EXPECT_TRUE(host.Messages.empty());
}

TEST_F(BlockProtocol, ReadBlockDropsStaleInputBeforeItsRequest) {
    port.Inject("#CMDOK\r\n");
    link.ReadBlock(buffer, 0, 64);
    EXPECT_FALSE(link.ErrorFlag);
    EXPECT_TRUE(BlockArrived(0, 64));
}

} // namespace
} // namespace tq58::test
