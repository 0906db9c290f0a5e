#pragma once

#include <QString>

namespace tq58 {

// Why a serial device could not be opened and what the user can do about it, in plain words:
// an adapter that is not plugged in or a port number that names no device, a device the
// user's groups may not open (with the command that fixes it), a device another program
// holds. portNumber is the program's port number (COM1 to COM4) that chose the device, 0
// for a device named directly.
QString SerialPortProblem(const QString& device, int portNumber, const QString& description);

} // namespace tq58
