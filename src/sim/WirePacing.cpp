#include "sim/WirePacing.h"

#include <algorithm>

namespace tq58 {

namespace {

constexpr std::int64_t BitsPerByte = 10;
constexpr std::int64_t NsPerSecond = 1'000'000'000;

} // namespace

WirePacing::WirePacing(int baud) : byteNs_(baud > 0 ? BitsPerByte * NsPerSecond / baud : 0) {}

std::int64_t WirePacing::Receive(std::int64_t nowNs) {
    inputFreeNs_ = std::max(nowNs, inputFreeNs_) + byteNs_;
    return inputFreeNs_;
}

std::int64_t WirePacing::Send(std::int64_t readyNs) {
    outputFreeNs_ = std::max(readyNs, outputFreeNs_) + byteNs_;
    return outputFreeNs_;
}

} // namespace tq58
