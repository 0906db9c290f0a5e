#include "CliArgs.h"
#include "CliData.h"
#include "CliVerbs.h"

namespace tq58::cli {

int RunConvert(const std::vector<std::string>& words) {
    const CliArgs args(words, {"--model", "--program-folder"});
    if (!args.Valid()) {
        return UsageError(args.Error());
    }
    if (args.Positional().size() != 2) {
        return UsageError("usage: convert IN OUT [--model M] [--program-folder DIR]");
    }
    std::optional<int> modelType;
    if (const auto problem = ReadModelOption(args, modelType)) {
        return UsageError(*problem);
    }
    const std::string& input = args.Positional()[0];
    const std::string& output = args.Positional()[1];
    if (IsSameFile(input, output) && !IsSameKind(input, output)) {
        return UsageError(SameFileError(input, output));
    }
    const std::string programFolder = ProgramFolder(args);
    RadioData data;
    ModelState model;
    Outcome outcome = LoadInput(input, modelType, programFolder, data, model);
    if (outcome.Ok) {
        outcome = WriteOutput(output, data, model);
    }
    return outcome.Ok ? ExitOk : Failure(outcome);
}

} // namespace tq58::cli
