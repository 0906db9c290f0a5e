#include "model/FieldCodec.h"

#include <algorithm>
#include <cmath>
#include <string_view>

namespace tq58 {

namespace {

constexpr std::string_view NamePunctuation = "-+().*/,";

bool IsAsciiAlnum(char c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

bool IsCallSignCharacter(char c) {
    return IsNameCharacter(c) && c != ' ' && c != ',';
}

std::string WithoutTrailingSpaces(std::string text) {
    text.erase(text.find_last_not_of(' ') + 1);
    return text;
}

std::uint8_t Nibble(char c) {
    return (c >= '0' && c <= '9') ? static_cast<std::uint8_t>(c - '0') : 0xF;
}

// How many of `length` bytes from `address` lie inside the image: a field never reaches past it.
int InsideImage(int address, int length) {
    if (address < 0 || address >= ImageSize) {
        return 0;
    }
    return std::min(length, ImageSize - address);
}

void StoreBytes(Image& image, int address, const std::uint8_t* bytes, int length) {
    for (int i = 0; i < InsideImage(address, length); ++i) {
        image[address + i] = bytes[i];
    }
}

bool IsBlank(const std::string& text) {
    return text.find_first_not_of(' ') == std::string::npos;
}

} // namespace

int GetBit(std::uint8_t value, int n) {
    if (n < 0 || n > 7) {
        return 0;
    }
    return (value >> n) & 1;
}

int GetBits(std::uint8_t value, int count, int top) {
    return (value >> (top - count + 1)) & ((1 << count) - 1);
}

void SetBit(std::uint8_t& value, int bit, int n) {
    const auto mask = static_cast<std::uint8_t>(1u << n);
    value = bit == 1 ? static_cast<std::uint8_t>(value | mask)
                     : static_cast<std::uint8_t>(value & ~mask);
}

void SetBits(std::uint8_t& value, int count, int top, int bits) {
    const int shift = top - count + 1;
    const int mask = ((1 << count) - 1) << shift;
    value = static_cast<std::uint8_t>((value & ~mask) | ((bits << shift) & mask));
}

bool IsNameCharacter(char c) {
    return IsAsciiAlnum(c) || c == ' ' || NamePunctuation.find(c) != std::string_view::npos;
}

std::string ReadText(const Image& image, int address, int length) {
    std::string text;
    for (int i = 0; i < InsideImage(address, length); ++i) {
        const char c = static_cast<char>(image[address + i]);
        if (!IsNameCharacter(c)) {
            break;
        }
        text += c;
    }
    return WithoutTrailingSpaces(text);
}

std::string ReadCallSignText(const Image& image, int address, int length) {
    std::string text;
    for (int i = 0; i < InsideImage(address, length); ++i) {
        const char c = static_cast<char>(image[address + i]);
        if (IsNameCharacter(c)) {
            text += c;
        }
    }
    return WithoutTrailingSpaces(text);
}

void WriteText(Image& image, int address, const std::string& text, int length) {
    for (int i = 0; i < InsideImage(address, length); ++i) {
        const bool stored = i < static_cast<int>(text.size()) && IsNameCharacter(text[i]);
        image[address + i] = stored ? static_cast<std::uint8_t>(text[i]) : BlankByte;
    }
}

void WriteCallSignText(Image& image, int address, const std::string& text) {
    constexpr std::size_t width = 3;
    std::string aligned = text.size() > width ? text.substr(text.size() - width) : text;
    aligned.insert(0, width - aligned.size(), ' ');
    std::uint8_t bytes[width];
    for (std::size_t i = 0; i < width; ++i) {
        const char c = aligned[i];
        bytes[i] = IsCallSignCharacter(c) ? static_cast<std::uint8_t>(c) : BlankByte;
    }
    StoreBytes(image, address, bytes, width);
}

std::string ReadDigits(const Image& image, int address) {
    std::string digits;
    for (int i = 0; i < 2 * InsideImage(address, 5); ++i) {
        const std::uint8_t byte = image[address + i / 2];
        const int nibble = (i % 2 == 0) ? byte >> 4 : byte & 0x0F;
        if (nibble > 9) {
            break;
        }
        digits += static_cast<char>('0' + nibble);
    }
    return digits;
}

void WriteDigits(Image& image, int address, const std::string& text, bool isMmsi) {
    std::uint8_t bytes[5] = {BlankByte, BlankByte, BlankByte, BlankByte, BlankByte};
    if (!IsBlank(text)) {
        const std::string padded = text + std::string(10, ' ');
        for (int j = 0; j < 5; ++j) {
            bytes[j] =
                static_cast<std::uint8_t>(Nibble(padded[2 * j]) << 4 | Nibble(padded[2 * j + 1]));
        }
        if (isMmsi) {
            bytes[4] &= 0xF0;
        }
    }
    StoreBytes(image, address, bytes, 5);
}

void WriteTypedMmsi(Image& image, int address, const std::string& text) {
    const bool tenDigits =
        text.size() == 10 && text.find_first_not_of("0123456789") == std::string::npos;
    WriteDigits(image, address, text, !tenDigits);
}

std::string ShownMmsi(const std::string& stored) {
    constexpr std::size_t MmsiDigits = 9;
    return stored.substr(0, MmsiDigits);
}

long long FrequencyUnits(double megahertz) {
    return std::llround(megahertz * 10000.0);
}

double ReadFrequency(const Image& image, int address) {
    if (InsideImage(address, 3) < 3) {
        return 0;
    }
    long long units = 0; // MHz above 100, in 100 Hz
    for (int i = 0; i < 3; ++i) {
        const std::uint8_t byte = image[address + i];
        const int high = byte >> 4;
        const int low = byte & 0x0F;
        if (high > 9 || low > 9) {
            return 0;
        }
        units = units * 100 + high * 10 + low;
    }
    return units > 0 ? static_cast<double>(1000000 + units) / 10000.0 : 0;
}

bool IsStorableFrequency(double megahertz) {
    // Compared before any conversion: 1e15 MHz in 100 Hz units overflows every integer.
    return megahertz <= 100 || megahertz * 10000.0 < 1999999.5;
}

void WriteFrequency(Image& image, int address, double megahertz) {
    // Two digits before the point: only 100 to 199.9999 MHz can be stored.
    const bool held = megahertz > 100 && IsStorableFrequency(megahertz);
    const long long stored = held ? std::max(FrequencyUnits(megahertz) - 1000000, 0LL) : 0;
    constexpr long long scale[] = {10000, 100, 1};
    std::uint8_t bytes[3];
    for (int i = 0; i < 3; ++i) {
        const long long pair = stored / scale[i] % 100;
        bytes[i] = static_cast<std::uint8_t>((pair / 10) << 4 | (pair % 10));
    }
    StoreBytes(image, address, bytes, 3);
}

} // namespace tq58
