#pragma once
// The instrument's side of the serial link, without the line itself: the
// host (the pseudo-terminal of orvantis-sim, or a test's fake device) passes
// in what the program wrote and sends out what comes back.
//
//   IdleOutput()   XON while the instrument waits for a command
//   Receive(line)  XOFF, then ACK or NAK, then the reply line of a query
//
// Commands: "*?NAM", "*?VER", "*58203" (access code), "*?E2PaaaaCCC" (reply
// "*E2P" + the bytes in hexadecimal, so that from its fifth character on it
// is a record's data), "*E2Paaaa" + byte pairs (writes), "*RST" (ends the
// access). EEPROM commands are refused without the access code.

#include <QByteArray>
#include <QList>
#include <QString>

#include <functional>
#include <optional>

namespace orvantis::sim {

struct TFaults {
    bool Silent = false;            // never sends anything
    bool Noise = false;             // streams bytes without pause, never a handshake
    bool NakAll = false;            // refuses every command
    std::optional<unsigned> NakAddress;  // refuses EEPROM commands at this address
    std::optional<unsigned> NakReadAddress;  // refuses reads (only) at this address
    int DropAfter = -1;             // goes silent after this many commands (-1: never)
};

class TSimInstrument {
public:
    // nameReply and versionReply are the whole reply lines, e.g. "*NAM OV+ DVB-T2".
    TSimInstrument(QByteArray nameReply, QByteArray versionReply, QByteArray image, TFaults faults = {});

    // What the instrument sends while it waits (XON, noise or nothing).
    QByteArray IdleOutput();
    // Takes bytes written by the program; returns the bytes sent back.
    QByteArray Receive(const QByteArray& bytes);

    const QByteArray& Image() const { return FImage; }
    bool HasAccess() const { return FAccess; }
    int CommandCount() const { return FCommands; }
    bool ImageChanged() const { return FImageChanged; }
    // Record commands taken into the memory, their addresses in order, and
    // the "*RST" taken, since the start.
    int RecordsWritten() const { return static_cast<int>(FWritten.size()); }
    const QList<unsigned>& WrittenAddresses() const { return FWritten; }
    int Resets() const { return FResets; }
    // True while part of a command line has come in.
    bool InCommand() const { return !FLine.isEmpty(); }

    // Called with a line for each thing the instrument does, for its log.
    std::function<void(const QString&)> OnEvent;
    // Called after every "*RST" taken.
    std::function<void()> OnReset;

private:
    QByteArray Answer(const QByteArray& command);
    bool Refused(const QByteArray& command) const;
    void Event(const QString& text) const
    {
        if (OnEvent) OnEvent(text);
    }

    QByteArray FNameReply;
    QByteArray FVersionReply;
    QByteArray FImage;
    TFaults FFaults;
    QByteArray FLine;
    bool FAccess = false;
    bool FImageChanged = false;
    int FCommands = 0;
    QList<unsigned> FWritten;
    int FResets = 0;
    unsigned FNoiseSeed = 12345;
};

}  // namespace orvantis::sim
