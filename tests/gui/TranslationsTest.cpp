// The window in the desktop's language: the test runs with LANGUAGE=de. What leaves the
// program stays English whatever the window speaks.

#include "gui/Translations.h"

#include "MainWindowHarness.h"
#include "gui/MainMenus.h"

#include <QComboBox>
#include <QMenu>
#include <QTemporaryDir>
#include <QTranslator>

using namespace tq58;
using namespace tq58::test;

namespace {

QString installedLanguage;

// Sets two lists on the Common page by keyboard, as a user does, and saves.
QByteArray EditAndSave(const QString& path) {
    MainWindowHarness harness;
    if (!harness.Start("2") || !harness.SelectNode("Common")) {
        return {};
    }
    for (const auto& [name, key] :
         {std::pair{"cmbCommonMag", Qt::Key_Down}, std::pair{"cmbCommonDual", Qt::Key_Down}}) {
        auto* box = harness.Find<QComboBox>(name);
        box->setFocus();
        QTest::keyClick(box, key);
    }
    if (!harness.window->isWindowModified()) {
        return {};
    }
    harness.SaveAs(path);
    return FileBytes(path);
}

} // namespace

class TranslationsTest : public QObject {
    Q_OBJECT

private slots:
    void everyLanguageLoads() {
        for (const char* language : {"de", "nl", "fr"}) {
            QTranslator translator;
            QVERIFY(translator.load(QString(":/i18n/tq58_%1.qm").arg(language)));
            const QString menu = translator.translate("LanguageMenu", "&Language");
            QVERIFY2(!menu.isEmpty() && menu != "&Language", language);
        }
        QTranslator english;
        QVERIFY(english.load(":/i18n/tq58_en.qm"));
    }

    void theWindowSpeaksTheDesktopsLanguage() {
        QCOMPARE(installedLanguage, QString("de"));
        MainWindowHarness harness;
        QVERIFY(harness.Start("2"));
        QCOMPARE(harness.Find<QMenu>("mnuFile")->title(), QString("&Datei"));

        QVERIFY(harness.SelectNode("Common"));
        auto* scan = harness.Find<QComboBox>("cmbCommonScan");
        scan->setFocus();
        QTest::keyClick(scan, Qt::Key_Up);
        QCOMPARE(scan->currentText(), QString("Aus"));
        harness.answers << QMessageBox::Cancel;
        harness.window->Menus().FileNew->trigger();
        QVERIFY2(harness.LastShown().contains("Möchten Sie die Änderungen speichern?"),
                 qPrintable(harness.LastShown()));
    }

    // Lists show translated values; the file must keep the radio's own.
    void savedFilesStayEnglish() {
        QTemporaryDir folder;
        const QByteArray german = EditAndSave(folder.filePath("german.dat"));
        for (QTranslator* translator : qApp->findChildren<QTranslator*>()) {
            QCoreApplication::removeTranslator(translator);
        }
        const QByteArray english = EditAndSave(folder.filePath("english.dat"));
        QVERIFY(!german.isEmpty() && !english.isEmpty());
        QCOMPARE(german, english);
    }
};

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    installedLanguage = InstallTranslations(application, "");
    TranslationsTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "TranslationsTest.moc"
