#include "CliArgs.h"
#include "CliData.h"
#include "CliVerbs.h"
#include "editor/CsvCells.h"
#include "editor/CsvExchange.h"
#include "files/FileMessages.h"
#include "files/Utf8Text.h"
#include "files/WholeFile.h"

namespace tq58::cli {

namespace {

std::string ListNames() {
    std::string names;
    for (const CsvListInfo& info : CsvListTable) {
        names += (names.empty() ? "" : ", ") + std::string(info.Name);
    }
    return names;
}

// The refused cells quoted in UTF-8, as the CSV holds them; a character the radio cannot
// store at all shows as the replacement character.
std::string Utf8Refusal(const std::string& message) {
    constexpr std::string_view Replacement = "\xEF\xBF\xBD";
    std::string text = Utf8FromSingleBytes(message);
    for (std::size_t at = 0; (at = text.find(UnstorableCharacter, at)) != std::string::npos;
         at += Replacement.size()) {
        text.replace(at, 1, Replacement);
    }
    return text;
}

int WriteText(const std::optional<std::string>& output, const std::string& text) {
    if (!output) {
        return WriteStandardOutput(text, FileSaveErrorMessage) ? ExitOk : ExitFailure;
    }
    const Outcome written = ReplaceFileContents(*output, text);
    return written.Ok ? ExitOk
                      : Failure(written.Reported(FileSaveErrorMessage, MessageIcon::Exclamation));
}

} // namespace

int RunExportCsv(const std::vector<std::string>& words) {
    const CliArgs args(words, {"--list", "--model", "-o", "--program-folder"});
    if (!args.Valid()) {
        return UsageError(args.Error());
    }
    const auto listName = args.Value("--list");
    if (args.Positional().size() != 1 || !listName) {
        return UsageError("usage: export-csv IN --list L [--model M] [-o OUT.csv]");
    }
    const std::optional<CsvList> list = CsvListNamed(*listName);
    if (!list) {
        return UsageError("unknown list '" + *listName + "' (one of " + ListNames() + ")");
    }
    const auto output = args.Value("-o");
    RadioData data;
    ModelState model;
    if (const auto failed = LoadVerbInput(args, args.Positional().front(), output, data, model)) {
        return *failed;
    }
    return WriteText(output, ExportCsv(data.Settings, model, *list));
}

int RunImportCsv(const std::vector<std::string>& words) {
    const CliArgs args(words, {"--model", "-o", "--program-folder"});
    if (!args.Valid()) {
        return UsageError(args.Error());
    }
    const auto output = args.Value("-o");
    if (args.Positional().size() != 2 || !output) {
        return UsageError("usage: import-csv IN CSV -o OUT [--model M]");
    }
    std::optional<int> modelType;
    if (const auto problem = ReadModelOption(args, modelType)) {
        return UsageError(*problem);
    }
    const std::string& input = args.Positional()[0];
    const std::string& csv = args.Positional()[1];
    if (!IsDataFilePath(*output)) {
        return UsageError("cannot tell the kind of " + *output + " (use .dat or .hex)");
    }
    if (IsSameFile(csv, *output) || (IsSameFile(input, *output) && !IsSameKind(input, *output))) {
        return UsageError(SameFileError(IsSameFile(csv, *output) ? csv : input, *output));
    }
    RadioData data;
    ModelState model;
    if (const Outcome loaded = LoadInput(input, modelType, ProgramFolder(args), data, model);
        !loaded.Ok) {
        return Failure(loaded);
    }
    std::string text;
    if (const Outcome read = ReadWholeFile(csv, text); !read.Ok) {
        return Failure(read.Reported(FileReadErrorMessage, MessageIcon::Exclamation));
    }
    if (const Outcome imported = ImportCsv(data.Settings, model, text); !imported.Ok) {
        return Failure(csv + ": " + Utf8Refusal(imported.Message));
    }
    const Outcome written = WriteOutput(*output, data, model);
    return written.Ok ? ExitOk : Failure(written);
}

} // namespace tq58::cli
