#include "program/ModelSelection.h"

#include "files/IniReader.h"
#include "files/ValueText.h"
#include "files/WholeFile.h"
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
    const ModelCapabilities capable = CapabilitiesOf(modelType);
    model.AtisAvailable = capable.Atis && IniFlag(globalIni, modelType, "atis");
    model.ScramblerAvailable = capable.Scrambler && IniFlag(globalIni, modelType, "scrambler");
    return model;
}

Outcome ReadModelCapabilities(int modelType, const std::string& globalIni, ModelState& model) {
    std::string text;
    if (const Outcome read = ReadWholeFile(globalIni, text); !read.Ok) {
        return read;
    }
    const std::string section = ModelSection(modelType);
    const std::string unknown = ", so the " + ModelNameOf(modelType, UnknownModelName::Unknown) +
                                "'s ATIS and scrambler are unknown";
    const auto refused = [&globalIni, &unknown](const std::string& reason) {
        return Outcome::Failure({}, MessageIcon::Critical, {}, globalIni + ": " + reason + unknown);
    };
    if (text.find_first_not_of(" \t\r\n\xEF\xBB\xBF") == std::string::npos) {
        return refused("the file is empty");
    }
    ModelState found;
    found.ModelType = modelType;
    found.ModelName = ModelNameOf(modelType, UnknownModelName::Unknown);
    const ModelCapabilities capable = CapabilitiesOf(modelType);
    bool* const flags[] = {&found.AtisAvailable, &found.ScramblerAvailable};
    const bool catalogued[] = {capable.Atis, capable.Scrambler};
    const char* const keys[] = {"atis", "scrambler"};
    for (std::size_t i = 0; i < std::size(keys); ++i) {
        const std::optional<std::string> value = FindIniValueInText(text, section, keys[i]);
        const std::optional<bool> flag = value ? ParseBooleanText(*value) : std::nullopt;
        if (!flag) {
            return refused(
                "[" + section + "] " +
                (value ? std::string(keys[i]) + "=" + *value + " is not 0, 1, True or False"
                       : "has no " + std::string(keys[i]) + "="));
        }
        *flags[i] = catalogued[i] && *flag;
    }
    model = found;
    return Outcome::Success();
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
