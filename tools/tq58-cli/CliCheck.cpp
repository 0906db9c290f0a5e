#include "CliArgs.h"
#include "CliData.h"
#include "CliVerbs.h"
#include "editor/ConfigurationCheck.h"
#include "files/Utf8Text.h"

#include <iostream>

namespace tq58::cli {

namespace {

// As with diff, a file that cannot be checked, or warnings that cannot be told, are neither
// "clean" nor "warned about".
constexpr int ExitTrouble = 2;

// Without the table the check goes on, and says what it could not look at.
MidTable ProgramMidTable(const std::string& programFolder) {
    MidTable mids;
    if (const Outcome read = ReadMidTable(programFolder, mids); !read.Ok) {
        std::cerr << read.Message << "\n" << read.LogDetail << "\n";
    }
    return mids;
}

} // namespace

int RunCheck(const std::vector<std::string>& words) {
    const CliArgs args(words, {"--model", "--program-folder"});
    if (!args.Valid()) {
        return UsageError(args.Error());
    }
    if (args.Positional().size() != 1) {
        return UsageError("usage: check IN [--model M]");
    }
    std::optional<int> modelType;
    if (const auto problem = ReadModelOption(args, modelType)) {
        return UsageError(*problem);
    }
    RadioData data;
    ModelState model;
    const std::string programFolder = ProgramFolder(args);
    if (const Outcome loaded =
            LoadInput(args.Positional()[0], modelType, programFolder, data, model);
        !loaded.Ok) {
        Failure(loaded);
        return ExitTrouble;
    }
    const auto warnings = CheckConfiguration(data.Settings, model, ProgramMidTable(programFolder));
    std::string lines;
    for (const ConfigurationWarning& warning : warnings) {
        lines += Utf8FromSingleBytes(WarningLine(warning)) + "\n";
    }
    if (!WriteStandardOutput(lines)) {
        return ExitTrouble;
    }
    return warnings.empty() ? ExitOk : ExitFailure;
}

} // namespace tq58::cli
