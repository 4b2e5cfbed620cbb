#include "LinkLog.h"

#include "PortAddress.h"
#include "TextCodec.h"

namespace orvantis {

void TLinkLog::Put(const QString& line)
{
    if (!FMuted) FLog(line);
}

void TLinkLog::DetectionStarted()
{
    Put(QStringLiteral("Detecting equipment and COM port"));
}

void TLinkLog::PortObjectFailed()
{
    Put(QStringLiteral("Unable to create object port"));
}

void TLinkLog::PortUnavailable(const QString& port, const QString& reason)
{
    // A COM port that is not there is the common case; a network port that
    // cannot be reached has a reason worth reading.
    const std::optional<TPortAddress> address = TPortAddress::Parse(port);
    if (address && address->Kind() != TPortAddress::TKind::Com && !reason.isEmpty())
        Put(QStringLiteral("%1 not available: %2").arg(port, reason));
    else
        Put(QStringLiteral("%1 not available").arg(port));
}

void TLinkLog::ConnectionLost(const QString& port, const QString& reason)
{
    Put(QStringLiteral("%1: connection lost: %2").arg(port, reason));
}

void TLinkLog::PortNotUsed(const QString& port)
{
    Put(QStringLiteral("%1 -> not used").arg(port));
}

void TLinkLog::InstrumentFound(const TInstrumentInfo& instrument)
{
    Put(QStringLiteral("%1 -> %2 ver%3").arg(instrument.Port, instrument.Name, instrument.VersionText));
}

void TLinkLog::AreaStarted(TArea area)
{
    switch (area) {
    case TArea::Config: Put(QStringLiteral("loading configuration data...")); break;
    case TArea::Points: Put(QStringLiteral("loading identification points data...")); break;
    case TArea::Bands: Put(QStringLiteral("loading identification Scan data...")); break;
    case TArea::Messages: Put(QStringLiteral("loading text messages data...")); break;
    }
}

void TLinkLog::ReplyRead(std::string_view line)
{
    Put(DecodeText(line));
}

void TLinkLog::LineSent(std::string_view line, bool accepted)
{
    Put(accepted ? DecodeText(line) + QStringLiteral(" OK") : QStringLiteral("error at: ") + DecodeText(line));
}

}  // namespace orvantis
