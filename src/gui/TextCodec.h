#pragma once

#include "model/Phrase.h"

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
// A phrase whose values are the core's single-byte texts, its values made UTF-8 for
// Translated(), which reads them so.
inline Phrase WithUtf8Values(Phrase phrase) {
    for (std::string& value : phrase.Values) {
        value = ToQt(value).toStdString();
    }
    return phrase;
}

} // namespace tq58
