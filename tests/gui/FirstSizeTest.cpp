#include "MainWindowHarness.h"
#include "gui/editor/RecordGrid.h"
#include "program/UserSettings.h"

#include <QDir>
#include <QLineEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QToolBar>
#include <QTreeWidgetItemIterator>
#include <QtTest>

using namespace tq58;
using namespace tq58::test;

namespace {

const QColor ThemeColour(255, 0, 255);

// An icon theme with a magenta picture for every name that starts as the names of the desktop's
// standard pictures do ("go-up" falls back to "go"), made the application's theme while it
// lives.
class MagentaTheme {
public:
    MagentaTheme() {
        QDir(folder_.path()).mkpath("magenta/24x24/actions");
        QFile index(folder_.filePath("magenta/index.theme"));
        QVERIFY(index.open(QIODevice::WriteOnly));
        index.write("[Icon Theme]\nName=magenta\nDirectories=24x24/actions\n\n"
                    "[24x24/actions]\nSize=24\nType=Scalable\nMinSize=8\nMaxSize=256\n");
        QImage picture(24, 24, QImage::Format_RGB32);
        picture.fill(ThemeColour);
        for (const char* name : {"document", "text", "drive", "view", "go", "edit", "dialog",
                                 "folder", "media", "list", "window", "help", "user"}) {
            QVERIFY(
                picture.save(folder_.filePath(QString("magenta/24x24/actions/%1.png").arg(name))));
        }
        QIcon::setThemeSearchPaths({folder_.path()});
        QIcon::setThemeName("magenta");
    }
    ~MagentaTheme() { QIcon::setThemeName(QString()); }

private:
    QTemporaryDir folder_;
};

bool FromTheme(const QIcon& icon) {
    const QImage drawn = icon.pixmap(24).toImage();
    return !drawn.isNull() &&
           drawn.pixelColor(drawn.width() / 2, drawn.height() / 2) == ThemeColour;
}

} // namespace

// The window's start: its first size on a desktop screen (the offscreen screen is set to
// 1280 x 1024), every page whole and every grid column in view, and its own pictures.
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

    // The tool bar, the tree's warning mark and the find field's clear button draw the program's
    // own pictures: a search of the desktop's icon theme costs thousands of file look-ups at
    // every start when the theme lacks them.
    void picturesComeFromTheProgramNotTheIconTheme() {
        MagentaTheme theme;
        QVERIFY(FromTheme(QIcon::fromTheme("go-up"))); // the theme answers
        MainWindowHarness harness;
        QVERIFY(harness.Start("2"));
        harness.data.Settings.DscBasicSetup.UserMmsi = "036612345"; // a group's: marked
        harness.window->RebuildTree();
        harness.Find<QLineEdit>("txtFind")->setText("16");

        QVERIFY(harness.Find<QAction>("cmdClearFind")->isVisible());
        QList<QAction*> actions = harness.Find<QToolBar>("tbToolBar")->actions();
        actions << harness.Find<QAction>("cmdClearFind");
        QList<QIcon> drawn;
        for (const QAction* action : actions) {
            QVERIFY2(action->isSeparator() || !action->icon().isNull(),
                     qPrintable(action->objectName()));
            drawn << action->icon();
        }
        int marks = 0;
        for (QTreeWidgetItemIterator item(harness.Tree()); *item; ++item) {
            marks += (*item)->icon(0).isNull() ? 0 : 1;
            drawn << (*item)->icon(0);
        }
        QCOMPARE(marks, 1); // the DSC node's
        for (const QIcon& icon : drawn) {
            QVERIFY(!FromTheme(icon));
        }
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
