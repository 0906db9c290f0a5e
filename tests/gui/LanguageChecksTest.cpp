// The help answers every help context the program asks for, and the pictures compiled into the
// program are there. Every language the program carries, one case each: the tool bar shows every
// button, every page and tab shows as whole as in English, no two items of a menu or controls of a
// dialog share an accelerator, every translation keeps its source text's placeholders, and the help
// in the language answers every help context the English one does. A new language joins by its
// translation in the program (TQ58_LANGUAGES).

#include "MainWindowHarness.h"
#include "editor/ControlHints.h"
#include "gui/AboutDialog.h"
#include "gui/HintedControls.h"
#include "gui/MainMenus.h"
#include "gui/ProgramIcon.h"
#include "gui/Translations.h"
#include "gui/help/HelpWindow.h"
#include "program/UserLanguage.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QMap>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QTranslator>
#include <QXmlStreamReader>
#include <map>
#include <set>

using namespace tq58;
using namespace tq58::test;

namespace {

// The accelerated texts of one menu or window, by their key.
class Accelerators {
public:
    void Add(const QString& text) {
        const QKeySequence key = QKeySequence::mnemonic(text);
        if (!key.isEmpty()) {
            texts_[key.toString()] << text;
        }
    }
    // "where: text / text" for every key that more than one text takes.
    QStringList Clashes(const QString& where) const {
        QStringList clashes;
        for (auto texts = texts_.begin(); texts != texts_.end(); ++texts) {
            if (texts.value().size() > 1) {
                clashes << where + ": " + texts.value().join(" / ");
            }
        }
        return clashes;
    }

private:
    QMap<QString, QStringList> texts_;
};

QStringList MenuClashes(const QString& where, const QList<QAction*>& actions) {
    Accelerators keys;
    QStringList clashes;
    for (QAction* action : actions) {
        if (!action->isVisible() || action->isSeparator()) {
            continue;
        }
        keys.Add(action->text());
        if (QMenu* menu = action->menu()) {
            clashes << MenuClashes(where + " > " + action->text(), menu->actions());
        }
    }
    return keys.Clashes(where) + clashes;
}

// The window's buttons, labelled fields, group boxes and tabs as they are shown, and its menus.
QStringList WindowClashes(QWidget* window) {
    Accelerators keys;
    const auto shown = [window](QWidget* widget) { return widget->isVisibleTo(window); };
    for (auto* button : window->findChildren<QAbstractButton*>()) {
        if (shown(button)) {
            keys.Add(button->text());
        }
    }
    for (auto* label : window->findChildren<QLabel*>()) {
        if (shown(label) && label->buddy()) {
            keys.Add(label->text());
        }
    }
    for (auto* box : window->findChildren<QGroupBox*>()) {
        if (shown(box)) {
            keys.Add(box->title());
        }
    }
    for (auto* tabs : window->findChildren<QTabWidget*>()) {
        for (int i = 0; shown(tabs) && i < tabs->count(); ++i) {
            keys.Add(tabs->tabText(i));
        }
    }
    QStringList clashes = keys.Clashes(window->objectName());
    for (auto* bar : window->findChildren<QMenuBar*>()) {
        clashes << MenuClashes(window->objectName(), bar->actions());
    }
    return clashes;
}

// Runs the command and looks at each dialog it opens, then accepts the dialog, so that a
// command that opens a second dialog after the first (Program to Radio) shows it too. Counts
// the dialogs looked at.
QStringList DialogClashes(QAction* command, int* opened) {
    QStringList clashes;
    QSet<QWidget*> seen;
    QTimer looker;
    QObject::connect(&looker, &QTimer::timeout, [&] {
        QWidget* window = QApplication::activeModalWidget();
        if (window && !seen.contains(window)) {
            seen.insert(window);
            ++*opened;
            clashes << WindowClashes(window);
            if (auto* dialog = qobject_cast<QDialog*>(window)) {
                dialog->accept();
            } else {
                window->close();
            }
        }
    });
    looker.start(10);
    command->trigger();
    return clashes;
}

// The placeholders of a text: %1 to %99, %n and their localized forms %L1, %Ln.
QStringList Placeholders(const QString& text) {
    static const QRegularExpression placeholder("%L?(\\d{1,2}|n)");
    QStringList found;
    for (const auto& match : placeholder.globalMatch(text)) {
        found << match.captured(0).remove('L');
    }
    found.sort();
    found.removeDuplicates();
    return found;
}

// "source => translation" for every finished translation of the .ts file whose placeholders
// differ from its source text's; each plural form is compared by itself.
QStringList PlaceholderMismatches(const QString& tsPath, int* texts) {
    QFile file(tsPath);
    if (!file.open(QIODevice::ReadOnly)) {
        return {"cannot read " + tsPath};
    }
    QStringList mismatches;
    QString source;
    bool plural = false;
    bool finished = false;
    const auto check = [&](const QString& translation) {
        if (finished && Placeholders(translation) != Placeholders(source)) {
            mismatches << source + " => " + translation;
        }
    };
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) {
            continue;
        }
        if (xml.name() == u"message") {
            plural = xml.attributes().value("numerus") == u"yes";
        } else if (xml.name() == u"source") {
            source = xml.readElementText();
            ++*texts;
        } else if (xml.name() == u"translation") {
            finished = xml.attributes().value("type").isEmpty();
            if (!plural) {
                check(xml.readElementText());
            }
        } else if (xml.name() == u"numerusform") {
            check(xml.readElementText());
        }
    }
    return mismatches;
}

// The anchors of the help the window shows in the current language, and its file's name.
QSet<QString> ShownHelpAnchors(QString* fileName) {
    QWidget owner;
    ShowHelpTopic(&owner, QDir::currentPath().toStdString(), HelpContentsContext);
    auto* browser = owner.findChild<QTextBrowser*>("txtHelp");
    *fileName = browser->source().fileName();
    QSet<QString> anchors;
    for (QTextBlock block = browser->document()->begin(); block.isValid(); block = block.next()) {
        for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
            for (const QString& name : fragment.fragment().charFormat().anchorNames()) {
                anchors.insert(name);
            }
        }
    }
    return anchors;
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

// Each page and tab ("DSC 2") with the EXP group in use, with the views that scroll sideways on
// it. On the offscreen platform's 800 x 800 screen, which tq58-page-tour shoots on, the window
// cannot grow past its first size, so a translation longer than its room shows as a view that
// scrolls sideways where the English one does not. The controls with a hint or help context
// met on the way go to reached.
std::map<QString, QStringList> Tour(MainWindowHarness& harness,
                                    std::set<HintedControl>* reached = nullptr) {
    harness.data.Settings.UsableChGroup[GroupExp].Enable = true;
    harness.window->RebuildTree();
    QCoreApplication::processEvents();
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
            for (const QWidget* widget : harness.window->findChildren<QWidget*>()) {
                if (const auto control = HintedControlOf(widget->objectName());
                    reached && control) {
                    reached->insert(*control);
                }
            }
        }
        if (tabs) {
            tabs->setCurrentIndex(0);
        }
    }
    return pages;
}

void UseLanguage(const std::string& language) {
    for (QTranslator* translator : qApp->findChildren<QTranslator*>()) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
    InstallTranslations(*qApp, language);
}

} // namespace

class LanguageChecksTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        UseLanguage("en");
        QString fileName;
        englishHelp_ = ShownHelpAnchors(&fileName);
        QCOMPARE(fileName, QString("TQ58.html"));
        // Every control the core keeps a hint for has one and is a widget of the window,
        // and the help answers, in one window, every help context the program asks for: the
        // controls', Help Contents' and the transfer dialog's; tests run in the program folder.
        MainWindowHarness harness;
        QVERIFY(harness.Start("2"));
        std::set<HintedControl> reached;
        englishPages_ = Tour(harness, &reached);
        QVERIFY(!englishPages_.empty());
        QList<int> contexts = {HelpContentsContext, TransferHelpContext};
        for (int control = 0; control < HintedControlCount; ++control) {
            const auto hinted = static_cast<HintedControl>(control);
            QVERIFY2(reached.count(hinted) && !StatusHint(hinted).English().empty(),
                     qPrintable(QString("hinted control %1: no widget or no hint").arg(control)));
            contexts << HelpContextFor(hinted);
        }
        contexts.removeAll(0);
        QCOMPARE(contexts.size(), 2 + 17); // seventeen controls have a help context
        QWidget owner;
        for (const int context : contexts) {
            QCOMPARE(ShowHelpTopic(&owner, QDir::currentPath().toStdString(), context), QString());
            QVERIFY2(englishHelp_.contains(QString("context%1").arg(context)),
                     qPrintable(QString("no topic for help context %1").arg(context)));
        }
        QCOMPARE(owner.findChildren<HelpWindow*>().size(), 1);
    }

    void everyLanguage_data() {
        QTest::addColumn<QString>("language");
        // Each language the Options menu offers, and only those, has its translation built in.
        QCOMPARE(QDir(":/i18n").entryList({"tq58_*.qm"}).size(),
                 qsizetype(LanguageChoices.size() - 1));
        for (const LanguageChoice& choice : LanguageChoices) {
            if (!choice.Code.empty()) {
                QTest::newRow(choice.Code.data()) << QString::fromUtf8(choice.Code.data());
            }
        }
    }

    void everyLanguage() {
        QFETCH(QString, language);
        UseLanguage(language.toStdString());
        QCOMPARE(WindowLanguage(), language);
        QVERIFY(language == "en" ||
                QCoreApplication::translate("LanguageMenu", "&Language") != "&Language");

        QString helpFile;
        const QSet<QString> helpAnchors = ShownHelpAnchors(&helpFile);
        if (helpFile != "TQ58.html") {
            QCOMPARE(helpFile, QString("TQ58_%1.html").arg(language));
            QCOMPARE(helpAnchors, englishHelp_);
        }

        int texts = 0;
        const QStringList mismatches =
            PlaceholderMismatches(QString(TQ58_I18N_DIR "/tq58_%1.ts").arg(language), &texts);
        QVERIFY2(mismatches.isEmpty(), qPrintable(mismatches.join('\n')));
        QVERIFY(texts > 500);

        QTemporaryDir folder;
        MainWindowHarness harness;
        QVERIFY(harness.Start("2"));
        // The offscreen screen is narrower than the window's first size: the tool bar still
        // shows every button, and no page or grid column is cut where English shows it whole.
        for (QToolBar* bar : harness.window->findChildren<QToolBar*>()) {
            auto* overflow = bar->findChild<QToolButton*>("qt_toolbar_ext_button");
            QVERIFY(overflow && !overflow->isVisible());
        }
        const std::map<QString, QStringList> pages = Tour(harness);
        QCOMPARE(pages.size(), englishPages_.size());
        QStringList cut;
        for (const auto& [page, scrolled] : pages) {
            for (const QString& view : scrolled) {
                if (!englishPages_.at(page).contains(view)) {
                    cut << page + ": " + view;
                }
            }
        }
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join("; ")));
        harness.SaveAs(folder.filePath("boat.dat"));
        QStringList clashes = MenuClashes("menu bar", harness.window->menuBar()->actions());
        const MainMenus& menus = harness.window->Menus();
        for (QAction* command :
             {menus.FilePrintToFile, menus.TransferRead, menus.TransferProgram, menus.TransferCheck,
              menus.PortDevices, menus.HelpAbout, menus.FileCompare}) {
            harness.fileAnswers << folder.filePath("boat.dat");
            int opened = 0;
            clashes << DialogClashes(command, &opened);
            QVERIFY2(opened > 0, qPrintable(command->text()));
        }
        menus.HelpContents->trigger();
        auto* help = harness.window->findChild<HelpWindow*>();
        QVERIFY(help);
        clashes << WindowClashes(help);
        QVERIFY2(clashes.isEmpty(), qPrintable(clashes.join('\n')));
    }

    void missingHelpDocumentIsReported() {
        QTemporaryDir empty;
        QWidget owner;
        QVERIFY(!HelpDocumentExists(empty.path().toStdString()));
        QVERIFY(!ShowHelpTopic(&owner, empty.path().toStdString(), HelpContentsContext).isEmpty());
        QVERIFY(!owner.findChild<HelpWindow*>());
    }

    void picturesAreCompiledIn() {
        QVERIFY(!ProgramIcon().pixmap(16, 16).isNull());
        AboutDialog about;
        const QLabel* logo = about.findChild<QLabel*>("pictLogo");
        QVERIFY(logo && !logo->pixmap().isNull());
    }

private:
    QSet<QString> englishHelp_;
    std::map<QString, QStringList> englishPages_;
};

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    LanguageChecksTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "LanguageChecksTest.moc"
