#include "gui/report/ReportWindow.h"

#include "../support/TestModels.h"
#include "MainWindowHarness.h"
#include "files/SettingsFile.h"
#include "gui/report/ReportPrinting.h"

#include <QDateTime>
#include <QPlainTextEdit>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

using namespace tq58;
using namespace tq58::test;

namespace {

// Standard output of a program in the program folder, which the tests run in.
QByteArray Output(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished();
    return process.exitCode() == 0 ? process.readAllStandardOutput() : QByteArray();
}

// New RV7700A data as the window holds it after it was saved as "boat.dat"; message boxes and
// file dialogs are answered from scripts.
struct Host : ReportHost {
    Host() {
        prompts.AnswerWith([this](const MessageRequest& request) {
            shown << request.Title + "|" + request.Text;
            return QMessageBox::Ok;
        });
        files.AnswerWith([this](const FileRequest&) {
            return fileAnswers.isEmpty() ? QString() : fileAnswers.dequeue();
        });
    }

    QWidget* DialogParent() override { return &window; }
    RadioData& Data() override { return data; }
    const ModelState& Model() const override { return model; }
    Messages& Prompts() override { return prompts; }
    FileChooser& Files() override { return files; }
    QString ProgramTitle() const override { return "PC Program for RV7700A"; }
    QString DataOrigin() const override { return "boat.dat"; }

    QWidget window;
    ModelState model = Rv7700A();
    RadioData data = NewRadioData(model);
    MemorySettingsStore store;
    Messages prompts{&window};
    FileChooser files{&window, store};
    QStringList shown;           // "title|text" of every box, in order
    QQueue<QString> fileAnswers; // the next file dialogs' answers
};

} // namespace

// The report window and the printed report of new RV7700A data.
class ReportWindowTest : public QObject {
    Q_OBJECT

    QTemporaryDir folder_;

private slots:
    // A save into a missing folder is reported and leaves the window open and working.
    void savedReportIsTheCommandLineReport() {
        Host host;
        const QString data = folder_.filePath("new.dat");
        QVERIFY(SaveFileAs(data.toStdString(), host.data.Settings, host.model, {}).Ok);
        host.fileAnswers << folder_.filePath("no-folder/report.txt")
                         << folder_.filePath("report.txt");
        ReportWindow window(host);
        QString placeholder;
        QStringList shownAfterFailure;
        QTimer::singleShot(0, [&] {
            auto* text = InDialog<QPlainTextEdit>("txtPrn");
            placeholder = text->toPlainText();
            QTRY_VERIFY(text->window()->isEnabled() && text->toPlainText() != placeholder);
            QVERIFY(text->isReadOnly());
            const QFontMetrics metrics(text->font());
            QCOMPARE(metrics.horizontalAdvance('i'), metrics.horizontalAdvance('W'));
            InDialog<QAction>("mnuFileSave")->trigger();
            shownAfterFailure = host.shown;
            QVERIFY(text->window()->isVisible() && text->window()->isEnabled());
            InDialog<QAction>("mnuFileSave")->trigger();
            ClickInDialog("cmdOK");
        });
        window.exec();

        QCOMPARE(placeholder, QString("Now, making text image. Please wait..."));
        QCOMPARE(shownAfterFailure.size(), 1);
        QVERIFY(shownAfterFailure.front().startsWith("PC Program for RV7700A|"));
        QVERIFY(!QFile::exists(folder_.filePath("no-folder")));
        const QByteArray expected = Output("./tq58-cli", {"report", data});
        QVERIFY(expected.size() > 1000);
        QCOMPARE(FileBytes(folder_.filePath("report.txt")), expected);
        QCOMPARE(host.shown.size(), 1);
    }

    // Sections 1 to 7 fill the first two A4 pages; each table starts a page of its own, and
    // only the 80 entries of the individual directory need a second one. Every page ends with
    // where the data came from, the time of the export and its number.
    void pdfHoldsEveryPageWithItsHeaderAndFooter() {
        Host host;
        const QString pdf = folder_.filePath("report.pdf");
        host.fileAnswers << pdf;

        const QString before = QDateTime::currentDateTime().toString("yyyy-MM-dd HH:mm");
        ExportReportPdf(host);
        const QString after = QDateTime::currentDateTime().toString("yyyy-MM-dd HH:mm");

        QStringList pages =
            QString::fromLatin1(Output("pdftotext", {"-layout", pdf, "-"})).split('\f');
        pages.removeLast();
        QCOMPARE(pages.size(), 10);
        QStringList tables;
        for (int i = 0; i < pages.size(); ++i) {
            const QString& page = pages[i];
            QCOMPARE(page.section('\n', 0, 0).trimmed(), QString("RV7700A Quayline"));
            tables << page.section('\n', 1, 3).simplified();
            const QString footer = page.trimmed().section('\n', -1).simplified();
            QVERIFY2(footer == QString("boat.dat %1 page %2 of 10").arg(before).arg(i + 1) ||
                         footer == QString("boat.dat %1 page %2 of 10").arg(after).arg(i + 1),
                     qPrintable(footer));
        }
        QVERIFY(pages.front().contains("##### Usable CH Group Setup #####"));
        for (const char* table : {"USA", "International", "Canada", "WX", "EXP"}) {
            QVERIFY2(tables.contains(QString("##### Programable %1 Channel #####").arg(table)),
                     table);
        }
        QVERIFY(tables.contains("##### Memory ID #####") &&
                tables.contains("##### Group ID #####"));
    }
};

QTEST_MAIN(ReportWindowTest)
#include "ReportWindowTest.moc"
