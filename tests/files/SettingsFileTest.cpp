#include "files/SettingsFile.h"

#include "support/ScratchFolder.h"
#include "support/TestModels.h"

#include <gtest/gtest.h>
#include <sstream>

namespace tq58 {
namespace {

using test::Rv7200A;
using test::Rv7700A;

RadioData NewRadioData(const ModelState& model) {
    RadioData data;
    NewData(data, model);
    return data;
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find("\r\n", start);
        lines.push_back(text.substr(start, end - start));
        start = end == std::string::npos ? text.size() : end + 2;
    }
    return lines;
}

std::string JoinLines(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        text += line + "\r\n";
    }
    return text;
}

// Every field the file carries set to something new data never gives.
void MakeUnusual(SettingsRecord& s) {
    for (auto* list : {&s.CHUSA, &s.CHINT, &s.CHCAN}) {
        for (std::size_t i = 0; i < list->size(); ++i) {
            ChannelRecord& c = (*list)[i];
            c.Enable = i % 3 != 0;
            c.LowPower = i % 2 == 0;
            c.PowUp = i % 5 == 0;
            c.Duplex = i % 7 == 0;
            c.TxEnable = i % 4 != 0;
            c.DispayA = i % 6 == 0;
            c.ScanMemory = i % 2 == 1;
            c.Scramble = static_cast<int>(i % 8);
            c.ChTag = "  Ch " + std::to_string(i);
        }
    }
    for (std::size_t i = 0; i < s.CHWX.size(); ++i) {
        s.CHWX[i].Enable = i % 2 == 0;
        s.CHWX[i].ScanMemory = i % 3 == 0;
        s.CHWX[i].ChTag = " WX" + std::to_string(i);
    }
    for (std::size_t k = 0; k < s.CHEXP.size(); ++k) {
        ChannelRecord& c = s.CHEXP[k];
        c.Enable = true;
        c.CHDisplayL = k % 2 ? " 7" : "12";
        c.CHDisplayR = k % 3 ? "A" : "B";
        c.Rxfreq = 156.0 + 0.0125 * static_cast<double>(k);
        c.Txfreq = k % 5 ? 161.6 + 0.025 * static_cast<double>(k) : 0;
        c.LowPower = k % 2 == 0;
        c.PowUp = k % 3 == 0;
        c.ScanMemory = k % 4 == 0;
        c.Scramble = static_cast<int>(7 - k % 8);
        c.ChTag = " Exp " + std::to_string(k + 1);
        c.TxEnable = k % 3 != 1;
        c.Narrow = k % 2 == 1;
    }
    for (std::size_t g = 0; g < 4; ++g) {
        s.UsableChGroup[g].Enable = g != 1;
        s.UsableChGroup[g].TxTot = g % 2 == 0;
        s.UsableChGroup[g].StatusName = g == 0 ? " AB" : "ST" + std::to_string(g);
    }
    s.UsableChGroup[0].PriorityCh = 239;
    s.UsableChGroup[1].PriorityCh = 0;
    s.UsableChGroup[2].PriorityCh = 32767;
    s.UsableChGroup[GroupExp].ExpChGroup = {true, false, true};
    s.CommonSetup = {2, false, 9, false, true, -24, 17, 4, true};
    s.DscBasicSetup.DscChGroup = {false, true, false, s.DscBasicSetup.DscChGroup[3]};
    s.DscBasicSetup.UserMmsi = "002111234";
    s.DscBasicSetup.PosRequest = {false, true, false, true};
    s.DscBasicSetup.PosRequestTX = {true, false, true, false};
    s.DscBasicSetup.BeepOut = {false, true, false, true, false, true, false, true};
    s.DscAdvancedSetup = {{true, false, false, true}, {false, true, true, false},
                          {true, true, false, false}, {false, false, true, true},
                          {true, false, true, false}, {false, true, false, true}};
    s.DscDisplaySetup = {false, true, false};
    s.AtisCommon = {{true, false, true, false}, "9876543210", {false, true, false, true}};
    for (std::size_t k = 0; k < s.AtisCallSign.size(); ++k) {
        s.AtisCallSign[k] = {std::to_string(200 + k), "D" + std::to_string(k)};
    }
    for (std::size_t k = 0; k < s.CHMMSID.size(); ++k) {
        s.CHMMSID[k] = {true, " Boat " + std::to_string(k), std::to_string(211000000 + k)};
    }
    for (std::size_t k = 0; k < s.CHGRPID.size(); ++k) {
        s.CHGRPID[k] = {true, "  Fleet" + std::to_string(k), std::to_string(11000000 + k)};
    }
}

class SettingsFileTest : public ::testing::Test {
protected:
    FileOutcome SaveAndRead(const SettingsRecord& written, RadioData& into,
                            const ModelState& model) {
        const FileOutcome saved = SaveFileAs(folder.File("a.dat"), written, model);
        EXPECT_TRUE(saved.Ok) << saved.LogDetail;
        return FileRead2(folder.File("a.dat"), into, model);
    }

    RadioData ReadText(const std::string& text, const ModelState& model) {
        folder.Write("hand.dat", text);
        RadioData data = NewRadioData(model);
        const FileOutcome read = FileRead2(folder.File("hand.dat"), data, model);
        EXPECT_TRUE(read.Ok) << read.Message;
        return data;
    }

    test::ScratchFolder folder;
};

TEST_F(SettingsFileTest, NewDataRoundTripsThroughTheFile) {
    const RadioData written = NewRadioData(Rv7700A());
    RadioData read = NewRadioData(Rv7700A());
    read.Settings.CHUSA[3].ChTag = "edited";
    read.Settings.CHEXP[0].Narrow = true;
    ASSERT_TRUE(SaveAndRead(written.Settings, read, Rv7700A()).Ok);
    EXPECT_EQ(read.Settings, written.Settings);
}

TEST_F(SettingsFileTest, UnusualValuesRoundTripThroughTheFile) {
    const RadioData fresh = NewRadioData(Rv7700A());
    RadioData written = fresh;
    MakeUnusual(written.Settings);
    RadioData read = fresh;
    ASSERT_TRUE(SaveAndRead(written.Settings, read, Rv7700A()).Ok);
    EXPECT_EQ(read.Settings.CHEXP, written.Settings.CHEXP);
    EXPECT_EQ(read.Settings.UsableChGroup, written.Settings.UsableChGroup);
    EXPECT_EQ(read.Settings.CHMMSID, written.Settings.CHMMSID);
    EXPECT_EQ(read.Settings, written.Settings);
}

TEST_F(SettingsFileTest, ExpTransmitAndNarrowSurviveAndOlderFilesKeepTheNewDataValues) {
    const RadioData fresh = NewRadioData(Rv7700A());
    RadioData written = fresh;
    written.Settings.CHEXP[5].TxEnable = true;
    written.Settings.CHEXP[5].Narrow = true;
    const std::string text = SettingsFileText(written.Settings, Rv7700A());
    EXPECT_TRUE(ReadText(text, Rv7700A()).Settings.CHEXP[5].TxEnable);
    EXPECT_TRUE(ReadText(text, Rv7700A()).Settings.CHEXP[5].Narrow);

    std::vector<std::string> older;
    for (const std::string& line : Lines(text)) {
        if (line.rfind("TxEnable=", 0) != 0 || line == "TxEnable=0") {
            older.push_back(line);
        }
    }
    const RadioData read = ReadText(JoinLines(older), Rv7700A());
    EXPECT_EQ(read.Settings.CHEXP[5].TxEnable, fresh.Settings.CHEXP[5].TxEnable);
    EXPECT_TRUE(read.Settings.CHEXP[5].Narrow);
}

TEST_F(SettingsFileTest, TheFirstFortyLinesOfNewRv7700AData) {
    const RadioData data = NewRadioData(Rv7700A());
    const std::string expected = "[MAIN]\r\n"
                                 "MODEL=#RV7700A\r\n"
                                 "TYPE=#QYL\r\n"
                                 "VERSION=#1.00\r\n"
                                 "MODELTYPE=2\r\n"
                                 "[Usable CH Group Setup]\r\n"
                                 "USA=1\r\n"
                                 "INTL=1\r\n"
                                 "Canada=1\r\n"
                                 "EXP CH=0\r\n"
                                 "TX TOT0=0\r\n"
                                 "TX TOT1=0\r\n"
                                 "TX TOT2=0\r\n"
                                 "TX TOT3=0\r\n"
                                 "Priority CH0=32\r\n"
                                 "Priority CH1=32\r\n"
                                 "Priority CH2=32\r\n"
                                 "Priority CH3=0\r\n"
                                 "Status name0=\r\n"
                                 "Status name1=\r\n"
                                 "Status name2=\r\n"
                                 "Status name3=\r\n"
                                 "Exp Ch Group0=False\r\n"
                                 "Exp Ch Group1=False\r\n"
                                 "Exp Ch Group2=False\r\n"
                                 "[Common Setup]\r\n"
                                 "TX Po Display=0\r\n"
                                 "SCAN=1\r\n"
                                 "Resume Time=3\r\n"
                                 "PTT SCAN Clear=1\r\n"
                                 "Dual Watch=0\r\n"
                                 "Offset Time=24\r\n"
                                 "Magnetic Variation=255\r\n"
                                 "Weater=255\r\n"
                                 "Rotary=0\r\n"
                                 "[DSC Setup (Basic Setup)]\r\n"
                                 "USA=1\r\n"
                                 "INTL=1\r\n"
                                 "Canada=1\r\n"
                                 "User MMSI=#\r\n";
    const std::string text = SettingsFileText(data.Settings, Rv7700A());
    EXPECT_EQ(text.substr(0, expected.size()), expected);
}

TEST_F(SettingsFileTest, SectionsComeInFileOrderWithEveryRecord) {
    const RadioData data = NewRadioData(Rv7700A());
    std::vector<std::string> headers;
    for (const std::string& line : Lines(SettingsFileText(data.Settings, Rv7700A()))) {
        if (line.front() == '[') {
            headers.push_back(line);
        }
    }
    ASSERT_EQ(headers.size(), 8u + 720 + 10 + 80 + 32 + 64);
    EXPECT_EQ(headers[6], "[ATIS Setup (Common)]");
    EXPECT_EQ(headers[7], "[ATIS Setup (Call Sign)]");
    EXPECT_EQ(headers[8], "[CHUSA0]");
    EXPECT_EQ(headers[8 + 240], "[CHINT0]");
    EXPECT_EQ(headers[8 + 719], "[CHCAN239]");
    EXPECT_EQ(headers[8 + 720], "[CHWX0]");
    EXPECT_EQ(headers[8 + 730], "[CHMMSID1]");
    EXPECT_EQ(headers[8 + 810], "[CHGRPID1]");
    EXPECT_EQ(headers[8 + 842], "[CHEXP1]");
    EXPECT_EQ(headers.back(), "[CHEXP64]");
}

TEST_F(SettingsFileTest, ChannelSectionsHoldTheirKeysInOrder) {
    RadioData data = NewRadioData(Rv7700A());
    data.Settings.CHEXP[0].Rxfreq = 156.025;
    data.Settings.CHEXP[0].Txfreq = 162.4;
    const std::string text = SettingsFileText(data.Settings, Rv7700A());
    EXPECT_NE(text.find("[CHEXP1]\r\nEnable=0\r\nCHDisplayL=\r\nCHDisplayR=\r\nRxfreq=156.025\r\n"
                        "Txfreq=162.4\r\nLowPower=0\r\nPowUp=0\r\nScanMemory=0\r\nScramble=0\r\n"
                        "ChTag=#\r\nTxEnable=0\r\nNarrow=0\r\n[CHEXP2]"),
              std::string::npos);
    EXPECT_NE(text.find("[CHMMSID1]\r\nEnable=0\r\nTagName=#\r\nMmsid=\r\n[CHMMSID2]"),
              std::string::npos);
    EXPECT_NE(text.find("[CHWX3]\r\nEnable="), std::string::npos);
    EXPECT_NE(text.find("[CHUSA7]\r\nPosition=7\r\nEnable="), std::string::npos);
    EXPECT_NE(text.find("\r\nMID32="), std::string::npos);
}

TEST_F(SettingsFileTest, WithoutAtisAndScramblerTheirLinesAreNeitherWrittenNorRead) {
    RadioData data = NewRadioData(Rv7200A());
    const std::string text = SettingsFileText(data.Settings, Rv7200A());
    EXPECT_EQ(text.find("ATIS"), std::string::npos);
    EXPECT_EQ(text.find("Scramble"), std::string::npos);

    std::string withScramble = text;
    const std::string anchor = "[CHUSA4]\r\nPosition=4\r\n";
    withScramble.insert(withScramble.find(anchor) + anchor.size(), "Scramble=5\r\n");
    withScramble += "[ATIS Setup (Common)]\r\nAtis Code=#123\r\n";
    const RadioData read = ReadText(withScramble, Rv7200A());
    EXPECT_EQ(read.Settings.CHUSA[4].Scramble, data.Settings.CHUSA[4].Scramble);
    EXPECT_EQ(read.Settings.AtisCommon.AtisCode, data.Settings.AtisCommon.AtisCode);
}

TEST_F(SettingsFileTest, APriorityChannelBeyond32767HasNoLineAndReadsAsTheDefault) {
    RadioData data = NewRadioData(Rv7700A());
    data.Settings.UsableChGroup[1].PriorityCh = 65535;
    const std::string text = SettingsFileText(data.Settings, Rv7700A());
    EXPECT_EQ(text.find("Priority CH1="), std::string::npos);
    EXPECT_NE(text.find("Priority CH2=32\r\n"), std::string::npos);
    EXPECT_EQ(ReadText(text, Rv7700A()).Settings.UsableChGroup[1].PriorityCh, 32);
}

TEST_F(SettingsFileTest, AbsoluteValuesAreWrittenForMagnitudes) {
    RadioData data = NewRadioData(Rv7700A());
    data.Settings.CommonSetup.MagneticVariation = -5;
    data.Settings.UsableChGroup[0].PriorityCh = -7;
    const std::string text = SettingsFileText(data.Settings, Rv7700A());
    EXPECT_NE(text.find("Magnetic Variation=5\r\n"), std::string::npos);
    EXPECT_NE(text.find("Priority CH0=7\r\n"), std::string::npos);
}

TEST_F(SettingsFileTest, HandEditedFilesReadLikeWrittenOnes) {
    RadioData data = NewRadioData(Rv7700A());
    MakeUnusual(data.Settings);
    std::vector<std::string> lines = Lines(SettingsFileText(data.Settings, Rv7700A()));
    for (std::string& line : lines) {
        const std::size_t cut = line.front() == '[' ? line.size() : line.find('=');
        for (std::size_t i = 0; i < cut; ++i) {
            line[i] = static_cast<char>(std::tolower(static_cast<unsigned char>(line[i])));
        }
    }
    const RadioData read = ReadText(JoinLines(lines), Rv7700A());
    EXPECT_EQ(read.Settings, data.Settings);
}

TEST_F(SettingsFileTest, TextsKeepLeadingBlanksAfterTheHashButLoseTrailingOnes) {
    RadioData data = NewRadioData(Rv7700A());
    std::string text = SettingsFileText(data.Settings, Rv7700A());
    const std::string anchor = "[CHUSA5]\r\nPosition=5\r\n";
    text.insert(text.find(anchor) + anchor.size(), "ChTag=#  Name  \r\n");
    EXPECT_EQ(ReadText(text, Rv7700A()).Settings.CHUSA[5].ChTag, "  Name");
}

TEST_F(SettingsFileTest, FrequenciesWithACommaAreRead) {
    RadioData data = NewRadioData(Rv7700A());
    std::string text = SettingsFileText(data.Settings, Rv7700A());
    const std::string anchor = "[CHEXP3]\r\n";
    text.insert(text.find(anchor) + anchor.size(), "Rxfreq=156,025\r\nTxfreq=abc\r\n");
    const RadioData read = ReadText(text, Rv7700A());
    EXPECT_EQ(read.Settings.CHEXP[2].Rxfreq, 156.025);
    EXPECT_EQ(read.Settings.CHEXP[2].Txfreq, 0);
}

TEST_F(SettingsFileTest, APositionOutsideTheListSkipsItsSectionAndAGapEndsTheList) {
    const RadioData fresh = NewRadioData(Rv7700A());
    RadioData data = fresh;
    MakeUnusual(data.Settings);
    std::string text = SettingsFileText(data.Settings, Rv7700A());
    const std::string position3 = "[CHINT3]\r\nPosition=3\r\n";
    text.replace(text.find(position3), position3.size(), "[CHINT3]\r\nPosition=300\r\n");
    text.replace(text.find("[CHINT10]"), 9, "[CHINTX10]");
    const RadioData read = ReadText(text, Rv7700A());
    EXPECT_EQ(read.Settings.CHINT[2], data.Settings.CHINT[2]);
    EXPECT_EQ(read.Settings.CHINT[3], fresh.Settings.CHINT[3]);
    EXPECT_EQ(read.Settings.CHINT[4], data.Settings.CHINT[4]);
    EXPECT_EQ(read.Settings.CHINT[9], data.Settings.CHINT[9]);
    EXPECT_EQ(read.Settings.CHINT[10], fresh.Settings.CHINT[10]);
    EXPECT_EQ(read.Settings.CHINT[11], fresh.Settings.CHINT[11]);
    EXPECT_EQ(read.Settings.CHCAN, data.Settings.CHCAN);
}

TEST_F(SettingsFileTest, APositionNamesTheRecordItFills) {
    const RadioData fresh = NewRadioData(Rv7700A());
    const RadioData read = ReadText("[MAIN]\r\nMODELTYPE=2\r\n"
                                    "[CHUSA0]\r\nPosition=17\r\nChTag=#Moved\r\n",
                                    Rv7700A());
    EXPECT_EQ(read.Settings.CHUSA[17].ChTag, "Moved");
    EXPECT_EQ(read.Settings.CHUSA[17].Position, 17);
    EXPECT_EQ(read.Settings.CHUSA[0], fresh.Settings.CHUSA[0]);
}

TEST_F(SettingsFileTest, AbsentOrUnconvertibleValuesKeepNewDataButTextsBecomeEmpty) {
    const RadioData fresh = NewRadioData(Rv7700A());
    const RadioData read = ReadText("[MAIN]\r\nMODELTYPE=2\r\n"
                                    "[Common Setup]\r\nResume Time=many\r\nSCAN=maybe\r\n"
                                    "Offset Time=70000\r\n",
                                    Rv7700A());
    EXPECT_EQ(read.Settings.CommonSetup, fresh.Settings.CommonSetup);
    EXPECT_EQ(read.Settings.UsableChGroup[0].Enable, fresh.Settings.UsableChGroup[0].Enable);
    EXPECT_EQ(read.Settings.CHWX[0].ChTag, "");
    EXPECT_EQ(read.Settings.CHEXP[0].CHDisplayL, "");
    EXPECT_EQ(read.Settings.AtisCallSign[0].MID, "");
    EXPECT_EQ(read.Settings.CHUSA, fresh.Settings.CHUSA);
}

TEST_F(SettingsFileTest, AFileOfAnotherModelLeavesTheDataExactlyAsItWas) {
    RadioData edited = NewRadioData(Rv7200A());
    edited.Settings.CHUSA[1].ChTag = "unsaved edit";
    const RadioData before = edited;
    folder.Write("other.dat", SettingsFileText(NewRadioData(Rv7700A()).Settings, Rv7700A()));
    const FileOutcome outcome = FileRead2(folder.File("other.dat"), edited, Rv7200A());
    EXPECT_FALSE(outcome.Ok);
    EXPECT_EQ(outcome.Message, "ModelType Error !!");
    EXPECT_EQ(outcome.Icon, MessageIcon::Critical);
    EXPECT_EQ(edited.Settings, before.Settings);
    EXPECT_EQ(edited.MemoryImage, before.MemoryImage);
}

TEST_F(SettingsFileTest, BadModelTypesAndMissingFilesAreModelTypeErrors) {
    const char* texts[] = {"[MAIN]\r\nMODEL=#RV7700A\r\n", "[MAIN]\r\nMODELTYPE=two\r\n",
                           "[MAIN]\r\nMODELTYPE=2.5\r\n", "[OTHER]\r\nMODELTYPE=2\r\n", ""};
    RadioData data = NewRadioData(Rv7700A());
    data.Settings.CHINT[0].ChTag = "keep";
    const RadioData before = data;
    for (const char* text : texts) {
        folder.Write("bad.dat", text);
        EXPECT_EQ(FileRead2(folder.File("bad.dat"), data, Rv7700A()).Message, "ModelType Error !!")
            << text;
    }
    EXPECT_EQ(FileRead2(folder.File("missing.dat"), data, Rv7700A()).Message, "ModelType Error !!");
    EXPECT_EQ(data.Settings, before.Settings);
}

TEST_F(SettingsFileTest, AModelTypeWithBlanksOrAHashIsRead) {
    EXPECT_EQ(DataFileModelType("[main]\r\n modeltype = #2 \r\n"), 2);
    EXPECT_EQ(DataFileModelType("[MAIN]\r\nMODELTYPE=11\r\n"), 11);
}

TEST_F(SettingsFileTest, BinaryGarbageIsRefused) {
    std::string garbage;
    for (int i = 0; i < 50000; ++i) {
        garbage += static_cast<char>((i * 131) % 256);
    }
    RadioData data = NewRadioData(Rv7700A());
    const RadioData before = data;
    folder.Write("garbage.dat", garbage);
    EXPECT_EQ(FileRead2(folder.File("garbage.dat"), data, Rv7700A()).Message, "ModelType Error !!");
    EXPECT_EQ(data.Settings, before.Settings);
}

TEST_F(SettingsFileTest, ATruncatedFileReadsWhatItHoldsAndDefaultsTheRest) {
    const RadioData fresh = NewRadioData(Rv7700A());
    RadioData data = fresh;
    MakeUnusual(data.Settings);
    const std::string text = SettingsFileText(data.Settings, Rv7700A());
    const std::string truncated = text.substr(0, text.find("[CHINT0]") + 12);
    const RadioData read = ReadText(truncated, Rv7700A());
    EXPECT_EQ(read.Settings.CommonSetup, data.Settings.CommonSetup);
    EXPECT_EQ(read.Settings.CHUSA, data.Settings.CHUSA);
    EXPECT_EQ(read.Settings.CHINT, fresh.Settings.CHINT);
}

TEST_F(SettingsFileTest, AHugeLineDoesNotStopTheRead) {
    RadioData data = NewRadioData(Rv7700A());
    std::string text = SettingsFileText(data.Settings, Rv7700A());
    const std::string anchor = "[CHUSA2]\r\nPosition=2\r\n";
    text.insert(text.find(anchor) + anchor.size(), "ChTag=#" + std::string(1 << 20, 'x') + "\r\n");
    const RadioData read = ReadText(text, Rv7700A());
    EXPECT_EQ(read.Settings.CHUSA[2].ChTag.size(), 1u << 20);
    EXPECT_EQ(read.Settings.CHUSA[3], data.Settings.CHUSA[3]);
}

TEST_F(SettingsFileTest, AnUnreadableFileIsAReadErrorAndChangesNothing) {
    RadioData data = NewRadioData(Rv7700A());
    const RadioData before = data;
    std::filesystem::create_directory(folder.File("folder.dat"));
    const FileOutcome outcome = FileRead2(folder.File("folder.dat"), data, Rv7700A());
    EXPECT_EQ(outcome.Message, "FileRead Error!!");
    EXPECT_EQ(outcome.LogProcedure, "frmMain.FileRead2");
    EXPECT_EQ(data.Settings, before.Settings);
}

TEST_F(SettingsFileTest, AFailedSaveLeavesThePreviousFileAndNoLeftovers) {
    const RadioData data = NewRadioData(Rv7700A());
    std::filesystem::create_directory(folder.File("taken.dat"));
    folder.Write("taken.dat/inside", "keep");
    const FileOutcome outcome = SaveFileAs(folder.File("taken.dat"), data.Settings, Rv7700A());
    EXPECT_FALSE(outcome.Ok);
    EXPECT_EQ(outcome.Message, "FileSave Error!!");
    EXPECT_EQ(outcome.LogProcedure, "frmMain.SaveFileAs");
    EXPECT_EQ(folder.Read("taken.dat/inside"), "keep");
    EXPECT_EQ(folder.Names(), std::vector<std::string>{"taken.dat"});
    EXPECT_FALSE(SaveFileAs(folder.File("no/such/folder/a.dat"), data.Settings, Rv7700A()).Ok);
}

TEST_F(SettingsFileTest, ASaveReplacesALongerFileWhole) {
    folder.Write("a.dat", std::string(1 << 20, 'z'));
    const RadioData data = NewRadioData(Rv7700A());
    ASSERT_TRUE(SaveFileAs(folder.File("a.dat"), data.Settings, Rv7700A()).Ok);
    EXPECT_EQ(folder.Read("a.dat"), SettingsFileText(data.Settings, Rv7700A()));
    EXPECT_EQ(folder.Names(), std::vector<std::string>{"a.dat"});
}

TEST_F(SettingsFileTest, ASaveThroughALinkReplacesTheLinkedFile) {
    folder.Write("real.dat", "old");
    std::filesystem::create_symlink(folder.File("real.dat"), folder.File("link.dat"));
    const RadioData data = NewRadioData(Rv7700A());
    ASSERT_TRUE(SaveFileAs(folder.File("link.dat"), data.Settings, Rv7700A()).Ok);
    EXPECT_TRUE(std::filesystem::is_symlink(folder.File("link.dat")));
    EXPECT_EQ(folder.Read("real.dat"), SettingsFileText(data.Settings, Rv7700A()));
}

TEST_F(SettingsFileTest, TextsCannotBreakTheFileApart) {
    RadioData data = NewRadioData(Rv7700A());
    data.Settings.CHUSA[0].ChTag = "A\r\n[MAIN]\r\nMODELTYPE=1";
    const std::string text = SettingsFileText(data.Settings, Rv7700A());
    EXPECT_EQ(DataFileModelType(text), 2);
    EXPECT_EQ(ReadText(text, Rv7700A()).Settings.CHUSA[0].ChTag, "A[MAIN]MODELTYPE=1");
}

} // namespace
} // namespace tq58
