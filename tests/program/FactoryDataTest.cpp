// Checks the program folder that the build fills, where the tests run: "global.ini" and the
// factory default images.

#include "files/ImageFile.h"
#include "program/Destinations.h"
#include "program/ModelSelection.h"
#include "support/TestModels.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace tq58 {
namespace {

using test::Rv7200A;
using test::Rv7700A;
using test::Rv7700AM;

const std::string ProgramFolder = std::filesystem::current_path().string();

RadioData LoadDestination(const ModelState& model, const std::string& destination) {
    RadioData data;
    NewData(data, model);
    EXPECT_TRUE(
        FileReadIni(DefaultImagePath(ProgramFolder, destination, model.ModelType), data, model).Ok)
        << destination;
    return data;
}

TEST(FactoryData, GlobalIniOffersBothModelsWithTheirCapabilities) {
    const std::string ini = GlobalIniPath(ProgramFolder);
    const ModelOffer offer = ReadModelOffer(ini);
    EXPECT_EQ(offer.Count, 2);
    EXPECT_TRUE(offer.Offered[0] && offer.Offered[1]);
    for (const int model : {1, 2, 11}) {
        EXPECT_EQ(ModelStateFor(model, ini).AtisAvailable, model != 1) << model;
        EXPECT_EQ(ModelStateFor(model, ini).ScramblerAvailable, model != 1) << model;
    }
}

TEST(FactoryData, EveryDefaultImageLoadsForItsModelAndMayTransmitOnEveryExpRecord) {
    for (const ModelState& model : {Rv7200A(), Rv7700A(), Rv7700AM()}) {
        const std::vector<std::string> names = ListDestinationNames(ProgramFolder, model.ModelType);
        EXPECT_GE(names.size(), 3u) << model.ModelName;
        for (const std::string& name : names) {
            const RadioData data = LoadDestination(model, name);
            EXPECT_TRUE(IsImageOfModel(data.MemoryImage, model.ModelType)) << name;
            for (int k = 0; k < ExpChannelCount; ++k) {
                EXPECT_EQ(data.MemoryImage[0x0E01 + 16 * k] >> 6, 3) << name << k;
                EXPECT_TRUE(data.Settings.CHEXP[k].TxEnable) << name << k;
                EXPECT_FALSE(data.Settings.CHEXP[k].Enable) << name << k;
            }
        }
    }
    EXPECT_EQ(ListDestinationNames(ProgramFolder, 11),
              (std::vector<std::string>{"CAN-M", "INTL-M", "USA-M"}));
}

TEST(FactoryData, DestinationsDifferInTheirUsableGroupsAndStartGroup) {
    const RadioData usa = LoadDestination(Rv7700A(), "USA");
    const RadioData intl = LoadDestination(Rv7700A(), "INTL");
    const RadioData can = LoadDestination(Rv7700A(), "CAN");
    constexpr int StartGroupAddress = 0x0021;
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

} // namespace
} // namespace tq58
