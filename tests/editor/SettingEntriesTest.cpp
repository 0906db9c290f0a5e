#include "editor/SettingEntries.h"

#include "editor/GroupCaptions.h"

#include <gtest/gtest.h>

namespace tq58 {
namespace {

TEST(SettingEntries, FixedLengthNumbersAreEmptyOrExactlyTheirLength) {
    EXPECT_EQ(AcceptedDigits("366123456", UserMmsiLength), "366123456");
    EXPECT_EQ(AcceptedDigits("", UserMmsiLength), "");
    EXPECT_EQ(AcceptedDigits("36612345", UserMmsiLength), std::nullopt);
    EXPECT_EQ(AcceptedDigits("3661234567", UserMmsiLength), std::nullopt);
    EXPECT_EQ(AcceptedDigits("0123456789", AtisCodeLength), "0123456789");
    EXPECT_EQ(AcceptedDigits("01234 6789", AtisCodeLength), std::nullopt);
}

TEST(SettingEntries, StatusNameAndCallSign) {
    const std::pair<std::string, std::string> names[] = {
        {"    ", ""}, {"", ""}, {" AB ", " AB "}, {"WORKS", "WORK"}};
    for (const auto& [typed, stored] : names) {
        EXPECT_EQ(StoredStatusName(typed), stored) << '"' << typed << '"';
    }
    const std::pair<std::string, std::string> mids[] = {
        {"7", "007"}, {"42", "042"}, {"366", "366"}, {"0", "000"}, {"", ""}};
    for (const auto& [typed, stored] : mids) {
        EXPECT_EQ(StoredMid(typed), stored) << '"' << typed << '"';
    }
}

TEST(SettingEntries, CaptionsCarryTheStatusName) {
    SettingsRecord settings;
    settings.UsableChGroup[1].StatusName = "WORK";
    EXPECT_EQ(StatusCaption(settings, 0), "Group1");
    EXPECT_EQ(StatusCaption(settings, 1), "Group2[WORK]");
    EXPECT_EQ(StatusCaption(settings, GroupExp), "EXP CH Group");
    EXPECT_EQ(DscGroupNameLabel(settings, 0), "");
    EXPECT_EQ(DscGroupNameLabel(settings, 1), "[WORK]");
}

} // namespace
} // namespace tq58
