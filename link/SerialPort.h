#pragma once
// TSerialPort: the blocking link to the instrument over one port, with
// the instrument's byte handshake. One exchange on the line:
//
//   instrument  XON                       ready for a command
//   program          "*?NAM" CR LF        the command line (at most 255 bytes)
//   instrument  XOFF                      line received
//   instrument  ACK | NAK                 accepted | refused
//   instrument  "*NAM OV+ DVB-T2" CR      reply line, queries only
//
// Bytes other than the awaited one are dropped while waiting for XON, XOFF
// and ACK. Every read is of one byte and waits at most ReadTimeoutMs; there
// are no other timers and no sleeps. Results are booleans, also kept in
// FLastResult; the class writes no log.
//
// Set ORVANTIS_TRACE=1 to get every byte on the line in hexadecimal on stderr.

#include "SerialDevice.h"

#include <QByteArray>

#include <memory>

namespace orvantis {

inline constexpr std::uint8_t XON = 0x11;
inline constexpr std::uint8_t XOFF = 0x13;
inline constexpr std::uint8_t ACK = 0x06;
inline constexpr std::uint8_t NAK = 0x15;

// Why the last exchange on a port failed.
enum class TExchangeFault {
    None,
    NoAnswer,  // the awaited byte or reply did not come in time
    Refused,   // NAK in place of ACK
    LineLost,  // the port itself failed: a pulled cable, a device gone
};

class TSerialPort {
public:
    // 5 ms per byte asked for plus 100 ms, as the instrument's tools set it.
    static constexpr int ReadTimeoutMs = 105;
    // Reads that bring nothing before a wait gives up: about 3.4 s of silence.
    static constexpr int MaxMisses = 32;
    // A device that streams without pause (noise, a wrong instrument) ends a
    // wait after this many dropped bytes: far more than a true instrument
    // leaves between two handshake bytes, under 0.1 s at 115200 baud.
    static constexpr int MaxDroppedBytes = 1024;
    // Longest command text; with CR LF the line is at most 255 bytes.
    static constexpr int MaxCommandLength = 253;

    TSerialPort(int index, std::unique_ptr<ISerialDevice> device);
    TSerialPort(const TPortAddress& address, std::unique_ptr<ISerialDevice> device);
    ~TSerialPort();
    TSerialPort(const TSerialPort&) = delete;
    TSerialPort& operator=(const TSerialPort&) = delete;

    // The port table: index 0 to 39 selects COM1 to COM40, any other COM2.
    void SelectPort(unsigned index);
    // Any port: a COM port's index is its number less one; other kinds of
    // port have no index (GetPortIndex gives the largest value).
    void SelectPort(const TPortAddress& address);
    const TPortAddress& Address() const { return FAddress; }
    const char* GetPortName() const { return FName.constData(); }
    unsigned GetPortIndex() const { return FIndex; }
    bool IsOpen() const { return FDevice->IsOpen(); }
    // The system's reason when Open or Configure failed.
    QString ErrorString() const { return FDevice->ErrorString(); }

    bool Open();
    bool Configure();
    void Close();
    bool WriteLine(char* text);
    bool WaitForByte(std::uint8_t b);
    bool SendCommand(const char* command);
    bool ReadLine(char* buffer, int len);
    bool Query(char* buffer, int len);
    // What made the last SendCommand or Query fail; None after a success.
    TExchangeFault LastFault() const { return FLastFault; }

private:
    TReadResult ReadOne(std::uint8_t& byte);
    void TraceReads();

    unsigned FIndex = 0;
    TPortAddress FAddress;
    QByteArray FName;
    std::unique_ptr<ISerialDevice> FDevice;
    bool FLastResult = false;
    TExchangeFault FLastFault = TExchangeFault::None;
    bool FTrace = false;
    QByteArray FTraceReads;
};

}  // namespace orvantis
