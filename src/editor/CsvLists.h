#pragma once

#include "model/Phrase.h"

#include <array>
#include <optional>
#include <string_view>

namespace tq58 {

// The lists that travel as CSV: the EXP channels, the options of each plan's channels and the
// two DSC directories. A file's first heading names its list, so an import needs no choice.
enum class CsvList { Exp, Usa, Intl, Canada, Individual, Group };

struct CsvListInfo {
    CsvList List;
    const char* Name;       // on the command line
    const char* KeyHeading; // the first column: channel or entry number
    const char* Title;      // in menus and messages, translated in the window
};

inline constexpr std::array<CsvListInfo, 6> CsvListTable{{
    {CsvList::Exp, "exp", "EXP CH", TQ58_TEXT("Csv", "EXP Channels")},
    {CsvList::Usa, "usa", "USA CH", TQ58_TEXT("Csv", "USA Channels")},
    {CsvList::Intl, "intl", "INTL CH", TQ58_TEXT("Csv", "INTL Channels")},
    {CsvList::Canada, "canada", "Canada CH", TQ58_TEXT("Csv", "Canada Channels")},
    {CsvList::Individual, "individual", "Memory ID", TQ58_TEXT("Csv", "Individual Directory")},
    {CsvList::Group, "group", "Group ID", TQ58_TEXT("Csv", "Group Directory")},
}};

const CsvListInfo& CsvListInfoOf(CsvList list);
std::optional<CsvList> CsvListNamed(std::string_view name);
// The list whose key heading the text is, compared without regard to case.
std::optional<CsvList> CsvListHeaded(std::string_view heading);

} // namespace tq58
