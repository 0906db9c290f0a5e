#include "gui/MainWindow.h"
#include "gui/ProgramIcon.h"
#include "gui/Translations.h"
#include "platform/QtSettingsStore.h"
#include "program/ProgramFolder.h"
#include "program/UserLanguage.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setOrganizationName("TQ58");
    QApplication::setApplicationName("TQ58");
    QApplication::setApplicationVersion(TQ58_VERSION);
    QGuiApplication::setDesktopFileName("tq58");
    QApplication::setWindowIcon(tq58::ProgramIcon());

    std::vector<std::string> words;
    for (const QString& word : QApplication::arguments().mid(1)) {
        words.push_back(word.toStdString());
    }
    const tq58::StartOptions options = tq58::ParseCommandLine(words);
    const std::string programFolder =
        tq58::FindProgramFolder(QCoreApplication::applicationDirPath().toStdString());

    tq58::QtSettingsStore store;
    tq58::InstallTranslations(app, tq58::StoredLanguage(store));
    tq58::RadioData data;
    tq58::MainWindow window(data, store, programFolder, options);
    if (!window.Start()) {
        return 1;
    }
    window.show();
    return QApplication::exec();
}
