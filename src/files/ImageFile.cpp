#include "files/ImageFile.h"

#include "files/NativePath.h"
#include "files/WholeFile.h"
#include "model/Decoder.h"
#include "model/ImageHeader.h"
#include "model/ModelCatalogue.h"
#include "model/Phrase.h"

#include <algorithm>
#include <filesystem>

namespace tq58 {

namespace {

constexpr int LastAddress = ImageSize - 1;

void ReplaceImage(RadioData& data, const Image& image) {
    data.MemoryImage = image;
    data.ImageLastAddress = LastAddress;
}

Outcome ReadFailure(const std::string& detail, const std::string& logProcedure) {
    return Outcome::Failure(FileReadErrorMessage, MessageIcon::Exclamation, logProcedure, detail);
}

// A file that exists but is not an image; a missing one is a read failure instead.
bool HasWrongSize(const std::string& path) {
    std::error_code error;
    const auto size = std::filesystem::file_size(NativePath(path), error);
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

Outcome ReadImageFile(const std::string& path, Image& image) {
    std::string bytes;
    if (Outcome read = ReadWholeFile(path, bytes, ImageSize); !read.Ok) {
        return read;
    }
    if (bytes.size() != ImageSize) {
        return Outcome::Failure({}, MessageIcon::Exclamation, {},
                                "not " + std::to_string(ImageSize) + " bytes long: " + path);
    }
    std::copy(bytes.begin(), bytes.end(), image.begin());
    return Outcome::Success();
}

Outcome ReadImageBytes(const std::string& path, RadioData& data, const ModelState& model,
                       const std::string& logProcedure) {
    if (HasWrongSize(path)) {
        return Outcome::Failure({}, MessageIcon::Exclamation);
    }
    Image image;
    if (const Outcome read = ReadImageFile(path, image); !read.Ok) {
        return read.Reported({}, MessageIcon::Exclamation, logProcedure);
    }
    if (!IsImageOfModel(image, model.ModelType)) {
        return Outcome::Failure({}, MessageIcon::Exclamation);
    }
    ReplaceImage(data, image);
    return Outcome::Success();
}

Outcome FileReadIni(const std::string& path, RadioData& data, const ModelState& model,
                    const std::string& logProcedure) {
    const Outcome read = ReadImageBytes(path, data, model, logProcedure);
    if (read.Ok) {
        DecodeImage(data, model);
    }
    return read;
}

Outcome ReadHexFileAs(const std::string& path, RadioData& data, const ModelState& model,
                      const std::string& logProcedure) {
    if (HasWrongSize(path)) {
        return Outcome::Failure(BadFileMessage, MessageIcon::Critical);
    }
    Image image;
    if (const Outcome read = ReadImageFile(path, image); !read.Ok) {
        return ReadFailure(read.LogDetail, logProcedure);
    }
    if (!IsImageOfModel(image, model.ModelType)) {
        Outcome outcome = Outcome::Failure(ModelTypeErrorMessage, MessageIcon::Critical);
        outcome.MessageTitle = TQ58_TEXT("Files", "Read from Radio");
        return outcome;
    }
    ReplaceImage(data, image);
    DecodeImage(data, model);
    return Outcome::Success();
}

Outcome SaveHexFileAs(const std::string& path, RadioData& data, const ModelState& model,
                      const std::string& logProcedure) {
    if (const Outcome encoded = PrepareOutgoingImage(data, model); !encoded.Ok) {
        return encoded.Reported(FileSaveErrorMessage, MessageIcon::Exclamation, logProcedure);
    }
    const std::string bytes(data.MemoryImage.begin(), data.MemoryImage.end());
    return ReplaceFileContents(path, bytes)
        .Reported(FileSaveErrorMessage, MessageIcon::Exclamation, logProcedure);
}

} // namespace tq58
