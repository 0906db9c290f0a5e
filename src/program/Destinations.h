#pragma once

#include "files/FileMessages.h"
#include "model/ModelState.h"
#include "model/NewData.h"
#include "model/Outcome.h"
#include "model/Phrase.h"
#include "model/RadioData.h"
#include "program/SettingsStore.h"

#include <string>
#include <vector>

namespace tq58 {

constexpr std::size_t DestinationMenuSize = 11;
constexpr std::size_t DestinationNameLimit = 10;

// The Destination menu as data: the window shows Names as its items and checks Checked.
struct DestinationMenu {
    bool Enabled = false;
    std::vector<std::string> Names;
    int Checked = -1;
};

// The upper-cased part of a default image file name before its first "_": USA, USA-M.
std::string DestinationName(const std::string& fileName);

// The names of the program folder's default images of the model: at most ten, sorted
// without regard to case, names that differ only in case shown once.
std::vector<std::string> ListDestinationNames(const std::string& programFolder, int modelType);

// The default image of a destination; a trailing model mark of the name ("-M", from the
// catalogue's file suffixes) is dropped, since the model's own suffix brings it back where it
// belongs.
std::string DefaultImagePath(const std::string& programFolder, const std::string& destination,
                             int modelType);

std::string RememberedDestination(const SettingsStore& store, int modelType);

// Lists the destinations and loads the remembered one's default image over the data; its
// item is checked when the load succeeds.
DestinationMenu BuildDestinationMenu(const std::string& programFolder, const ModelState& model,
                                     const SettingsStore& store, RadioData& data);

// Loads item index's default image. On success the item is checked and remembered; on a
// failure the previously checked item stays checked and "IniFileRead Error!!" is reported, its
// read failure logged under logProcedure.
Outcome ApplyDestination(DestinationMenu& menu, std::size_t index, const std::string& programFolder,
                         const ModelState& model, SettingsStore& store, RadioData& data,
                         const std::string& logProcedure);

// The Destination menu's command: new data without a default image, then ApplyDestination.
Outcome ChangeDestination(DestinationMenu& menu, std::size_t index,
                          const std::string& programFolder, const ModelState& model,
                          SettingsStore& store, RadioData& data, const std::string& logProcedure);

// NewData's last step: rebuilds menu (when given) and loads the remembered destination.
DefaultImageLoader MakeDefaultImageLoader(std::string programFolder, ModelState model,
                                          const SettingsStore& store,
                                          DestinationMenu* menu = nullptr);

inline constexpr const char* IniFileReadErrorMessage = TQ58_TEXT("Files", "IniFileRead Error!!");

} // namespace tq58
