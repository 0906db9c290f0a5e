// The window in the desktop's language: the test runs with LANGUAGE=de. What leaves the
// program stays English whatever the window speaks.

#include "gui/Translations.h"

#include "MainWindowHarness.h"
#include "editor/ChangeNames.h"
#include "editor/GridRows.h"
#include "editor/MmsiKinds.h"
#include "gui/MainMenus.h"
#include "gui/ProgramMidTable.h"
#include "gui/UndoSteps.h"
#include "platform/SerialPortProblem.h"

#include <QComboBox>
#include <QMenu>
#include <QTemporaryDir>
#include <QTimer>
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
    void theWindowSpeaksTheDesktopsLanguage() {
        QCOMPARE(installedLanguage, QString("de"));
        MainWindowHarness harness;
        QVERIFY(harness.Start("2"));
        QCOMPARE(harness.Find<QMenu>("mnuFile")->title(), QString("&Datei"));
        // A serial port's problem too, naming the menus as the window shows them.
        const QString options = harness.Find<QMenu>("mnuOptions")->title().remove('&');
        const QString serialPort = harness.Find<QMenu>("mnuOptionsSerialPort")->title().remove('&');
        const QString portDevices = harness.window->Menus().PortDevices->text();
        const QString missing = SerialPortProblem("/nonexistent/ttyUSB9", 2, {});
        QVERIFY2(
            missing.startsWith("Das Schnittstellengerät /nonexistent/ttyUSB9 (COM2) existiert") &&
                missing.contains(options + " > " + serialPort) &&
                missing.contains(options + " > „" + portDevices + "“"),
            qPrintable(missing));

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

    // A radio that never answers is told in German, the device's name in the sentence.
    void aSilentRadioIsToldInTheUsersLanguage() {
        MainWindowHarness harness;
        VirtualClock clock;
        SimRadio radio{7700};
        radio.Faults.RadioSilent = true;
        harness.ConnectRadio(radio, clock);
        QVERIFY(harness.Start("2"));
        QTimer::singleShot(0, [] { ClickInDialog("cmdOK"); });
        // Once the failure is told, the dialog waits for another try: Cancel closes it.
        QTimer closer;
        QObject::connect(&closer, &QTimer::timeout, [&harness] {
            auto* cancel = InDialog<QPushButton>("cmdCancel");
            if (cancel && !harness.shown.isEmpty()) {
                QTest::mouseClick(cancel, Qt::LeftButton);
            }
        });
        closer.start(10);
        harness.window->Menus().TransferRead->trigger();
        QVERIFY2(harness.LastShown().contains("Das Funkgerät an sim hat nicht geantwortet."),
                 qPrintable(harness.LastShown()));
    }

    // A part of a phrase is translated by itself: the kind and the country in the label, while
    // the MID table stays English.
    void anMmsiLabelIsToldInTheUsersLanguage() {
        const Phrase label = MmsiLabel(ReadMmsi("244123456"), ProgramMidTable());
        QCOMPARE(Translated(label), QString("Seefunkstelle \u00B7 Niederlande"));
        const std::string english = label.English();
        QVERIFY(english.starts_with("Ship station") && english.ends_with(" Netherlands"));
    }

    // Step names: a field of a part, and a count in its plural form.
    void undoStepsAreNamedInTheUsersLanguage() {
        SettingsRecord settings;
        UndoSteps steps(settings);
        steps.Reset(true);
        settings.CHGRPID[4].Mmsid = "0366123450";
        steps.Commit("G5");
        QCOMPARE(steps.Stack().undoText(), QString("Gruppeneintrag 5 MMSI"));
        settings.CHEXP[2].Txfreq = 156.05;
        steps.Commit("E1", RowsStepName(RowsCommand::Paste, CsvList::Exp, 1));
        QCOMPARE(steps.Stack().undoText(), QString("1 Kanal einfügen"));
    }

    // A refused cell says why in German and names its field as the window does; the typed text
    // stays as it is, and the English keeps the CSV heading.
    void aRefusedCellSaysWhyInTheUsersLanguage() {
        MainWindowHarness harness;
        QVERIFY(harness.Start("2"));
        Phrase told;
        QVERIFY(!EditCell(harness.data.Settings, harness.window->Model(), CsvList::Exp, "5",
                          "CH Enable", "yes", &told)
                     .Ok);
        QCOMPARE(Translated(told), QString("Kanal aktiv \"yes\" ist weder On noch Off"));
        QCOMPARE(told.English(), std::string("CH Enable \"yes\" is not On or Off"));
    }

    // A refused import names the fields in German, and the box's details button as Qt's own
    // translation labels it.
    void aRefusedImportPointsToTheDetailsButtonByItsLabel() {
        QTemporaryDir folder;
        MainWindowHarness harness;
        QVERIFY(harness.Start("2"));
        QByteArray refused = "Memory ID,Station Name,MMSI\n";
        for (int k = 1; k <= 12; ++k) {
            refused += QByteArray::number(k) + ",ABCDEFGHIJKL,211000000\n";
        }
        QFile csv(folder.filePath("long.csv"));
        QVERIFY(csv.open(QIODevice::WriteOnly) && csv.write(refused) == refused.size());
        csv.close();
        harness.fileAnswers << csv.fileName();
        harness.window->Menus().FileImportCsv->trigger();
        const QString told = harness.LastShown();
        QVERIFY2(told.contains("Stationsname \"ABCDEFGHIJKL\" ist länger als 11 Zeichen"),
                 qPrintable(told));
        QVERIFY2(told.endsWith("\u201EDetails einblenden\u201C listet alle Zeilen auf."),
                 qPrintable(told));
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
