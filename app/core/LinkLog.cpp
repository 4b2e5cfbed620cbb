#include "LinkLog.h"

#include "TextCodec.h"

namespace orvantis {

void TLinkLog::DetectionStarted()
{
    FLog(QStringLiteral("Detecting equipment and COM port"));
}

void TLinkLog::PortObjectFailed()
{
    FLog(QStringLiteral("Unable to create object port"));
}

void TLinkLog::PortUnavailable(const QString& port)
{
    FLog(QStringLiteral("%1 not available").arg(port));
}

void TLinkLog::PortNotUsed(const QString& port)
{
    FLog(QStringLiteral("%1 -> not used").arg(port));
}

void TLinkLog::InstrumentFound(const TInstrumentInfo& instrument)
{
    FLog(QStringLiteral("%1 -> %2 ver%3").arg(instrument.Port, instrument.Name, instrument.VersionText));
}

void TLinkLog::AreaStarted(TArea area)
{
    switch (area) {
    case TArea::Config: FLog(QStringLiteral("loading configuration data...")); break;
    case TArea::Points: FLog(QStringLiteral("loading identification points data...")); break;
    case TArea::Bands: FLog(QStringLiteral("loading identification Scan data...")); break;
    case TArea::Messages: FLog(QStringLiteral("loading text messages data...")); break;
    }
}

void TLinkLog::ReplyRead(std::string_view line)
{
    FLog(DecodeText(line));
}

void TLinkLog::LineSent(std::string_view line, bool accepted)
{
    FLog(accepted ? DecodeText(line) + QStringLiteral(" OK") : QStringLiteral("error at: ") + DecodeText(line));
}

}  // namespace orvantis
