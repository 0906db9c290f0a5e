#include "editor/ChannelFieldKeys.h"

#include "model/FieldCodec.h"

#include <string_view>

namespace tq58 {

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

constexpr std::string_view DisplayLetters = "AbCdEFHLnPtUGIJoqrSy";

} // namespace

bool IsFrequencyKey(char c) {
    return IsDigit(c) || c == '.';
}

bool IsChannelDisplayKey(char c) {
    return IsDigit(c) || DisplayLetters.find(c) != std::string_view::npos;
}

bool IsChannelNameKey(char c) {
    return IsNameCharacter(c);
}

} // namespace tq58
