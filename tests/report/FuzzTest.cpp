// A seeded mutation test: damaged settings files, images and INI files go through the readers
// and, when accepted, through the encoder and the report. Each must be refused with a message
// or give sane data, throw nothing, and leave its input file as it was. Rows of thousands of
// cells go through the CSV import and the paste.

#include "editor/CsvExchange.h"
#include "editor/GridRows.h"
#include "files/ImageFile.h"
#include "files/IniReader.h"
#include "files/SettingsFile.h"
#include "model/Decoder.h"
#include "model/ImageHeader.h"
#include "report/ReportText.h"
#include "support/ScratchFolder.h"
#include "support/TestModels.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <random>

namespace tq58 {
namespace {

using Random = std::mt19937;

std::size_t Below(Random& random, std::size_t count) {
    return count == 0 ? 0 : std::uniform_int_distribution<std::size_t>(0, count - 1)(random);
}

// Numbers beyond every field, integer and double, and texts that only look like numbers.
const char* const HostileNumbers[] = {"1e15",   "-1e308",     "9.3e18", "1e-320", "65536",
                                      "-32769", "2147483648", "inf",    "nan",    "0x7f",
                                      "1,5",    "",           "#",      "\"'\""};
const char* const StrayLines[] = {"[A=B]", "[", "=x", "[CHUSA0]", "[MAIN]", "]=[", "Position="};

void Truncate(std::string& s, Random& r) {
    s.resize(Below(r, s.size() + 1));
}
void FlipBits(std::string& s, Random& r) {
    for (std::size_t n = 1 + Below(r, 8); n > 0 && !s.empty(); --n) {
        s[Below(r, s.size())] ^= static_cast<char>(1u << Below(r, 8));
    }
}
void ScrambleRun(std::string& s, Random& r) {
    const std::size_t start = Below(r, s.size() + 1);
    for (std::size_t i = start; i < std::min(s.size(), start + Below(r, 256)); ++i) {
        s[i] = static_cast<char>(Below(r, 256));
    }
}
void NulBytesOrLongLine(std::string& s, Random& r) {
    s.insert(Below(r, s.size() + 1),
             Below(r, 2) ? std::string(1 + Below(r, 4), '\0') : std::string(70000, 'A'));
}
// A run of values from a random line on, so that a damage often meets the few keys of a kind.
void HostileValues(std::string& s, Random& r) {
    std::size_t equals = s.find('=', Below(r, s.size() + 1));
    for (std::size_t n = 1 + Below(r, 32); n > 0 && equals != std::string::npos; --n) {
        const std::size_t end = std::min(s.find_first_of("\r\n", equals), s.size());
        const std::string value = HostileNumbers[Below(r, std::size(HostileNumbers))];
        s.replace(equals + 1, end - equals - 1, value);
        equals = s.find('=', equals + 1 + value.size());
    }
}
// Every line end becomes another, or a stray line goes in after a line.
void OddLines(std::string& s, Random& r) {
    if (Below(r, 2)) {
        const std::size_t at = s.find('\n', Below(r, s.size() + 1));
        const std::string line = std::string(StrayLines[Below(r, std::size(StrayLines))]) + "\r\n";
        s.insert(at == std::string::npos ? s.size() : at + 1, line);
        return;
    }
    const std::string end = std::array{"\r", "\n", "\n\r", "\r\r\n", ""}[Below(r, 5)];
    for (std::size_t at = s.find("\r\n"); at != std::string::npos; at = s.find("\r\n", at)) {
        s.replace(at, 2, end);
        at += end.size();
    }
}

using Damage = void (*)(std::string&, Random&);
constexpr Damage TextDamages[] = {Truncate,           FlipBits, ScrambleRun,
                                  NulBytesOrLongLine, OddLines, HostileValues};
constexpr Damage ImageDamages[] = {Truncate, FlipBits, ScrambleRun, NulBytesOrLongLine};

template <std::size_t N>
std::string Damaged(std::string text, const Damage (&damages)[N], unsigned seed) {
    Random random(seed);
    for (std::size_t n = 1 + Below(random, 3); n > 0; --n) {
        damages[Below(random, N)](text, random);
    }
    return text;
}

// The settings file cut down to its setting groups and a few sections of each list, so that
// thousands of damaged copies read quickly.
std::string SmallSettingsText(const std::string& full) {
    std::string small = full.substr(0, full.find("[CHUSA3]"));
    for (const char* section : {"[CHWX0]", "[CHMMSID1]", "[CHEXP1]", "[CHEXP2]"}) {
        const std::size_t from = full.find(section);
        small += full.substr(from, full.find('[', from + 1) - from);
    }
    return small;
}

// Puts the bytes into the file in place: a file truncated and written again is flushed to
// the disk at once by some file systems, which would make the test wait for the disk.
void Overwrite(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::app).close();
    std::fstream(path, std::ios::in | std::ios::out | std::ios::binary)
        .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    std::filesystem::resize_file(path, bytes.size());
}

// Every input meets a reader in memory; every FileEvery-th also meets it as a file (which
// must stay as it was) and goes on into the report: files and reports are the slow part.
constexpr unsigned FileEvery = 8;

class FuzzTest : public ::testing::Test {
protected:
    const ModelState model = test::Rv7700A();
    const RadioData fresh = test::NewRadioData(model);
    test::ScratchFolder folder;

    // Accepted data keeps the shape of the record and encodes or names the field it cannot
    // store; the report, when asked for, is made of it.
    void ExpectSane(RadioData data, bool report) const {
        EXPECT_EQ(data.Settings.CHUSA.size(), fresh.Settings.CHUSA.size());
        EXPECT_EQ(data.Settings.CHEXP.size(), fresh.Settings.CHEXP.size());
        const Outcome encoded = PrepareOutgoingImage(data, model);
        EXPECT_TRUE(encoded.Ok || encoded.LogDetail.rfind("cannot store ", 0) == 0)
            << encoded.LogDetail;
        if (report) {
            EXPECT_EQ(BuildReport(data, model).rfind(ReportLineBreak, 0), 0u);
        }
    }

    // A damaged file is refused with a message and the data as it was, or read sanely.
    template <typename Read>
    void ExpectFileReadSafely(const std::string& name, const std::string& bytes, Read read) {
        Overwrite(folder.File(name), bytes);
        RadioData data = fresh;
        Outcome outcome;
        EXPECT_NO_THROW(outcome = read(folder.File(name), data));
        if (outcome.Ok) {
            EXPECT_NO_THROW(ExpectSane(data, true));
        } else {
            EXPECT_FALSE(outcome.Message.empty());
            EXPECT_TRUE(data.Settings == fresh.Settings && data.MemoryImage == fresh.MemoryImage);
        }
        EXPECT_EQ(folder.Read(name), bytes);
    }
};

TEST_F(FuzzTest, DamagedSettingsFiles) {
    const std::string original = SmallSettingsText(SettingsFileText(fresh.Settings, model));
    for (unsigned seed = 0; seed < 500; ++seed) {
        SCOPED_TRACE(::testing::Message() << "settings seed " << seed);
        const std::string text = Damaged(original, TextDamages, seed);
        RadioData data = fresh;
        EXPECT_NO_THROW(DataFileModelType(text));
        EXPECT_NO_THROW(FillSettingsRecord(ParseDataText(text), data.Settings));
        ExpectSane(data, false);
        if (seed % FileEvery == 0) {
            ExpectFileReadSafely("input.dat", text, [&](const std::string& path, RadioData& read) {
                return ReadSettingsFile(path, read, model, {});
            });
        }
    }
}

TEST_F(FuzzTest, DamagedImages) {
    RadioData prepared = fresh;
    ASSERT_TRUE(PrepareOutgoingImage(prepared, model).Ok);
    const std::string original(prepared.MemoryImage.begin(), prepared.MemoryImage.end());
    for (unsigned seed = 0; seed < 1000; ++seed) {
        SCOPED_TRACE(::testing::Message() << "image seed " << seed);
        const std::string bytes = Damaged(original, ImageDamages, seed);
        if (bytes.size() == ImageSize) { // decoded whatever model it claims to be
            RadioData data = fresh;
            std::copy(bytes.begin(), bytes.end(), data.MemoryImage.begin());
            EXPECT_NO_THROW(DecodeImage(data, model));
            ExpectSane(data, false);
        }
        if (seed % FileEvery == 0) {
            ExpectFileReadSafely("input.hex", bytes, [&](const std::string& path, RadioData& read) {
                return ReadHexFileAs(path, read, model, {});
            });
        }
    }
}

TEST_F(FuzzTest, DamagedIniFiles) {
    const std::string original = "\xEF\xBB\xBF; installation\r\n[model1]\r\nuse=1\r\natis = 0\r\n"
                                 "[MODEL2]\r\nUse=\"1\"\r\natis=1\r\nscrambler='1'\r\n"
                                 "name=#RV7700A\r\n[model3]\r\nuse=0\r\n";
    const std::pair<const char*, const char*> keys[] = {
        {"model1", "use"}, {"model2", "atis"}, {"MODEL2", "scrambler"}, {"model2", "name"}};
    for (unsigned seed = 0; seed < 2000; ++seed) {
        SCOPED_TRACE(::testing::Message() << "ini seed " << seed);
        const std::string text = Damaged(original, TextDamages, seed);
        const auto& [section, key] = keys[seed % std::size(keys)];
        std::string value;
        EXPECT_NO_THROW(value = ReadIniValueFromText(text, section, key));
        EXPECT_LE(value.size(), IniValueLimit);
        if (seed % FileEvery == 0) {
            Overwrite(folder.File("global.ini"), text);
            EXPECT_EQ(ReadIniValue(folder.File("global.ini"), section, key), value);
            EXPECT_EQ(folder.Read("global.ini"), text);
        }
    }
}

// Each row refused once whatever its width, in a message a person can read, nothing changed.
TEST_F(FuzzTest, WideCsvRows) {
    const char* const cells[] = {"", " ", "x", "On", "156.025", "\"a,b\"", "\xC5\x81"};
    constexpr std::size_t LongestMessage = 2000;
    for (unsigned seed = 0; seed < 40; ++seed) {
        SCOPED_TRACE(::testing::Message() << "csv seed " << seed);
        Random random(seed);
        const bool exp = seed % 2 == 0;
        std::string text =
            exp ? "EXP CH,CH Enable,CH Name\n1,On,A" : "Memory ID,Station Name,MMSI\n1,A,1";
        for (std::size_t n = Below(random, 30000); n > 0; --n) {
            text += std::string(",") + cells[Below(random, std::size(cells))];
        }
        RadioData imported = fresh;
        const PasteTarget target{
            {"1"}, ListHeadings(fresh.Settings, model, exp ? CsvList::Exp : CsvList::Individual)};
        const PastedRows pasted = PasteRows(fresh.Settings, model,
                                            exp ? CsvList::Exp : CsvList::Individual, target, text);
        const Outcome outcomes[] = {ImportCsv(imported.Settings, model, text), pasted.Result};
        for (const Outcome& outcome : outcomes) {
            EXPECT_LE(outcome.Message.size(), LongestMessage);
        }
        EXPECT_TRUE(outcomes[0].Ok || imported.Settings == fresh.Settings);
        EXPECT_TRUE(pasted.Result.Ok || pasted.Settings == fresh.Settings);
    }
}

} // namespace
} // namespace tq58
