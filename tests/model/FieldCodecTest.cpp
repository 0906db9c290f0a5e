#include "model/FieldCodec.h"

#include "support/RadioFixtures.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <vector>

namespace tq58 {
namespace {

using Bytes = std::vector<std::uint8_t>;
using test::BytesAt;
using test::ImageFilledWith;
using test::PutBytes;
using test::PutText;

TEST(BitFieldTest, GetBitCountsFromTheLeastSignificantBit) {
    EXPECT_EQ(GetBit(0x80, 7), 1);
    EXPECT_EQ(GetBit(0x80, 6), 0);
    EXPECT_EQ(GetBit(0x01, 0), 1);
    EXPECT_EQ(GetBit(0xFE, 0), 0);
    EXPECT_EQ(GetBit(0x20, 5), 1);
}

TEST(BitFieldTest, GetBitOutsideTheByteIsZero) {
    EXPECT_EQ(GetBit(0xFF, 8), 0);
    EXPECT_EQ(GetBit(0xFF, -1), 0);
}

TEST(BitFieldTest, GetBitsReadsDownwardsFromTop) {
    EXPECT_EQ(GetBits(0xC0, 2, 7), 3);
    EXPECT_EQ(GetBits(0x80, 2, 7), 2);
    EXPECT_EQ(GetBits(0x6A, 2, 7), 1);
    EXPECT_EQ(GetBits(0x6A, 3, 3), 5);
    EXPECT_EQ(GetBits(0x0E, 3, 3), 7);
    EXPECT_EQ(GetBits(0xF1, 3, 3), 0);
}

TEST(BitFieldTest, SetBitSetsOnlyForOne) {
    std::uint8_t value = 0x00;
    SetBit(value, 1, 7);
    EXPECT_EQ(value, 0x80);
    SetBit(value, 1, 0);
    EXPECT_EQ(value, 0x81);
    SetBit(value, 0, 7);
    EXPECT_EQ(value, 0x01);
    value = 0xFF;
    SetBit(value, 2, 3);
    EXPECT_EQ(value, 0xF7);
}

TEST(BitFieldTest, SetBitsWritesTheLowBitsOfTheValue) {
    std::uint8_t value = 0xFF;
    SetBits(value, 3, 3, 0);
    EXPECT_EQ(value, 0xF1);
    value = 0x00;
    SetBits(value, 2, 7, 3);
    EXPECT_EQ(value, 0xC0);
    value = 0x00;
    SetBits(value, 3, 3, 13);
    EXPECT_EQ(value, 0x0A);
    value = 0x81;
    SetBits(value, 2, 7, 1);
    EXPECT_EQ(value, 0x41);
}

TEST(NameCharacterTest, AcceptsTheRadioSet) {
    for (const char c : std::string("09AZaz -+().*/,")) {
        EXPECT_TRUE(IsNameCharacter(c)) << c;
    }
}

TEST(NameCharacterTest, RejectsEverythingElse) {
    for (const char c : std::string("_#@!?:;=\"'[]&%")) {
        EXPECT_FALSE(IsNameCharacter(c)) << c;
    }
    EXPECT_FALSE(IsNameCharacter('\0'));
    EXPECT_FALSE(IsNameCharacter('\xFF'));
    EXPECT_FALSE(IsNameCharacter('\xE9'));
}

TEST(ReadTextTest, StopsAtTheFirstByteOutsideTheSet) {
    Image image = ImageFilledWith(0xFF);
    PutBytes(image, 0x100, {'A', 0x00, 'B'});
    EXPECT_EQ(ReadText(image, 0x100, 3), "A");
    EXPECT_EQ(ReadCallSignText(image, 0x100, 3), "AB");
}

TEST(ReadTextTest, DropsTrailingButNotLeadingSpaces) {
    Image image = ImageFilledWith(0xFF);
    PutText(image, 0x100, " AB  ");
    EXPECT_EQ(ReadText(image, 0x100, 5), " AB");
    EXPECT_EQ(ReadCallSignText(image, 0x100, 5), " AB");
}

TEST(ReadTextTest, ReadsNoFurtherThanTheField) {
    Image image = ImageFilledWith(0xFF);
    PutText(image, 0x100, "ABCDEFG");
    EXPECT_EQ(ReadText(image, 0x100, 4), "ABCD");
    EXPECT_EQ(ReadCallSignText(image, 0x100, 3), "ABC");
}

TEST(ReadTextTest, BlankFieldIsEmpty) {
    const Image image = ImageFilledWith(0xFF);
    EXPECT_EQ(ReadText(image, 0x100, 16), "");
    EXPECT_EQ(ReadCallSignText(image, 0x100, 3), "");
}

TEST(WriteTextTest, PadsWithBlankBytes) {
    Image image = ImageFilledWith(0x00);
    WriteText(image, 0x100, "AB", 4);
    EXPECT_EQ(BytesAt(image, 0x100, 5), (Bytes{'A', 'B', 0xFF, 0xFF, 0x00}));
}

TEST(WriteTextTest, StoresForeignCharactersAsBlankBytes) {
    Image image = ImageFilledWith(0x00);
    WriteText(image, 0x100, "A_B\xE9", 4);
    EXPECT_EQ(BytesAt(image, 0x100, 4), (Bytes{'A', 0xFF, 'B', 0xFF}));
}

TEST(WriteTextTest, CutsAtTheFieldLength) {
    Image image = ImageFilledWith(0x00);
    WriteText(image, 0x100, "ABCDE", 3);
    EXPECT_EQ(BytesAt(image, 0x0FF, 5), (Bytes{0x00, 'A', 'B', 'C', 0x00}));
}

TEST(WriteTextTest, KeepsSpacesInsideTheField) {
    Image image = ImageFilledWith(0x00);
    WriteText(image, 0x100, "1 ", 3);
    EXPECT_EQ(BytesAt(image, 0x100, 3), (Bytes{'1', ' ', 0xFF}));
}

TEST(WriteCallSignTextTest, RightAlignsShortTexts) {
    Image image = ImageFilledWith(0x00);
    WriteCallSignText(image, 0x100, "12");
    EXPECT_EQ(BytesAt(image, 0x100, 4), (Bytes{0xFF, '1', '2', 0x00}));
}

TEST(WriteCallSignTextTest, KeepsTheLastThreeCharacters) {
    Image image = ImageFilledWith(0x00);
    WriteCallSignText(image, 0x100, "ABCD");
    EXPECT_EQ(BytesAt(image, 0x100, 4), (Bytes{'B', 'C', 'D', 0x00}));
}

TEST(WriteCallSignTextTest, StoresSpaceAndCommaAsBlankBytes) {
    Image image = ImageFilledWith(0x00);
    WriteCallSignText(image, 0x100, "A B");
    EXPECT_EQ(BytesAt(image, 0x100, 3), (Bytes{'A', 0xFF, 'B'}));
    WriteCallSignText(image, 0x100, "A,(");
    EXPECT_EQ(BytesAt(image, 0x100, 3), (Bytes{'A', 0xFF, '('}));
    WriteCallSignText(image, 0x100, "");
    EXPECT_EQ(BytesAt(image, 0x100, 3), (Bytes{0xFF, 0xFF, 0xFF}));
}

TEST(ReadDigitsTest, ReadsTenDigitsHighNibbleFirst) {
    Image image = ImageFilledWith(0xFF);
    PutBytes(image, 0x190, {0x12, 0x34, 0x56, 0x78, 0x90});
    EXPECT_EQ(ReadDigits(image, 0x190), "1234567890");
}

TEST(ReadDigitsTest, StopsAtTheFirstNibbleAboveNine) {
    Image image = ImageFilledWith(0xFF);
    PutBytes(image, 0x190, {0x12, 0x3F, 0x45, 0x67, 0x89});
    EXPECT_EQ(ReadDigits(image, 0x190), "123");
    PutBytes(image, 0x190, {0x1A, 0x23, 0x45, 0x67, 0x89});
    EXPECT_EQ(ReadDigits(image, 0x190), "1");
    PutBytes(image, 0x190, {0xF1, 0x23, 0x45, 0x67, 0x89});
    EXPECT_EQ(ReadDigits(image, 0x190), "");
}

TEST(ReadDigitsTest, ReadsNoFurtherThanFiveBytes) {
    Image image = ImageFilledWith(0x11);
    EXPECT_EQ(ReadDigits(image, 0x190), "1111111111");
}

TEST(WriteDigitsTest, NineDigitMmsiGetsZeroAsTenthNibble) {
    Image image = ImageFilledWith(0x00);
    WriteDigits(image, 0x190, "123456789", true);
    EXPECT_EQ(BytesAt(image, 0x190, 6), (Bytes{0x12, 0x34, 0x56, 0x78, 0x90, 0x00}));
}

TEST(WriteDigitsTest, MmsiLosesItsTenthDigit) {
    Image image = ImageFilledWith(0x00);
    WriteDigits(image, 0x190, "9123456789", true);
    EXPECT_EQ(BytesAt(image, 0x190, 5), (Bytes{0x91, 0x23, 0x45, 0x67, 0x80}));
}

TEST(WriteDigitsTest, CodeKeepsAllTenDigits) {
    Image image = ImageFilledWith(0x00);
    WriteDigits(image, 0x196, "9123456789", false);
    EXPECT_EQ(BytesAt(image, 0x196, 5), (Bytes{0x91, 0x23, 0x45, 0x67, 0x89}));
}

TEST(WriteDigitsTest, ShortTextIsPaddedWithBlankNibbles) {
    Image image = ImageFilledWith(0x00);
    WriteDigits(image, 0x196, "123", false);
    EXPECT_EQ(BytesAt(image, 0x196, 5), (Bytes{0x12, 0x3F, 0xFF, 0xFF, 0xFF}));
    WriteDigits(image, 0x190, "123", true);
    EXPECT_EQ(BytesAt(image, 0x190, 5), (Bytes{0x12, 0x3F, 0xFF, 0xFF, 0xF0}));
}

TEST(WriteDigitsTest, EmptyOrBlankTextIsFiveBlankBytes) {
    Image image = ImageFilledWith(0x00);
    WriteDigits(image, 0x190, "", true);
    EXPECT_EQ(BytesAt(image, 0x190, 6), (Bytes{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00}));
    image = ImageFilledWith(0x00);
    WriteDigits(image, 0x190, "   ", true);
    EXPECT_EQ(BytesAt(image, 0x190, 5), (Bytes{0xFF, 0xFF, 0xFF, 0xFF, 0xFF}));
}

TEST(WriteDigitsTest, NonDigitsAndLeadingBlanksBecomeBlankNibbles) {
    Image image = ImageFilledWith(0x00);
    WriteDigits(image, 0x196, "12a4", false);
    EXPECT_EQ(BytesAt(image, 0x196, 5), (Bytes{0x12, 0xF4, 0xFF, 0xFF, 0xFF}));
    WriteDigits(image, 0x196, " 12", false);
    EXPECT_EQ(BytesAt(image, 0x196, 5), (Bytes{0xF1, 0x2F, 0xFF, 0xFF, 0xFF}));
}

TEST(WriteDigitsTest, OnlyTheFirstTenCharactersCount) {
    Image image = ImageFilledWith(0x00);
    WriteDigits(image, 0x196, "123456789012", false);
    EXPECT_EQ(BytesAt(image, 0x196, 6), (Bytes{0x12, 0x34, 0x56, 0x78, 0x90, 0x00}));
}

double FrequencyOf(std::initializer_list<std::uint8_t> bytes) {
    Image image = ImageFilledWith(0xFF);
    PutBytes(image, 0x0E05, bytes);
    return ReadFrequency(image, 0x0E05);
}

TEST(ReadFrequencyTest, ReadsMegahertzAboveOneHundred) {
    EXPECT_NEAR(FrequencyOf({0x56, 0x02, 0x50}), 156.025, 1e-9);
    EXPECT_NEAR(FrequencyOf({0x99, 0x99, 0x99}), 199.9999, 1e-9);
    EXPECT_NEAR(FrequencyOf({0x37, 0x00, 0x01}), 137.0001, 1e-9);
    EXPECT_NEAR(FrequencyOf({0x00, 0x00, 0x01}), 100.0001, 1e-9);
}

TEST(ReadFrequencyTest, OneHundredExactlyIsNoFrequency) {
    EXPECT_EQ(FrequencyOf({0x00, 0x00, 0x00}), 0);
}

TEST(ReadFrequencyTest, ANibbleAboveNineAnywhereIsNoFrequency) {
    EXPECT_EQ(FrequencyOf({0xFF, 0xFF, 0xFF}), 0);
    EXPECT_EQ(FrequencyOf({0x5A, 0x02, 0x50}), 0);
    EXPECT_EQ(FrequencyOf({0x56, 0x0B, 0x50}), 0);
    EXPECT_EQ(FrequencyOf({0x56, 0x02, 0x5F}), 0);
    EXPECT_EQ(FrequencyOf({0xE6, 0x02, 0x50}), 0);
}

Bytes WrittenFrequency(double megahertz) {
    Image image = ImageFilledWith(0xEE);
    WriteFrequency(image, 0x0E05, megahertz);
    return BytesAt(image, 0x0E04, 5);
}

TEST(WriteFrequencyTest, WritesMegahertzAboveOneHundredAsBcd) {
    EXPECT_EQ(WrittenFrequency(156.025), (Bytes{0xEE, 0x56, 0x02, 0x50, 0xEE}));
    EXPECT_EQ(WrittenFrequency(199.9999), (Bytes{0xEE, 0x99, 0x99, 0x99, 0xEE}));
    EXPECT_EQ(WrittenFrequency(161.6), (Bytes{0xEE, 0x61, 0x60, 0x00, 0xEE}));
    EXPECT_EQ(WrittenFrequency(137.0001), (Bytes{0xEE, 0x37, 0x00, 0x01, 0xEE}));
    EXPECT_EQ(WrittenFrequency(100.0001), (Bytes{0xEE, 0x00, 0x00, 0x01, 0xEE}));
}

TEST(WriteFrequencyTest, KeepsFourDecimalPlaces) {
    EXPECT_EQ(WrittenFrequency(156.02501), (Bytes{0xEE, 0x56, 0x02, 0x50, 0xEE}));
    EXPECT_EQ(WrittenFrequency(156.02549), (Bytes{0xEE, 0x56, 0x02, 0x55, 0xEE}));
}

TEST(WriteFrequencyTest, OneHundredOrLessIsZeroBytes) {
    EXPECT_EQ(WrittenFrequency(100), (Bytes{0xEE, 0x00, 0x00, 0x00, 0xEE}));
    EXPECT_EQ(WrittenFrequency(0), (Bytes{0xEE, 0x00, 0x00, 0x00, 0xEE}));
    EXPECT_EQ(WrittenFrequency(-5), (Bytes{0xEE, 0x00, 0x00, 0x00, 0xEE}));
}

TEST(FrequencyUnitsTest, RoundsToWholeHundredsOfHertz) {
    EXPECT_EQ(FrequencyUnits(156.025), 1560250);
    EXPECT_EQ(FrequencyUnits(199.9999), 1999999);
    EXPECT_EQ(FrequencyUnits(156.02549), 1560255);
    EXPECT_EQ(FrequencyUnits(156.02541), 1560254);
    EXPECT_EQ(FrequencyUnits(0), 0);
}

} // namespace
} // namespace tq58

namespace tq58 {
namespace {

// An image followed by bytes that no field access may reach: a field that starts near the
// end of the image is cut at its end.
struct GuardedImage {
    Image image = test::ImageFilledWith(0xFF);
    std::array<std::uint8_t, 32> after{};
};

// The value read from a field cut by the image's end must not depend on what lies beyond it.
template <typename Reader> void ExpectReadStaysInside(const Reader& read) {
    GuardedImage guarded;
    test::PutBytes(guarded.image, 0x7FFE, {0x12, 'Y'});
    guarded.after.fill(0x00);
    const auto withZerosAfter = read(guarded.image);
    guarded.after.fill('A');
    const auto withLettersAfter = read(guarded.image);
    guarded.after.fill(0x34);
    const auto withDigitsAfter = read(guarded.image);
    EXPECT_EQ(withZerosAfter, withLettersAfter);
    EXPECT_EQ(withZerosAfter, withDigitsAfter);
}

TEST(ImageBoundTest, ReadersStopAtTheImagesEnd) {
    ExpectReadStaysInside([](const Image& image) { return ReadText(image, 0x7FFF, 16); });
    ExpectReadStaysInside([](const Image& image) { return ReadCallSignText(image, 0x7FFF, 3); });
    ExpectReadStaysInside([](const Image& image) { return ReadDigits(image, 0x7FFE); });
    ExpectReadStaysInside([](const Image& image) { return ReadFrequency(image, 0x7FFE); });
}

struct BoundWriteCase {
    const char* Name;
    void (*Write)(Image&);
};

const BoundWriteCase boundWriteCases[] = {
    {"WriteText", [](Image& image) { WriteText(image, 0x7FFE, "ABCD", 4); }},
    {"WriteCallSignText", [](Image& image) { WriteCallSignText(image, 0x7FFF, "XYZ"); }},
    {"WriteDigits", [](Image& image) { WriteDigits(image, 0x7FFD, "123456", false); }},
    {"WriteFrequency", [](Image& image) { WriteFrequency(image, 0x7FFF, 156.025); }},
};

TEST(ImageBoundTest, WritersStopAtTheImagesEnd) {
    for (const BoundWriteCase& writeCase : boundWriteCases) {
        GuardedImage guarded;
        writeCase.Write(guarded.image);
        EXPECT_EQ(guarded.after, (std::array<std::uint8_t, 32>{})) << writeCase.Name;
    }
}

} // namespace
} // namespace tq58
