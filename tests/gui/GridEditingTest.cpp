// Editing as a user works it: Tab and F6 reach every control and come back to the tree, undo and
// redo by page and field, the grids as a spreadsheet user works them (typing straight into a cell,
// Enter, Tab and Escape, Space on channel rows, pasting rows with and without their heading row,
// moving entries, refusals that come once), and Find going on from the node shown.
#include "MainWindowHarness.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QLineEdit>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>

using namespace tq58;
using namespace tq58::test;

namespace {

// The window on data opened from a file (nothing to undo yet), with the EXP and INTL groups
// in use and the Canadian group not.
class OpenedWindow : public MainWindowHarness {
public:
    explicit OpenedWindow(const std::function<void(SettingsRecord&)>& setup = {}) {
        QVERIFY(Start("2"));
        SettingsRecord& settings = data.Settings;
        settings.UsableChGroup[GroupExp].Enable = settings.UsableChGroup[GroupIntl].Enable = true;
        settings.UsableChGroup[GroupCanada].Enable = false;
        if (setup) {
            setup(settings);
        }
        SaveAs(folder.filePath("start.dat"));
        QVERIFY(window->OpenDataFile(folder.filePath("start.dat")));
    }

    QTemporaryDir folder;
};

QTableView* ShowGrid(MainWindowHarness& harness, const std::string& key) {
    if (!harness.SelectNode(key)) {
        qFatal("node %s refused", key.c_str());
    }
    auto* grid = harness.Find<QTableView>(key.front() == 'S' ? "MSFlexGrid2" : "MSFlexGrid1");
    grid->setFocus();
    return grid;
}

void ClickCell(QTableView* grid, int row, int column) {
    const QModelIndex cell = grid->model()->index(row, column);
    grid->scrollTo(cell);
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(cell).center());
}

// Types as a person does: the window runs between the keys.
void TypeInto(QWidget* widget, const QString& text) {
    for (const QChar key : text) {
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : widget,
                        key.toLatin1());
        QTest::qWait(1);
    }
}

QString Cell(QTableView* grid, int row, int column) {
    return grid->model()->index(row, column).data().toString();
}

std::pair<int, int> At(QTableView* grid) {
    return {grid->currentIndex().row(), grid->currentIndex().column()};
}

void FillEntries(SettingsRecord& settings, int count) {
    for (int i = 0; i < count; ++i) {
        settings.CHMMSID[static_cast<std::size_t>(i)] = {true, "SHIP" + std::to_string(i + 1),
                                                         "36612345" + std::to_string(i) + "0"};
    }
}

int TreeCount(MainWindowHarness& harness, const QString& text) {
    return static_cast<int>(
        harness.Tree()->findItems(text, Qt::MatchExactly | Qt::MatchRecursive).size());
}

// Presses the key until the focus is back on the tree; the controls passed on the way.
QList<QWidget*> WalkFromTree(MainWindowHarness& harness, Qt::KeyboardModifiers mods) {
    QList<QWidget*> passed;
    harness.Tree()->setFocus();
    for (int step = 0; step < 200; ++step) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, mods);
        QWidget* now = QApplication::focusWidget();
        if (now == harness.Tree()) {
            return passed;
        }
        passed << now;
    }
    return {};
}

// The page's controls that a key press can reach: shown, enabled, taking the focus by Tab
// (a tab widget passes it on to its tab bar).
QList<QWidget*> Reachable(QWidget* page) {
    QList<QWidget*> controls;
    for (QWidget* widget : page->findChildren<QWidget*>()) {
        if (widget->isVisible() && widget->isEnabled() && !widget->focusProxy() &&
            (widget->focusPolicy() & Qt::TabFocus) == Qt::TabFocus) {
            controls << widget;
        }
    }
    return controls;
}

} // namespace

class GridEditingTest : public QObject {
    Q_OBJECT

private slots:
    // The keyboard reaches every control of every page and tab, and comes back to the tree.
    void tabCyclesThroughEveryPageAndBack() {
        MainWindowHarness harness;
        QVERIFY(harness.Start("2"));
        harness.data.Settings.UsableChGroup[GroupExp].Enable = true;
        harness.data.Settings.CHEXP[0].Enable = true;
        harness.data.Settings.CHEXP[0].Rxfreq = 156.025;
        harness.data.Settings.CHEXP[0].CHDisplayL = "P1";
        harness.window->RebuildTree();
        for (const char* key : {"Usable", "Common", "DSC", "ATIS", "PU", "PU0", "PW", "SM", "SM1",
                                "ExpChannel", "E1"}) {
            QVERIFY(harness.SelectNode(key));
            QWidget* page = harness.window->Editor()->widget(1);
            auto* tabs = page->findChild<QTabWidget*>();
            for (int tab = 0; tab < (tabs ? tabs->count() : 1); ++tab) {
                if (tabs) {
                    tabs->setCurrentIndex(tab);
                }
                QCoreApplication::processEvents();
                const QList<QWidget*> forward = WalkFromTree(harness, Qt::NoModifier);
                QVERIFY2(!forward.isEmpty(), key);
                for (QWidget* control : Reachable(page)) {
                    QVERIFY2(forward.contains(control),
                             qPrintable(QString("%1 tab %2: ").arg(key).arg(tab) +
                                        control->objectName() + " not reached"));
                }
                QVERIFY2(!WalkFromTree(harness, Qt::ShiftModifier).isEmpty(), key);
            }
        }
    }

    void f6MovesBetweenTheTreeAndThePage() {
        MainWindowHarness harness;
        QVERIFY(harness.Start("2"));
        QVERIFY(harness.SelectNode("Common"));
        harness.Tree()->setFocus();
        QTest::keyClick(harness.Tree(), Qt::Key_F6);
        QVERIFY(harness.window->Editor()->widget(1)->isAncestorOf(QApplication::focusWidget()));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F6);
        QCOMPARE(QApplication::focusWidget(), harness.Tree());
    }
    void undoAndRedoGoBackToTheFieldTheTreeAndTheChangedState() {
        OpenedWindow harness;
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
        harness.SaveAs(harness.folder.filePath("saved.dat"));
        menus.EditUndo->trigger();
        QVERIFY(harness.window->DataChanged());
        menus.EditRedo->trigger();
        QVERIFY(!harness.window->DataChanged());
        // Replaced data: a new history.
        QVERIFY(harness.window->OpenDataFile(harness.folder.filePath("start.dat")));
        QVERIFY(!menus.EditUndo->isEnabled() && !menus.EditRedo->isEnabled());
    }

    void typingIsOneStepAndCheckedEntriesAreSteps() {
        OpenedWindow harness;
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

    // An off-raster frequency, as a radio may hold it, shows snapped and stays as it is.
    void rowsPasteFromTabSeparatedTextAsOneStep() {
        OpenedWindow harness([](SettingsRecord& settings) { settings.CHEXP[0].Rxfreq = 156.061; });
        QVERIFY(harness.SelectNode("E1"));
        QCOMPARE(harness.Find<QLineEdit>("txtCRF")->text(), QString("156.0600"));
        QVERIFY(harness.SelectNode("ExpChannel"));
        auto* grid = harness.Find<QTableView>("MSFlexGrid1");
        QCOMPARE(Cell(grid, 0, 3), QString("156.0600"));
        QCOMPARE(harness.data.Settings.CHEXP[0].Rxfreq, 156.061);
        QVERIFY(!harness.window->Undo().History().CanUndo());
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
        OpenedWindow harness([](SettingsRecord& settings) { FillEntries(settings, 3); });
        QTableView* grid = ShowGrid(harness, "SM");
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
    // A box that takes the focus from the cell's editor, as a real one does, must not bring
    // itself back; the cell keeps its old value and the user goes on.
    void aRefusalComesOnceAndTheUserGoesOn_data() {
        QTest::addColumn<int>("setup");
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("rule");
        const QString order(
            "entries are used in order from 1: entry %1 is switched off, so entry 3 "
            "cannot be used yet");
        QTest::newRow("entry 2 free") << 0 << 2 << order.arg(2);
        QTest::newRow("entry 1 off") << 1 << 2 << order.arg(1);
        QTest::newRow("entry 1 no MMSI")
            << 2 << 1 << "entry 1 needs a name and an MMSI before entry 2 can be used";
    }

    void aRefusalComesOnceAndTheUserGoesOn() {
        QFETCH(int, setup);
        QFETCH(int, row);
        QFETCH(QString, rule);
        OpenedWindow harness([setup](SettingsRecord& settings) {
            const DirectoryRecord first[] = {
                {true, "FIRST", "3661234560"}, {false, "FIRST", "3661234560"}, {true, "FIRST", ""}};
            settings.CHMMSID[0] = first[setup];
        });
        harness.window->Prompts().AnswerWith([&harness](const MessageRequest& request) {
            harness.shown << request.Title + "|" + request.Text;
            harness.Tree()->setFocus();
            return QMessageBox::Ok;
        });
        QTableView* grid = ShowGrid(harness, "SM");
        ClickCell(grid, row, 1);
        QTest::keyClick(grid, Qt::Key_F2);
        TypeInto(grid, "ZEEMEEUW");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTRY_COMPARE(harness.shown.size(), 1);
        QTest::qWait(50);
        QCOMPARE(harness.shown, QStringList("Station Name|Data Error!!\n" + rule));
        QCOMPARE(Cell(grid, row, 1), QString());
        QVERIFY(harness.data.Settings.CHMMSID[static_cast<std::size_t>(row)].TagName.empty());
        QVERIFY(harness.SelectNode("SG"));
        QCOMPARE(harness.shown.size(), 1);
    }

    // The first key typed on a cell is its first character, in every editable column.
    void typingOnACellKeepsEveryCharacter_data() {
        QTest::addColumn<QString>("node");
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("station name") << "SM" << 1 << "WINDROOS" << QString("WINDROOS");
        QTest::newRow("station MMSI") << "SM" << 2 << "244123456" << QString("244123456");
        QTest::newRow("group name") << "SG" << 1 << "FLEET" << QString("FLEET");
        QTest::newRow("group MMSI") << "SG" << 2 << "24412345" << QString("024412345");
        QTest::newRow("INTL name") << "PI" << 9 << "WXYZ" << QString("WXYZ");
        QTest::newRow("EXP display") << "ExpChannel" << 2 << "12" << QString("12 ");
        QTest::newRow("EXP RX") << "ExpChannel" << 3 << "156.05" << QString("156.0500");
        QTest::newRow("EXP TX") << "ExpChannel" << 4 << "160.65" << QString("160.6500");
        QTest::newRow("EXP name") << "ExpChannel" << 9 << "WXYZ" << QString("WXYZ");
    }

    void typingOnACellKeepsEveryCharacter() {
        QFETCH(QString, node);
        QFETCH(int, column);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        OpenedWindow harness;
        QTableView* grid = ShowGrid(harness, node.toStdString());
        ClickCell(grid, 0, column);
        TypeInto(grid, typed);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QVERIFY2(harness.shown.isEmpty(), qPrintable(harness.LastShown()));
        QTRY_COMPARE(Cell(grid, 0, column), shown);
    }

    // Enter takes the edit and goes down, Tab and Shift+Tab to the next and previous editable
    // cell round the rows' ends, Escape abandons the edit.
    void enterTabAndEscapeWorkAsInASpreadsheet() {
        OpenedWindow harness;
        QTableView* grid = ShowGrid(harness, "SM");
        ClickCell(grid, 0, 1);
        TypeInto(grid, "EIDER");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(At(grid), std::make_pair(0, 2));
        TypeInto(grid, "244123456");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(At(grid), std::make_pair(1, 1));
        TypeInto(grid, "TERN");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        QCOMPARE(At(grid), std::make_pair(0, 2));
        TypeInto(grid, "3");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QTest::keyClick(grid, Qt::Key_F2);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(At(grid), std::make_pair(1, 2));
        QCOMPARE(harness.data.Settings.CHMMSID[0], (DirectoryRecord{true, "EIDER", "2441234560"}));
        QCOMPARE(harness.data.Settings.CHMMSID[1].TagName, std::string("TERN"));
        QCOMPARE(harness.window->Undo().History().StepCount(), std::size_t(3));
    }

    // Space switches Enable on the selected rows; a channel switched off keeps its row,
    // greyed, until the page is left, so it can be switched on again where it was.
    void spaceSwitchesChannelsAndTheirRowsStay() {
        OpenedWindow harness;
        QTableView* grid = ShowGrid(harness, "PI");
        const int rows = grid->model()->rowCount();
        const QString label = Cell(grid, 1, 0);
        ClickCell(grid, 1, 0);
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, Qt::ShiftModifier,
                          grid->visualRect(grid->model()->index(2, 0)).center());
        QTest::keyClick(grid, Qt::Key_Space);
        QCOMPARE(harness.window->Menus().EditUndo->text(),
                 QString("&Undo Enable off for 2 channels"));
        QCOMPARE(grid->model()->rowCount(), rows);
        QCOMPARE(Cell(grid, 1, 0), label);
        QVERIFY(grid->model()->index(1, 0).data(Qt::ForegroundRole).isValid());
        QTest::keyClick(grid, Qt::Key_Space);
        QVERIFY(!grid->model()->index(1, 0).data(Qt::ForegroundRole).isValid());
        QTest::keyClick(grid, Qt::Key_Space);
        QVERIFY(harness.SelectNode("General"));
        ShowGrid(harness, "PI");
        QCOMPARE(grid->model()->rowCount(), rows - 2);
    }

    // Numbered rows under their heading row go to their numbers, other rows fill the grid
    // from the selected cell; filled entries are replaced only after one question, and come
    // back with one Undo.
    void pasteRespectsNumbersAndAsksBeforeReplacing() {
        OpenedWindow harness([](SettingsRecord& settings) { FillEntries(settings, 5); });
        const std::vector<DirectoryRecord> before(harness.data.Settings.CHMMSID.begin(),
                                                  harness.data.Settings.CHMMSID.begin() + 5);
        QTableView* grid = ShowGrid(harness, "SM");
        ClickCell(grid, 1, 1);
        QApplication::clipboard()->setText("Memory ID\tStation Name\tMMSI\r\n"
                                           "6\tEIDER\t244123456\r\n7\tTERN\t244123457\r\n");
        QTest::keySequence(grid, QKeySequence::Paste);
        QVERIFY2(harness.shown.isEmpty(), qPrintable(harness.LastShown()));
        QCOMPARE(harness.data.Settings.CHMMSID[6].TagName, std::string("TERN"));
        QCOMPARE(harness.data.Settings.CHMMSID[1], before[1]);
        QCOMPARE(grid->selectionModel()->selectedRows().size(), 2);

        ClickCell(grid, 1, 1);
        QApplication::clipboard()->setText("ALPHA\t366000001\nBRAVO\t366000002\n");
        for (const auto answer : {QMessageBox::No, QMessageBox::Yes}) {
            harness.answers << answer;
            QTest::keySequence(grid, QKeySequence::Paste);
            QCOMPARE(harness.LastShown(), QString("Paste|Replace 2 filled entries?"));
            QCOMPARE(harness.data.Settings.CHMMSID[2].TagName,
                     std::string(answer == QMessageBox::Yes ? "BRAVO" : "SHIP3"));
        }
        QCOMPARE(harness.shown.size(), 2);
        QCOMPARE(Cell(grid, 1, 2), QString("366000001"));
        QCOMPARE(harness.window->Menus().EditUndo->text(),
                 QString("&Undo Paste 2 directory entries"));
        harness.window->Menus().EditUndo->trigger();
        QVERIFY(std::equal(before.begin(), before.end(), harness.data.Settings.CHMMSID.begin()));

        QApplication::clipboard()->setText("Name\tMMSI\nOSPREY\t244123458\n");
        QTest::keySequence(grid, QKeySequence::Paste);
        QCOMPARE(harness.LastShown(), QString("Paste|Nothing was pasted: the columns fit no list; "
                                              "the Individual Directory takes Memory ID, Station "
                                              "Name, MMSI."));
        QCOMPARE(harness.shown.size(), 3);
    }

    // Enter and F3 go on from the node found, Shift+F3 goes back, round the tree's end with a
    // note; an entry is selected in its directory.
    void findGoesOnFromTheNodeShown() {
        OpenedWindow harness([](SettingsRecord& settings) { FillEntries(settings, 3); });
        QTest::keySequence(harness.Tree(), QKeySequence::Find);
        auto* find = harness.Find<QLineEdit>("txtFind");
        QTest::keyClicks(find, "16");
        const auto keyPrefix = [&harness] {
            return harness.window->Editor()->CurrentKey().substr(0, 2);
        };
        QTest::keyClick(find, Qt::Key_Return);
        QCOMPARE(keyPrefix(), std::string("PU"));
        QTest::keyClick(find, Qt::Key_Return);
        QCOMPARE(keyPrefix(), std::string("PI"));
        QTest::keyClick(find, Qt::Key_F3);
        QCOMPARE(harness.window->Editor()->CurrentKey(), std::string("E16"));
        QTest::keyClick(find, Qt::Key_F3);
        QCOMPARE(keyPrefix(), std::string("PU"));
        QCOMPARE(harness.window->statusBar()->currentMessage(),
                 QString("Find went on from the top of the tree"));
        QTest::keyClick(find, Qt::Key_F3, Qt::ShiftModifier);
        QCOMPARE(harness.window->Editor()->CurrentKey(), std::string("E16"));
        QCOMPARE(harness.window->statusBar()->currentMessage(),
                 QString("Find went on from the bottom of the tree"));

        find->setText("366123452");
        QTest::keyClick(find, Qt::Key_Return);
        QCOMPARE(harness.window->Editor()->CurrentKey(), std::string("SM"));
        QCOMPARE(harness.Find<QTableView>("MSFlexGrid2")->currentIndex().row(), 2);
    }
};

QTEST_MAIN(GridEditingTest)
#include "GridEditingTest.moc"
