#pragma once
// The instrument operations' host on the command line: log lines go to
// standard output; there is no tool bar or status bar to update.

#include "LinkHost.h"

#include <functional>

namespace orvantis {

class TCliLinkHost : public ILinkHost {
public:
    explicit TCliLinkHost(std::function<void(const QString&)> log) : FLog(std::move(log)) {}
    void Log(const QString& line) override { FLog(line); }
    void ProcessPendingInput() override;
    void SetDetectImage(int) override {}
    void SetStatusPanel(int, const QString&) override {}
    void Beep() override;
    void ProjectChanged() override {}
    // On a terminal only, so that piped output holds the log lines alone.
    void ShowProgress(int done, int total) override;

private:
    std::function<void(const QString&)> FLog;
};

}  // namespace orvantis
