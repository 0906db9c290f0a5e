#include "files/CsvText.h"

namespace tq58 {

namespace {

constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";

// Reads the rows one character at a time; a quoted cell may run over line breaks.
class CsvReader {
public:
    explicit CsvReader(std::string_view text) : text_(text) {}

    CsvTable Read() {
        while (at_ < text_.size() && table_.Error.empty()) {
            ReadRow();
        }
        return std::move(table_);
    }

private:
    void ReadRow() {
        CsvRow row{line_, {}};
        bool more = true;
        while (more && table_.Error.empty()) {
            row.Cells.push_back(ReadCell());
            more = at_ < text_.size() && text_[at_] == ',';
            at_ += more ? 1 : 0;
        }
        EndLine();
        const bool blank = row.Cells.size() == 1 && row.Cells.front().empty();
        if (!blank) {
            table_.Rows.push_back(std::move(row));
        }
    }

    std::string ReadCell() {
        if (at_ < text_.size() && text_[at_] == '"') {
            return ReadQuoted();
        }
        const std::size_t end = text_.find_first_of(",\r\n", at_);
        const std::size_t stop = end == std::string_view::npos ? text_.size() : end;
        std::string cell(text_.substr(at_, stop - at_));
        at_ = stop;
        return cell;
    }

    std::string ReadQuoted() {
        const int opened = line_;
        std::string cell;
        for (++at_; at_ < text_.size(); ++at_) {
            const char c = text_[at_];
            if (c == '"' && at_ + 1 < text_.size() && text_[at_ + 1] == '"') {
                cell += '"';
                ++at_;
            } else if (c == '"') {
                ++at_;
                return cell;
            } else {
                line_ += c == '\n' ? 1 : 0;
                cell += c;
            }
        }
        table_.Error = "line " + std::to_string(opened) + ": a quoted cell is not closed";
        return cell;
    }

    // What follows the last cell up to the line break; text after a closing quote is an error.
    void EndLine() {
        if (!table_.Error.empty() || at_ >= text_.size()) {
            return;
        }
        if (text_[at_] != '\r' && text_[at_] != '\n') {
            table_.Error = "line " + std::to_string(line_) + ": text after a closing quote";
            return;
        }
        at_ += text_.compare(at_, 2, "\r\n") == 0 ? 2 : 1;
        ++line_;
    }

    std::string_view text_;
    std::size_t at_ = 0;
    int line_ = 1;
    CsvTable table_;
};

bool NeedsQuotes(const std::string& cell) {
    return cell.find_first_of(",\"\r\n") != std::string::npos;
}

} // namespace

CsvTable ParseCsv(std::string_view text) {
    if (text.starts_with(ByteOrderMark)) {
        text.remove_prefix(ByteOrderMark.size());
    }
    return CsvReader(text).Read();
}

std::string CsvLine(const std::vector<std::string>& cells) {
    std::string line;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        const std::string& cell = cells[i];
        line += i == 0 ? "" : ",";
        if (!NeedsQuotes(cell)) {
            line += cell;
            continue;
        }
        line += '"';
        for (const char c : cell) {
            line += c == '"' ? "\"\"" : std::string(1, c);
        }
        line += '"';
    }
    return line + "\r\n";
}

} // namespace tq58
