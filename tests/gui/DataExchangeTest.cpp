#include "MainWindowHarness.h"
#include "files/SettingsFile.h"
#include "gui/MainMenus.h"
#include "sim/SimPort.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
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

QString ReadText(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

void WriteText(const QString& path, const QByteArray& text) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(text);
}

QDialog* ModalDialog() {
    return qobject_cast<QDialog*>(QApplication::activeModalWidget());
}

} // namespace

// The File menu's CSV and comparison commands and the verify box of the Program to Radio
// dialog, on the real main window with an RV7700A.
class DataExchangeTest : public QObject {
    Q_OBJECT

    struct Rig {
        Rig() {
            harness.store.Write("Settings", "lastmodel", "2");
            harness.window->SetTransferLines([this](int) {
                return TransferLine{std::make_unique<SimPort>(radio, clock), "sim",
                                    std::make_shared<VirtualLinkClock>(clock)};
            });
        }
        const MainMenus& Menus() const { return harness.window->Menus(); }
        QString Path(const QString& name) const { return folder.filePath(name); }

        MainWindowHarness harness;
        QTemporaryDir folder;
        VirtualClock clock;
        SimRadio radio{7700};
    };

private slots:
    void exportedListComesBackAndAnEditArrives() {
        Rig rig;
        QVERIFY(rig.harness.Start());
        rig.harness.fileAnswers.enqueue(rig.Path("exp.csv"));
        rig.Menus().FileExportCsv[0]->trigger();
        const QString exported = ReadText(rig.Path("exp.csv"));
        QVERIFY(exported.startsWith("EXP CH,CH Enable,CH Display,Rx Frequency,Tx Frequency,"));

        WriteText(rig.Path("edit.csv"), "EXP CH,CH Enable,CH Display,Rx Frequency,CH Name\n"
                                        "7,On,71,157.1,WORK\n");
        rig.harness.fileAnswers.enqueue(rig.Path("edit.csv"));
        rig.Menus().FileImportCsv->trigger();
        QCOMPARE(rig.harness.shown, QStringList{});
        const ChannelRecord& channel = rig.harness.data.Settings.CHEXP[6];
        QVERIFY(channel.Enable && channel.ChTag == "WORK" && channel.Rxfreq == 157.1);
        QVERIFY(rig.harness.window->DataChanged());
    }

    void refusedImportListsTheRowsAndChangesNothing() {
        Rig rig;
        QVERIFY(rig.harness.Start());
        QByteArray csv = "Memory ID,Station Name,MMSI\n";
        for (int k = 1; k <= 12; ++k) {
            csv += QByteArray::number(k) + ",SHIP,12345\n";
        }
        WriteText(rig.Path("bad.csv"), csv);
        const SettingsRecord before = rig.harness.data.Settings;
        rig.harness.fileAnswers.enqueue(rig.Path("bad.csv"));
        rig.Menus().FileImportCsv->trigger();
        QCOMPARE(rig.harness.shown.size(), 1);
        QVERIFY(rig.harness.LastShown().startsWith(
            "Import CSV|Nothing was imported: 12 rows were refused.\n\n"
            "line 2: MMSI \"12345\" is not 9 digits\n"));
        QVERIFY(rig.harness.LastShown().endsWith("... and 2 more; Show Details lists every row."));
        QVERIFY(rig.harness.data.Settings == before);
        QVERIFY(!rig.harness.window->DataChanged());
    }

    void compareListsTheSettingsThatDiffer() {
        Rig rig;
        QVERIFY(rig.harness.Start());
        QVERIFY(SaveFileAs(rig.Path("standard.dat").toStdString(), rig.harness.data.Settings,
                           rig.harness.window->Model())
                    .Ok);
        rig.harness.data.Settings.CHUSA[32].ChTag = "MAYDAY";
        QStringList row;
        QString summary;
        QTimer::singleShot(0, [&] {
            QDialog* window = ModalDialog();
            QVERIFY(window && window->objectName() == "frmCompare");
            auto* table = window->findChild<QTableWidget*>("grdCompare");
            summary = window->findChild<QLabel*>("lblCompare")->text();
            for (int column = 0; column < table->columnCount(); ++column) {
                row << table->horizontalHeaderItem(column)->text() + "=" +
                           table->item(0, column)->text();
            }
            QTest::mouseClick(window->findChild<QPushButton*>("cmdClose"), Qt::LeftButton);
        });
        rig.harness.fileAnswers.enqueue(rig.Path("standard.dat"));
        rig.Menus().FileCompare->trigger();
        QCOMPARE(summary, QString("1 setting differs."));
        QCOMPARE(row, QStringList({"Section=Programable USA Channel", "Channel or entry=CH 16",
                                   "Field=CH Name", "This data=MAYDAY", "standard.dat=DISTRESS"}));
    }

    // The box is remembered per user; a flipped bit that the radio acknowledged fails the
    // operation with the critical icon and the dialog stays open.
    void verifyBoxFindsWhatTheRadioStoredWrongly() {
        Rig rig;
        QVERIFY(rig.harness.Start());
        rig.radio.Faults.CorruptWriteAt = 0x0E00;
        QList<QMessageBox::Icon> icons;
        rig.harness.window->Prompts().AnswerWith([&](const MessageRequest& request) {
            rig.harness.shown << request.Title + "|" + request.Text;
            icons << request.Icon;
            return QMessageBox::Ok;
        });
        QTimer::singleShot(0, [&] {
            auto* verify = ModalDialog()->findChild<QCheckBox*>("chkVerify");
            QVERIFY(verify && verify->isVisible() && !verify->isChecked());
            QTest::mouseClick(verify, Qt::LeftButton, {}, QPoint(4, verify->height() / 2));
            QTest::mouseClick(ModalDialog()->findChild<QPushButton*>("cmdOK"), Qt::LeftButton);
            QVERIFY(ModalDialog() && ModalDialog()->objectName() == "frmRadio");
            QTest::mouseClick(ModalDialog()->findChild<QPushButton*>("cmdCancel"), Qt::LeftButton);
        });
        rig.Menus().TransferProgram->trigger();
        QCOMPARE(rig.harness.shown.size(), 1);
        QVERIFY(rig.harness.LastShown().startsWith(
            "Program to Radio|Verify Error!! first difference at address 0x0E00"));
        QCOMPARE(icons, QList<QMessageBox::Icon>{QMessageBox::Critical});
        QCOMPARE(rig.harness.store.Read("Settings", "verifyafterprogram", ""), std::string("True"));

        bool checkedAgain = false;
        bool shownOnRead = true;
        QTimer::singleShot(0, [&] {
            checkedAgain = ModalDialog()->findChild<QCheckBox*>("chkVerify")->isChecked();
            QTest::mouseClick(ModalDialog()->findChild<QPushButton*>("cmdCancel"), Qt::LeftButton);
        });
        rig.Menus().TransferProgram->trigger();
        QTimer::singleShot(0, [&] {
            shownOnRead = ModalDialog()->findChild<QCheckBox*>("chkVerify")->isVisible();
            QTest::mouseClick(ModalDialog()->findChild<QPushButton*>("cmdCancel"), Qt::LeftButton);
        });
        rig.Menus().TransferRead->trigger();
        QVERIFY(checkedAgain);
        QVERIFY(!shownOnRead);
    }
};

QTEST_MAIN(DataExchangeTest)
#include "DataExchangeTest.moc"
