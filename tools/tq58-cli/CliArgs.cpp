#include "CliArgs.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <iostream>
#include <unistd.h>

namespace tq58::cli {

CliArgs::CliArgs(const std::vector<std::string>& words,
                 const std::vector<std::string>& valueOptions) {
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::string& word = words[i];
        if (word.size() < 2 || word[0] != '-') {
            positional_.push_back(word);
            continue;
        }
        const bool takesValue =
            std::find(valueOptions.begin(), valueOptions.end(), word) != valueOptions.end();
        if (!takesValue) {
            flags_.push_back(word);
        } else if (i + 1 < words.size()) {
            values_.emplace_back(word, words[++i]);
        } else {
            error_ = word + " needs a value";
        }
    }
}

std::optional<std::string> CliArgs::Value(const std::string& option) const {
    for (const auto& [name, value] : values_) {
        if (name == option) {
            return value;
        }
    }
    return std::nullopt;
}

bool CliArgs::Flag(const std::string& flag) const {
    return std::find(flags_.begin(), flags_.end(), flag) != flags_.end();
}

std::optional<std::string> CliArgs::UnknownOption(const std::vector<std::string>& known) const {
    for (const std::string& flag : flags_) {
        if (std::find(known.begin(), known.end(), flag) == known.end()) {
            return flag;
        }
    }
    return std::nullopt;
}

int UsageError(const std::string& message) {
    std::cerr << "tq58-cli: " << message << "\n(tq58-cli --help lists the verbs)\n";
    return ExitUsage;
}

int Failure(const std::string& message) {
    std::cerr << message << "\n";
    return ExitFailure;
}

int Failure(const Outcome& outcome) {
    return Failure(outcome.LogDetail.empty() ? outcome.Message
                                             : outcome.Message + "\n" + outcome.LogDetail);
}

// Written past the stream libraries, so that the reason of a failed write is the system's
// own and not lost in a buffer.
bool WriteStandardOutput(std::string_view text, const std::string& message) {
    while (!text.empty()) {
        const ssize_t count = write(STDOUT_FILENO, text.data(), text.size());
        if (count < 0 && errno == EINTR) {
            continue;
        }
        if (count <= 0) {
            const int error = count < 0 ? errno : EIO;
            std::cerr << message << (message.empty() ? "" : "\n")
                      << "cannot write to standard output: " << std::strerror(error) << "\n";
            return false;
        }
        text.remove_prefix(static_cast<std::size_t>(count));
    }
    return true;
}

} // namespace tq58::cli
