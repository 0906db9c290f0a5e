#include "CliArgs.h"
#include "CliData.h"
#include "CliVerbs.h"
#include "model/ModelCatalogue.h"

namespace tq58::cli {

int RunConvert(const std::vector<std::string>& words) {
    const CliArgs args(words, {"--model", "--program-folder"});
    if (!args.Valid()) {
        return UsageError(args.Error());
    }
    if (args.Positional().size() != 2 || args.UnknownOption({})) {
        return UsageError("usage: convert IN OUT [--model M] [--program-folder DIR]");
    }
    std::optional<int> modelType;
    if (const auto modelText = args.Value("--model")) {
        modelType = ParseModel(*modelText);
        if (!modelType) {
            return UsageError("unknown model '" + *modelText + "'");
        }
    }
    const std::string programFolder = ProgramFolder(args);
    RadioData data;
    ModelState model;
    std::string error;
    if (!LoadInput(args.Positional()[0], modelType, programFolder, data, model, error) ||
        !WriteOutput(args.Positional()[1], data, model, error)) {
        return Failure(error);
    }
    return ExitOk;
}

} // namespace tq58::cli
