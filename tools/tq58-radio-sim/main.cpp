#include "PtyServer.h"
#include "files/ImageFile.h"
#include "model/ModelCatalogue.h"
#include "program/Destinations.h"
#include "program/ProgramFolder.h"
#include "sim/SimRadio.h"

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

namespace {

volatile std::sig_atomic_t stopRequested = 0;

void RequestStop(int) {
    stopRequested = 1;
}

struct SimOptions {
    std::string LinkPath;
    std::string ImagePath;
    std::string Destination = "USA";
    std::string ProgramFolder;
    std::optional<int> ModelType;
    tq58::ReadBackFault ReadBack = tq58::ReadBackFault::None;
    int Baud = 0;
    int DelayMs = 0;
    int CorruptWriteAt = -1;
    bool Stats = false;
    bool Silent = false;
};

constexpr const char* Usage =
    "usage: tq58-radio-sim --link PATH [--image FILE | --destination D] [--model CODE] "
    "[--program-folder DIR] [--baud N] [--delay MS] [--corrupt-write ADDRESS] "
    "[--fail-read-back checksum|silence|address|hangup] [--silent] [--stats]\n"
    "Without --image the radio holds the model's factory image of destination D (USA), from\n"
    "the program folder.\n"
    "--silent leaves every command of the radio unanswered (the cable's adapter still answers).\n"
    "--corrupt-write stores every block written at the decimal ADDRESS with one bit flipped and\n"
    "acknowledges it, as line noise that the checksum misses would.\n"
    "--fail-read-back makes every read after the first write fail: a bad checksum, no answer,\n"
    "the next block's address, or the line hung up.\n";

std::optional<tq58::ReadBackFault> ParseReadBackFault(const std::string& text) {
    using enum tq58::ReadBackFault;
    const std::pair<const char*, tq58::ReadBackFault> kinds[] = {{"checksum", BadChecksum},
                                                                 {"silence", Silence},
                                                                 {"address", WrongAddress},
                                                                 {"hangup", HangUp}};
    for (const auto& [name, kind] : kinds) {
        if (text == name) {
            return kind;
        }
    }
    return std::nullopt;
}

std::optional<int> ParseCount(const std::string& text) {
    char* end = nullptr;
    const long value = std::strtol(text.c_str(), &end, 10);
    if (text.empty() || *end != '\0' || value < 0 || value > 10'000'000) {
        return std::nullopt;
    }
    return static_cast<int>(value);
}

bool ApplyOption(SimOptions& options, const std::string& name, const std::string& value) {
    if (name == "--link") {
        options.LinkPath = value;
    } else if (name == "--image") {
        options.ImagePath = value;
    } else if (name == "--destination") {
        options.Destination = value;
    } else if (name == "--program-folder") {
        options.ProgramFolder = value;
    } else if (name == "--fail-read-back") {
        const auto kind = ParseReadBackFault(value);
        options.ReadBack = kind.value_or(options.ReadBack);
        return kind.has_value();
    } else if (name == "--model") {
        options.ModelType = tq58::ParseModel(value);
        return options.ModelType && tq58::ModelCodeOf(*options.ModelType) != 0;
    } else if (name == "--baud" || name == "--delay" || name == "--corrupt-write") {
        const auto count = ParseCount(value);
        int& target = name == "--baud"    ? options.Baud
                      : name == "--delay" ? options.DelayMs
                                          : options.CorruptWriteAt;
        target = count.value_or(target);
        return count.has_value();
    } else {
        return false;
    }
    return true;
}

std::optional<SimOptions> ParseOptions(const std::vector<std::string>& words) {
    SimOptions options;
    for (std::size_t i = 0; i < words.size(); ++i) {
        if (words[i] == "--stats" || words[i] == "--silent") {
            (words[i] == "--stats" ? options.Stats : options.Silent) = true;
        } else if (i + 1 >= words.size() || !ApplyOption(options, words[i], words[i + 1])) {
            return std::nullopt;
        } else {
            ++i;
        }
    }
    if (options.LinkPath.empty()) {
        return std::nullopt;
    }
    return options;
}

std::string ProgramFolderOf(const SimOptions& options, const char* argv0) {
    if (!options.ProgramFolder.empty()) {
        return options.ProgramFolder;
    }
    std::error_code error;
    std::filesystem::path executable = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) {
        executable = std::filesystem::absolute(argv0, error);
    }
    return tq58::FindProgramFolder(executable.parent_path().string());
}

// A radio holds what its maker put there: without an image of its own, the simulated one starts
// with the factory image of its model and destination.
bool LoadMemory(const SimOptions& options, int modelType, const char* argv0, tq58::Image& memory) {
    if (!options.ImagePath.empty()) {
        if (tq58::ReadImageFile(options.ImagePath, memory).Ok) {
            return true;
        }
        std::cerr << "tq58-radio-sim: " << options.ImagePath << " is not a 32768-byte image\n";
        return false;
    }
    const std::string folder = ProgramFolderOf(options, argv0);
    const std::string path = tq58::DefaultImagePath(folder, options.Destination, modelType);
    if (tq58::ReadImageFile(path, memory).Ok) {
        return true;
    }
    std::cerr << "tq58-radio-sim: no factory image of destination " << options.Destination
              << " for model " << tq58::ModelNameOf(modelType) << " in " << folder
              << " (give --image FILE or --program-folder DIR)\n";
    return false;
}

bool PrepareRadio(const SimOptions& options, const char* argv0, tq58::SimRadio& radio) {
    const int modelType = options.ModelType.value_or(1);
    if (!LoadMemory(options, modelType, argv0, radio.Memory)) {
        return false;
    }
    if (options.ModelType || options.ImagePath.empty()) {
        tq58::MarkRadioIdentity(radio.Memory, tq58::ModelCodeOf(modelType));
    }
    radio.Faults.ReadBack = options.ReadBack;
    radio.Faults.ReplyDelayMs = options.DelayMs;
    radio.Faults.CorruptWriteAt = options.CorruptWriteAt;
    radio.Faults.RadioSilent = options.Silent;
    return true;
}

} // namespace

int main(int argc, char** argv) {
    const auto options = ParseOptions({argv + 1, argv + argc});
    if (!options) {
        std::cerr << Usage;
        return 2;
    }
    tq58::SimRadio radio(tq58::ModelCodeOf(1));
    if (!PrepareRadio(*options, argv[0], radio)) {
        return 1;
    }
    tq58::sim::PtyServer server(radio, options->Baud);
    std::string error;
    if (!server.Open(options->LinkPath, error)) {
        std::cerr << "tq58-radio-sim: " << error << "\n";
        return 1;
    }
    std::signal(SIGINT, RequestStop);
    std::signal(SIGTERM, RequestStop);
    server.Run(stopRequested);
    if (options->Stats) {
        std::cerr << "tq58-radio-sim: bytes in " << server.BytesIn() << ", bytes out "
                  << server.BytesOut() << "\n";
    }
    return 0;
}
