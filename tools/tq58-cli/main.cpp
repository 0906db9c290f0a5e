#include "CliArgs.h"
#include "CliVerbs.h"
#include "model/ModelCatalogue.h"

#include <QCoreApplication>
#include <string>
#include <vector>
#ifdef _WIN32
#include <cstdio>
#include <fcntl.h>
#include <io.h>
#endif

namespace {

struct Verb {
    const char* name;
    int (*run)(const std::vector<std::string>&);
    const char* usage;
    const char* help; // what "tq58-cli VERB --help" adds to the usage
};

const Verb verbs[] = {
    {"new", tq58::cli::RunNew, "new --model M [--destination D] -o OUT",
     "Writes new data for the model, over the destination's factory default image when one\n"
     "is named."},
    {"dump", tq58::cli::RunDump, "dump IN.hex", "Prints a hexadecimal dump of an image file."},
    {"convert", tq58::cli::RunConvert, "convert IN OUT [--model M]",
     "Converts a settings file (.dat) to an image (.hex) or back; --model overrides the\n"
     "model the input names."},
    {"report", tq58::cli::RunReport, "report IN [--model M] [-o OUT.txt]",
     "Writes the settings report of a .dat or .hex file (to stdout without -o)."},
    {"read", tq58::cli::RunRead,
     "read --port DEV [--model M] [--low-speed] [--debug] [--yes] -o OUT",
     "Reads the radio's memory into OUT (checked first: it must be writable). DEV is a port\n"
     "number 1-4 or a device path; --yes answers OK to resynchronising and Retry to a busy\n"
     "radio; Ctrl+C cancels."},
    {"program", tq58::cli::RunProgram,
     "program --port DEV [--model M] [--low-speed] [--debug] [--yes] [--verify] "
     "[--confirm-mmsi DIGITS] IN",
     "Programs the radio with a .dat or .hex file. --verify reads back every range written\n"
     "and fails (exit 1) at the first address that differs; otherwise it says \"Verified\".\n"
     "A file that holds a User MMSI needs --confirm-mmsi DIGITS repeating the 9 digits the\n"
     "radio stores: most radios accept their own MMSI only once. A User MMSI that is not\n"
     "nine digits is never programmed."},
    {"clear-log", tq58::cli::RunClearLog, "clear-log dsc|distress --port DEV [--model M] [--yes]",
     "Empties the radio's DSC log or distress log."},
    {"export-csv", tq58::cli::RunExportCsv, "export-csv IN --list L [--model M] [-o OUT.csv]",
     "Writes one list of a .dat or .hex file as CSV (to stdout without -o). L is exp, usa,\n"
     "intl, canada (channels) or individual, group (DSC directories)."},
    {"import-csv", tq58::cli::RunImportCsv, "import-csv IN CSV -o OUT [--model M]",
     "Reads a CSV list into the data of IN and writes OUT (which may be IN). The CSV's first\n"
     "heading names its list. Every row is checked as the editor checks it; if any row is\n"
     "refused nothing is written and each refused row is listed with its reason."},
    {"diff", tq58::cli::RunDiff, "diff A B",
     "Lists every setting that differs between two .dat or .hex files, one line each:\n"
     "section | channel or entry | field | value in A | value in B.\n"
     "Exit status: 0 equal, 1 different, 2 usage or a file that cannot be read."},
    {"check", tq58::cli::RunCheck, "check IN [--model M]",
     "Lists what deserves a second look before IN goes into a radio, one warning a line:\n"
     "section | channel or entry | warning. MMSIs of the wrong kind or an unknown country,\n"
     "an ATIS code outside its rule, channel 16 switched off in a usable group, duplicate\n"
     "directory entries, EXP channels in use without a name (all in one line).\n"
     "Exit status: 0 no warnings (nothing printed), 1 warnings, 2 usage, a file that\n"
     "cannot be read or a standard output that cannot be written."},
};

std::string HelpText() {
    std::string text = "tq58-cli: TQ58 without a window.\nVerbs:\n";
    for (const Verb& verb : verbs) {
        text += "  tq58-cli " + std::string(verb.usage) + "\n";
    }
    std::string names;
    std::string codes;
    for (const int modelType : tq58::CatalogueModelTypes()) {
        names += (names.empty() ? "" : ", ") + tq58::ModelNameOf(modelType);
        codes += (codes.empty() ? "" : ", ") + std::to_string(modelType);
    }
    return text + "M is a model name (" + names + ") or code (" + codes + ").\n" +
           "Files end in .dat (settings) or .hex (image); --program-folder DIR names the\n"
           "folder of global.ini and the default images (else the program's own).\n"
           "Exit status: 0 success, 1 failure, 2 usage. --version prints the version;\n"
           "tq58-cli VERB --help explains a verb.\n";
}

// Prints text and ends with status, or with a failure when standard output took no text.
int Print(const std::string& text, int status) {
    return tq58::cli::WriteStandardOutput(text) ? status : tq58::cli::ExitFailure;
}

// The words after the program's name. Windows gives argv in the ANSI code page, which lacks
// most letters; its wide command line, as Qt reads it, has them all, and file names travel in
// UTF-8 there. Elsewhere a word stays the bytes given.
std::vector<std::string> CommandWords([[maybe_unused]] int argc, [[maybe_unused]] char** argv) {
#ifdef _WIN32
    std::vector<std::string> words;
    for (const QString& word : QCoreApplication::arguments().mid(1)) {
        words.push_back(word.toStdString());
    }
    return words;
#else
    return {argv + 1, argv + argc};
#endif
}

// The reports, lists and CSV text leave as the same bytes on every system: no CR LF on Windows.
void UseBinaryOutput() {
#ifdef _WIN32
    _setmode(_fileno(stdout), _O_BINARY);
#endif
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    UseBinaryOutput();
    const std::vector<std::string> words = CommandWords(argc, argv);
    if (words.empty() || words[0] == "--help" || words[0] == "-h") {
        return Print(HelpText(), words.empty() ? tq58::cli::ExitUsage : tq58::cli::ExitOk);
    }
    if (words[0] == "--version") {
        return Print("tq58-cli " TQ58_VERSION "\n", tq58::cli::ExitOk);
    }
    for (const Verb& verb : verbs) {
        if (words[0] != verb.name) {
            continue;
        }
        if (words.size() > 1 && (words[1] == "--help" || words[1] == "-h")) {
            const std::string more =
                verb.run == tq58::cli::RunNew ? tq58::cli::DestinationsHelp() : std::string();
            return Print("usage: tq58-cli " + std::string(verb.usage) + "\n" + verb.help + "\n" +
                             more,
                         tq58::cli::ExitOk);
        }
        return verb.run({words.begin() + 1, words.end()});
    }
    return tq58::cli::UsageError("unknown verb '" + words[0] + "'");
}
