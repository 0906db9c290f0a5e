// The desktop's own services: the settings store, and the help for a serial port that will not
// open.
#include "platform/QtSettingsStore.h"
#include "platform/SerialPortProblem.h"

#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>
#include <fcntl.h>
#include <grp.h>
#include <pwd.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace tq58;

static QString SettingsFileName() {
    return QSettings(QSettings::IniFormat, QSettings::UserScope, "TQ58", "TQ58").fileName();
}

class PlatformTest : public QObject {
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

    // A pseudo-terminal that another program keeps open, as a terminal program would.
    void namesTheProgramThatHoldsTheDevice() {
        const int master = posix_openpt(O_RDWR | O_NOCTTY);
        QVERIFY(master >= 0 && grantpt(master) == 0 && unlockpt(master) == 0);
        const QString device = QString::fromLocal8Bit(ptsname(master));
        QProcess holder;
        holder.setStandardInputFile(device);
        holder.start("sleep", {"30"});
        QVERIFY(holder.waitForStarted());

        QTRY_COMPARE(SerialPortProblem(device, 2, "Device or resource busy").section('\n', 0, 0),
                     QString("The serial port device %1 is in use by sleep (process %2).")
                         .arg(device)
                         .arg(holder.processId()));
        holder.kill();
        holder.waitForFinished();
        close(master);
    }

    // The usual first meeting with a USB serial adapter: the device belongs to a group the
    // user is not in. Run as root, the check takes the rights of an ordinary user for a moment.
    void deviceOfAForeignGroupGivesTheCommand() {
        const passwd* nobody = getpwnam("nobody");
        const group* dialout = getgrnam("dialout");
        if (geteuid() != 0 || !nobody || !dialout) {
            QSKIP("needs root and the users nobody and group dialout");
        }
        QTemporaryDir folder;
        QVERIFY(chmod(QFile::encodeName(folder.path()).constData(), 0755) == 0);
        const QString device = folder.filePath("ttyUSB0");
        QFile file(device);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        const QByteArray path = QFile::encodeName(device);
        QVERIFY(chown(path.constData(), 0, dialout->gr_gid) == 0 &&
                chmod(path.constData(), 0660) == 0);

        QVERIFY(seteuid(nobody->pw_uid) == 0);
        const QString text = SerialPortProblem(device, 1, "Permission denied");
        QVERIFY(seteuid(0) == 0);

        QVERIFY2(text.startsWith(QString("You may not open the serial port device %1: it belongs "
                                         "to the group \"dialout\", and user nobody is not")
                                     .arg(device)),
                 qPrintable(text));
        QVERIFY(text.contains("\n    sudo usermod -aG dialout nobody\n"));
    }
};

QTEST_MAIN(PlatformTest)
#include "PlatformTest.moc"
