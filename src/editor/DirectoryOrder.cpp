#include "editor/DirectoryOrder.h"

#include "editor/DirectoryRules.h"

#include <algorithm>
#include <utility>

namespace tq58 {

bool MoveEntry(std::span<DirectoryRecord> entries, int index, int by) {
    const int used = UsedCount(entries);
    const int other = index + by;
    if (index < 0 || index >= used || other < 0 || other >= used) {
        return false;
    }
    std::swap(entries[static_cast<std::size_t>(index)], entries[static_cast<std::size_t>(other)]);
    return true;
}

bool InsertEntry(std::span<DirectoryRecord> entries, int index) {
    const int used = UsedCount(entries);
    if (index < 0 || index > used || used >= static_cast<int>(entries.size())) {
        return false;
    }
    const auto at = entries.begin() + index;
    std::move_backward(at, entries.begin() + used, entries.begin() + used + 1);
    *at = DirectoryRecord{true, "", ""};
    return true;
}

} // namespace tq58
