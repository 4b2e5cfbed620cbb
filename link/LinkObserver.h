#pragma once
// What the instrument link tells while it works, in the instrument's terms:
// which port it tries and what answered there, which area it reads, every
// reply and every project line it sends, how far it has got. The application
// turns these into log lines; the window also into its status bar panels,
// the Detect button's image and a progress bar. Every event has an empty
// default, so an observer takes only what it shows.

#include "ReadPlan.h"
#include "SerialPort.h"

#include <QString>

#include <string_view>

namespace orvantis {

// The instrument that answered on a port.
struct TInstrumentInfo {
    QString Port;         // "COM3"
    QString Name;         // "OV+ DVB-T2", as read and upper-cased
    QString VersionText;  // "1.20", the version reply from its first digit
    int Model = 0;        // row in the model table
    float Version = 3.0f;
};

class ILinkObserver {
public:
    virtual ~ILinkObserver() = default;

    // Detection: it begins; the port object could not be made (nothing more
    // happens); the earlier find is forgotten and the ports are tried in turn.
    virtual void DetectionStarted() {}
    virtual void PortObjectFailed() {}
    virtual void SearchStarted() {}
    // One port tried: it would not open (and the system's reason); it opened
    // but no instrument this program serves answered; the instrument
    // answered (the search ends).
    virtual void PortUnavailable(const QString& /*port*/, const QString& /*reason*/) {}
    virtual void PortNotUsed(const QString& /*port*/) {}
    virtual void InstrumentFound(const TInstrumentInfo& /*instrument*/) {}

    // Reading: an area begins; one request's reply line as received (empty
    // when the instrument acknowledged but sent nothing), or the request itself
    // when the instrument did not acknowledge it.
    virtual void AreaStarted(TArea /*area*/) {}
    virtual void ReplyRead(std::string_view /*line*/) {}
    // Writing: one project line done; accepted is false when the instrument
    // refused or did not answer its record, or the line lacks its command.
    virtual void LineSent(std::string_view /*line*/, bool /*accepted*/) {}
    // A read request or record command of a transfer failed, and why: told
    // before its ReplyRead or LineSent. (A reply line that stays empty is
    // no answer.)
    virtual void ExchangeFailed(std::string_view /*command*/, TExchangeFault /*fault*/) {}
    // A port served over the network lost its connection in the middle of
    // an operation, and the system's reason; told once per opening.
    virtual void ConnectionLost(const QString& /*port*/, const QString& /*reason*/) {}

    // done of total requests or lines; (0, 0) when the transfer has ended.
    virtual void Progress(int /*done*/, int /*total*/) {}
    // Between two exchanges: a moment to take pending input.
    virtual void Waiting() {}
};

}  // namespace orvantis
