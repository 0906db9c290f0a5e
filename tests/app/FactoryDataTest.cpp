// Checks the program folder that the build fills: "global.ini" and the factory default
// images. The tests run in that folder.

#include "app/Destinations.h"
#include "app/ModelSelection.h"
#include "files/ImageFile.h"
#include "support/TestModels.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace tq58 {
namespace {

using test::Rv7200A;
using test::Rv7700A;
using test::Rv7700AM;

const std::string ProgramFolder = std::filesystem::current_path().string();

constexpr int StartGroupAddress = 0x0021;
constexpr int ExpAttributes = 0x0E01;

RadioData LoadDestination(const ModelState& model, const std::string& destination) {
    RadioData data;
    NewData(data, model);
    EXPECT_TRUE(
        FileReadIni(DefaultImagePath(ProgramFolder, destination, model.ModelType), data, model))
        << destination;
    return data;
}

TEST(FactoryData, GlobalIniOffersBothModelsWithTheirCapabilities) {
    const std::string ini = GlobalIniPath(ProgramFolder);
    const ModelOffer offer = ReadModelOffer(ini);
    EXPECT_EQ(offer.Count, 2);
    EXPECT_TRUE(offer.Offered[0]);
    EXPECT_TRUE(offer.Offered[1]);
    const ModelState small = ModelStateFor(1, ini);
    EXPECT_FALSE(small.AtisAvailable);
    EXPECT_FALSE(small.ScramblerAvailable);
    const ModelState large = ModelStateFor(2, ini);
    EXPECT_TRUE(large.AtisAvailable);
    EXPECT_TRUE(large.ScramblerAvailable);
    EXPECT_TRUE(ModelStateFor(11, ini).AtisAvailable);
}

TEST(FactoryData, EveryDefaultImageLoadsForItsModel) {
    for (const ModelState& model : {Rv7200A(), Rv7700A(), Rv7700AM()}) {
        const std::vector<std::string> names = ListDestinationNames(ProgramFolder, model.ModelType);
        EXPECT_GE(names.size(), 3u) << model.ModelName;
        for (const std::string& name : names) {
            const RadioData data = LoadDestination(model, name);
            EXPECT_TRUE(IsImageOfModel(data.MemoryImage, model.ModelType)) << name;
        }
    }
    EXPECT_EQ(ListDestinationNames(ProgramFolder, 11),
              (std::vector<std::string>{"CAN-M", "INTL-M", "USA-M"}));
}

TEST(FactoryData, DestinationsDifferInTheirUsableGroupsAndStartGroup) {
    const RadioData usa = LoadDestination(Rv7700A(), "USA");
    const RadioData intl = LoadDestination(Rv7700A(), "INTL");
    const RadioData can = LoadDestination(Rv7700A(), "CAN");
    EXPECT_EQ(usa.MemoryImage[StartGroupAddress], GroupUsa);
    EXPECT_EQ(intl.MemoryImage[StartGroupAddress], GroupIntl);
    EXPECT_EQ(can.MemoryImage[StartGroupAddress], GroupCanada);
    EXPECT_TRUE(usa.Settings.UsableChGroup[GroupUsa].Enable);
    EXPECT_FALSE(intl.Settings.UsableChGroup[GroupUsa].Enable);
    EXPECT_FALSE(intl.Settings.UsableChGroup[GroupCanada].Enable);
    EXPECT_TRUE(intl.Settings.UsableChGroup[GroupIntl].Enable);
    EXPECT_TRUE(can.Settings.UsableChGroup[GroupCanada].Enable);
    EXPECT_TRUE(usa.Settings.CHWX[0].Enable);
    EXPECT_FALSE(intl.Settings.CHWX[0].Enable);
}

TEST(FactoryData, EveryExpRecordMayTransmitOnceItIsMade) {
    for (const ModelState& model : {Rv7200A(), Rv7700A()}) {
        const RadioData data = LoadDestination(model, "USA");
        for (int k = 0; k < ExpChannelCount; ++k) {
            EXPECT_EQ(data.MemoryImage[ExpAttributes + 16 * k] >> 6, 3) << k;
            EXPECT_TRUE(data.Settings.CHEXP[k].TxEnable);
            EXPECT_FALSE(data.Settings.CHEXP[k].Enable);
        }
    }
}

} // namespace
} // namespace tq58
