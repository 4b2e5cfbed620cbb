#pragma once
// The terminal's port: which device a port name stands for, and the system
// error numbers its failures are reported with.

#include <QSerialPort>
#include <QString>

namespace orvantis {

// "COM3" through the port map; any other name (a device path) as given.
// Empty when a COM name has no device.
QString TerminalPortDevice(const QString& portName);
// Opens device for reading and writing with no sharing; on failure returns
// false and sets errorNumber to the system's reason.
bool OpenTerminalPort(QSerialPort& port, const QString& device, int& errorNumber);
// The system error number behind a port error.
int PortErrorNumber(QSerialPort::SerialPortError error);

}  // namespace orvantis
