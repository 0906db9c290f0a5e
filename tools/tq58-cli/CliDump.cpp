#include "CliArgs.h"
#include "CliVerbs.h"
#include "debug/HexDumpText.h"

#include <fstream>
#include <iostream>
#include <iterator>

namespace tq58::cli {

int RunDump(const std::vector<std::string>& words) {
    const CliArgs args(words, {});
    if (!args.Valid() || args.Positional().size() != 1 || args.UnknownOption({})) {
        return UsageError("usage: dump IN.hex");
    }
    std::ifstream in(args.Positional()[0], std::ios::binary);
    if (!in) {
        return Failure("FileRead Error!!");
    }
    const std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)),
                                          std::istreambuf_iterator<char>());
    for (const std::string& line : HexDumpLines(bytes.data(), bytes.size())) {
        std::cout << line << '\n';
    }
    return ExitOk;
}

} // namespace tq58::cli
