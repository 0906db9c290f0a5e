#include "MainWindowHarness.h"
#include "gui/MainMenus.h"

#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

using namespace tq58;
using tq58::test::MainWindowHarness;

namespace {

QByteArray FileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Standard output of a program in the program folder, which the tests run in.
QByteArray Output(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished();
    return process.exitCode() == 0 ? process.readAllStandardOutput() : QByteArray();
}

} // namespace

// The report window and the printed report of new RV7700A data, as the user gets them from
// the File menu.
class ReportWindowTest : public QObject {
    Q_OBJECT

    QTemporaryDir folder_;

    static QWidget* ReportWindow() { return QApplication::activeModalWidget(); }
    static QPlainTextEdit* ReportText() {
        return ReportWindow() ? ReportWindow()->findChild<QPlainTextEdit*>("txtPrn") : nullptr;
    }

    // Waits in the open report window for the report, then saves it under the file answers.
    static void SaveOnceBuilt(QString& placeholder, bool& stayedOpen) {
        placeholder = ReportText()->toPlainText();
        QTRY_VERIFY(ReportWindow()->isEnabled() && ReportText()->toPlainText() != placeholder);
        QVERIFY(ReportText()->isReadOnly());
        const QFontMetrics metrics(ReportText()->font());
        QCOMPARE(metrics.horizontalAdvance('i'), metrics.horizontalAdvance('W'));
        ReportWindow()->findChild<QAction*>("mnuFileSave")->trigger();
        stayedOpen = ReportWindow() && ReportWindow()->objectName() == "frmPrn";
    }

    // Opens the report window from the File menu, saves, and closes it with OK; true when
    // it was still open after the save.
    static bool SaveFromReportWindow(MainWindowHarness& harness, QString& placeholder) {
        bool stayedOpen = false;
        QTimer::singleShot(0, [&] {
            SaveOnceBuilt(placeholder, stayedOpen);
            QTest::mouseClick(ReportWindow()->findChild<QPushButton*>("cmdOK"), Qt::LeftButton);
        });
        harness.window->Menus().FilePrintToFile->trigger();
        return stayedOpen;
    }

private slots:
    void savedReportIsTheCommandLineReport() {
        MainWindowHarness harness;
        harness.store.Write("Settings", "lastmodel", "2");
        QVERIFY(harness.Start());
        const QString data = folder_.filePath("new.dat");
        const QString report = folder_.filePath("report.txt");
        harness.fileAnswers << data << report;
        harness.window->Menus().FileSaveAs->trigger();

        QString placeholder;
        QVERIFY(SaveFromReportWindow(harness, placeholder));

        QCOMPARE(placeholder, QString("Now, making text image. Please wait..."));
        const QByteArray expected = Output("./tq58-cli", {"report", data});
        QVERIFY(expected.size() > 1000);
        QCOMPARE(FileBytes(report), expected);
        QVERIFY(harness.shown.isEmpty());
    }

    void failedSaveKeepsTheWindowOpen() {
        MainWindowHarness harness;
        QVERIFY(harness.Start());
        harness.fileAnswers << folder_.filePath("no-such-folder/report.txt");

        QString placeholder;
        QVERIFY(SaveFromReportWindow(harness, placeholder));

        QCOMPARE(harness.shown.size(), 1);
        QVERIFY(harness.shown.front().startsWith("PC Program for RV7200A|"));
        QVERIFY(!QFile::exists(folder_.filePath("no-such-folder")));
    }

    // Sections 1 to 7 fill the first two A4 pages; each table starts a page of its own, and
    // only the 80 entries of the individual directory need a second one.
    void pdfHoldsEveryPageWithItsHeader() {
        MainWindowHarness harness;
        harness.store.Write("Settings", "lastmodel", "2");
        QVERIFY(harness.Start());
        const QString pdf = folder_.filePath("report.pdf");
        harness.fileAnswers << pdf;

        harness.window->Menus().FileExportPdf->trigger();

        const QStringList pages =
            QString::fromLatin1(Output("pdftotext", {"-layout", pdf, "-"})).split('\f');
        QCOMPARE(pages.size() - 1, 10);
        for (const QString& page : pages.mid(0, pages.size() - 1)) {
            QCOMPARE(page.section('\n', 0, 0).trimmed(), QString("RV7700A Quayline"));
        }
        const QStringList tableTitles{"##### Programable USA Channel #####",
                                      "##### Programable International Channel #####",
                                      "##### Programable Canada Channel #####",
                                      "##### Programable WX Channel #####",
                                      "##### Memory ID #####",
                                      "##### Group ID #####",
                                      "##### Programable EXP Channel #####"};
        QStringList pageOpenings;
        for (const QString& page : pages) {
            pageOpenings << page.section('\n', 1, 3).simplified();
        }
        for (const QString& title : tableTitles) {
            QVERIFY2(pageOpenings.contains(title), qPrintable(title));
        }
        QVERIFY(pages.front().contains("##### Usable CH Group Setup #####"));
    }
};

QTEST_MAIN(ReportWindowTest)
#include "ReportWindowTest.moc"
