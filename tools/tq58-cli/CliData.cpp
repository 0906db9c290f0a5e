#include "CliData.h"

#include "files/DataFileParser.h"
#include "files/ImageFile.h"
#include "files/MissingSections.h"
#include "files/NativePath.h"
#include "files/SettingsFile.h"
#include "files/TextCase.h"
#include "model/ModelCatalogue.h"
#include "program/Destinations.h"
#include "program/ModelSelection.h"
#include "program/ProgramFolder.h"

#include <QCoreApplication>
#include <algorithm>
#include <filesystem>
#include <iostream>

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

Outcome UnknownKind(const std::string& path) {
    return Outcome::Failure("cannot tell the kind of " + path + " (use .dat or .hex)",
                            MessageIcon::Critical);
}

// The program's message, with what the file holds instead of a model the program knows.
Outcome ModelTypeError(const std::string& path, FileKind kind, const std::optional<int>& model) {
    const std::string where =
        kind == FileKind::Settings ? "MODELTYPE of [MAIN]" : "the image's model code";
    const std::string found = model ? "names model " + std::to_string(*model) : "names no model";
    std::string models;
    for (const int modelType : CatalogueModelTypes()) {
        models += (models.empty() ? "" : ", ") + ModelNameOf(modelType) + " (" +
                  std::to_string(modelType) + ")";
    }
    return Outcome::Failure(ModelTypeErrorMessage, MessageIcon::Critical, {},
                            path + ": " + where + " " + found + "; the models are " + models);
}

// A file of one model given to another by --model.
Outcome OtherModelError(const std::string& path, int fileModel, int modelOverride) {
    return Outcome::Failure(ModelTypeErrorMessage, MessageIcon::Critical, {},
                            path + " is for the " + ModelNameOf(fileModel) +
                                "; --model names the " + ModelNameOf(modelOverride));
}

// Another program's file, or notes that happen to end in .dat: not ours at all.
bool HasMainSection(const std::string& text) {
    const DataSections parsed = ParseDataText(text);
    const auto& sections = parsed.All();
    return std::any_of(sections.begin(), sections.end(),
                       [](const DataSection& section) { return section.Name == "MAIN"; });
}

// The model an image carries; 7700 is the RV7700A unless the caller names the RV7700AM.
std::optional<int> ModelOfImage(const Image& image) {
    const std::optional<int> code = ImageModelCode(image);
    return code ? ModelTypeOfCode(*code) : std::nullopt;
}

// A settings file is read over new data with the default image of the remembered
// destination; the command line remembers nothing, so that is the program's default. A file
// that lacks sections is read all the same, with a warning on stderr.
Outcome LoadSettingsFile(const std::string& path, const ModelState& model,
                         const std::string& programFolder, RadioData& data) {
    const MemorySettingsStore store;
    RadioData loaded;
    std::vector<std::string> missing;
    const Outcome outcome = ReadSettingsFile(
        path, loaded, model, {}, MakeDefaultImageLoader(programFolder, model, store), &missing);
    if (outcome.Ok) {
        data = std::move(loaded);
        if (!missing.empty()) {
            std::cerr << "warning: " << path << ": " << MissingSectionsWarning(missing).English()
                      << "\n";
        }
    }
    return outcome;
}

// An image file is loaded over new data without a default image, as the debug load does.
Outcome LoadImageFile(const std::string& path, const ModelState& model, RadioData& data) {
    RadioData loaded;
    if (const Outcome made = NewData(loaded, model); !made.Ok) {
        return made;
    }
    const Outcome outcome = ReadHexFileAs(path, loaded, model, {});
    if (outcome.Ok) {
        data = std::move(loaded);
    }
    return outcome;
}

// The model the input names itself; absent when it names none.
Outcome InputModel(const std::string& path, FileKind kind, std::optional<int>& modelType) {
    if (kind == FileKind::Settings) {
        std::string text;
        const Outcome read = ReadSettingsText(path, text, {});
        if (read.Ok && !HasMainSection(text)) {
            return Outcome::Failure(path + " is not a TQ58 settings file: it has no [MAIN] section",
                                    MessageIcon::Critical);
        }
        if (read.Ok) {
            modelType = DataFileModelType(text);
        }
        return read;
    }
    Image image;
    if (const Outcome read = ReadImageFile(path, image); !read.Ok) {
        std::error_code sizeError;
        const auto size = std::filesystem::file_size(NativePath(path), sizeError);
        return !sizeError && size != ImageSize
                   ? Outcome::Failure(BadFileMessage, MessageIcon::Critical, {},
                                      path + ": " + std::to_string(size) + " bytes; an image has " +
                                          std::to_string(ImageSize))
                   : read.Reported(FileReadErrorMessage, MessageIcon::Exclamation);
    }
    modelType = ModelOfImage(image);
    return Outcome::Success();
}

} // namespace

bool IsDataFilePath(const std::string& path) {
    return KindOf(path) != FileKind::Unknown;
}

bool IsSameKind(const std::string& path, const std::string& other) {
    return KindOf(path) == KindOf(other);
}

bool IsSameFile(const std::string& path, const std::string& other) {
    std::error_code error;
    return std::filesystem::equivalent(NativePath(path), NativePath(other), error) && !error;
}

std::string SameFileError(const std::string& input, const std::string& output) {
    return "the output " + output + " is the input " + input + "; it would be replaced";
}

std::optional<std::string> ReadModelOption(const CliArgs& args, std::optional<int>& modelType) {
    if (const auto text = args.Value("--model")) {
        modelType = ParseModel(*text);
        if (!modelType) {
            return "unknown model '" + *text + "'";
        }
    }
    return std::nullopt;
}

std::optional<int> LoadVerbInput(const CliArgs& args, const std::string& input,
                                 const std::optional<std::string>& output, RadioData& data,
                                 ModelState& model) {
    std::optional<int> modelType;
    if (const auto problem = ReadModelOption(args, modelType)) {
        return UsageError(*problem);
    }
    if (output && IsSameFile(input, *output)) {
        return UsageError(SameFileError(input, *output));
    }
    if (const Outcome loaded = LoadInput(input, modelType, ProgramFolder(args), data, model);
        !loaded.Ok) {
        return Failure(loaded);
    }
    return std::nullopt;
}

std::string ProgramFolder(const CliArgs& args) {
    if (const auto folder = args.Value("--program-folder")) {
        return *folder;
    }
    return FindProgramFolder(QCoreApplication::applicationDirPath().toStdString());
}

Outcome ModelFor(int modelType, const std::string& programFolder, ModelState& model) {
    return ReadModelCapabilities(modelType, GlobalIniPath(programFolder), model)
        .Reported("Unknown model!!", MessageIcon::Critical);
}

Outcome LoadInput(const std::string& path, const std::optional<int>& modelOverride,
                  const std::string& programFolder, RadioData& data, ModelState& model) {
    const FileKind kind = KindOf(path);
    if (kind == FileKind::Unknown) {
        return UnknownKind(path);
    }
    std::optional<int> modelType;
    if (const Outcome named = InputModel(path, kind, modelType); !named.Ok) {
        return named;
    }
    // An image tells only its code, which the RV7700A and the RV7700AM share.
    const bool sameModel =
        modelType && modelOverride &&
        (kind == FileKind::Image ? ModelCodeOf(*modelType) == ModelCodeOf(*modelOverride)
                                 : *modelType == *modelOverride);
    if (modelType && IsKnownModel(*modelType) && modelOverride && !sameModel) {
        return OtherModelError(path, *modelType, *modelOverride);
    }
    if (modelOverride) {
        modelType = modelOverride;
    }
    if (!modelType || !IsKnownModel(*modelType)) {
        return ModelTypeError(path, kind, modelType);
    }
    ModelState loadedModel;
    if (const Outcome capable = ModelFor(*modelType, programFolder, loadedModel); !capable.Ok) {
        return capable;
    }
    const Outcome loaded = kind == FileKind::Settings
                               ? LoadSettingsFile(path, loadedModel, programFolder, data)
                               : LoadImageFile(path, loadedModel, data);
    if (loaded.Ok) {
        model = loadedModel;
    }
    return loaded;
}

Outcome WriteOutput(const std::string& path, RadioData& data, const ModelState& model) {
    switch (KindOf(path)) {
    case FileKind::Settings:
        return SaveFileAs(path, data.Settings, model, {});
    case FileKind::Image:
        return SaveHexFileAs(path, data, model, {});
    case FileKind::Unknown:
        break;
    }
    return UnknownKind(path);
}

} // namespace tq58::cli
