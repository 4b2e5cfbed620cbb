#include "QtSerialDevice.h"

#include "PortMap.h"

#include <QDeadlineTimer>
#include <QFileInfo>

namespace orvantis {

namespace {

// A write that the line cannot take within this time has failed: a pulled
// cable must not hold the program.
constexpr int WriteTimeoutMs = 2000;

}  // namespace

bool TQtSerialDevice::Open(const QString& name)
{
    const QString path = DevicePathOf(name);
    if (path.isEmpty()) {
        FError = QStringLiteral("no serial port has this number");
        return false;
    }
    // Absent ports are the common case during detection: no need to ask Qt.
    if (!QFileInfo::exists(path)) {
        FError = QStringLiteral("%1 does not exist").arg(path);
        return false;
    }
    FPort.setPortName(path);
    if (FPort.open(QIODevice::ReadWrite)) return true;
    FError = FPort.errorString();
    FPort.clearError();
    return false;
}

void TQtSerialDevice::Close()
{
    FPort.close();
    FPort.clearError();
}

bool TQtSerialDevice::SetLine()
{
    // No software flow control either: XON and XOFF are the handshake itself.
    const bool ok = FPort.setBaudRate(QSerialPort::Baud115200) && FPort.setDataBits(QSerialPort::Data8) &&
                    FPort.setParity(QSerialPort::NoParity) && FPort.setStopBits(QSerialPort::OneStop) &&
                    FPort.setFlowControl(QSerialPort::NoFlowControl);
    if (!ok) FError = FPort.errorString();
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
    if (FPort.write(data, size) != size) return false;
    QDeadlineTimer deadline(WriteTimeoutMs);
    while (FPort.bytesToWrite() > 0) {
        if (deadline.hasExpired() || !FPort.waitForBytesWritten(static_cast<int>(deadline.remainingTime()))) {
            FPort.clearError();
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

}  // namespace orvantis
