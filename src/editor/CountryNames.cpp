#include "editor/CountryNames.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace tq58 {

namespace {

constexpr std::array<const char*, 74> TranslatedCountries{
    TQ58_TEXT("Countries", "Albania"),
    TQ58_TEXT("Countries", "Antigua and Barbuda"),
    TQ58_TEXT("Countries", "Aruba"),
    TQ58_TEXT("Countries", "Australia"),
    TQ58_TEXT("Countries", "Austria"),
    TQ58_TEXT("Countries", "Bahamas"),
    TQ58_TEXT("Countries", "Barbados"),
    TQ58_TEXT("Countries", "Belgium"),
    TQ58_TEXT("Countries", "Bermuda"),
    TQ58_TEXT("Countries", "Brazil"),
    TQ58_TEXT("Countries", "British Virgin Islands"),
    TQ58_TEXT("Countries", "Bulgaria"),
    TQ58_TEXT("Countries", "Canada"),
    TQ58_TEXT("Countries", "Cape Verde"),
    TQ58_TEXT("Countries", "Cayman Islands"),
    TQ58_TEXT("Countries", "Croatia"),
    TQ58_TEXT("Countries", "Curacao"),
    TQ58_TEXT("Countries", "Cyprus"),
    TQ58_TEXT("Countries", "Czech Republic"),
    TQ58_TEXT("Countries", "Denmark"),
    TQ58_TEXT("Countries", "Egypt"),
    TQ58_TEXT("Countries", "Estonia"),
    TQ58_TEXT("Countries", "Faroe Islands"),
    TQ58_TEXT("Countries", "Finland"),
    TQ58_TEXT("Countries", "France"),
    TQ58_TEXT("Countries", "French Polynesia"),
    TQ58_TEXT("Countries", "Germany"),
    TQ58_TEXT("Countries", "Gibraltar"),
    TQ58_TEXT("Countries", "Greece"),
    TQ58_TEXT("Countries", "Greenland"),
    TQ58_TEXT("Countries", "Grenada"),
    TQ58_TEXT("Countries", "Guadeloupe"),
    TQ58_TEXT("Countries", "Hungary"),
    TQ58_TEXT("Countries", "Iceland"),
    TQ58_TEXT("Countries", "Ireland"),
    TQ58_TEXT("Countries", "Israel"),
    TQ58_TEXT("Countries", "Italy"),
    TQ58_TEXT("Countries", "Japan"),
    TQ58_TEXT("Countries", "Latvia"),
    TQ58_TEXT("Countries", "Liechtenstein"),
    TQ58_TEXT("Countries", "Lithuania"),
    TQ58_TEXT("Countries", "Luxembourg"),
    TQ58_TEXT("Countries", "Malta"),
    TQ58_TEXT("Countries", "Marshall Islands"),
    TQ58_TEXT("Countries", "Martinique"),
    TQ58_TEXT("Countries", "Mexico"),
    TQ58_TEXT("Countries", "Monaco"),
    TQ58_TEXT("Countries", "Montenegro"),
    TQ58_TEXT("Countries", "Morocco"),
    TQ58_TEXT("Countries", "Netherlands"),
    TQ58_TEXT("Countries", "New Caledonia"),
    TQ58_TEXT("Countries", "New Zealand"),
    TQ58_TEXT("Countries", "Norway"),
    TQ58_TEXT("Countries", "Panama"),
    TQ58_TEXT("Countries", "Poland"),
    TQ58_TEXT("Countries", "Portugal"),
    TQ58_TEXT("Countries", "Portugal (Azores)"),
    TQ58_TEXT("Countries", "Portugal (Madeira)"),
    TQ58_TEXT("Countries", "Romania"),
    TQ58_TEXT("Countries", "Russia"),
    TQ58_TEXT("Countries", "Saint Lucia"),
    TQ58_TEXT("Countries", "Saint Vincent and the Grenadines"),
    TQ58_TEXT("Countries", "Slovenia"),
    TQ58_TEXT("Countries", "South Africa"),
    TQ58_TEXT("Countries", "Spain"),
    TQ58_TEXT("Countries", "Sweden"),
    TQ58_TEXT("Countries", "Switzerland"),
    TQ58_TEXT("Countries", "Tunisia"),
    TQ58_TEXT("Countries", "Turkey"),
    TQ58_TEXT("Countries", "Ukraine"),
    TQ58_TEXT("Countries", "United Kingdom"),
    TQ58_TEXT("Countries", "US Virgin Islands"),
    TQ58_TEXT("Countries", "USA"),
    TQ58_TEXT("Countries", "USA (Alaska)"),
};

} // namespace

Phrase CountryName(const std::string& englishName) {
    const auto found = std::ranges::find(TranslatedCountries, std::string_view(englishName));
    return found == TranslatedCountries.end() ? Verbatim(englishName)
                                              : Phrase{"Countries", *found, {}};
}

} // namespace tq58
