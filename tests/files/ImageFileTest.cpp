#include "files/ImageFile.h"

#include "model/ImageHeader.h"
#include "model/NewData.h"
#include "support/RadioFixtures.h"
#include "support/ScratchFolder.h"
#include "support/TestModels.h"

#include <gtest/gtest.h>

namespace tq58 {
namespace {

using test::NewRadioData;
using test::Rv7200A;
using test::Rv7700A;
using test::Rv7700AM;

// An image of the model code at both ends, with a recognisable name in CHUSA 0.
std::string ImageBytes(std::uint8_t high, std::uint8_t low, std::size_t size = ImageSize) {
    RadioData data = NewRadioData(Rv7700A());
    data.Settings.CHUSA[0].ChTag = "FROMFILE";
    (void)PrepareOutgoingImage(data, Rv7700A());
    std::string bytes(data.MemoryImage.begin(), data.MemoryImage.end());
    bytes.resize(size, '\xFF');
    for (const std::size_t at : {std::size_t{0}, size - 2}) {
        bytes[at] = static_cast<char>(high);
        bytes[at + 1] = static_cast<char>(low);
    }
    return bytes;
}

class ImageFileTest : public ::testing::Test {
protected:
    ImageFileTest() {
        std::string lastDiffers = ImageBytes(0x1E, 0x14);
        lastDiffers[ImageSize - 1] = 0x15;
        folder.Write("7700.hex", ImageBytes(0x1E, 0x14));
        folder.Write("7200.hex", ImageBytes(0x1C, 0x20));
        folder.Write("short.hex", ImageBytes(0x1E, 0x14, ImageSize - 1));
        folder.Write("long.hex", ImageBytes(0x1E, 0x14, ImageSize + 1));
        folder.Write("lastdiffers.hex", lastDiffers);
        folder.Write("empty.hex", "");
    }
    std::string Bytes(const RadioData& of) const {
        return std::string(of.MemoryImage.begin(), of.MemoryImage.end());
    }

    test::ScratchFolder folder;
    RadioData data = NewRadioData(Rv7700A());
};

TEST_F(ImageFileTest, ImagesOfTheModelLoadWithTheirSettings) {
    EXPECT_TRUE(FileReadIni(folder.File("7700.hex"), data, Rv7700A(), {}).Ok);
    EXPECT_EQ(data.Settings.CHUSA[0].ChTag, "FROMFILE");
    EXPECT_EQ(Bytes(data), folder.Read("7700.hex"));
    RadioData forM = NewRadioData(Rv7700AM());
    EXPECT_TRUE(ReadHexFileAs(folder.File("7700.hex"), forM, Rv7700AM(), {}).Ok);
    RadioData small = NewRadioData(Rv7200A());
    EXPECT_TRUE(ReadHexFileAs(folder.File("7200.hex"), small, Rv7200A(), {}).Ok);
    EXPECT_EQ(small.Settings.CHUSA[0].ChTag, "FROMFILE");
    EXPECT_EQ(ImageModelCode(small.MemoryImage), 7200);

    RadioData onlyImage = NewRadioData(Rv7700A());
    EXPECT_TRUE(ReadImageBytes(folder.File("7700.hex"), onlyImage, Rv7700A(), {}).Ok);
    EXPECT_EQ(onlyImage.Settings, NewRadioData(Rv7700A()).Settings);
    EXPECT_EQ(Bytes(onlyImage), folder.Read("7700.hex"));
}

TEST_F(ImageFileTest, BadFilesReportTheirFailureAndChangeNothing) {
    data.Settings.CHUSA[0].ChTag = "unsaved";
    const RadioData before = data;
    const std::pair<const char*, const char*> cases[] = {{"short.hex", "bad file!!"},
                                                         {"long.hex", "bad file!!"},
                                                         {"empty.hex", "bad file!!"},
                                                         {"7200.hex", "ModelType Error !!"},
                                                         {"lastdiffers.hex", "ModelType Error !!"},
                                                         {"missing.hex", "FileRead Error!!"}};
    for (const auto& [name, message] : cases) {
        SCOPED_TRACE(name);
        const bool missing = std::string(name) == "missing.hex";
        const Outcome failure = FileReadIni(folder.File(name), data, Rv7700A(), "caller.Ini");
        EXPECT_FALSE(failure.Ok);
        EXPECT_EQ(failure.LogProcedure, missing ? "caller.Ini" : "");
        EXPECT_EQ(failure.LogDetail.empty(), !missing);
        const Outcome outcome = ReadHexFileAs(folder.File(name), data, Rv7700A(), "caller.Hex");
        EXPECT_EQ(outcome.Message, message);
        EXPECT_EQ(outcome.LogProcedure, missing ? "caller.Hex" : "");
    }
    const Outcome other = ReadHexFileAs(folder.File("7200.hex"), data, Rv7700A(), {});
    EXPECT_EQ(other.MessageTitle, "Read from Radio");
    EXPECT_EQ(other.Icon, MessageIcon::Critical);
    EXPECT_EQ(data.MemoryImage, before.MemoryImage);
    EXPECT_EQ(test::RecordDifferences(data.Settings, before.Settings), std::vector<std::string>{});
}

TEST_F(ImageFileTest, ASavedImageIsEncodedWholeWithItsChecksumAndLoadsBack) {
    folder.Write("a.hex", std::string(100000, 'x'));
    const std::vector<std::string> names = folder.Names();
    data.Settings.CHUSA[4].ChTag = "ENCODED";
    data.Settings.CHEXP[0].Narrow = true;
    ASSERT_TRUE(SaveHexFileAs(folder.File("a.hex"), data, Rv7700A(), {}).Ok);
    const std::string saved = folder.Read("a.hex");
    ASSERT_EQ(saved.size(), static_cast<std::size_t>(ImageSize));
    EXPECT_EQ(folder.Names(), names); // replaced whole, nothing left beside it
    EXPECT_EQ(static_cast<std::uint8_t>(saved[HeaderChecksumAddress]),
              HeaderChecksum(data.MemoryImage, HeaderChecksumFirst, HeaderChecksumCount));

    RadioData loaded = NewRadioData(Rv7700A());
    ASSERT_TRUE(ReadHexFileAs(folder.File("a.hex"), loaded, Rv7700A(), {}).Ok);
    EXPECT_EQ(loaded.MemoryImage, data.MemoryImage);
    EXPECT_EQ(loaded.Settings.CHUSA[4].ChTag, "ENCODED");
    EXPECT_TRUE(loaded.Settings.CHEXP[0].Narrow);
}

TEST_F(ImageFileTest, AnImageThatCannotBeStoredIsNotSaved) {
    const std::vector<std::string> names = folder.Names();
    data.Settings.CommonSetup.ResumeTime = 300;
    const Outcome failed = SaveHexFileAs(folder.File("a.hex"), data, Rv7700A(), "caller.Save");
    EXPECT_EQ(failed.Message, "FileSave Error!!");
    EXPECT_EQ(failed.LogProcedure, "caller.Save");
    EXPECT_EQ(folder.Names(), names);
}

} // namespace
} // namespace tq58
