#include "files/IniReader.h"

#include "files/TextCase.h"
#include "files/WholeFile.h"

namespace tq58 {

namespace {

// Calls visit for every line; CR LF, LF and a lone CR all end a line.
template <typename Visit> void ForEachLine(std::string_view text, Visit visit) {
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            end = text.size();
        }
        if (!visit(text.substr(start, end - start))) {
            return;
        }
        start = end + 1;
        if (end + 1 < text.size() && text[end] == '\r' && text[end + 1] == '\n') {
            ++start;
        }
    }
}

std::optional<std::string_view> SectionNameOf(std::string_view line) {
    line = TrimBlanks(line);
    if (line.empty() || line.front() != '[') {
        return std::nullopt;
    }
    const std::size_t close = line.find(']');
    return TrimBlanks(
        line.substr(1, close == std::string_view::npos ? line.size() - 1 : close - 1));
}

std::string_view Unquoted(std::string_view value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front()) {
        return value.substr(1, value.size() - 2);
    }
    return value;
}

std::string Finished(std::string_view value) {
    value = value.substr(0, value.find('\0'));
    value = value.substr(0, IniValueLimit);
    if (value == "<NONE>") {
        return "";
    }
    if (!value.empty() && value.front() == '#') {
        value.remove_prefix(1);
    }
    return std::string(value);
}

std::string_view WithoutByteOrderMark(std::string_view text) {
    constexpr std::string_view mark = "\xEF\xBB\xBF";
    return text.substr(0, mark.size()) == mark ? text.substr(mark.size()) : text;
}

} // namespace

std::optional<std::string> FindIniValueInText(std::string_view text, std::string_view section,
                                              std::string_view key) {
    enum class State { Before, Inside, After } state = State::Before;
    std::optional<std::string> found;
    ForEachLine(WithoutByteOrderMark(text), [&](std::string_view line) {
        if (const auto name = SectionNameOf(line)) {
            if (state == State::Inside) {
                state = State::After;
            } else if (state == State::Before && EqualsIgnoreCase(*name, section)) {
                state = State::Inside;
            }
            return state != State::After;
        }
        const std::size_t equals = line.find('=');
        if (state != State::Inside || equals == std::string_view::npos) {
            return true;
        }
        if (EqualsIgnoreCase(TrimBlanks(line.substr(0, equals)), key)) {
            found = Finished(Unquoted(TrimBlanks(line.substr(equals + 1))));
            return false;
        }
        return true;
    });
    return found;
}

std::string ReadIniValueFromText(std::string_view text, std::string_view section,
                                 std::string_view key) {
    return FindIniValueInText(text, section, key).value_or(std::string());
}

std::string ReadIniValue(const std::string& path, std::string_view section, std::string_view key) {
    std::string text;
    return ReadWholeFile(path, text).Ok ? ReadIniValueFromText(text, section, key) : std::string();
}

} // namespace tq58
