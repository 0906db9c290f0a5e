#include "editor/FieldKeys.h"

#include "model/FieldCodec.h"

#include <string_view>

namespace tq58 {

namespace {

constexpr std::string_view DisplayLetters = "AbCdEFHLnPtUGIJoqrSy";

} // namespace

bool IsDigitKey(char c) {
    return c >= '0' && c <= '9';
}

bool IsDigitOrLetterKey(char c) {
    return IsDigitKey(c) || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

bool IsFrequencyKey(char c) {
    return IsDigitKey(c) || c == '.';
}

bool IsChannelDisplayKey(char c) {
    return IsDigitKey(c) || DisplayLetters.find(c) != std::string_view::npos;
}

bool IsChannelNameKey(char c) {
    return IsNameCharacter(c);
}

} // namespace tq58
