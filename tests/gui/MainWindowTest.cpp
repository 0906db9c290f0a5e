#include "MainWindowHarness.h"
#include "files/ImageFile.h"
#include "model/NewData.h"

#include <QAction>
#include <QFile>
#include <QMenu>
#include <QTemporaryDir>
#include <QtTest>

using namespace tq58;
using tq58::test::MainWindowHarness;

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

QByteArray FileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void startsFromGlobalIniAndTheRememberedModel() {
        MainWindowHarness rv7700a;
        rv7700a.store.Write("Settings", "lastmodel", "2");
        QVERIFY(rv7700a.Start());
        QCOMPARE(rv7700a.window->windowTitle(), QString("TQ58  PC Program for RV7700A"));
        QCOMPARE(rv7700a.window->Editor()->CurrentKey(), std::string("General"));
        QVERIFY(rv7700a.window->isEnabled());
        QVERIFY(!rv7700a.window->DataChanged());
        QVERIFY(rv7700a.window->Menus().Edit->menuAction()->isVisible());
        QVERIFY(rv7700a.window->Menus().ModelTypes[1]->isChecked());
        QCOMPARE(VisibleTexts(rv7700a.window->Menus().Destinations),
                 QStringList({"CAN", "CAN-M", "INTL", "INTL-M", "USA*", "USA-M"}));
        QCOMPARE(rv7700a.Tree()->findItems("ATIS Setup", Qt::MatchRecursive).size(), 1);

        QTemporaryDir folder;
        QFile ini(folder.filePath("global.ini"));
        QVERIFY(ini.open(QIODevice::WriteOnly));
        ini.write("[model1]\nuse=0\n[model2]\nuse=1\n");
        ini.close();
        MainWindowHarness alone({}, folder.path().toStdString());
        QVERIFY(alone.Start());
        QVERIFY(!alone.window->Menus().Edit->menuAction()->isVisible());
        QVERIFY(!alone.window->Menus().Destination->isEnabled());
        // Without "atis" in its section the model has no ATIS page.
        QVERIFY(alone.Tree()->findItems("ATIS Setup", Qt::MatchRecursive).isEmpty());

        QVERIFY(ini.open(QIODevice::WriteOnly));
        ini.write("[model1]\natis=1\n[model2]\nuse=1\n");
        ini.close();
        MainWindowHarness none({}, folder.path().toStdString());
        QVERIFY(!none.Start());
        QCOMPARE(none.shown, QStringList("TQ58|Unknown model!!"));
    }

    void aRefusingPageKeepsTheTreeOnItsNode() {
        MainWindowHarness harness;
        harness.store.Write("Settings", "lastmodel", "2");
        QVERIFY(harness.Start());
        harness.data.Settings.UsableChGroup[GroupExp].Enable = true;
        harness.data.Settings.CHEXP[0].Enable = true;
        harness.window->RebuildTree();
        QVERIFY(harness.SelectNode("E1"));
        QVERIFY(!harness.SelectNode("General"));
        QVERIFY(harness.LastShown().contains("Data Error!!"));
        QCOMPARE(harness.window->Editor()->CurrentKey(), std::string("E1"));
        QCOMPARE(harness.Tree()->currentItem()->text(0), QString("EXP1[Enable]"));
        // Clicking the node that is already shown asks nothing.
        const auto shown = harness.shown.size();
        QVERIFY(harness.SelectNode("E1"));
        QCOMPARE(harness.shown.size(), shown);
    }

    void closingAsksToSaveChangedData() {
        QTemporaryDir folder;
        MainWindowHarness harness;
        QVERIFY(harness.Start());
        harness.window->SetDataChanged(true);

        harness.answers << QMessageBox::Cancel;
        QVERIFY(!harness.window->close());
        QVERIFY(
            harness.LastShown().endsWith("|QYL data has changed.\r\nDo you want to save changes?"));

        // A save that fails keeps the window open with the data as it was.
        harness.answers << QMessageBox::Yes;
        harness.fileAnswers << folder.filePath("missing/a.dat");
        QVERIFY(!harness.window->close());
        QVERIFY(harness.LastShown().contains("FileSave Error!!"));
        QVERIFY(harness.window->DataChanged());

        harness.answers << QMessageBox::Yes;
        harness.fileAnswers << folder.filePath("a.dat");
        QVERIFY(harness.window->close());
        QVERIFY(QFile::exists(folder.filePath("a.dat")));
        QVERIFY(harness.store.Read("Settings", "MainWidth", "").size() > 0);

        MainWindowHarness discard;
        QVERIFY(discard.Start());
        discard.window->SetDataChanged(true);
        discard.answers << QMessageBox::No;
        QVERIFY(discard.window->close());
    }

    void newDataReplacesEditsAfterItsDelay() {
        MainWindowHarness harness;
        QVERIFY(harness.Start());
        harness.data.Settings.CHUSA[32].ChTag = "EDITED";
        harness.window->SetDataChanged(true);
        QElapsedTimer clock;
        clock.start();
        harness.window->Menus().FileNew->trigger();
        QVERIFY(harness.shown.isEmpty());
        // The window waits in an event loop of its own meanwhile, so look from a timer.
        std::string atHalfTime;
        QTimer::singleShot(300, [&] { atHalfTime = harness.data.Settings.CHUSA[32].ChTag; });
        QTRY_VERIFY_WITH_TIMEOUT(harness.data.Settings.CHUSA[32].ChTag != "EDITED", 2000);
        QVERIFY(clock.elapsed() >= 550);
        QCOMPARE(atHalfTime, std::string("EDITED"));
        QVERIFY(!harness.window->DataChanged());
        QVERIFY(harness.window->isEnabled());
    }

    void openedFileNamesTheCaption() {
        QTemporaryDir folder;
        const QString path = folder.filePath("My Boat.DAT");
        MainWindowHarness harness;
        QVERIFY(harness.Start());
        harness.fileAnswers << path;
        harness.window->Menus().FileSaveAs->trigger();
        harness.data.Settings.CHUSA[32].ChTag = "CHANGED";
        harness.fileAnswers << path;
        harness.window->Menus().FileOpen->trigger();
        QVERIFY(harness.shown.isEmpty());
        QVERIFY(harness.window->windowTitle().endsWith(" - my boat.dat"));
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
            writer.fileAnswers << first << second;
            writer.window->Menus().FileSaveAs->trigger();
            writer.window->Menus().FileSaveAs->trigger();
        }
        MainWindowHarness harness(StartOptions{true, false, first.toStdString()});
        harness.store.Write("RecentFiles", "File1", second.toStdString());
        QVERIFY(harness.Start());
        QTRY_VERIFY(harness.window->windowTitle().endsWith(" - first.dat"));
        const auto& recent = harness.window->Menus().RecentFiles;
        QVERIFY(recent[0]->isVisible() && recent[1]->isVisible() && !recent[2]->isVisible());
        QCOMPARE(recent[0]->toolTip(), first);
        QCOMPARE(recent[1]->text(), QString("&2 second.dat"));

        QVERIFY(QFile::remove(second));
        recent[1]->trigger();
        QVERIFY(harness.LastShown().contains("no longer exists"));
        QVERIFY(!recent[1]->isVisible());
        QVERIFY(harness.window->windowTitle().endsWith(" - first.dat"));
    }

    void savingAfterAnImageLoadAsksForAName() {
        QTemporaryDir folder;
        const QString image = folder.filePath("radio.hex");
        {
            RadioData data;
            (void)NewData(data, ModelStateFor(1, GlobalIniPath(QDir::currentPath().toStdString())));
            QVERIFY(
                SaveHexFileAs(image.toStdString(), data,
                              ModelStateFor(1, GlobalIniPath(QDir::currentPath().toStdString())))
                    .Ok);
        }
        const QByteArray before = FileBytes(image);
        MainWindowHarness harness(StartOptions{true, false, {}});
        QVERIFY(harness.Start());
        harness.fileAnswers << image;
        QTest::keyClick(harness.window.get(), Qt::Key_F2, Qt::ControlModifier);
        QVERIFY(harness.window->windowTitle().endsWith(" - radio.hex"));

        harness.fileAnswers << QString();
        harness.window->Menus().FileSave->trigger();
        QVERIFY(harness.fileAnswers.isEmpty());
        QCOMPARE(FileBytes(image), before);
    }
};

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
