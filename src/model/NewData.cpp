#include "model/NewData.h"

#include "model/ChannelPlans.h"
#include "model/Decoder.h"
#include "model/ImageLayout.h"
#include "model/ModelCatalogue.h"
#include "model/SetupCodec.h"

#include <algorithm>
#include <charconv>
#include <initializer_list>
#include <sstream>

namespace tq58 {

namespace {

struct DefaultBytes {
    int address;
    std::initializer_list<std::uint8_t> bytes;
};

// Factory bytes that no setting of the setup block owns, written over a blank image before the
// settings' own factory values.
const DefaultBytes FixedDefaults[] = {
    {0x0002, {0x00}},
    {0x0020, {0x00}},
    {0x0021, {0x00}},       // start channel group USA
    {0x0022, {0x00}},       // start mode: channel
    {0x0023, {0x00, 0x1E}}, // start channel number 30
    {0x0025, {0x00, 0x1E}}, // its second copy
    {0x0027, {0x00}},       // start weather channel index 0
    {0x0029, {0x00, 0x00}},
    {0x002E, {0x00}},
    {0x0036, {0x00}}, // bits 7-4; bits 3-0 are the TX TOT settings
    {0x003C, {0xFF}},
    {0x003D, {0x00, 0x00}},
    {0x004D, {0x00}},
    {0x0050, {0x00, 0x00, 0x00, 0x00, 0x00, 0x00}},
    {0x0060, {0x00, 0x00}},
    {0x00C5, {'R', 'a', 'd', 'i', 'o'}},
    {0x00D5, {'R', 'a', 'm', '1'}},
    {0x00E5, {'R', 'a', 'm', '2'}},
    {0x00F5, {'C', 'P'}},
    {0x0195, {0x00}}, // MMSI-entered count
    {0x019C, {0xFF}}, // ATIS mode
    {0x01A3, {0x00}}, // bits 1-0; the others are POS request settings
    {0x01A4, {0x10}}, // bits 4 and 0; the others are beep and display settings
    {0x01BB, {0x00}},
    {0x01C0, {0x00, 0x00}},
    {0x0294, {0, 0, 0, 0, 0, 0, 0, 0}}, // no EXP channel in use
    {0x0394, {0, 0, 0, 0, 0, 0, 0, 0}}, // nor in scan memory
};

constexpr const char* LevelTableA = "00,93,AE,C0,C8,D2,DB,E1,E4,EA,ED,F0,F6,F9,FC,FF";
constexpr const char* LevelTableB = "00,08,1C,30,43,57,6B,7B,8C,9C,AA,BC,CB,D8,E0,FF";
constexpr const char* LevelTableC = "00,00,10,20,30,40,50,60,70,80,90,A0,B0,C0,D0,FF";

struct LevelTablePlace {
    int address;
    const char* table;
};

constexpr LevelTablePlace LevelTables[] = {{0x0430, LevelTableA},
                                           {0x0440, LevelTableA},
                                           {0x0450, LevelTableB},
                                           {0x0490, LevelTableC},
                                           {0x04A0, LevelTableA}};

void WriteFixedDefaults(Image& image) {
    for (const DefaultBytes& item : FixedDefaults) {
        int address = item.address;
        for (std::uint8_t byte : item.bytes) {
            image[address++] = byte;
        }
    }
    for (const LevelTablePlace& place : LevelTables) {
        WriteLevelTable(image, place.address, place.table);
    }
    std::fill_n(image.begin() + ExpRecords, ExpChannelCount * ExpRecordSize, 0x00);
}

} // namespace

void FillImage(RadioData& data) {
    data.MemoryImage.fill(BlankByte);
    data.ImageLastAddress = ImageSize - 1;
}

void WriteLevelTable(Image& image, int address, const std::string& text) {
    std::vector<int> values;
    std::istringstream pieces(text);
    std::string piece;
    while (std::getline(pieces, piece, ',')) {
        int value = -1;
        const char* end = piece.data() + piece.size();
        const auto [stop, error] = std::from_chars(piece.data(), end, value, 16);
        if (error != std::errc{} || stop != end || value < 0 || value > 255) {
            return;
        }
        values.push_back(value);
    }
    if (values.size() != 16) {
        return;
    }
    for (int i = 0; i < 16; ++i) {
        image[address + i] = static_cast<std::uint8_t>(values[i]);
    }
}

void MakeDefaultImage(RadioData& data, const ModelState& model) {
    if (IsKnownModel(model.ModelType)) {
        FillImage(data);
        WriteFixedDefaults(data.MemoryImage);
        SettingsRecord factory;
        SetFactoryValues(factory);
        EncodeSetupFields(data.MemoryImage, factory, false);
        const int code = ModelCodeOf(model.ModelType);
        WriteWord(data.MemoryImage, ModelCodeAddress, code);
        WriteWord(data.MemoryImage, ModelCodeCopyAddress, code);
    }
    DecodeCommonPart(data, model);
}

Outcome NewData(RadioData& data, const ModelState& model,
                const DefaultImageLoader& loadModelDefaults) {
    SettingsRecord& settings = data.Settings;
    BuildPlan(settings.CHUSA, PlanKind::Usa);
    BuildPlan(settings.CHINT, PlanKind::International);
    BuildPlan(settings.CHCAN, PlanKind::Canada);
    BuildWxList(settings.CHWX);
    ResetDirectory(settings.CHMMSID);
    ResetDirectory(settings.CHGRPID);
    MakeDefaultImage(data, model);
    DecodeExpChannels(data);
    Outcome result = EncodeImage(data, model, HeldValues::Rewrite);
    if (result.Ok && loadModelDefaults) {
        loadModelDefaults(data);
    }
    return result;
}

} // namespace tq58
