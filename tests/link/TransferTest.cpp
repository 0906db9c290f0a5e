#include "link/Transfer.h"

#include "LinkFixture.h"
#include "link/Frame.h"

#include <numeric>

namespace tq58::test {
namespace {

using enum TransferOperation;

bool TakenOverByARead(int address) {
    return (address >= 2 && address < 1024) || (address >= 1280 && address < 26368);
}

std::vector<SimBlock> Blocks(int first, int end, int length = 64) {
    std::vector<SimBlock> blocks;
    for (int address = first; address < end; address += length)
        blocks.push_back({address, length});
    return blocks;
}

TEST(TransferRun, AFullReadTakesOverTheSettingsAndNothingElse) {
    TransferRig rig;
    for (int i = 0; i < ImageSize; ++i) {
        rig.radio.Memory[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(i * 13 + 7);
    }
    MarkRadioIdentity(rig.radio.Memory, 7200);
    rig.data.MemoryImage.fill(0x11);
    Transfer transfer = rig.Make(ReadFromRadio);
    std::vector<Image> kept;
    transfer.ImageRead = [&](const Image& image) {
        kept.push_back(image);
        EXPECT_EQ(rig.data.MemoryImage[2], 0x11) << "the data changed before the image was kept";
    };
    EXPECT_TRUE(transfer.PressOk());
    EXPECT_TRUE(transfer.TransferDone);
    ASSERT_EQ(kept.size(), 1u);
    EXPECT_EQ(kept[0], rig.radio.Memory);
    for (int address = 0; address < ImageSize; ++address) {
        const auto i = static_cast<std::size_t>(address);
        ASSERT_EQ(rig.data.MemoryImage[i], TakenOverByARead(address) ? rig.radio.Memory[i] : 0x11)
            << address;
    }
    std::vector<SimBlock> reads{{0, 2}, {32766, 2}, {1056, 7}};
    for (const SimBlock& block : Blocks(0, ImageSize))
        reads.push_back(block);
    EXPECT_EQ(rig.radio.Reads(), reads);
    ASSERT_EQ(Joined(rig.host.Messages), "Complete!!|");
    EXPECT_EQ(rig.host.Messages.at(0).Title, "Read from Radio");
    EXPECT_EQ(rig.host.Messages.at(0).Kind, static_cast<int>(MessageIcon::Information));
    EXPECT_FALSE(rig.link.PortIsOpen());
    EXPECT_FALSE(rig.link.Busy());
    EXPECT_EQ(rig.host.Progress.back(), 0);
    EXPECT_EQ(*std::max_element(rig.host.Progress.begin(), rig.host.Progress.end()), 100);
}

TEST(TransferRun, AProgramOperationWritesExactlyTheSettingsRangesWithTheHeaderChecksum) {
    TransferRig rig;
    rig.data.MemoryImage[0x50] = 0x12; // the header preparation must recompute 0x5F
    const Image radioBefore = rig.radio.Memory;
    Transfer transfer = rig.Make(ProgramToRadio);
    EXPECT_TRUE(transfer.PressOk());
    EXPECT_TRUE(transfer.TransferDone);
    std::vector<SimBlock> writes = Blocks(2, 64, 1);
    for (const auto& range : {Blocks(64, 1024), Blocks(1280, 26368)})
        writes.insert(writes.end(), range.begin(), range.end());
    ASSERT_EQ(writes.size(), 62u + 407u);
    EXPECT_EQ(rig.radio.Writes(), writes);
    for (int address = 0; address < ImageSize; ++address) {
        const auto i = static_cast<std::size_t>(address);
        ASSERT_EQ(rig.radio.Memory[i],
                  TakenOverByARead(address) ? rig.data.MemoryImage[i] : radioBefore[i])
            << address;
    }
    const Image& sent = rig.radio.Memory;
    EXPECT_EQ(sent[0x5F], std::accumulate(sent.begin() + 0x42, sent.begin() + 0x5F, 0) % 256);
    EXPECT_EQ(Joined(rig.host.Messages), "Complete!!|");
    EXPECT_EQ(rig.host.Messages.at(0).Title, "Program to Radio");
    // The link start (5 outputs, 1000 ms), the checks (8 outputs), 469 writes and 104 empty
    // 64-byte steps with 10 ms each, and the final 500 ms.
    EXPECT_EQ(rig.host.SleptMs, (5 + 8 + 469 + 104) * OutputPauseMs + 1000 + 500);
}

TEST(TransferRun, VerifyReadsBackTheWrittenRangesAndFindsWhatTheChecksumMissed) {
    std::vector<SimBlock> programReads{{0, 2}, {32766, 2}, {1056, 7}};
    std::vector<SimBlock> verifyReads = programReads;
    for (const auto& range : {Blocks(0, 1024), Blocks(1280, 26368)})
        verifyReads.insert(verifyReads.end(), range.begin(), range.end());
    const struct {
        const char* name;
        bool verify;
        int corruptAt;
        std::string messages;
        std::size_t reads;
    } cases[] = {
        {"off by default: a flip goes unseen", false, 0x0E00, "Complete!!|", programReads.size()},
        {"clean line", true, -1, "Complete!!\nVerified|", verifyReads.size()},
        {"a flipped block", true, 0x0E00, "Verify Error!! first difference at address 0x0E00",
         3 + (0x0E00 / 64 + 1) - 4}, // up to the flipped block, less the radio's own area
        {"a flipped header byte", true, 0x0030, "Verify Error!! first difference at address 0x0030",
         4},
    };
    for (const auto& c : cases) {
        TransferRig rig;
        rig.radio.Faults.CorruptWriteAt = c.corruptAt;
        Transfer transfer = rig.Make(ProgramToRadio);
        transfer.VerifyAfterProgram = c.verify;
        const bool passes = c.messages.starts_with("Complete");
        EXPECT_EQ(transfer.PressOk(), passes) << c.name;
        EXPECT_EQ(transfer.TransferDone, passes) << c.name;
        EXPECT_TRUE(Joined(rig.host.Messages).starts_with(c.messages)) << Joined(rig.host.Messages);
        EXPECT_EQ(rig.radio.Reads().size(), c.reads) << c.name;
        EXPECT_EQ(rig.host.Messages.back().Kind,
                  static_cast<int>(passes ? MessageIcon::Information : MessageIcon::Critical));
    }
    TransferRig clean;
    Transfer transfer = clean.Make(ProgramToRadio);
    transfer.VerifyAfterProgram = true;
    EXPECT_TRUE(transfer.PressOk());
    EXPECT_EQ(clean.radio.Reads(), verifyReads);
}

// A read-back that fails is never taken for one that matched: the operation fails, says no
// "Verified", and names the first written address it could not confirm. The faults begin five
// blocks into the verify, so the address is that of the block that failed (faults from the
// first block on are the program-verify script's).
TEST(TransferRun, AReadBackThatFailsIsNeverVerified) {
    const std::pair<const char*, ReadBackFault> faults[] = {
        {"bad checksum every time", ReadBackFault::BadChecksum},
        {"time-out", ReadBackFault::Silence},
        {"wrong address", ReadBackFault::WrongAddress},
        {"hang-up", ReadBackFault::HangUp}};
    for (const auto& [name, fault] : faults) {
        SCOPED_TRACE(name);
        TransferRig rig;
        rig.Once([&rig] { return rig.radio.Count("#TQPRD") >= 3 + 5; },
                 [&rig, fault] { rig.radio.Faults.ReadBack = fault; });
        Transfer transfer = rig.Make(ProgramToRadio);
        transfer.VerifyAfterProgram = true;
        EXPECT_FALSE(transfer.PressOk());
        EXPECT_FALSE(transfer.TransferDone);
        const std::string shown = Joined(rig.host.Messages);
        EXPECT_EQ(shown.find("Verified"), std::string::npos) << shown;
        EXPECT_EQ(shown.find("Complete"), std::string::npos) << shown;
        const int failed = rig.radio.Reads().back().Address;
        EXPECT_GT(failed, 2);
        EXPECT_EQ(rig.host.Messages.back().Text,
                  "Verify Error!! the read-back of address 0x" + HexField(failed, 4) + " failed")
            << shown;
    }
}

TEST(TransferRun, CancelDuringTheVerifyIsQuietAndNotDone) {
    TransferRig rig;
    rig.Once([&rig] { return rig.radio.Count("#TQPRD") >= 10; },
             [&rig] { rig.link.RequestCancel(); });
    Transfer transfer = rig.Make(ProgramToRadio);
    transfer.VerifyAfterProgram = true;
    EXPECT_FALSE(transfer.PressOk());
    EXPECT_FALSE(transfer.TransferDone);
    EXPECT_EQ(Joined(rig.host.Messages), "");
    EXPECT_EQ(rig.radio.CancelBytes(), 1);
}

TEST(TransferRun, ClearingALogWritesItsBlankBlocksOnly) {
    for (const auto& [operation, first, end, blocks] :
         {std::tuple{ClearDscLog, 26368, 30720, 68u}, {ClearDistressLog, 30720, 32640, 30u}}) {
        TransferRig rig;
        rig.radio.Memory[static_cast<std::size_t>(first)] = 0x42;
        Transfer transfer = rig.Make(operation);
        EXPECT_TRUE(transfer.PressOk());
        EXPECT_EQ(rig.radio.Writes(), Blocks(first, end));
        EXPECT_EQ(rig.radio.Writes().size(), blocks);
        for (const Image* image : {&rig.radio.Memory, &rig.data.MemoryImage}) {
            EXPECT_TRUE(std::all_of(image->begin() + first, image->begin() + end,
                                    [](std::uint8_t b) { return b == 0xFF; }));
        }
        EXPECT_EQ(Joined(rig.host.Messages), "Complete!!|");
        EXPECT_EQ(rig.host.Messages.at(0).Title, OperationCaption(operation));
    }
}

TEST(TransferRun, OutcomesOfChecksAndDataPhases) {
    using R = TransferRig;
    struct Case {
        const char* name;
        TransferOperation operation;
        std::function<void(R&)> setup;
        const char* messages;  // texts, each followed by '|'
        const char* exchanges; // lines of each command the radio saw, then the CAN bytes
        const char* questions = "";
        const char* title = nullptr;  // of the messages, when not the operation's caption
        const char* pcLine = nullptr; // a line the PC must have sent once
        bool ok = false;
    };
    auto poke = [](int address, std::uint8_t value, bool debug = false) {
        return [=](R& r) {
            r.radio.Memory[static_cast<std::size_t>(address)] = value;
            r.link.DebugMode = debug;
        };
    };
    // The radio acknowledges the status request, then sends `reply` instead of its own.
    auto statusReply = [](const char* reply) {
        return [reply](R& r) {
            r.radio.Faults.Ignore["#TQPSR"] = 1;
            r.Once([&r] { return r.radio.Count("#TQPSR") == 1; },
                   [&r, reply] { r.port.Inject(std::string("#CMDOK\r\n") + reply, 1); });
        };
    };
    // From the `count`th line of `command` on, the radio ignores three of them.
    auto silenceAfter = [](const char* command, int count) {
        return [command, count](R& r) {
            r.Once([&r, command, count] { return r.radio.Count(command) == count; },
                   [&r, command] { r.radio.Faults.Ignore[command] = 3; });
        };
    };
    const Case cases[] = {
        {"model code at 0", ReadFromRadio, poke(0, 0x1E), "ModelType Error !!|",
         "SY2 SR1 RD2 WR0 CAN0"},
        {"model code at the end", ReadFromRadio, poke(ImageSize - 2, 0x1E), "ModelType Error !!|",
         "SY2 SR1 RD2 WR0 CAN0"},
        {"radio of the other model", ProgramToRadio, [](R& r) { r.model.ModelType = 2; },
         "ModelType Error !!|", "SY2 SR1 RD2 WR0 CAN0", "", "Read from Radio"},
        {"product code", ReadFromRadio, poke(1056, 0x41), "ModelType Error !!|",
         "SY2 SR1 RD3 WR0 CAN0"},
        {"product code, debug", ReadFromRadio, poke(1056, 0x41, true),
         "address: 0x420 -> 0x41|ModelType Error !!|", "SY2 SR1 RD3 WR0 CAN0"},
        {"product code's blank end, debug", ReadFromRadio, poke(1062, 0x00, true),
         "address: 0x426 -> 0x0|ModelType Error !!|", "SY2 SR1 RD3 WR0 CAN0"},
        {"busy, Retry", ClearDistressLog,
         [](R& r) {
             r.radio.Faults.BusyReplies = 2;
             r.host.Answers = {true, true};
         },
         "Complete!!|", "SY2 SR3 RD3 WR30 CAN0", "Radio is busy!!|Radio is busy!!|", nullptr,
         nullptr, true},
        {"busy, Cancel", ReadFromRadio, [](R& r) { r.radio.Faults.BusyReplies = 1; },
         "Radio not ready!!|", "SY2 SR1 RD0 WR0 CAN0", "Radio is busy!!|"},
        {"unknown radio state", ReadFromRadio, [](R& r) { r.radio.Faults.StatusField = "07"; },
         "Radio not ready!!|", "SY2 SR1 RD0 WR0 CAN0", "", nullptr, "#CMDOK\r\n"},
        {"status ERROR once", ClearDistressLog, [](R& r) { r.radio.Faults.Refuse["#TQPSR"] = 1; },
         "Complete!!|", "SY2 SR2 RD3 WR30 CAN0", "", nullptr, nullptr, true},
        {"foreign status reply", ReadFromRadio, statusReply("#TQPXX\t00\t00\r\n"),
         "Radio not ready!!|", "SY2 SR1 RD0 WR0 CAN0", "", nullptr, "#CMDUN\r\n"},
        {"status reply with a bad checksum", ReadFromRadio, statusReply("#TQPSD\t00\t00\r\n"),
         "Radio not ready!!|", "SY2 SR1 RD0 WR0 CAN0", "", nullptr, "#CMDSM\r\n"},
        {"silent status reply", ReadFromRadio, [](R& r) { r.radio.Faults.DataDelayMs = 20000; },
         "time out!!|Radio not ready!!|", "SY2 SR1 RD0 WR0 CAN0"},
        {"Cancel at the status reply", ReadFromRadio,
         [](R& r) {
             r.radio.Faults.DataDelayMs = 5000;
             // Well after the acknowledgement, well before the delayed reply.
             r.host.OnYield = [&r, at = std::int64_t{-1}]() mutable {
                 at = at < 0 && r.radio.Count("#TQPSR") > 0 ? r.clock.Now() : at;
                 if (at >= 0 && r.clock.Now() > at + 1000) {
                     r.link.RequestCancel();
                 }
             };
         },
         "cancel!!|Radio not ready!!|", "SY2 SR1 RD0 WR0 CAN0"},
        {"no link start", ReadFromRadio, [](R& r) { r.radio.Faults.RadioSilent = true; },
         NoAnswerShown.c_str(), "SY6 SR0 RD0 WR0 CAN0"},
        {"Cancel in the model check", ReadFromRadio,
         [](R& r) { r.radio.Faults.Ignore["#TQPRD"] = 1, r.CancelAfter("#TQPRD", 1); }, "",
         "SY2 SR1 RD1 WR0 CAN0"},
        {"a read fails midway", ReadFromRadio, // the 50th reply is on its way; the 51st is bad
         [](R& r) {
             r.Once([&r] { return r.radio.Count("#TQPRD") == 50; },
                    [&r] { r.radio.Faults.BadChecksumReplies = 1; });
         },
         "Communication Error!!|", "SY2 SR1 RD51 WR0 CAN0"},
        {"a header byte fails", ProgramToRadio, silenceAfter("#TQPWR", 8), "Communication Error!!|",
         "SY2 SR1 RD3 WR11 CAN0"},
        {"Cancel in a program operation", ProgramToRadio,
         [](R& r) { r.CancelAfter("#TQPWR", 100); }, "", "SY2 SR1 RD3 WR100 CAN0"},
        {"a clear fails midway", ClearDistressLog,
         [&](R& r) { r.data.MemoryImage.fill(0x33), silenceAfter("#TQPWR", 5)(r); },
         "Communication Error!!|", "SY2 SR1 RD3 WR8 CAN0", "", "Program to Radio"},
        {"Cancel in a clear", ClearDscLog,
         [](R& r) { r.data.MemoryImage.fill(0x33), r.CancelAfter("#TQPWR", 10); }, "",
         "SY2 SR1 RD3 WR10 CAN0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TransferRig rig;
        c.setup(rig);
        const Image before = rig.data.MemoryImage;
        const auto record = rig.data.Settings.CHUSA;
        Transfer transfer = rig.Make(c.operation);
        int imagesRead = 0;
        transfer.ImageRead = [&imagesRead](const Image&) { ++imagesRead; };
        EXPECT_EQ(transfer.PressOk(), c.ok);
        EXPECT_EQ(transfer.TransferDone, c.ok);
        EXPECT_EQ(imagesRead, c.ok && c.operation == ReadFromRadio ? 1 : 0);
        EXPECT_FALSE(rig.link.Busy());
        EXPECT_EQ(Joined(rig.host.Messages), c.messages);
        const SimRadio& radio = rig.radio;
        EXPECT_EQ("SY" + std::to_string(radio.Count("#CMDSY")) + " SR" +
                      std::to_string(radio.Count("#TQPSR")) + " RD" +
                      std::to_string(radio.Count("#TQPRD")) + " WR" +
                      std::to_string(radio.Count("#TQPWR")) + " CAN" +
                      std::to_string(radio.CancelBytes()),
                  c.exchanges);
        for (const Shown& message : rig.host.Messages) {
            const bool detail = message.Text.rfind("address:", 0) == 0;
            EXPECT_EQ(message.Title, detail    ? "Product Code Error!"
                                     : c.title ? c.title
                                               : OperationCaption(c.operation));
        }
        EXPECT_EQ(Joined(rig.host.Questions), c.questions);
        for (const Shown& question : rig.host.Questions) {
            EXPECT_EQ(question.Title, OperationCaption(c.operation));
            EXPECT_EQ(question.Kind, static_cast<int>(question.Text == "Radio is busy!!"
                                                          ? QuestionButtons::RetryCancel
                                                          : QuestionButtons::OkCancel));
        }
        if (c.pcLine) {
            EXPECT_EQ(rig.SentCount(c.pcLine), 1);
        }
        if (!c.ok && c.operation != ProgramToRadio) {
            EXPECT_EQ(rig.data.MemoryImage, before); // a failed clear restores the image
            EXPECT_EQ(rig.data.Settings.CHUSA, record);
        }
    }
}

TEST(TransferRun, ACancelledReadSendsCanAndWaitsTenSecondsAtMostForAck) {
    for (const bool answered : {true, false}) {
        SCOPED_TRACE(answered);
        TransferRig rig;
        rig.radio.Faults.IgnoreCancel = !answered;
        const Image before = rig.data.MemoryImage;
        std::int64_t pressedAt = 0;
        // The fifth data block's request goes unanswered and Cancel is pressed in that wait.
        rig.host.OnYield = [&] {
            if (rig.radio.Count("#TQPRD") == 4)
                rig.radio.Faults.Ignore["#TQPRD"] = 1;
            if (pressedAt == 0 && rig.radio.Count("#TQPRD") == 5) {
                pressedAt = rig.clock.Now();
                rig.link.RequestCancel();
            }
        };
        Transfer transfer = rig.Make(ReadFromRadio);
        EXPECT_FALSE(transfer.PressOk());
        EXPECT_FALSE(transfer.TransferDone);
        EXPECT_TRUE(rig.link.CancelRequested());
        EXPECT_EQ(rig.radio.CancelBytes(), 1);
        EXPECT_EQ(rig.data.MemoryImage, before);
        EXPECT_TRUE(rig.host.Messages.empty());
        EXPECT_FALSE(rig.link.PortIsOpen());
        const std::int64_t waited = rig.clock.Now() - pressedAt;
        EXPECT_EQ(waited >= 10000, !answered) << waited;
        EXPECT_LT(waited, 11000);
    }
}

TEST(TransferRun, CancelWhileIdleClosesAndWhileBusyOnlyCancels) {
    TransferRig rig;
    Transfer transfer = rig.Make(ReadFromRadio);
    EXPECT_TRUE(transfer.PressCancel());
    EXPECT_FALSE(rig.link.CancelRequested());
    bool closedWhileBusy = true;
    rig.Once([&rig] { return rig.radio.Count("#TQPRD") == 10; },
             [&] { closedWhileBusy = transfer.PressCancel(); });
    EXPECT_FALSE(transfer.PressOk());
    EXPECT_FALSE(closedWhileBusy);
    EXPECT_TRUE(rig.link.CancelRequested());
}

} // namespace
} // namespace tq58::test
