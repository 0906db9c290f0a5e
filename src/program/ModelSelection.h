#pragma once

#include "model/ModelState.h"
#include "model/Outcome.h"
#include "model/Phrase.h"
#include "program/SettingsStore.h"

#include <array>
#include <optional>
#include <string>

namespace tq58 {

constexpr int ModelMenuSize = 10;

// The models "global.ini" offers: item N - 1 of the Model menu stands for model code N.
struct ModelOffer {
    std::array<bool, ModelMenuSize> Offered{};
    int Count = 0;
    int ModelType = 0; // the chosen model; 0 when nothing is offered

    bool EditMenuVisible() const { return Count >= 2; }
};

std::string GlobalIniPath(const std::string& programFolder);

// Which models the installation offers; the scan ends at the first section without "use".
ModelOffer ReadModelOffer(const std::string& globalIni);

// Start-up: the offered models, with the stored "lastmodel" chosen when it is offered and
// the highest offered model otherwise.
ModelOffer SelectStartupModel(const std::string& globalIni, const SettingsStore& store);

// Name and capabilities of a model: the catalogue's, less those its "global.ini" section
// switches off; an absent key switches its capability off.
ModelState ModelStateFor(int modelType, const std::string& globalIni);

// The same, for work that must not go on without them (the command line writes files and
// programs radios with no window to show what is missing): a "global.ini" that cannot be
// read, holds no text, or lacks the model's section, "atis" or "scrambler" (a file cut short,
// a binary or a folder in its place) is a failure whose detail names the file and why.
Outcome ReadModelCapabilities(int modelType, const std::string& globalIni, ModelState& model);

// A model change is remembered at once for the next start.
void RememberModel(SettingsStore& store, int modelType);

// The question before a change to the model of Model menu item index.
Phrase ModelChangeQuestion(int menuIndex);

// The Model menu's command for item index: the new model with its capabilities, remembered;
// absent when the item stands for the model already selected.
std::optional<ModelState> ChangeModel(int menuIndex, const ModelState& current,
                                      const std::string& globalIni, SettingsStore& store);

// "PC Program for " and the model's name: the title of the program's messages and window.
Phrase ProgramTitle(const ModelState& model);

} // namespace tq58
