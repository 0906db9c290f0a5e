#include "LinkFixture.h"
#include "link/Frame.h"

namespace tq58::test {
namespace {

// A rig with a started link and a radio whose every byte differs from its neighbours.
struct BlockRig : LinkRig {
    BlockRig() {
        EXPECT_TRUE(link.PortInitCP());
        for (int i = 0; i < ImageSize; ++i) {
            radio.Memory[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(i * 7 + 3);
        }
        buffer.fill(0x5A);
    }
    // The radio answers the next read request with the reply body given, not its own.
    void ReplyOnce(const std::string& body) {
        radio.Faults.Ignore["#TQPRD"] = 1;
        port.Inject("#CMDOK\r\n" + body + HexField(XorChecksum(body), 2) + "\r\n", 1);
    }
    // The user cancels once the clock has passed the time given.
    void CancelAt(std::int64_t milliseconds) {
        host.OnYield = [this, milliseconds] {
            if (clock.Now() > milliseconds) {
                link.RequestCancel();
            }
        };
    }
    Image buffer{};
};

TEST(BlockProtocol, ReadsAndWritesBlocksWithTheExactFrames) {
    BlockRig rig;
    rig.port.Inject("#CMDOK\r\n"); // stale input is dropped before the request
    EXPECT_TRUE(rig.link.ReadBlock(rig.buffer, 0x40, 64));
    EXPECT_FALSE(rig.link.Failed());
    Image expected;
    expected.fill(0x5A);
    std::copy_n(rig.radio.Memory.begin() + 0x40, 64, expected.begin() + 0x40);
    EXPECT_EQ(rig.buffer, expected);
    EXPECT_EQ(rig.Sent(), (Texts{"#TQPRD\t0040\t40\t69\r\n", "#CMDOK\r\n"}));

    Image image{};
    EXPECT_TRUE(rig.link.WriteBlock(image, 0x405, 1));
    EXPECT_FALSE(rig.link.Failed());
    EXPECT_EQ(rig.Sent().back(), "#TQPWR\t0405\t01\t00\t73\r\n");
    EXPECT_EQ(rig.radio.Memory[0x405], 0x00);
    EXPECT_EQ(rig.radio.Writes(), (std::vector<SimBlock>{{0x405, 1}}));
    EXPECT_TRUE(rig.host.Messages.empty());
}

constexpr char rd[] = "#TQPRD";
constexpr char wr[] = "#TQPWR";

TEST(BlockProtocol, OutcomesOfReadsAndWrites) {
    using R = BlockRig;
    struct Case {
        const char* name;
        const char* command; // of the block exchange
        std::function<void(R&)> setup;
        bool ok = false;
        int requests = 1; // lines of the command the radio saw
        std::string message = {};
        const char* reply = ""; // the PC's answer to a failed data reply
        bool cancelled = false;
        int questions = 0;
        int syncs = 0;
    };
    // The first pass of the resynchronisation succeeds and clears the error flag; the second
    // goes unanswered.
    auto secondSyncFails = [](R& r) {
        r.radio.Faults.Refuse["#TQPRD"] = 3;
        r.host.Answers = {true};
        r.host.OnYield = [&r] {
            if (r.radio.Count("#CMDSY") == 1 && !r.radio.Faults.Ignore.count("#CMDSY")) {
                r.radio.Faults.Ignore["#CMDSY"] = 3;
            }
        };
    };
    // The refusal's CR LF is still on its way when the PC has read "ERROR".
    auto lateLineEnd = [](R& r) {
        r.radio.Faults.Ignore["#TQPWR"] = 1;
        r.host.OnYield = [&r, done = false]() mutable {
            if (!done && r.radio.Count("#TQPWR") == 1) {
                done = true, r.port.Inject("ERROR"), r.port.Inject("\r\n", 20);
            }
        };
    };
    const Case cases[] = {
        {"lower-case hex", rd, [](R& r) { r.radio.Faults.LowerCaseHex = true; }, true},
        {"one ERROR", rd, [](R& r) { r.radio.Faults.Refuse[rd] = 1; }, true, 2},
        {"no acknowledgement 3 times", rd, [](R& r) { r.radio.Faults.Ignore[rd] = 3; }, false, 3},
        {"ERROR 3 times, Cancel", rd, [](R& r) { r.radio.Faults.Refuse[rd] = 3; }, false, 3, "", "",
         false, 1},
        {"ERROR 3 times, OK", rd,
         [](R& r) { r.radio.Faults.Refuse[rd] = 3, r.host.Answers = {true}; }, true, 4, "", "",
         false, 1, 2},
        {"ERROR 3 times, OK, resynchronisation fails", rd, secondSyncFails, false, 3, "", "", false,
         1, 4},
        {"header not #TQPDT", rd, [](R& r) { r.radio.Faults.WrongHeaderReplies = 1; }, false, 1, "",
         "#CMDER\r\n"},
        {"ERROR for a header", rd,
         [](R& r) { r.radio.Faults.Ignore[rd] = 1, r.port.Inject("#CMDOK\r\nERROR\r\n", 1); }},
        {"incomplete reply", rd, [](R& r) { r.radio.Faults.TruncatedReplies = 1; }, false, 1,
         "time out!!|"},
        {"no reply header", rd, [](R& r) { r.radio.Faults.DataDelayMs = 11000; }, false, 1,
         "time out!!|"},
        {"wrong checksum", rd, [](R& r) { r.radio.Faults.BadChecksumReplies = 1; }, false, 1, "",
         "#CMDSM\r\n"},
        {"wrong address", rd, [](R& r) { r.radio.Faults.WrongAddressReplies = 1; }, false, 1,
         "address error!!|"},
        {"data byte missing", rd, [](R& r) { r.radio.Faults.ShortDataReplies = 1; }, false, 1,
         "data error!!|"},
        {"data byte too many", rd,
         [](R& r) { r.ReplyOnce("#TQPDT\t0000\t40\t" + ImageHex(r.radio.Memory, 0, 65) + "\t"); },
         false, 1, "data error!!|"},
        {"wrong length field", rd,
         [](R& r) { r.ReplyOnce("#TQPDT\t0000\t3F\t" + ImageHex(r.radio.Memory, 0, 64) + "\t"); },
         false, 1, "data error!!|"},
        {"foreign data digits", rd,
         [](R& r) { r.ReplyOnce("#TQPDT\t0000\t40\tZZ" + ImageHex(r.radio.Memory, 1, 63) + "\t"); },
         false, 1, "data error!!|"},
        {"Cancel at the reply header", rd,
         [](R& r) { r.radio.Faults.DataDelayMs = 5000, r.CancelAt(1000); }, false, 1, "cancel!!|",
         "", true},
        {"Cancel at the reply body", rd,
         [](R& r) { r.radio.Faults.TruncatedReplies = 1, r.CancelAt(2000); }, false, 1, "", "",
         true},
        {"Cancel at the acknowledgement", rd,
         [](R& r) { r.radio.Faults.Ignore[rd] = 1, r.CancelAfter(rd, 1); }, false, 1, "", "", true},
        {"write: two missed acknowledgements", wr, [](R& r) { r.radio.Faults.Ignore[wr] = 2; },
         true, 3},
        {"write: one ERROR", wr, [](R& r) { r.radio.Faults.Refuse[wr] = 1; }, true, 2},
        {"write: ERROR whose line end comes late", wr, lateLineEnd, true, 2},
        {"write: ERROR 4 times, OK, then one more attempt only", wr,
         [](R& r) { r.radio.Faults.Refuse[wr] = 4, r.host.Answers = {true}; }, false, 4, "", "",
         false, 2, 2},
        {"write: Cancel at the acknowledgement", wr,
         [](R& r) { r.radio.Faults.Ignore[wr] = 1, r.CancelAfter(wr, 1); }, false, 1, "", "", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        BlockRig rig;
        c.setup(rig);
        const bool read = std::string(c.command) == rd;
        const bool done = read ? rig.link.ReadBlock(rig.buffer, 0, 64)
                               : rig.link.WriteBlock(rig.radio.Memory, 64, 64);
        EXPECT_EQ(done, c.ok);
        EXPECT_EQ(rig.link.Failed(), !c.ok);
        EXPECT_EQ(rig.link.CancelRequested(), c.cancelled);
        EXPECT_EQ(rig.radio.Count(c.command), c.requests);
        EXPECT_EQ(Joined(rig.host.Messages), c.message);
        for (const Shown& message : rig.host.Messages) {
            EXPECT_EQ(message.Title, "Read from Radio");
            EXPECT_EQ(message.Kind, static_cast<int>(MessageIcon::Critical));
        }
        Texts replies;
        for (const std::string& line : rig.Sent()) {
            if (line.rfind("#CMD", 0) == 0 && line != "#CMDSY\r\n") {
                replies.push_back(line);
            }
        }
        EXPECT_EQ(replies, c.ok && read ? Texts{"#CMDOK\r\n"}
                           : *c.reply   ? Texts{c.reply}
                                        : Texts{});
        EXPECT_EQ(rig.host.Questions.size(), static_cast<std::size_t>(c.questions));
        for (const Shown& question : rig.host.Questions) {
            EXPECT_EQ(question.Title, "Read from Radio");
            EXPECT_EQ(question.Text, "confirm the synchronization of the communication");
            EXPECT_EQ(question.Kind, static_cast<int>(QuestionButtons::OkCancel));
        }
        EXPECT_EQ(rig.radio.Count("#CMDSY"), c.syncs);
        // A good block lands at its address; nothing of a failed one is stored.
        Image expected;
        expected.fill(0x5A);
        if (c.ok && read) {
            std::copy_n(rig.radio.Memory.begin(), 64, expected.begin());
        }
        EXPECT_TRUE(rig.buffer == expected);
    }
}

} // namespace
} // namespace tq58::test
