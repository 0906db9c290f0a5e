#pragma once

#include <array>
#include <cstdint>

namespace tq58 {

// The radio's whole memory, byte for byte as the clone link reads and writes it.
// Multi-byte numbers are big-endian; a blank byte is 0xFF.
constexpr int ImageSize = 32768;
constexpr std::uint8_t BlankByte = 0xFF;

using Image = std::array<std::uint8_t, ImageSize>;

// Big-endian 16-bit access to the image.
inline int ReadWord(const Image& image, int address) {
    return image[address] * 256 + image[address + 1];
}

// A negative value is stored as 0xFF 0xFF.
inline void WriteWord(Image& image, int address, long value) {
    if (value < 0) {
        image[address] = 0xFF;
        image[address + 1] = 0xFF;
        return;
    }
    image[address] = static_cast<std::uint8_t>((value / 256) & 0xFF);
    image[address + 1] = static_cast<std::uint8_t>(value % 256);
}

} // namespace tq58
