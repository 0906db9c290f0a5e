#pragma once

#include "model/MemoryImage.h"

#include <cstdint>
#include <string>

namespace tq58 {

// Bit fields: bit 0 is the least significant bit.
int GetBit(std::uint8_t value, int n);
int GetBits(std::uint8_t value, int count, int top);
void SetBit(std::uint8_t& value, int bit, int n);
void SetBits(std::uint8_t& value, int count, int top, int bits);

// Characters a name may hold in the radio; anything else is stored as 0xFF.
bool IsNameCharacter(char c);

// Names: reading stops at the first byte outside the name set, trailing spaces dropped.
std::string ReadText(const Image& image, int address, int length);
// ATIS call-sign texts: bytes outside the name set are skipped.
std::string ReadCallSignText(const Image& image, int address, int length);
void WriteText(Image& image, int address, const std::string& text, int length);
// Right-aligned in 3 positions; space and "," are stored as 0xFF.
void WriteCallSignText(Image& image, int address, const std::string& text);

// Up to ten decimal digits, one per nibble, in five bytes.
std::string ReadDigits(const Image& image, int address);
// An MMSI always gets 0 as its tenth nibble; an ATIS code keeps all ten digits.
void WriteDigits(Image& image, int address, const std::string& text, bool isMmsi);
// An MMSI as the program holds it: ten digits came from a radio or a file as the radio holds
// them and go in whole; anything else gets 0 as its tenth digit.
void WriteTypedMmsi(Image& image, int address, const std::string& text);
// The nine digits a person reads of a stored MMSI, wherever it is shown; the tenth, always 0
// in the image, stays in the files and the image only.
std::string ShownMmsi(const std::string& stored);

// EXP frequencies: three BCD bytes holding MHz - 100 as "00.0000"; 0 means no frequency.
double ReadFrequency(const Image& image, int address);
// At most 100 MHz (no frequency) or below 200 MHz once rounded to 100 Hz; a file may hold
// anything, up to values no integer can hold.
bool IsStorableFrequency(double megahertz);
// A frequency that cannot be stored is written as no frequency.
void WriteFrequency(Image& image, int address, double megahertz);

// A frequency in whole units of 100 Hz, rounded once; the one place where MHz doubles
// become exact numbers.
long long FrequencyUnits(double megahertz);

} // namespace tq58
