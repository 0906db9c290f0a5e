#pragma once

namespace tq58 {

// What the text fields accept, key by key, and how long the channel fields may grow.

// The numbers of fixed length (MMSI, ATIS code, MID).
bool IsDigitKey(char c);
// Call-sign displays.
bool IsDigitOrLetterKey(char c);

// Rx and Tx frequency (txtCRF, txtCTF): a decimal number of MHz.
bool IsFrequencyKey(char c);
// Channel display (txtCN): digits and the letters the radio's seven-segment display can show.
bool IsChannelDisplayKey(char c);
// Channel names (txtCTag, txtDTagName): only what the radio stores, so that a name is never
// changed silently when it is programmed.
bool IsChannelNameKey(char c);

inline constexpr int FrequencyFieldLength = 8;
inline constexpr int DisplayLeftLength = 2;
inline constexpr int DisplayRightLength = 1;
inline constexpr int ChannelNameLength = 16;

} // namespace tq58
