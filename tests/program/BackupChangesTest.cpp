#include "program/BackupChanges.h"

#include "model/Decoder.h"
#include "model/ImageHeader.h"
#include "program/ReadBackups.h"
#include "support/ScratchFolder.h"
#include "support/TestModels.h"

#include <gtest/gtest.h>

namespace tq58 {
namespace {

// What a read of the radio holding data keeps as its backup.
void KeepAsBackup(const test::ScratchFolder& folder, RadioData data, const ModelState& model,
                  int minute) {
    ASSERT_TRUE(PrepareOutgoingImage(data, model).Ok);
    ASSERT_TRUE(KeepReadBackup(folder.Path(), model.ModelName, data.MemoryImage,
                               {2026, 12, 6, 17, minute, 1})
                    .Ok);
}

TEST(BackupChanges, TheNewestReadableBackupOfTheModelOnly) {
    const ModelState model = test::Rv7700A();
    test::ScratchFolder folder;
    RadioData radio = test::NewRadioData(model);
    radio.Settings.DscBasicSetup.UserMmsi = "244123456";
    KeepAsBackup(folder, test::NewRadioData(model), model, 5);
    KeepAsBackup(folder, radio, model, 10);
    KeepAsBackup(folder, test::NewRadioData(test::Rv7200A()), test::Rv7200A(), 20);
    folder.Write("RV7700A_2026-12-06_172000.hex", "damaged");

    RadioData toWrite = radio;
    toWrite.Settings.CommonSetup.OffsetTime = 5;
    toWrite.Settings.CommonSetup.DualWatch = !radio.Settings.CommonSetup.DualWatch;
    const BackupChanges changes = ChangesSinceNewestBackup(folder.Path(), toWrite, model);
    ASSERT_TRUE(changes.Found());
    EXPECT_EQ(changes.BackupPath, folder.File("RV7700A_2026-12-06_171001.hex"));
    EXPECT_EQ(changes.BackupDate, "2026-12-06 17:10:01");
    EXPECT_EQ(changes.Unreadable,
              std::vector<std::string>{folder.File("RV7700A_2026-12-06_172000.hex")});
    // Dual Watch never reaches the radio, so it changes nothing there.
    ASSERT_EQ(changes.Differences.size(), 1u);
    EXPECT_EQ(changes.Differences[0].Field, "Offset Time");
    EXPECT_EQ(changes.Differences[0].ValueB, "+2:30");
    // No backup of the model, nothing to compare with.
    EXPECT_FALSE(ChangesSinceNewestBackup(folder.Path(), toWrite, test::Rv7700AM()).Found());
}

// A read of a radio that holds values the window does not offer, with one edit: the changes are
// that edit alone, and the unoffered values are listed apart, as they go back.
TEST(BackupChanges, ValuesTheWindowDoesNotOfferAreKeptAndListedApart) {
    const ModelState model = test::Rv7700A();
    test::ScratchFolder folder;
    RadioData read = test::NewRadioData(model);
    read.MemoryImage[0x002B] = 0x7C;          // offset time +14:00, bit 6 set
    read.MemoryImage[0x0040] = 9;             // weather alert beyond its list
    read.MemoryImage[0x0500 + 2 * 41] = 0xA5; // USA 20A, simplex: power 2, duplex, scrambler 2
    read.MemoryImage[0x0033] = 0x05;          // SCAN on, in the radio's own spelling
    read.MemoryImage[0x002D] = 0;             // magnetic variation True
    DecodeImage(read, model);
    ASSERT_TRUE(PrepareOutgoingImage(read, model).Ok);
    ASSERT_TRUE(
        KeepReadBackup(folder.Path(), model.ModelName, read.MemoryImage, {2026, 12, 6, 17, 5, 1})
            .Ok);
    DecodeImage(read, model);

    read.Settings.CommonSetup.Rotary = !read.Settings.CommonSetup.Rotary;
    const BackupChanges changes = ChangesSinceNewestBackup(folder.Path(), read, model);
    ASSERT_EQ(changes.Differences.size(), 1u);
    EXPECT_EQ(changes.Differences[0].Field, "Rotary Beep");
    std::vector<std::string> kept;
    for (const SettingDifference& setting : changes.Kept) {
        kept.push_back(setting.Entry + " | " + setting.Field + " | " + setting.ValueA);
    }
    EXPECT_EQ(kept, (std::vector<std::string>{"NMEA Data Input | Offset Time | 28",
                                              "Weather CH Function | Weather Alert | 9",
                                              "CH 20A | DUP | DUP (1)", "CH 20A | VS | -- (2)"}));
}

} // namespace
} // namespace tq58
