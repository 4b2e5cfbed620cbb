#include "SimProcess.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QThread>

namespace orvantis::test {

bool TSimProcess::Start(const QString& dir, int com, const QStringList& options)
{
    FLinkPath = QDir(dir).filePath(QStringLiteral("COM%1").arg(com));
    FProcess.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    FProcess.start(QStringLiteral(ORVANTIS_SIM_PATH),
                   QStringList{QStringLiteral("--dir"), dir, QStringLiteral("--com"), QString::number(com)} + options);
    if (!FProcess.waitForStarted(5000)) return false;
    const QDeadlineTimer deadline(5000);
    while (!deadline.hasExpired()) {
        if (QFileInfo(FLinkPath).isSymLink()) return true;
        if (FProcess.state() != QProcess::Running) return false;
        QThread::msleep(10);
    }
    return false;
}

bool TSimProcess::Stop()
{
    if (FProcess.state() == QProcess::NotRunning) return true;
    FProcess.terminate();
    if (FProcess.waitForFinished(5000)) {
        Output();
        return FProcess.exitStatus() == QProcess::NormalExit && FProcess.exitCode() == 0;
    }
    FProcess.kill();
    FProcess.waitForFinished(5000);
    return false;
}

}  // namespace orvantis::test
