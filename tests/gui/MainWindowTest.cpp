#include "MainWindowHarness.h"

#include <QtTest>

using namespace tq58;
using tq58::test::MainWindowHarness;

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void startsOnGeneralWithTheRememberedModel() {
        MainWindowHarness harness;
        harness.store.Write("Settings", "lastmodel", "2");
        QVERIFY(harness.Start());
        QCOMPARE(harness.window->windowTitle(), QString("TQ58  PC Program for RV7700A"));
        QCOMPARE(harness.window->Editor()->CurrentKey(), std::string("General"));
        QVERIFY(harness.window->isEnabled());
        QVERIFY(!harness.window->DataChanged());
    }
};

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
