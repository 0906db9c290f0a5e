#include "CliArgs.h"
#include "CliData.h"
#include "CliVerbs.h"
#include "report/SettingsComparison.h"

namespace tq58::cli {

namespace {

// Like diff, a comparison that could not be made is neither "equal" nor "different".
constexpr int ExitTrouble = 2;

} // namespace

int RunDiff(const std::vector<std::string>& words) {
    const CliArgs args(words, {"--program-folder"});
    if (!args.Valid()) {
        return UsageError(args.Error());
    }
    if (args.Positional().size() != 2) {
        return UsageError("usage: diff A B");
    }
    const std::string programFolder = ProgramFolder(args);
    RadioData data[2];
    ModelState model[2];
    for (int i = 0; i < 2; ++i) {
        const Outcome loaded = LoadInput(args.Positional()[static_cast<std::size_t>(i)],
                                         std::nullopt, programFolder, data[i], model[i]);
        if (!loaded.Ok) {
            Failure(loaded);
            return ExitTrouble;
        }
    }
    const auto differences = CompareSettings(data[0], model[0], data[1], model[1]);
    std::string lines;
    for (const SettingDifference& difference : differences) {
        lines += DifferenceLine(difference) + "\n";
    }
    if (!WriteStandardOutput(lines)) {
        return ExitTrouble;
    }
    return differences.empty() ? ExitOk : ExitFailure;
}

} // namespace tq58::cli
