#include "CliArgs.h"
#include "CliData.h"
#include "CliVerbs.h"
#include "files/TextCase.h"
#include "model/ModelCatalogue.h"
#include "program/Destinations.h"

namespace tq58::cli {

namespace {

std::string Offered(const std::vector<std::string>& names) {
    std::string list;
    for (const std::string& name : names) {
        list += (list.empty() ? "" : ", ") + name;
    }
    return list.empty() ? "none" : list;
}

// Loads the destination as its Destination menu item does: new data, then its default image.
Outcome ApplyNamedDestination(const std::string& destination, const std::string& programFolder,
                              const ModelState& model, RadioData& data) {
    DestinationMenu menu;
    menu.Names = ListDestinationNames(programFolder, model.ModelType);
    std::size_t index = 0;
    while (index < menu.Names.size() && !EqualsIgnoreCase(menu.Names[index], destination)) {
        ++index;
    }
    MemorySettingsStore store;
    Outcome outcome = ChangeDestination(menu, index, programFolder, model, store, data, {});
    if (!outcome.Ok) {
        outcome.LogDetail = "destination " + destination + " of the " + model.ModelName + " in " +
                            programFolder + "; offered: " + Offered(menu.Names);
    }
    return outcome;
}

} // namespace

std::string DestinationsHelp() {
    const std::string folder = ProgramFolder(CliArgs({}, {}));
    std::string text = "Destinations (the factory default images in " + folder + "):\n";
    for (const int modelType : CatalogueModelTypes()) {
        text += "  " + ModelNameOf(modelType) + ": " +
                Offered(ListDestinationNames(folder, modelType)) + "\n";
    }
    return text + "--program-folder DIR takes those of another folder.\n";
}

int RunNew(const std::vector<std::string>& words) {
    const CliArgs args(words, {"--model", "-o", "--destination", "--program-folder"});
    if (!args.Valid()) {
        return UsageError(args.Error());
    }
    const auto modelText = args.Value("--model");
    const auto output = args.Value("-o");
    if (!modelText || !output || !args.Positional().empty()) {
        return UsageError("usage: new --model M [--destination D] -o OUT");
    }
    const auto modelType = ParseModel(*modelText);
    if (!modelType) {
        return UsageError("unknown model '" + *modelText + "'");
    }
    const std::string programFolder = ProgramFolder(args);
    ModelState model;
    if (const Outcome capable = ModelFor(*modelType, programFolder, model); !capable.Ok) {
        return Failure(capable);
    }
    RadioData data;
    Outcome outcome = Outcome::Success();
    if (const auto destination = args.Value("--destination")) {
        outcome = ApplyNamedDestination(*destination, programFolder, model, data);
    } else {
        outcome = NewData(data, model);
    }
    if (outcome.Ok) {
        outcome = WriteOutput(*output, data, model);
    }
    return outcome.Ok ? ExitOk : Failure(outcome);
}

} // namespace tq58::cli
