#pragma once
// The few things the instrument link and the terminal need of a port. The
// program gets its devices from PortDevice.h; tests use scripted devices.

#include "PortAddress.h"

#include <QByteArray>
#include <QString>

#include <cerrno>
#include <cstdint>
#include <functional>

namespace orvantis {

enum class TReadResult { Byte, Empty, Failed };

class ISerialDevice {
public:
    virtual ~ISerialDevice() = default;
    // Opens the port at address for exclusive read and write.
    virtual bool Open(const TPortAddress& address) = 0;
    // The system's reason for the last Open, SetLine or Write that failed.
    virtual QString ErrorString() const = 0;
    // The same as a system error number (errno), for the terminal's log.
    virtual int ErrorNumber() const { return EIO; }
    virtual bool IsOpen() const = 0;
    virtual void Close() = 0;
    // The line settings of every port the program opens: 115200 baud,
    // 8 data bits, no parity, 1 stop bit, no flow control.
    virtual bool SetLine() = 0;
    virtual bool SetDtr(bool on) = 0;
    virtual bool SetRts(bool on) = 0;
    // Discards whatever waits in either direction.
    virtual bool Purge() = 0;
    // Writes all of data; false when it could not.
    virtual bool Write(const char* data, int size) = 0;
    // Reads one byte, waiting at most timeoutMs for it.
    virtual TReadResult ReadByte(std::uint8_t& byte, int timeoutMs) = 0;

    // Event-driven reading, for the terminal: event is called from the event
    // loop with Byte when bytes have come (TakeAvailable then takes them) and
    // with Failed when the line has gone (ErrorNumber says why). An empty
    // function stops the calls. Devices that only the link uses need not
    // support it.
    virtual void WatchReads(std::function<void(TReadResult)> event) { (void)event; }
    // The bytes that have come, without waiting.
    virtual QByteArray TakeAvailable() { return {}; }
};

}  // namespace orvantis
