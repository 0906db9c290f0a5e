#include "platform/SerialDevices.h"

#ifdef _WIN32
#include <QRegularExpression>
#include <algorithm>
#include <string>
#include <windows.h>
#else
#include <QSerialPortInfo>
#endif

namespace tq58 {

#ifdef _WIN32
QStringList DosDeviceNames() {
    std::wstring names(1 << 16, L'\0');
    const DWORD length = QueryDosDeviceW(nullptr, names.data(), static_cast<DWORD>(names.size()));
    return QString::fromWCharArray(names.data(), static_cast<int>(length))
        .split(QChar(0), Qt::SkipEmptyParts);
}

// The COM ports in number order. Windows names no maker here: the description is the
// system's own device behind the port (\Device\Serial0, \Device\VCP0).
QList<SerialDevice> SerialDevicesPresent() {
    QStringList ports = DosDeviceNames().filter(
        QRegularExpression("^COM[0-9]+$", QRegularExpression::CaseInsensitiveOption));
    std::sort(ports.begin(), ports.end(), [](const QString& a, const QString& b) {
        return a.mid(3).toInt() < b.mid(3).toInt();
    });
    QList<SerialDevice> devices;
    for (const QString& port : ports) {
        std::wstring target(1024, L'\0');
        const DWORD length = QueryDosDeviceW(reinterpret_cast<LPCWSTR>(port.utf16()), target.data(),
                                             static_cast<DWORD>(target.size()));
        devices.append({port, QString::fromWCharArray(target.c_str(), length > 0 ? -1 : 0), {}});
    }
    return devices;
}
#else
QList<SerialDevice> SerialDevicesPresent() {
    QList<SerialDevice> devices;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
        devices.append({info.systemLocation(), info.description(), info.manufacturer()});
    }
    return devices;
}
#endif

} // namespace tq58
