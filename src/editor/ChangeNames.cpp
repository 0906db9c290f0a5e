#include "editor/ChangeNames.h"

#include "model/ChannelFields.h"
#include "model/ChannelText.h"

#include <algorithm>
#include <array>
#include <span>

namespace tq58 {

namespace {

template <typename T> struct FieldName {
    const char* Name;
    bool Typing;
    bool (*Differs)(const T&, const T&);
};

template <typename T, auto Member> bool Differs(const T& before, const T& after) {
    return !(before.*Member == after.*Member);
}

using U = UsableGroupRecord;
constexpr std::array<FieldName<U>, 5> UsableFields{{
    {TQ58_TEXT("Steps", "%1 enable"), false, Differs<U, &U::Enable>},
    {TQ58_TEXT("Steps", "%1 TOT"), false, Differs<U, &U::TxTot>},
    {TQ58_TEXT("Steps", "%1 priority channel"), false, Differs<U, &U::PriorityCh>},
    {TQ58_TEXT("Steps", "%1 status name"), true, Differs<U, &U::StatusName>},
    {TQ58_TEXT("Steps", "%1 EXP groups"), false, Differs<U, &U::ExpChGroup>},
}};

using D = DirectoryRecord;
constexpr std::array<FieldName<D>, 3> DirectoryFields{{
    {TQ58_TEXT("Steps", "%1 enable"), false, Differs<D, &D::Enable>},
    {TQ58_TEXT("Steps", "%1 name"), true, Differs<D, &D::TagName>},
    {TQ58_TEXT("Steps", "%1 MMSI"), false, Differs<D, &D::Mmsid>},
}};

using A = AtisCallSignEntry;
constexpr std::array<FieldName<A>, 2> CallSignFields{{
    {TQ58_TEXT("Steps", "%1 MID"), true, Differs<A, &A::MID>},
    {TQ58_TEXT("Steps", "%1 display"), true, Differs<A, &A::DISP>},
}};

// The one field that differs, if only one does.
template <typename T>
const FieldName<T>* OnlyField(std::span<const FieldName<T>> fields, const PartChange& change) {
    const T& before = std::get<T>(change.Before);
    const T& after = std::get<T>(change.After);
    const FieldName<T>* found = nullptr;
    for (const FieldName<T>& field : fields) {
        if (field.Differs(before, after)) {
            if (found && std::string_view(found->Name) != field.Name) {
                return nullptr;
            }
            found = &field;
        }
    }
    return found;
}

template <typename T>
ChangeName WithField(const Phrase& part, std::span<const FieldName<T>> fields,
                     const PartChange& change) {
    const FieldName<T>* field = OnlyField(fields, change);
    return field ? ChangeName{{Phrase{"Steps", field->Name, {}, {part}}}, field->Typing}
                 : ChangeName{{part}};
}

// A channel's field names the step when only that field of the channel changed.
ChangeName WithChannelField(const Phrase& part, const PartChange& change) {
    const auto& before = std::get<ChannelRecord>(change.Before);
    const auto& after = std::get<ChannelRecord>(change.After);
    const ChannelFieldInfo* found = nullptr;
    for (const ChannelFieldInfo& field : ChannelFields()) {
        if (!SameChannelField(field, before, after)) {
            if (found || !field.StepName) {
                return {{part}};
            }
            found = &field;
        }
    }
    return found ? ChangeName{{Phrase{"Steps", found->StepName, {}, {part}}}, found->Typing}
                 : ChangeName{{part}};
}

bool IsChannelList(RecordSection section) {
    return section <= RecordSection::Exp;
}

bool IsDirectory(RecordSection section) {
    return section == RecordSection::Individual || section == RecordSection::Group;
}

Phrase ChannelPartName(const PartChange& change) {
    static const char* const WholeLists[] = {
        TQ58_TEXT("Steps", "USA channels"), TQ58_TEXT("Steps", "INTL channels"),
        TQ58_TEXT("Steps", "Canada channels"), TQ58_TEXT("Steps", "WX channels"),
        TQ58_TEXT("Steps", "EXP channels")};
    static const char* const Channels[] = {
        TQ58_TEXT("Steps", "USA %1"), TQ58_TEXT("Steps", "INTL %1"),
        TQ58_TEXT("Steps", "Canada %1"), TQ58_TEXT("Steps", "WX%1"), TQ58_TEXT("Steps", "EXP%1")};
    const auto list = static_cast<std::size_t>(change.Part.Section);
    if (change.Part.Index == WholeList) {
        return {"Steps", WholeLists[list], {}};
    }
    const auto& channel = std::get<ChannelRecord>(change.After);
    switch (change.Part.Section) {
    case RecordSection::Exp:
        return {"Steps", Channels[list], {std::to_string(change.Part.Index + 1)}};
    case RecordSection::Weather:
        return {"Steps", Channels[list], {std::to_string(channel.Position)}};
    default:
        return {"Steps", Channels[list], {ChannelEntryAt(channel.Position).ChLabel}};
    }
}

Phrase Fixed(const char* context, const char* text) {
    return {context, text, {}};
}

Phrase SectionName(const RecordPart& part) {
    static const char* const UsableGroups[] = {
        TQ58_TEXT("Steps", "USA usable group"), TQ58_TEXT("Steps", "INTL usable group"),
        TQ58_TEXT("Steps", "Canada usable group"), TQ58_TEXT("Steps", "EXP usable group")};
    switch (part.Section) {
    case RecordSection::Usable:
        return Fixed("Steps", UsableGroups[part.Index]);
    case RecordSection::Common:
        return Fixed(TQ58_PHRASE("Steps", "Common settings"));
    case RecordSection::DscBasic:
        return Fixed(TQ58_PHRASE("Steps", "DSC settings"));
    case RecordSection::DscAdvanced:
        return Fixed(TQ58_PHRASE("Steps", "DSC call settings"));
    case RecordSection::DscDisplay:
        return Fixed(TQ58_PHRASE("Steps", "DSC display settings"));
    case RecordSection::AutoPos:
        return Fixed(TQ58_PHRASE("Steps", "Auto POS settings"));
    case RecordSection::AtisCommon:
        return Fixed(TQ58_PHRASE("Steps", "ATIS settings"));
    default:
        return {TQ58_PHRASE("Steps", "ATIS call sign %1"), {std::to_string(part.Index + 1)}};
    }
}

ChangeName NameOne(const PartChange& change) {
    const RecordSection section = change.Part.Section;
    if (IsChannelList(section)) {
        const Phrase part = ChannelPartName(change);
        return change.Part.Index == WholeList ? ChangeName{{part}} : WithChannelField(part, change);
    }
    if (IsDirectory(section)) {
        const std::string number = std::to_string(change.Part.Index + 1);
        const Phrase part = section == RecordSection::Individual
                                ? Phrase{TQ58_PHRASE("Steps", "Individual entry %1"), {number}}
                                : Phrase{TQ58_PHRASE("Steps", "Group entry %1"), {number}};
        return WithField<D>(part, DirectoryFields, change);
    }
    if (section == RecordSection::Usable) {
        return WithField<U>(SectionName(change.Part), UsableFields, change);
    }
    if (section == RecordSection::AtisCallSign) {
        return WithField<A>(SectionName(change.Part), CallSignFields, change);
    }
    return {{SectionName(change.Part)}};
}

// many: the English pattern for any count but one, which translations take in its forms.
StepName Counted(int count, const char* context, const char* many, const char* one) {
    return {Phrase{context, many, {}}, count, one};
}

} // namespace

ChangeName NameChanges(const RecordChanges& changes) {
    if (changes.size() == 1) {
        return NameOne(changes.front());
    }
    const auto all = [&changes](bool (*test)(RecordSection)) {
        return std::all_of(changes.begin(), changes.end(),
                           [test](const PartChange& change) { return test(change.Part.Section); });
    };
    const int count = static_cast<int>(changes.size());
    if (all(IsChannelList)) {
        return {Counted(count, TQ58_COUNTED("Steps", "%n channels"), "%n channel")};
    }
    if (all(IsDirectory)) {
        return {
            Counted(count, TQ58_COUNTED("Steps", "%n directory entries"), "%n directory entry")};
    }
    return {Counted(count, TQ58_COUNTED("Steps", "%n settings"), "%n setting")};
}

StepName RowsStepName(RowsCommand command, CsvList list, int rows) {
    const bool directory = list == CsvList::Individual || list == CsvList::Group;
    if (command == RowsCommand::Import) {
        return directory ? Counted(rows, TQ58_COUNTED("Steps", "Import %n directory entries"),
                                   "Import %n directory entry")
                         : Counted(rows, TQ58_COUNTED("Steps", "Import %n channels"),
                                   "Import %n channel");
    }
    return directory
               ? Counted(rows, TQ58_COUNTED("Steps", "Paste %n directory entries"),
                         "Paste %n directory entry")
               : Counted(rows, TQ58_COUNTED("Steps", "Paste %n channels"), "Paste %n channel");
}

StepName RowFlagStepName(ChannelField flag, bool on, int channels) {
    StepName name =
        Counted(channels, TQ58_COUNTED("Steps", "%1 %2 for %n channels"), "%1 %2 for %n channel");
    name.Text.Parts = {{"RowFlags", ChannelFieldOf(flag).RowFlagName, {}},
                       on ? Phrase{TQ58_PHRASE("Steps", "on"), {}}
                          : Phrase{TQ58_PHRASE("Steps", "off"), {}}};
    return name;
}

StepName OrderStepName(OrderCommand command, bool groupDirectory, int index) {
    static const char* const Patterns[] = {
        TQ58_TEXT("Steps", "Move %1 up"), TQ58_TEXT("Steps", "Move %1 down"),
        TQ58_TEXT("Steps", "Insert %1"), TQ58_TEXT("Steps", "Delete %1")};
    const std::vector<std::string> number{std::to_string(index + 1)};
    Phrase entry = groupDirectory ? Phrase{TQ58_PHRASE("Steps", "group entry %1"), number}
                                  : Phrase{TQ58_PHRASE("Steps", "individual entry %1"), number};
    return {Phrase{"Steps", Patterns[static_cast<std::size_t>(command)], {}, {std::move(entry)}}};
}

} // namespace tq58
