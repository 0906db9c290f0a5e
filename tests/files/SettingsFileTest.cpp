#include "files/SettingsFile.h"

#include "files/MissingSections.h"
#include "model/Decoder.h"
#include "model/FieldCodec.h"
#include "model/ImageHeader.h"
#include "support/RadioFixtures.h"
#include "support/RandomRecords.h"
#include "support/ScratchFolder.h"
#include "support/TestModels.h"

#include <functional>
#include <gtest/gtest.h>

namespace tq58 {
namespace {

using test::NewRadioData;
using test::Rv7200A;
using test::Rv7700A;

// Rewrites the text line by line; edit returns false to drop a line.
std::string EditLines(const std::string& text, const std::function<bool(std::string&)>& edit) {
    std::string out;
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = std::min(text.find("\r\n", start), text.size());
        std::string line = text.substr(start, end - start);
        if (edit(line)) {
            out += line + "\r\n";
        }
        start = end + 2;
    }
    return out;
}

std::string Inserted(std::string text, const std::string& anchor, const std::string& lines) {
    return text.insert(text.find(anchor) + anchor.size(), lines);
}

// Every field the file carries set to something new data never gives: what an image holds, and
// the flags only the file and the record hold.
void MakeUnusual(SettingsRecord& s) {
    const SettingsRecord random = test::RandomSettings(7, s);
    s = test::DecodedInto(random, s);
    s.CommonSetup.DualWatch = !s.CommonSetup.DualWatch;
    s.DscBasicSetup.PosRequestTX = random.DscBasicSetup.PosRequestTX;
    s.DscBasicSetup.BeepOut[7] = !s.DscBasicSetup.BeepOut[7];
    for (std::size_t i = 0; i < s.CHUSA.size(); i += 6) {
        s.CHUSA[i].DisplayA = !s.CHUSA[i].DisplayA;
    }
}

class SettingsFileTest : public ::testing::Test {
protected:
    RadioData ReadText(const std::string& text, const ModelState& model) {
        folder.Write("hand.dat", text);
        RadioData data = NewRadioData(model);
        const Outcome read = ReadSettingsFile(folder.File("hand.dat"), data, model, {});
        EXPECT_TRUE(read.Ok) << read.Message;
        return data;
    }

    const RadioData fresh = NewRadioData(Rv7700A());
    test::ScratchFolder folder;
};

// Samples of each kind of value, in the order the file keeps its sections.
TEST_F(SettingsFileTest, SectionsComeInFileOrderWithValuesInTheFileForm) {
    RadioData data = fresh;
    data.Settings.CHEXP[0].Rxfreq = 156.025;
    data.Settings.CHEXP[0].Txfreq = 162.4;
    const std::string text = SettingsFileText(data.Settings, Rv7700A());
    // clang-format off
    const char* inOrder[] = {
        "[MAIN]\r\nMODEL=#RV7700A\r\nTYPE=#QYL\r\nVERSION=#1.00\r\nMODELTYPE=2\r\n"
        "[Usable CH Group Setup]\r\nUSA=1\r\n", "\r\nPriority CH0=32\r\n",
        "\r\nExp Ch Group0=False\r\n", "\r\n[Common Setup]\r\nTX Po Display=0\r\nSCAN=1\r\nResume Time=3\r\n"
        "PTT SCAN Clear=1\r\nDual Watch=0\r\nOffset Time=24\r\nMagnetic Variation=255\r\n"
        "Weater=255\r\nRotary=0\r\n[DSC Setup (Basic Setup)]\r\n",
        "\r\nUser MMSI=#\r\n", "\r\nBeepOut7=0\r\nDscChGroup3=", "[ATIS Setup (Common)]\r\n",
        "[ATIS Setup (Call Sign)]\r\n", "MID32=", "[Auto POS Setup]\r\nMENUDISPLAY=",
        "\r\nLASTADDRESS1=", "[CHUSA0]\r\n", "[CHUSA7]\r\nPosition=7\r\nEnable=", "[CHUSA239]\r\n",
        "[CHINT0]\r\n", "[CHCAN239]\r\n", "[CHWX0]\r\n", "[CHWX3]\r\nEnable=", "[CHWX9]\r\n",
        "\r\n[CHMMSID1]\r\nEnable=0\r\nTagName=#\r\nMmsid=\r\n[CHMMSID2]\r\n", "[CHMMSID80]\r\n",
        "[CHGRPID1]\r\n", "[CHGRPID32]\r\n",
        "\r\n[CHEXP1]\r\nEnable=0\r\nCHDisplayL=\r\nCHDisplayR=\r\nRxfreq=156.025\r\n"
        "Txfreq=162.4\r\nLowPower=0\r\nPowUp=0\r\nScanMemory=0\r\nScramble=0\r\nChTag=#\r\n"
        "TxEnable=0\r\nNarrow=0\r\n[CHEXP2]\r\n", "[CHEXP64]\r\n"};
    // clang-format on
    std::size_t at = 0;
    for (const char* part : inOrder) {
        at = text.find(part, at);
        ASSERT_NE(at, std::string::npos) << part;
    }
}

// A file of an earlier version lacks the Auto POS section, the fourth DSC group and, for a model
// without them, the ATIS sections and the scrambler codes: it is whole all the same.
TEST_F(SettingsFileTest, FilesOfEarlierVersionsWithoutTheKeptValuesAreWhole) {
    const RadioData data = NewRadioData(Rv7200A());
    bool inKept = false;
    const auto older =
        EditLines(SettingsFileText(data.Settings, Rv7200A()), [&](std::string& line) {
            if (line.front() == '[') {
                inKept = line.starts_with("[ATIS") || line == "[Auto POS Setup]";
            }
            return !inKept && !line.starts_with("Scramble=") && !line.starts_with("DscChGroup3=");
        });
    EXPECT_TRUE(MissingSections(ParseDataText(older), data.Settings, Rv7200A()).empty());
    EXPECT_EQ(test::RecordDifferences(ReadText(older, Rv7200A()).Settings, data.Settings),
              std::vector<std::string>{});
}

// No priority channel (0xFF 0xFF in the image, below zero in older records) is written as
// 65535, which every reader takes back as none; only a value the image cannot hold is left out.
TEST_F(SettingsFileTest, MagnitudesAndWholeLinesAreWrittenAndNoPriorityIs65535) {
    RadioData data = fresh;
    data.Settings.CHUSA[0].ChTag = "A\r\n[MAIN]\r\nMODELTYPE=1";
    data.Settings.CommonSetup.MagneticVariation = -5;
    data.Settings.UsableChGroup[0].PriorityCh = -7;
    data.Settings.UsableChGroup[1].PriorityCh = 65535;
    data.Settings.UsableChGroup[2].PriorityCh = 70000;
    const std::string text = SettingsFileText(data.Settings, Rv7700A());
    EXPECT_NE(text.find("\r\nMagnetic Variation=5\r\n"), std::string::npos);
    EXPECT_NE(text.find("\r\nPriority CH0=65535\r\nPriority CH1=65535\r\nPriority CH3="),
              std::string::npos);
    EXPECT_EQ(DataFileModelType(text), 2);
    const RadioData read = ReadText(text, Rv7700A());
    EXPECT_EQ(read.Settings.UsableChGroup[0].PriorityCh, 65535);
    EXPECT_EQ(read.Settings.UsableChGroup[1].PriorityCh, 65535);
    EXPECT_EQ(read.Settings.UsableChGroup[2].PriorityCh, 32);
    EXPECT_EQ(read.Settings.CHUSA[0].ChTag, "A[MAIN]MODELTYPE=1");
}

// What a settings file cannot keep, written as the file brings it back: an MMSI of nine digits
// gets 0 as its tenth digit, whatever the radio held there, and an ATIS call sign its spaces and
// commas as blanks.
void AsTheFileKeepsIt(Image& image) {
    std::vector<int> mmsis = {0x0190, 0x01D4, 0x01E4};
    for (int k = 0; k < IndividualDirectorySize + GroupDirectorySize; ++k) {
        mmsis.push_back(k < IndividualDirectorySize ? 0x5700 + 16 * k : 0x6400 + 16 * (k - 80));
    }
    for (const int address : mmsis) {
        if (ReadDigits(image, address).size() == 9) {
            image[address + 4] &= 0xF0;
        }
    }
    for (int k = 1; k <= AtisCallSignCount; ++k) {
        for (int i = 0; i < 6; ++i) {
            std::uint8_t& byte = image[0x54F8 + 8 * k + i];
            byte = byte == ' ' || byte == ',' ? 0xFF : byte;
        }
    }
}

// A read saved as a settings file and opened again over other bytes gives the radio every
// value it gave: the file holds each field the image carries. A failure names the section and
// the key of the first fields lost.
TEST_F(SettingsFileTest, EveryValueOfAnImageSurvivesTheSettingsFile) {
    const ModelState models[] = {Rv7200A(), Rv7700A(), test::Rv7700AM()};
    for (unsigned seed = 1; seed <= 24; ++seed) {
        SCOPED_TRACE(::testing::Message() << "seed " << seed);
        const ModelState& model = models[seed % 3];
        RadioData read = NewRadioData(model);
        read.MemoryImage = test::RandomImage(seed);
        AsTheFileKeepsIt(read.MemoryImage);
        DecodeImage(read, model);

        RadioData opened = NewRadioData(model);
        opened.MemoryImage = test::RandomImage(seed + 1000);
        DecodeImage(opened, model);
        RadioData direct = opened;
        FillSettingsRecord(ParseDataText(SettingsFileText(read.Settings, model)), opened.Settings);
        ASSERT_TRUE(EncodeImage(opened, model).Ok);
        direct.Settings = read.Settings;
        ASSERT_TRUE(EncodeImage(direct, model).Ok);
        EXPECT_EQ(test::ChangedAddresses(direct.MemoryImage, opened.MemoryImage),
                  std::vector<int>{});

        RadioData back = NewRadioData(model);
        back.MemoryImage = opened.MemoryImage;
        DecodeImage(back, model);
        EXPECT_EQ(test::RecordDifferences(back.Settings, read.Settings),
                  std::vector<std::string>{});
    }
}

TEST_F(SettingsFileTest, HandEditedFilesReadLikeWrittenOnes) {
    RadioData data = fresh;
    MakeUnusual(data.Settings);
    std::string text = SettingsFileText(data.Settings, Rv7700A());
    text = Inserted(text, "[CHUSA5]\r\nPosition=5\r\n", "ChTag=#  Name  \r\n");
    text = Inserted(text, "[CHEXP3]\r\n", "Rxfreq=156,025\r\nTxfreq=abc\r\n");
    text.replace(text.find("[CHINT3]\r\nPosition=3"), 20, "[CHINT3]\r\nPosition=300");
    text.replace(text.find("[CHINT10]"), 9, "[CHINTX10]");
    // Lower-cased names and keys; EXP sections without the two lines older files lack.
    bool inExp = false;
    text = EditLines(text, [&](std::string& line) {
        inExp = line.front() == '[' ? line.rfind("[CHEXP", 0) == 0 : inExp;
        if (inExp && (line.rfind("TxEnable=", 0) == 0 || line.rfind("Narrow=", 0) == 0)) {
            return false;
        }
        const std::size_t cut = line.front() == '[' ? line.size() : line.find('=');
        for (std::size_t i = 0; i < cut; ++i) {
            line[i] = static_cast<char>(std::tolower(static_cast<unsigned char>(line[i])));
        }
        return true;
    });

    RadioData expected = data;
    expected.Settings.CHUSA[5].ChTag = "  Name";
    expected.Settings.CHEXP[2].Rxfreq = 156.025;
    expected.Settings.CHEXP[2].Txfreq = fresh.Settings.CHEXP[2].Txfreq;
    for (std::size_t k = 0; k < ExpChannelCount; ++k) {
        expected.Settings.CHEXP[k].TxEnable = fresh.Settings.CHEXP[k].TxEnable;
        expected.Settings.CHEXP[k].Narrow = fresh.Settings.CHEXP[k].Narrow;
    }
    expected.Settings.CHINT[3] = fresh.Settings.CHINT[3];
    for (std::size_t i = 10; i < expected.Settings.CHINT.size(); ++i) {
        expected.Settings.CHINT[i] = fresh.Settings.CHINT[i];
    }
    const RadioData read = ReadText(text, Rv7700A());
    EXPECT_EQ(test::RecordDifferences(read.Settings, expected.Settings),
              std::vector<std::string>{});
}

TEST_F(SettingsFileTest, APartialFileFillsWhatItNamesAndKeepsOrEmptiesTheRest) {
    const RadioData read = ReadText("[MAIN]\r\nMODELTYPE=2\r\n[Common Setup]\r\n"
                                    "Resume Time=many\r\nSCAN=maybe\r\nOffset Time=70000\r\n"
                                    "[DSC Setup (Basic Setup)]\r\nUser MMSI=#244123456\r\n"
                                    "[CHUSA0]\r\nPosition=17\r\nChTag=#Moved\r\n",
                                    Rv7700A());
    // The file holds no MMSI-entered count: the data gets the one its image will carry.
    EXPECT_EQ(fresh.MemoryImage[MmsiEnteredCountAddress], 0);
    EXPECT_EQ(read.MemoryImage[MmsiEnteredCountAddress], 1);
    EXPECT_EQ(read.Settings.CHUSA[17].ChTag, "Moved");
    EXPECT_EQ(read.Settings.CHUSA[0], fresh.Settings.CHUSA[0]);
    EXPECT_EQ(read.Settings.CommonSetup, fresh.Settings.CommonSetup);
    EXPECT_EQ(read.Settings.CHWX[0].ChTag, "");
    EXPECT_EQ(read.Settings.AtisCallSign[0].MID, "");
}

// A whole file lacks nothing; a garbled one is told in runs of numbered sections.
TEST_F(SettingsFileTest, MissingSectionsAreCountedAndToldInRuns) {
    const std::string whole = SettingsFileText(fresh.Settings, Rv7700A());
    EXPECT_TRUE(MissingSections(ParseDataText(whole), fresh.Settings, Rv7700A()).empty());

    const std::string garbled = EditLines(whole, [](std::string& line) {
        return line != "[Common Setup]" && line.rfind("[CHWX", 0) != 0 && line != "[CHEXP7]";
    });
    const std::vector<std::string> missing =
        MissingSections(ParseDataText(garbled), fresh.Settings, Rv7700A());
    EXPECT_EQ(missing.size(), 12u);
    EXPECT_EQ(MissingSectionsWarning(missing).English(),
              "This file is incomplete: 12 sections are missing (COMMON SETUP, CHWX0 to CHWX9, "
              "CHEXP7). Their settings hold factory values; check them before you save or "
              "program.");
}

TEST_F(SettingsFileTest, FilesOfNoOrAnotherModelLeaveTheDataExactlyAsItWas) {
    const std::pair<const char*, std::string> files[] = {
        {"other.dat", SettingsFileText(NewRadioData(Rv7200A()).Settings, Rv7200A())},
        {"nomodel.dat", "[MAIN]\r\nMODEL=#RV7700A\r\n"},
        {"word.dat", "[MAIN]\r\nMODELTYPE=two\r\n"},
        {"fraction.dat", "[MAIN]\r\nMODELTYPE=2.5\r\n"},
        {"section.dat", "[OTHER]\r\nMODELTYPE=2\r\n"},
        {"empty.dat", ""}};
    std::filesystem::create_directory(folder.File("folder.dat"));
    RadioData data = fresh;
    data.Settings.CHINT[0].ChTag = "unsaved edit";
    const RadioData before = data;
    for (const auto& [name, text] : files) {
        folder.Write(name, text);
        const Outcome outcome = ReadSettingsFile(folder.File(name), data, Rv7700A(), {});
        EXPECT_EQ(outcome.Message, "ModelType Error !!") << name;
        EXPECT_EQ(outcome.Icon, MessageIcon::Critical) << name;
    }
    const Outcome unreadable =
        ReadSettingsFile(folder.File("folder.dat"), data, Rv7700A(), "caller.Read");
    EXPECT_EQ(unreadable.Message, "FileRead Error!!");
    EXPECT_EQ(unreadable.LogProcedure, "caller.Read");
    EXPECT_EQ(test::RecordDifferences(data.Settings, before.Settings), std::vector<std::string>{});
    EXPECT_EQ(data.MemoryImage, before.MemoryImage);
    EXPECT_EQ(DataFileModelType("[main]\r\n modeltype = #2 \r\n"), 2);
    EXPECT_EQ(DataFileModelType("[MAIN]\r\nMODELTYPE=11\r\n"), 11);
}

TEST_F(SettingsFileTest, SavesReplaceTheTargetWholeOrNotAtAll) {
    const std::string text = SettingsFileText(fresh.Settings, Rv7700A());
    folder.Write("long.dat", std::string(1 << 20, 'z'));
    folder.Write("real.dat", "old");
    [[maybe_unused]] const auto ownPermissions = std::filesystem::perms::owner_read |
                                                 std::filesystem::perms::owner_write |
                                                 std::filesystem::perms::group_read;
    // Links and permission bits are the POSIX systems' own.
#ifndef _WIN32
    std::filesystem::permissions(folder.File("real.dat"), ownPermissions);
    std::filesystem::create_symlink(folder.File("real.dat"), folder.File("link.dat"));
#endif
    std::filesystem::create_directory(folder.File("taken.dat"));
    folder.Write("taken.dat/inside", "keep");
    ASSERT_TRUE(SaveFileAs(folder.File("long.dat"), fresh.Settings, Rv7700A(), {}).Ok);
#ifndef _WIN32
    ASSERT_TRUE(SaveFileAs(folder.File("link.dat"), fresh.Settings, Rv7700A(), {}).Ok);
#endif
    const Outcome failed =
        SaveFileAs(folder.File("taken.dat"), fresh.Settings, Rv7700A(), "caller.Save");
    EXPECT_FALSE(failed.Ok);
    EXPECT_EQ(failed.Message, "FileSave Error!!");
    EXPECT_EQ(failed.LogProcedure, "caller.Save");
    EXPECT_FALSE(SaveFileAs(folder.File("no/such/folder/a.dat"), fresh.Settings, Rv7700A(), {}).Ok);

    EXPECT_EQ(folder.Read("long.dat"), text);
    EXPECT_EQ(folder.Read("taken.dat/inside"), "keep");
#ifndef _WIN32
    EXPECT_EQ(folder.Read("real.dat"), text);
    EXPECT_TRUE(std::filesystem::is_symlink(folder.File("link.dat")));
    EXPECT_EQ(std::filesystem::status(folder.File("real.dat")).permissions(), ownPermissions);
    EXPECT_EQ(folder.Names(),
              (std::vector<std::string>{"link.dat", "long.dat", "real.dat", "taken.dat"}));
#else
    EXPECT_EQ(folder.Names(), (std::vector<std::string>{"long.dat", "real.dat", "taken.dat"}));
#endif
}

} // namespace
} // namespace tq58
