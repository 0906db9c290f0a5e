#include "model/ValueLists.h"

#include "model/OffsetTimeText.h"

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
        return Indexed({"Off", "On"});
    case ValueList::Power:
        return Indexed({"Low", "Hi"});
    case ValueList::TxPoDisplay:
        return Indexed({"Lo Po Only", "Lo Po on Changing CH", "Last TX Po"});
    case ValueList::ResumeTime:
        return Indexed({"Off", "1Sec", "2Sec", "3Sec", "4Sec", "5Sec"});
    case ValueList::WeatherAlert:
        return Indexed({"Off", "On Wx", "On Scan", "Wx and Scan"});
    case ValueList::MagneticVariation:
        return Indexed({"True", "Mag"});
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
