#pragma once
// The few things the instrument link needs of a serial port. The program uses
// Qt SerialPort (TQtSerialDevice); tests use scripted devices.

#include <QString>

#include <cstdint>

namespace orvantis {

enum class TReadResult { Byte, Empty, Failed };

class ISerialDevice {
public:
    virtual ~ISerialDevice() = default;
    // Opens the port called name ("COM3") for exclusive read and write.
    virtual bool Open(const QString& name) = 0;
    // The system's reason for the last Open or SetLine that failed.
    virtual QString ErrorString() const = 0;
    virtual bool IsOpen() const = 0;
    virtual void Close() = 0;
    // 115200 baud, 8 data bits, no parity, 1 stop bit, no flow control.
    virtual bool SetLine() = 0;
    virtual bool SetDtr(bool on) = 0;
    virtual bool SetRts(bool on) = 0;
    // Discards whatever waits in either direction.
    virtual bool Purge() = 0;
    // Writes all of data; false when it could not.
    virtual bool Write(const char* data, int size) = 0;
    // Reads one byte, waiting at most timeoutMs for it.
    virtual TReadResult ReadByte(std::uint8_t& byte, int timeoutMs) = 0;
};

}  // namespace orvantis
