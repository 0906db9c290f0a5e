#include "MainWindowHarness.h"

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QtTest>

using namespace tq58;
using namespace tq58::test;

namespace {

// The window on data with the EXP group in use, opened from a file: nothing to undo yet.
void StartWithExpGroup(MainWindowHarness& harness, const QTemporaryDir& folder) {
    QVERIFY(harness.Start("2"));
    harness.data.Settings.UsableChGroup[GroupExp].Enable = true;
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
};

QTEST_MAIN(EditingTest)
#include "EditingTest.moc"
