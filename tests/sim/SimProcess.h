#pragma once
// Runs orvantis-sim for a test on a pseudo-terminal linked as DIR/COMn, and
// always stops it.

#include <QProcess>
#include <QString>
#include <QStringList>

namespace orvantis::test {

class TSimProcess {
public:
    TSimProcess() = default;
    ~TSimProcess() { Stop(); }
    TSimProcess(const TSimProcess&) = delete;
    TSimProcess& operator=(const TSimProcess&) = delete;

    // Starts the simulator and waits until its link exists.
    bool Start(const QString& dir, int com, const QStringList& options = {});
    // SIGTERM, then SIGKILL if it does not end in time. True when it ended by itself.
    bool Stop();
    QString LinkPath() const { return FLinkPath; }
    QByteArray Output() { return FOutput += FProcess.readAllStandardOutput(); }
    // Waits at most ms for more output; false when none came.
    bool WaitForOutput(int ms) { return FProcess.waitForReadyRead(ms); }

private:
    QProcess FProcess;
    QString FLinkPath;
    QByteArray FOutput;
};

}  // namespace orvantis::test
