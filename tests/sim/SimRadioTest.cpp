#include "sim/SimRadio.h"

#include "link/Frame.h"
#include "sim/WirePacing.h"

#include <gtest/gtest.h>
#include <string>

namespace tq58 {
namespace {

// Everything the far end answers to a text, joined, delays left out.
std::string Answer(SimRadio& radio, const std::string& text) {
    std::string answer;
    for (char c : text) {
        for (const SimOutput& output : radio.Receive(static_cast<std::uint8_t>(c))) {
            answer += output.Bytes;
        }
    }
    return answer;
}

std::string Frame(const std::string& command, const std::string& address, const std::string& length,
                  const std::string& data) {
    const Bytes frame = BuildFrame(command, address, length, data);
    return {frame.begin(), frame.end()};
}

TEST(SimRadio, CarriesTheIdentityTheProgramChecks) {
    const SimRadio radio(7700);
    EXPECT_EQ(radio.Memory[0], 0x1E);
    EXPECT_EQ(radio.Memory[1], 0x14);
    EXPECT_EQ(radio.Memory[32766], 0x1E);
    EXPECT_EQ(radio.Memory[32767], 0x14);
    EXPECT_EQ(std::string(radio.Memory.begin() + 1056, radio.Memory.begin() + 1063),
              std::string("KX417Q\xFF"));
    EXPECT_EQ(radio.Memory[2], 0xFF);
}

TEST(SimRadio, AnswersTheLinkStart) {
    SimRadio radio;
    EXPECT_EQ(Answer(radio, "P"), "P");
    EXPECT_EQ(Answer(radio, "0"), "");
    EXPECT_EQ(Answer(radio, "ACMD:002\r\n"), "OK\r\n");
    EXPECT_EQ(Answer(radio, "#CMDSY\r\n"), "#CMDOK\r\n");
    EXPECT_EQ(Answer(radio, "\x18"), "\x06");
    EXPECT_EQ(radio.CancelBytes(), 1);
}

TEST(SimRadio, AnswersAReadWithAValidDataFrame) {
    SimRadio radio(7200);
    const std::string answer = Answer(radio, Frame("#TQPRD", "0420", "07", ""));
    const std::string body = "#TQPDT\t0420\t07\t4B5834313751FF\t";
    EXPECT_EQ(answer, "#CMDOK\r\n" + body + HexField(XorChecksum(body), 2) + "\r\n");
    EXPECT_EQ(radio.Reads(), (std::vector<SimBlock>{{0x420, 7}}));
}

TEST(SimRadio, StoresAWriteAndAcknowledgesIt) {
    SimRadio radio;
    EXPECT_EQ(Answer(radio, Frame("#TQPWR", "0405", "02", "00A5")), "#CMDOK\r\n");
    EXPECT_EQ(radio.Memory[0x405], 0x00);
    EXPECT_EQ(radio.Memory[0x406], 0xA5);
    EXPECT_EQ(radio.Writes(), (std::vector<SimBlock>{{0x405, 2}}));
}

TEST(SimRadio, RefusesBadFramesWithError) {
    SimRadio radio;
    const Image before = radio.Memory;
    std::string badChecksum = Frame("#TQPWR", "0405", "01", "00");
    badChecksum[badChecksum.size() - 3] ^= 1;
    EXPECT_EQ(Answer(radio, badChecksum), "ERROR\r\n");
    EXPECT_EQ(Answer(radio, Frame("#TQPWR", "0405", "02", "00")), "ERROR\r\n");
    EXPECT_EQ(Answer(radio, Frame("#TQPRD", "7FFF", "02", "")), "ERROR\r\n");
    EXPECT_EQ(Answer(radio, Frame("#TQPRD", "0000", "41", "")), "ERROR\r\n");
    EXPECT_EQ(Answer(radio, "#TQPXX\r\n"), "ERROR\r\n");
    EXPECT_EQ(radio.Memory, before);
    EXPECT_TRUE(radio.Writes().empty());
}

TEST(SimRadio, TakesThePcsAcknowledgementsSilently) {
    SimRadio radio;
    for (const char* line : {"#CMDOK\r\n", "#CMDSM\r\n", "#CMDER\r\n", "#CMDUN\r\n"}) {
        EXPECT_EQ(Answer(radio, line), "") << line;
    }
}

TEST(SimRadio, ReportsReadyOrBusy) {
    SimRadio radio;
    radio.Faults.BusyReplies = 1;
    const std::string status = Frame("#TQPSR", "00", "", "");
    // "#TQPSR\t00\t" sums to 0x77; 'D' in place of 'R' gives 0x61, "01" for "00" 0x60.
    EXPECT_EQ(Answer(radio, status), "#CMDOK\r\n#TQPSD\t01\t60\r\n");
    EXPECT_EQ(Answer(radio, status), "#CMDOK\r\n#TQPSD\t00\t61\r\n");
}

TEST(SimRadio, CountsDownEachFault) {
    SimRadio radio;
    radio.Faults.Refuse["#TQPRD"] = 1;
    radio.Faults.Ignore["#TQPRD"] = 1;
    const std::string read = Frame("#TQPRD", "0000", "02", "");
    EXPECT_EQ(Answer(radio, read), "");
    EXPECT_EQ(Answer(radio, read), "ERROR\r\n");
    EXPECT_EQ(Answer(radio, read).substr(0, 8), "#CMDOK\r\n");
    EXPECT_EQ(radio.Count("#TQPRD"), 3);
}

TEST(SimRadio, DamagesDataRepliesAsTold) {
    SimRadio radio;
    const std::string read = Frame("#TQPRD", "0000", "02", "");
    radio.Faults.LowerCaseHex = true;
    radio.Memory[0] = 0xAB;
    const std::string lower = Answer(radio, read);
    EXPECT_NE(lower.find("\tab20\t"), std::string::npos) << lower;
    EXPECT_TRUE(VerifyChecksum(lower.substr(8, lower.size() - 10)));
    radio.Faults.LowerCaseHex = false;

    radio.Faults.ShortDataReplies = 1;
    EXPECT_NE(Answer(radio, read).find("\tAB\t"), std::string::npos);
    radio.Faults.WrongAddressReplies = 1;
    EXPECT_NE(Answer(radio, read).find("\t0002\t02\t"), std::string::npos);
    radio.Faults.BadChecksumReplies = 1;
    const std::string bad = Answer(radio, read);
    EXPECT_FALSE(VerifyChecksum(bad.substr(8, bad.size() - 10)));
    radio.Faults.TruncatedReplies = 1;
    EXPECT_EQ(Answer(radio, read).find("\r\n", 8), std::string::npos);
}

TEST(SimRadio, SilentPartsAnswerNothing) {
    SimRadio radio;
    radio.Faults.AdapterSilent = true;
    radio.Faults.RadioSilent = true;
    EXPECT_EQ(Answer(radio, "P"), "");
    EXPECT_EQ(Answer(radio, "ACMD:002\r\n"), "");
    EXPECT_EQ(Answer(radio, "#CMDSY\r\n"), "");
    EXPECT_EQ(Answer(radio, Frame("#TQPRD", "0000", "02", "")), "");
}

TEST(WirePacing, TakesTenBitTimesPerByteEachWay) {
    WirePacing line(57600);
    const std::int64_t byteNs = 1'000'000'000LL * 10 / 57600;
    EXPECT_EQ(line.ByteNs(), byteNs);
    // Two bytes seen at once arrive one after the other.
    EXPECT_EQ(line.Receive(0), byteNs);
    EXPECT_EQ(line.Receive(0), 2 * byteNs);
    // Output queues behind output, not behind input.
    EXPECT_EQ(line.Send(0), byteNs);
    EXPECT_EQ(line.Send(5 * byteNs), 6 * byteNs);
    EXPECT_EQ(line.Send(0), 7 * byteNs);
}

TEST(WirePacing, SpeedZeroIsALineWithoutDelay) {
    WirePacing line(0);
    EXPECT_EQ(line.Receive(42), 42);
    EXPECT_EQ(line.Send(42), 42);
}

} // namespace
} // namespace tq58
