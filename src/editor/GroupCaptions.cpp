#include "editor/GroupCaptions.h"

namespace tq58 {

namespace {

const std::string& StatusNameOf(const SettingsRecord& settings, int group) {
    return settings.UsableChGroup.at(static_cast<std::size_t>(group)).StatusName;
}

} // namespace

std::string GroupCaption(int group) {
    return group == GroupExp ? "EXP CH Group" : "Group" + std::to_string(group + 1);
}

std::string StatusCaption(const SettingsRecord& settings, int group) {
    const std::string& name = StatusNameOf(settings, group);
    return name.empty() ? GroupCaption(group) : GroupCaption(group) + "[" + name + "]";
}

std::string PlanName(int group) {
    static const std::string names[] = {"USA", "INTL", "CANADA", "EXP"};
    return names[static_cast<std::size_t>(group)];
}

std::string DscGroupNameLabel(const SettingsRecord& settings, int group) {
    return "[" + StatusNameOf(settings, group) + "]";
}

} // namespace tq58
