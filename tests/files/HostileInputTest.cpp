// Inputs from outside that the files must survive: unreadable paths, absurd frequencies and
// hand-edited lines that look like headers.

#include "files/DataFileParser.h"
#include "files/ImageFile.h"
#include "files/SettingsFile.h"
#include "model/ImageHeader.h"
#include "support/RadioFixtures.h"
#include "support/ScratchFolder.h"
#include "support/TestModels.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace tq58 {
namespace {

using test::Bytes;
using test::BytesAt;
using test::NewRadioData;
using test::Rv7700A;

// Every path that is not a readable settings file keeps the program's message and says what
// happened to the file, so that the window and the command line can show it.
TEST(HostileInputTest, UnreadableFilesSayWhy) {
    test::ScratchFolder folder;
    for (const char* name : {"folder.dat", "folder.hex"}) {
        std::filesystem::create_directory(folder.File(name));
    }
    folder.Write("huge.dat", std::string((4u << 20) + 1, '\n'));
    folder.Write("huge.hex", std::string(ImageSize + 1, '\0'));
    const struct {
        const char* Name;
        const char* Reason;
    } cases[] = {{"missing", "no such file"}, {"folder", "a folder"}, {"huge", "larger than"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        RadioData data = NewRadioData(Rv7700A());
        data.Settings.CHUSA[0].ChTag = "unsaved";
        const RadioData before = data;
        const std::string settings = folder.File(std::string(c.Name) + ".dat");
        const Outcome read = ReadSettingsFile(settings, data, Rv7700A(), {});
        EXPECT_EQ(read.Message, "FileRead Error!!");
        EXPECT_EQ(read.LogDetail.rfind("cannot read " + settings + ": " + c.Reason, 0), 0u)
            << read.LogDetail;
        const std::string image = folder.File(std::string(c.Name) + ".hex");
        const Outcome loaded = ReadHexFileAs(image, data, Rv7700A(), {});
        if (std::string(c.Name) != "huge") { // a wrong length is "bad file!!" alone
            EXPECT_EQ(loaded.Message, "FileRead Error!!");
            EXPECT_EQ(loaded.LogDetail.rfind("cannot read " + image + ": " + c.Reason, 0), 0u)
                << loaded.LogDetail;
        }
        EXPECT_FALSE(loaded.Ok);
        EXPECT_EQ(test::RecordDifferences(data.Settings, before.Settings),
                  std::vector<std::string>{});
        EXPECT_EQ(data.MemoryImage, before.MemoryImage);
    }
}

// A frequency the image cannot hold (200 MHz and above) stops the image as any unstorable
// value does; none is turned into a number by an overflowing conversion.
TEST(HostileInputTest, FrequenciesBeyondTheImageStopTheEncoder) {
    const struct {
        const char* Text;
        bool Stored;
        Bytes Image;
    } cases[] = {{"1e15", false, {}},        {"1e308", false, {}},
                 {"200", false, {}},         {"199.99996", false, {}},
                 {"-1e15", true, {0, 0, 0}}, {"199.9999", true, {0x99, 0x99, 0x99}}};
    test::ScratchFolder folder;
    std::string text = SettingsFileText(NewRadioData(Rv7700A()).Settings, Rv7700A());
    const std::size_t exp = text.find("[CHEXP2]");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Text);
        const std::size_t rx = text.find("Rxfreq=", exp);
        text.replace(rx, text.find('\r', rx) - rx, std::string("Rxfreq=") + c.Text);
        folder.Write("in.dat", text);
        RadioData data = NewRadioData(Rv7700A());
        ASSERT_TRUE(ReadSettingsFile(folder.File("in.dat"), data, Rv7700A(), {}).Ok);
        const Image before = data.MemoryImage;
        const Outcome prepared = PrepareOutgoingImage(data, Rv7700A());
        EXPECT_EQ(prepared.Ok, c.Stored);
        if (c.Stored) {
            EXPECT_EQ(BytesAt(data.MemoryImage, 0x0E15, 3), c.Image);
            continue;
        }
        EXPECT_EQ(prepared.LogDetail, "cannot store CHEXP[1].Rxfreq");
        EXPECT_EQ(data.MemoryImage, before);
    }
}

// Within a section a line with "=" at its second character or later is an entry, "[" or
// not; only a line with "[" and no such "=" ends the section.
TEST(HostileInputTest, EntriesHoldingABracketKeepTheirSection) {
    const struct {
        const char* Text;
        const char* Key;
        const char* Value;
    } cases[] = {{"[S]\r\n[A=B]\r\nK=1\r\n", "K", "1"},
                 {"[S]\r\n[A=B]\r\nK=1\r\n", "[A", "B]"},
                 {"[S]\r\n[X\r\nK=5\r\n", "K", ""},
                 {"[S]\r\n=[\r\nK=6\r\n", "K", ""},
                 {"[S]\r\nq[]\r\nK=7\r\n", "K", ""}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Text);
        EXPECT_EQ(GetDataValue(ParseDataText(c.Text), "S", c.Key), c.Value);
    }

    // A plan section whose Position follows such a line keeps it, and the list goes on.
    const std::string text = "[CHUSA0]\r\n[A=B]\r\nPosition=4\r\nChTag=#FIRST\r\n"
                             "[CHUSA1]\r\nPosition=5\r\nChTag=#SECOND\r\n";
    SettingsRecord settings = NewRadioData(Rv7700A()).Settings;
    FillSettingsRecord(ParseDataText(text), settings);
    EXPECT_EQ(settings.CHUSA[4].ChTag, "FIRST");
    EXPECT_EQ(settings.CHUSA[5].ChTag, "SECOND");
}

} // namespace
} // namespace tq58
