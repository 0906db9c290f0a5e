#include "files/ImageFile.h"

#include "link/ImageHeader.h"
#include "model/NewData.h"
#include "support/ScratchFolder.h"
#include "support/TestModels.h"

#include <gtest/gtest.h>

namespace tq58 {
namespace {

using test::Rv7200A;
using test::Rv7700A;
using test::Rv7700AM;

RadioData NewRadioData(const ModelState& model) {
    RadioData data;
    NewData(data, model);
    return data;
}

// An image of the model code at both ends, with a recognisable name in CHUSA 0.
std::string ImageBytes(std::uint8_t high, std::uint8_t low, std::size_t size = ImageSize) {
    RadioData data = NewRadioData(Rv7700A());
    data.Settings.CHUSA[0].ChTag = "FROMFILE";
    (void)PrepareOutgoingImage(data, Rv7700A());
    std::string bytes(data.MemoryImage.begin(), data.MemoryImage.end());
    bytes.resize(size, '\xFF');
    bytes[0] = static_cast<char>(high);
    bytes[1] = static_cast<char>(low);
    if (size >= 2) {
        bytes[size - 2] = static_cast<char>(high);
        bytes[size - 1] = static_cast<char>(low);
    }
    return bytes;
}

class ImageFileTest : public ::testing::Test {
protected:
    test::ScratchFolder folder;
};

TEST_F(ImageFileTest, TheModelCodeMustStandAtBothEnds) {
    Image image{};
    image[0] = 0x1E;
    image[1] = 0x14;
    EXPECT_FALSE(IsImageOfModel(image, 2));
    image[ImageSize - 2] = 0x1E;
    image[ImageSize - 1] = 0x14;
    EXPECT_TRUE(IsImageOfModel(image, 2));
    EXPECT_TRUE(IsImageOfModel(image, 11));
    EXPECT_FALSE(IsImageOfModel(image, 1));
    EXPECT_FALSE(IsImageOfModel(image, 3));
    image[0] = 0x1C;
    image[1] = 0x20;
    image[ImageSize - 2] = 0x1C;
    image[ImageSize - 1] = 0x20;
    EXPECT_TRUE(IsImageOfModel(image, 1));
    EXPECT_EQ(ImageModelCode(image), 7200);
}

TEST_F(ImageFileTest, ADefaultImageOfTheModelIsLoadedAndDecoded) {
    folder.Write("USA_1E14.ini", ImageBytes(0x1E, 0x14));
    RadioData data = NewRadioData(Rv7700A());
    EXPECT_TRUE(FileReadIni(folder.File("USA_1E14.ini"), data, Rv7700A()));
    EXPECT_EQ(data.Settings.CHUSA[0].ChTag, "FROMFILE");
    EXPECT_EQ(std::string(data.MemoryImage.begin(), data.MemoryImage.end()),
              folder.Read("USA_1E14.ini"));

    RadioData forM = NewRadioData(Rv7700AM());
    EXPECT_TRUE(FileReadIni(folder.File("USA_1E14.ini"), forM, Rv7700AM()));
}

TEST_F(ImageFileTest, DefaultImagesOfTheWrongSizeOrModelLeaveTheDataAlone) {
    std::string lastDiffers = ImageBytes(0x1E, 0x14);
    lastDiffers[ImageSize - 1] = 0x15;
    folder.Write("short.ini", ImageBytes(0x1E, 0x14, ImageSize - 1));
    folder.Write("long.ini", ImageBytes(0x1E, 0x14, ImageSize + 1));
    folder.Write("other.ini", ImageBytes(0x1C, 0x20));
    folder.Write("lastdiffers.ini", lastDiffers);
    folder.Write("empty.ini", "");
    RadioData data = NewRadioData(Rv7700A());
    const RadioData before = data;
    for (const char* name :
         {"short.ini", "long.ini", "other.ini", "lastdiffers.ini", "empty.ini", "missing.ini"}) {
        EXPECT_FALSE(FileReadIni(folder.File(name), data, Rv7700A())) << name;
    }
    EXPECT_EQ(data.MemoryImage, before.MemoryImage);
    EXPECT_EQ(data.Settings, before.Settings);
}

TEST_F(ImageFileTest, OnlyADefaultImageThatCannotBeReadIsLogged) {
    folder.Write("short.ini", ImageBytes(0x1E, 0x14, ImageSize - 1));
    RadioData data = NewRadioData(Rv7700A());
    FileOutcome failure;
    EXPECT_FALSE(FileReadIni(folder.File("short.ini"), data, Rv7700A(), &failure));
    EXPECT_EQ(failure.LogProcedure, "");
    EXPECT_FALSE(FileReadIni(folder.File("missing.ini"), data, Rv7700A(), &failure));
    EXPECT_EQ(failure.LogProcedure, "frmMain.FileReadIni");
    EXPECT_FALSE(failure.LogDetail.empty());
}

TEST_F(ImageFileTest, ReadImageBytesReplacesOnlyTheImage) {
    folder.Write("a.hex", ImageBytes(0x1E, 0x14));
    RadioData data = NewRadioData(Rv7700A());
    const SettingsRecord settings = data.Settings;
    EXPECT_TRUE(ReadImageBytes(folder.File("a.hex"), data, Rv7700A()).Ok);
    EXPECT_EQ(data.Settings, settings);
    EXPECT_EQ(data.ImageLastAddress, ImageSize - 1);
    EXPECT_EQ(std::string(data.MemoryImage.begin(), data.MemoryImage.end()), folder.Read("a.hex"));
}

TEST_F(ImageFileTest, SavedImagesLoadBackIdenticallyWithTheHeaderChecksum) {
    RadioData data = NewRadioData(Rv7700A());
    data.Settings.CHEXP[0].Enable = true;
    data.Settings.CHEXP[0].Rxfreq = 156.025;
    data.Settings.CHEXP[0].Narrow = true;
    ASSERT_TRUE(SaveHexFileAs(folder.File("a.hex"), data, Rv7700A()).Ok);
    const std::string saved = folder.Read("a.hex");
    ASSERT_EQ(saved.size(), static_cast<std::size_t>(ImageSize));
    EXPECT_EQ(static_cast<std::uint8_t>(saved[HeaderChecksumAddress]),
              HeaderChecksum(data.MemoryImage, HeaderChecksumFirst, HeaderChecksumCount));

    RadioData loaded = NewRadioData(Rv7700A());
    ASSERT_TRUE(ReadHexFileAs(folder.File("a.hex"), loaded, Rv7700A()).Ok);
    EXPECT_EQ(loaded.MemoryImage, data.MemoryImage);
    EXPECT_TRUE(loaded.Settings.CHEXP[0].Narrow);
    EXPECT_EQ(loaded.Settings.CHEXP[0].Rxfreq, 156.025);
}

TEST_F(ImageFileTest, SavingTheImageEncodesTheRecordFirst) {
    RadioData data = NewRadioData(Rv7700A());
    data.Settings.CHUSA[4].ChTag = "ENCODED";
    ASSERT_TRUE(SaveHexFileAs(folder.File("a.hex"), data, Rv7700A()).Ok);
    RadioData loaded = NewRadioData(Rv7700A());
    ASSERT_TRUE(ReadHexFileAs(folder.File("a.hex"), loaded, Rv7700A()).Ok);
    EXPECT_EQ(loaded.Settings.CHUSA[4].ChTag, "ENCODED");
}

TEST_F(ImageFileTest, AnImageSavedOverALongerFileIsExactly32768Bytes) {
    folder.Write("a.hex", std::string(100000, 'x'));
    RadioData data = NewRadioData(Rv7700A());
    ASSERT_TRUE(SaveHexFileAs(folder.File("a.hex"), data, Rv7700A()).Ok);
    EXPECT_EQ(folder.Read("a.hex").size(), static_cast<std::size_t>(ImageSize));
    EXPECT_EQ(folder.Names(), std::vector<std::string>{"a.hex"});
    RadioData loaded = NewRadioData(Rv7700A());
    EXPECT_TRUE(ReadHexFileAs(folder.File("a.hex"), loaded, Rv7700A()).Ok);
}

TEST_F(ImageFileTest, AnImageThatCannotBeStoredIsNotSaved) {
    RadioData data = NewRadioData(Rv7700A());
    data.Settings.CommonSetup.ResumeTime = 300;
    const FileOutcome outcome = SaveHexFileAs(folder.File("a.hex"), data, Rv7700A());
    EXPECT_EQ(outcome.Message, "FileSave Error!!");
    EXPECT_TRUE(folder.Names().empty());
}

TEST_F(ImageFileTest, LoadFailuresReportTheirMessagesAndChangeNothing) {
    folder.Write("short.hex", ImageBytes(0x1E, 0x14, ImageSize - 1));
    folder.Write("long.hex", ImageBytes(0x1E, 0x14, ImageSize + 1));
    folder.Write("other.hex", ImageBytes(0x1C, 0x20));
    RadioData data = NewRadioData(Rv7700A());
    data.Settings.CHUSA[0].ChTag = "unsaved";
    const RadioData before = data;

    EXPECT_EQ(ReadHexFileAs(folder.File("short.hex"), data, Rv7700A()).Message, "bad file!!");
    EXPECT_EQ(ReadHexFileAs(folder.File("long.hex"), data, Rv7700A()).Message, "bad file!!");
    const FileOutcome other = ReadHexFileAs(folder.File("other.hex"), data, Rv7700A());
    EXPECT_EQ(other.Message, "ModelType Error !!");
    EXPECT_EQ(other.MessageTitle, "Read from Radio");
    EXPECT_EQ(other.Icon, MessageIcon::Critical);
    const FileOutcome missing = ReadHexFileAs(folder.File("missing.hex"), data, Rv7700A());
    EXPECT_EQ(missing.Message, "FileRead Error!!");
    EXPECT_EQ(missing.LogProcedure, "frmMain.ReadHexFileAs");

    EXPECT_EQ(data.MemoryImage, before.MemoryImage);
    EXPECT_EQ(data.Settings, before.Settings);
}

TEST_F(ImageFileTest, AnRv7200AImageLoadsOnlyForRv7200A) {
    RadioData small = NewRadioData(Rv7200A());
    ASSERT_TRUE(SaveHexFileAs(folder.File("a.hex"), small, Rv7200A()).Ok);
    RadioData data = NewRadioData(Rv7700AM());
    EXPECT_FALSE(ReadHexFileAs(folder.File("a.hex"), data, Rv7700AM()).Ok);
    EXPECT_TRUE(ReadHexFileAs(folder.File("a.hex"), small, Rv7200A()).Ok);
}

} // namespace
} // namespace tq58
