#include "CliData.h"

#include "files/ImageFile.h"
#include "files/SettingsFile.h"
#include "files/TextCase.h"
#include "files/WholeFile.h"
#include "model/ModelCatalogue.h"
#include "program/Destinations.h"
#include "program/ModelSelection.h"

#include <QCoreApplication>
#include <filesystem>

namespace tq58::cli {

namespace {

enum class FileKind { Settings, Image, Unknown };

FileKind KindOf(const std::string& path) {
    if (EndsWithIgnoreCase(path, ".dat")) {
        return FileKind::Settings;
    }
    if (EndsWithIgnoreCase(path, ".hex")) {
        return FileKind::Image;
    }
    return FileKind::Unknown;
}

std::string Explained(const Outcome& outcome) {
    return outcome.LogDetail.empty() ? outcome.Message : outcome.Message + "\n" + outcome.LogDetail;
}

// The model an image carries; 7700 is the RV7700A unless the caller names the RV7700AM.
std::optional<int> ModelOfImage(const Image& image) {
    const std::optional<int> code = ImageModelCode(image);
    for (const int modelType : {1, 2}) {
        if (code && *code == ModelCodeOf(modelType)) {
            return modelType;
        }
    }
    return std::nullopt;
}

std::optional<int> ModelOfSettingsFile(const std::string& path) {
    const FileBytes file = ReadWholeFile(path);
    return file.Bytes ? DataFileModelType(*file.Bytes) : std::nullopt;
}

// A settings file is read over new data with the default image of the remembered
// destination; the command line remembers nothing, so that is the program's default.
bool LoadSettingsFile(const std::string& path, const ModelState& model,
                      const std::string& programFolder, RadioData& data, std::string& error) {
    const MemorySettingsStore store;
    RadioData loaded;
    const Outcome outcome =
        FileRead2(path, loaded, model, MakeDefaultImageLoader(programFolder, model, store));
    if (!outcome.Ok) {
        error = Explained(outcome);
        return false;
    }
    data = std::move(loaded);
    return true;
}

// An image file is loaded over new data without a default image, as the debug load does.
bool LoadImageFile(const std::string& path, const ModelState& model, RadioData& data,
                   std::string& error) {
    RadioData loaded;
    NewData(loaded, model);
    const Outcome outcome = ReadHexFileAs(path, loaded, model);
    if (!outcome.Ok) {
        error = Explained(outcome);
        return false;
    }
    data = std::move(loaded);
    return true;
}

// The model the input names itself; absent with the program's message in error.
std::optional<int> InputModel(const std::string& path, FileKind kind, std::string& error) {
    error = ModelTypeErrorMessage;
    if (kind == FileKind::Settings) {
        return ModelOfSettingsFile(path);
    }
    std::string readError;
    const std::optional<Image> image = ReadImageFile(path, readError);
    if (!image) {
        std::error_code sizeError;
        const bool wrongSize = std::filesystem::file_size(path, sizeError) != ImageSize;
        error =
            !sizeError && wrongSize ? BadFileMessage : FileReadErrorMessage + ("\n" + readError);
        return std::nullopt;
    }
    return ModelOfImage(*image);
}

} // namespace

bool IsDataFilePath(const std::string& path) {
    return KindOf(path) != FileKind::Unknown;
}

std::string ProgramFolder(const CliArgs& args) {
    if (const auto folder = args.Value("--program-folder")) {
        return *folder;
    }
    return QCoreApplication::applicationDirPath().toStdString();
}

ModelState ModelFor(int modelType, const std::string& programFolder) {
    return ModelStateFor(modelType, GlobalIniPath(programFolder));
}

bool LoadInput(const std::string& path, const std::optional<int>& modelOverride,
               const std::string& programFolder, RadioData& data, ModelState& model,
               std::string& error) {
    const FileKind kind = KindOf(path);
    if (kind == FileKind::Unknown) {
        error = "cannot tell the kind of " + path + " (use .dat or .hex)";
        return false;
    }
    std::string inputError = ModelTypeErrorMessage;
    const std::optional<int> modelType =
        modelOverride ? modelOverride : InputModel(path, kind, inputError);
    if (!modelType || !IsKnownModel(*modelType)) {
        error = inputError;
        return false;
    }
    const ModelState loadedModel = ModelFor(*modelType, programFolder);
    const bool loaded = kind == FileKind::Settings
                            ? LoadSettingsFile(path, loadedModel, programFolder, data, error)
                            : LoadImageFile(path, loadedModel, data, error);
    if (loaded) {
        model = loadedModel;
    }
    return loaded;
}

bool WriteOutput(const std::string& path, RadioData& data, const ModelState& model,
                 std::string& error) {
    Outcome outcome;
    switch (KindOf(path)) {
    case FileKind::Settings:
        outcome = SaveFileAs(path, data.Settings, model);
        break;
    case FileKind::Image:
        outcome = SaveHexFileAs(path, data, model);
        break;
    case FileKind::Unknown:
        error = "cannot tell the kind of " + path + " (use .dat or .hex)";
        return false;
    }
    if (!outcome.Ok) {
        error = Explained(outcome);
    }
    return outcome.Ok;
}

} // namespace tq58::cli
