#include "editor/CsvLists.h"

#include "files/TextCase.h"

#include <algorithm>

namespace tq58 {

const CsvListInfo& CsvListInfoOf(CsvList list) {
    return *std::find_if(CsvListTable.begin(), CsvListTable.end(),
                         [list](const CsvListInfo& info) { return info.List == list; });
}

std::optional<CsvList> CsvListNamed(std::string_view name) {
    for (const CsvListInfo& info : CsvListTable) {
        if (EqualsIgnoreCase(name, info.Name)) {
            return info.List;
        }
    }
    return std::nullopt;
}

std::optional<CsvList> CsvListHeaded(std::string_view heading) {
    for (const CsvListInfo& info : CsvListTable) {
        if (EqualsIgnoreCase(TrimBlanks(heading), info.KeyHeading)) {
            return info.List;
        }
    }
    return std::nullopt;
}

} // namespace tq58
