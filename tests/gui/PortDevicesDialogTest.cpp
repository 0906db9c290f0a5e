// Options > "Port devices...": OK stores what the user changed, Cancel nothing.
#include "gui/PortDevicesDialog.h"

#include "program/PortDevice.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace tq58 {

namespace {

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
        MemorySettingsStore store;
        store.Write("ComPath", "Device2", "/dev/ttyS9");
        store.Write("ComPath", "Device3", "/tmp/radio");
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

        // Port 4 was left as it was and is not written; the usual device is no choice.
        const bool ok = button == "cmdOK";
        QCOMPARE(PortDeviceName(store, 1), ok ? "/tmp/other radio" : Usual(1));
        QCOMPARE(PortDeviceName(store, 2), ok ? Usual(2) : "/dev/ttyS9");
        QCOMPARE(store.Read("ComPath", "Device3", "?"), std::string(ok ? "" : "/tmp/radio"));
        QCOMPARE(store.Read("ComPath", "Device4", "?"), std::string("?"));
    }
};

} // namespace tq58

QTEST_MAIN(tq58::PortDevicesDialogTest)
#include "PortDevicesDialogTest.moc"
