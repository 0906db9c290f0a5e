// Writes the factory default images of every model and destination into a folder (the
// program folder of a build). Each image is new data with the destination's regional
// settings, prepared exactly as an image that leaves the program.

#include "files/WholeFile.h"
#include "model/ImageHeader.h"
#include "model/ModelCatalogue.h"
#include "model/NewData.h"
#include "model/ValueLists.h"

#include <array>
#include <iostream>
#include <string>

namespace {

using namespace tq58;

constexpr int StartGroupAddress = 0x0021;

struct Region {
    const char* destination;
    std::array<bool, 3> usableGroups; // USA, INTL, Canada
    int startGroup;
    bool weatherChannels;
};

// North American sets keep all three plans with the weather channels; the international set
// offers its own plan alone, where the NOAA weather broadcasts cannot be received.
constexpr Region Regions[] = {
    {"USA", {true, true, true}, GroupUsa, true},
    {"INTL", {false, true, false}, GroupIntl, false},
    {"CAN", {true, true, true}, GroupCanada, true},
};

void ApplyRegion(SettingsRecord& settings, const Region& region) {
    for (std::size_t group = 0; group < region.usableGroups.size(); ++group) {
        settings.UsableChGroup[group].Enable = region.usableGroups[group];
        settings.DscBasicSetup.DscChGroup[group] = region.usableGroups[group];
        settings.AtisCommon.AtisChGroup[group] = region.usableGroups[group];
    }
    for (ChannelRecord& weather : settings.CHWX) {
        weather.Enable = weather.Enable && region.weatherChannels;
        weather.ScanMemory = weather.ScanMemory && region.weatherChannels;
    }
    // An EXP channel made later in the editor transmits once it has a transmit frequency.
    for (ChannelRecord& exp : settings.CHEXP) {
        exp.TxEnable = true;
        exp.LowPower = false;
    }
}

// New data leaves some settings at image bytes nobody wrote, outside their lists: a factory
// image starts them at their list's first item, so that every page shows a choice.
void ListedOrFirst(int& value, ValueList list) {
    if (!IsListed(list, value)) {
        value = ListItems(list).front().Data;
    }
}

void ApplyListedValues(CommonSetupRecord& common) {
    ListedOrFirst(common.TxPoDisplay, ValueList::TxPoDisplay);
    ListedOrFirst(common.ResumeTime, ValueList::ResumeTime);
    ListedOrFirst(common.OffsetTime, ValueList::OffsetTime);
    ListedOrFirst(common.MagneticVariation, ValueList::MagneticVariation);
    ListedOrFirst(common.WeatherAlert, ValueList::WeatherAlert);
}

Outcome FactoryImage(int modelType, const Region& region, std::string& image) {
    ModelState model;
    model.ModelType = modelType;
    model.ModelName = ModelNameOf(modelType, UnknownModelName::Unknown);
    RadioData data;
    if (const Outcome made = NewData(data, model); !made.Ok) {
        return made;
    }
    ApplyRegion(data.Settings, region);
    ApplyListedValues(data.Settings.CommonSetup);
    data.MemoryImage[StartGroupAddress] = static_cast<std::uint8_t>(region.startGroup);
    const Outcome encoded = PrepareOutgoingImage(data, model);
    if (encoded.Ok) {
        image.assign(data.MemoryImage.begin(), data.MemoryImage.end());
    }
    return encoded;
}

bool WriteFactoryImage(const std::string& folder, int modelType, const Region& region) {
    const std::string path =
        folder + "/" + region.destination + ModelFileSuffix(modelType) + ".ini";
    std::string image;
    Outcome outcome = FactoryImage(modelType, region, image);
    if (outcome.Ok) {
        outcome = ReplaceFileContents(path, image);
    }
    if (!outcome.Ok) {
        std::cerr << "make-default-images: " << path << ": " << outcome.LogDetail << "\n";
    }
    return outcome.Ok;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: make-default-images FOLDER\n";
        return 2;
    }
    bool ok = true;
    for (const int modelType : CatalogueModelTypes()) {
        for (const Region& region : Regions) {
            ok = WriteFactoryImage(argv[1], modelType, region) && ok;
        }
    }
    return ok ? 0 : 1;
}
