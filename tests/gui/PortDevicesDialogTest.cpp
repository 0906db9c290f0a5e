// Options > "Port devices...": OK stores what the user changed, Cancel nothing.
#include "gui/PortDevicesDialog.h"

#include "program/PortDevice.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace tq58 {

namespace {

class CountingStore : public MemorySettingsStore {
public:
    void Write(const std::string& section, const std::string& key,
               const std::string& value) override {
        ++writes;
        MemorySettingsStore::Write(section, key, value);
    }
    int writes = 0;
};

std::string Usual(int port) {
    return PortDeviceName(MemorySettingsStore(), port);
}

QComboBox* Choice(PortDevicesDialog& dialog, int index) {
    return dialog.findChild<QComboBox*>(QString("cmbPortDevice_%1").arg(index));
}

void Type(QComboBox* choice, const std::string& text) {
    choice->lineEdit()->selectAll();
    QTest::keyClick(choice->lineEdit(), Qt::Key_Backspace);
    QTest::keyClicks(choice->lineEdit(), QString::fromStdString(text));
}

} // namespace

class PortDevicesDialogTest : public QObject {
    Q_OBJECT

private slots:
    void okStoresWhatChangedAndCancelNothing_data() {
        QTest::addColumn<QString>("button");
        QTest::newRow("OK") << "cmdOK";
        QTest::newRow("Cancel") << "cmdCancel";
    }

    void okStoresWhatChangedAndCancelNothing() {
        QFETCH(QString, button);
        CountingStore store;
        store.Write("ComPath", "Device2", "/dev/ttyS9");
        store.Write("ComPath", "Device3", "/tmp/radio");
        store.writes = 0;
        PortDevicesDialog dialog(store);
        dialog.show();
        const QStringList shown = {Choice(dialog, 0)->currentText(),
                                   Choice(dialog, 1)->currentText(),
                                   Choice(dialog, 2)->currentText()};
        QCOMPARE(shown,
                 QStringList({QString::fromStdString(Usual(1)), "/dev/ttyS9", "/tmp/radio"}));

        Type(Choice(dialog, 0), "/tmp/other radio ");
        Type(Choice(dialog, 1), "");
        Type(Choice(dialog, 2), Usual(3));
        QTest::mouseClick(dialog.findChild<QPushButton*>(button), Qt::LeftButton);
        QVERIFY(!dialog.isVisible());

        if (button == "cmdCancel") {
            QCOMPARE(store.writes, 0);
            return;
        }
        // Port 4 was left as it was and is not written; the usual device is no choice.
        QCOMPARE(store.writes, 3);
        QCOMPARE(PortDeviceName(store, 1), std::string("/tmp/other radio"));
        QCOMPARE(PortDeviceName(store, 2), Usual(2));
        QCOMPARE(store.Read("ComPath", "Device3", "?"), std::string());
        QCOMPARE(store.Read("ComPath", "Device4", "?"), std::string("?"));
    }
};

} // namespace tq58

QTEST_MAIN(tq58::PortDevicesDialogTest)
#include "PortDevicesDialogTest.moc"
