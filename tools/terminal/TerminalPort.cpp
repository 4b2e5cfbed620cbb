#include "TerminalPort.h"

#include "PortMap.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace orvantis {

QString TerminalPortDevice(const QString& portName)
{
    const int index = ComPortIndex(portName);
    if (index >= 0) return ComPortDevice(index);
    return portName;
}

int PortErrorNumber(QSerialPort::SerialPortError error)
{
    switch (error) {
    case QSerialPort::NoError:
        return 0;
    case QSerialPort::DeviceNotFoundError:
        return ENOENT;
    case QSerialPort::PermissionError:
        return EACCES;
    case QSerialPort::OpenError:
        return EBUSY;
    case QSerialPort::UnsupportedOperationError:
        return ENOTTY;
    case QSerialPort::TimeoutError:
        return ETIMEDOUT;
    case QSerialPort::NotOpenError:
        return EBADF;
    default:
        return EIO;
    }
}

bool OpenTerminalPort(QSerialPort& port, const QString& device, int& errorNumber)
{
    errorNumber = 0;
    if (device.isEmpty()) {
        errorNumber = ENOENT;
        return false;
    }
    port.setPortName(device);
    if (port.open(QIODevice::ReadWrite)) return true;

    // Qt keeps only its own error kind: ask the system once more for the
    // precise reason.
    const QByteArray path = device.toLocal8Bit();
    const int fd = ::open(path.constData(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (fd < 0) {
        errorNumber = errno;
    } else {
        ::close(fd);
        errorNumber = PortErrorNumber(port.error());
    }
    return false;
}

}  // namespace orvantis
