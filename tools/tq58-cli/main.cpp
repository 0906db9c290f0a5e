#include "CliArgs.h"
#include "CliVerbs.h"

#include <QCoreApplication>
#include <iostream>
#include <string>
#include <vector>

namespace {

struct Verb {
    const char* name;
    int (*run)(const std::vector<std::string>&);
    const char* usage;
};

const Verb verbs[] = {
    {"new", tq58::cli::RunNew, "new --model M [--destination D] -o OUT"},
    {"dump", tq58::cli::RunDump, "dump IN.hex"},
    {"convert", tq58::cli::RunConvert, "convert IN OUT [--model M]"},
    {"report", tq58::cli::RunReport, "report IN [--model M] [-o OUT.txt]"},
    {"read", tq58::cli::RunRead,
     "read --port DEV [--model M] [--low-speed] [--debug] [--yes] -o OUT"},
    {"program", tq58::cli::RunProgram,
     "program --port DEV [--model M] [--low-speed] [--debug] [--yes] IN"},
    {"clear-log", tq58::cli::RunClearLog, "clear-log dsc|distress --port DEV [--model M] [--yes]"},
};

void PrintHelp() {
    std::cout << "tq58-cli: TQ58 without a window.\nVerbs:\n";
    for (const Verb& verb : verbs) {
        std::cout << "  tq58-cli " << verb.usage << "\n";
    }
    std::cout << "M is a model name (RV7200A, RV7700A, RV7700AM) or code (1, 2, 11).\n"
                 "Files end in .dat (settings) or .hex (image); --program-folder DIR names the\n"
                 "folder of global.ini and the default images (else the program's own).\n"
                 "Exit status: 0 success, 1 failure, 2 usage. --version prints the version.\n";
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    std::vector<std::string> words(argv + 1, argv + argc);
    if (words.empty() || words[0] == "--help" || words[0] == "-h") {
        PrintHelp();
        return words.empty() ? tq58::cli::ExitUsage : tq58::cli::ExitOk;
    }
    if (words[0] == "--version") {
        std::cout << "tq58-cli " << TQ58_VERSION << "\n";
        return tq58::cli::ExitOk;
    }
    for (const Verb& verb : verbs) {
        if (words[0] == verb.name) {
            return verb.run({words.begin() + 1, words.end()});
        }
    }
    return tq58::cli::UsageError("unknown verb '" + words[0] + "'");
}
