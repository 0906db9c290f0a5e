#include "CliArgs.h"
#include "CliData.h"
#include "CliVerbs.h"
#include "files/FileMessages.h"
#include "files/WholeFile.h"
#include "report/ReportText.h"

namespace tq58::cli {

namespace {

constexpr const char* ReportUsage = "usage: report IN [--model M] [-o OUT]";

} // namespace

int RunReport(const std::vector<std::string>& words) {
    const CliArgs args(words, {"--model", "-o", "--program-folder"});
    if (!args.Valid()) {
        return UsageError(args.Error());
    }
    if (args.Positional().size() != 1) {
        return UsageError(ReportUsage);
    }
    const auto output = args.Value("-o");
    RadioData data;
    ModelState model;
    if (const auto failed = LoadVerbInput(args, args.Positional().front(), output, data, model)) {
        return *failed;
    }
    // Saved as the report window saves it: the text followed by one line break.
    const std::string saved = BuildReport(data, model) + ReportLineBreak;
    if (!output) {
        return WriteStandardOutput(saved, FileSaveErrorMessage) ? ExitOk : ExitFailure;
    }
    // A failed save leaves an earlier report of the same name as it was.
    const Outcome written = ReplaceFileContents(*output, saved);
    return written.Ok ? ExitOk
                      : Failure(written.Reported(FileSaveErrorMessage, MessageIcon::Exclamation));
}

} // namespace tq58::cli
