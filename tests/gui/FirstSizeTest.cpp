#include "MainWindowHarness.h"
#include "gui/editor/RecordGrid.h"
#include "program/UserSettings.h"

#include <QLineEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QTemporaryFile>
#include <QtTest>

using namespace tq58;
using namespace tq58::test;

// The window's first size on a desktop screen (the offscreen screen is set to 1280 x 1024):
// every page whole, every grid column in view.
class FirstSizeTest : public QObject {
    Q_OBJECT

    // The scroll area of the page's open tab.
    static QScrollArea* PageScroll(MainWindowHarness& harness, const char* page) {
        for (QScrollArea* area : harness.Find<QWidget>(page)->findChildren<QScrollArea*>()) {
            if (area->isVisible()) {
                return area;
            }
        }
        qFatal("no scroll area shown on %s", page);
    }

private slots:
    void theFirstSizeShowsEveryPageWhole() {
        MainWindowHarness harness;
        harness.data.Settings.UsableChGroup[GroupExp].Enable = true;
        QVERIFY(harness.Start("2"));
        QVERIFY(harness.window->width() > 607 && harness.window->height() > 444);
        harness.data.Settings.UsableChGroup[GroupExp].Enable = true;
        harness.window->RebuildTree();
        for (const char* key : {"PU", "ExpChannel", "SM"}) {
            QVERIFY(harness.SelectNode(key));
            QCoreApplication::processEvents();
            auto* grid = harness.window->findChild<RecordGrid*>(
                key == std::string("SM") ? "MSFlexGrid2" : "MSFlexGrid1");
            QVERIFY2(grid->horizontalScrollBar()->maximum() == 0, key);
            const int last = grid->model()->columnCount() - 1;
            QVERIFY(grid->columnViewportPosition(last) + grid->columnWidth(last) <=
                    grid->viewport()->width());
        }
        QVERIFY(harness.SelectNode("DSC"));
        QCoreApplication::processEvents();
        QCOMPARE(PageScroll(harness, "pictDSC")->verticalScrollBar()->maximum(), 0);
        QCOMPARE(PageScroll(harness, "pictDSC")->horizontalScrollBar()->maximum(), 0);

        // A stored placement wins over the first size.
        MainWindowHarness placed;
        StorePlacement(placed.store, {1500, 1500, 9105, 6660});
        QVERIFY(placed.Start("2"));
        QCOMPARE(placed.window->size(), QSize(607, 444));
    }

    // A page opens at its top; fields the user cannot change look it.
    void pagesOpenAtTheirTopWithReadOnlyFieldsShown() {
        MainWindowHarness harness;
        QVERIFY(harness.Start("2"));
        harness.window->resize(700, 400);
        QVERIFY(harness.SelectNode("DSC"));
        QScrollBar* bar = PageScroll(harness, "pictDSC")->verticalScrollBar();
        QCoreApplication::processEvents();
        QTRY_VERIFY(bar->maximum() > 0);
        bar->setValue(bar->maximum());
        QVERIFY(harness.SelectNode("Common"));
        QVERIFY(harness.SelectNode("DSC"));
        QCOMPARE(bar->value(), 0);

        auto* count = harness.Find<QLineEdit>("txtFCount");
        QCOMPARE(count->palette().color(QPalette::Base), count->palette().color(QPalette::Window));
        QVERIFY(harness.SelectNode("PU0"));
        auto* rx = harness.Find<QLineEdit>("txtCRF");
        QVERIFY(rx->isReadOnly());
        QCOMPARE(rx->palette().color(QPalette::Base), rx->palette().color(QPalette::Window));
    }
};

// A screen of a desktop's size instead of the offscreen platform's 800 x 800.
int main(int argc, char** argv) {
    QTemporaryFile screens;
    if (!screens.open()) {
        return 1;
    }
    screens.write(R"({"screens": [{"name": "desktop", "x": 0, "y": 0, "width": 1280,
                     "height": 1024, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
    screens.flush();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + screens.fileName().toLocal8Bit());
    QApplication app(argc, argv);
    FirstSizeTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "FirstSizeTest.moc"
