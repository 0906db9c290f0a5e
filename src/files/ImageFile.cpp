#include "files/ImageFile.h"

#include "files/WholeFile.h"
#include "model/Decoder.h"
#include "model/ImageHeader.h"
#include "model/ModelCatalogue.h"

#include <algorithm>
#include <filesystem>

namespace tq58 {

namespace {

constexpr int LastAddress = ImageSize - 1;

void ReplaceImage(RadioData& data, const Image& image) {
    data.MemoryImage = image;
    data.ImageLastAddress = LastAddress;
}

Outcome ReadFailure(const std::string& detail) {
    return Outcome::Failure(FileReadErrorMessage, MessageIcon::Exclamation, "frmMain.ReadHexFileAs",
                            detail);
}

// A file that exists but is not an image; a missing one is a read failure instead.
bool HasWrongSize(const std::string& path) {
    std::error_code error;
    const auto size = std::filesystem::file_size(path, error);
    return !error && size != ImageSize;
}

} // namespace

std::optional<int> ImageModelCode(const Image& image) {
    const int front = ReadWord(image, 0);
    if (front != ReadWord(image, ImageSize - 2)) {
        return std::nullopt;
    }
    return front;
}

bool IsImageOfModel(const Image& image, int modelType) {
    const int code = ModelCodeOf(modelType);
    return code != 0 && ImageModelCode(image) == code;
}

std::optional<Image> ReadImageFile(const std::string& path, std::string& error) {
    const FileBytes file = ReadWholeFile(path, ImageSize);
    if (!file.Bytes) {
        error = file.Error;
        return std::nullopt;
    }
    if (file.Bytes->size() != ImageSize) {
        error = "not " + std::to_string(ImageSize) + " bytes long: " + path;
        return std::nullopt;
    }
    Image image;
    std::copy(file.Bytes->begin(), file.Bytes->end(), image.begin());
    return image;
}

Outcome ReadImageBytes(const std::string& path, RadioData& data, const ModelState& model) {
    if (HasWrongSize(path)) {
        return Outcome::Failure({}, MessageIcon::Exclamation);
    }
    std::string error;
    const std::optional<Image> image = ReadImageFile(path, error);
    if (!image) {
        return Outcome::Failure({}, MessageIcon::Exclamation, "frmMain.FileReadIni", error);
    }
    if (!IsImageOfModel(*image, model.ModelType)) {
        return Outcome::Failure({}, MessageIcon::Exclamation);
    }
    ReplaceImage(data, *image);
    return Outcome::Success();
}

bool FileReadIni(const std::string& path, RadioData& data, const ModelState& model,
                 Outcome* failure) {
    const Outcome read = ReadImageBytes(path, data, model);
    if (!read.Ok) {
        if (failure) {
            *failure = read;
        }
        return false;
    }
    DecodeImage(data, model);
    return true;
}

Outcome ReadHexFileAs(const std::string& path, RadioData& data, const ModelState& model) {
    if (HasWrongSize(path)) {
        return Outcome::Failure(BadFileMessage, MessageIcon::Critical);
    }
    std::string error;
    const std::optional<Image> image = ReadImageFile(path, error);
    if (!image) {
        return ReadFailure(error);
    }
    if (!IsImageOfModel(*image, model.ModelType)) {
        Outcome outcome = Outcome::Failure(ModelTypeErrorMessage, MessageIcon::Critical);
        outcome.MessageTitle = "Read from Radio";
        return outcome;
    }
    ReplaceImage(data, *image);
    DecodeImage(data, model);
    return Outcome::Success();
}

Outcome SaveHexFileAs(const std::string& path, RadioData& data, const ModelState& model) {
    const EncodeResult encoded = PrepareOutgoingImage(data, model);
    if (!encoded.Ok()) {
        return Outcome::Failure(FileSaveErrorMessage, MessageIcon::Exclamation,
                                "frmMain.SaveHexFileAs", "cannot store " + encoded.FailedField);
    }
    const std::string bytes(data.MemoryImage.begin(), data.MemoryImage.end());
    const std::string error = ReplaceFileContents(path, bytes);
    if (!error.empty()) {
        return Outcome::Failure(FileSaveErrorMessage, MessageIcon::Exclamation,
                                "frmMain.SaveHexFileAs", error);
    }
    return Outcome::Success();
}

} // namespace tq58
