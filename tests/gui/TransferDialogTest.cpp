#include "MainWindowHarness.h"
#include "gui/MainMenus.h"
#include "link/Transfer.h"
#include "model/Decoder.h"
#include "model/Encoder.h"
#include "platform/UserDataFolder.h"
#include "program/ReadBackups.h"
#include "sim/SimPort.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidgetItemIterator>
#include <QtTest>

using namespace tq58;
using tq58::test::MainWindowHarness;

namespace {

class VirtualLinkClock : public LinkClock {
public:
    explicit VirtualLinkClock(VirtualClock& clock) : clock_(clock) {}
    std::int64_t Now() override { return clock_.Now(); }
    void WaitUntil(std::int64_t ms) override { clock_.AdvanceTo(ms); }

private:
    VirtualClock& clock_;
};

bool TreeHas(QTreeWidget* tree, const QString& key) {
    for (QTreeWidgetItemIterator it(tree); *it; ++it) {
        if ((*it)->data(0, Qt::UserRole).toString() == key) {
            return true;
        }
    }
    return false;
}

bool SameRange(const Image& a, const Image& b, int first, int end) {
    return std::equal(a.begin() + first, a.begin() + end, b.begin() + first);
}

} // namespace

// The real main window with an RV7700A in the simulated radio at the end of its transfer
// lines; time runs only while the link waits, so a transfer takes a fraction of a second.
// Every message box is recorded with the state of the transfer dialog at that moment.
class TransferDialogTest : public QObject {
    Q_OBJECT

    struct Rig {
        Rig() {
            harness.store.Write("Settings", "lastmodel", "2");
            harness.window->SetTransferLines([this](int) {
                return TransferLine{std::make_unique<SimPort>(radio, clock), "sim",
                                    std::make_shared<VirtualLinkClock>(clock)};
            });
            harness.window->Prompts().AnswerWith([this](const MessageRequest& request) {
                boxes << request;
                harness.shown << request.Title + "|" + request.Text;
                if (auto* fill = Dialog() ? Dialog()->findChild<QLabel*>("lblPercent") : nullptr) {
                    fillAtBox << fill->width() * 100 / fill->parentWidget()->contentsRect().width();
                }
                return harness.answers.isEmpty() ? QMessageBox::Ok : harness.answers.dequeue();
            });
        }

        static QDialog* Dialog() {
            return qobject_cast<QDialog*>(QApplication::activeModalWidget());
        }
        static QPushButton* Button(const char* name) {
            return Dialog() ? Dialog()->findChild<QPushButton*>(name) : nullptr;
        }

        // Opens the dialog with the menu command, presses OK, runs whileBusy on every pass of
        // the window's events during the transfer, then leaves the dialog with Cancel if it
        // is still open. True when the dialog stayed open after OK.
        bool Run(QAction* command, std::function<void()> whileBusy = {}) {
            bool stayedOpen = false;
            QTimer::singleShot(0, [&] {
                QTimer during;
                if (whileBusy) {
                    connect(&during, &QTimer::timeout, whileBusy);
                    during.start(0);
                }
                QDialog* dialog = Dialog();
                QTest::mouseClick(Button("cmdOK"), Qt::LeftButton);
                during.stop();
                stayedOpen = Dialog() == dialog && dialog->isVisible();
                if (stayedOpen) {
                    QVERIFY(Button("cmdOK")->isEnabled());
                    QTest::mouseClick(Button("cmdCancel"), Qt::LeftButton);
                }
            });
            command->trigger();
            return stayedOpen;
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

    // The radio holds the window's own data with the EXP group switched the other way, so
    // that a read shows in the tree. Closing the dialog by its frame or by Escape while the
    // data moves changes nothing.
    void readFillsTheBarAndRebuildsTheTree() {
        Rig rig;
        QVERIFY(rig.harness.Start());
        RadioData radioData = rig.harness.data;
        bool& exp = radioData.Settings.UsableChGroup[GroupExp].Enable;
        exp = !exp;
        (void)EncodeImage(radioData, rig.harness.window->Model());
        MergeReadImage(radioData.MemoryImage, rig.radio.Memory);
        QVERIFY(rig.harness.SelectNode("Common"));
        rig.harness.window->SetDataChanged(true);
        const std::size_t backups = ListBackups(BackupsFolder(), "RV7700A").size();

        int closeAttempts = 0;
        const bool stayedOpen = rig.Run(rig.Read(), [&] {
            if (rig.radio.Count("#TQPRD") > 100 && closeAttempts++ == 0) {
                QDialog* dialog = rig.Dialog();
                QVERIFY(!dialog->close());
                QTest::keyClick(dialog, Qt::Key_Escape);
                QVERIFY(dialog->isVisible());
            }
        });

        QVERIFY(!stayedOpen);
        QVERIFY(closeAttempts > 0);
        QCOMPARE(rig.harness.shown, QStringList{"Read from Radio|Complete!!"});
        QCOMPARE(rig.boxes.front().Icon, QMessageBox::Information);
        QCOMPARE(rig.fillAtBox, QList<int>{100});
        QVERIFY(rig.harness.data.Settings == radioData.Settings);
        QCOMPARE(TreeHas(rig.harness.Tree(), "ExpChannel"), exp);
        QCOMPARE(rig.harness.window->Editor()->CurrentKey(), std::string("General"));
        QVERIFY(!rig.harness.window->DataChanged());
        const std::vector<std::string> kept = ListBackups(BackupsFolder(), "RV7700A");
        QCOMPARE(kept.size(), std::min(backups + 1, BackupsKeptPerModel));
        const QByteArray radioImage(reinterpret_cast<const char*>(rig.radio.Memory.data()),
                                    static_cast<qsizetype>(rig.radio.Memory.size()));
        QFile backup(QString::fromStdString(kept.back()));
        QVERIFY(backup.open(QIODevice::ReadOnly));
        QCOMPARE(backup.readAll(), radioImage);
    }

    void programWritesWhatTheRadioThenHolds() {
        Rig rig;
        QVERIFY(rig.harness.Start());
        rig.harness.data.Settings.DscBasicSetup.UserMmsi = "366123456";
        const Image before = rig.radio.Memory;

        QVERIFY(!rig.Run(rig.Program()));

        QCOMPARE(rig.harness.shown, QStringList{"Program to Radio|Complete!!"});
        const Image& sent = rig.harness.data.MemoryImage;
        QVERIFY(SameRange(sent, rig.radio.Memory, HeaderBytesFirst, RadioAreaFirst));
        QVERIFY(SameRange(sent, rig.radio.Memory, RadioAreaEnd, DscLogFirst));
        QVERIFY(SameRange(before, rig.radio.Memory, 0, HeaderBytesFirst));
        QVERIFY(SameRange(before, rig.radio.Memory, RadioAreaFirst, RadioAreaEnd));
        RadioData back = rig.harness.data;
        MergeReadImage(rig.radio.Memory, back.MemoryImage);
        DecodeImage(back, rig.harness.window->Model());
        QVERIFY(back.Settings.DscBasicSetup.UserMmsi.starts_with("366123456"));
    }

    void cancelDuringTheDataPhaseKeepsDataAndDialog() {
        Rig rig;
        QVERIFY(rig.harness.Start());
        rig.radio.Memory[2000] ^= 0xFF;
        const RadioData before = rig.harness.data;

        bool cancelled = false;
        const bool stayedOpen = rig.Run(rig.Read(), [&] {
            if (rig.radio.Count("#TQPRD") >= 200 && !cancelled) {
                cancelled = true;
                QTest::mouseClick(rig.Button("cmdCancel"), Qt::LeftButton);
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
        QTest::addColumn<QStringList>("shown");
        QTest::addColumn<bool>("stayedOpen");
        QTest::newRow("retry") << QMessageBox::Retry
                               << QStringList{"Read from Radio|Radio is busy!!",
                                              "Read from Radio|Complete!!"}
                               << false;
        QTest::newRow("cancel") << QMessageBox::Cancel
                                << QStringList{"Read from Radio|Radio is busy!!",
                                               "Read from Radio|Radio not ready!!"}
                                << true;
    }

    void busyRadioOffersRetry() {
        QFETCH(QMessageBox::StandardButton, answer);
        QFETCH(QStringList, shown);
        QFETCH(bool, stayedOpen);
        Rig rig;
        QVERIFY(rig.harness.Start());
        rig.radio.Faults.BusyReplies = 1;
        rig.harness.answers << answer;

        QCOMPARE(rig.Run(rig.Read()), stayedOpen);

        QCOMPARE(rig.harness.shown, shown);
        const MessageRequest& busy = rig.boxes.front();
        QCOMPARE(busy.Icon, QMessageBox::Warning);
        QCOMPARE(busy.Buttons, QMessageBox::Retry | QMessageBox::Cancel);
        QCOMPARE(busy.DefaultButton, QMessageBox::Cancel);
    }

    // The device the user entered for COM2 under Options > "Port devices..." is not there:
    // the message names it and the way to choose another, and the link start gives up
    // without more boxes.
    void missingDeviceSaysWhatToDo() {
        Rig rig;
        rig.harness.window->SetTransferLines(SerialTransferLines(rig.harness.store));
        QVERIFY(rig.harness.Start());
        QTimer::singleShot(0, [] {
            QWidget* devices = QApplication::activeModalWidget();
            QLineEdit* com2 = devices->findChild<QComboBox*>("cmbPortDevice_1")->lineEdit();
            com2->selectAll();
            QTest::keyClicks(com2, "/nonexistent/ttyUSB9");
            QTest::mouseClick(devices->findChild<QPushButton*>("cmdOK"), Qt::LeftButton);
        });
        rig.harness.window->Menus().PortDevices->trigger();
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
