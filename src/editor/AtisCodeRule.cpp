#include "editor/AtisCodeRule.h"

#include "editor/SettingEntries.h"

#include <algorithm>

namespace tq58 {

namespace {

constexpr char AtisPrefix = '9';
constexpr std::size_t MidAt = 1;
constexpr std::size_t MidLength = 3;

} // namespace

bool IsAtisCodeInRule(const std::string& code, const MidTable& mids) {
    if (code.empty()) {
        return true;
    }
    const bool shaped =
        static_cast<int>(code.size()) == AtisCodeLength &&
        std::all_of(code.begin(), code.end(), [](char c) { return c >= '0' && c <= '9'; }) &&
        code[0] == AtisPrefix;
    return shaped && (mids.Empty() || mids.Find(code.substr(MidAt, MidLength)) != nullptr);
}

} // namespace tq58
