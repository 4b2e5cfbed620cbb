#include "Ser2NetProcess.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QRandomGenerator>
#include <QTcpServer>

#include <optional>

namespace orvantis::test {

namespace {

// Generous: only a hang fails here, never a slow machine.
constexpr int HangLimitMs = 20000;

// Who listens on 127.0.0.1:port, from the system's table: the socket's
// inode, or nothing.
std::optional<QByteArray> ListeningSocket(quint16 port)
{
    QFile table(QStringLiteral("/proc/net/tcp"));
    if (!table.open(QIODevice::ReadOnly)) return std::nullopt;
    const QByteArray local = QByteArray("0100007F:") + QByteArray::number(port, 16).toUpper().rightJustified(4, '0');
    for (const QByteArray& line : table.readAll().split('\n')) {
        const QList<QByteArray> fields = line.simplified().split(' ');
        if (fields.size() > 9 && fields[1] == local && fields[3] == "0A") return fields[9];
    }
    return std::nullopt;
}

// Whether the process holds the socket: tests run side by side, and another
// test's ser2net may have taken the port between our probe and our start.
bool Holds(qint64 pid, const QByteArray& inode)
{
    const QString target = QStringLiteral("socket:[%1]").arg(QString::fromLatin1(inode));
    const QDir fds(QStringLiteral("/proc/%1/fd").arg(pid));
    for (const QFileInfo& fd : fds.entryInfoList(QDir::Files | QDir::System | QDir::NoDotAndDotDot))
        if (fd.symLinkTarget().endsWith(target)) return true;
    return false;
}

}  // namespace

// Below the range the system takes client ports from, so that no connection
// of a test running beside this one sits on it; checked free by binding it.
quint16 FreeLocalPort()
{
    static QRandomGenerator random = QRandomGenerator::securelySeeded();
    for (int attempt = 0; attempt < 200; ++attempt) {
        QTcpServer probe;
        const auto port = static_cast<quint16>(random.bounded(20000, 32000));
        if (probe.listen(QHostAddress::LocalHost, port)) return port;
    }
    return 0;
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
    const QDeadlineTimer deadline(HangLimitMs);
    // A port taken by another test between the probe and ser2net's bind:
    // start again on other ports.
    while (!deadline.hasExpired()) {
        switch (StartOnce(dir, served, deadline)) {
        case TStart::Ready: return true;
        case TStart::Failed: return false;
        case TStart::PortTaken: Stop(); break;
        }
    }
    return false;
}

TSer2NetProcess::TStart TSer2NetProcess::StartOnce(const QString& dir, const QList<TServed>& served,
                                                   const QDeadlineTimer& deadline)
{
    FServed = served;
    FPorts.clear();
    QByteArray yaml;
    for (int i = 0; i < served.size(); ++i) {
        const quint16 port = FreeLocalPort();
        if (port == 0) return TStart::Failed;
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
    if (!file.open(QIODevice::WriteOnly) || file.write(yaml) != yaml.size()) return TStart::Failed;
    file.close();

    FProcess.setProcessChannelMode(QProcess::MergedChannels);
    FProcess.start(Program(), {QStringLiteral("-n"), QStringLiteral("-d"), QStringLiteral("-c"), config});
    if (!FProcess.waitForStarted(HangLimitMs)) return TStart::Failed;
    // ser2net says nothing when it is ready: it is once it listens on every
    // port. A probe connection would open the device and hold the port a
    // moment, so ask the system instead, and make sure the listener is ours.
    for (quint16 port : FPorts) {
        for (;;) {
            if (const std::optional<QByteArray> inode = ListeningSocket(port)) {
                if (Holds(FProcess.processId(), *inode)) break;
                return TStart::PortTaken;
            }
            if (deadline.hasExpired() || FProcess.state() != QProcess::Running) return TStart::Failed;
            FProcess.waitForReadyRead(10);  // ends early when ser2net says something
        }
    }
    return TStart::Ready;
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
