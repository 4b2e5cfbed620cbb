#pragma once
// The serial device of the program: Qt SerialPort on the device that a COM
// name stands for (PortMap.h).

#include "SerialDevice.h"

#include <QSerialPort>

namespace orvantis {

class TQtSerialDevice : public ISerialDevice {
public:
    bool Open(const QString& name) override;
    QString ErrorString() const override { return FError; }
    bool IsOpen() const override { return FPort.isOpen(); }
    void Close() override;
    bool SetLine() override;
    bool SetDtr(bool on) override;
    bool SetRts(bool on) override;
    bool Purge() override;
    bool Write(const char* data, int size) override;
    TReadResult ReadByte(std::uint8_t& byte, int timeoutMs) override;

private:
    QSerialPort FPort;
    QString FError;
};

}  // namespace orvantis
