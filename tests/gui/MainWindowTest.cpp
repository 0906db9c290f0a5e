#include "MainWindowHarness.h"
#include "files/ImageFile.h"
#include "model/NewData.h"

#include <QAccessible>
#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QScrollBar>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>
#include <filesystem>

using namespace tq58;
using namespace tq58::test;

namespace {

QStringList VisibleTexts(const std::array<QAction*, 11>& items) {
    QStringList texts;
    for (QAction* item : items) {
        if (item->isVisible()) {
            texts << item->text() + (item->isChecked() ? "*" : "");
        }
    }
    return texts;
}

void WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
}

void ImportCsv(MainWindowHarness& harness, const QString& path, const QByteArray& csv) {
    WriteFile(path, csv);
    harness.fileAnswers << path;
    harness.window->Menus().FileImportCsv->trigger();
}

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void startsFromGlobalIniAndTheRememberedModel() {
        MainWindowHarness rv7700a;
        QVERIFY(rv7700a.Start("2"));
        QCOMPARE(rv7700a.Caption(), QString("TQ58  PC Program for RV7700A"));
        QCOMPARE(rv7700a.window->Editor()->CurrentKey(), std::string("General"));
        QVERIFY(rv7700a.window->isEnabled() && !rv7700a.window->DataChanged());
        QVERIFY(rv7700a.window->Menus().EditModel->menuAction()->isVisible());
        QVERIFY(rv7700a.window->Menus().ModelTypes[1]->isChecked());
        QCOMPARE(VisibleTexts(rv7700a.window->Menus().Destinations),
                 QStringList({"CAN", "CAN-M", "INTL", "INTL-M", "USA*", "USA-M"}));
        QCOMPARE(rv7700a.Tree()->findItems("ATIS Setup", Qt::MatchRecursive).size(), 1);

        QTemporaryDir folder;
        WriteFile(folder.filePath("global.ini"), "[model1]\nuse=0\n[model2]\nuse=1\n");
        MainWindowHarness alone({}, folder.path().toStdString());
        QVERIFY(alone.Start());
        QVERIFY(!alone.window->Menus().EditModel->menuAction()->isVisible());
        QVERIFY(!alone.window->Menus().Destination->isEnabled());
        // Without "atis" in its section the model has no ATIS page.
        QVERIFY(alone.Tree()->findItems("ATIS Setup", Qt::MatchRecursive).isEmpty());

        WriteFile(folder.filePath("global.ini"), "[model1]\natis=1\n[model2]\nuse=1\n");
        MainWindowHarness none({}, folder.path().toStdString());
        QVERIFY(!none.Start());
        QCOMPARE(none.shown, QStringList("TQ58|Unknown model!!"));
    }

    // Tests and people find every control by its name, screen readers by a name a person reads.
    void everyControlAUserCanReachIsNamed() {
        MainWindowHarness harness;
        QVERIFY(harness.Start("2"));
        harness.data.Settings.UsableChGroup[GroupExp].Enable = true;
        harness.window->RebuildTree();
        for (const char* key : {"Usable", "Common", "DSC", "ATIS", "PU", "PW", "PU32", "E1", "SM",
                                "SM1", "ExpChannel", "General"}) {
            QVERIFY2(harness.SelectNode(key), key);
        }
        QStringList unnamed;
        for (QWidget* widget : harness.window->findChildren<QWidget*>()) {
            // Scroll bars and the lists that combo boxes pop up belong to their control.
            if (widget->focusPolicy() == Qt::NoFocus || qobject_cast<QScrollBar*>(widget) ||
                widget->window() != harness.window.get()) {
                continue;
            }
            QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
            const QString name = accessible ? accessible->text(QAccessible::Name) : QString();
            if (widget->objectName().isEmpty() || name.trimmed().isEmpty()) {
                unnamed << QString("%1 '%2'").arg(widget->metaObject()->className(),
                                                  widget->objectName());
            }
        }
        QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(", ")));
    }

    void newDataReplacesEditsAfterItsDelay() {
        MainWindowHarness harness;
        QVERIFY(harness.Start());
        harness.data.Settings.CHUSA[32].ChTag = "EDITED";
        harness.window->SetDataChanged(true);
        harness.answers << QMessageBox::No;
        QElapsedTimer clock;
        clock.start();
        harness.window->Menus().FileNew->trigger();
        QCOMPARE(harness.shown.size(), 1);
        // The window waits in an event loop of its own meanwhile, so look from a timer.
        std::string atHalfTime;
        QTimer::singleShot(300, [&] { atHalfTime = harness.data.Settings.CHUSA[32].ChTag; });
        QTRY_VERIFY_WITH_TIMEOUT(harness.data.Settings.CHUSA[32].ChTag != "EDITED", 2000);
        QVERIFY(clock.elapsed() >= 550);
        QCOMPARE(atHalfTime, std::string("EDITED"));
        QVERIFY(!harness.window->DataChanged() && harness.window->isEnabled());
    }

    void openedFileNamesTheCaption() {
        QTemporaryDir folder;
        MainWindowHarness harness;
        QVERIFY(harness.Start());
        harness.SaveAs(folder.filePath("My Boat.DAT"));
        harness.data.Settings.CHUSA[32].ChTag = "CHANGED";
        harness.fileAnswers << folder.filePath("My Boat.DAT");
        harness.window->Menus().FileOpen->trigger();
        QVERIFY(harness.shown.isEmpty());
        QVERIFY(harness.Caption().endsWith(" - my boat.dat"));
        QVERIFY(harness.data.Settings.CHUSA[32].ChTag != "CHANGED");
        QVERIFY(harness.window->isEnabled());
    }

    void theCommandLineFileOpensAndHeadsTheRecentFiles() {
        QTemporaryDir folder;
        const QString first = folder.filePath("first.dat");
        const QString second = folder.filePath("second.dat");
        {
            MainWindowHarness writer;
            QVERIFY(writer.Start());
            writer.SaveAs(first);
            writer.SaveAs(second);
        }
        MainWindowHarness harness(StartOptions{true, false, first.toStdString()});
        harness.store.Write("RecentFiles", "File1", second.toStdString());
        QVERIFY(harness.Start());
        QTRY_VERIFY(harness.Caption().endsWith(" - first.dat"));
        const auto& recent = harness.window->Menus().RecentFiles;
        QVERIFY(recent[0]->isVisible() && recent[1]->isVisible() && !recent[2]->isVisible());
        QCOMPARE(recent[0]->toolTip(), first);
        QCOMPARE(recent[1]->text(), QString("&2 second.dat"));

        QVERIFY(QFile::remove(second));
        recent[1]->trigger();
        QVERIFY(harness.LastShown().contains("no longer exists"));
        QVERIFY(!recent[1]->isVisible());
        QVERIFY(harness.Caption().endsWith(" - first.dat"));

        // A name that is not UTF-8 is refused as such, not as a missing file.
        const std::string latin = QFile::encodeName(folder.path()).toStdString() + "/caf\xe9.dat";
        std::filesystem::copy_file(first.toStdString(), latin);
        MainWindowHarness other(StartOptions{true, false, latin});
        QVERIFY(other.Start());
        QTRY_VERIFY(other.LastShown().contains("is not UTF-8 text"));
        std::filesystem::remove(latin); // Qt lists no such name, so its folder keeps it
    }

    void savingAfterAnImageLoadAsksForAName() {
        QTemporaryDir folder;
        const QString image = folder.filePath("radio.hex");
        const ModelState model = ModelStateFor(1, GlobalIniPath(QDir::currentPath().toStdString()));
        RadioData data;
        (void)NewData(data, model);
        QVERIFY(SaveHexFileAs(image.toStdString(), data, model, {}).Ok);
        const QByteArray before = FileBytes(image);
        MainWindowHarness harness(StartOptions{true, false, {}});
        QVERIFY(harness.Start());
        harness.fileAnswers << image;
        QTest::keyClick(harness.window.get(), Qt::Key_F2, Qt::ControlModifier);
        QVERIFY(harness.Caption().endsWith(" - radio.hex"));

        harness.fileAnswers << QString();
        harness.window->Menus().FileSave->trigger();
        QVERIFY(harness.fileAnswers.isEmpty());
        QCOMPARE(FileBytes(image), before);
    }

    // A refused import lists the first ten rows and changes nothing; a good one arrives.
    void csvListsGoOutAndComeIn() {
        QTemporaryDir folder;
        MainWindowHarness harness;
        QVERIFY(harness.Start("2"));
        harness.fileAnswers << folder.filePath("exp.csv");
        harness.window->Menus().FileExportCsv[0]->trigger();
        QVERIFY(FileBytes(folder.filePath("exp.csv")).startsWith("EXP CH,CH Enable,CH Display,"));

        QByteArray refused = "Memory ID,Station Name,MMSI\n";
        for (int k = 1; k <= 12; ++k) {
            refused += QByteArray::number(k) + ",SHIP,12345\n";
        }
        const SettingsRecord before = harness.data.Settings;
        ImportCsv(harness, folder.filePath("bad.csv"), refused);
        QCOMPARE(harness.shown.size(), 1);
        QVERIFY(harness.LastShown().startsWith("Import CSV|Nothing was imported: 12 rows were "
                                               "refused.\n\nline 2: MMSI \"12345\" is not 9 "
                                               "digits\n"));
        QVERIFY(harness.LastShown().endsWith("... and 2 more; Show Details lists every row."));
        QVERIFY(harness.data.Settings == before && !harness.window->DataChanged());

        ImportCsv(harness, folder.filePath("edit.csv"),
                  "EXP CH,CH Enable,CH Display,Rx Frequency,CH Name\n7,On,71,157.1,WORK\n");
        QCOMPARE(harness.shown.size(), 1);
        const ChannelRecord& channel = harness.data.Settings.CHEXP[6];
        QVERIFY(channel.Enable && channel.ChTag == "WORK" && channel.Rxfreq == 157.1);
        QVERIFY(harness.window->DataChanged());
    }

    void compareListsTheSettingsThatDiffer() {
        QTemporaryDir folder;
        MainWindowHarness harness;
        QVERIFY(harness.Start("2"));
        harness.SaveAs(folder.filePath("saved.dat"));
        harness.data.Settings.CHUSA[32].ChTag = "MAYDAY";
        QStringList shown;
        QTimer::singleShot(0, [&] {
            const QAbstractItemModel* table = InDialog<QTableView>("grdCompare")->model();
            shown << InDialog<QLabel>("lblCompare")->text();
            for (int column = 0; column < table->columnCount(); ++column) {
                shown << table->headerData(column, Qt::Horizontal).toString() + "=" +
                             table->index(0, column).data().toString();
            }
            ClickInDialog("cmdClose");
        });
        harness.fileAnswers << folder.filePath("saved.dat");
        harness.window->Menus().FileCompare->trigger();
        QCOMPARE(shown, QStringList({"1 setting differs.", "Section=Programable USA Channel",
                                     "Channel or entry=CH 16", "Field=CH Name", "saved.dat=MAYDAY",
                                     "saved.dat=DISTRESS"}));
    }
};

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
