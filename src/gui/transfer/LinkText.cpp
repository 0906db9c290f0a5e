#include "gui/transfer/LinkText.h"

#include "gui/TextCodec.h"
#include "gui/Translations.h"

#include <QStringList>
#include <algorithm>

namespace tq58 {

namespace {

bool IsAscii(const std::string& line) {
    return std::all_of(line.begin(), line.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// Only ASCII lines are looked up: a device name may hold Latin-1 characters.
QString LinkLine(const std::string& line) {
    const bool returned = !line.empty() && line.back() == '\r';
    const std::string words = returned ? line.substr(0, line.size() - 1) : line;
    const QString shown = IsAscii(words) ? CoreText("Link", words) : ToQt(words);
    return returned ? shown + '\r' : shown;
}

} // namespace

QString LinkText(const std::string& text) {
    QStringList lines;
    std::size_t start = 0;
    for (std::size_t end = text.find('\n'); end != std::string::npos;
         start = end + 1, end = text.find('\n', start)) {
        lines << LinkLine(text.substr(start, end - start));
    }
    lines << LinkLine(text.substr(start));
    return lines.join('\n');
}

} // namespace tq58
