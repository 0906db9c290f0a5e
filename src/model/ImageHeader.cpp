#include "model/ImageHeader.h"

#include "model/FieldCodec.h"
#include "model/ImageLayout.h"

namespace tq58 {

namespace {

constexpr int StartGroup = 0x21;
constexpr int StartMode = 0x22;
constexpr int StartChannel = 0x23;
constexpr int StartChannelCopy = 0x25;
constexpr int StartWeather = 0x27;
constexpr int GroupChannelLists = 0x100; // + 32 per group: 8 words
constexpr int AtisMode = 0x19C;
constexpr int FirstExpStartChannel = 240;
constexpr int LastStartChannel = 279;

enum StartModes { ChannelMode = 0, WeatherMode = 1 };

bool BitmapHas(const Image& image, int bitmap, int index) {
    return GetBit(image[bitmap + index / 8], 7 - index % 8) == 1;
}

bool GroupUsable(const Image& image, int group) {
    return image[UsableGroupFlags + 16 * group] != 0;
}

const std::vector<ChannelRecord>& GroupList(const SettingsRecord& settings, int group) {
    const std::vector<ChannelRecord>* lists[] = {&settings.CHUSA, &settings.CHINT, &settings.CHCAN};
    return *lists[group];
}

// A start group that is not usable moves to the next usable one.
int UsableStartGroup(const Image& image, int group) {
    const bool usable[] = {GroupUsable(image, 0), GroupUsable(image, 1), GroupUsable(image, 2)};
    if (group < 0 || group > 2 || usable[group]) {
        return group;
    }
    const int order[3][2] = {{1, 2}, {2, 0}, {0, 1}};
    for (int candidate : order[group]) {
        if (usable[candidate]) {
            return candidate;
        }
    }
    return group;
}

void PrepareStartChannel(Image& image, const SettingsRecord& settings) {
    image[StartGroup] = static_cast<std::uint8_t>(UsableStartGroup(image, image[StartGroup]));
    const int channel =
        ChooseStartChannel(image, settings, ReadWord(image, StartChannel), image[StartGroup]);
    if (channel >= 0) {
        WriteWord(image, StartChannel, channel);
        WriteWord(image, StartChannelCopy, channel);
    }
}

void PrepareStartWeather(Image& image, const SettingsRecord& settings) {
    const int index = ChooseWeatherChannel(image, settings, image[StartWeather]);
    if (index >= 0) {
        image[StartWeather] = static_cast<std::uint8_t>(index);
        WriteWord(image, StartChannel, index);
    }
}

void BlankUnusableListEntries(Image& image) {
    for (int group = 0; group < 3; ++group) {
        for (int entry = 0; entry < 8; ++entry) {
            const int address = GroupChannelLists + 32 * group + 2 * entry;
            if (!IsChannelUsable(image, ReadWord(image, address), group)) {
                WriteWord(image, address, 0xFFFF);
            }
        }
    }
}

bool AtisCallSignsEmpty(const Image& image) {
    std::uint8_t all = 0xFF;
    for (int j = 1; j <= 32; ++j) {
        for (int i = 0; i < 3; ++i) {
            all &= image[AtisCallSigns + 8 * j + i];
        }
    }
    return all == 0xFF;
}

// Per group: 0 ATIS off, 1 on without call signs, 2 on with call signs.
void PrepareAtisMode(Image& image) {
    const int withSigns = AtisCallSignsEmpty(image) ? 1 : 2;
    std::uint8_t mode = 0;
    for (int group = 0; group < 4; ++group) {
        const int field = GetBit(image[AtisGroupBits], 7 - group) == 1 ? withSigns : 0;
        SetBits(mode, 2, 7 - 2 * group, field);
    }
    image[AtisMode] = mode;
}

bool IsBlankText(const std::string& text) {
    return text.find_first_not_of(' ') == std::string::npos;
}

} // namespace

int FirstEnabled(const std::vector<ChannelRecord>& list, int firstIndex) {
    for (std::size_t i = 0; i < list.size(); ++i) {
        if (list[i].Enable) {
            return static_cast<int>(i) + firstIndex;
        }
    }
    return -1;
}

bool IsChannelUsable(const Image& image, int channel, int group) {
    if (channel < 0 || channel > LastStartChannel) {
        return false;
    }
    if (channel < FirstExpStartChannel) {
        return group >= 0 && group <= 2 && GroupUsable(image, group) &&
               BitmapHas(image, PlanListLayouts[group].enableBitmap, channel);
    }
    return GroupUsable(image, 3) &&
           BitmapHas(image, ExpListLayout.enableBitmap, channel - FirstExpStartChannel);
}

int ChooseStartChannel(const Image& image, const SettingsRecord& settings, int channel, int group) {
    if (group < 0 || group > 2) {
        return -1;
    }
    if (IsChannelUsable(image, channel, group)) {
        return channel;
    }
    const int first = FirstEnabled(GroupList(settings, group));
    return first >= 0 ? first : FirstEnabled(settings.CHEXP, 1);
}

int ChooseWeatherChannel(const Image& image, const SettingsRecord& settings, int index) {
    if (index < 0 || index > 9 || BitmapHas(image, WxListLayout.enableBitmap, index)) {
        return index;
    }
    return FirstEnabled(settings.CHWX);
}

void PrepareImageHeader(Image& image, const SettingsRecord& settings) {
    if (image[StartMode] == ChannelMode) {
        PrepareStartChannel(image, settings);
    } else if (image[StartMode] == WeatherMode) {
        PrepareStartWeather(image, settings);
    }
    BlankUnusableListEntries(image);
    PrepareAtisMode(image);
    image[MmsiEnteredCountAddress] = MmsiEnteredCount(settings);
}

std::uint8_t MmsiEnteredCount(const SettingsRecord& settings) {
    return IsBlankText(settings.DscBasicSetup.UserMmsi) ? 0 : 1;
}

std::uint8_t HeaderChecksum(const Image& image, int first, int count) {
    unsigned sum = 0;
    for (int i = 0; i < count; ++i) {
        sum += image[first + i];
    }
    return static_cast<std::uint8_t>(sum % 256);
}

Outcome PrepareOutgoingImage(RadioData& data, const ModelState& model) {
    Outcome result = EncodeImage(data, model);
    if (result.Ok) {
        PrepareImageHeader(data.MemoryImage, data.Settings);
        data.MemoryImage[HeaderChecksumAddress] =
            HeaderChecksum(data.MemoryImage, HeaderChecksumFirst, HeaderChecksumCount);
    }
    return result;
}

} // namespace tq58
