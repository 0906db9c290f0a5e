#include "link/PortSettings.h"

#include "link/LinkSession.h"

#include <gtest/gtest.h>

namespace tq58 {
namespace {

TEST(PortSettings, ReadsTheLinkSettingsTexts) {
    for (const auto& [text, baud] : {std::pair{LinkStartSettings, 19200},
                                     {HighSpeedSettings, 57600},
                                     {ReopenSettings, 9600}}) {
        const auto settings = ParsePortSettings(text);
        ASSERT_TRUE(settings) << text;
        EXPECT_EQ(settings->Baud, baud);
        EXPECT_EQ(settings->Parity, 'N');
        EXPECT_EQ(settings->DataBits, 8);
        EXPECT_EQ(settings->StopBits, 1);
    }
}

TEST(PortSettings, AcceptsOtherParitiesAndFrames) {
    const auto settings = ParsePortSettings("4800,e,7,2");
    ASSERT_TRUE(settings);
    EXPECT_EQ(settings->Parity, 'E');
    EXPECT_EQ(settings->DataBits, 7);
    EXPECT_EQ(settings->StopBits, 2);
}

TEST(PortSettings, RefusesMalformedTexts) {
    for (const char* text : {"", "57600", "57600,N,8", "57600,N,8,1,1", "fast,N,8,1", "57600,X,8,1",
                             "57600,N,9,1", "57600,N,8,3", "-1,N,8,1", "57600,NN,8,1"}) {
        EXPECT_FALSE(ParsePortSettings(text)) << text;
    }
}

} // namespace
} // namespace tq58
