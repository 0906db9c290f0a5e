#include "model/ModelCatalogue.h"

#include <algorithm>
#include <cctype>
#include <cstdio>

namespace tq58 {

namespace {

struct CatalogueEntry {
    int modelType;
    const char* name;
    int imageCode;
    const char* suffixPrefix; // before the image code in default-image file names
    ModelCapabilities capabilities;
};

constexpr CatalogueEntry Catalogue[] = {
    {1, "RV7200A", 7200, "_", {.Atis = false, .Scrambler = false}},
    {2, "RV7700A", 7700, "_", {.Atis = true, .Scrambler = true}},
    {11, "RV7700AM", 7700, "-M_", {.Atis = true, .Scrambler = true}},
};

const CatalogueEntry* Find(int modelType) {
    for (const CatalogueEntry& entry : Catalogue) {
        if (entry.modelType == modelType) {
            return &entry;
        }
    }
    return nullptr;
}

bool SameIgnoringCase(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::toupper(static_cast<unsigned char>(x)) ==
               std::toupper(static_cast<unsigned char>(y));
    });
}

} // namespace

std::vector<int> CatalogueModelTypes() {
    std::vector<int> types;
    for (const CatalogueEntry& entry : Catalogue) {
        types.push_back(entry.modelType);
    }
    return types;
}

ModelCapabilities CapabilitiesOf(int modelType) {
    const CatalogueEntry* entry = Find(modelType);
    return entry ? entry->capabilities : ModelCapabilities{};
}

std::string ModelNameOf(int modelType, UnknownModelName form) {
    if (const CatalogueEntry* entry = Find(modelType)) {
        return entry->name;
    }
    return form == UnknownModelName::Unknown ? "Unknown model" : "";
}

int ModelCodeOf(int modelType) {
    const CatalogueEntry* entry = Find(modelType);
    return entry ? entry->imageCode : 0;
}

std::optional<int> ModelTypeOfCode(int code) {
    const auto entry =
        std::find_if(std::begin(Catalogue), std::end(Catalogue),
                     [code](const CatalogueEntry& e) { return e.imageCode == code; });
    return entry == std::end(Catalogue) ? std::nullopt : std::optional<int>(entry->modelType);
}

std::string ModelFileSuffix(int modelType) {
    const CatalogueEntry* entry = Find(modelType);
    if (!entry) {
        return "";
    }
    char code[8];
    std::snprintf(code, sizeof code, "%04X", entry->imageCode);
    return std::string(entry->suffixPrefix) + code;
}

bool IsKnownModel(int modelType) {
    return Find(modelType) != nullptr;
}

std::optional<int> ParseModel(std::string_view text) {
    for (const CatalogueEntry& entry : Catalogue) {
        if (SameIgnoringCase(text, entry.name) || text == std::to_string(entry.modelType)) {
            return entry.modelType;
        }
    }
    return std::nullopt;
}

} // namespace tq58
