#include "files/Utf8Text.h"

namespace tq58 {

namespace {

constexpr unsigned char FirstMultiByte = 0x80;
constexpr unsigned char TwoByteLead = 0xC0;
constexpr unsigned char ContinuationMark = 0x80;
constexpr unsigned char ContinuationMask = 0xC0;
constexpr unsigned char PayloadMask = 0x3F;
// Leads 0xC2 and 0xC3 carry U+0080 to U+00FF; 0xC0 and 0xC1 are overlong forms.
constexpr unsigned char LowestLead = 0xC2;
constexpr unsigned char HighestLead = 0xC3;

bool IsContinuation(std::string_view text, std::size_t at) {
    return at < text.size() &&
           (static_cast<unsigned char>(text[at]) & ContinuationMask) == ContinuationMark;
}

} // namespace

std::string Utf8FromSingleBytes(std::string_view text) {
    std::string utf8;
    utf8.reserve(text.size());
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < FirstMultiByte) {
            utf8 += c;
            continue;
        }
        utf8 += static_cast<char>(TwoByteLead | (byte >> 6));
        utf8 += static_cast<char>(ContinuationMark | (byte & PayloadMask));
    }
    return utf8;
}

std::string SingleBytesFromUtf8(std::string_view text, char replacement) {
    std::string bytes;
    bytes.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto lead = static_cast<unsigned char>(text[i]);
        if (lead < FirstMultiByte) {
            bytes += text[i];
        } else if (lead >= LowestLead && lead <= HighestLead && IsContinuation(text, i + 1)) {
            const auto next = static_cast<unsigned char>(text[++i]);
            bytes += static_cast<char>(((lead - TwoByteLead) << 6) | (next & PayloadMask));
        } else {
            // A longer character counts once: its continuation bytes go with it.
            while (IsContinuation(text, i + 1)) {
                ++i;
            }
            bytes += replacement;
        }
    }
    return bytes;
}

} // namespace tq58
