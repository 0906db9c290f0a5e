#pragma once

#include "model/Phrase.h"

#include <string>
#include <vector>

namespace tq58 {

// One item of a setting's combo box and the value it stores.
struct ListItem {
    std::string Text;
    int Data = 0;

    bool operator==(const ListItem&) const = default;
};

// The fixed value lists of the setting pages; the window shows their texts translated
// (context "Lists"), the files keep them in English. Every list but the offset time stores the
// index of its item; a list of two items stores a flag (item 1 = true).
enum class ValueList {
    OffOn,
    Power,
    TxPoDisplay,
    ResumeTime,
    WeatherAlert,
    MagneticVariation,
    OffsetTime, // stores half hours, -24 to +24
};

std::vector<ListItem> ListItems(ValueList list);

// True when one of the list's items stores the value. An image byte the radio never wrote
// (255) is outside every list.
bool IsListed(ValueList list, int value);

// What a person reads for a stored value outside its list: no item is selected.
inline constexpr const char* NotSetText = TQ58_TEXT("Lists", "(not set)");

} // namespace tq58
