// orvantis-cli term in a tmux session against a pseudo-terminal peer: the
// status rows, a typed command answered, Alt+X, and Alt+Q putting the text
// terminal back as it was.

#include "PtyPeer.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <csignal>
#include <functional>

using namespace orvantis::test;

namespace {

constexpr int Port = 38;
// Generous: only a hang reaches it, never a busy machine.
constexpr int HangLimitMs = 20000;

class TTmux {
public:
    TTmux() : FSocket(QStringLiteral("orvantis-term-%1").arg(QCoreApplication::applicationPid())) {}
    ~TTmux() { Run({QStringLiteral("kill-server")}); }

    QString Run(const QStringList& args)
    {
        QProcess tmux;
        tmux.start(QStringLiteral("tmux"), QStringList{QStringLiteral("-L"), FSocket} + args);
        tmux.waitForFinished(HangLimitMs);
        return QString::fromUtf8(tmux.readAllStandardOutput());
    }
    QString Screen() { return Run({QStringLiteral("capture-pane"), QStringLiteral("-p"), QStringLiteral("-t"), QStringLiteral("t")}); }
    void Keys(const QStringList& keys)
    {
        Run(QStringList{QStringLiteral("send-keys"), QStringLiteral("-t"), QStringLiteral("t")} + keys);
    }

private:
    QString FSocket;
};

// Polls until done() holds, serving the peer meanwhile; false after HangLimitMs.
bool WaitFor(const std::function<bool()>& done, const std::function<void()>& serve = {})
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < HangLimitMs) {
        if (serve) serve();
        if (done()) return true;
        QThread::msleep(20);
    }
    return false;
}

}  // namespace

TEST(TerminalCli, TmuxSessionAsAPersonUsesIt)
{
    if (QStandardPaths::findExecutable(QStringLiteral("tmux")).isEmpty()) GTEST_SKIP() << "tmux is not installed";
    TPortFolder ports;
    TPtyPeer peer(ports, Port);
    QTemporaryDir work;
    const QString before = work.filePath(QStringLiteral("before"));
    const QString after = work.filePath(QStringLiteral("after"));
    const QString command =
        QStringLiteral("stty -g > %1; ORVANTIS_PORT_DIR=%2 XDG_CONFIG_HOME=%3 %4 term COM%5; echo EXIT=$?; stty -g > %6; sleep 30")
            .arg(before, ports.Path(), work.path(), QStringLiteral(ORVANTIS_CLI_PATH))
            .arg(Port)
            .arg(after);

    TTmux tmux;
    tmux.Run({QStringLiteral("new-session"), QStringLiteral("-d"), QStringLiteral("-s"), QStringLiteral("t"),
              QStringLiteral("-x"), QStringLiteral("100"), QStringLiteral("-y"), QStringLiteral("30"), command});

    ASSERT_TRUE(WaitFor([&] { return tmux.Screen().contains(QStringLiteral("COM38: 115200 - 8 bits")); }))
        << tmux.Screen().toStdString();
    const QStringList rows = tmux.Screen().split(QLatin1Char('\n'));
    EXPECT_TRUE(rows[0].startsWith(QStringLiteral("Orvantis+: Terminal utility"))) << rows[0].toStdString();
    EXPECT_TRUE(rows[0].trimmed().endsWith(QStringLiteral("[v5.00 - r003]")));
    EXPECT_TRUE(rows[1].startsWith(QStringLiteral("╔═")));
    EXPECT_TRUE(rows[3].contains(QStringLiteral("CR=CR     Echo=None   Mode=Text")));
    EXPECT_TRUE(rows[5].contains(QStringLiteral("[ terminal ]")));

    tmux.Keys({QStringLiteral("*?NAM"), QStringLiteral("Enter")});
    bool answered = false;
    const auto answer = [&] {
        if (!answered && peer.Received().endsWith("*?NAM\r")) {
            peer.Write("\x11\x13\x06ORVANTIS+ DVB-T2\r\n");
            answered = true;
        }
    };
    EXPECT_TRUE(WaitFor([&] { return tmux.Screen().contains(QStringLiteral("ORVANTIS+ DVB-T2")); }, answer))
        << tmux.Screen().toStdString();
    EXPECT_EQ(peer.Received(), QByteArray("*?NAM\r"));

    tmux.Keys({QStringLiteral("M-x")});
    EXPECT_TRUE(WaitFor([&] { return tmux.Screen().contains(QStringLiteral("Mode=Hex")); }));
    peer.Write("\x11");
    EXPECT_TRUE(WaitFor([&] { return tmux.Screen().contains(QStringLiteral("(XON)11.")); }));

    tmux.Keys({QStringLiteral("M-q")});
    ASSERT_TRUE(WaitFor([&] { return tmux.Screen().contains(QStringLiteral("EXIT=0")); })) << tmux.Screen().toStdString();
    const QString end = tmux.Screen();
    EXPECT_FALSE(end.contains(QStringLiteral("[ status ]"))) << "the alternate screen is left";
    EXPECT_TRUE(end.contains(QStringLiteral("Tools: terminal exit at ")));
    // The shell creates the file before stty writes into it.
    ASSERT_TRUE(WaitFor([&] { return QFile::exists(after) && QFileInfo(after).size() > 0; }));
    QFile a(before), b(after);
    ASSERT_TRUE(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly));
    EXPECT_EQ(a.readAll(), b.readAll()) << "the terminal's modes are back as they were";
}

TEST(TerminalCli, KilledTerminalPutsTheTextTerminalBack)
{
    if (QStandardPaths::findExecutable(QStringLiteral("tmux")).isEmpty()) GTEST_SKIP() << "tmux is not installed";
    TPortFolder ports;
    TPtyPeer peer(ports, Port);
    QTemporaryDir work;
    const QString before = work.filePath(QStringLiteral("before"));
    const QString after = work.filePath(QStringLiteral("after"));
    const QString command =
        QStringLiteral("stty -g > %1; ORVANTIS_PORT_DIR=%2 XDG_CONFIG_HOME=%3 %4 term COM%5; echo EXIT=$?; stty -g > %6; sleep 30")
            .arg(before, ports.Path(), work.path(), QStringLiteral(ORVANTIS_CLI_PATH))
            .arg(Port)
            .arg(after);
    TTmux tmux;
    tmux.Run({QStringLiteral("new-session"), QStringLiteral("-d"), QStringLiteral("-s"), QStringLiteral("t"),
              QStringLiteral("-x"), QStringLiteral("100"), QStringLiteral("-y"), QStringLiteral("30"), command});
    ASSERT_TRUE(WaitFor([&] { return tmux.Screen().contains(QStringLiteral("[ status ]")); }));

    const QString shell = tmux.Run({QStringLiteral("list-panes"), QStringLiteral("-t"), QStringLiteral("t"),
                                    QStringLiteral("-F"), QStringLiteral("#{pane_pid}")})
                              .trimmed();
    // The pane's shell runs the terminal as its one child.
    QProcess pgrep;
    pgrep.start(QStringLiteral("pgrep"), {QStringLiteral("-P"), shell});
    pgrep.waitForFinished(HangLimitMs);
    const int pid = QString::fromLatin1(pgrep.readAllStandardOutput()).trimmed().toInt();
    ASSERT_GT(pid, 0);
    ::kill(pid, SIGTERM);
    ASSERT_TRUE(WaitFor([&] { return tmux.Screen().contains(QStringLiteral("EXIT=143")); })) << tmux.Screen().toStdString();
    EXPECT_FALSE(tmux.Screen().contains(QStringLiteral("[ status ]")));
    ASSERT_TRUE(WaitFor([&] { return QFile::exists(after) && QFileInfo(after).size() > 0; }));
    QFile a(before), b(after);
    ASSERT_TRUE(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly));
    EXPECT_EQ(a.readAll(), b.readAll());
}
