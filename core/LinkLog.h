#pragma once
// The log lines of what the instrument link does: the detection's line per
// port, each area's loading line and every reply, every project line sent
// with " OK" or after "error at: ", and why a network port was not reached
// or was lost. The window and orvantis-cli log the same.

#include "LinkObserver.h"

#include <functional>

namespace orvantis {

class TLinkLog : public ILinkObserver {
public:
    using TLogFn = std::function<void(const QString&)>;
    explicit TLinkLog(TLogFn log) : FLog(std::move(log)) {}
    // Reads that only back up or compare the instrument leave the log to
    // their own summary line.
    void SetMuted(bool muted) { FMuted = muted; }

    void DetectionStarted() override;
    void PortObjectFailed() override;
    void PortUnavailable(const QString& port, const QString& reason) override;
    void PortNotUsed(const QString& port) override;
    void InstrumentFound(const TInstrumentInfo& instrument) override;
    void AreaStarted(TArea area) override;
    void ReplyRead(std::string_view line) override;
    void LineSent(std::string_view line, bool accepted) override;
    void ConnectionLost(const QString& port, const QString& reason) override;

private:
    void Put(const QString& line);

    TLogFn FLog;
    bool FMuted = false;
};

}  // namespace orvantis
