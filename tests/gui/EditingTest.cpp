#include "MainWindowHarness.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QLineEdit>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>

using namespace tq58;
using namespace tq58::test;

namespace {

// The window on data with the EXP group in use, opened from a file: nothing to undo yet.
void StartWithExpGroup(MainWindowHarness& harness, const QTemporaryDir& folder,
                       const std::function<void(SettingsRecord&)>& setup = {}) {
    QVERIFY(harness.Start("2"));
    harness.data.Settings.UsableChGroup[GroupExp].Enable = true;
    if (setup) {
        setup(harness.data.Settings);
    }
    harness.SaveAs(folder.filePath("start.dat"));
    QVERIFY(harness.window->OpenDataFile(folder.filePath("start.dat")));
}

int TreeCount(MainWindowHarness& harness, const QString& text) {
    return static_cast<int>(
        harness.Tree()->findItems(text, Qt::MatchExactly | Qt::MatchRecursive).size());
}

} // namespace

class EditingTest : public QObject {
    Q_OBJECT

private slots:
    void undoAndRedoGoBackToTheFieldTheTreeAndTheChangedState() {
        QTemporaryDir folder;
        MainWindowHarness harness;
        StartWithExpGroup(harness, folder);
        const MainMenus& menus = harness.window->Menus();
        QVERIFY(!menus.EditUndo->isEnabled());

        QVERIFY(harness.SelectNode("E3"));
        QTest::mouseClick(harness.Find<QCheckBox>("chkCEnable"), Qt::LeftButton);
        harness.TypeAndTab("txtCN_0", "03");
        harness.TypeAndTab("txtCRF", "156.05");
        harness.TypeAndTab("txtCTF", "156.05");
        QTRY_COMPARE(menus.EditUndo->text(), QString("&Undo EXP3 Tx frequency"));
        QVERIFY2(harness.SelectNode("E4"), qPrintable(harness.LastShown()));
        QVERIFY(harness.Caption().endsWith('*'));

        // From the tree: back to EXP3, its field as it was.
        QTest::keySequence(harness.Tree(), QKeySequence::Undo);
        QCOMPARE(harness.window->Editor()->CurrentKey(), std::string("E3"));
        QCOMPARE(harness.Find<QLineEdit>("txtCTF")->text(), QString("---.----"));
        QCOMPARE(menus.EditUndo->text(), QString("&Undo EXP3 Rx frequency"));
        // In a field the keys undo the window's steps.
        auto* rx = harness.Find<QLineEdit>("txtCRF");
        rx->setFocus();
        QTest::keySequence(rx, QKeySequence::Undo);
        QCOMPARE(rx->text(), QString("---.----"));
        QCOMPARE(TreeCount(harness, "EXP3[Enable]"), 1);
        QTest::keySequence(rx, QKeySequence::Undo);
        QCOMPARE(menus.EditUndo->text(), QString("&Undo EXP3 enable"));
        QTest::keySequence(rx, QKeySequence::Undo);
        QVERIFY(!harness.Find<QCheckBox>("chkCEnable")->isChecked());
        QCOMPARE(TreeCount(harness, "EXP3"), 1);
        QVERIFY(!harness.window->DataChanged());
        QVERIFY(!harness.Caption().endsWith('*'));
        QVERIFY(!menus.EditUndo->isEnabled());

        QTest::keyClick(rx, Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(TreeCount(harness, "EXP3[Enable]"), 1);
        QVERIFY(harness.window->DataChanged());
        QTest::keyClick(harness.Tree(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        menus.EditRedo->trigger();
        QCOMPARE(rx->text(), QString("156.0500"));
        QCOMPARE(menus.EditRedo->text(), QString("&Redo EXP3 Tx frequency"));

        // Saved here: undoing marks the data changed, redoing back to it clears the mark.
        harness.SaveAs(folder.filePath("saved.dat"));
        menus.EditUndo->trigger();
        QVERIFY(harness.window->DataChanged());
        menus.EditRedo->trigger();
        QVERIFY(!harness.window->DataChanged());
        // Replaced data: a new history.
        QVERIFY(harness.window->OpenDataFile(folder.filePath("start.dat")));
        QVERIFY(!menus.EditUndo->isEnabled() && !menus.EditRedo->isEnabled());
    }

    void typingIsOneStepAndCheckedEntriesAreSteps() {
        QTemporaryDir folder;
        MainWindowHarness harness;
        StartWithExpGroup(harness, folder);
        QVERIFY(harness.SelectNode("E1"));
        QTest::mouseClick(harness.Find<QCheckBox>("chkCEnable"), Qt::LeftButton);
        harness.TypeAndTab("txtCN_0", "01");
        harness.TypeAndTab("txtCRF", "156.05");
        harness.TypeAndTab("txtCTag", "HARBOUR");
        QCOMPARE(harness.window->Undo().History().StepCount(), std::size_t(4));
        QVERIFY(harness.SelectNode("SM1"));
        QTest::mouseClick(harness.Find<QCheckBox>("chkGEnable"), Qt::LeftButton);
        harness.TypeAndTab("txtGPosi", "SHIP");
        harness.Type("txtGMMSI", "366123456");
        QVERIFY(harness.SelectNode("SM2"));
        QCOMPARE(harness.window->Menus().EditUndo->text(),
                 QString("&Undo Individual entry 1 MMSI"));
        harness.window->Menus().EditUndo->trigger();
        QCOMPARE(harness.Find<QLineEdit>("txtGMMSI")->text(), QString(""));
        for (int step = 0; step < 5; ++step) {
            harness.window->Menus().EditUndo->trigger();
        }
        QCOMPARE(harness.window->Editor()->CurrentKey(), std::string("E1"));
        QCOMPARE(harness.Find<QLineEdit>("txtCTag")->text(), QString(""));
    }

    void rowsPasteFromTabSeparatedTextAsOneStep() {
        QTemporaryDir folder;
        MainWindowHarness harness;
        StartWithExpGroup(harness, folder);
        QVERIFY(harness.SelectNode("ExpChannel"));
        auto* grid = harness.Find<QTableView>("MSFlexGrid1");
        grid->selectRow(1);
        QApplication::clipboard()->setText("On\t02\t156.050\t156.050\r\n"
                                           "On\t03\t156.075\t156.075\tOff\tOff\tOn\tOff\tPILOT\n"
                                           "On\t04\t156.100\t156.100\n");
        grid->selectionModel()->setCurrentIndex(grid->model()->index(1, 1),
                                                QItemSelectionModel::Select);
        QTest::keySequence(grid, QKeySequence::Paste);
        QCOMPARE(harness.data.Settings.CHEXP[2].ChTag, std::string("PILOT"));
        QVERIFY(harness.data.Settings.CHEXP[3].Enable && !harness.data.Settings.CHEXP[0].Enable);
        QCOMPARE(grid->model()->index(2, 9).data().toString(), QString("PILOT"));
        QCOMPARE(harness.window->Menus().EditUndo->text(), QString("&Undo Paste 3 channels"));
        QCOMPARE(grid->selectionModel()->selectedRows().size(), 3);

        QTest::keySequence(grid, QKeySequence::Copy);
        QVERIFY(QApplication::clipboard()->text().startsWith("EXP CH\tCH Enable\t"));
        // Space sets the current column's flag for every selected row.
        grid->selectionModel()->setCurrentIndex(grid->model()->index(1, 1),
                                                QItemSelectionModel::NoUpdate);
        QTest::keyClick(grid, Qt::Key_Space);
        QVERIFY(!harness.data.Settings.CHEXP[1].Enable && !harness.data.Settings.CHEXP[3].Enable);
        QCOMPARE(harness.window->Menus().EditUndo->text(),
                 QString("&Undo Enable off for 3 channels"));
        QTest::keySequence(grid, QKeySequence::Undo);
        QTest::keySequence(grid, QKeySequence::Undo);
        QVERIFY(!harness.data.Settings.CHEXP[1].Enable);
        QCOMPARE(grid->model()->index(2, 9).data().toString(), QString(""));
        QVERIFY(!harness.window->DataChanged());
    }

    void aDirectoryEntryMovesUpAndBackInOneStep() {
        QTemporaryDir folder;
        MainWindowHarness harness;
        StartWithExpGroup(harness, folder, [](SettingsRecord& settings) {
            for (int i = 0; i < 3; ++i) {
                settings.CHMMSID[static_cast<std::size_t>(i)] = {
                    true, "SHIP" + std::to_string(i + 1), "36612345" + std::to_string(i) + "0"};
            }
        });
        QVERIFY(harness.SelectNode("SM"));
        auto* grid = harness.Find<QTableView>("MSFlexGrid2");
        grid->setFocus();
        grid->selectRow(2);
        QTest::keyClick(grid, Qt::Key_Up, Qt::AltModifier);
        QCOMPARE(harness.data.Settings.CHMMSID[1].TagName, std::string("SHIP3"));
        QCOMPARE(grid->model()->index(1, 1).data().toString(), QString("SHIP3"));
        QCOMPARE(grid->currentIndex().row(), 1);
        QCOMPARE(harness.window->Menus().EditUndo->text(),
                 QString("&Undo Move individual entry 3 up"));
        QTest::keySequence(grid, QKeySequence::Undo);
        QCOMPARE(harness.data.Settings.CHMMSID[2].TagName, std::string("SHIP3"));
        QCOMPARE(grid->model()->index(1, 1).data().toString(), QString("SHIP2"));
    }
};

QTEST_MAIN(EditingTest)
#include "EditingTest.moc"
