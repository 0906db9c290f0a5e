#include "CliArgs.h"

#include <QCommandLineParser>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <iostream>
#include <unistd.h>

namespace tq58::cli {

namespace {

// The parser's name of "--model" or "-o": the name without its dashes.
QString BareName(const std::string& option) {
    return QString::fromStdString(option.substr(option.find_first_not_of('-')));
}

// The words go through the parser one character a byte and come back as the same bytes, so
// that a file name that is not UTF-8 names the file it names; options are ASCII either way.
QString Bytewise(const std::string& word) {
    return QString::fromLatin1(word.data(), static_cast<qsizetype>(word.size()));
}
std::string Bytes(const QString& word) {
    return word.toLatin1().toStdString();
}

} // namespace

CliArgs::CliArgs(const std::vector<std::string>& words,
                 const std::vector<std::string>& valueOptions,
                 const std::vector<std::string>& flagOptions) {
    Parse(words, valueOptions, flagOptions);
}

void CliArgs::Parse(const std::vector<std::string>& words,
                    const std::vector<std::string>& valueOptions,
                    const std::vector<std::string>& flagOptions) {
    QCommandLineParser parser;
    for (const std::string& option : valueOptions) {
        parser.addOption(QCommandLineOption(BareName(option), QString(), "value"));
    }
    for (const std::string& flag : flagOptions) {
        parser.addOption(QCommandLineOption(BareName(flag)));
    }
    QStringList arguments{"tq58-cli"};
    for (const std::string& word : words) {
        arguments << Bytewise(word);
    }
    if (!parser.parse(arguments)) {
        error_ = Bytes(parser.errorText());
        return;
    }
    const QStringList given = parser.optionNames();
    for (const QString& name : given) {
        if (given.count(name) > 1) {
            error_ = "option '" + Bytes(name) + "' is given more than once";
            return;
        }
    }
    for (const std::string& option : valueOptions) {
        if (parser.isSet(BareName(option))) {
            values_.emplace_back(option, Bytes(parser.value(BareName(option))));
        }
    }
    for (const std::string& flag : flagOptions) {
        if (parser.isSet(BareName(flag))) {
            flags_.push_back(flag);
        }
    }
    for (const QString& word : parser.positionalArguments()) {
        positional_.push_back(Bytes(word));
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
