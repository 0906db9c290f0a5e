#include "editor/RecordChanges.h"

#include <algorithm>
#include <span>

namespace tq58 {

namespace {

template <typename T>
void Compare(RecordSection section, int index, const T& before, const T& after,
             RecordChanges& changes) {
    if (!(before == after)) {
        changes.push_back({{section, index}, before, after});
    }
}

template <typename T>
void CompareEach(RecordSection section, std::span<const T> before, std::span<const T> after,
                 RecordChanges& changes) {
    for (std::size_t i = 0; i < std::min(before.size(), after.size()); ++i) {
        Compare(section, static_cast<int>(i), before[i], after[i], changes);
    }
}

void CompareList(RecordSection section, const std::vector<ChannelRecord>& before,
                 const std::vector<ChannelRecord>& after, RecordChanges& changes) {
    if (before.size() != after.size()) {
        changes.push_back({{section, WholeList}, before, after});
        return;
    }
    CompareEach<ChannelRecord>(section, before, after, changes);
}

std::vector<ChannelRecord>& ListOf(SettingsRecord& settings, RecordSection section) {
    switch (section) {
    case RecordSection::Usa:
        return settings.CHUSA;
    case RecordSection::Intl:
        return settings.CHINT;
    case RecordSection::Canada:
        return settings.CHCAN;
    case RecordSection::Weather:
        return settings.CHWX;
    default:
        return settings.CHEXP;
    }
}

void PutChannel(SettingsRecord& settings, const RecordPart& part, const PartValue& value) {
    std::vector<ChannelRecord>& list = ListOf(settings, part.Section);
    if (part.Index == WholeList) {
        list = std::get<std::vector<ChannelRecord>>(value);
    } else {
        list.at(static_cast<std::size_t>(part.Index)) = std::get<ChannelRecord>(value);
    }
}

template <typename T> void Put(T& target, const PartValue& value) {
    target = std::get<T>(value);
}

void Put(SettingsRecord& settings, const RecordPart& part, const PartValue& value) {
    const auto at = static_cast<std::size_t>(part.Index);
    switch (part.Section) {
    case RecordSection::Usable:
        return Put(settings.UsableChGroup.at(at), value);
    case RecordSection::Common:
        return Put(settings.CommonSetup, value);
    case RecordSection::DscBasic:
        return Put(settings.DscBasicSetup, value);
    case RecordSection::DscAdvanced:
        return Put(settings.DscAdvancedSetup, value);
    case RecordSection::DscDisplay:
        return Put(settings.DscDisplaySetup, value);
    case RecordSection::AutoPos:
        return Put(settings.AutoPosSetup, value);
    case RecordSection::AtisCommon:
        return Put(settings.AtisCommon, value);
    case RecordSection::AtisCallSign:
        return Put(settings.AtisCallSign.at(at), value);
    case RecordSection::Individual:
        return Put(settings.CHMMSID.at(at), value);
    case RecordSection::Group:
        return Put(settings.CHGRPID.at(at), value);
    default:
        return PutChannel(settings, part, value);
    }
}

std::size_t StringBytes(const std::string& text) {
    // Short strings live inside the object; longer ones on the heap.
    return text.capacity() > 15 ? text.capacity() + 1 : 0;
}

std::size_t HeapBytes(const ChannelRecord& channel) {
    return StringBytes(channel.ChTag) + StringBytes(channel.CHDisplayL) +
           StringBytes(channel.CHDisplayR);
}

std::size_t HeapBytes(const PartValue& value) {
    if (const auto* channel = std::get_if<ChannelRecord>(&value)) {
        return HeapBytes(*channel);
    }
    if (const auto* list = std::get_if<std::vector<ChannelRecord>>(&value)) {
        std::size_t bytes = list->capacity() * sizeof(ChannelRecord);
        for (const ChannelRecord& channel : *list) {
            bytes += HeapBytes(channel);
        }
        return bytes;
    }
    if (const auto* entry = std::get_if<DirectoryRecord>(&value)) {
        return StringBytes(entry->TagName) + StringBytes(entry->Mmsid);
    }
    return 0;
}

} // namespace

RecordChanges ChangesBetween(const SettingsRecord& before, const SettingsRecord& after) {
    using S = RecordSection;
    RecordChanges changes;
    CompareList(S::Usa, before.CHUSA, after.CHUSA, changes);
    CompareList(S::Intl, before.CHINT, after.CHINT, changes);
    CompareList(S::Canada, before.CHCAN, after.CHCAN, changes);
    CompareList(S::Weather, before.CHWX, after.CHWX, changes);
    CompareList(S::Exp, before.CHEXP, after.CHEXP, changes);
    CompareEach<UsableGroupRecord>(S::Usable, before.UsableChGroup, after.UsableChGroup, changes);
    Compare(S::Common, 0, before.CommonSetup, after.CommonSetup, changes);
    Compare(S::DscBasic, 0, before.DscBasicSetup, after.DscBasicSetup, changes);
    Compare(S::DscAdvanced, 0, before.DscAdvancedSetup, after.DscAdvancedSetup, changes);
    Compare(S::DscDisplay, 0, before.DscDisplaySetup, after.DscDisplaySetup, changes);
    Compare(S::AutoPos, 0, before.AutoPosSetup, after.AutoPosSetup, changes);
    Compare(S::AtisCommon, 0, before.AtisCommon, after.AtisCommon, changes);
    CompareEach<AtisCallSignEntry>(S::AtisCallSign, before.AtisCallSign, after.AtisCallSign,
                                   changes);
    CompareEach<DirectoryRecord>(S::Individual, before.CHMMSID, after.CHMMSID, changes);
    CompareEach<DirectoryRecord>(S::Group, before.CHGRPID, after.CHGRPID, changes);
    return changes;
}

void ApplyBefore(SettingsRecord& settings, const RecordChanges& changes) {
    for (const PartChange& change : changes) {
        Put(settings, change.Part, change.Before);
    }
}

void ApplyAfter(SettingsRecord& settings, const RecordChanges& changes) {
    for (const PartChange& change : changes) {
        Put(settings, change.Part, change.After);
    }
}

std::size_t HeldBytes(const RecordChanges& changes) {
    std::size_t bytes = changes.capacity() * sizeof(PartChange);
    for (const PartChange& change : changes) {
        bytes += HeapBytes(change.Before) + HeapBytes(change.After);
    }
    return bytes;
}

bool ChangesGroupsInUse(const RecordChanges& changes) {
    return std::any_of(changes.begin(), changes.end(), [](const PartChange& change) {
        return change.Part.Section == RecordSection::Usable;
    });
}

} // namespace tq58
