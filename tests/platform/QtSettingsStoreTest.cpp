#include "platform/QtSettingsStore.h"

#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <QtTest>

using namespace tq58;

static QString SettingsFileName() {
    return QSettings(QSettings::IniFormat, QSettings::UserScope, "TQ58", "TQ58").fileName();
}

class QtSettingsStoreTest : public QObject {
    Q_OBJECT

private slots:
    // Test mode keeps the user's own settings out of reach.
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        QFile::remove(SettingsFileName());
    }
    void cleanupTestCase() { QFile::remove(SettingsFileName()); }

    void valuesOutliveTheStoreInTheirOwnSections() {
        {
            QtSettingsStore store;
            store.Write("IniFilePath", "IniFileName_2", "CAN");
            store.Write("ComPath", "Device1", "/dev/pts/7");
            store.Write("Settings", "Device1", "other");
        }
        QtSettingsStore store;
        QCOMPARE(store.Read("IniFilePath", "IniFileName_2", "usa"), std::string("CAN"));
        QCOMPARE(store.Read("ComPath", "Device1", ""), std::string("/dev/pts/7"));
        QCOMPARE(store.Read("Settings", "Device1", ""), std::string("other"));
        QCOMPARE(store.Read("IniFilePath", "IniFileName_1", "usa"), std::string("usa"));
    }
};

QTEST_MAIN(QtSettingsStoreTest)
#include "QtSettingsStoreTest.moc"
