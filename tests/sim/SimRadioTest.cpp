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

TEST(SimRadio, AnswersEveryLineAsTheLinkExpects) {
    SimRadio radio(7200);
    std::string badChecksum = Frame("#TQPWR", "0405", "01", "00");
    badChecksum[badChecksum.size() - 3] ^= 1;
    const std::string status = Frame("#TQPSR", "00", "", "");
    const std::string dataReply = "#TQPDT\t0420\t07\t4B5834313751FF\t";
    const std::pair<std::string, std::string> exchanges[] = {
        {"P", "P"},
        {"0", ""},
        {"ACMD:002\r\n", "OK\r\n"},
        {"#CMDSY\r\n", "#CMDOK\r\n"},
        {Frame("#TQPRD", "0420", "07", ""),
         "#CMDOK\r\n" + dataReply + HexField(XorChecksum(dataReply), 2) + "\r\n"},
        {Frame("#TQPWR", "0405", "02", "00A5"), "#CMDOK\r\n"},
        // "#TQPSR\t00\t" sums to 0x77; 'D' in place of 'R' gives 0x61.
        {status, "#CMDOK\r\n#TQPSD\t00\t61\r\n"},
        {"#CMDOK\r\n", ""},
        {"#CMDSM\r\n", ""},
        {"#CMDER\r\n", ""},
        {"#CMDUN\r\n", ""},
        {badChecksum, "ERROR\r\n"},
        {Frame("#TQPWR", "0405", "02", "00"), "ERROR\r\n"},
        {Frame("#TQPRD", "7FFF", "02", ""), "ERROR\r\n"},
        {Frame("#TQPRD", "0000", "41", ""), "ERROR\r\n"},
        {"#TQPXX\r\n", "ERROR\r\n"},
        {"\x18", "\x06"},
    };
    for (const auto& [line, answer] : exchanges) {
        EXPECT_EQ(Answer(radio, line), answer) << line;
    }
    EXPECT_EQ(ImageHex(radio.Memory, 0x404, 4), "FF00A5FF");
    EXPECT_EQ(radio.Writes(), (std::vector<SimBlock>{{0x405, 2}}));
    EXPECT_EQ(radio.Reads(), (std::vector<SimBlock>{{0x420, 7}}));
    EXPECT_EQ(radio.CancelBytes(), 1);
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
    WirePacing unpaced(0);
    EXPECT_EQ(unpaced.Receive(42), 42);
    EXPECT_EQ(unpaced.Send(42), 42);
}

} // namespace
} // namespace tq58
