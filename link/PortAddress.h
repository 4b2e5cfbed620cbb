#pragma once
// TPortAddress: a port the program can reach an instrument on, by the name
// the user sees and types: "COM3" (COM1 to COM40; the port map says which
// device that is on this system), "tcp://bench1:3001" (a serial port that
// another machine serves as raw TCP, as ser2net does) or
// "rfc2217://bench1:3002" (served over Telnet with RFC 2217, which lets the
// program set the line). Addresses are read and named here only;
// the lists of ports, the log, the status bar and the terminal's stored port
// all use these names.

#include <QList>
#include <QString>

#include <optional>

namespace orvantis {

inline constexpr int ComPortCount = 40;

class TPortAddress {
public:
    enum class TKind { Com, Tcp, Rfc2217 };

    // No port: an empty name. Useful only as a placeholder.
    TPortAddress() = default;

    // "COM3" (1 to 40, any case, blanks around allowed), "tcp://HOST:PORT" or
    // "rfc2217://HOST:PORT" (HOST a name, an IPv4 address or an IPv6 address
    // in brackets; PORT 1 to 65535); nothing for any other text.
    static std::optional<TPortAddress> Parse(const QString& text);
    // COM number 1 to 40.
    static TPortAddress Com(int number);

    TKind Kind() const { return FKind; }
    // 1 to 40; 0 when this is not a COM port.
    int ComNumber() const { return FKind == TKind::Com ? FNumber : 0; }
    // Network kinds only.
    QString Host() const { return FHost; }
    quint16 Port() const { return FPort; }
    // "COM3", "tcp://bench1:3001": what the log, the status bar and the
    // settings show.
    QString Name() const;

    bool operator==(const TPortAddress&) const = default;

private:
    TKind FKind = TKind::Com;
    int FNumber = 0;
    QString FHost;
    quint16 FPort = 0;
};

// COM1 to COM40, in that order.
QList<TPortAddress> ComPorts();

// "COM2,COM5-COM9" (any case, blanks allowed): the ports it names, COM ports
// in ascending order and each once; nothing when a part is not an address or
// a range of COM ports.
std::optional<QList<TPortAddress>> ParsePortList(const QString& text);

}  // namespace orvantis
