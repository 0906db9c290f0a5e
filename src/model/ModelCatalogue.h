#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tq58 {

// Every model TQ58 knows is in the catalogue with what its radio can do; every list of models
// (menus, the command line's texts, the factory images) is made from it. global.ini offers a
// model in the Model menu and can switch a capability off, not on.

// What a model's radio has beyond what every model has.
struct ModelCapabilities {
    bool Atis = false;
    bool Scrambler = false;
};

// The catalogue's model codes in its order.
std::vector<int> CatalogueModelTypes();
// None for a model outside the catalogue.
ModelCapabilities CapabilitiesOf(int modelType);

// How ModelNameOf names a code outside the catalogue: the Model menu leaves it blank,
// everywhere else it reads "Unknown model".
enum class UnknownModelName { Empty, Unknown };

std::string ModelNameOf(int modelType, UnknownModelName form = UnknownModelName::Empty);
// The 16-bit model code the radio keeps at addresses 0-1 and 32766-32767; 0 for none.
int ModelCodeOf(int modelType);
// The first model whose memory carries the code (RV7700A and RV7700AM share theirs).
std::optional<int> ModelTypeOfCode(int code);
// "_1C20", "_1E14", "-M_1E14"; empty for an unknown model.
std::string ModelFileSuffix(int modelType);
// A model of the catalogue: the codec knows its memory layout.
bool IsKnownModel(int modelType);
// A model given by name (any case) or by code: "RV7700A", "2".
std::optional<int> ParseModel(std::string_view text);

} // namespace tq58
