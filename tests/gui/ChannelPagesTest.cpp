#include "MainWindowHarness.h"
#include "gui/editor/ConnectorLine.h"

#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QMap>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>

using namespace tq58;
using tq58::test::MainWindowHarness;

namespace {

// A settings file as "[section] key" -> value.
QMap<QString, QString> FileKeys(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    QMap<QString, QString> keys;
    QString section;
    for (const QByteArray& raw : file.readAll().split('\n')) {
        const QString line = QString::fromLatin1(raw).trimmed();
        if (line.startsWith('[')) {
            section = line;
        } else if (line.contains('=')) {
            keys.insert(section + " " + line.section('=', 0, 0), line.section('=', 1));
        }
    }
    return keys;
}

QStringList ChangedKeys(const QMap<QString, QString>& before, const QMap<QString, QString>& after) {
    QStringList changed;
    for (auto it = after.cbegin(); it != after.cend(); ++it) {
        if (before.value(it.key(), "<none>") != it.value()) {
            changed << it.key();
        }
    }
    return changed;
}

} // namespace

class ChannelPagesTest : public QObject {
    Q_OBJECT

private:
    bool Start(MainWindowHarness& harness) {
        harness.store.Write("Settings", "lastmodel", "2");
        if (!harness.Start()) {
            return false;
        }
        harness.window->activateWindow();
        return QTest::qWaitForWindowActive(harness.window.get());
    }

    template <typename T> T* Find(MainWindowHarness& harness, const QString& name) {
        T* widget = harness.Find<T>(name);
        if (!widget) {
            qWarning() << "no control" << name;
        }
        return widget;
    }

    // Goes into the field as a user does (a click, unless Tab took the focus there), which
    // offers its whole text for overtyping.
    bool Enter(QLineEdit* field) {
        if (QApplication::focusWidget() != field) {
            QTest::mouseClick(field, Qt::LeftButton);
        }
        return QTest::qWaitFor([field] { return field->selectedText() == field->text(); });
    }

    // Types over the field's text and leaves it by Tab.
    void TypeAndTab(MainWindowHarness& harness, const QString& name, const QString& text) {
        auto* field = Find<QLineEdit>(harness, name);
        QVERIFY(Enter(field));
        QTest::keyClicks(field, text);
        QTest::keyClick(field, Qt::Key_Tab);
        QCoreApplication::processEvents();
    }

    void SaveAs(MainWindowHarness& harness, const QString& path) {
        harness.fileAnswers.enqueue(path);
        harness.window->Menus().FileSaveAs->trigger();
    }

private slots:
    void expChannelEditedByKeys() {
        QTemporaryDir folder;
        MainWindowHarness harness;
        QVERIFY(Start(harness));
        harness.data.Settings.UsableChGroup[GroupExp].Enable = true;
        harness.window->RebuildTree();
        SaveAs(harness, folder.filePath("original.dat"));

        QVERIFY(harness.SelectNode("E5"));
        QTest::mouseClick(Find<QCheckBox>(harness, "chkCEnable"), Qt::LeftButton);
        QCOMPARE(
            harness.Tree()->findItems("EXP5[Enable]", Qt::MatchExactly | Qt::MatchRecursive).size(),
            1);
        QVERIFY(!harness.SelectNode("ExpChannel"));
        QCOMPARE(harness.LastShown(),
                 harness.window->ProgramTitle() + "|Data Error!!\nPlease input correct data.");

        auto* rx = Find<QLineEdit>(harness, "txtCRF");
        TypeAndTab(harness, "txtCRF", "156.0125");
        QTRY_COMPARE(harness.LastShown(), QString("Rx frequency|Data Error!!"));
        QTRY_COMPARE(QApplication::focusWidget(), rx);
        QCOMPARE(rx->text(), QString("156.0125"));
        harness.shown.clear();
        QVERIFY(!harness.SelectNode("E6"));
        QCOMPARE(harness.shown, QStringList("Rx frequency|Data Error!!"));
        QCOMPARE(rx->text(), QString("156.0125"));
        TypeAndTab(harness, "txtCRF", "156.025");
        QCOMPARE(rx->text(), QString("156.0250"));
        QCOMPARE(QApplication::focusWidget()->objectName(), QString("txtCTF"));
        TypeAndTab(harness, "txtCTF", "160.625");
        TypeAndTab(harness, "txtCN_0", "P5");
        TypeAndTab(harness, "txtCN_1", "A");
        TypeAndTab(harness, "txtCTag", "HARBOUR_1");
        QVERIFY(harness.window->DataChanged());

        QVERIFY(harness.SelectNode("ExpChannel"));
        auto* grid = Find<QTableView>(harness, "MSFlexGrid1");
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

        SaveAs(harness, folder.filePath("edited.dat"));
        const QStringList changed = ChangedKeys(FileKeys(folder.filePath("original.dat")),
                                                FileKeys(folder.filePath("edited.dat")));
        QCOMPARE(changed,
                 QStringList({"[CHEXP5] CHDisplayL", "[CHEXP5] CHDisplayR", "[CHEXP5] ChTag",
                              "[CHEXP5] Enable", "[CHEXP5] Rxfreq", "[CHEXP5] Txfreq"}));
    }

    void lowPowerOnlyGatesPowerUp() {
        MainWindowHarness harness;
        QVERIFY(Start(harness));
        harness.data.Settings.UsableChGroup[GroupUsa].Enable = true;
        harness.window->RebuildTree();
        QVERIFY(harness.SelectNode("PU12"));
        auto* lowPower = Find<QCheckBox>(harness, "chkCTXOnly");
        auto* powerUp = Find<QCheckBox>(harness, "chkCTXPower");
        auto* line = Find<ConnectorLine>(harness, "linCTXPower");
        QVERIFY(lowPower->isEnabled() && !lowPower->isChecked() && !powerUp->isEnabled());
        QTest::mouseClick(lowPower, Qt::LeftButton);
        QVERIFY(powerUp->isEnabled() && line->Active());
        QTest::mouseClick(powerUp, Qt::LeftButton);
        QTest::mouseClick(lowPower, Qt::LeftButton);
        QVERIFY(!powerUp->isEnabled() && powerUp->isChecked() && !line->Active());
        const ChannelRecord& channel = harness.data.Settings.CHUSA[12];
        QVERIFY(!channel.LowPower && channel.PowUp);
    }

    void weatherNameKeepsToWhatTheRadioStores() {
        MainWindowHarness harness;
        QVERIFY(Start(harness));
        QVERIFY(harness.SelectNode("PW"));
        auto* name = Find<QLineEdit>(harness, "txtDTagName_2");
        QVERIFY(Enter(name));
        QTest::keyClicks(name, "Bay_");
        QKeyEvent accented(QEvent::KeyPress, Qt::Key_Eacute, Qt::NoModifier, QString("\u00E9"));
        QApplication::sendEvent(name, &accented);
        QTest::keyClicks(name, " 2");
        QCOMPARE(harness.data.Settings.CHWX[1].ChTag, std::string("Bay 2"));
        auto* enable = Find<QCheckBox>(harness, "chkDEnable_2");
        QTest::mouseClick(enable, Qt::LeftButton);
        QVERIFY(!harness.data.Settings.CHWX[1].Enable);
        QVERIFY(!name->isEnabled());
    }

    void groupWithoutEnabledChannelsShowsOnlyTheHeader() {
        MainWindowHarness harness;
        QVERIFY(Start(harness));
        harness.data.Settings.UsableChGroup[GroupUsa].Enable = true;
        for (ChannelRecord& channel : harness.data.Settings.CHUSA) {
            channel.Enable = false;
        }
        harness.window->RebuildTree();
        QVERIFY(harness.SelectNode("PU"));
        auto* grid = Find<QTableView>(harness, "MSFlexGrid1");
        QVERIFY(grid->isVisible());
        QCOMPARE(grid->model()->rowCount(), 0);
        QCOMPARE(grid->model()->headerData(9, Qt::Horizontal).toString(), QString("CH Name"));
        QVERIFY(!harness.window->DataChanged());
    }
};

QTEST_MAIN(ChannelPagesTest)
#include "ChannelPagesTest.moc"
