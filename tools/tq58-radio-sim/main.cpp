#include "PtyServer.h"
#include "files/ImageFile.h"
#include "model/ModelCatalogue.h"
#include "sim/SimRadio.h"

#include <csignal>
#include <cstdlib>
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
    std::optional<int> ModelType;
    int Baud = 0;
    int DelayMs = 0;
    int CorruptWriteAt = -1;
    bool Stats = false;
    bool Silent = false;
};

constexpr const char* Usage =
    "usage: tq58-radio-sim --link PATH [--image FILE] [--model CODE] [--baud N] [--delay MS] "
    "[--corrupt-write ADDRESS] [--silent] [--stats]\n"
    "--silent leaves every command of the radio unanswered (the cable's adapter still answers).\n"
    "--corrupt-write stores every block written at the decimal ADDRESS with one bit flipped and\n"
    "acknowledges it, as line noise that the checksum misses would.\n";

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

bool PrepareRadio(const SimOptions& options, tq58::SimRadio& radio) {
    if (!options.ImagePath.empty() && !tq58::ReadImageFile(options.ImagePath, radio.Memory).Ok) {
        std::cerr << "tq58-radio-sim: " << options.ImagePath << " is not a 32768-byte image\n";
        return false;
    }
    if (options.ModelType) {
        tq58::MarkRadioIdentity(radio.Memory, tq58::ModelCodeOf(*options.ModelType));
    }
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
    if (!PrepareRadio(*options, radio)) {
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
