#include "model/NewData.h"

#include "model/ChannelPlans.h"
#include "model/Decoder.h"
#include "model/ModelCatalogue.h"

#include <charconv>
#include <initializer_list>
#include <sstream>

namespace tq58 {

namespace {

struct DefaultBytes {
    int address;
    std::initializer_list<std::uint8_t> bytes;
};

// Factory values written over a blank image, in this order.
const DefaultBytes FixedDefaults[] = {
    {0x0002, {0x00}},
    {0x0020, {0x00}},
    {0x0021, {0x00}},       // start channel group USA
    {0x0022, {0x00}},       // start mode: channel
    {0x0023, {0x00, 0x1E}}, // start channel number 30
    {0x0025, {0x00, 0x1E}}, // its second copy
    {0x0027, {0x00}},       // start weather channel index 0
    {0x0028, {0x00}},       // TX Po Display 0
    {0x0029, {0x00, 0x00}},
    {0x002E, {0x00}},
    {0x002F, {0x00}}, // rotary beep off
    {0x0035, {0x03}}, // resume time 3
    {0x0036, {0x00}}, // TX TOT off for all groups
    {0x003C, {0xFF}},
    {0x003D, {0x00, 0x00}},
    {0x0046, {0x00, 0x20, 0x00, 0x20, 0x00, 0x20}}, // priority channel 32 for each plan
    {0x004D, {0x00}},
    {0x0050, {0x00, 0x00, 0x00, 0x00, 0x00, 0x00}},
    {0x0060, {0x00, 0x00}},
    {0x00C5, {'R', 'a', 'd', 'i', 'o'}},
    {0x00D5, {'R', 'a', 'm', '1'}},
    {0x00E5, {'R', 'a', 'm', '2'}},
    {0x00F5, {'C', 'P'}},
    {0x0190, {0xFF, 0xFF, 0xFF, 0xFF, 0xFF}}, // no user MMSI
    {0x0195, {0x00}},                         // MMSI-entered count
    {0x0196, {0xFF, 0xFF, 0xFF, 0xFF, 0xFF}}, // no ATIS code
    {0x019B, {0xFF}},                         // all ATIS and ATIS killer groups on
    {0x019C, {0xFF}},                         // ATIS mode
    {0x01A0, {0x60}},                         // all ships call: urgency and safety
    {0x01A1, {0x10}},                         // group call: routine
    {0x01A2, {0x10}},                         // individual call: routine
    {0x01A3, {0xAC}},
    {0x01A4, {0xFE}},
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

constexpr int ExpRecordsFirst = 0x0E00;
constexpr int ExpRecordsLast = 0x11FF;

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
    for (int address = ExpRecordsFirst; address <= ExpRecordsLast; ++address) {
        image[address] = 0x00;
    }
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
        const int code = ModelCodeOf(model.ModelType);
        WriteWord(data.MemoryImage, 0x0000, code);
        WriteWord(data.MemoryImage, ImageSize - 2, code);
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
