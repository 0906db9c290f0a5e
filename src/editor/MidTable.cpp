#include "editor/MidTable.h"

#include "files/NativePath.h"
#include "files/Utf8Text.h"
#include "files/WholeFile.h"

#include <algorithm>
#include <filesystem>

namespace tq58 {

namespace {

constexpr std::size_t MidLength = 3;

bool IsMid(std::string_view text) {
    return text.size() == MidLength &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// The next tab-separated field of line, taken off its front.
std::string_view NextField(std::string_view& line) {
    const auto tab = line.find('\t');
    const std::string_view field = line.substr(0, tab);
    line = tab == std::string_view::npos ? std::string_view() : line.substr(tab + 1);
    return field;
}

} // namespace

// Lines end in LF, CR LF or a lone CR; names are UTF-8, kept as the program's single bytes.
MidTable MidTable::FromText(std::string_view text) {
    constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";
    if (text.starts_with(ByteOrderMark)) {
        text.remove_prefix(ByteOrderMark.size());
    }
    MidTable table;
    while (!text.empty()) {
        const auto end = text.find_first_of("\r\n");
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        const std::string_view mid = NextField(line);
        const std::string_view iso = NextField(line);
        const std::string_view name = NextField(line);
        if (IsMid(mid) && !name.empty()) {
            table.countries_[std::string(mid)] = {std::string(iso), SingleBytesFromUtf8(name, '?')};
        }
    }
    return table;
}

const MidCountry* MidTable::Find(std::string_view mid) const {
    const auto found = countries_.find(mid);
    return found == countries_.end() ? nullptr : &found->second;
}

Outcome ReadMidTable(const std::string& programFolder, MidTable& table) {
    const std::string path = NameOfPath(NativePath(programFolder) / MidTableFileName);
    std::string text;
    if (const Outcome read = ReadWholeFile(path, text); !read.Ok) {
        return read.Reported(MidTableErrorMessage, MessageIcon::Exclamation);
    }
    MidTable read = MidTable::FromText(text);
    if (read.Empty()) {
        return Outcome::Failure(MidTableErrorMessage, MessageIcon::Exclamation, {},
                                path + ": no MID in it");
    }
    table = std::move(read);
    return Outcome::Success();
}

} // namespace tq58
