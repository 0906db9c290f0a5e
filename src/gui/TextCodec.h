#pragma once

#include <QString>
#include <string>

namespace tq58 {

// The core keeps texts as single-byte characters; the window converts at its edge. Names in
// the radio use ASCII only, so Latin-1 carries every character the image can hold.
inline QString ToQt(const std::string& text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}
inline std::string FromQt(const QString& text) {
    return text.toLatin1().toStdString();
}
} // namespace tq58
