#include "MainWindowHarness.h"
#include "files/ImageFile.h"
#include "model/NewData.h"
#include "program/ReadBackups.h"

#include <QAction>
#include <QCheckBox>
#include <QDialog>
#include <QLineEdit>
#include <QMimeData>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QtTest>

using namespace tq58;
using namespace tq58::test;

namespace {

const QString SaveQuestion = "QYL data has changed.\r\nDo you want to save changes?";
const std::string Edited = "EDITED";

std::string& EditedName(MainWindowHarness& harness) {
    return harness.data.Settings.CHUSA[32].ChTag;
}

void MakeChange(MainWindowHarness& harness) {
    EditedName(harness) = Edited;
    harness.window->SetDataChanged(true);
}

void DropFile(MainWindowHarness& harness, const QString& path) {
    QMimeData mime;
    mime.setUrls({QUrl::fromLocalFile(path)});
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(harness.window.get(), &enter);
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(harness.window.get(), &drop);
    QCoreApplication::processEvents();
}

} // namespace

// The window's document: the question before changed data is replaced, the changed state in
// the caption, and what a user's entries and files come to.
class DocumentTest : public QObject {
    Q_OBJECT

    QTemporaryDir folder_;
    QString saved_;
    QString image_;

    // Every command that replaces the data, run as a user runs it; the file dialog that
    // follows the question is answered with a file of the right kind.
    struct Command {
        const char* name;
        std::function<void(MainWindowHarness&)> run;
    };
    QList<Command> ReplacingCommands() const {
        return {
            {"New", [](auto& h) { h.window->Menus().FileNew->trigger(); }},
            {"Open",
             [this](auto& h) {
                 h.fileAnswers << saved_;
                 h.window->Menus().FileOpen->trigger();
             }},
            {"Recent file",
             [this](auto& h) {
                 h.store.Write("RecentFiles", "File1", saved_.toStdString());
                 h.window->Menus().RecentFiles[0]->trigger();
             }},
            {"Drop", [this](auto& h) { DropFile(h, saved_); }},
            {"Open Backup",
             [this](auto& h) {
                 h.fileAnswers << image_;
                 h.window->Menus().FileOpenBackup->trigger();
             }},
            {"Read from Radio", [](auto& h) { h.window->Menus().TransferRead->trigger(); }},
            {"Model", [](auto& h) { h.window->Menus().ModelTypes[0]->trigger(); }},
            {"Destination", [](auto& h) { h.window->Menus().Destinations[0]->trigger(); }},
            {"Image load",
             [this](auto& h) {
                 h.fileAnswers << image_;
                 QTest::keyClick(h.window.get(), Qt::Key_F2, Qt::ControlModifier);
             }},
        };
    }

private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        saved_ = folder_.filePath("saved.dat");
        image_ = folder_.filePath("saved.hex");
        MainWindowHarness writer;
        QVERIFY(writer.Start("2"));
        writer.SaveAs(saved_);
        QVERIFY(SaveHexFileAs(image_.toStdString(), writer.data, writer.window->Model(), {}).Ok);
    }

    // Cancel keeps the data, the file and the model as they were; unchanged data is replaced
    // without a question.
    void everyReplacingCommandAsksFirst() {
        for (const Command& command : ReplacingCommands()) {
            MainWindowHarness harness(StartOptions{true, false, {}});
            QVERIFY(harness.Start("2"));
            MakeChange(harness);
            harness.answers << QMessageBox::Cancel;
            command.run(harness);
            QTest::qWait(700); // New replaces the data after a delay
            QVERIFY2(harness.shown ==
                         QStringList(harness.window->ProgramTitle() + "|" + SaveQuestion),
                     qPrintable(command.name + (": " + harness.shown.join(','))));
            QVERIFY2(EditedName(harness) == Edited, command.name);
            QVERIFY2(harness.window->DataChanged() && harness.Caption().endsWith("*"),
                     command.name);
            QCOMPARE(harness.window->Model().ModelType, 2);
            harness.shown.clear();
            harness.fileAnswers.clear();

            MainWindowHarness unchanged(StartOptions{true, false, {}});
            QVERIFY(unchanged.Start("2"));
            unchanged.answers << QMessageBox::Cancel << QMessageBox::Cancel;
            // The transfer dialog opens at once for unchanged data: it is closed unused.
            QTimer closer;
            connect(&closer, &QTimer::timeout, [] {
                if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                    dialog->reject();
                }
            });
            closer.start(50);
            command.run(unchanged);
            QVERIFY2(unchanged.shown.isEmpty() || !unchanged.shown[0].endsWith(SaveQuestion),
                     command.name);
            unchanged.window->SetDataChanged(false);
        }
    }

    // Yes saves first and goes on only when the save succeeded; No goes on at once.
    void yesSavesAndNoDiscards() {
        MainWindowHarness harness;
        QVERIFY(harness.Start("2"));
        MakeChange(harness);
        harness.answers << QMessageBox::Yes;
        harness.fileAnswers << folder_.filePath("missing/boat.dat") << saved_;
        harness.window->Menus().FileOpen->trigger();
        QVERIFY(harness.LastShown().contains("FileSave Error!!"));
        QCOMPARE(harness.fileAnswers.size(), 1);
        QCOMPARE(EditedName(harness), Edited);

        harness.fileAnswers.clear();
        harness.answers << QMessageBox::Yes;
        harness.fileAnswers << folder_.filePath("boat.dat") << saved_;
        harness.window->Menus().FileOpen->trigger();
        QVERIFY(QFile::exists(folder_.filePath("boat.dat")));
        QVERIFY(EditedName(harness) != Edited);
        QVERIFY(harness.Caption().endsWith(" - saved.dat"));

        MakeChange(harness);
        harness.answers << QMessageBox::No;
        harness.window->Menus().FileOpen->trigger(); // no file chosen: nothing opens
        harness.fileAnswers << saved_;
        harness.answers << QMessageBox::No;
        harness.window->Menus().FileOpen->trigger();
        QVERIFY(EditedName(harness) != Edited && !harness.window->DataChanged());
    }

    // A save quiets the pages' change handlers while it runs and wakes them up afterwards;
    // closing right after it asks nothing.
    void closingRightAfterASaveAsksNothing() {
        MainWindowHarness harness;
        QVERIFY(harness.Start("2"));
        MakeChange(harness);
        QVERIFY(harness.Caption().endsWith("*"));
        harness.window->SetFilePause(20);
        bool quietDuring = false;
        QTimer::singleShot(0, [&] { quietDuring = harness.window->EventsSuspended(); });
        harness.SaveAs(folder_.filePath("closing.dat"));
        QVERIFY(quietDuring && !harness.window->EventsSuspended());
        QVERIFY(!harness.Caption().endsWith("*"));
        QVERIFY(harness.window->close());
        QVERIFY(harness.shown.isEmpty());
        QVERIFY(!harness.store.Read("Settings", "MainWidth", "").empty());
    }

    // A file cut short opens with factory values where its sections are missing, says so,
    // and counts as changed.
    void aTruncatedFileIsFlagged() {
        const QByteArray whole = FileBytes(saved_);
        const QString cut = folder_.filePath("cut.dat");
        QFile file(cut);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(whole.left(whole.indexOf("[CHMMSID1]")));
        file.close();

        MainWindowHarness harness;
        QVERIFY(harness.Start("2"));
        harness.fileAnswers << cut;
        harness.window->Menus().FileOpen->trigger();
        QCOMPARE(harness.shown.size(), 1);
        QVERIFY(harness.LastShown().endsWith(
            "cut.dat\n\nThis file is incomplete: 176 sections are missing (CHMMSID1 to CHMMSID80, "
            "CHGRPID1 to CHGRPID32, CHEXP1 to CHEXP64). Their settings hold factory values; check "
            "them before you save or program."));
        QVERIFY(harness.Caption().endsWith(" - cut.dat*"));
        harness.answers << QMessageBox::Cancel;
        QVERIFY(!harness.window->close());
    }

    // A file of the other offered model names both models and offers to switch.
    void aFileOfAnotherModelOffersTheSwitch() {
        const QString rv7200a = folder_.filePath("rv7200a.dat");
        {
            MainWindowHarness writer;
            QVERIFY(writer.Start("1"));
            writer.SaveAs(rv7200a);
        }
        MainWindowHarness harness;
        QVERIFY(harness.Start("2"));
        const SettingsRecord before = harness.data.Settings;
        harness.answers << QMessageBox::No;
        harness.fileAnswers << rv7200a;
        harness.window->Menus().FileOpen->trigger();
        QCOMPARE(harness.LastShown(), harness.window->ProgramTitle() +
                                          "|ModelType Error !!\n\nThis file is for the RV7200A; "
                                          "TQ58 is set to the RV7700A.\nSwitch to the RV7200A "
                                          "and open it?");
        QVERIFY(harness.data.Settings == before);
        QCOMPARE(harness.window->Model().ModelType, 2);

        harness.answers << QMessageBox::Yes;
        harness.fileAnswers << rv7200a;
        harness.window->Menus().FileOpen->trigger();
        QCOMPARE(harness.window->Model().ModelType, 1);
        QVERIFY(harness.window->Menus().ModelTypes[0]->isChecked());
        QCOMPARE(harness.Caption(), QString("TQ58  PC Program for RV7200A - rv7200a.dat"));
        QCOMPARE(harness.store.Read("Settings", "lastmodel", ""), std::string("1"));
    }

    // Each kind of file starts where the user last took one of its kind, else in the
    // documents folder; the program folder is read-only once installed.
    void fileDialogsStartWhereTheUserWorks() {
        MainWindowHarness harness;
        QVERIFY(harness.Start("2"));
        QStringList folders;
        harness.window->Files().AnswerWith([&](const FileRequest& request) {
            folders << request.Folder;
            return harness.fileAnswers.isEmpty() ? QString() : harness.fileAnswers.dequeue();
        });
        const QString documents =
            QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        harness.fileAnswers << folder_.filePath("exp.csv");
        harness.window->Menus().FileExportCsv[0]->trigger();
        QVERIFY(harness.window->statusBar()->currentMessage().startsWith("64 rows exported"));
        harness.window->Menus().FileImportCsv->trigger();
        harness.window->Menus().FileOpen->trigger();
        QCOMPARE(folders, QStringList({documents, folder_.path(), documents}));
    }
};

QTEST_MAIN(DocumentTest)
#include "DocumentTest.moc"
