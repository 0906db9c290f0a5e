// Checks the program folder that the build fills, where the tests run: "global.ini" and the
// factory default images.

#include "editor/SettingLists.h"
#include "files/ImageFile.h"
#include "program/Destinations.h"
#include "program/ModelSelection.h"
#include "support/TestModels.h"

#include <algorithm>
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
    EXPECT_TRUE(NewData(data, model).Ok);
    EXPECT_TRUE(
        FileReadIni(DefaultImagePath(ProgramFolder, destination, model.ModelType), data, model, {})
            .Ok)
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

// Each destination starts in its own group; USA, INTL and CAN and their RV7700AM forms.
TEST(FactoryData, EveryDefaultImageLoadsForItsModelStartsInItsGroupAndMayTransmitOnExp) {
    const std::pair<const char*, int> startGroups[] = {
        {"USA", GroupUsa}, {"INTL", GroupIntl}, {"CAN", GroupCanada}};
    for (const ModelState& model : {Rv7200A(), Rv7700A(), Rv7700AM()}) {
        const std::string suffix = model.ModelType == 11 ? "-M" : "";
        for (const auto& [destination, group] : startGroups) {
            const std::string name = destination + suffix;
            const RadioData data = LoadDestination(model, name);
            EXPECT_TRUE(IsImageOfModel(data.MemoryImage, model.ModelType)) << name;
            EXPECT_EQ(data.MemoryImage[0x0021], group) << name;
            EXPECT_TRUE(data.Settings.UsableChGroup[group].Enable) << name;
            for (int k = 0; k < ExpChannelCount; ++k) {
                EXPECT_TRUE(data.Settings.CHEXP[k].TxEnable && !data.Settings.CHEXP[k].Enable)
                    << name << k;
            }
        }
        EXPECT_EQ(ListDestinationNames(ProgramFolder, model.ModelType).size(),
                  model.ModelType == 2 ? 6u : 3u);
    }
}

// A fresh configuration shows a choice in every combo box: no setting outside its list.
TEST(FactoryData, EveryListSettingOfEveryDefaultImageIsAnItemOfItsList) {
    for (const ModelState& model : {Rv7200A(), Rv7700A(), Rv7700AM()}) {
        const std::string suffix = model.ModelType == 11 ? "-M" : "";
        for (const std::string destination : {"USA", "INTL", "CAN"}) {
            const std::string name = destination + suffix;
            const SettingsRecord settings = LoadDestination(model, name).Settings;
            const CommonSetupRecord& common = settings.CommonSetup;
            const std::pair<ValueList, int> listed[] = {
                {ValueList::TxPoDisplay, common.TxPoDisplay},
                {ValueList::ResumeTime, common.ResumeTime},
                {ValueList::OffsetTime, common.OffsetTime},
                {ValueList::MagneticVariation, common.MagneticVariation},
                {ValueList::WeatherAlert, common.WeatherAlert}};
            for (const auto& [list, value] : listed) {
                EXPECT_TRUE(IsListed(list, value)) << name << " list " << static_cast<int>(list);
            }
            for (int group = GroupUsa; group <= GroupCanada; ++group) {
                const auto items = PriorityChoices(settings, group);
                EXPECT_TRUE(std::ranges::count(items, settings.UsableChGroup[group].PriorityCh,
                                               &ListItem::Data) == 1)
                    << name << " group " << group;
            }
        }
    }
}

} // namespace
} // namespace tq58
