#include "editor/GroupCaptions.h"

namespace tq58 {

namespace {

const std::string& StatusNameOf(const SettingsRecord& settings, int group) {
    return settings.UsableChGroup.at(static_cast<std::size_t>(group)).StatusName;
}

} // namespace

Phrase GroupTitle(int group) {
    if (group == GroupExp) {
        return Phrase{TQ58_PHRASE("Captions", "EXP CH Group"), {}};
    }
    return Phrase{TQ58_PHRASE("Captions", "Group%1"), {std::to_string(group + 1)}};
}

Phrase StatusTitle(const SettingsRecord& settings, int group) {
    const std::string& name = StatusNameOf(settings, group);
    if (name.empty()) {
        return GroupTitle(group);
    }
    if (group == GroupExp) {
        return Phrase{TQ58_PHRASE("Captions", "EXP CH Group[%1]"), {name}};
    }
    return Phrase{TQ58_PHRASE("Captions", "Group%1[%2]"), {std::to_string(group + 1), name}};
}

std::string StatusCaption(const SettingsRecord& settings, int group) {
    return StatusTitle(settings, group).English();
}

std::string PlanName(int group) {
    static const std::string names[] = {TQ58_TEXT("Captions", "USA"), TQ58_TEXT("Captions", "INTL"),
                                        TQ58_TEXT("Captions", "CANADA"),
                                        TQ58_TEXT("Captions", "EXP")};
    return names[static_cast<std::size_t>(group)];
}

std::string DscGroupNameLabel(const SettingsRecord& settings, int group) {
    const std::string& name = StatusNameOf(settings, group);
    return name.empty() ? std::string() : "[" + name + "]";
}

} // namespace tq58
