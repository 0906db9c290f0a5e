#include "model/FieldCodec.h"

#include "support/RadioFixtures.h"

#include <functional>
#include <gtest/gtest.h>

namespace tq58 {
namespace {

using test::Bytes;
using test::BytesAt;
using test::ImageFilledWith;
using test::PutBytes;

std::uint8_t Written(std::uint8_t value, void (*write)(std::uint8_t&)) {
    write(value);
    return value;
}

TEST(BitFieldTest, ReadsAndWritesCountingFromTheLeastSignificantBit) {
    EXPECT_EQ(GetBit(0x80, 7), 1);
    EXPECT_EQ(GetBit(0x80, 6), 0);
    EXPECT_EQ(GetBit(0x20, 5), 1);
    EXPECT_EQ(GetBit(0xFE, 0), 0);
    EXPECT_EQ(GetBit(0xFF, 8), 0);
    EXPECT_EQ(GetBit(0xFF, -1), 0);
    EXPECT_EQ(GetBits(0x80, 2, 7), 2);
    EXPECT_EQ(GetBits(0x6A, 2, 7), 1);
    EXPECT_EQ(GetBits(0x6A, 3, 3), 5);
    EXPECT_EQ(GetBits(0xF1, 3, 3), 0);
    EXPECT_EQ(Written(0x01, [](std::uint8_t& v) { SetBit(v, 1, 7); }), 0x81);
    EXPECT_EQ(Written(0x81, [](std::uint8_t& v) { SetBit(v, 0, 7); }), 0x01);
    EXPECT_EQ(Written(0xFF, [](std::uint8_t& v) { SetBit(v, 2, 3); }), 0xF7); // only 1 sets
    EXPECT_EQ(Written(0xFF, [](std::uint8_t& v) { SetBits(v, 3, 3, 0); }), 0xF1);
    EXPECT_EQ(Written(0x00, [](std::uint8_t& v) { SetBits(v, 3, 3, 13); }), 0x0A);
    EXPECT_EQ(Written(0x81, [](std::uint8_t& v) { SetBits(v, 2, 7, 1); }), 0x41);
}

TEST(NameCharacterTest, OnlyTheRadioSetIsAccepted) {
    for (const char c : std::string("09AZaz -+().*/,")) {
        EXPECT_TRUE(IsNameCharacter(c)) << c;
    }
    for (const char c : std::string("_#@!?:;=\"'[]&%\xFF\xE9")) {
        EXPECT_FALSE(IsNameCharacter(c)) << c;
    }
    EXPECT_FALSE(IsNameCharacter('\0'));
}

TEST(TextFieldTest, Reading) {
    Image image = ImageFilledWith(0xFF);
    EXPECT_EQ(ReadText(image, 0x100, 16), "");
    EXPECT_EQ(ReadCallSignText(image, 0x100, 3), "");
    PutBytes(image, 0x100, {'A', 0x00, 'B'});
    EXPECT_EQ(ReadText(image, 0x100, 3), "A");          // stops at a foreign byte
    EXPECT_EQ(ReadCallSignText(image, 0x100, 3), "AB"); // skips it
    test::PutText(image, 0x100, " AB  ");
    EXPECT_EQ(ReadText(image, 0x100, 5), " AB");
    EXPECT_EQ(ReadCallSignText(image, 0x100, 5), " AB");
    test::PutText(image, 0x100, "ABCDEFG");
    EXPECT_EQ(ReadText(image, 0x100, 4), "ABCD");
    EXPECT_EQ(ReadCallSignText(image, 0x100, 3), "ABC");
}

TEST(TextFieldTest, Writing) {
    struct Case {
        const char* Text;
        int Length;
        Bytes Expected; // from 0x0FF, one byte either side of the field
    };
    const Case cases[] = {{"AB", 4, {0x00, 'A', 'B', 0xFF, 0xFF, 0x00}},
                          {"A_B\xE9", 4, {0x00, 'A', 0xFF, 'B', 0xFF, 0x00}},
                          {"ABCDE", 3, {0x00, 'A', 'B', 'C', 0x00}},
                          {"1 ", 3, {0x00, '1', ' ', 0xFF, 0x00}}};
    for (const Case& c : cases) {
        Image image = ImageFilledWith(0x00);
        WriteText(image, 0x100, c.Text, c.Length);
        EXPECT_EQ(BytesAt(image, 0x0FF, c.Length + 2), c.Expected) << c.Text;
    }
}

TEST(TextFieldTest, CallSignsAreRightAlignedWithSpaceAndCommaBlank) {
    const std::pair<const char*, Bytes> cases[] = {{"12", {0xFF, '1', '2', 0x00}},
                                                   {"ABCD", {'B', 'C', 'D', 0x00}},
                                                   {"A B", {'A', 0xFF, 'B', 0x00}},
                                                   {"A,(", {'A', 0xFF, '(', 0x00}},
                                                   {"", {0xFF, 0xFF, 0xFF, 0x00}}};
    for (const auto& [text, expected] : cases) {
        Image image = ImageFilledWith(0x00);
        WriteCallSignText(image, 0x100, text);
        EXPECT_EQ(BytesAt(image, 0x100, 4), expected) << text;
    }
}

TEST(DigitFieldTest, Reading) {
    const std::pair<Bytes, const char*> cases[] = {
        {{0x12, 0x34, 0x56, 0x78, 0x90}, "1234567890"}, {{0x12, 0x3F, 0x45, 0x67, 0x89}, "123"},
        {{0x1A, 0x23, 0x45, 0x67, 0x89}, "1"},          {{0xF1, 0x23, 0x45, 0x67, 0x89}, ""},
        {{0x11, 0x11, 0x11, 0x11, 0x11}, "1111111111"}, // no further than five bytes
    };
    for (const auto& [bytes, expected] : cases) {
        Image image = ImageFilledWith(0x11);
        PutBytes(image, 0x190, bytes);
        EXPECT_EQ(ReadDigits(image, 0x190), expected);
    }
}

TEST(DigitFieldTest, Writing) {
    struct Case {
        const char* Text;
        bool IsMmsi;
        Bytes Expected; // six bytes: the field and the one after it
    };
    const Case cases[] = {{"123456789", true, {0x12, 0x34, 0x56, 0x78, 0x90, 0x00}},
                          {"9123456789", true, {0x91, 0x23, 0x45, 0x67, 0x80, 0x00}},
                          {"9123456789", false, {0x91, 0x23, 0x45, 0x67, 0x89, 0x00}},
                          {"123", false, {0x12, 0x3F, 0xFF, 0xFF, 0xFF, 0x00}},
                          {"123", true, {0x12, 0x3F, 0xFF, 0xFF, 0xF0, 0x00}},
                          {"", true, {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00}},
                          {"   ", true, {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00}},
                          {"12a4", false, {0x12, 0xF4, 0xFF, 0xFF, 0xFF, 0x00}},
                          {" 12", false, {0xF1, 0x2F, 0xFF, 0xFF, 0xFF, 0x00}},
                          {"123456789012", false, {0x12, 0x34, 0x56, 0x78, 0x90, 0x00}}};
    for (const Case& c : cases) {
        Image image = ImageFilledWith(0x00);
        WriteDigits(image, 0x190, c.Text, c.IsMmsi);
        EXPECT_EQ(BytesAt(image, 0x190, 6), c.Expected) << "'" << c.Text << "' " << c.IsMmsi;
    }
}

TEST(FrequencyFieldTest, Reading) {
    const std::pair<Bytes, double> cases[] = {
        {{0x56, 0x02, 0x50}, 156.025},  {{0x99, 0x99, 0x99}, 199.9999},
        {{0x37, 0x00, 0x01}, 137.0001}, {{0x00, 0x00, 0x01}, 100.0001},
        {{0x00, 0x00, 0x00}, 0},        {{0xFF, 0xFF, 0xFF}, 0},
        {{0x5A, 0x02, 0x50}, 0},        {{0x56, 0x0B, 0x50}, 0},
        {{0x56, 0x02, 0x5F}, 0},        {{0xE6, 0x02, 0x50}, 0}};
    for (const auto& [bytes, megahertz] : cases) {
        Image image = ImageFilledWith(0xFF);
        PutBytes(image, 0x0E05, bytes);
        EXPECT_NEAR(ReadFrequency(image, 0x0E05), megahertz, 1e-9) << int(bytes[0]);
    }
}

TEST(FrequencyFieldTest, WritingKeepsFourDecimalPlaces) {
    const std::pair<double, Bytes> cases[] = {
        {156.025, {0x56, 0x02, 0x50}},   {199.9999, {0x99, 0x99, 0x99}},
        {161.6, {0x61, 0x60, 0x00}},     {100.0001, {0x00, 0x00, 0x01}},
        {156.02501, {0x56, 0x02, 0x50}}, {156.02549, {0x56, 0x02, 0x55}},
        {100, {0x00, 0x00, 0x00}},       {0, {0x00, 0x00, 0x00}},
        {-5, {0x00, 0x00, 0x00}}};
    for (const auto& [megahertz, bytes] : cases) {
        Image image = ImageFilledWith(0xEE);
        WriteFrequency(image, 0x0E05, megahertz);
        Bytes expected = {0xEE};
        expected.insert(expected.end(), bytes.begin(), bytes.end());
        expected.push_back(0xEE);
        EXPECT_EQ(BytesAt(image, 0x0E04, 5), expected) << megahertz;
    }
    EXPECT_EQ(FrequencyUnits(156.025), 1560250);
    EXPECT_EQ(FrequencyUnits(199.9999), 1999999);
    EXPECT_EQ(FrequencyUnits(156.02549), 1560255);
    EXPECT_EQ(FrequencyUnits(156.02541), 1560254);
}

// An image followed by bytes no field access may reach.
struct GuardedImage {
    Image image = ImageFilledWith(0xFF);
    std::array<std::uint8_t, 32> after{};
};

TEST(ImageBoundTest, ReadersStopAtTheImagesEnd) {
    const std::function<std::string(const Image&)> readers[] = {
        [](const Image& i) { return ReadText(i, 0x7FFF, 16); },
        [](const Image& i) { return ReadCallSignText(i, 0x7FFF, 3); },
        [](const Image& i) { return ReadDigits(i, 0x7FFE); },
        [](const Image& i) { return std::to_string(ReadFrequency(i, 0x7FFE)); }};
    for (std::size_t r = 0; r < std::size(readers); ++r) {
        GuardedImage guarded;
        PutBytes(guarded.image, 0x7FFE, {0x12, 'Y'});
        std::vector<std::string> results;
        for (const int fill : {0x00, 0x41, 0x34}) {
            guarded.after.fill(fill);
            results.push_back(readers[r](guarded.image));
        }
        EXPECT_EQ(results[0], results[1]) << "reader " << r;
        EXPECT_EQ(results[0], results[2]) << "reader " << r;
    }
}

TEST(ImageBoundTest, WritersStopAtTheImagesEnd) {
    const std::function<void(Image&)> writers[] = {
        [](Image& i) { WriteText(i, 0x7FFE, "ABCD", 4); },
        [](Image& i) { WriteCallSignText(i, 0x7FFF, "XYZ"); },
        [](Image& i) { WriteDigits(i, 0x7FFD, "123456", false); },
        [](Image& i) { WriteFrequency(i, 0x7FFF, 156.025); }};
    for (std::size_t w = 0; w < std::size(writers); ++w) {
        GuardedImage guarded;
        writers[w](guarded.image);
        EXPECT_EQ(guarded.after, (std::array<std::uint8_t, 32>{})) << "writer " << w;
    }
}

} // namespace
} // namespace tq58
