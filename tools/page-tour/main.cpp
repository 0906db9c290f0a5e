// tq58-page-tour: pictures of every page of the main window at its first size, for looking
// at a change (or a translation) without clicking through the window by hand.
//
//     tq58-page-tour FOLDER [--dark] [--language=CODE]
//
// --language=de shows the window in that language ("" or no option: the desktop's).
// Runs on any Qt platform, offscreen included; writes FOLDER/<node key>.png, and
// FOLDER/<node key>-<n>.png for the further tabs of a tabbed page.
#include "gui/MainWindow.h"
#include "gui/Translations.h"
#include "gui/editor/EditorFrame.h"
#include "program/SettingsStore.h"

#include <QApplication>
#include <QDir>
#include <QPalette>
#include <QRegularExpression>
#include <QStyleFactory>
#include <QTabWidget>
#include <cstdio>

using namespace tq58;

namespace {

// A dark desktop as Fusion draws it, to see that nothing is drawn against a light one.
void UseDarkPalette() {
    QApplication::setStyle(QStyleFactory::create("Fusion"));
    QPalette dark;
    dark.setColor(QPalette::Window, QColor(45, 45, 45));
    dark.setColor(QPalette::WindowText, Qt::white);
    dark.setColor(QPalette::Base, QColor(30, 30, 30));
    dark.setColor(QPalette::AlternateBase, QColor(50, 50, 50));
    dark.setColor(QPalette::Text, Qt::white);
    dark.setColor(QPalette::Button, QColor(55, 55, 55));
    dark.setColor(QPalette::ButtonText, Qt::white);
    dark.setColor(QPalette::Highlight, QColor(42, 130, 218));
    dark.setColor(QPalette::HighlightedText, Qt::black);
    QApplication::setPalette(dark);
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.isEmpty() || args.first().startsWith('-')) {
        std::fputs("usage: tq58-page-tour FOLDER [--dark] [--language=CODE]\n", stderr);
        return 2;
    }
    const QStringList language = args.filter(QRegularExpression("^--language="));
    InstallTranslations(app, language.isEmpty() ? std::string()
                                                : language.first().section('=', 1).toStdString());
    if (args.contains("--dark")) {
        UseDarkPalette();
    }
    const QString folder = args.first();
    QDir().mkpath(folder);

    MemorySettingsStore store;
    store.Write("Settings", "lastmodel", "2");
    RadioData data;
    MainWindow window(data, store, QApplication::applicationDirPath().toStdString(), {});
    if (!window.Start()) {
        return 1;
    }
    data.Settings.UsableChGroup[GroupExp].Enable = true;
    window.RebuildTree();
    window.show();
    for (const char* key : {"General", "Usable", "Common", "DSC", "ATIS", "PU", "PU0", "PW", "SM",
                            "SM1", "SG", "SG1", "ExpChannel", "E1"}) {
        if (!window.Editor()->SelectNode(key)) {
            std::fprintf(stderr, "no page %s\n", key);
            return 1;
        }
        // A tabbed page once per tab: DSC.png, DSC-2.png, ...
        QTabWidget* tabs = nullptr;
        for (QTabWidget* shown : window.Editor()->findChildren<QTabWidget*>()) {
            tabs = shown->isVisible() ? shown : tabs;
        }
        const int tabCount = tabs ? tabs->count() : 1;
        for (int tab = 0; tab < tabCount; ++tab) {
            if (tabCount > 1) {
                tabs->setCurrentIndex(tab);
            }
            QApplication::processEvents();
            const QString name = tab == 0 ? QString(key) : QString("%1-%2").arg(key).arg(tab + 1);
            if (!window.grab().save(QDir(folder).filePath(name + ".png"))) {
                std::fprintf(stderr, "cannot write into %s\n", qPrintable(folder));
                return 1;
            }
        }
        if (tabCount > 1) {
            tabs->setCurrentIndex(0);
        }
    }
    window.SetDataChanged(false);
    return 0;
}
