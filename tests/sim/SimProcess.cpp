#include "SimProcess.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>

namespace orvantis::test {

namespace {

// Generous: only a hang fails here, never a slow machine.
constexpr int HangLimitMs = 20000;

}  // namespace

bool TSimProcess::Start(const QString& dir, int com, const QStringList& options)
{
    FLinkPath = QDir(dir).filePath(QStringLiteral("COM%1").arg(com));
    FProcess.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    FProcess.start(QStringLiteral(ORVANTIS_SIM_PATH),
                   QStringList{QStringLiteral("--dir"), dir, QStringLiteral("--com"), QString::number(com)} + options);
    // The simulator prints its start line once the link exists.
    const QDeadlineTimer deadline(HangLimitMs);
    while (!Output().contains("Ctrl+C ends")) {
        if (deadline.hasExpired() || !FProcess.waitForReadyRead(static_cast<int>(deadline.remainingTime()))) return false;
    }
    return QFileInfo(FLinkPath).isSymLink();
}

bool TSimProcess::Stop()
{
    if (FProcess.state() == QProcess::NotRunning) return true;
    FProcess.terminate();
    if (FProcess.waitForFinished(HangLimitMs)) {
        Output();
        return FProcess.exitStatus() == QProcess::NormalExit && FProcess.exitCode() == 0;
    }
    FProcess.kill();
    FProcess.waitForFinished(HangLimitMs);
    return false;
}

}  // namespace orvantis::test
