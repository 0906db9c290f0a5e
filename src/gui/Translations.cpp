#include "gui/Translations.h"

#include "gui/TextCodec.h"
#include "model/Phrase.h"

#include <QCoreApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QLocale>
#include <QStringList>
#include <QTranslator>

namespace tq58 {

namespace {

QString installedLanguage = "en";

QString ProgramTranslation(const QString& language) {
    return QString(":/i18n/tq58_%1.qm").arg(language);
}

// The first of the desktop's languages that the window speaks; English when English comes
// first, or when none of them has a translation.
QString DesktopLanguage() {
    for (const QString& name : QLocale::system().uiLanguages()) {
        const QString language = QLocale(name).name().section('_', 0, 0);
        if (language == "en" || QFile::exists(ProgramTranslation(language))) {
            return language;
        }
    }
    return "en";
}

void Install(QCoreApplication& application, const QString& file, const QString& folder = {}) {
    auto* translator = new QTranslator(&application);
    if (translator->load(file, folder)) {
        QCoreApplication::installTranslator(translator);
    } else {
        delete translator;
    }
}

} // namespace

QString InstallTranslations(QCoreApplication& application, const std::string& languageCode) {
    QString language =
        languageCode.empty() ? DesktopLanguage() : QString::fromStdString(languageCode);
    if (!QFile::exists(ProgramTranslation(language))) {
        language = "en";
    }
    // English has a translation too: the plural forms of the counted texts ("1 row", "2 rows").
    Install(application, ProgramTranslation(language));
    if (language != "en") {
        Install(application, "qtbase_" + language,
                QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    }
    installedLanguage = language;
    return language;
}

QString WindowLanguage() {
    return installedLanguage;
}

QString CoreText(const char* context, const std::string& english) {
    return QCoreApplication::translate(context, english.c_str());
}

QString Translated(const Phrase& phrase, int count) {
    if (phrase.Joiner) {
        QStringList parts;
        for (const Phrase& part : phrase.Parts) {
            parts << Translated(part);
        }
        return parts.join(QString::fromUtf8(phrase.Joiner));
    }
    // The values are the core's single-byte texts; the filled sentence is UTF-8.
    std::vector<std::string> values;
    for (const std::string& value : phrase.Values) {
        values.push_back(ToQt(value).toStdString());
    }
    for (const Phrase& part : phrase.Parts) {
        values.push_back(Translated(part).toStdString());
    }
    const QString pattern =
        QCoreApplication::translate(phrase.Context, phrase.Pattern, nullptr, count);
    return QString::fromStdString(FillPattern(pattern.toStdString(), values));
}

} // namespace tq58
