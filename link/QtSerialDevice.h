#pragma once
// A COM port of the program: Qt SerialPort on the device that the port map
// gives for its address (PortMap.h).

#include "SerialDevice.h"

#include <QSerialPort>

namespace orvantis {

class TQtSerialDevice : public ISerialDevice {
public:
    bool Open(const TPortAddress& address) override;
    QString ErrorString() const override { return FError; }
    int ErrorNumber() const override { return FErrorNumber; }
    bool IsOpen() const override { return FPort.isOpen(); }
    void Close() override;
    bool SetLine() override;
    bool SetDtr(bool on) override;
    bool SetRts(bool on) override;
    bool Purge() override;
    bool Write(const char* data, int size) override;
    TReadResult ReadByte(std::uint8_t& byte, int timeoutMs) override;
    void WatchReads(std::function<void(TReadResult)> event) override;
    QByteArray TakeAvailable() override { return FPort.readAll(); }

private:
    void Fail(int errorNumber);

    QSerialPort FPort;
    QString FError;
    int FErrorNumber = 0;
    QMetaObject::Connection FReadyRead;
    QMetaObject::Connection FFailed;
};

// The system error number behind a Qt SerialPort error.
int PortErrorNumber(QSerialPort::SerialPortError error);

}  // namespace orvantis
