#include "model/Decoder.h"

#include "model/FieldCodec.h"
#include "model/ImageLayout.h"
#include "model/ModelCatalogue.h"
#include "model/SetupCodec.h"

#include <algorithm>

namespace tq58 {

namespace {

bool Bit(std::uint8_t byte, int n) {
    return GetBit(byte, n) == 1;
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
    DecodeSetupFields(data.MemoryImage, data.Settings, IsKnownModel(model.ModelType));
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
