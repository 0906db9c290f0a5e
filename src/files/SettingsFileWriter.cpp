#include "files/SettingsFile.h"
#include "files/SettingsFileLayout.h"
#include "files/ValueText.h"
#include "files/WholeFile.h"

#include <cstdlib>

namespace tq58 {

namespace {

// Line breaks inside a value would forge new lines of the file.
std::string SingleLine(const std::string& text) {
    std::string line;
    line.reserve(text.size());
    for (const char c : text) {
        if (c != '\r' && c != '\n') {
            line += c;
        }
    }
    return line;
}

class TextWriter {
public:
    explicit TextWriter(std::string& out) : out_(out) {}

    void Section(const std::string& name) { out_ += "[" + name + "]\r\n"; }
    void Line(const std::string& key, const std::string& value) {
        out_ += key;
        out_ += '=';
        out_ += value;
        out_ += "\r\n";
    }

    void Flag(const std::string& key, bool value) { Line(key, value ? "1" : "0"); }
    void WordFlag(const std::string& key, bool value) { Line(key, value ? "True" : "False"); }
    void Number(const std::string& key, long value) { Line(key, std::to_string(value)); }
    void Magnitude(const std::string& key, long value) { Number(key, std::labs(value)); }
    // The image holds a priority channel as 16 bits, 0xFF 0xFF (65535) for none; a value below
    // zero is stored as none and so written. Every reader of the file takes 65535 as a number
    // and writes it back as 0xFF 0xFF. A value beyond 16 bits cannot be stored and has no line.
    void PriorityChannel(const std::string& key, long value) {
        if (value <= 65535) {
            Number(key, value < 0 ? 65535 : value);
        }
    }
    // The reader trims values and drops a leading "#", so a plain text that starts with a
    // blank or "#" only survives behind a "#" of its own.
    void PlainText(const std::string& key, const std::string& text) {
        const bool needsMark =
            !text.empty() && (text[0] == ' ' || text[0] == '\t' || text[0] == '#');
        Line(key, (needsMark ? "#" : "") + SingleLine(text));
    }
    void MarkedText(const std::string& key, const std::string& text) {
        Line(key, "#" + SingleLine(text));
    }
    void Frequency(const std::string& key, double megahertz) {
        Line(key, FormatDecimal(megahertz));
    }

private:
    std::string& out_;
};

void WriteMain(TextWriter& writer, const ModelState& model) {
    writer.Section("MAIN");
    writer.MarkedText("MODEL", model.ModelName);
    writer.MarkedText("TYPE", "QYL");
    writer.MarkedText("VERSION", "1.00");
    writer.Number("MODELTYPE", model.ModelType);
}

void WriteChannelLists(TextWriter& writer, const SettingsRecord& s) {
    for (const auto& [name, list] : PlanLists(s)) {
        for (std::size_t n = 0; n < list->size(); ++n) {
            writer.Section(Numbered(name, n));
            writer.Number("Position", (*list)[n].Position);
            VisitPlanChannel((*list)[n], writer);
        }
    }
    for (std::size_t i = 0; i < s.CHWX.size(); ++i) {
        writer.Section(Numbered("CHWX", i));
        VisitWxChannel(s.CHWX[i], writer);
    }
}

template <std::size_t N>
void WriteDirectory(TextWriter& writer, const char* name,
                    const std::array<DirectoryRecord, N>& directory) {
    for (std::size_t k = 1; k <= N; ++k) {
        writer.Section(Numbered(name, k));
        VisitDirectoryEntry(directory[k - 1], writer);
    }
}

void WriteExpChannels(TextWriter& writer, const SettingsRecord& s) {
    for (std::size_t k = 1; k <= s.CHEXP.size(); ++k) {
        writer.Section(Numbered("CHEXP", k));
        VisitExpChannel(s.CHEXP[k - 1], writer);
    }
}

} // namespace

std::string SettingsFileText(const SettingsRecord& settings, const ModelState& model) {
    std::string text;
    text.reserve(256 * 1024);
    TextWriter writer(text);
    WriteMain(writer, model);
    VisitSettingGroups(settings, writer);
    WriteChannelLists(writer, settings);
    WriteDirectory(writer, "CHMMSID", settings.CHMMSID);
    WriteDirectory(writer, "CHGRPID", settings.CHGRPID);
    WriteExpChannels(writer, settings);
    return text;
}

Outcome SaveFileAs(const std::string& path, const SettingsRecord& settings, const ModelState& model,
                   const std::string& logProcedure) {
    return ReplaceFileContents(path, SettingsFileText(settings, model))
        .Reported(FileSaveErrorMessage, MessageIcon::Exclamation, logProcedure);
}

} // namespace tq58
