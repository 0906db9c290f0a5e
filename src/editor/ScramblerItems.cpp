#include "editor/ScramblerItems.h"

namespace tq58 {

int ScramblerItemFor(int scramble) {
    constexpr int OnBit = 0x04;
    constexpr int CodeBits = 0x03;
    return (scramble & OnBit) == 0 ? 0 : (scramble & CodeBits) + 1;
}

} // namespace tq58
