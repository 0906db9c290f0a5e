#include "MainWindowHarness.h"
#include "gui/editor/ConnectorLine.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>

using namespace tq58;
using namespace tq58::test;

namespace {

// The lines of a settings file as "[section] key=value".
QStringList KeyLines(const QString& path) {
    QStringList lines;
    QString section;
    for (const QByteArray& raw : FileBytes(path).split('\n')) {
        const QString line = QString::fromLatin1(raw).trimmed();
        section = line.startsWith('[') ? line : section;
        if (line.contains('=')) {
            lines << section + " " + line;
        }
    }
    return lines;
}

} // namespace

class ChannelPagesTest : public QObject {
    Q_OBJECT

private slots:
    // A group's grid and panel name its plan; the ATIS page names the groups as the usable
    // page does, with their status names.
    void groupsAreNamedWithTheirPlans() {
        MainWindowHarness harness;
        QVERIFY(harness.Start("2"));
        harness.data.Settings.UsableChGroup[GroupIntl].StatusName = "WORK";
        QVERIFY(harness.SelectNode("PI"));
        QCOMPARE(harness.Find<QWidget>("pictB")->findChild<QLabel*>("lblGroupHeading")->text(),
                 QString::fromUtf8("Group2[WORK] — INTL"));
        QVERIFY(harness.SelectNode("PU0"));
        QCOMPARE(harness.Find<QWidget>("pictC")->findChild<QLabel*>("lblGroupHeading")->text(),
                 QString::fromUtf8("Group1 — USA"));
        QVERIFY(harness.SelectNode("ATIS"));
        QCOMPARE(harness.Find<QCheckBox>("chkATISKiller_1")->text(), QString("Group2[WORK]"));
        QCOMPARE(harness.Find<QCheckBox>("chkATISChGroup_3")->text(), QString("EXP CH Group"));
    }

    void expChannelEditedByKeys() {
        QTemporaryDir folder;
        MainWindowHarness harness;
        QVERIFY(harness.Start("2"));
        harness.data.Settings.UsableChGroup[GroupExp].Enable = true;
        harness.window->RebuildTree();
        harness.SaveAs(folder.filePath("original.dat"));

        QVERIFY(harness.SelectNode("E5"));
        QTest::mouseClick(harness.Find<QCheckBox>("chkCEnable"), Qt::LeftButton);
        QVERIFY(!harness.SelectNode("ExpChannel"));
        QCOMPARE(harness.Tree()->currentItem()->text(0), QString("EXP5[Enable]"));
        QCOMPARE(harness.LastShown(), harness.window->ProgramTitle() +
                                          "|Data Error!!\nPlease input correct data.\n"
                                          "Rx frequency: needed while CH Enable is checked");

        auto* rx = harness.Find<QLineEdit>("txtCRF");
        harness.TypeAndTab("txtCRF", "156.0125");
        const QString refusal("Rx frequency|Data Error!!\n"
                              "Rx frequency: 137.0000 to 174.0000 MHz in 25 kHz steps");
        QTRY_COMPARE(harness.LastShown(), refusal);
        QTRY_COMPARE(QApplication::focusWidget(), rx);
        QCOMPARE(rx->text(), QString("156.0125"));
        harness.shown.clear();
        QVERIFY(!harness.SelectNode("E6"));
        QCOMPARE(harness.shown, QStringList(refusal));
        QCOMPARE(rx->text(), QString("156.0125"));
        harness.TypeAndTab("txtCRF", "156.025");
        QCOMPARE(rx->text(), QString("156.0250"));
        QCOMPARE(QApplication::focusWidget()->objectName(), QString("txtCTF"));
        harness.TypeAndTab("txtCTF", "160.625");
        harness.TypeAndTab("txtCN_0", "P5");
        harness.TypeAndTab("txtCN_1", "A");
        harness.TypeAndTab("txtCTag", "HARBOUR_1");
        QVERIFY(harness.window->DataChanged());

        QVERIFY(harness.SelectNode("ExpChannel"));
        auto* grid = harness.Find<QTableView>("MSFlexGrid1");
        QStringList row;
        for (int column = 0; column < grid->model()->columnCount(); ++column) {
            row << grid->model()->index(4, column).data().toString();
        }
        QCOMPARE(row, QStringList({"5", "[Enable]", "P5A", "156.0250", "160.6250", "---", "--",
                                   "---", "--", "HARBOUR1"}));
        grid->setFocus();
        grid->selectRow(4);
        QTest::keyClick(grid, Qt::Key_Return);
        QCOMPARE(harness.window->Editor()->CurrentKey(), std::string("E5"));

        harness.SaveAs(folder.filePath("edited.dat"));
        const QStringList original = KeyLines(folder.filePath("original.dat"));
        QStringList changed = KeyLines(folder.filePath("edited.dat"));
        changed.removeIf([&](const QString& line) { return original.contains(line); });
        QCOMPARE(changed, QStringList({"[CHEXP5] Enable=1", "[CHEXP5] CHDisplayL=P5",
                                       "[CHEXP5] CHDisplayR=A", "[CHEXP5] Rxfreq=156.025",
                                       "[CHEXP5] Txfreq=160.625", "[CHEXP5] ChTag=#HARBOUR1"}));
    }

    void lowPowerOnlyGatesPowerUp() {
        MainWindowHarness harness;
        QVERIFY(harness.Start("2"));
        harness.data.Settings.UsableChGroup[GroupUsa].Enable = true;
        harness.window->RebuildTree();
        QVERIFY(harness.SelectNode("PU12"));
        auto* lowPower = harness.Find<QCheckBox>("chkCTXOnly");
        auto* powerUp = harness.Find<QCheckBox>("chkCTXPower");
        auto* line = harness.Find<ConnectorLine>("linCTXPower");
        QVERIFY(lowPower->isEnabled() && !lowPower->isChecked() && !powerUp->isEnabled());
        QTest::mouseClick(lowPower, Qt::LeftButton);
        QVERIFY(powerUp->isEnabled() && line->Active());
        QTest::mouseClick(powerUp, Qt::LeftButton);
        QTest::mouseClick(lowPower, Qt::LeftButton);
        QVERIFY(!powerUp->isEnabled() && powerUp->isChecked() && !line->Active());
        const ChannelRecord& channel = harness.data.Settings.CHUSA[12];
        QVERIFY(!channel.LowPower && channel.PowUp);
    }

    void groupWithoutEnabledChannelsShowsOnlyTheHeader() {
        MainWindowHarness harness;
        QVERIFY(harness.Start("2"));
        harness.data.Settings.UsableChGroup[GroupUsa].Enable = true;
        for (ChannelRecord& channel : harness.data.Settings.CHUSA) {
            channel.Enable = false;
        }
        harness.window->RebuildTree();
        QVERIFY(harness.SelectNode("PU"));
        auto* grid = harness.Find<QTableView>("MSFlexGrid1");
        QVERIFY(grid->isVisible());
        QCOMPARE(grid->model()->rowCount(), 0);
        QCOMPARE(grid->model()->headerData(9, Qt::Horizontal).toString(), QString("CH Name"));
        QVERIFY(!harness.window->DataChanged());
    }
};

QTEST_MAIN(ChannelPagesTest)
#include "ChannelPagesTest.moc"
