#include "model/Encoder.h"

#include "model/FieldCodec.h"
#include "model/ImageLayout.h"
#include "model/ModelCatalogue.h"
#include "model/SetupCodec.h"

#include <algorithm>

namespace tq58 {

namespace {

int BitOf(bool flag) {
    return flag ? 1 : 0;
}

// Writes channel and directory fields into the image. With held values kept, a field is written
// only when the image does not already hold its value, so that a value the program reads but
// never writes that way (bytes after the end of a name, a flag byte of 0xFF in the setup block)
// reaches the radio as the radio gave it, unless the user changed that very setting. New data
// is written whole, in the program's own form.
struct FieldWriter {
    Image& image;
    bool keepHeld;

    // Whether the field must be written: its value is not what the image holds.
    bool Writes(bool held) const { return !keepHeld || !held; }

    void Text(int address, const std::string& text, int length) {
        if (Writes(ReadText(image, address, length) == text)) {
            WriteText(image, address, text, length);
        }
    }
    void Mmsi(int address, const std::string& text) {
        if (Writes(ReadDigits(image, address) == text)) {
            WriteTypedMmsi(image, address, text);
        }
    }
    void Frequency(int address, double megahertz) {
        if (Writes(ReadFrequency(image, address) == megahertz)) {
            WriteFrequency(image, address, megahertz);
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
        out.Mmsi(a, entry.Mmsid);
        out.Text(a + 5, entry.TagName, 11);
        if (endsList) {
            return;
        }
    }
}

} // namespace

std::string FindUnstorableField(const SettingsRecord& settings) {
    if (std::string setup = FindUnstorableSetupField(settings); !setup.empty()) {
        return setup;
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
    EncodeSetupFields(image, settings, out.keepHeld);
    for (const ChannelListLayout& layout : PlanListLayouts) {
        EncodePlanList(out, layout, settings.*layout.list);
    }
    EncodeDirectory(out, IndividualDirectoryBase, settings.CHMMSID);
    EncodeDirectory(out, GroupDirectoryBase, settings.CHGRPID);
    EncodeExpChannels(out, settings.CHEXP);
    return Outcome::Success();
}

} // namespace tq58
