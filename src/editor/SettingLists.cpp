#include "editor/SettingLists.h"

#include "model/ChannelTable.h"
#include "model/OffsetTimeText.h"

#include <array>
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

const std::vector<ChannelRecord>& GroupChannels(const SettingsRecord& settings, int group) {
    static const std::array<std::vector<ChannelRecord> SettingsRecord::*, 4> lists{
        &SettingsRecord::CHUSA, &SettingsRecord::CHINT, &SettingsRecord::CHCAN,
        &SettingsRecord::CHEXP};
    return settings.*lists.at(static_cast<std::size_t>(group));
}

std::string PlanLabel(int position) {
    const auto& table = ChannelTable();
    const bool known = position >= 0 && position < static_cast<int>(table.size());
    return known ? table[static_cast<std::size_t>(position)].ChLabel : "?";
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

std::vector<ListItem> PriorityChoices(const SettingsRecord& settings, int group) {
    std::vector<ListItem> items;
    const auto& channels = GroupChannels(settings, group);
    for (std::size_t i = 0; i < channels.size(); ++i) {
        if (!channels[i].Enable) {
            continue;
        }
        if (group == GroupExp) {
            const int number = static_cast<int>(i) + 1;
            items.push_back({"EXP" + std::to_string(number), number});
        } else {
            items.push_back({PlanLabel(channels[i].Position), channels[i].Position});
        }
    }
    return items;
}

} // namespace tq58
