#include "support/RandomRecords.h"

#include "model/SetupFields.h"

#include <algorithm>
#include <cmath>
#include <random>

namespace tq58::test {

namespace {

const std::string nameCharacters =
    "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz -+().*/,";
const std::string foreignCharacters = "_#@!:\xE9\xFF";

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

FieldValue StoredValue(const SetupField& field, const FieldValue& value) {
    switch (field.Form) {
    case FieldForm::Word:
        return {value.Number < 0 ? 65535 : value.Number, {}};
    case FieldForm::Word15:
        return {value.Number & 0x7FFF, {}};
    case FieldForm::OffsetTime:
        return {std::clamp(value.Number, -31L, 31L), {}};
    case FieldForm::Mmsi:
    case FieldForm::Code:
        return {0, StoredDigits(value.Text, field.Form == FieldForm::Mmsi)};
    case FieldForm::Text:
        return {0, StoredName(value.Text, field.Width)};
    case FieldForm::CallSign:
        return {0, StoredCallSign(value.Text)};
    default:
        return value;
    }
}

// The fields a list's records keep beyond those the decoder takes from the target.
void StoreList(std::vector<ChannelRecord>& list) {
    for (ChannelRecord& r : list) {
        const std::string right =
            r.CHDisplayR.empty() ? " " : r.CHDisplayR.substr(r.CHDisplayR.size() - 1);
        r.ChTag = StoredName(r.ChTag, 16);
        r.LowPower = r.LowPower && r.TxEnable;
        r.Scramble &= 7;
        r.CHDisplayL = StoredName((r.CHDisplayL + "  ").substr(0, 2), 2);
        r.CHDisplayR = StoredName(right, 1);
        r.Rxfreq = StoredFrequency(r.Rxfreq);
        r.Txfreq = StoredFrequency(r.Txfreq);
    }
}

template <std::size_t N> void StoreDirectory(std::array<DirectoryRecord, N>& directory) {
    bool ended = false;
    for (DirectoryRecord& entry : directory) {
        entry.Mmsid = StoredDigits(entry.Mmsid, true);
        ended = ended || entry.Mmsid.empty();
        entry = ended ? DirectoryRecord{}
                      : DirectoryRecord{.Enable = true,
                                        .TagName = StoredName(entry.TagName, 11),
                                        .Mmsid = entry.Mmsid};
    }
}

class Generator {
public:
    explicit Generator(unsigned seed) : random_(seed) {}

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

    template <std::size_t N> void FillFlags(std::array<bool, N>& flags) {
        for (bool& flag : flags) {
            flag = Bool();
        }
    }

    void FillList(std::vector<ChannelRecord>& list) {
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

    template <std::size_t N> void FillDirectory(std::array<DirectoryRecord, N>& directory) {
        const int used = Int(0, N);
        for (int k = 0; k < static_cast<int>(N); ++k) {
            const bool inUse = k < used;
            directory[k].Enable = OneIn(20) ? !inUse : inUse;
            directory[k].Mmsid = inUse || OneIn(20) ? Digits(10) : "";
            directory[k].TagName = directory[k].Enable || OneIn(5) ? Name(14) : "";
        }
    }

    // Each setting of the description gets a value of its form; small numbers often, so that a
    // selector picks its byte. The members the image does not carry get values too, so that a
    // decoder that skips them shows.
    void FillSetup(SettingsRecord& s) {
        for (UsableGroupRecord& group : s.UsableChGroup) {
            FillFlags(group.ExpChGroup);
        }
        s.UsableChGroup[GroupExp].PriorityCh = Int(-70000, 70000);
        FillFlags(s.DscBasicSetup.PosRequestTX);
        FillFlags(s.DscBasicSetup.BeepOut);
        for (AutoPosEntry& entry : s.AutoPosSetup.Entry) {
            entry.LASTADDRESS = Int(0, 255);
        }
        for (const SetupField& field : SetupFields()) {
            for (int i = 0; i < field.Times; ++i) {
                field.Member.Set(s, i, Value(field));
            }
        }
    }

    FieldValue Value(const SetupField& field) {
        switch (field.Form) {
        case FieldForm::FlagByte:
        case FieldForm::Bits:
        case FieldForm::NotStored:
            return {Int(0, (1 << field.Width) - 1), {}};
        case FieldForm::Byte:
        case FieldForm::SelectedByte:
            return {OneIn(3) ? Int(0, 2) : Int(0, 255), {}};
        case FieldForm::Word:
            return {OneIn(8) ? -1 : Int(0, 65535), {}};
        case FieldForm::Word15:
            return {Int(0, 65535), {}};
        case FieldForm::OffsetTime:
            return {Int(-31, 31), {}};
        case FieldForm::Mmsi:
        case FieldForm::Code:
            return {0, Digits(10)};
        case FieldForm::Text:
            return {0, Name(field.Width + 2)};
        case FieldForm::CallSign:
            return {0, Name(5)};
        }
        return {};
    }

    void Fill(SettingsRecord& s) {
        for (auto* list : {&s.CHUSA, &s.CHINT, &s.CHCAN, &s.CHWX, &s.CHEXP}) {
            FillList(*list);
        }
        FillSetup(s);
        FillDirectory(s.CHMMSID);
        FillDirectory(s.CHGRPID);
    }

private:
    int Int(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }
    bool Bool() { return Int(0, 1) == 1; }
    bool OneIn(int n) { return Int(1, n) == 1; }

    std::mt19937 random_;
};

} // namespace

Image RandomImage(unsigned seed) {
    std::mt19937 random(seed);
    Image image;
    for (std::uint8_t& byte : image) {
        const unsigned kind = random() % 4;
        byte = static_cast<std::uint8_t>(kind == 0 ? 0x00 : kind == 1 ? 0xFF : random() & 0xFF);
    }
    return image;
}

SettingsRecord RandomSettings(unsigned seed, SettingsRecord base) {
    Generator(seed).Fill(base);
    return base;
}

SettingsRecord Stored(SettingsRecord s) {
    const std::vector<ChannelRecord>* groupLists[] = {&s.CHUSA, &s.CHINT, &s.CHCAN, &s.CHEXP};
    for (int g = 0; g < 4; ++g) {
        UsableGroupRecord& group = s.UsableChGroup[g];
        group.Enable = group.Enable && std::any_of(groupLists[g]->begin(), groupLists[g]->end(),
                                                   [](const auto& r) { return r.Enable; });
    }
    for (const SetupField& field : SetupFields()) {
        for (int i = 0; i < field.Times; ++i) {
            field.Member.Set(s, i, StoredValue(field, field.Member.Get(s, i)));
        }
    }
    for (auto* list : {&s.CHUSA, &s.CHINT, &s.CHCAN, &s.CHWX, &s.CHEXP}) {
        StoreList(*list);
    }
    StoreDirectory(s.CHMMSID);
    StoreDirectory(s.CHGRPID);
    return s;
}

SettingsRecord DecodedInto(const SettingsRecord& written, const SettingsRecord& target) {
    SettingsRecord s = Stored(written);
    for (auto list : {&SettingsRecord::CHUSA, &SettingsRecord::CHINT, &SettingsRecord::CHCAN,
                      &SettingsRecord::CHWX, &SettingsRecord::CHEXP}) {
        for (std::size_t i = 0; i < (s.*list).size(); ++i) {
            ChannelRecord& r = (s.*list)[i];
            const ChannelRecord& t = (target.*list)[i];
            if (list == &SettingsRecord::CHWX) {
                ChannelRecord weather = t; // the image holds only these
                weather.Enable = r.Enable;
                weather.ScanMemory = r.ScanMemory;
                weather.ChTag = r.ChTag;
                r = weather;
                continue;
            }
            r.Position = t.Position;
            r.DuplexCapable = t.DuplexCapable;
            r.DisplayA = t.DisplayA;
            r.RxOnly = t.RxOnly;
            if (list == &SettingsRecord::CHEXP) {
                r.Duplex = t.Duplex;
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

} // namespace tq58::test
