#include "platform/SerialPortProblem.h"

#include "platform/SerialDevices.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStringList>
#ifdef _WIN32
#include "program/PortDevice.h"

#else
#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>
#endif

namespace tq58 {

namespace {

#ifdef _WIN32
// A COM port the system knows, or another device or file that exists.
bool DeviceExists(const QString& device) {
    const QString path = QString::fromStdString(WindowsDevicePath(device.toStdString()));
    const QString prefix = QStringLiteral("\\\\.\\");
    if (path.startsWith(prefix)) {
        return DosDeviceNames().contains(path.mid(prefix.size()), Qt::CaseInsensitive);
    }
    return QFileInfo::exists(path);
}

// Windows does not tell which program holds a COM port.
QStringList Holders(const QString&) {
    return {};
}
#else
QString UserName() {
    const passwd* user = getpwuid(geteuid());
    return user ? QString::fromLocal8Bit(user->pw_name) : QStringLiteral("$USER");
}

bool SessionHasGroup(gid_t group) {
    if (getegid() == group) {
        return true;
    }
    std::vector<gid_t> groups(static_cast<std::size_t>(std::max(getgroups(0, nullptr), 0)));
    const int count = getgroups(static_cast<int>(groups.size()), groups.data());
    return std::find(groups.begin(), groups.begin() + std::max(count, 0), group) !=
           groups.begin() + std::max(count, 0);
}

// Whether the user database lists the user in the group, whatever this session was given
// when it started.
bool GroupListsUser(const group& entry, const QString& user) {
    for (char** member = entry.gr_mem; member && *member; ++member) {
        if (QString::fromLocal8Bit(*member) == user) {
            return true;
        }
    }
    const passwd* account = getpwnam(user.toLocal8Bit().constData());
    return account && account->pw_gid == entry.gr_gid;
}

// status is null when the device cannot even be looked at.
QString NoAccess(const QString& device, const struct stat* status) {
    const group* owner = status ? getgrgid(status->st_gid) : nullptr;
    const QString user = UserName();
    if (!owner || SessionHasGroup(status->st_gid)) {
        return QObject::tr("You may not open the serial port device %1.\n\n"
                           "Ask the administrator of this computer for read and write access "
                           "to it.")
            .arg(device);
    }
    const QString groupName = QString::fromLocal8Bit(owner->gr_name);
    if (GroupListsUser(*owner, user)) {
        return QObject::tr("The serial port device %1 belongs to the group \"%2\". User %3 was "
                           "added to that group, but this session started before that.\n\n"
                           "Log out and log in again (or restart the computer), then press "
                           "OK once more.")
            .arg(device, groupName, user);
    }
    return QObject::tr("You may not open the serial port device %1: it belongs to the group "
                       "\"%2\", and user %3 is not a member of it.\n\n"
                       "Add the user to the group with the command\n"
                       "    sudo usermod -aG %2 %3\n"
                       "then log out and log in again, and press OK once more.")
        .arg(device, groupName, user);
}

// The programs other than this one that have the device open, as "name (process N)".
QStringList Holders(const QString& device) {
    const QString target = QFileInfo(device).canonicalFilePath();
    const QString self = QString::number(QCoreApplication::applicationPid());
    QStringList holders;
    const QDir proc("/proc");
    for (const QString& pid : proc.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        if (pid == self || !pid.front().isDigit()) {
            continue;
        }
        const QDir fds(proc.filePath(pid + "/fd"));
        for (const QFileInfo& fd : fds.entryInfoList(QDir::System | QDir::NoDotAndDotDot)) {
            if (fd.symLinkTarget() == target) {
                QFile comm(proc.filePath(pid + "/comm"));
                const QString name = comm.open(QIODevice::ReadOnly)
                                         ? QString::fromLocal8Bit(comm.readAll()).trimmed()
                                         : QObject::tr("a program");
                holders << QObject::tr("%1 (process %2)").arg(name, pid);
                break;
            }
        }
    }
    return holders;
}

#endif

QString SerialDevicesFound() {
    QStringList names;
    for (const SerialDevice& device : SerialDevicesPresent()) {
        names << device.Location;
    }
    if (names.isEmpty()) {
        return QObject::tr("This computer shows no serial device at all.");
    }
    return QObject::tr("Serial devices on this computer: %1.").arg(names.join(", "));
}

// portNumber is 0 for a device named directly, not chosen by a port number.
QString MissingDevice(const QString& device, int portNumber) {
    if (portNumber == 0) {
        return QObject::tr("The serial port device %1 does not exist.\n\n"
                           "Plug the USB serial adapter of the QYL cable in, and check the "
                           "name of its device.\n\n%2")
            .arg(device, SerialDevicesFound());
    }
    return QObject::tr("The serial port device %1 (COM%2) does not exist.\n\n"
                       "Plug the USB serial adapter of the QYL cable in. If it is plugged in, "
                       "choose its port under Options > SerialPort, or enter its device for "
                       "COM%2 under Options > \"Port devices...\".\n\n%3")
        .arg(device)
        .arg(portNumber)
        .arg(SerialDevicesFound());
}

QString HeldDevice(const QString& device, const QString& description) {
    const QStringList holders = Holders(device);
    if (holders.isEmpty()) {
        return QObject::tr("The serial port device %1 could not be opened (%2).\n\n"
                           "If another program uses the port, close that program, then press "
                           "OK once more.")
            .arg(device, description);
    }
    return QObject::tr("The serial port device %1 is in use by %2.\n\n"
                       "Close that program, or end its connection to the port, then press OK "
                       "once more.")
        .arg(device, holders.join(QObject::tr(" and ")));
}

} // namespace

QString SerialPortProblem(const QString& device, int portNumber, const QString& description) {
#ifdef _WIN32
    // A port that another program holds and one the user may not open are both refused as
    // access denied.
    return DeviceExists(device) ? HeldDevice(device, description)
                                : MissingDevice(device, portNumber);
#else
    if (device.isEmpty()) {
        return MissingDevice(device, portNumber);
    }
    const QByteArray path = QFile::encodeName(device);
    struct stat status {};
    const bool found = stat(path.constData(), &status) == 0;
    if (!found && errno != EACCES) {
        return MissingDevice(device, portNumber);
    }
    if (!found || faccessat(AT_FDCWD, path.constData(), R_OK | W_OK, AT_EACCESS) != 0) {
        return NoAccess(device, found ? &status : nullptr);
    }
    return HeldDevice(device, description);
#endif
}

} // namespace tq58
