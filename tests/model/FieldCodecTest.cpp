#include "model/FieldCodec.h"

#include "support/RadioFixtures.h"

#include <gtest/gtest.h>

namespace tq58 {
namespace {

using test::Bytes;
using test::BytesAt;
using test::ImageFilledWith;
using test::PutBytes;

TEST(TextFieldTest, ReadingStopsAtOrSkipsForeignBytes) {
    Image image = ImageFilledWith(0xFF);
    EXPECT_EQ(ReadText(image, 0x100, 16), "");
    PutBytes(image, 0x100, {'A', '_', 'B', '-', ' '});
    EXPECT_EQ(ReadText(image, 0x100, 5), "A");
    EXPECT_EQ(ReadCallSignText(image, 0x100, 5), "AB-");
    test::PutText(image, 0x100, " +().*/,AZaz09");
    EXPECT_EQ(ReadText(image, 0x100, 10), " +().*/,AZ");
}

TEST(TextFieldTest, WritingBlanksForeignCharactersAndCallSignsAlignRight) {
    const std::pair<const char*, Bytes> texts[] = {{"AB", {0x00, 'A', 'B', 0xFF, 0xFF, 0x00}},
                                                   {"A#B\xE9", {0x00, 'A', 0xFF, 'B', 0xFF, 0x00}},
                                                   {"ABCDE", {0x00, 'A', 'B', 'C', 'D', 0x00}}};
    for (const auto& [text, expected] : texts) {
        Image image = ImageFilledWith(0x00);
        WriteText(image, 0x100, text, 4);
        EXPECT_EQ(BytesAt(image, 0x0FF, 6), expected) << text;
    }
    const std::pair<const char*, Bytes> callSigns[] = {{"12", {0xFF, '1', '2', 0x00}},
                                                       {"ABCD", {'B', 'C', 'D', 0x00}},
                                                       {"A,(", {'A', 0xFF, '(', 0x00}}};
    for (const auto& [text, expected] : callSigns) {
        Image image = ImageFilledWith(0x00);
        WriteCallSignText(image, 0x100, text);
        EXPECT_EQ(BytesAt(image, 0x100, 4), expected) << text;
    }
}

TEST(DigitFieldTest, ReadingStopsAtTheFirstNonDigitNibble) {
    const std::pair<Bytes, const char*> cases[] = {
        {{0x12, 0x34, 0x56, 0x78, 0x90}, "1234567890"},
        {{0x12, 0x3F, 0x45, 0x67, 0x89}, "123"},
        {{0xF1, 0x23, 0x45, 0x67, 0x89}, ""},
        {{0x11, 0x11, 0x11, 0x11, 0x11}, "1111111111"}}; // no further than five bytes
    for (const auto& [bytes, expected] : cases) {
        Image image = ImageFilledWith(0x11);
        PutBytes(image, 0x190, bytes);
        EXPECT_EQ(ReadDigits(image, 0x190), expected);
    }
}

TEST(DigitFieldTest, WritingPadsWithFAndAnMmsiEndsInZero) {
    const std::tuple<const char*, bool, Bytes> cases[] = {
        {"9123456789", true, {0x91, 0x23, 0x45, 0x67, 0x80, 0x00}},
        {"9123456789", false, {0x91, 0x23, 0x45, 0x67, 0x89, 0x00}},
        {"123", true, {0x12, 0x3F, 0xFF, 0xFF, 0xF0, 0x00}},
        {"   ", true, {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00}},
        {"12a4", false, {0x12, 0xF4, 0xFF, 0xFF, 0xFF, 0x00}},
        {"123456789012", false, {0x12, 0x34, 0x56, 0x78, 0x90, 0x00}}};
    for (const auto& [text, isMmsi, expected] : cases) {
        Image image = ImageFilledWith(0x00);
        WriteDigits(image, 0x190, text, isMmsi);
        EXPECT_EQ(BytesAt(image, 0x190, 6), expected) << "'" << text << "' " << isMmsi;
    }
}

TEST(FrequencyFieldTest, ThreeBcdBytesAboveOneHundredMegahertz) {
    const std::pair<Bytes, double> reads[] = {{{0x56, 0x02, 0x50}, 156.025},
                                              {{0x99, 0x99, 0x99}, 199.9999},
                                              {{0x00, 0x00, 0x00}, 0},
                                              {{0x56, 0x0B, 0x50}, 0},
                                              {{0xE6, 0x02, 0x50}, 0}};
    for (const auto& [bytes, megahertz] : reads) {
        Image image = ImageFilledWith(0xFF);
        PutBytes(image, 0x0E05, bytes);
        EXPECT_NEAR(ReadFrequency(image, 0x0E05), megahertz, 1e-9) << int(bytes[1]);
    }
    const std::pair<double, Bytes> writes[] = {{161.6, {0x61, 0x60, 0x00}},
                                               {100.0001, {0x00, 0x00, 0x01}},
                                               {156.02549, {0x56, 0x02, 0x55}},
                                               {-5, {0x00, 0x00, 0x00}}};
    for (const auto& [megahertz, bytes] : writes) {
        Image image = ImageFilledWith(0xEE);
        WriteFrequency(image, 0x0E05, megahertz);
        EXPECT_EQ(BytesAt(image, 0x0E04, 5), (Bytes{0xEE, bytes[0], bytes[1], bytes[2], 0xEE}))
            << megahertz;
    }
}

} // namespace
} // namespace tq58
