#include "model/OffsetTimeText.h"

#include <cstdlib>

namespace tq58 {

std::string OffsetText(int offsetTime) {
    if (offsetTime == 0) {
        return " 0";
    }
    if (offsetTime < -MaxOffsetHalfHours || offsetTime > MaxOffsetHalfHours) {
        return {};
    }
    const int halfHours = std::abs(offsetTime);
    const std::string sign = offsetTime < 0 ? "-" : "+";
    return sign + std::to_string(halfHours / 2) + (halfHours % 2 == 0 ? ":00" : ":30");
}

} // namespace tq58
