// tq58-page-tour: pictures of every page of the main window at its first size, for looking
// at a change (or a translation) without clicking through the window by hand.
//
//     tq58-page-tour FOLDER [--dark] [--language=CODE]
//
// --language=de shows the window in that language ("" or no option: the desktop's).
// Runs on any Qt platform, offscreen included; writes FOLDER/<node key>.png, and
// FOLDER/<node key>-<n>.png for the further tabs of a tabbed page. Names on standard output
// every label, button and list narrower than its text, a page wider than the window and a tool
// bar that overflows, then the count of pictures with something cut off.
#include "gui/MainWindow.h"
#include "gui/Translations.h"
#include "gui/editor/EditorFrame.h"
#include "program/SettingsStore.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QPalette>
#include <QRegularExpression>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyleFactory>
#include <QTabWidget>
#include <QToolButton>
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

// What the window shows narrower than its text needs, one line each.
QStringList CutOff(QWidget* window) {
    QStringList cut;
    const auto narrow = [&cut](QWidget* widget, const QString& text, int needed) {
        if (widget->isVisible() && widget->width() < needed) {
            cut << QString("%1 \"%2\" (%3 of %4 pixels)")
                       .arg(widget->objectName(), text)
                       .arg(widget->width())
                       .arg(needed);
        }
    };
    for (auto* label : window->findChildren<QLabel*>()) {
        if (label->wordWrap()) {
            if (label->isVisible() && label->height() < label->heightForWidth(label->width())) {
                cut << label->objectName() + " \"" + label->text() + "\" (wrapped, too low)";
            }
        } else if (!label->text().isEmpty()) {
            narrow(label, label->text(), label->sizeHint().width());
        }
    }
    for (auto* button : window->findChildren<QAbstractButton*>()) {
        if (!qobject_cast<QToolButton*>(button)) {
            narrow(button, button->text(), button->sizeHint().width());
        }
    }
    for (auto* box : window->findChildren<QComboBox*>()) {
        narrow(box, box->currentText(), box->sizeHint().width());
    }
    for (auto* page : window->findChildren<QScrollArea*>()) {
        if (page->isVisible() && page->horizontalScrollBar()->isVisible()) {
            cut << page->objectName() + " is wider than the window shows";
        }
    }
    for (auto* overflow : window->findChildren<QToolButton*>("qt_toolbar_ext_button")) {
        if (overflow->isVisible()) {
            cut << "the tool bar overflows";
        }
    }
    return cut;
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
    int cutPictures = 0;
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
            const QStringList cut = CutOff(&window);
            for (const QString& line : cut) {
                std::printf("%s: %s\n", qPrintable(name), qPrintable(line));
            }
            cutPictures += cut.isEmpty() ? 0 : 1;
        }
        if (tabCount > 1) {
            tabs->setCurrentIndex(0);
        }
    }
    window.SetDataChanged(false);
    std::printf("%d pictures with something cut off\n", cutPictures);
    return 0;
}
