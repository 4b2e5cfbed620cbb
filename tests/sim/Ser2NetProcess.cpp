#include "Ser2NetProcess.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTcpServer>

namespace orvantis::test {

namespace {

// Generous: only a hang fails here, never a slow machine.
constexpr int HangLimitMs = 20000;

// Whether a socket listens on 127.0.0.1:port, from the system's table.
bool IsListening(quint16 port)
{
    QFile table(QStringLiteral("/proc/net/tcp"));
    if (!table.open(QIODevice::ReadOnly)) return false;
    const QByteArray local = QByteArray("0100007F:") + QByteArray::number(port, 16).toUpper().rightJustified(4, '0');
    for (const QByteArray& line : table.readAll().split('\n')) {
        const QList<QByteArray> fields = line.simplified().split(' ');
        if (fields.size() > 3 && fields[1] == local && fields[3] == "0A") return true;
    }
    return false;
}

}  // namespace

quint16 FreeLocalPort()
{
    QTcpServer probe;
    return probe.listen(QHostAddress::LocalHost, 0) ? probe.serverPort() : 0;
}

QString TSer2NetProcess::Program()
{
    const QString found = QStandardPaths::findExecutable(QStringLiteral("ser2net"));
    if (!found.isEmpty()) return found;
    // Debian puts it in sbin, which a user's PATH may lack.
    return QStandardPaths::findExecutable(QStringLiteral("ser2net"), {QStringLiteral("/usr/sbin"), QStringLiteral("/usr/local/sbin")});
}

QString TSer2NetProcess::MissingReason()
{
    if (!Program().isEmpty()) return {};
    return QStringLiteral("ser2net is not installed (Debian package ser2net; scripts/deps.sh --test installs it), "
                          "so the ports served over the network are not tried");
}

bool TSer2NetProcess::Start(const QString& dir, const QList<TServed>& served)
{
    FServed = served;
    FPorts.clear();
    QByteArray yaml;
    for (int i = 0; i < served.size(); ++i) {
        const quint16 port = FreeLocalPort();
        if (port == 0) return false;
        FPorts << port;
        // nodelay and no chardelay: ser2net would otherwise hold every burst.
        yaml += QStringLiteral("connection: &port%1\n"
                               "  accepter: %2tcp(nodelay),127.0.0.1,%3\n"
                               "  connector: serialdev,%4,%5,local\n"
                               "  options:\n"
                               "    chardelay: false\n")
                    .arg(i)
                    .arg(served[i].Rfc2217 ? QStringLiteral("telnet(rfc2217),") : QString())
                    .arg(port)
                    .arg(served[i].Device, served[i].Settings)
                    .toUtf8();
    }
    const QString config = QDir(dir).filePath(QStringLiteral("ser2net.yaml"));
    QFile file(config);
    if (!file.open(QIODevice::WriteOnly) || file.write(yaml) != yaml.size()) return false;
    file.close();

    FProcess.setProcessChannelMode(QProcess::MergedChannels);
    FProcess.start(Program(), {QStringLiteral("-n"), QStringLiteral("-d"), QStringLiteral("-c"), config});
    if (!FProcess.waitForStarted(HangLimitMs)) return false;
    // ser2net says nothing when it is ready: it is once every port listens.
    // A probe connection would open the device and hold the port a moment,
    // so ask the system instead.
    const QDeadlineTimer deadline(HangLimitMs);
    for (quint16 port : FPorts) {
        while (!IsListening(port)) {
            if (deadline.hasExpired() || FProcess.state() != QProcess::Running) return false;
            FProcess.waitForReadyRead(10);  // ends early when ser2net says something
        }
    }
    return true;
}

void TSer2NetProcess::Stop()
{
    if (FProcess.state() == QProcess::NotRunning) return;
    FProcess.terminate();
    if (!FProcess.waitForFinished(HangLimitMs)) {
        FProcess.kill();
        FProcess.waitForFinished(HangLimitMs);
    }
}

QString TSer2NetProcess::Address(int i) const
{
    return QStringLiteral("%1://127.0.0.1:%2")
        .arg(FServed.value(i).Rfc2217 ? QStringLiteral("rfc2217") : QStringLiteral("tcp"))
        .arg(FPorts.value(i));
}

QByteArray TSer2NetProcess::Output()
{
    return FProcess.readAll();
}

}  // namespace orvantis::test
