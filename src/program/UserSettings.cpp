#include "program/UserSettings.h"

#include "files/ValueText.h"

#include <array>
#include <charconv>

namespace tq58 {

namespace {

constexpr std::array<const char*, 4> PlacementKeys{"MainLeft", "MainTop", "MainWidth",
                                                   "MainHeight"};

// A single-precision number in its shortest decimal form, as the settings have always held it.
std::string SingleText(double value) {
    char text[32];
    const auto result = std::to_chars(text, text + sizeof text, static_cast<float>(value));
    return std::string(text, result.ptr);
}

} // namespace

int StoredPortNumber(const SettingsStore& store) {
    const auto value = ParseDecimal(store.Read("ComPath", "ComNum", ""));
    if (!value || *value != static_cast<int>(*value) || *value < 1 || *value > PortCount) {
        return DefaultPortNumber;
    }
    return static_cast<int>(*value);
}

void StorePortNumber(SettingsStore& store, int portNumber) {
    store.Write("ComPath", "ComNum", std::to_string(portNumber));
}

bool StoredHexVisible(const SettingsStore& store) {
    return ParseBooleanText(store.Read("Settings", "hexvisible", "")).value_or(false);
}

bool StoredVerifyAfterProgram(const SettingsStore& store) {
    return ParseBooleanText(store.Read("Settings", "verifyafterprogram", "")).value_or(false);
}

void StoreVerifyAfterProgram(SettingsStore& store, bool verify) {
    store.Write("Settings", "verifyafterprogram", verify ? "True" : "False");
}

std::optional<WindowPlacement> StoredPlacement(const SettingsStore& store) {
    std::array<double, 4> values{};
    for (std::size_t i = 0; i < values.size(); ++i) {
        const auto value = ParseDecimal(store.Read("Settings", PlacementKeys[i], ""));
        if (!value) {
            return std::nullopt;
        }
        values[i] = *value;
    }
    return WindowPlacement{values[0], values[1], values[2], values[3]};
}

void StorePlacement(SettingsStore& store, const WindowPlacement& placement) {
    const std::array<double, 4> values{placement.Left, placement.Top, placement.Width,
                                       placement.Height};
    for (std::size_t i = 0; i < values.size(); ++i) {
        store.Write("Settings", PlacementKeys[i], SingleText(values[i]));
    }
}

} // namespace tq58
