// Every page and tab at the first window size in each window language, on the offscreen
// platform's 800 x 800 screen that tq58-page-tour shoots on: the window cannot grow past it
// there, so a translation longer than its room shows as a view that scrolls sideways where
// the English one does not.

#include "MainWindowHarness.h"
#include "gui/Translations.h"

#include <QScrollBar>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>
#include <QTranslator>
#include <map>

using namespace tq58;
using namespace tq58::test;

namespace {

// The languages whose pages were looked at and made to fit at this size.
constexpr const char* CheckedLanguages[] = {"de", "nl", "fr", "es", "it", "sv", "da", "nb", "fi", "pl"};

void UseLanguage(const char* language) {
    for (QTranslator* translator : qApp->findChildren<QTranslator*>()) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
    InstallTranslations(*qApp, language);
}

// The views of the open page (and its open tab) that scroll sideways.
QStringList ScrolledSideways(MainWindowHarness& harness) {
    QStringList scrolled;
    for (QAbstractScrollArea* area :
         harness.window->Editor()->findChildren<QAbstractScrollArea*>()) {
        if (area->isVisible() && area->horizontalScrollBar()->maximum() > 0) {
            scrolled << area->parentWidget()->objectName() + "/" + area->objectName();
        }
    }
    return scrolled;
}

// Each page and tab ("DSC 2"), with the views that scroll sideways on it; an empty list
// when the tool bar hides a button.
std::map<QString, QStringList> Tour(const char* language) {
    UseLanguage(language);
    MainWindowHarness harness;
    if (!harness.Start("2")) {
        return {};
    }
    harness.data.Settings.UsableChGroup[GroupExp].Enable = true;
    harness.window->RebuildTree();
    QCoreApplication::processEvents();
    for (QToolBar* bar : harness.window->findChildren<QToolBar*>()) {
        auto* more = bar->findChild<QToolButton*>("qt_toolbar_ext_button");
        if (more && more->isVisible()) {
            return {};
        }
    }
    std::map<QString, QStringList> pages;
    for (const char* key : {"General", "Usable", "Common", "DSC", "ATIS", "PU", "PU0", "PW", "SM",
                            "SM1", "SG", "SG1", "ExpChannel", "E1"}) {
        if (!harness.SelectNode(key)) {
            return {};
        }
        QTabWidget* tabs = nullptr;
        for (QTabWidget* shown : harness.window->Editor()->findChildren<QTabWidget*>()) {
            tabs = shown->isVisible() ? shown : tabs;
        }
        for (int tab = 0; tab < (tabs ? tabs->count() : 1); ++tab) {
            if (tabs) {
                tabs->setCurrentIndex(tab);
            }
            QCoreApplication::processEvents();
            pages[QString("%1 %2").arg(key).arg(tab + 1)] = ScrolledSideways(harness);
        }
        if (tabs) {
            tabs->setCurrentIndex(0);
        }
    }
    return pages;
}

} // namespace

class LanguagePagesTest : public QObject {
    Q_OBJECT

private slots:
    // No page wider than the window, no grid column or tree name out of view, no tool bar
    // button hidden, where English shows them whole.
    void everyPageShowsAsWholeAsInEnglish() {
        const std::map<QString, QStringList> english = Tour("en");
        QVERIFY(!english.empty());
        QStringList cut;
        for (const char* language : CheckedLanguages) {
            const std::map<QString, QStringList> pages = Tour(language);
            QVERIFY2(
                pages.size() == english.size(),
                qPrintable(
                    QString("%1: a tool bar button out of view, or a page missing").arg(language)));
            for (const auto& [page, scrolled] : pages) {
                for (const QString& view : scrolled) {
                    if (!english.at(page).contains(view)) {
                        cut << QString("%1, %2: %3").arg(language, page, view);
                    }
                }
            }
        }
        UseLanguage("en");
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join("; ")));
    }
};

QTEST_MAIN(LanguagePagesTest)

#include "LanguagePagesTest.moc"
