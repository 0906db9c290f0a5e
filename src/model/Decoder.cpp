#include "model/Decoder.h"

#include "model/FieldCodec.h"
#include "model/ImageLayout.h"
#include "model/ModelCatalogue.h"

#include <algorithm>

namespace tq58 {

namespace {

bool On(std::uint8_t byte) {
    return byte != 0;
}

bool Bit(std::uint8_t byte, int n) {
    return GetBit(byte, n) == 1;
}

void DecodeUsableGroups(const Image& image, SettingsRecord& settings) {
    for (int g = 0; g < 4; ++g) {
        UsableGroupRecord& group = settings.UsableChGroup[g];
        group.Enable = On(image[UsableGroupFlags + 16 * g]);
        group.TxTot = Bit(image[TxTotBits], 3 - g);
        if (g < GroupExp) {
            group.PriorityCh = ReadWord(image, PriorityChannels + 2 * g);
        }
        group.StatusName = ReadText(image, UsableGroupFlags + 16 * g + 1, 4);
        if (g == GroupExp) {
            for (int i = 0; i < 3; ++i) {
                group.ExpChGroup[i] = Bit(image[ExpRecords], 3 - i);
            }
        }
    }
}

void DecodeCommonSetup(const Image& image, CommonSetupRecord& common) {
    common.TxPoDisplay = image[0x0028];
    common.Scan = On(image[0x0033]);
    common.PttScanClear = On(image[0x0034]);
    common.ResumeTime = image[0x0035];
    const std::uint8_t offset = image[0x002B];
    const int magnitude = offset & 0x1F;
    common.OffsetTime = Bit(offset, 5) ? magnitude : -magnitude;
    common.MagneticVariation = image[0x002D];
    common.WeatherAlert = image[0x0040];
    common.Rotary = On(image[0x002F]);
}

void DecodeDscBasicSetup(const Image& image, DscBasicSetupRecord& dsc) {
    for (int i = 0; i < 4; ++i) {
        dsc.DscChGroup[i] = On(image[0x0180 + i]);
    }
    dsc.UserMmsi = ReadDigits(image, UserMmsiAddress);
    const std::uint8_t basic = image[0x01A3];
    dsc.PosRequest = {Bit(basic, 2), Bit(basic, 3), Bit(basic, 7), Bit(basic, 5)};
    dsc.PosRequestTX[2] = Bit(basic, 6);
    dsc.PosRequestTX[3] = Bit(basic, 4);
    const std::uint8_t beep = image[0x01A4];
    dsc.BeepOut[0] = Bit(beep, 7);
    dsc.BeepOut[1] = Bit(beep, 6);
    dsc.BeepOut[2] = On(image[0x01A7]);
    dsc.BeepOut[3] = On(image[0x01A8]);
    dsc.BeepOut[4] = Bit(beep, 5);
    dsc.BeepOut[5] = On(image[0x01A9]);
    dsc.BeepOut[6] = On(image[0x01AA]);
}

// Call acceptance in bits 7-4, transmit settings in bits 3-0.
void DecodeCallBits(std::uint8_t byte, std::array<bool, 4>& accepted, std::array<bool, 4>& tx) {
    for (int i = 0; i < 4; ++i) {
        accepted[i] = Bit(byte, 7 - i);
        tx[i] = Bit(byte, 3 - i);
    }
}

void DecodeDscAdvancedSetup(const Image& image, DscAdvancedSetupRecord& dsc) {
    DecodeCallBits(image[0x01A0], dsc.AllShipsCall, dsc.AllShipsCallTX);
    DecodeCallBits(image[0x01A1], dsc.GroupCall, dsc.GroupCallTX);
    DecodeCallBits(image[0x01A2], dsc.IndividualCall, dsc.IndividualCallTX);
}

void DecodeDscDisplaySetup(const Image& image, DscDisplaySetupRecord& display) {
    for (int i = 0; i < 3; ++i) {
        display[i] = Bit(image[0x01A4], 3 - i);
    }
}

void DecodeAutoPosSetup(const Image& image, AutoPosSetupRecord& autoPos) {
    autoPos.MENUDISPLAY = On(image[0x0184]);
    for (int i = 0; i < 2; ++i) {
        AutoPosEntry& entry = autoPos.Entry[i];
        const int b = AutoPosEntries + 16 * i;
        entry.ENABLE = On(image[0x01CD + i]);
        entry.CHANNEL = 256 * (image[b] & 0x7F) + image[b + 1];
        entry.INTERVAL = image[b + 2];
        entry.SELECTCALL = image[b + 9];
        if (entry.SELECTCALL == 0 || entry.SELECTCALL == 1) {
            entry.LASTADDRESS = image[0x01C6 + 2 * i + entry.SELECTCALL];
        }
        entry.RCENABLE = On(image[b + 3]);
        entry.MMSI = ReadDigits(image, b + 4);
    }
}

void DecodeAtis(const Image& image, SettingsRecord& settings, const ModelState& model) {
    AtisCommonRecord& atis = settings.AtisCommon;
    const std::uint8_t groups = image[AtisGroupBits];
    for (int i = 0; i < 4; ++i) {
        atis.AtisChGroup[i] = Bit(groups, 7 - i);
    }
    atis.AtisCode = ReadDigits(image, AtisCodeAddress);
    if (IsKnownModel(model.ModelType)) {
        for (int i = 0; i < 4; ++i) {
            atis.AtisKillerChGroup[i] = Bit(groups, 3 - i);
        }
    }
    for (int k = 1; k <= AtisCallSignCount; ++k) {
        const int a = AtisCallSigns + 8 * k;
        settings.AtisCallSign[k - 1].MID = ReadCallSignText(image, a, 3);
        settings.AtisCallSign[k - 1].DISP = ReadCallSignText(image, a + 3, 3);
    }
}

// Transmit power from attribute bits 7-6: 1 low, 3 high, 0 and 2 transmit disabled.
void DecodePower(std::uint8_t attribute, ChannelRecord& record) {
    const int power = GetBits(attribute, 2, 7);
    record.TxEnable = power == 1 || power == 3;
    record.LowPower = power == 1;
}

void DecodeBitmapsAndNames(const Image& image, const ChannelListLayout& layout,
                           std::vector<ChannelRecord>& list) {
    const int count = std::min(static_cast<int>(list.size()), layout.bitmapBytes * 8);
    for (int n = 0; n < count; ++n) {
        list[n].Enable = Bit(image[layout.enableBitmap + n / 8], 7 - n % 8);
    }
    for (int n = 0; n < count; ++n) {
        list[n].ScanMemory = Bit(image[layout.scanBitmap + n / 8], 7 - n % 8);
    }
    const int named = std::min(static_cast<int>(list.size()), layout.slots);
    for (int n = 0; n < named; ++n) {
        list[n].ChTag = ReadText(image, layout.names + 16 * n, 16);
    }
}

void DecodePlanList(const Image& image, const ChannelListLayout& layout, SettingsRecord& settings) {
    std::vector<ChannelRecord>& list = settings.*layout.list;
    DecodeBitmapsAndNames(image, layout, list);
    if (layout.attributes == 0) {
        return;
    }
    const int count = std::min(static_cast<int>(list.size()), layout.slots);
    for (int n = 0; n < count; ++n) {
        const std::uint8_t attribute = image[layout.attributes + 2 * n];
        DecodePower(attribute, list[n]);
        list[n].Duplex = Bit(attribute, 5);
        list[n].PowUp = Bit(attribute, 4);
        list[n].Scramble = GetBits(attribute, 3, 3);
    }
}

template <std::size_t N>
void DecodeDirectory(const Image& image, int base, std::array<DirectoryRecord, N>& directory) {
    for (std::size_t k = 0; k < N; ++k) {
        const int a = base + DirectoryEntrySize * static_cast<int>(k);
        directory[k].Mmsid = ReadDigits(image, a);
        directory[k].TagName = ReadText(image, a + 5, 11);
    }
    // The directory is a packed list: the first entry without an MMSI ends it.
    std::size_t k = 0;
    for (; k < N && !directory[k].Mmsid.empty(); ++k) {
        directory[k].Enable = true;
    }
    for (; k < N; ++k) {
        directory[k] = DirectoryRecord{};
    }
}

} // namespace

void DecodeCommonPart(RadioData& data, const ModelState& model) {
    const Image& image = data.MemoryImage;
    SettingsRecord& settings = data.Settings;
    DecodeUsableGroups(image, settings);
    DecodeCommonSetup(image, settings.CommonSetup);
    DecodeDscBasicSetup(image, settings.DscBasicSetup);
    DecodeDscAdvancedSetup(image, settings.DscAdvancedSetup);
    DecodeDscDisplaySetup(image, settings.DscDisplaySetup);
    DecodeAutoPosSetup(image, settings.AutoPosSetup);
    DecodeAtis(image, settings, model);
}

void DecodeExpChannels(RadioData& data) {
    const Image& image = data.MemoryImage;
    std::vector<ChannelRecord>& list = data.Settings.CHEXP;
    DecodeBitmapsAndNames(image, ExpListLayout, list);
    const int count = std::min(static_cast<int>(list.size()), ExpListLayout.slots);
    for (int n = 0; n < count; ++n) {
        ChannelRecord& record = list[n];
        const int r = ExpRecords + ExpRecordSize * n + 1;
        const std::uint8_t attribute = image[r];
        DecodePower(attribute, record);
        record.PowUp = Bit(attribute, 4);
        record.Scramble = GetBits(attribute, 3, 3);
        record.Narrow = Bit(attribute, 0);
        record.CHDisplayL = ReadText(image, r + 1, 2);
        record.CHDisplayR = ReadText(image, r + 3, 1);
        record.Rxfreq = ReadFrequency(image, r + 4);
        record.Txfreq = ReadFrequency(image, r + 7);
    }
}

void DecodeImage(RadioData& data, const ModelState& model) {
    DecodeCommonPart(data, model);
    for (const ChannelListLayout& layout : PlanListLayouts) {
        DecodePlanList(data.MemoryImage, layout, data.Settings);
    }
    DecodeDirectory(data.MemoryImage, IndividualDirectoryBase, data.Settings.CHMMSID);
    DecodeDirectory(data.MemoryImage, GroupDirectoryBase, data.Settings.CHGRPID);
    DecodeExpChannels(data);
}

} // namespace tq58
