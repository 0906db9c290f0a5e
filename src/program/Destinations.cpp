#include "program/Destinations.h"

#include "files/ImageFile.h"
#include "files/NativePath.h"
#include "files/TextCase.h"
#include "model/ModelCatalogue.h"

#include <algorithm>
#include <filesystem>

namespace tq58 {

namespace fs = std::filesystem;

namespace {

std::string DestinationKey(int modelType) {
    return "IniFileName_" + std::to_string(modelType);
}

bool MatchesModel(const std::string& fileName, const std::string& suffix) {
    return !suffix.empty() && EndsWithIgnoreCase(fileName, suffix + ".ini");
}

// The listing order of a folder differs between systems; sorted file names make the choice
// of the first ten the same everywhere.
std::vector<std::string> MatchingFileNames(const std::string& programFolder, int modelType) {
    const std::string suffix = ModelFileSuffix(modelType);
    std::vector<std::string> names;
    std::error_code error;
    for (fs::directory_iterator it(NativePath(programFolder), error), end; !error && it != end;
         it.increment(error)) {
        const std::string name = NameOfPath(it->path().filename());
        std::error_code typeError;
        if (it->is_regular_file(typeError) && MatchesModel(name, suffix)) {
            names.push_back(name);
        }
    }
    std::sort(names.begin(), names.end(),
              [](const std::string& a, const std::string& b) { return LessIgnoreCase(a, b); });
    return names;
}

// A destination offered for a model with a mark of its own in its file names ("CAN-M" from
// "CAN-M_1E14.ini"): the name without the mark.
std::string WithoutModelMark(const std::string& destination) {
    for (const int modelType : CatalogueModelTypes()) {
        const std::string suffix = ModelFileSuffix(modelType);
        const std::string mark = suffix.substr(0, suffix.find('_'));
        if (!mark.empty() && destination.size() > mark.size() &&
            EndsWithIgnoreCase(destination, mark)) {
            return destination.substr(0, destination.size() - mark.size());
        }
    }
    return destination;
}

// Destination names are upper case and the remembered one is often lower case ("usa"), while
// file names keep whatever case they were installed with.
std::string FindFileIgnoringCase(const std::string& programFolder, const std::string& fileName) {
    std::error_code error;
    for (fs::directory_iterator it(NativePath(programFolder), error), end; !error && it != end;
         it.increment(error)) {
        if (EqualsIgnoreCase(NameOfPath(it->path().filename()), fileName)) {
            return NameOfPath(it->path().filename());
        }
    }
    return fileName;
}

int FindIgnoringCase(const std::vector<std::string>& names, const std::string& wanted) {
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (EqualsIgnoreCase(names[i], wanted)) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

} // namespace

std::string DestinationName(const std::string& fileName) {
    return ToUpperAscii(fileName.substr(0, fileName.find('_')));
}

std::vector<std::string> ListDestinationNames(const std::string& programFolder, int modelType) {
    std::vector<std::string> names;
    for (const std::string& fileName : MatchingFileNames(programFolder, modelType)) {
        const std::string name = DestinationName(fileName);
        if (names.size() == DestinationNameLimit) {
            break;
        }
        if (!name.empty() && FindIgnoringCase(names, name) < 0) {
            names.push_back(name);
        }
    }
    std::sort(names.begin(), names.end(),
              [](const std::string& a, const std::string& b) { return LessIgnoreCase(a, b); });
    return names;
}

std::string DefaultImagePath(const std::string& programFolder, const std::string& destination,
                             int modelType) {
    const std::string fileName =
        WithoutModelMark(destination) + ModelFileSuffix(modelType) + ".ini";
    std::error_code error;
    const fs::path folder = NativePath(programFolder);
    if (fs::exists(folder / NativePath(fileName), error)) {
        return NameOfPath(folder / NativePath(fileName));
    }
    return NameOfPath(folder / NativePath(FindFileIgnoringCase(programFolder, fileName)));
}

std::string RememberedDestination(const SettingsStore& store, int modelType) {
    return store.Read("IniFilePath", DestinationKey(modelType), "usa");
}

DestinationMenu BuildDestinationMenu(const std::string& programFolder, const ModelState& model,
                                     const SettingsStore& store, RadioData& data) {
    DestinationMenu menu;
    menu.Names = ListDestinationNames(programFolder, model.ModelType);
    if (menu.Names.empty()) {
        return menu;
    }
    menu.Enabled = true;
    const std::string remembered = RememberedDestination(store, model.ModelType);
    const int found = FindIgnoringCase(menu.Names, remembered);
    if (found >= 0 &&
        FileReadIni(DefaultImagePath(programFolder, remembered, model.ModelType), data, model, {})
            .Ok) {
        menu.Checked = found;
    }
    return menu;
}

Outcome ApplyDestination(DestinationMenu& menu, std::size_t index, const std::string& programFolder,
                         const ModelState& model, SettingsStore& store, RadioData& data,
                         const std::string& logProcedure) {
    const int previous = menu.Checked;
    menu.Checked = -1;
    Outcome read = Outcome::Failure({}, MessageIcon::Exclamation);
    if (index < menu.Names.size()) {
        read = FileReadIni(DefaultImagePath(programFolder, menu.Names[index], model.ModelType),
                           data, model, logProcedure);
    }
    if (!read.Ok) {
        menu.Checked = previous;
        read.Message = IniFileReadErrorMessage;
        return read;
    }
    menu.Checked = static_cast<int>(index);
    store.Write("IniFilePath", DestinationKey(model.ModelType), menu.Names[index]);
    return Outcome::Success();
}

Outcome ChangeDestination(DestinationMenu& menu, std::size_t index,
                          const std::string& programFolder, const ModelState& model,
                          SettingsStore& store, RadioData& data, const std::string& logProcedure) {
    if (const Outcome made = NewData(data, model); !made.Ok) {
        return made.Reported(IniFileReadErrorMessage, MessageIcon::Exclamation, logProcedure);
    }
    return ApplyDestination(menu, index, programFolder, model, store, data, logProcedure);
}

DefaultImageLoader MakeDefaultImageLoader(std::string programFolder, ModelState model,
                                          const SettingsStore& store, DestinationMenu* menu) {
    return [folder = std::move(programFolder), model = std::move(model), &store,
            menu](RadioData& data) {
        DestinationMenu built = BuildDestinationMenu(folder, model, store, data);
        if (menu) {
            *menu = std::move(built);
        }
    };
}

} // namespace tq58
