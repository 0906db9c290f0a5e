#include "link/Transfer.h"

#include "LinkFixture.h"
#include "link/Frame.h"
#include "model/NewData.h"

#include <numeric>

namespace tq58::test {
namespace {

constexpr int Rv7200ACode = 7200;

class TransferRun : public LinkFixture {
protected:
    void SetUp() override {
        model.ModelType = 1;
        model.ModelName = "RV7200A";
        ASSERT_TRUE(NewData(data, model).Ok());
    }

    Transfer Make(int operation) { return Transfer(link, data, model, operation); }

    // A radio whose every byte differs from its neighbours and from the program's image.
    void FillRadioWithPattern() {
        for (int i = 0; i < ImageSize; ++i) {
            radio.Memory[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(i * 13 + 7);
        }
        MarkRadioIdentity(radio.Memory, Rv7200ACode);
    }

    ModelState model;
    RadioData data;
};

bool TakenOverByARead(int address) {
    return (address >= 2 && address < 1024) || (address >= 1280 && address < 26368);
}

std::vector<SimBlock> ExpectedProgramWrites() {
    std::vector<SimBlock> writes;
    for (int address = 2; address < 64; ++address) {
        writes.push_back({address, 1});
    }
    for (int address = 64; address < 26368; address += 64) {
        if (address < 1024 || address >= 1280) {
            writes.push_back({address, 64});
        }
    }
    return writes;
}

std::vector<SimBlock> BlocksOf64(int first, int end) {
    std::vector<SimBlock> blocks;
    for (int address = first; address < end; address += 64) {
        blocks.push_back({address, 64});
    }
    return blocks;
}

TEST(OperationCaption, NamesTheFourOperations) {
    EXPECT_EQ(OperationCaption(0), "Read from Radio");
    EXPECT_EQ(OperationCaption(1), "Program to Radio");
    EXPECT_EQ(OperationCaption(3), "Clear DSC Log Data");
    EXPECT_EQ(OperationCaption(4), "Clear Distress Log Data");
    EXPECT_EQ(OperationCaption(2), "");
    EXPECT_EQ(OperationCaption(-1), "");
}

TEST(TransferInstructions, AreFiveLinesJoinedByCrLf) {
    const std::string text = TransferInstructions();
    EXPECT_EQ(text.rfind("1.Connect the QYL cable", 0), 0u);
    EXPECT_NE(text.find("radio.\r\n2.On the radio"), std::string::npos);
    EXPECT_NE(text.find("while\r\n   turning the power on.\r\n   The Radio display"),
              std::string::npos);
    EXPECT_EQ(text.substr(text.size() - 35), "\r\n3.Press the [OK] button to start.");
}

TEST(MergeReadImage, TakesOverOnlyTheSettingsRanges) {
    Image buffer;
    buffer.fill(1);
    Image image{};
    MergeReadImage(buffer, image);
    for (int address : {0, 1, 1024, 1056, 1279, 26368, 30720, 32640, 32767}) {
        EXPECT_EQ(image[static_cast<std::size_t>(address)], 0) << address;
    }
    for (int address : {2, 63, 64, 405, 1023, 1280, 26367}) {
        EXPECT_EQ(image[static_cast<std::size_t>(address)], 1) << address;
    }
    EXPECT_EQ(std::accumulate(image.begin(), image.end(), 0), 1022 + 25088);
}

TEST_F(TransferRun, AFullReadTakesOverTheSettingsAndNothingElse) {
    FillRadioWithPattern();
    data.MemoryImage.fill(0x11);
    Transfer transfer = Make(ReadFromRadio);
    EXPECT_TRUE(transfer.PressOk());
    EXPECT_TRUE(transfer.TransferDone);
    for (int address = 0; address < ImageSize; ++address) {
        const auto i = static_cast<std::size_t>(address);
        const std::uint8_t expected = TakenOverByARead(address) ? radio.Memory[i] : 0x11;
        ASSERT_EQ(data.MemoryImage[i], expected) << address;
    }
    std::vector<SimBlock> expectedReads{{0, 2}, {32766, 2}, {1056, 7}};
    const auto blocks = BlocksOf64(0, ImageSize);
    expectedReads.insert(expectedReads.end(), blocks.begin(), blocks.end());
    EXPECT_EQ(radio.Reads(), expectedReads);
    ASSERT_EQ(host.Messages.size(), 1u);
    EXPECT_EQ(host.Messages[0].Text, "Complete!!");
    EXPECT_EQ(host.Messages[0].Title, "Read from Radio");
    EXPECT_EQ(host.Messages[0].Icon, MessageIcon::Information);
    EXPECT_FALSE(link.PortIsOpen());
    EXPECT_FALSE(link.BusyFlag);
    EXPECT_EQ(host.Progress.back(), 0);
    EXPECT_EQ(*std::max_element(host.Progress.begin(), host.Progress.end()), 100);
}

TEST_F(TransferRun, AProgramOperationWritesExactlyTheSettingsRanges) {
    const Image radioBefore = radio.Memory;
    Transfer transfer = Make(ProgramToRadio);
    EXPECT_TRUE(transfer.PressOk());
    EXPECT_TRUE(transfer.TransferDone);
    EXPECT_EQ(radio.Writes(), ExpectedProgramWrites());
    for (int address = 0; address < ImageSize; ++address) {
        const auto i = static_cast<std::size_t>(address);
        const std::uint8_t expected =
            TakenOverByARead(address) ? data.MemoryImage[i] : radioBefore[i];
        ASSERT_EQ(radio.Memory[i], expected) << address;
    }
    EXPECT_EQ(host.MessageTexts(), std::vector<std::string>{"Complete!!"});
    EXPECT_EQ(host.Messages[0].Title, "Program to Radio");
}

TEST_F(TransferRun, AProgramOperationSendsTheHeaderWithItsChecksum) {
    data.MemoryImage[0x50] = 0x12; // the header preparation must recompute 0x5F
    Transfer transfer = Make(ProgramToRadio);
    ASSERT_TRUE(transfer.PressOk());
    const int sum = std::accumulate(radio.Memory.begin() + 0x42, radio.Memory.begin() + 0x5F, 0);
    EXPECT_EQ(radio.Memory[0x5F], sum % 256);
}

TEST_F(TransferRun, AProgramOperationTakesPausesWhereItWritesNothing) {
    Transfer transfer = Make(ProgramToRadio);
    ASSERT_TRUE(transfer.PressOk());
    // 469 writes and 104 empty 64-byte steps, each after 10 ms, plus the link start's
    // pauses, the final 500 ms and the checks' outputs.
    const int start = 5 * OutputPauseMs + 1000;
    const int checks = (2 + 3 * 2) * OutputPauseMs;
    EXPECT_EQ(host.SleptMs, start + checks + (469 + 104) * OutputPauseMs + 500);
}

TEST_F(TransferRun, ClearingTheDscLogWrites68BlankBlocks) {
    radio.Memory[26368] = 0x42;
    Transfer transfer = Make(ClearDscLog);
    EXPECT_TRUE(transfer.PressOk());
    EXPECT_EQ(radio.Writes(), BlocksOf64(26368, 30720));
    EXPECT_EQ(radio.Writes().size(), 68u);
    EXPECT_TRUE(std::all_of(radio.Memory.begin() + 26368, radio.Memory.begin() + 30720,
                            [](std::uint8_t b) { return b == 0xFF; }));
    EXPECT_TRUE(std::all_of(data.MemoryImage.begin() + 26368, data.MemoryImage.begin() + 30720,
                            [](std::uint8_t b) { return b == 0xFF; }));
    EXPECT_EQ(host.MessageTexts(), std::vector<std::string>{"Complete!!"});
    EXPECT_EQ(host.Messages[0].Title, "Clear DSC Log Data");
}

TEST_F(TransferRun, ClearingTheDistressLogWrites30BlankBlocks) {
    Transfer transfer = Make(ClearDistressLog);
    EXPECT_TRUE(transfer.PressOk());
    EXPECT_EQ(radio.Writes(), BlocksOf64(30720, 32640));
    EXPECT_EQ(radio.Writes().size(), 30u);
}

TEST_F(TransferRun, AFailedClearRestoresTheImage) {
    std::fill(data.MemoryImage.begin() + 30720, data.MemoryImage.begin() + 32640, 0x33);
    const Image before = data.MemoryImage;
    bool refused = false;
    host.OnYield = [&] {
        if (!refused && radio.Writes().size() == 5) {
            refused = true;
            radio.Faults.Ignore["#TQPWR"] = 3;
        }
    };
    Transfer transfer = Make(ClearDistressLog);
    EXPECT_FALSE(transfer.PressOk());
    EXPECT_FALSE(transfer.TransferDone);
    EXPECT_EQ(data.MemoryImage, before);
    EXPECT_EQ(radio.Writes().size(), 5u);
    EXPECT_EQ(host.MessageTexts(), std::vector<std::string>{"Communication Error!!"});
    EXPECT_EQ(host.Messages[0].Title, "Program to Radio");
}

TEST_F(TransferRun, ACancelledClearRestoresTheImageQuietly) {
    const Image before = data.MemoryImage;
    host.OnYield = [&] { link.CancelFlag = link.CancelFlag || radio.Writes().size() == 10; };
    Transfer transfer = Make(ClearDscLog);
    EXPECT_FALSE(transfer.PressOk());
    EXPECT_EQ(data.MemoryImage, before);
    EXPECT_TRUE(host.Messages.empty());
}

TEST_F(TransferRun, AWrongModelCodeAtEitherEndStopsBeforeAnyDataMoves) {
    for (int address : {0, ImageSize - 2}) {
        SimRadio otherRadio(Rv7200ACode);
        WriteWord(otherRadio.Memory, address, 7700);
        SimPort otherPort(otherRadio, clock);
        LinkTestHost otherHost(clock);
        LinkSession otherLink(otherPort, otherHost);
        Transfer transfer(otherLink, data, model, ReadFromRadio);
        EXPECT_FALSE(transfer.PressOk());
        EXPECT_EQ(otherRadio.Reads(), (std::vector<SimBlock>{{0, 2}, {32766, 2}})) << address;
        EXPECT_EQ(otherHost.MessageTexts(), std::vector<std::string>{"ModelType Error !!"});
        EXPECT_EQ(otherHost.Messages[0].Title, "Read from Radio");
        EXPECT_TRUE(otherLink.ErrorFlag);
    }
}

TEST_F(TransferRun, ARadioOfTheOtherModelFailsTheCheck) {
    model.ModelType = 2;
    Transfer transfer = Make(ProgramToRadio);
    EXPECT_FALSE(transfer.PressOk());
    EXPECT_EQ(host.MessageTexts(), std::vector<std::string>{"ModelType Error !!"});
    EXPECT_TRUE(radio.Writes().empty());
}

TEST_F(TransferRun, AProductCodeMismatchShowsTheDetailOnlyInDebugMode) {
    radio.Memory[1056] = 0x41;
    Transfer quiet = Make(ReadFromRadio);
    EXPECT_FALSE(quiet.PressOk());
    EXPECT_EQ(host.MessageTexts(), std::vector<std::string>{"ModelType Error !!"});

    host.Messages.clear();
    link.DebugMode = true;
    Transfer detailed = Make(ReadFromRadio);
    EXPECT_FALSE(detailed.PressOk());
    ASSERT_EQ(host.Messages.size(), 2u);
    EXPECT_EQ(host.Messages[0].Title, "Product Code Error!");
    EXPECT_EQ(host.Messages[0].Text, "address: 0x420 -> 0x41");
    EXPECT_EQ(host.Messages[1].Text, "ModelType Error !!");
    EXPECT_EQ(host.Messages[1].Title, "Read from Radio");
}

TEST_F(TransferRun, TheProductCodeEndsWithABlankByte) {
    radio.Memory[1062] = 0x00;
    link.DebugMode = true;
    Transfer transfer = Make(ReadFromRadio);
    EXPECT_FALSE(transfer.PressOk());
    EXPECT_EQ(host.Messages.at(0).Text, "address: 0x426 -> 0x0");
}

TEST_F(TransferRun, ABusyRadioIsRetriedWhenTheUserSaysRetry) {
    radio.Faults.BusyReplies = 2;
    host.Answers = {true, true};
    Transfer transfer = Make(ClearDistressLog);
    EXPECT_TRUE(transfer.PressOk());
    EXPECT_EQ(radio.Count("#TQPSR"), 3);
    ASSERT_EQ(host.Questions.size(), 2u);
    EXPECT_EQ(host.Questions[0].Text, "Radio is busy!!");
    EXPECT_EQ(host.Questions[0].Buttons, QuestionButtons::RetryCancel);
    EXPECT_EQ(host.Questions[0].Title, "Clear Distress Log Data");
}

TEST_F(TransferRun, ABusyRadioAndCancelMeansNotReady) {
    radio.Faults.BusyReplies = 1;
    Transfer transfer = Make(ReadFromRadio);
    EXPECT_FALSE(transfer.PressOk());
    EXPECT_FALSE(transfer.TransferDone);
    EXPECT_EQ(host.MessageTexts(), std::vector<std::string>{"Radio not ready!!"});
    EXPECT_TRUE(radio.Reads().empty());
}

TEST_F(TransferRun, AnUnknownRadioStateMeansNotReady) {
    radio.Faults.StatusField = "07";
    Transfer transfer = Make(ReadFromRadio);
    EXPECT_FALSE(transfer.PressOk());
    EXPECT_EQ(host.MessageTexts(), std::vector<std::string>{"Radio not ready!!"});
    EXPECT_EQ(Sent().back(), "#CMDOK\r\n");
}

TEST_F(TransferRun, OneErrorToTheStatusRequestThenSuccessPasses) {
    radio.Faults.Refuse["#TQPSR"] = 1;
    Transfer transfer = Make(ClearDistressLog);
    EXPECT_TRUE(transfer.PressOk());
    EXPECT_EQ(radio.Count("#TQPSR"), 2);
}

TEST_F(TransferRun, ThreeErrorsToTheStatusRequestAskToResynchronise) {
    radio.Faults.Refuse["#TQPSR"] = 3;
    host.Answers = {true};
    Transfer resynchronised = Make(ClearDistressLog);
    EXPECT_TRUE(resynchronised.PressOk());
    EXPECT_EQ(radio.Count("#TQPSR"), 4);
    EXPECT_EQ(radio.Count("#CMDSY"), 4);

    radio.Faults.Refuse["#TQPSR"] = 3;
    host.Messages.clear();
    Transfer cancelled = Make(ClearDistressLog);
    EXPECT_FALSE(cancelled.PressOk());
    EXPECT_EQ(host.MessageTexts(), std::vector<std::string>{"Radio not ready!!"});
}

TEST_F(TransferRun, AForeignStatusReplyIsAnsweredCmdUn) {
    radio.Faults.Ignore["#TQPSR"] = 1;
    host.OnYield = [this] {
        if (radio.Count("#TQPSR") == 1 && port.InputCount() == 0 && Sent().back()[1] == 'T') {
            port.Inject("#CMDOK\r\n#TQPXX\t00\t00\r\n");
        }
    };
    Transfer transfer = Make(ReadFromRadio);
    EXPECT_FALSE(transfer.PressOk());
    EXPECT_EQ(SentCount("#CMDUN\r\n"), 1);
    EXPECT_EQ(host.MessageTexts(), std::vector<std::string>{"Radio not ready!!"});
}

TEST_F(TransferRun, AStatusReplyWithABadChecksumIsAnsweredCmdSm) {
    radio.Faults.Ignore["#TQPSR"] = 1;
    host.OnYield = [this] {
        if (radio.Count("#TQPSR") == 1 && port.InputCount() == 0 && Sent().back()[1] == 'T') {
            port.Inject("#CMDOK\r\n#TQPSD\t00\t00\r\n");
        }
    };
    Transfer transfer = Make(ReadFromRadio);
    EXPECT_FALSE(transfer.PressOk());
    EXPECT_EQ(SentCount("#CMDSM\r\n"), 1);
}

TEST_F(TransferRun, ASilentStatusReplyTimesOut) {
    radio.Faults.DataDelayMs = 20000;
    Transfer transfer = Make(ReadFromRadio);
    EXPECT_FALSE(transfer.PressOk());
    EXPECT_EQ(host.MessageTexts(), (std::vector<std::string>{"time out!!", "Radio not ready!!"}));
}

TEST_F(TransferRun, CancelWhileWaitingForTheStatusReplySaysSo) {
    radio.Faults.DataDelayMs = 5000;
    std::int64_t requestedAt = -1;
    host.OnYield = [&] {
        if (requestedAt < 0 && radio.Count("#TQPSR") > 0) {
            requestedAt = clock.Now();
        }
        // Well after the acknowledgement, well before the delayed reply.
        link.CancelFlag = requestedAt >= 0 && clock.Now() > requestedAt + 1000;
    };
    Transfer transfer = Make(ReadFromRadio);
    EXPECT_FALSE(transfer.PressOk());
    EXPECT_EQ(host.MessageTexts(), (std::vector<std::string>{"cancel!!", "Radio not ready!!"}));
    EXPECT_TRUE(radio.Reads().empty());
}

TEST_F(TransferRun, CancelDuringTheModelCheckStopsQuietly) {
    radio.Faults.Ignore["#TQPRD"] = 1;
    CancelAfter("#TQPRD", 1);
    Transfer transfer = Make(ReadFromRadio);
    EXPECT_FALSE(transfer.PressOk());
    EXPECT_TRUE(host.Messages.empty());
    EXPECT_EQ(radio.Count("#TQPRD"), 1);
    EXPECT_EQ(radio.CancelBytes(), 0);
}

TEST_F(TransferRun, CancellingAReadSendsCanAndWaitsForAck) {
    const Image before = data.MemoryImage;
    CancelAfter("#TQPRD", 100);
    Transfer transfer = Make(ReadFromRadio);
    EXPECT_FALSE(transfer.PressOk());
    EXPECT_FALSE(transfer.TransferDone);
    EXPECT_TRUE(link.CancelFlag);
    EXPECT_EQ(radio.Count("#TQPRD"), 100);
    EXPECT_EQ(radio.CancelBytes(), 1);
    EXPECT_EQ(data.MemoryImage, before);
    EXPECT_TRUE(host.Messages.empty() ||
                host.MessageTexts() == std::vector<std::string>{"cancel!!"});
    EXPECT_FALSE(link.PortIsOpen());
}

TEST_F(TransferRun, ACancelledReadWaitsTenSecondsAtMostForTheAck) {
    radio.Faults.IgnoreCancel = true;
    bool pressed = false;
    std::int64_t pressedAt = 0;
    host.OnYield = [&] {
        if (radio.Count("#TQPRD") == 4) {
            radio.Faults.Ignore["#TQPRD"] = 1; // the next request waits for its answer
        }
        if (!pressed && radio.Count("#TQPRD") == 5) {
            pressed = true;
            pressedAt = clock.Now();
            link.CancelFlag = true;
        }
    };
    Transfer transfer = Make(ReadFromRadio);
    EXPECT_FALSE(transfer.PressOk());
    EXPECT_EQ(radio.CancelBytes(), 1);
    EXPECT_GE(clock.Now() - pressedAt, 10000);
    EXPECT_LT(clock.Now() - pressedAt, 11000);
    EXPECT_TRUE(host.Messages.empty());
}

TEST_F(TransferRun, AFailedReadLeavesTheImageAlone) {
    const Image before = data.MemoryImage;
    const auto record = data.Settings.CHUSA;
    bool refused = false;
    host.OnYield = [&] {
        if (!refused && radio.Count("#TQPRD") == 50) {
            refused = true;
            radio.Faults.BadChecksumReplies = 1;
        }
    };
    Transfer transfer = Make(ReadFromRadio);
    EXPECT_FALSE(transfer.PressOk());
    EXPECT_EQ(data.MemoryImage, before);
    EXPECT_EQ(data.Settings.CHUSA, record);
    EXPECT_EQ(host.MessageTexts(), std::vector<std::string>{"Communication Error!!"});
    EXPECT_EQ(host.Messages[0].Title, "Read from Radio");
    // The 50th reply was already on its way; the 51st is the bad one.
    EXPECT_EQ(radio.Count("#TQPRD"), 51);
}

TEST_F(TransferRun, AFailedHeaderByteStopsTheProgramOperationAtOnce) {
    bool refused = false;
    host.OnYield = [&] {
        if (!refused && radio.Writes().size() == 8) {
            refused = true;
            radio.Faults.Ignore["#TQPWR"] = 3;
        }
    };
    Transfer transfer = Make(ProgramToRadio);
    EXPECT_FALSE(transfer.PressOk());
    EXPECT_EQ(radio.Writes().size(), 8u);
    EXPECT_EQ(radio.Count("#TQPWR"), 8 + 3);
    EXPECT_EQ(host.MessageTexts(), std::vector<std::string>{"Communication Error!!"});
    EXPECT_EQ(host.Messages[0].Title, "Program to Radio");
}

TEST_F(TransferRun, CancellingAProgramOperationIsQuiet) {
    CancelAfter("#TQPWR", 100);
    Transfer transfer = Make(ProgramToRadio);
    EXPECT_FALSE(transfer.PressOk());
    EXPECT_FALSE(transfer.TransferDone);
    EXPECT_EQ(radio.Count("#TQPWR"), 100);
    EXPECT_TRUE(host.Messages.empty());
    EXPECT_EQ(radio.CancelBytes(), 0);
}

TEST_F(TransferRun, CancelWhileIdleClosesAndWhileBusyOnlyCancels) {
    Transfer transfer = Make(ReadFromRadio);
    EXPECT_TRUE(transfer.PressCancel());
    EXPECT_FALSE(link.CancelFlag);
    bool closedWhileBusy = true;
    host.OnYield = [&] {
        if (radio.Count("#TQPRD") == 10 && !link.CancelFlag) {
            closedWhileBusy = transfer.PressCancel();
        }
    };
    EXPECT_FALSE(transfer.PressOk());
    EXPECT_FALSE(closedWhileBusy);
    EXPECT_TRUE(link.CancelFlag);
}

TEST_F(TransferRun, AFailedLinkStartKeepsTheDialogOpen) {
    radio.Faults.RadioSilent = true;
    link.DebugMode = true;
    Transfer transfer = Make(ReadFromRadio);
    EXPECT_FALSE(transfer.PressOk());
    EXPECT_FALSE(link.BusyFlag);
    EXPECT_EQ(host.Statuses.back(), "can not syncing!!");
    EXPECT_EQ(radio.Count("#TQPSR"), 0);
}

TEST_F(TransferRun, DebugModeReportsEachStep) {
    link.DebugMode = true;
    Transfer transfer = Make(ClearDistressLog);
    transfer.OpenDialog();
    ASSERT_TRUE(transfer.PressOk());
    const std::vector<std::string> expected{
        "starting at debug mode..",
        "startsync...",
        "19200,N,8,1",
        "sending 'ACMD:002'...",
        "57600,N,8,1",
        "sending '#CMDSY'...(1)",
        "sending '#CMDSY'...(2)",
        "sync ok",
        "status check..",
        "status check.. OK",
        "model check...",
        "product-code check...",
        "radio clear Distress...",
        "",
    };
    EXPECT_EQ(host.Statuses, expected);
}

} // namespace
} // namespace tq58::test
