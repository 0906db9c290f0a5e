#include "MainWindowHarness.h"
#include "link/Transfer.h"
#include "model/Decoder.h"
#include "model/Encoder.h"
#include "platform/UserDataFolder.h"
#include "program/ReadBackups.h"

#include <QCheckBox>
#include <QLabel>
#include <QProgressBar>
#include <QTemporaryDir>
#include <QTreeWidgetItemIterator>
#include <QtTest>

using namespace tq58;
using namespace tq58::test;

namespace {

bool TreeHas(QTreeWidget* tree, const QString& key) {
    for (QTreeWidgetItemIterator it(tree); *it; ++it) {
        if ((*it)->data(0, Qt::UserRole).toString() == key) {
            return true;
        }
    }
    return false;
}

} // namespace

// The real main window with an RV7700A in the simulated radio at the end of its transfer
// lines. Every message box is recorded with the fill of the progress bar at that moment.
class TransferDialogTest : public QObject {
    Q_OBJECT

    struct Rig {
        Rig() {
            harness.ConnectRadio(radio, clock);
            harness.window->Prompts().AnswerWith([this](const MessageRequest& request) {
                boxes << request;
                harness.shown << request.Title + "|" + request.Text;
                if (auto* bar = InDialog<QProgressBar>("pictProgress")) {
                    fillAtBox << bar->value();
                }
                return harness.answers.isEmpty() ? QMessageBox::Ok : harness.answers.dequeue();
            });
        }

        // Opens the dialog with the menu command, runs beforeOk, presses OK, runs whileBusy on
        // every pass of the window's events during the transfer, then leaves the dialog with
        // Cancel if it is still open. True when the dialog stayed open after OK.
        bool Run(QAction* command, std::function<void()> whileBusy = {},
                 std::function<void()> beforeOk = {}) {
            bool stayedOpen = false;
            QTimer::singleShot(0, [&] {
                QTimer during;
                if (whileBusy) {
                    connect(&during, &QTimer::timeout, whileBusy);
                    during.start(0);
                }
                QWidget* dialog = QApplication::activeModalWidget();
                if (beforeOk) {
                    beforeOk();
                }
                ClickInDialog("cmdOK");
                during.stop();
                stayedOpen = QApplication::activeModalWidget() == dialog && dialog->isVisible();
                if (stayedOpen) {
                    QVERIFY(InDialog<QPushButton>("cmdOK")->isEnabled());
                    ClickInDialog("cmdCancel");
                }
            });
            command->trigger();
            return stayedOpen;
        }

        // Whether the dialog of the command shows its verify box, and checked.
        std::pair<bool, bool> VerifyBox(QAction* command) {
            std::pair<bool, bool> box;
            QTimer::singleShot(0, [&] {
                box = {InDialog<QCheckBox>("chkVerify")->isVisible(),
                       InDialog<QCheckBox>("chkVerify")->isChecked()};
                ClickInDialog("cmdCancel");
            });
            command->trigger();
            return box;
        }

        QAction* Read() const { return harness.window->Menus().TransferRead; }
        QAction* Program() const { return harness.window->Menus().TransferProgram; }

        MainWindowHarness harness;
        VirtualClock clock;
        SimRadio radio{7700};
        QList<MessageRequest> boxes;
        QList<int> fillAtBox;
    };

private slots:
    // Backups of reads go to the test's own data folder.
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    // A radio of the other offered model: the window offers its model and reads again.
    void aRadioOfAnotherModelOffersTheSwitch() {
        Rig rig;
        QVERIFY(rig.harness.Start("1"));
        rig.harness.answers << QMessageBox::Ok << QMessageBox::Yes;
        int dialogsRun = 0;
        bool clicking = false;
        QTimer driver;
        connect(&driver, &QTimer::timeout, [&] {
            QWidget* dialog = QApplication::activeModalWidget();
            if (clicking || !dialog || dialog->objectName() != "frmRadio") {
                return;
            }
            clicking = true;
            ++dialogsRun;
            ClickInDialog("cmdOK");
            if (dialog->isVisible()) {
                ClickInDialog("cmdCancel");
            }
            clicking = false;
        });
        driver.start(5);
        rig.Read()->trigger();
        driver.stop();
        QCOMPARE(dialogsRun, 2);
        QCOMPARE(rig.harness.shown[1],
                 rig.harness.window->ProgramTitle().replace("RV7700A", "RV7200A") +
                     "|ModelType Error !!\n\nThis radio is an RV7700A; TQ58 is set to the RV7200A."
                     "\nSwitch to the RV7700A and read it again?");
        QCOMPARE(rig.harness.window->Model().ModelType, 2);
        QCOMPARE(rig.harness.LastShown(), QString("Read from Radio|Complete!!"));
    }

    // The radio holds the window's own data with the EXP group switched the other way, so
    // that a read shows in the tree. Closing the dialog by its frame or by Escape while the
    // data moves changes nothing.
    void readFillsTheBarAndRebuildsTheTree() {
        Rig rig;
        QVERIFY(rig.harness.Start("2"));
        RadioData radioData = rig.harness.data;
        bool& exp = radioData.Settings.UsableChGroup[GroupExp].Enable;
        exp = !exp;
        (void)EncodeImage(radioData, rig.harness.window->Model());
        MergeReadImage(radioData.MemoryImage, rig.radio.Memory);
        QVERIFY(rig.harness.SelectNode("Common"));
        QTemporaryDir folder;
        rig.harness.SaveAs(folder.filePath("boat.dat"));
        rig.harness.window->SetDataChanged(true);
        rig.harness.answers << QMessageBox::No;
        const std::size_t backups = ListBackups(BackupsFolder(), "RV7700A").size();

        int closeAttempts = 0;
        const bool stayedOpen = rig.Run(rig.Read(), [&] {
            if (rig.radio.Count("#TQPRD") > 100 && closeAttempts++ == 0) {
                QWidget* dialog = QApplication::activeModalWidget();
                QVERIFY(!dialog->close());
                QTest::keyClick(dialog, Qt::Key_Escape);
                QVERIFY(dialog->isVisible());
            }
        });

        QVERIFY(!stayedOpen && closeAttempts > 0);
        QCOMPARE(rig.harness.shown.size(), 2);
        QVERIFY(rig.harness.shown[0].endsWith("Do you want to save changes?"));
        QCOMPARE(rig.harness.shown[1], QString("Read from Radio|Complete!!"));
        QCOMPARE(rig.boxes.back().Icon, QMessageBox::Information);
        QCOMPARE(rig.fillAtBox, QList<int>{100});
        QVERIFY(rig.harness.data.Settings == radioData.Settings);
        QCOMPARE(TreeHas(rig.harness.Tree(), "ExpChannel"), exp);
        QCOMPARE(rig.harness.window->Editor()->CurrentKey(), std::string("General"));
        // The next Save asks for a name: the radio's data never goes over the old file.
        QVERIFY(!rig.harness.window->DataChanged() &&
                rig.harness.window->CurrentFileName().empty());
        const std::vector<std::string> kept = ListBackups(BackupsFolder(), "RV7700A");
        QCOMPARE(kept.size(), std::min(backups + 1, BackupsKeptPerModel));
        const Image& memory = rig.radio.Memory;
        QCOMPARE(
            FileBytes(QString::fromStdString(kept.back())),
            QByteArray(reinterpret_cast<const char*>(memory.data()), qsizetype(memory.size())));
    }

    void programWritesWhatTheRadioThenHolds() {
        Rig rig;
        QVERIFY(rig.harness.Start("2"));
        rig.harness.data.Settings.CHMMSID[0] = {true, "BUDDY", "3661234560"};

        QVERIFY(!rig.Run(rig.Program()));

        QCOMPARE(rig.harness.shown, QStringList{"Program to Radio|Complete!!"});
        RadioData back = rig.harness.data;
        MergeReadImage(rig.radio.Memory, back.MemoryImage);
        DecodeImage(back, rig.harness.window->Model());
        QCOMPARE(back.Settings.CHMMSID[0], rig.harness.data.Settings.CHMMSID[0]);
    }

    // The verify box is remembered per user and offered for programming only; a flipped bit
    // that the radio acknowledged fails the operation and the dialog stays open.
    void verifyFindsWhatTheRadioStoredWrongly() {
        Rig rig;
        QVERIFY(rig.harness.Start("2"));
        rig.radio.Faults.CorruptWriteAt = 0x0E00;
        QCOMPARE(rig.VerifyBox(rig.Program()), std::make_pair(true, false));
        QVERIFY(rig.Run(rig.Program(), {}, [] {
            auto* verify = InDialog<QCheckBox>("chkVerify");
            QTest::mouseClick(verify, Qt::LeftButton, {}, QPoint(4, verify->height() / 2));
        }));
        QCOMPARE(rig.harness.shown.size(), 1);
        QVERIFY(rig.harness.LastShown().startsWith(
            "Program to Radio|Verify Error!! first difference at address 0x0E00"));
        QCOMPARE(rig.boxes.front().Icon, QMessageBox::Critical);
        QCOMPARE(rig.harness.store.Read("Settings", "verifyafterprogram", ""), std::string("True"));
        QCOMPARE(rig.VerifyBox(rig.Program()), std::make_pair(true, true));
        QVERIFY(!rig.VerifyBox(rig.Read()).first);
    }

    void cancelDuringTheDataPhaseKeepsDataAndDialog() {
        Rig rig;
        QVERIFY(rig.harness.Start("2"));
        rig.radio.Memory[2000] ^= 0xFF;
        const RadioData before = rig.harness.data;

        bool cancelled = false;
        const bool stayedOpen = rig.Run(rig.Read(), [&] {
            if (rig.radio.Count("#TQPRD") >= 200 && !cancelled) {
                cancelled = true;
                ClickInDialog("cmdCancel");
            }
        });

        QVERIFY(stayedOpen);
        QVERIFY(rig.harness.shown.isEmpty());
        QCOMPARE(rig.radio.CancelBytes(), 1);
        QVERIFY(rig.harness.data.MemoryImage == before.MemoryImage);
        QVERIFY(rig.harness.data.Settings == before.Settings);
    }

    void busyRadioOffersRetry_data() {
        QTest::addColumn<QMessageBox::StandardButton>("answer");
        QTest::addColumn<QString>("after");
        QTest::newRow("retry") << QMessageBox::Retry << "Read from Radio|Complete!!";
        QTest::newRow("cancel") << QMessageBox::Cancel << "Read from Radio|Radio not ready!!";
    }

    void busyRadioOffersRetry() {
        QFETCH(QMessageBox::StandardButton, answer);
        QFETCH(QString, after);
        Rig rig;
        QVERIFY(rig.harness.Start("2"));
        rig.radio.Faults.BusyReplies = 1;
        rig.harness.answers << answer;

        QCOMPARE(rig.Run(rig.Read()), answer == QMessageBox::Cancel);

        QCOMPARE(rig.harness.shown, QStringList({"Read from Radio|Radio is busy!!", after}));
        const MessageRequest& busy = rig.boxes.front();
        QCOMPARE(busy.Icon, QMessageBox::Warning);
        QCOMPARE(busy.Buttons, QMessageBox::Retry | QMessageBox::Cancel);
        QCOMPARE(busy.DefaultButton, QMessageBox::Cancel);
    }

    // A radio that never acknowledges: the status line says what the start waits for, and
    // the failure says what to check; the dialog stays open for another try.
    void silentRadioIsReportedInPlainWords() {
        Rig rig;
        QVERIFY(rig.harness.Start("2"));
        rig.radio.Faults.RadioSilent = true;
        QStringList phases;

        QVERIFY(rig.Run(rig.Read(), [&] {
            auto* status = InDialog<QLabel>("lblmon");
            if (status->isVisible() && !phases.contains(status->text())) {
                phases << status->text();
            }
        }));

        QCOMPARE(phases, QStringList({"Connecting to the cable…", "Waiting for the radio (1 of 3)…",
                                      "Waiting for the radio (2 of 3)…",
                                      "Waiting for the radio (3 of 3)…"}));
        QCOMPARE(rig.harness.shown.size(), 1);
        const QString text = rig.harness.shown.front();
        QVERIFY2(text.startsWith("Read from Radio|Communication Error!!\nThe radio on sim did not "
                                 "answer. Check that it is switched on and in clone mode"),
                 qPrintable(text));
        QCOMPARE(rig.boxes.front().Icon, QMessageBox::Critical);
    }

    // The device the user entered for COM2 is not there: the message names it and the way to
    // choose another, and the link start gives up without more boxes.
    void missingDeviceSaysWhatToDo() {
        Rig rig;
        rig.harness.store.Write("ComPath", "Device2", "/nonexistent/ttyUSB9");
        rig.harness.window->SetTransferLines(SerialTransferLines(rig.harness.store));
        QVERIFY(rig.harness.Start());
        const RadioData before = rig.harness.data;

        QVERIFY(rig.Run(rig.Read()));

        QCOMPARE(rig.harness.shown.size(), 1);
        const QString text = rig.harness.shown.front();
        QVERIFY2(text.startsWith("Read from Radio|The serial port device /nonexistent/ttyUSB9 "
                                 "(COM2) does not exist"),
                 qPrintable(text));
        QVERIFY(text.contains("Options > \"Port devices...\""));
        QVERIFY(rig.harness.data.MemoryImage == before.MemoryImage);
    }
};

QTEST_MAIN(TransferDialogTest)
#include "TransferDialogTest.moc"
