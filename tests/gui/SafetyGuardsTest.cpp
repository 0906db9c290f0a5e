#include "MainWindowHarness.h"
#include "editor/DistressChannel.h"
#include "link/Transfer.h"
#include "model/ChannelTable.h"
#include "model/Decoder.h"
#include "model/Encoder.h"
#include "platform/UserDataFolder.h"

#include <QCheckBox>
#include <QLabel>
#include <QTableView>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTreeWidgetItemIterator>
#include <QtTest>

using namespace tq58;
using namespace tq58::test;

namespace {

const QString Mark = QString(QChar(0x26A0)) + ' ';

using Answer = std::function<void(QWidget*)>;

// Runs the command and answers its modal windows as they open, each once, by their names; a
// window without an answer is closed. The names of the windows, in order.
QStringList Drive(QAction* command, const QHash<QString, Answer>& answers) {
    QStringList seen;
    QList<QPointer<QWidget>> answered; // a closed window's memory may be the next one's
    QTimer driver;
    QObject::connect(&driver, &QTimer::timeout, [&] {
        QWidget* window = QApplication::activeModalWidget();
        if (!window || answered.contains(QPointer<QWidget>(window))) {
            return;
        }
        answered << window;
        seen << window->objectName();
        if (answers.contains(window->objectName())) {
            answers[window->objectName()](window);
        } else {
            qobject_cast<QDialog*>(window)->reject();
        }
    });
    driver.start(5);
    command->trigger();
    return seen;
}

void Click(QWidget* window, const char* button) {
    QTest::mouseClick(window->findChild<QPushButton*>(button), Qt::LeftButton);
}

Answer Press(const char* button) {
    return [button](QWidget* window) { Click(window, button); };
}

Answer TypeAgain(const QString& digits) {
    return [digits](QWidget* window) {
        QTest::keyClicks(window->findChild<QLineEdit*>("txtUserMmsiAgain"), digits);
        Click(window, "cmdOK");
    };
}

QStringList Rows(const QAbstractItemView* view) {
    const QAbstractItemModel* table = view->model();
    QStringList rows;
    for (int row = 0; row < table->rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < table->columnCount(); ++column) {
            cells << table->index(row, column).data().toString();
        }
        rows << cells.join(" | ");
    }
    return rows;
}

QTreeWidgetItem* TreeItem(QTreeWidget* tree, const std::string& key) {
    for (QTreeWidgetItemIterator it(tree); *it; ++it) {
        if ((*it)->data(0, Qt::UserRole).toString() == QString::fromStdString(key)) {
            return *it;
        }
    }
    return nullptr;
}

int Channel16() {
    return std::stoi(FindChannelPosition("16"));
}

} // namespace

// The guards before data goes into a radio, through the real main window with the simulated
// radio at the end of its lines: what each MMSI is, the User MMSI typed twice, channel 16, the
// check and what programming will change.
class SafetyGuardsTest : public QObject {
    Q_OBJECT

    struct Rig {
        explicit Rig(const char* model = "2") {
            harness.window->SetTransferLines([this](int) {
                ++linesOpened;
                return TransferLine{std::make_unique<SimPort>(radio, clock), "sim",
                                    std::make_shared<VirtualLinkClock>(clock)};
            });
            started = harness.Start(model);
        }
        QAction* Program() const { return harness.window->Menus().TransferProgram; }

        MainWindowHarness harness;
        VirtualClock clock;
        SimRadio radio{7700};
        int linesOpened = 0;
        bool started = false;
    };

    QTemporaryDir dataHome_;

private slots:
    // Backups are kept in a folder of this test's own.
    void initTestCase() { qputenv("XDG_DATA_HOME", dataHome_.path().toLocal8Bit()); }

    // The kinds themselves are the editor tests'; here each place that shows one, the warning
    // mark and its tool tip, and the label following the digits as they are typed.
    void kindsShowBesideEveryMmsi() {
        Rig rig;
        QVERIFY(rig.started);
        SettingsRecord& settings = rig.harness.data.Settings;
        settings.DscBasicSetup.UserMmsi = "036612345";
        settings.CHMMSID[0] = {true, "HARBOUR", "0036612340"};
        settings.CHMMSID[1] = {true, "FRIEND", "2441234560"};
        rig.harness.window->RebuildTree();

        QVERIFY(rig.harness.SelectNode("DSC"));
        auto* own = rig.harness.Find<QLabel>("lblUserMmsiKind");
        QCOMPARE(own->text(), Mark + "Group \u00B7 USA");
        QVERIFY(own->toolTip().contains("a radio's own MMSI is a ship station's"));
        QVERIFY(!TreeItem(rig.harness.Tree(), "DSC")->toolTip(0).isEmpty());
        QVERIFY(rig.harness.SelectNode("SM"));
        const QAbstractItemModel* grid = rig.harness.Find<QTableView>("MSFlexGrid2")->model();
        QCOMPARE(grid->headerData(3, Qt::Horizontal).toString(), "Kind");
        QCOMPARE(grid->index(0, 3).data().toString(), Mark + "Coast station");
        QCOMPARE(grid->index(1, 3).data().toString(), "Ship station");
        QVERIFY(rig.harness.SelectNode("SM2"));
        QCOMPARE(rig.harness.Find<QLabel>("lblGMmsiKind")->text(),
                 "Ship station \u00B7 Netherlands");
        QVERIFY(TreeItem(rig.harness.Tree(), "SM2")->toolTip(0).isEmpty());
        rig.harness.Type("txtGMMSI", "002111234");
        QCOMPARE(rig.harness.Find<QLabel>("lblGMmsiKind")->text(),
                 Mark + "Coast station \u00B7 Germany");
        QVERIFY(rig.harness.SelectNode("SM1"));
        QVERIFY(!TreeItem(rig.harness.Tree(), "SM2")->toolTip(0).isEmpty());
        auto* field = rig.harness.Find<QLineEdit>("txtGMMSI");
        field->selectAll();
        QTest::keyClicks(field, "2441234");
        QCOMPARE(rig.harness.Find<QLabel>("lblGMmsiKind")->text(), QString());
    }

    // A new User MMSI is typed once more before the port opens: a mismatch or Cancel stops
    // there, a match programs it; the radio's own is not asked for again.
    void userMmsiTypedTwiceBeforeThePortOpens() {
        Rig rig;
        QVERIFY(rig.started);
        rig.harness.data.Settings.DscBasicSetup.UserMmsi = "244123456";

        QCOMPARE(Drive(rig.Program(), {{"frmUserMmsiAgain", TypeAgain("244123465")}}),
                 QStringList{"frmUserMmsiAgain"});
        QCOMPARE(rig.harness.LastShown(), "User MMSI|The two entries of the User MMSI differ. "
                                          "Nothing was sent to the radio.");
        QCOMPARE(Drive(rig.Program(), {{"frmUserMmsiAgain", Press("cmdCancel")}}),
                 QStringList{"frmUserMmsiAgain"});
        QCOMPARE(rig.harness.shown.size(), 1);
        QCOMPARE(rig.linesOpened, 0);

        QCOMPARE(Drive(rig.Program(), {{"frmUserMmsiAgain", TypeAgain("244123456")},
                                       {"frmRadio", Press("cmdOK")}}),
                 QStringList({"frmUserMmsiAgain", "frmRadio"}));
        QCOMPARE(rig.harness.LastShown(), "Program to Radio|Complete!!");
        RadioData back = rig.harness.data;
        MergeReadImage(rig.radio.Memory, back.MemoryImage);
        DecodeImage(back, rig.harness.window->Model());
        QVERIFY(back.Settings.DscBasicSetup.UserMmsi.starts_with("244123456"));

        QCOMPARE(Drive(rig.Program(), {}), QStringList{"frmRadio"});
    }

    // A User MMSI that is not nine digits is told as soon as a file brings it, and stops
    // Program to Radio before anything else, with the setting shown. (A name saved without
    // an extension gets ".dat", so that Open finds it.)
    void userMmsiThatIsNotNineDigitsNeverReachesTheRadio() {
        Rig rig;
        QVERIFY(rig.started);
        rig.harness.data.Settings.DscBasicSetup.UserMmsi = "24476543";
        const QString fault = "User MMSI 24476543 has 8 digits; an MMSI has 9.";
        QTemporaryDir folder;
        rig.harness.SaveAs(folder.filePath("short"));
        rig.harness.fileAnswers << folder.filePath("short.dat");
        rig.harness.window->Menus().FileOpen->trigger();
        QVERIFY2(rig.harness.LastShown().contains(fault), qPrintable(rig.harness.LastShown()));

        QCOMPARE(Drive(rig.Program(), {}), QStringList{});
        QCOMPARE(rig.harness.LastShown(), "User MMSI|" + fault +
                                              "\nCorrect the User MMSI under DSC Setup, or leave "
                                              "it empty. Nothing was sent to the radio.");
        QCOMPARE(rig.linesOpened, 0);
        QCOMPARE(QApplication::focusWidget(), rig.harness.Find<QWidget>("txtUserMMSI"));
    }

    // Switching channel 16 off asks first, No the default; a file that has it off opens with
    // a warning.
    void channel16StaysOnUnlessTheUserInsists() {
        Rig rig;
        QVERIFY(rig.started);
        rig.harness.data.Settings.UsableChGroup[GroupUsa].Enable = true;
        rig.harness.window->RebuildTree();
        QList<MessageRequest> asked;
        rig.harness.window->Prompts().AnswerWith([&](const MessageRequest& request) {
            asked << request;
            rig.harness.shown << request.Title + "|" + request.Text;
            return rig.harness.answers.isEmpty() ? QMessageBox::Ok : rig.harness.answers.dequeue();
        });
        QVERIFY(rig.harness.SelectNode(ChannelNodeKey(GroupUsa, Channel16())));
        auto* enable = rig.harness.Find<QCheckBox>("chkCEnable");
        bool& on = rig.harness.data.Settings.CHUSA[static_cast<std::size_t>(Channel16())].Enable;
        QVERIFY(on && enable->isChecked());

        rig.harness.answers << QMessageBox::No;
        QTest::mouseClick(enable, Qt::LeftButton);
        QCOMPARE(asked.size(), 1);
        QCOMPARE(asked[0].Text, QString(Channel16Question));
        QCOMPARE(asked[0].DefaultButton, QMessageBox::No);
        QVERIFY(on && enable->isChecked() && !rig.harness.window->DataChanged());

        rig.harness.answers << QMessageBox::Yes;
        QTest::mouseClick(enable, Qt::LeftButton);
        QVERIFY(!on && !enable->isChecked() && rig.harness.window->DataChanged());

        QTemporaryDir folder;
        rig.harness.SaveAs(folder.filePath("off.dat"));
        rig.harness.fileAnswers << folder.filePath("off.dat");
        rig.harness.window->Menus().FileOpen->trigger();
        QVERIFY2(rig.harness.LastShown().contains("Channel 16 is switched off in Group1."),
                 qPrintable(rig.harness.shown.join('\n')));
        QVERIFY(!on);
    }

    // The check lists a planted problem; before programming it may be passed over or stop
    // everything before the port opens.
    void checkListsWarningsAndProgrammingMayGoOn() {
        Rig rig;
        QVERIFY(rig.started);
        rig.harness.data.Settings.CHMMSID[0] = {true, "FLEET", "0366123450"};
        QStringList listed;
        const Answer read = [&](QWidget* window) {
            listed = Rows(window->findChild<QTableWidget*>("grdCheck"));
            window->findChild<QPushButton*>("cmdClose")
                ? Click(window, "cmdClose")
                : Click(window, listed.size() == 1 ? "cmdCancel" : "cmdProgramAnyway");
        };

        QCOMPARE(Drive(rig.harness.window->Menus().TransferCheck, {{"frmCheck", read}}),
                 QStringList{"frmCheck"});
        QCOMPARE(listed, QStringList("Memory ID Setting | No.1 | \"FLEET\": 036612345 reads as "
                                     "Group \u00B7 USA, which does not belong in the individual "
                                     "directory."));
        QCOMPARE(Drive(rig.Program(), {{"frmCheck", read}}), QStringList{"frmCheck"});
        QCOMPARE(rig.linesOpened, 0);

        rig.harness.data.Settings.CHMMSID[1] = {true, "FLEET", "2441234560"};
        QCOMPARE(Drive(rig.Program(), {{"frmCheck", read}}), QStringList({"frmCheck", "frmRadio"}));
        QCOMPARE(listed.size(), 2);

        // A double click on a warning opens its setting.
        const Answer open = [](QWidget* window) {
            auto* table = window->findChild<QTableWidget*>("grdCheck");
            QVERIFY(QTest::qWaitForWindowExposed(window));
            const QPointF at = table->visualRect(table->model()->index(1, 2)).center();
            for (const QEvent::Type type :
                 {QEvent::MouseButtonPress, QEvent::MouseButtonRelease, QEvent::MouseButtonDblClick,
                  QEvent::MouseButtonRelease}) {
                QMouseEvent event(
                    type, at, table->viewport()->mapToGlobal(at), Qt::LeftButton,
                    type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, {});
                QApplication::sendEvent(table->viewport(), &event);
            }
        };
        QCOMPARE(Drive(rig.harness.window->Menus().TransferCheck, {{"frmCheck", open}}),
                 QStringList{"frmCheck"});
        QCOMPARE(rig.harness.window->Editor()->CurrentKey(), std::string("SM2"));
    }

    // "Show changes" lists what programming changes against the newest backup of a read, with
    // its date; without a backup there is no button.
    void changesAgainstTheNewestBackup() {
        Rig rig;
        QVERIFY(rig.started);
        bool button = true;
        const Answer look = [&button](QWidget* window) {
            button = window->findChild<QPushButton*>("cmdShowChanges") != nullptr;
            Click(window, "cmdCancel");
        };
        QCOMPARE(Drive(rig.Program(), {{"frmRadio", look}}), QStringList{"frmRadio"});
        QVERIFY(!button);

        RadioData backup = rig.harness.data;
        (void)EncodeImage(backup, rig.harness.window->Model());
        QVERIFY(KeepBackupNow("RV7700A", backup.MemoryImage).Ok);
        rig.harness.data.Settings.CHMMSID[0] = {true, "BUDDY", "2441234560"};
        QStringList changes;
        QString title;
        const Answer show = [&](QWidget* window) {
            Click(window, "cmdShowChanges");
            auto* shown = window->findChild<QDialog*>("frmChanges");
            title = shown->windowTitle();
            changes = Rows(shown->findChild<QTableView*>("grdCompare"));
            Click(window, "cmdCancel");
        };
        QCOMPARE(Drive(rig.Program(), {{"frmRadio", show}}), QStringList{"frmRadio"});
        QVERIFY2(title.contains(QDate::currentDate().toString(Qt::ISODate)), qPrintable(title));
        QVERIFY2(changes.filter("No.1").filter("BUDDY").size() == 1,
                 qPrintable(changes.join('\n')));
    }
};

QTEST_MAIN(SafetyGuardsTest)
#include "SafetyGuardsTest.moc"
