#pragma once

#include <QList>
#include <QString>

namespace tq58 {

// A serial device present on this computer, as the device lists show it.
struct SerialDevice {
    QString Location;     // what a port opens: /dev/ttyUSB0, COM3
    QString Description;  // what the system calls it; may be empty
    QString Manufacturer; // may be empty
};

// The serial devices present now, in the system's order.
QList<SerialDevice> SerialDevicesPresent();

#ifdef _WIN32
// Every name of the system's device namespace: COM ports, printers, drives.
QStringList DosDeviceNames();
#endif

} // namespace tq58
