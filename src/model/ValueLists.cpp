#include "model/ValueLists.h"

#include "model/OffsetTimeText.h"
#include "model/Phrase.h"

#include <algorithm>
#include <initializer_list>

namespace tq58 {

namespace {

std::vector<ListItem> Indexed(std::initializer_list<const char*> texts) {
    std::vector<ListItem> items;
    for (const char* text : texts) {
        items.push_back({text, static_cast<int>(items.size())});
    }
    return items;
}

std::vector<ListItem> OffsetTimes() {
    std::vector<ListItem> items;
    for (int halfHours = -MaxOffsetHalfHours; halfHours <= MaxOffsetHalfHours; ++halfHours) {
        items.push_back({OffsetText(halfHours), halfHours});
    }
    return items;
}

} // namespace

std::vector<ListItem> ListItems(ValueList list) {
    switch (list) {
    case ValueList::OffOn:
        //: A setting switched off; also the first item of a list of times (no resume time).
        return Indexed({TQ58_TEXT("Lists", "Off"), TQ58_TEXT("Lists", "On")});
    case ValueList::Power:
        return Indexed({TQ58_TEXT("Lists", "Low"), TQ58_TEXT("Lists", "Hi")});
    case ValueList::TxPoDisplay:
        //: The transmit power a channel starts with: low power only.
        return Indexed({TQ58_TEXT("Lists", "Lo Po Only"),
                        TQ58_TEXT("Lists", "Lo Po on Changing CH"),
                        TQ58_TEXT("Lists", "Last TX Po")});
    case ValueList::ResumeTime:
        return Indexed({TQ58_TEXT("Lists", "Off"), TQ58_TEXT("Lists", "1Sec"),
                        TQ58_TEXT("Lists", "2Sec"), TQ58_TEXT("Lists", "3Sec"),
                        TQ58_TEXT("Lists", "4Sec"), TQ58_TEXT("Lists", "5Sec")});
    case ValueList::WeatherAlert:
        return Indexed({TQ58_TEXT("Lists", "Off"), TQ58_TEXT("Lists", "On Wx"),
                        TQ58_TEXT("Lists", "On Scan"), TQ58_TEXT("Lists", "Wx and Scan")});
    case ValueList::MagneticVariation:
        return Indexed({TQ58_TEXT("Lists", "True"), TQ58_TEXT("Lists", "Mag")});
    case ValueList::OffsetTime:
        return OffsetTimes();
    }
    return {};
}

bool IsListed(ValueList list, int value) {
    const std::vector<ListItem> items = ListItems(list);
    return std::any_of(items.begin(), items.end(),
                       [value](const ListItem& item) { return item.Data == value; });
}

} // namespace tq58
