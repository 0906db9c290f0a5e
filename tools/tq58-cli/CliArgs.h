#pragma once

#include "model/Outcome.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tq58::cli {

// Exit statuses of every verb.
constexpr int ExitOk = 0;
constexpr int ExitFailure = 1;
constexpr int ExitUsage = 2;

// A verb's arguments: "--name value" or "--name=value" options, bare "--flag"s and positional
// words. An option the verb does not know, one without its value and one given twice make the
// arguments invalid, with the reason in Error().
class CliArgs {
public:
    CliArgs(const std::vector<std::string>& words, const std::vector<std::string>& valueOptions,
            const std::vector<std::string>& flagOptions = {});

    bool Valid() const { return error_.empty(); }
    const std::string& Error() const { return error_; }
    std::optional<std::string> Value(const std::string& option) const;
    bool Flag(const std::string& flag) const;
    const std::vector<std::string>& Positional() const { return positional_; }

private:
    void Parse(const std::vector<std::string>& words, const std::vector<std::string>& valueOptions,
               const std::vector<std::string>& flagOptions);

    std::vector<std::pair<std::string, std::string>> values_;
    std::vector<std::string> flags_;
    std::vector<std::string> positional_;
    std::string error_;
};

int UsageError(const std::string& message);
int Failure(const std::string& message);
// The outcome's message, then what went wrong on a line of its own.
int Failure(const Outcome& outcome);
// Writes text to standard output. A write that fails there (a full disk, a closed
// descriptor) is told on stderr, after message when one is given, with the system's reason;
// false then.
bool WriteStandardOutput(std::string_view text, const std::string& message = {});

} // namespace tq58::cli
