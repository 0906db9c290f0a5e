#include "MainWindowHarness.h"

#include <QTabWidget>
#include <QtTest>

using namespace tq58;
using namespace tq58::test;

// The keyboard reaches every control of every page and tab, and comes back to the tree.
class KeyboardTest : public QObject {
    Q_OBJECT

    // Presses the key until the focus is back on the tree; the controls passed on the way.
    static QList<QWidget*> WalkFromTree(MainWindowHarness& harness, Qt::KeyboardModifiers mods) {
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
    static QList<QWidget*> Reachable(QWidget* page) {
        QList<QWidget*> controls;
        for (QWidget* widget : page->findChildren<QWidget*>()) {
            if (widget->isVisible() && widget->isEnabled() && !widget->focusProxy() &&
                (widget->focusPolicy() & Qt::TabFocus) == Qt::TabFocus) {
                controls << widget;
            }
        }
        return controls;
    }

private slots:
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
                             qPrintable(QString("%1 tab %2: %3 not reached")
                                            .arg(key)
                                            .arg(tab)
                                            .arg(control->objectName())));
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
};

QTEST_MAIN(KeyboardTest)
#include "KeyboardTest.moc"
