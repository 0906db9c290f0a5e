#include "gui/transfer/TransferDialog.h"

#include "../support/TestModels.h"
#include "MainWindowHarness.h"
#include "model/Decoder.h"
#include "model/Encoder.h"
#include "platform/UserDataFolder.h"
#include "program/ReadBackups.h"
#include "report/SettingsComparison.h"

#include <QCheckBox>
#include <QLabel>
#include <QProgressBar>
#include <QTemporaryDir>
#include <QtTest>

using namespace tq58;
using namespace tq58::test;

namespace {

// The radio holds data whose EXP group is switched the other way than in data.
RadioData OtherExpGroup(RadioData data, const ModelState& model, SimRadio& radio) {
    bool& exp = data.Settings.UsableChGroup[GroupExp].Enable;
    exp = !exp;
    (void)EncodeImage(data, model);
    MergeReadImage(data.MemoryImage, radio.Memory);
    return data;
}

} // namespace

// The dialog on a window of its own, with new RV7700A data, settings in memory and the
// simulated radio at the end of its line. Every message box is recorded with the fill of the
// progress bar at that moment.
class TransferDialogTest : public QObject {
    Q_OBJECT

    struct Rig : TransferHost {
        Rig() {
            prompts.AnswerWith([this](const MessageRequest& request) {
                boxes << request;
                shown << request.Title + "|" + request.Text;
                if (auto* bar = InDialog<QProgressBar>("pictProgress")) {
                    fillAtBox << bar->value();
                }
                return answers.isEmpty() ? QMessageBox::Ok : answers.dequeue();
            });
        }

        QWidget* DialogParent() override { return &window; }
        RadioData& Data() override { return data; }
        const ModelState& Model() const override { return model; }
        Messages& Prompts() override { return prompts; }
        const StartOptions& Options() const override { return options; }
        SettingsStore& Store() override { return store; }
        const std::string& ProgramFolder() const override { return folder; }
        void LogError(const std::string&, const std::string&) override {}

        TransferLine SimLine() {
            return {std::make_unique<SimPort>(radio, clock), "sim",
                    std::make_shared<VirtualLinkClock>(clock)};
        }

        // Opens the dialog, runs beforeOk, presses OK, runs whileBusy on every pass of the
        // window's events during the transfer, then leaves the dialog with Cancel if it is
        // still open. True when the dialog stayed open after OK.
        bool Run(TransferOperation operation, std::function<void()> whileBusy = {},
                 std::function<void()> beforeOk = {}) {
            TransferDialog dialog(*this, operation, line ? std::move(*line) : SimLine());
            bool stayedOpen = false;
            QTimer::singleShot(0, [&] {
                QTimer during;
                if (whileBusy) {
                    connect(&during, &QTimer::timeout, whileBusy);
                    during.start(0);
                }
                if (beforeOk) {
                    beforeOk();
                }
                ClickInDialog("cmdOK");
                during.stop();
                stayedOpen = dialog.isVisible();
                if (stayedOpen) {
                    QVERIFY(InDialog<QPushButton>("cmdOK")->isEnabled());
                    ClickInDialog("cmdCancel");
                }
            });
            dialog.exec();
            return stayedOpen;
        }

        // Whether the dialog of the operation shows its verify box, and checked.
        std::pair<bool, bool> VerifyBox(TransferOperation operation) {
            TransferDialog dialog(*this, operation, SimLine());
            const auto* verify = dialog.findChild<QCheckBox*>("chkVerify");
            return {verify->isVisibleTo(&dialog), verify->isChecked()};
        }

        QWidget window;
        ModelState model = Rv7700A();
        RadioData data = NewRadioData(model);
        Messages prompts{&window};
        MemorySettingsStore store;
        StartOptions options;
        std::string folder = QDir::currentPath().toStdString();
        std::optional<TransferLine> line; // the next dialog's line instead of the radio's
        VirtualClock clock;
        SimRadio radio{7700};
        QStringList shown; // "title|text" of every box, in order
        QList<MessageRequest> boxes;
        QList<int> fillAtBox;
        QQueue<QMessageBox::StandardButton> answers;
    };

private slots:
    // Backups of reads go to the test's own data folder.
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    // Closing the dialog by its frame or by Escape while the data moves changes nothing; the
    // read is kept as a backup, as the radio gave it.
    void readFillsTheBarAndKeepsABackup() {
        Rig rig;
        const RadioData radioData = OtherExpGroup(rig.data, rig.model, rig.radio);
        const std::size_t backups = ListBackups(BackupsFolder(), "RV7700A").size();

        int closeAttempts = 0;
        const bool stayedOpen = rig.Run(TransferOperation::ReadFromRadio, [&] {
            if (rig.radio.Count("#TQPRD") > 100 && closeAttempts++ == 0) {
                QWidget* dialog = QApplication::activeModalWidget();
                QVERIFY(!dialog->close());
                QTest::keyClick(dialog, Qt::Key_Escape);
                QVERIFY(dialog->isVisible());
            }
        });

        QVERIFY(!stayedOpen && closeAttempts > 0);
        QCOMPARE(rig.shown, QStringList{"Read from Radio|Complete!!"});
        QCOMPARE(rig.boxes.back().Icon, QMessageBox::Information);
        QCOMPARE(rig.fillAtBox, QList<int>{100});
        QVERIFY(rig.data.Settings == radioData.Settings);
        const std::vector<std::string> kept = ListBackups(BackupsFolder(), "RV7700A");
        QCOMPARE(kept.size(), std::min(backups + 1, BackupsKeptPerModel));
        const Image& memory = rig.radio.Memory;
        QCOMPARE(
            FileBytes(QString::fromStdString(kept.back())),
            QByteArray(reinterpret_cast<const char*>(memory.data()), qsizetype(memory.size())));
    }

    void programWritesWhatTheRadioThenHolds() {
        Rig rig;
        rig.data.Settings.CHMMSID[0] = {true, "BUDDY", "3661234560"};

        QVERIFY(!rig.Run(TransferOperation::ProgramToRadio));

        QCOMPARE(rig.shown, QStringList{"Program to Radio|Complete!!"});
        QCOMPARE(rig.fillAtBox, QList<int>{100});
        RadioData back = rig.data;
        MergeReadImage(rig.radio.Memory, back.MemoryImage);
        DecodeImage(back, rig.model);
        QCOMPARE(back.Settings.CHMMSID[0], rig.data.Settings.CHMMSID[0]);
    }

    // The verify box is remembered per user and offered for programming only; a flipped bit
    // that the radio acknowledged fails the operation and the dialog stays open.
    void verifyFindsWhatTheRadioStoredWrongly() {
        Rig rig;
        rig.radio.Faults.CorruptWriteAt = 0x0E00;
        QCOMPARE(rig.VerifyBox(TransferOperation::ProgramToRadio), std::make_pair(true, false));
        QVERIFY(rig.Run(TransferOperation::ProgramToRadio, {}, [] {
            auto* verify = InDialog<QCheckBox>("chkVerify");
            QTest::mouseClick(verify, Qt::LeftButton, {}, QPoint(4, verify->height() / 2));
        }));
        QCOMPARE(rig.shown.size(), 1);
        QVERIFY(rig.shown.front().startsWith(
            "Program to Radio|Verify Error!! first difference at address 0x0E00"));
        QCOMPARE(rig.boxes.front().Icon, QMessageBox::Critical);
        QCOMPARE(rig.store.Read("Settings", "verifyafterprogram", ""), std::string("True"));
        QCOMPARE(rig.VerifyBox(TransferOperation::ProgramToRadio), std::make_pair(true, true));
        QVERIFY(!rig.VerifyBox(TransferOperation::ReadFromRadio).first);
    }

    void cancelDuringTheDataPhaseKeepsDataAndDialog() {
        Rig rig;
        rig.radio.Memory[2000] ^= 0xFF;
        const RadioData before = rig.data;

        bool cancelled = false;
        const bool stayedOpen = rig.Run(TransferOperation::ReadFromRadio, [&] {
            if (rig.radio.Count("#TQPRD") >= 200 && !cancelled) {
                cancelled = true;
                ClickInDialog("cmdCancel");
            }
        });

        QVERIFY(stayedOpen);
        QVERIFY(rig.shown.isEmpty());
        QCOMPARE(rig.radio.CancelBytes(), 1);
        QVERIFY(rig.data.MemoryImage == before.MemoryImage);
        QVERIFY(rig.data.Settings == before.Settings);
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
        rig.radio.Faults.BusyReplies = 1;
        rig.answers << answer;

        QCOMPARE(rig.Run(TransferOperation::ReadFromRadio), answer == QMessageBox::Cancel);

        QCOMPARE(rig.shown, QStringList({"Read from Radio|Radio is busy!!", after}));
        const MessageRequest& busy = rig.boxes.front();
        QCOMPARE(busy.Icon, QMessageBox::Warning);
        QCOMPARE(busy.Buttons, QMessageBox::Retry | QMessageBox::Cancel);
        QCOMPARE(busy.DefaultButton, QMessageBox::Cancel);
    }

    // A radio that never acknowledges: the status line says what the start waits for, and
    // the failure says what to check; the dialog stays open for another try.
    void silentRadioIsReportedInPlainWords() {
        Rig rig;
        rig.radio.Faults.RadioSilent = true;
        QStringList phases;

        QVERIFY(rig.Run(TransferOperation::ReadFromRadio, [&] {
            auto* status = InDialog<QLabel>("lblmon");
            if (status->isVisible() && !phases.contains(status->text())) {
                phases << status->text();
            }
        }));

        QCOMPARE(phases, QStringList({"Connecting to the cable…", "Waiting for the radio (1 of 3)…",
                                      "Waiting for the radio (2 of 3)…",
                                      "Waiting for the radio (3 of 3)…"}));
        QCOMPARE(rig.shown.size(), 1);
        const QString text = rig.shown.front();
        QVERIFY2(text.startsWith("Read from Radio|Communication Error!!\nThe radio on sim did not "
                                 "answer. Check that it is switched on and in clone mode"),
                 qPrintable(text));
        QCOMPARE(rig.boxes.front().Icon, QMessageBox::Critical);
    }

    // The device the user entered for COM2 is not there: the message names it and the way to
    // choose another, and the link start gives up without more boxes.
    void missingDeviceSaysWhatToDo() {
        Rig rig;
        rig.store.Write("ComPath", "Device2", "/nonexistent/ttyUSB9");
        rig.line = SerialTransferLines(rig.store)(2);
        const RadioData before = rig.data;

        QVERIFY(rig.Run(TransferOperation::ReadFromRadio));

        QCOMPARE(rig.shown.size(), 1);
        const QString text = rig.shown.front();
        QVERIFY2(text.startsWith("Read from Radio|The serial port device /nonexistent/ttyUSB9 "
                                 "(COM2) does not exist"),
                 qPrintable(text));
        QVERIFY(text.contains("Options > \"Port devices...\""));
        QVERIFY(rig.data.MemoryImage == before.MemoryImage);
    }

    // Through the main window: a read asks to save changed data first and rebuilds the tree;
    // the next Save asks for a name, so the radio's data never goes over the old file.
    void windowReadRebuildsTheTree() {
        MainWindowHarness harness;
        VirtualClock clock;
        SimRadio radio{7700};
        harness.ConnectRadio(radio, clock);
        QVERIFY(harness.Start("2"));
        const RadioData radioData = OtherExpGroup(harness.data, harness.window->Model(), radio);
        radio.Memory[0x002B] = 0x7C; // offset time +14:00
        radio.Memory[0x0040] = 9;    // weather alert beyond its list
        QVERIFY(harness.SelectNode("Common"));
        QTemporaryDir folder;
        harness.SaveAs(folder.filePath("boat.dat"));
        harness.window->SetDataChanged(true);
        harness.answers << QMessageBox::No;
        QTimer::singleShot(0, [] { ClickInDialog("cmdOK"); });

        harness.window->Menus().TransferRead->trigger();

        // Values the window does not offer are told once, counted.
        const auto unoffered = UnofferedSettings(harness.data, harness.window->Model()).size();
        QVERIFY(unoffered >= 2);
        QCOMPARE(harness.shown.size(), 3);
        QVERIFY(harness.shown[0].endsWith("Do you want to save changes?"));
        QCOMPARE(harness.shown[2], harness.window->ProgramTitle() + "|" +
                                       QString("%1 settings hold values TQ58 does not offer; they "
                                               "are kept unless you change them")
                                           .arg(unoffered));
        QCOMPARE(harness.window->Editor()->CurrentKey(), std::string("General"));
        QCOMPARE(harness.SelectNode("ExpChannel"),
                 radioData.Settings.UsableChGroup[GroupExp].Enable);
        QVERIFY(!harness.window->DataChanged() && harness.window->CurrentFileName().empty());
    }

    // A radio of the other offered model: the window offers its model at once and reads again.
    void windowOffersTheRadiosModel() {
        MainWindowHarness harness;
        VirtualClock clock;
        SimRadio radio{7700};
        harness.ConnectRadio(radio, clock);
        QVERIFY(harness.Start("1"));
        harness.answers << QMessageBox::Yes;
        int dialogsRun = 0;
        int leftOpen = 0;
        QTimer driver;
        connect(&driver, &QTimer::timeout, [&] {
            QWidget* dialog = QApplication::activeModalWidget();
            if (!dialog || dialog->objectName() != "frmRadio" || !driver.isActive()) {
                return;
            }
            driver.stop();
            ++dialogsRun;
            ClickInDialog("cmdOK");
            if (dialog->isVisible()) {
                ++leftOpen;
                ClickInDialog("cmdCancel");
            }
            driver.start(5);
        });
        driver.start(5);
        harness.window->Menus().TransferRead->trigger();
        driver.stop();
        QCOMPARE(dialogsRun, 2);
        QCOMPARE(leftOpen, 0);
        QCOMPARE(harness.shown[0],
                 harness.window->ProgramTitle().replace("RV7700A", "RV7200A") +
                     "|ModelType Error !!\n\nThis radio is an RV7700A; TQ58 is set to the RV7200A."
                     "\nSwitch to the RV7700A and read it again?");
        QCOMPARE(harness.window->Model().ModelType, 2);
        QCOMPARE(harness.shown[harness.shown.size() - 2], QString("Read from Radio|Complete!!"));
    }
};

QTEST_MAIN(TransferDialogTest)
#include "TransferDialogTest.moc"
