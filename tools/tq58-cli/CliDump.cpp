#include "CliArgs.h"
#include "CliVerbs.h"
#include "debug/HexDumpText.h"
#include "files/FileMessages.h"
#include "files/WholeFile.h"
#include "model/MemoryImage.h"

namespace tq58::cli {

int RunDump(const std::vector<std::string>& words) {
    const CliArgs args(words, {});
    if (!args.Valid()) {
        return UsageError(args.Error());
    }
    if (args.Positional().size() != 1) {
        return UsageError("usage: dump IN.hex");
    }
    // No more than an image: a folder, a FIFO or a device is refused before it is opened.
    std::string bytes;
    const Outcome read = ReadWholeFile(args.Positional()[0], bytes, ImageSize);
    if (!read.Ok) {
        return Failure(read.Reported(FileReadErrorMessage, MessageIcon::Exclamation));
    }
    const auto* data = reinterpret_cast<const std::uint8_t*>(bytes.data());
    std::string dump;
    for (const std::string& line : HexDumpLines(data, bytes.size())) {
        dump += line + '\n';
    }
    return WriteStandardOutput(dump) ? ExitOk : ExitFailure;
}

} // namespace tq58::cli
