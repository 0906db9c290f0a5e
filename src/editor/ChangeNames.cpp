#include "editor/ChangeNames.h"

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

using C = ChannelRecord;
constexpr std::array<FieldName<C>, 12> ChannelFields{{
    {"enable", false, Differs<C, &C::Enable>},
    {"Low Power Only", false, Differs<C, &C::LowPower>},
    {"Power Up", false, Differs<C, &C::PowUp>},
    {"Duplex", false, Differs<C, &C::Duplex>},
    {"Tx Enable", false, Differs<C, &C::TxEnable>},
    {"Scan Memory", false, Differs<C, &C::ScanMemory>},
    {"name", true, Differs<C, &C::ChTag>},
    {"scrambler", false, Differs<C, &C::Scramble>},
    {"display", true, Differs<C, &C::CHDisplayL>},
    {"display", true, Differs<C, &C::CHDisplayR>},
    {"Tx frequency", false, Differs<C, &C::Txfreq>},
    {"Rx frequency", false, Differs<C, &C::Rxfreq>},
}};

using U = UsableGroupRecord;
constexpr std::array<FieldName<U>, 5> UsableFields{{
    {"enable", false, Differs<U, &U::Enable>},
    {"TOT", false, Differs<U, &U::TxTot>},
    {"priority channel", false, Differs<U, &U::PriorityCh>},
    {"status name", true, Differs<U, &U::StatusName>},
    {"EXP groups", false, Differs<U, &U::ExpChGroup>},
}};

using D = DirectoryRecord;
constexpr std::array<FieldName<D>, 3> DirectoryFields{{
    {"enable", false, Differs<D, &D::Enable>},
    {"name", true, Differs<D, &D::TagName>},
    {"MMSI", false, Differs<D, &D::Mmsid>},
}};

using A = AtisCallSignEntry;
constexpr std::array<FieldName<A>, 2> CallSignFields{{
    {"MID", true, Differs<A, &A::MID>},
    {"display", true, Differs<A, &A::DISP>},
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
ChangeName WithField(std::string part, std::span<const FieldName<T>> fields,
                     const PartChange& change) {
    const FieldName<T>* field = OnlyField(fields, change);
    return field ? ChangeName{part + " " + field->Name, field->Typing} : ChangeName{part};
}

bool IsChannelList(RecordSection section) {
    return section <= RecordSection::Exp;
}

bool IsDirectory(RecordSection section) {
    return section == RecordSection::Individual || section == RecordSection::Group;
}

std::string ChannelPartName(const PartChange& change) {
    static const char* const Lists[] = {"USA", "INTL", "Canada", "WX", "EXP"};
    const std::string list = Lists[static_cast<int>(change.Part.Section)];
    if (change.Part.Index == WholeList) {
        return list + " channels";
    }
    const auto& channel = std::get<ChannelRecord>(change.After);
    switch (change.Part.Section) {
    case RecordSection::Exp:
        return list + std::to_string(change.Part.Index + 1);
    case RecordSection::Weather:
        return list + std::to_string(channel.Position);
    default:
        return list + " " + ChannelEntryAt(channel.Position).ChLabel;
    }
}

std::string SectionName(const RecordPart& part) {
    static const char* const UsableGroups[] = {"USA", "INTL", "Canada", "EXP"};
    switch (part.Section) {
    case RecordSection::Usable:
        return std::string(UsableGroups[part.Index]) + " usable group";
    case RecordSection::Common:
        return "Common settings";
    case RecordSection::DscBasic:
        return "DSC settings";
    case RecordSection::DscAdvanced:
        return "DSC call settings";
    case RecordSection::DscDisplay:
        return "DSC display settings";
    case RecordSection::AutoPos:
        return "Auto POS settings";
    case RecordSection::AtisCommon:
        return "ATIS settings";
    default:
        return "ATIS call sign " + std::to_string(part.Index + 1);
    }
}

ChangeName NameOne(const PartChange& change) {
    const RecordSection section = change.Part.Section;
    if (IsChannelList(section)) {
        const std::string part = ChannelPartName(change);
        return change.Part.Index == WholeList ? ChangeName{part}
                                              : WithField<C>(part, ChannelFields, change);
    }
    if (IsDirectory(section)) {
        const std::string part =
            (section == RecordSection::Individual ? "Individual entry " : "Group entry ") +
            std::to_string(change.Part.Index + 1);
        return WithField<D>(part, DirectoryFields, change);
    }
    if (section == RecordSection::Usable) {
        return WithField<U>(SectionName(change.Part), UsableFields, change);
    }
    if (section == RecordSection::AtisCallSign) {
        return WithField<A>(SectionName(change.Part), CallSignFields, change);
    }
    return {SectionName(change.Part)};
}

std::string Counted(int count, const char* one, const char* many) {
    return std::to_string(count) + " " + (count == 1 ? one : many);
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
        return {Counted(count, "channel", "channels")};
    }
    if (all(IsDirectory)) {
        return {Counted(count, "directory entry", "directory entries")};
    }
    return {Counted(count, "setting", "settings")};
}

std::string RowsStepName(const std::string& verb, CsvList list, int rows) {
    const bool directory = list == CsvList::Individual || list == CsvList::Group;
    return verb + " " +
           (directory ? Counted(rows, "directory entry", "directory entries")
                      : Counted(rows, "channel", "channels"));
}

} // namespace tq58
