#pragma once
// The instrument operations' host on the command line: log lines go to
// standard output, the progress to a terminal's standard error; there is no
// tool bar or status bar to update.

#include "SessionHost.h"

#include <functional>

namespace orvantis {

class TCliSessionHost : public ISessionHost {
public:
    explicit TCliSessionHost(std::function<void(const QString&)> log) : FLog(std::move(log)) {}
    void Log(const QString& line) override { FLog(line); }
    void Beep() override;
    void Waiting() override;
    // On a terminal only, so that piped output holds the log lines alone.
    void Progress(int done, int total) override;

private:
    std::function<void(const QString&)> FLog;
};

}  // namespace orvantis
