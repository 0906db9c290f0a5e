#include "model/Encoder.h"

#include "model/FieldCodec.h"
#include "model/ImageLayout.h"
#include "model/ModelCatalogue.h"

#include <algorithm>
#include <cstdlib>

namespace tq58 {

namespace {

int BitOf(bool flag) {
    return flag ? 1 : 0;
}

// Writes fields into the image. With held values kept, a field is written only when the image
// does not already hold its value, so that a value the program reads but never writes that way
// (a flag byte of 0xFF, an offset time beyond the editor's list, bytes after the end of a name)
// reaches the radio as the radio gave it, unless the user changed that very setting. New data
// is written whole, in the program's own form.
struct FieldWriter {
    Image& image;
    bool keepHeld;

    // Whether the field must be written: its value is not what the image holds.
    bool Writes(bool held) const { return !keepHeld || !held; }

    // A flag byte reads non-zero as on and is written as 1 or 0.
    void FlagByte(int address, bool flag) {
        if (Writes((image[address] != 0) == flag)) {
            image[address] = flag ? 1 : 0;
        }
    }
    void Text(int address, const std::string& text, int length) {
        if (Writes(ReadText(image, address, length) == text)) {
            WriteText(image, address, text, length);
        }
    }
    void CallSign(int address, const std::string& text) {
        if (Writes(ReadCallSignText(image, address, 3) == text)) {
            WriteCallSignText(image, address, text);
        }
    }
    // An MMSI gets 0 as its tenth digit, unless it has ten digits: then it came from a radio
    // or a file as the radio holds it.
    void Digits(int address, const std::string& text, bool isMmsi) {
        if (Writes(ReadDigits(image, address) == text)) {
            const bool tenDigits =
                text.size() == 10 && text.find_first_not_of("0123456789") == std::string::npos;
            WriteDigits(image, address, text, isMmsi && !tenDigits);
        }
    }
    void Frequency(int address, double megahertz) {
        if (Writes(ReadFrequency(image, address) == megahertz)) {
            WriteFrequency(image, address, megahertz);
        }
    }
    void Word(int address, long value) {
        if (Writes(ReadWord(image, address) == value)) {
            WriteWord(image, address, value);
        }
    }
};

bool FitsByte(long value) {
    return value >= 0 && value <= 255;
}

std::string ListField(const char* list, std::size_t index, const char* field) {
    return std::string(list) + "[" + std::to_string(index) + "]." + field;
}

std::string FindUnstorableScramble(const SettingsRecord& settings) {
    const std::pair<const char*, const std::vector<ChannelRecord>*> lists[] = {
        {"CHUSA", &settings.CHUSA},
        {"CHINT", &settings.CHINT},
        {"CHCAN", &settings.CHCAN},
        {"CHEXP", &settings.CHEXP}};
    for (const auto& [name, list] : lists) {
        for (std::size_t i = 0; i < list->size(); ++i) {
            if (!FitsByte((*list)[i].Scramble)) {
                return ListField(name, i, "Scramble");
            }
        }
    }
    return "";
}

std::string FindUnstorableFrequency(const std::vector<ChannelRecord>& channels) {
    for (std::size_t i = 0; i < channels.size(); ++i) {
        if (!IsStorableFrequency(channels[i].Rxfreq)) {
            return ListField("CHEXP", i, "Rxfreq");
        }
        if (!IsStorableFrequency(channels[i].Txfreq)) {
            return ListField("CHEXP", i, "Txfreq");
        }
    }
    return "";
}

// A group whose list has no channel in use cannot be usable.
void SwitchOffEmptyGroups(SettingsRecord& settings) {
    const std::vector<ChannelRecord>* lists[] = {&settings.CHUSA, &settings.CHINT, &settings.CHCAN,
                                                 &settings.CHEXP};
    for (int g = 0; g < 4; ++g) {
        const auto& list = *lists[g];
        if (std::none_of(list.begin(), list.end(), [](const auto& c) { return c.Enable; })) {
            settings.UsableChGroup[g].Enable = false;
        }
    }
}

void EncodeUsableGroups(FieldWriter& out, const SettingsRecord& settings) {
    Image& image = out.image;
    for (int g = 0; g < 4; ++g) {
        const UsableGroupRecord& group = settings.UsableChGroup[g];
        out.FlagByte(UsableGroupFlags + 16 * g, group.Enable);
        SetBit(image[TxTotBits], BitOf(group.TxTot), 3 - g);
        if (g < GroupExp) {
            out.Word(PriorityChannels + 2 * g, group.PriorityCh);
        }
        out.Text(UsableGroupFlags + 16 * g + 1, group.StatusName, 4);
    }
    // The group bits are read from EXP channel 1 and written into all 64 channels; while they
    // are unchanged, each channel keeps its own.
    const auto& expGroup = settings.UsableChGroup[GroupExp].ExpChGroup;
    const int groupBits = (expGroup[0] ? 8 : 0) + (expGroup[1] ? 4 : 0) + (expGroup[2] ? 2 : 0);
    if (!out.Writes((image[ExpRecords] & 0x0E) == groupBits)) {
        return;
    }
    for (int j = 0; j < ExpChannelCount; ++j) {
        std::uint8_t& byte = image[ExpRecords + ExpRecordSize * j];
        byte = static_cast<std::uint8_t>((byte & 0xF1) + groupBits);
    }
}

// Sign and magnitude: bits 4-0 the magnitude, bit 5 set for zero or positive.
int DecodedOffsetTime(std::uint8_t byte) {
    const int magnitude = byte & 0x1F;
    return (byte & 0x20) != 0 ? magnitude : -magnitude;
}

// New data keeps the offset time within the editor's list, -24 to 24; otherwise the byte holds
// up to 31 either way, which a radio or a file may bring and which is kept as it came.
void EncodeCommonSetup(FieldWriter& out, CommonSetupRecord& common) {
    Image& image = out.image;
    image[0x0028] = static_cast<std::uint8_t>(common.TxPoDisplay);
    out.FlagByte(0x0033, common.Scan);
    image[0x0035] = static_cast<std::uint8_t>(common.ResumeTime);
    out.FlagByte(0x0034, common.PttScanClear);
    const int limit = out.keepHeld ? MaxStoredOffsetTime : 24;
    common.OffsetTime = std::clamp(common.OffsetTime, -limit, limit);
    if (out.Writes(DecodedOffsetTime(image[0x002B]) == common.OffsetTime)) {
        const int sign = common.OffsetTime >= 0 ? 0x20 : 0;
        image[0x002B] =
            static_cast<std::uint8_t>(std::abs(common.OffsetTime) + sign + (image[0x002B] & 0x80));
    }
    image[0x002D] = static_cast<std::uint8_t>(common.MagneticVariation);
    image[0x0040] = static_cast<std::uint8_t>(common.WeatherAlert);
    out.FlagByte(0x002F, common.Rotary);
}

void EncodeDscBasicSetup(FieldWriter& out, const DscBasicSetupRecord& dsc) {
    Image& image = out.image;
    for (int i = 0; i < 4; ++i) {
        out.FlagByte(0x0180 + i, dsc.DscChGroup[i]);
    }
    out.Digits(UserMmsiAddress, dsc.UserMmsi, true);
    std::uint8_t& basic = image[0x01A3];
    SetBit(basic, BitOf(dsc.PosRequest[0]), 2);
    SetBit(basic, BitOf(dsc.PosRequest[1]), 3);
    SetBit(basic, BitOf(dsc.PosRequest[2]), 7);
    SetBit(basic, BitOf(dsc.PosRequest[3]), 5);
    SetBit(basic, BitOf(dsc.PosRequestTX[2]), 6);
    SetBit(basic, BitOf(dsc.PosRequestTX[3]), 4);
    std::uint8_t& beep = image[0x01A4];
    SetBit(beep, BitOf(dsc.BeepOut[0]), 7);
    SetBit(beep, BitOf(dsc.BeepOut[1]), 6);
    SetBit(beep, BitOf(dsc.BeepOut[4]), 5);
    out.FlagByte(0x01A7, dsc.BeepOut[2]);
    out.FlagByte(0x01A8, dsc.BeepOut[3]);
    out.FlagByte(0x01A9, dsc.BeepOut[5]);
    out.FlagByte(0x01AA, dsc.BeepOut[6]);
}

void EncodeCallBits(std::uint8_t& byte, const std::array<bool, 4>& accepted,
                    const std::array<bool, 4>& tx) {
    for (int i = 0; i < 4; ++i) {
        SetBit(byte, BitOf(accepted[i]), 7 - i);
        SetBit(byte, BitOf(tx[i]), 3 - i);
    }
}

void EncodeDscAdvancedSetup(Image& image, const DscAdvancedSetupRecord& dsc) {
    EncodeCallBits(image[0x01A0], dsc.AllShipsCall, dsc.AllShipsCallTX);
    EncodeCallBits(image[0x01A1], dsc.GroupCall, dsc.GroupCallTX);
    EncodeCallBits(image[0x01A2], dsc.IndividualCall, dsc.IndividualCallTX);
}

void EncodeDscDisplaySetup(Image& image, const DscDisplaySetupRecord& display) {
    for (int i = 0; i < 3; ++i) {
        SetBit(image[0x01A4], BitOf(display[i]), 3 - i);
    }
}

void EncodeAutoPosSetup(FieldWriter& out, const AutoPosSetupRecord& autoPos) {
    Image& image = out.image;
    out.FlagByte(0x0184, autoPos.MENUDISPLAY);
    for (int i = 0; i < 2; ++i) {
        const AutoPosEntry& entry = autoPos.Entry[i];
        const int b = AutoPosEntries + 16 * i;
        out.FlagByte(0x01CD + i, entry.ENABLE);
        if (out.Writes(256 * (image[b] & 0x7F) + image[b + 1] == entry.CHANNEL)) {
            image[b] = static_cast<std::uint8_t>((entry.CHANNEL & 0x7F00) / 256);
            image[b + 1] = static_cast<std::uint8_t>(entry.CHANNEL & 0xFF);
        }
        image[b + 2] = static_cast<std::uint8_t>(entry.INTERVAL);
        image[b + 9] = static_cast<std::uint8_t>(entry.SELECTCALL);
        if (entry.SELECTCALL == 0 || entry.SELECTCALL == 1) {
            image[0x01C6 + 2 * i + entry.SELECTCALL] = static_cast<std::uint8_t>(entry.LASTADDRESS);
        }
        out.FlagByte(b + 3, entry.RCENABLE);
        out.Digits(b + 4, entry.MMSI, true);
    }
}

void EncodeAtis(FieldWriter& out, const SettingsRecord& settings) {
    Image& image = out.image;
    const AtisCommonRecord& atis = settings.AtisCommon;
    for (int i = 0; i < 4; ++i) {
        SetBit(image[AtisGroupBits], BitOf(atis.AtisChGroup[i]), 7 - i);
    }
    out.Digits(AtisCodeAddress, atis.AtisCode, false);
    for (int i = 0; i < 4; ++i) {
        SetBit(image[AtisGroupBits], BitOf(atis.AtisKillerChGroup[i]), 3 - i);
    }
    for (int k = 1; k <= AtisCallSignCount; ++k) {
        const int a = AtisCallSigns + 8 * k;
        out.CallSign(a, settings.AtisCallSign[k - 1].MID);
        out.CallSign(a + 3, settings.AtisCallSign[k - 1].DISP);
    }
}

// One bit per record from the list's first. Bits beyond the list are not the program's and
// keep their values, except in new data: there the byte in which the list ends is written
// whole, and a list ending on a byte boundary also clears the byte after it.
void EncodeBitmap(FieldWriter& out, int address, int bytes, const std::vector<ChannelRecord>& list,
                  bool ChannelRecord::*flag) {
    const int size = static_cast<int>(list.size());
    for (int b = 0; b < bytes; ++b) {
        std::uint8_t& byte = out.image[address + b];
        if (!out.keepHeld) {
            byte = 0;
        }
        for (int m = 0; m < 8 && 8 * b + m < size; ++m) {
            SetBit(byte, BitOf(list[8 * b + m].*flag), 7 - m);
        }
        if (size < 8 * b + 8) {
            break;
        }
    }
}

void EncodeBitmapsAndNames(FieldWriter& out, const ChannelListLayout& layout,
                           const std::vector<ChannelRecord>& list) {
    EncodeBitmap(out, layout.enableBitmap, layout.bitmapBytes, list, &ChannelRecord::Enable);
    EncodeBitmap(out, layout.scanBitmap, layout.bitmapBytes, list, &ChannelRecord::ScanMemory);
    const int named = std::min(static_cast<int>(list.size()), layout.slots);
    for (int n = 0; n < named; ++n) {
        out.Text(layout.names + 16 * n, list[n].ChTag, 16);
    }
}

// Attribute bits 7-6 power, 4 PowUp, 3-1 scrambler code; duplex and narrow are list specific.
// The other bits keep their values, and power 2, which reads as transmit disabled, stays until
// the power is changed; new data builds the byte from 0.
void EncodeAttribute(FieldWriter& out, std::uint8_t& byte, const ChannelRecord& record) {
    if (!out.keepHeld) {
        byte = 0;
    }
    const int power = GetBits(byte, 2, 7);
    const bool powerHeld = (power == 1 || power == 3) == record.TxEnable &&
                           (power == 1) == (record.TxEnable && record.LowPower);
    if (out.Writes(powerHeld)) {
        SetBits(byte, 2, 7, !record.TxEnable ? 0 : record.LowPower ? 1 : 3);
    }
    SetBit(byte, BitOf(record.PowUp), 4);
    SetBits(byte, 3, 3, record.Scramble & 0x07);
}

// A duplex flag on a channel that cannot be duplex only comes from a radio or a file (the
// editor offers none) and goes back as it came; new data has it only where it may.
void EncodePlanList(FieldWriter& out, const ChannelListLayout& layout,
                    const std::vector<ChannelRecord>& list) {
    EncodeBitmapsAndNames(out, layout, list);
    if (layout.attributes == 0) {
        return;
    }
    const int count = std::min(static_cast<int>(list.size()), layout.slots);
    for (int n = 0; n < count; ++n) {
        std::uint8_t& attribute = out.image[layout.attributes + 2 * n];
        EncodeAttribute(out, attribute, list[n]);
        const bool duplex = list[n].Duplex && (out.keepHeld || list[n].DuplexCapable);
        SetBit(attribute, BitOf(duplex), 5);
    }
}

std::string ExpDisplayText(const ChannelRecord& record) {
    std::string left = record.CHDisplayL.substr(0, 2);
    left.resize(2, ' ');
    const char right = record.CHDisplayR.empty() ? ' ' : record.CHDisplayR.back();
    return left + right;
}

void EncodeExpChannels(FieldWriter& out, const std::vector<ChannelRecord>& list) {
    Image& image = out.image;
    EncodeBitmapsAndNames(out, ExpListLayout, list);
    const int count = std::min(static_cast<int>(list.size()), ExpListLayout.slots);
    for (int n = 0; n < count; ++n) {
        const ChannelRecord& record = list[n];
        const int r = ExpRecords + ExpRecordSize * n + 1;
        EncodeAttribute(out, image[r], record);
        SetBit(image[r], BitOf(record.Narrow), 0);
        if (out.Writes(ReadText(image, r + 1, 2) == record.CHDisplayL &&
                       ReadText(image, r + 3, 1) == record.CHDisplayR)) {
            WriteText(image, r + 1, ExpDisplayText(record), 3);
        }
        out.Frequency(r + 4, record.Rxfreq);
        out.Frequency(r + 7, record.Txfreq);
    }
}

// The radio reads a directory up to its first entry without an MMSI: entries after that
// one are not the program's and keep their bytes, and the one that ends the list needs only
// its MMSI blank. New data writes every entry.
template <std::size_t N>
void EncodeDirectory(FieldWriter& out, int base, const std::array<DirectoryRecord, N>& directory) {
    for (std::size_t k = 0; k < N; ++k) {
        const int a = base + DirectoryEntrySize * static_cast<int>(k);
        const DirectoryRecord& entry = directory[k];
        const bool endsList = out.keepHeld && entry.Mmsid.empty();
        if (endsList && entry.TagName.empty() && ReadDigits(out.image, a).empty()) {
            return;
        }
        out.Digits(a, entry.Mmsid, true);
        out.Text(a + 5, entry.TagName, 11);
        if (endsList) {
            return;
        }
    }
}

} // namespace

std::string FindUnstorableField(const SettingsRecord& settings) {
    const CommonSetupRecord& common = settings.CommonSetup;
    const std::pair<const char*, long> plainBytes[] = {
        {"TxPoDisplay", common.TxPoDisplay},
        {"ResumeTime", common.ResumeTime},
        {"MagneticVariation", common.MagneticVariation},
        {"Weater", common.WeatherAlert}};
    for (const auto& [name, value] : plainBytes) {
        if (!FitsByte(value)) {
            return name;
        }
    }
    for (int i = 0; i < 2; ++i) {
        const AutoPosEntry& entry = settings.AutoPosSetup.Entry[i];
        const std::string prefix = "AutoPosSetup.Entry[" + std::to_string(i) + "].";
        if (!FitsByte(entry.INTERVAL)) {
            return prefix + "INTERVAL";
        }
        if (!FitsByte(entry.SELECTCALL)) {
            return prefix + "SELECTCALL";
        }
        const bool lastAddressStored = entry.SELECTCALL == 0 || entry.SELECTCALL == 1;
        if (lastAddressStored && !FitsByte(entry.LASTADDRESS)) {
            return prefix + "LASTADDRESS";
        }
    }
    for (int g = 0; g < GroupExp; ++g) {
        if (settings.UsableChGroup[g].PriorityCh > 65535) {
            return "UsableChGroup[" + std::to_string(g) + "].PriorityCh";
        }
    }
    if (std::string scramble = FindUnstorableScramble(settings); !scramble.empty()) {
        return scramble;
    }
    return FindUnstorableFrequency(settings.CHEXP);
}

Outcome EncodeImage(RadioData& data, const ModelState& model, HeldValues held) {
    SettingsRecord& settings = data.Settings;
    if (const std::string field = FindUnstorableField(settings); !field.empty()) {
        return Outcome::Failure({}, MessageIcon::Exclamation, {}, "cannot store " + field);
    }
    if (IsKnownModel(model.ModelType)) {
        SwitchOffEmptyGroups(settings);
    }
    Image& image = data.MemoryImage;
    FieldWriter out{image, held == HeldValues::Keep};
    EncodeUsableGroups(out, settings);
    EncodeCommonSetup(out, settings.CommonSetup);
    EncodeDscBasicSetup(out, settings.DscBasicSetup);
    EncodeDscAdvancedSetup(image, settings.DscAdvancedSetup);
    EncodeDscDisplaySetup(image, settings.DscDisplaySetup);
    EncodeAutoPosSetup(out, settings.AutoPosSetup);
    EncodeAtis(out, settings);
    for (const ChannelListLayout& layout : PlanListLayouts) {
        EncodePlanList(out, layout, settings.*layout.list);
    }
    EncodeDirectory(out, IndividualDirectoryBase, settings.CHMMSID);
    EncodeDirectory(out, GroupDirectoryBase, settings.CHGRPID);
    EncodeExpChannels(out, settings.CHEXP);
    return Outcome::Success();
}

} // namespace tq58
