#include "model/Decoder.h"
#include "model/Encoder.h"
#include "model/ModelCatalogue.h"
#include "support/RadioFixtures.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <random>

namespace tq58 {
namespace {

using test::DataWithPlans;
using test::ModelOf;

constexpr unsigned Iterations = 60;

// Bits of each image byte the encoder may write; everything else must survive an encode.
Image WritableBits() {
    struct Area {
        int Address, Count;
        std::uint8_t Bits;
        int Stride, Times;
    };
    // Setup bytes, bitmaps, attributes, EXP records, names, call signs, directories.
    const Area areas[] = {{0x0028, 1, 0xFF, 5, 2},       {0x002B, 1, 0x7F, 1, 1},
                          {0x002F, 1, 0xFF, 1, 1},       {0x0033, 3, 0xFF, 1, 1},
                          {0x0036, 1, 0x0F, 1, 1},       {0x0040, 1, 0xFF, 1, 1},
                          {0x0046, 6, 0xFF, 1, 1},       {0x00C0, 5, 0xFF, 16, 4},
                          {0x0180, 5, 0xFF, 1, 1},       {0x0190, 5, 0xFF, 1, 1},
                          {0x0196, 6, 0xFF, 1, 1},       {0x01A0, 3, 0xFF, 1, 1},
                          {0x01A3, 1, 0xFC, 1, 1},       {0x01A4, 1, 0xEE, 1, 1},
                          {0x01A7, 4, 0xFF, 1, 1},       {0x01C6, 4, 0xFF, 1, 1},
                          {0x01CD, 2, 0xFF, 1, 1},       {0x01D0, 10, 0xFF, 16, 2},
                          {0x0200, 30, 0xFF, 0x30, 3},   {0x0300, 30, 0xFF, 0x30, 3},
                          {0x0290, 2, 0xFF, 0x100, 2},   {0x0294, 8, 0xFF, 0x100, 2},
                          {0x0500, 1, 0xFF, 2, 240},     {0x0800, 1, 0xFF, 2, 240},
                          {0x0B00, 1, 0xFF, 2, 240},     {0x0E00, 1, 0x0E, 16, 64},
                          {0x0E01, 10, 0xFF, 16, 64},    {0x1700, 3840, 0xFF, 0x1200, 3},
                          {0x4D00, 10 * 16, 0xFF, 1, 1}, {0x4F00, 64 * 16, 0xFF, 1, 1},
                          {0x5500, 6, 0xFF, 8, 32},      {0x5700, 80 * 16, 0xFF, 1, 1},
                          {0x6400, 32 * 16, 0xFF, 1, 1}};

    Image mask{};
    for (const Area& area : areas) {
        for (int t = 0; t < area.Times; ++t) {
            std::fill_n(mask.begin() + area.Address + area.Stride * t, area.Count, area.Bits);
        }
    }
    return mask;
}

std::vector<int> ForeignBitChanges(const Image& before, const Image& after) {
    static const Image writable = WritableBits();
    std::vector<int> changed;
    for (int address = 0; address < ImageSize; ++address) {
        if (((before[address] ^ after[address]) & ~writable[address]) != 0) {
            changed.push_back(address);
        }
    }
    return changed;
}

const std::string nameCharacters =
    "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz -+().*/,";
const std::string foreignCharacters = "_#@!:\xE9\xFF";

class RandomSettings {
public:
    explicit RandomSettings(unsigned seed) : random_(seed) {}

    int Int(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }
    bool Bool() { return Int(0, 1) == 1; }
    bool OneIn(int n) { return Int(1, n) == 1; }

    std::string Name(int maxLength) {
        std::string text(Int(0, maxLength), ' ');
        for (char& c : text) {
            const std::string& pool = OneIn(25) ? foreignCharacters : nameCharacters;
            c = pool[Int(0, static_cast<int>(pool.size()) - 1)];
        }
        return text;
    }

    std::string Digits(int maxLength) {
        if (OneIn(10)) {
            return std::string(Int(1, 4), ' ');
        }
        std::string text(Int(0, maxLength), '0');
        for (char& c : text) {
            c = static_cast<char>('0' + Int(0, 9));
        }
        return text;
    }

    double Frequency() {
        const int kind = Int(0, 5);
        return kind == 0 ? 0 : (kind == 1 ? Int(1, 1000000) : Int(1000001, 1999999)) / 10000.0;
    }

    template <std::size_t N> void Fill(std::array<bool, N>& flags) {
        for (bool& flag : flags) {
            flag = Bool();
        }
    }

    void Fill(std::vector<ChannelRecord>& list) {
        const bool noneEnabled = OneIn(4);
        for (ChannelRecord& r : list) {
            r.Position = Int(0, 300);
            r.Enable = Bool() && !noneEnabled;
            for (bool* flag : {&r.LowPower, &r.PowUp, &r.Duplex, &r.DuplexCapable, &r.TxEnable,
                               &r.DisplayA, &r.ScanMemory, &r.RxOnly, &r.Narrow}) {
                *flag = Bool();
            }
            r.Scramble = OneIn(4) ? Int(0, 255) : Int(0, 7);
            r.ChTag = Name(20);
            r.CHDisplayL = Name(3);
            r.CHDisplayR = Name(3);
            r.Txfreq = Frequency();
            r.Rxfreq = Frequency();
        }
    }

    template <std::size_t N> void Fill(std::array<DirectoryRecord, N>& directory) {
        const int used = Int(0, N);
        for (int k = 0; k < static_cast<int>(N); ++k) {
            const bool inUse = k < used;
            directory[k].Enable = OneIn(20) ? !inUse : inUse;
            directory[k].Mmsid = inUse || OneIn(20) ? Digits(10) : "";
            directory[k].TagName = directory[k].Enable || OneIn(5) ? Name(14) : "";
        }
    }

    void Fill(SettingsRecord& s) {
        for (auto* list : {&s.CHUSA, &s.CHINT, &s.CHCAN, &s.CHWX, &s.CHEXP}) {
            Fill(*list);
        }
        for (int g = 0; g < 4; ++g) {
            UsableGroupRecord& group = s.UsableChGroup[g];
            group.Enable = Bool();
            group.TxTot = Bool();
            group.PriorityCh = g == 3 ? Int(-70000, 70000) : (OneIn(8) ? -1 : Int(0, 65535));
            group.StatusName = Name(6);
            Fill(group.ExpChGroup);
        }
        s.CommonSetup = {Int(0, 255),  Bool(),      Int(0, 255), Bool(), Bool(),
                         Int(-31, 31), Int(0, 255), Int(0, 255), Bool()};
        Fill(s.DscBasicSetup.DscChGroup);
        s.DscBasicSetup.UserMmsi = Digits(10);
        Fill(s.DscBasicSetup.PosRequest);
        Fill(s.DscBasicSetup.PosRequestTX);
        Fill(s.DscBasicSetup.BeepOut);
        DscAdvancedSetupRecord& a = s.DscAdvancedSetup;
        for (auto* flags : {&a.AllShipsCall, &a.AllShipsCallTX, &a.GroupCall, &a.GroupCallTX,
                            &a.IndividualCall, &a.IndividualCallTX}) {
            Fill(*flags);
        }
        Fill(s.DscDisplaySetup);
        s.AutoPosSetup.MENUDISPLAY = Bool();
        for (AutoPosEntry& entry : s.AutoPosSetup.Entry) {
            const int selectCalls[] = {0, 1, 2, 255};
            entry = {Digits(10), Bool(), Bool(), Int(0, 65535), Int(0, 255), selectCalls[Int(0, 3)],
                     Int(0, 255)};
        }
        Fill(s.AtisCommon.AtisChGroup);
        Fill(s.AtisCommon.AtisKillerChGroup);
        s.AtisCommon.AtisCode = Digits(10);
        for (AtisCallSignEntry& entry : s.AtisCallSign) {
            entry = {Name(5), Name(5)};
        }
        Fill(s.CHMMSID);
        Fill(s.CHGRPID);
    }

private:
    std::mt19937 random_;
};

// What the radio's memory keeps of each field, written out rule by rule.
bool IsName(char c) {
    return nameCharacters.find(c) != std::string::npos;
}

std::string StoredName(const std::string& text, std::size_t length) {
    std::string kept;
    for (std::size_t i = 0; i < std::min(length, text.size()) && IsName(text[i]); ++i) {
        kept += text[i];
    }
    kept.erase(kept.find_last_not_of(' ') + 1);
    return kept;
}

std::string StoredCallSign(const std::string& text) {
    const std::string lastThree = (std::string(3, ' ') + text).substr(text.size());
    std::string kept;
    for (const char c : lastThree) {
        if (IsName(c) && c != ' ' && c != ',') {
            kept += c;
        }
    }
    return kept;
}

std::string StoredDigits(const std::string& text, bool isMmsi) {
    if (text.find_first_not_of(' ') == std::string::npos) {
        return "";
    }
    std::string nibbles = (text + std::string(10, ' ')).substr(0, 10);
    if (isMmsi && nibbles.find_first_not_of("0123456789") != std::string::npos) {
        nibbles[9] = '0'; // a whole ten digits go in as they are
    }
    return nibbles.substr(0, nibbles.find_first_not_of("0123456789"));
}

double StoredFrequency(double megahertz) {
    return megahertz <= 100 ? 0 : std::round(megahertz * 10000) / 10000;
}

void StoreList(std::vector<ChannelRecord>& list, bool plan, bool exp) {
    for (ChannelRecord& r : list) {
        r.ChTag = StoredName(r.ChTag, 16);
        if (!plan && !exp) {
            continue; // weather: only the name
        }
        r.LowPower = r.LowPower && r.TxEnable;
        r.Scramble &= 7;
        if (exp) {
            const std::string right =
                r.CHDisplayR.empty() ? " " : r.CHDisplayR.substr(r.CHDisplayR.size() - 1);
            r.CHDisplayL = StoredName((r.CHDisplayL + "  ").substr(0, 2), 2);
            r.CHDisplayR = StoredName(right, 1);
            r.Rxfreq = StoredFrequency(r.Rxfreq);
            r.Txfreq = StoredFrequency(r.Txfreq);
        }
    }
}

template <std::size_t N> void StoreDirectory(std::array<DirectoryRecord, N>& directory) {
    bool ended = false;
    for (DirectoryRecord& entry : directory) {
        entry.Mmsid = StoredDigits(entry.Mmsid, true);
        ended = ended || entry.Mmsid.empty();
        entry = ended ? DirectoryRecord{}
                      : DirectoryRecord{true, StoredName(entry.TagName, 11), entry.Mmsid};
    }
}

SettingsRecord Stored(SettingsRecord s) {
    const std::vector<ChannelRecord>* groupLists[] = {&s.CHUSA, &s.CHINT, &s.CHCAN, &s.CHEXP};
    for (int g = 0; g < 4; ++g) {
        UsableGroupRecord& group = s.UsableChGroup[g];
        group.Enable = group.Enable && std::any_of(groupLists[g]->begin(), groupLists[g]->end(),
                                                   [](const auto& r) { return r.Enable; });
        group.StatusName = StoredName(group.StatusName, 4);
        if (g < 3 && group.PriorityCh < 0) {
            group.PriorityCh = 65535;
        }
    }
    s.CommonSetup.OffsetTime = std::clamp(s.CommonSetup.OffsetTime, -31, 31);
    s.DscBasicSetup.UserMmsi = StoredDigits(s.DscBasicSetup.UserMmsi, true);
    for (AutoPosEntry& entry : s.AutoPosSetup.Entry) {
        entry.MMSI = StoredDigits(entry.MMSI, true);
        entry.CHANNEL &= 0x7FFF;
    }
    s.AtisCommon.AtisCode = StoredDigits(s.AtisCommon.AtisCode, false);
    for (AtisCallSignEntry& entry : s.AtisCallSign) {
        entry = {StoredCallSign(entry.MID), StoredCallSign(entry.DISP)};
    }
    for (auto* list : {&s.CHUSA, &s.CHINT, &s.CHCAN}) {
        StoreList(*list, true, false);
    }
    StoreList(s.CHWX, false, false);
    StoreList(s.CHEXP, false, true);
    StoreDirectory(s.CHMMSID);
    StoreDirectory(s.CHGRPID);
    return s;
}

// What the image does not carry comes out of the decoder as the record it decodes into held it.
SettingsRecord DecodedInto(SettingsRecord s, const SettingsRecord& target) {
    for (auto list : {&SettingsRecord::CHUSA, &SettingsRecord::CHINT, &SettingsRecord::CHCAN,
                      &SettingsRecord::CHWX, &SettingsRecord::CHEXP}) {
        for (std::size_t i = 0; i < (s.*list).size(); ++i) {
            ChannelRecord& r = (s.*list)[i];
            const ChannelRecord& t = (target.*list)[i];
            r.Position = t.Position;
            r.DuplexCapable = t.DuplexCapable;
            r.DisplayA = t.DisplayA;
            r.RxOnly = t.RxOnly;
            if (list == &SettingsRecord::CHEXP) {
                r.Duplex = t.Duplex;
            } else if (list == &SettingsRecord::CHWX) {
                r = ChannelRecord{
                    t.Position, r.Enable,     t.LowPower,   t.PowUp,  t.Duplex,   t.DuplexCapable,
                    t.TxEnable, t.DisplayA,   r.ScanMemory, r.ChTag,  t.Scramble, t.RxOnly,
                    t.Narrow,   t.CHDisplayL, t.CHDisplayR, t.Txfreq, t.Rxfreq};
            } else {
                r.Narrow = t.Narrow;
                r.CHDisplayL = t.CHDisplayL;
                r.CHDisplayR = t.CHDisplayR;
                r.Txfreq = t.Txfreq;
                r.Rxfreq = t.Rxfreq;
            }
        }
    }
    s.UsableChGroup[GroupExp].PriorityCh = target.UsableChGroup[GroupExp].PriorityCh;
    for (int g = 0; g < GroupExp; ++g) {
        s.UsableChGroup[g].ExpChGroup = target.UsableChGroup[g].ExpChGroup;
    }
    s.CommonSetup.DualWatch = target.CommonSetup.DualWatch;
    for (const int i : {0, 1}) {
        s.DscBasicSetup.PosRequestTX[i] = target.DscBasicSetup.PosRequestTX[i];
        AutoPosEntry& entry = s.AutoPosSetup.Entry[i];
        if (entry.SELECTCALL != 0 && entry.SELECTCALL != 1) {
            entry.LASTADDRESS = target.AutoPosSetup.Entry[i].LASTADDRESS;
        }
    }
    s.DscBasicSetup.BeepOut[7] = target.DscBasicSetup.BeepOut[7];
    return s;
}

Image RandomImage(unsigned seed) {
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> byte(0, 255);
    Image image;
    for (std::uint8_t& value : image) {
        value = static_cast<std::uint8_t>(byte(random));
    }
    return image;
}

ModelState KnownModel(unsigned seed) {
    const std::vector<int> models = CatalogueModelTypes();
    return ModelOf(models[seed % models.size()]);
}

// The decoder writes into a record of other random values, so that a field it skips keeps a
// value that shows; a failure names the list, the record and the field.
TEST(RoundTripTest, RecordEncodedThenDecodedLosesOnlyWhatTheImageCannotHold) {
    for (unsigned seed = 1; seed <= Iterations; ++seed) {
        SCOPED_TRACE(::testing::Message() << "seed " << seed);
        RadioData data = DataWithPlans(0x00);
        data.MemoryImage = RandomImage(seed);
        RandomSettings(seed).Fill(data.Settings);
        const SettingsRecord stored = Stored(data.Settings);
        const Image before = data.MemoryImage;

        RadioData unknownModel = data; // no group check, but the same bytes left alone
        ASSERT_TRUE(EncodeImage(unknownModel, ModelOf(9)).Ok);
        EXPECT_EQ(ForeignBitChanges(before, unknownModel.MemoryImage), std::vector<int>{});

        const Outcome result = EncodeImage(data, KnownModel(seed));
        ASSERT_TRUE(result.Ok) << result.LogDetail;
        EXPECT_EQ(ForeignBitChanges(before, data.MemoryImage), std::vector<int>{});
        RandomSettings(seed + 5000).Fill(data.Settings);
        const SettingsRecord expected = DecodedInto(stored, data.Settings);
        DecodeImage(data, KnownModel(seed));
        EXPECT_EQ(test::RecordDifferences(data.Settings, expected), std::vector<std::string>{});
    }
}

// A read programmed back without an edit sends the radio exactly what it gave: no field is
// written in the program's own spelling of a value the radio holds in another.
TEST(RoundTripTest, ImageDecodedAndEncodedAgainKeepsEveryByte) {
    for (unsigned seed = 1; seed <= Iterations; ++seed) {
        SCOPED_TRACE(::testing::Message() << "seed " << seed);
        RadioData data = DataWithPlans(0x00);
        data.MemoryImage = RandomImage(seed + 2000);
        const Image original = data.MemoryImage;
        const ModelState model = KnownModel(seed);

        DecodeImage(data, model);
        ASSERT_TRUE(EncodeImage(data, model).Ok);
        EXPECT_EQ(test::ChangedAddresses(original, data.MemoryImage), std::vector<int>{});
    }
}

} // namespace
} // namespace tq58
