#pragma once

// The serial port of the system the program runs on: QSerialPort where Qt offers it, the
// Win32 communications functions on Windows.
#ifdef _WIN32
#include "platform/Win32SerialPort.h"
namespace tq58 {
using SystemSerialPort = Win32SerialPort;
}
#else
#include "platform/QtSerialPort.h"
namespace tq58 {
using SystemSerialPort = QtSerialPort;
}
#endif
