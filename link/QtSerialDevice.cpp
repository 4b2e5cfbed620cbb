#include "QtSerialDevice.h"

#include "PortMap.h"

#include <QDeadlineTimer>
#include <QFileInfo>

#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace orvantis {

namespace {

// A write that the line cannot take within this time has failed: a pulled
// cable must not hold the program.
constexpr int WriteTimeoutMs = 2000;

}  // namespace

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

void TQtSerialDevice::Fail(int errorNumber)
{
    FErrorNumber = errorNumber;
    FError = FPort.error() != QSerialPort::NoError ? FPort.errorString() : QString::fromLocal8Bit(std::strerror(errorNumber));
    FPort.clearError();
}

bool TQtSerialDevice::Open(const TPortAddress& address)
{
    const QString path = DevicePathOf(address);
    if (path.isEmpty()) {
        FErrorNumber = ENOENT;
        FError = QStringLiteral("no serial port has this number");
        return false;
    }
    // Absent ports are the common case during detection: no need to ask Qt.
    if (!QFileInfo::exists(path)) {
        FErrorNumber = ENOENT;
        FError = QStringLiteral("%1 does not exist").arg(path);
        return false;
    }
    FPort.setPortName(path);
    if (FPort.open(QIODevice::ReadWrite)) return true;

    // Qt keeps only its own error kind: ask the system once more for the
    // precise reason.
    const int fd = ::open(path.toLocal8Bit().constData(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (fd < 0) {
        const int reason = errno;
        FError = FPort.errorString();
        FErrorNumber = reason;
        FPort.clearError();
    } else {
        ::close(fd);
        Fail(PortErrorNumber(FPort.error()));
    }
    return false;
}

void TQtSerialDevice::Close()
{
    WatchReads(nullptr);
    FPort.close();
    FPort.clearError();
}

bool TQtSerialDevice::SetLine()
{
    // No software flow control either: XON and XOFF are the handshake itself.
    const bool ok = FPort.setBaudRate(QSerialPort::Baud115200) && FPort.setDataBits(QSerialPort::Data8) &&
                    FPort.setParity(QSerialPort::NoParity) && FPort.setStopBits(QSerialPort::OneStop) &&
                    FPort.setFlowControl(QSerialPort::NoFlowControl);
    if (!ok) Fail(PortErrorNumber(FPort.error()));
    FPort.clearError();
    return ok;
}

bool TQtSerialDevice::SetDtr(bool on)
{
    const bool ok = FPort.setDataTerminalReady(on);
    FPort.clearError();  // a pseudo-terminal has no modem lines
    return ok;
}

bool TQtSerialDevice::SetRts(bool on)
{
    const bool ok = FPort.setRequestToSend(on);
    FPort.clearError();
    return ok;
}

bool TQtSerialDevice::Purge()
{
    return FPort.clear(QSerialPort::AllDirections);
}

bool TQtSerialDevice::Write(const char* data, int size)
{
    if (FPort.write(data, size) != size) {
        Fail(PortErrorNumber(FPort.error()));
        return false;
    }
    QDeadlineTimer deadline(WriteTimeoutMs);
    while (FPort.bytesToWrite() > 0) {
        if (deadline.hasExpired() || !FPort.waitForBytesWritten(static_cast<int>(deadline.remainingTime()))) {
            Fail(FPort.error() == QSerialPort::NoError ? ETIMEDOUT : PortErrorNumber(FPort.error()));
            return false;
        }
    }
    return true;
}

TReadResult TQtSerialDevice::ReadByte(std::uint8_t& byte, int timeoutMs)
{
    // waitForReadyRead waits for new bytes even when some are buffered.
    if (FPort.bytesAvailable() == 0 && !FPort.waitForReadyRead(timeoutMs)) {
        const QSerialPort::SerialPortError error = FPort.error();
        FPort.clearError();
        return error == QSerialPort::NoError || error == QSerialPort::TimeoutError ? TReadResult::Empty
                                                                                    : TReadResult::Failed;
    }
    char c = 0;
    if (FPort.read(&c, 1) != 1) return TReadResult::Failed;
    byte = static_cast<std::uint8_t>(c);
    return TReadResult::Byte;
}

void TQtSerialDevice::WatchReads(std::function<void(TReadResult)> event)
{
    QObject::disconnect(FReadyRead);
    QObject::disconnect(FFailed);
    if (!event) return;
    FReadyRead = QObject::connect(&FPort, &QSerialPort::readyRead, [event] { event(TReadResult::Byte); });
    FFailed = QObject::connect(&FPort, &QSerialPort::errorOccurred, [this, event](QSerialPort::SerialPortError error) {
        // A read fails only when the line has gone (an adapter pulled out,
        // the far end hung up); a failed write is Write's to report.
        if (error != QSerialPort::ReadError && error != QSerialPort::ResourceError) return;
        FErrorNumber = PortErrorNumber(error);
        FError = FPort.errorString();
        event(TReadResult::Failed);
    });
}

}  // namespace orvantis
