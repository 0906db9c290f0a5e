#include "program/ModelSelection.h"

#include "files/IniReader.h"
#include "files/ValueText.h"
#include "model/ModelCatalogue.h"

namespace tq58 {

namespace {

std::string ModelSection(int modelType) {
    return "model" + std::to_string(modelType);
}

bool IniFlag(const std::string& globalIni, int modelType, const char* key) {
    return ParseBooleanText(ReadIniValue(globalIni, ModelSection(modelType), key)).value_or(false);
}

} // namespace

std::string GlobalIniPath(const std::string& programFolder) {
    return programFolder + "/global.ini";
}

ModelOffer ReadModelOffer(const std::string& globalIni) {
    ModelOffer offer;
    for (int code = 1; code <= ModelMenuSize; ++code) {
        const std::string use = ReadIniValue(globalIni, ModelSection(code), "use");
        if (use.empty()) {
            break;
        }
        if (ParseDecimal(use) == 1.0) {
            offer.Offered[code - 1] = true;
            offer.ModelType = code;
            ++offer.Count;
        }
    }
    return offer;
}

ModelOffer SelectStartupModel(const std::string& globalIni, const SettingsStore& store) {
    ModelOffer offer = ReadModelOffer(globalIni);
    const auto last = ParseDecimal(store.Read("Settings", "lastmodel", "1"));
    if (last && *last >= 1 && *last < ModelMenuSize && *last == static_cast<int>(*last) &&
        offer.Offered[static_cast<std::size_t>(*last) - 1]) {
        offer.ModelType = static_cast<int>(*last);
    }
    return offer;
}

ModelState ModelStateFor(int modelType, const std::string& globalIni) {
    ModelState model;
    model.ModelType = modelType;
    model.ModelName = ModelNameOf(modelType, UnknownModelName::Unknown);
    model.AtisAvailable = IniFlag(globalIni, modelType, "atis");
    model.ScramblerAvailable = IniFlag(globalIni, modelType, "scrambler");
    return model;
}

void RememberModel(SettingsStore& store, int modelType) {
    store.Write("Settings", "lastmodel", std::to_string(modelType));
}

Phrase ModelChangeQuestion(int menuIndex) {
    return {TQ58_PHRASE("Program", "Do you want to program the %1 series?"),
            {ModelNameOf(menuIndex + 1, UnknownModelName::Unknown)}};
}

std::optional<ModelState> ChangeModel(int menuIndex, const ModelState& current,
                                      const std::string& globalIni, SettingsStore& store) {
    const int modelType = menuIndex + 1;
    if (current.ModelType == modelType) {
        return std::nullopt;
    }
    RememberModel(store, modelType);
    return ModelStateFor(modelType, globalIni);
}

Phrase ProgramTitle(const ModelState& model) {
    return {TQ58_PHRASE("Program", "PC Program for %1"), {model.ModelName}};
}

} // namespace tq58
