// detect, send and receive --all through orvantis-cli against several
// orvantis-sim instruments at once, some of them failing.

#include "EquipmentIdentity.h"
#include "Profile.h"
#include "ProjectRecords.h"
#include "QtSerialDevice.h"
#include "SimProcess.h"
#include "TextFile.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <cerrno>
#include <fcntl.h>
#include <stdlib.h>
#include <sys/ioctl.h>
#include <thread>
#include <unistd.h>

using namespace orvantis;
using namespace orvantis::test;

namespace {

// Generous: only a hang fails here, never a slow machine.
constexpr int HangLimitMs = 60000;

struct TCliRun {
    int Exit = -1;
    QStringList Out;
    QString Err;
};

class PtyFleet : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(FDir.isValid());
        qputenv("ORVANTIS_PORT_DIR", FDir.filePath("ports").toLocal8Bit());
        ASSERT_TRUE(QDir().mkpath(FDir.filePath("ports")));
    }
    void TearDown() override { qunsetenv("ORVANTIS_PORT_DIR"); }

    QString Path(const QString& name) const { return FDir.filePath(name); }
    TSimProcess& Sim(int com, const QStringList& options = {})
    {
        auto& sim = FSims.emplace_back(std::make_unique<TSimProcess>());
        EXPECT_TRUE(sim->Start(Path("ports"), com, options + QStringList{"--quiet"}));
        return *sim;
    }
    TCliRun Cli(const QStringList& args)
    {
        QProcess cli;
        cli.start(QStringLiteral(ORVANTIS_CLI_PATH), args);
        TCliRun run;
        if (!cli.waitForFinished(HangLimitMs)) {
            cli.kill();
            cli.waitForFinished();
            ADD_FAILURE() << "orvantis-cli did not finish";
            return run;
        }
        run.Exit = cli.exitStatus() == QProcess::NormalExit ? cli.exitCode() : -1;
        run.Out = QString::fromUtf8(cli.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
        run.Err = QString::fromUtf8(cli.readAllStandardError());
        return run;
    }
    // The closing table's row of a port, its columns split at runs of blanks.
    static QStringList Row(const TCliRun& run, const QString& port)
    {
        const QStringList rows = run.Out.filter(QRegularExpression("^" + port + " "));
        return rows.isEmpty() ? QStringList() : rows.last().split(QRegularExpression("\\s{2,}"));
    }

    QTemporaryDir FDir;
    std::vector<std::unique_ptr<TSimProcess>> FSims;
};

}  // namespace

TEST_F(PtyFleet, DetectAllListsEveryInstrumentOfOursAndNoOtherPort)
{
    Sim(1);
    Sim(3, {"--name", "OV+ ISDB-T", "--version", "1.35"});
    Sim(4, {"--silent"});
    Sim(6, {"--name", "QUELMAR-1"});

    const TCliRun all = Cli({"detect", "--all"});
    EXPECT_EQ(all.Exit, 0);
    EXPECT_EQ(all.Out, QStringList({"COM1 -> OV+ DVB-T2 ver1.20", "COM3 -> OV+ ISDB-T ver1.35"}));

    const TCliRun others = Cli({"detect", "--all", "--ports", "COM2,COM5-COM6"});
    EXPECT_EQ(others.Exit, 1);
    EXPECT_TRUE(others.Out.isEmpty());
}

// One instrument loses its line in the middle of the send; the other two
// take the whole project, and all three were backed up first.
TEST_F(PtyFleet, SendAllCompletesEveryOtherInstrumentWhenOneFails)
{
    // The factory settings but for the first point and the last message,
    // which only a whole send carries.
    const QString project = Path("project.pro");
    TFixedIdentity identity;
    TLineList text;
    TProfile profile(&text, identity);
    profile.SetDefaults();
    profile.SetPointName(0, "FIELD 01");
    profile.SetMessageText(56, "BATCH 7");
    profile.WriteProject(&text, "project.pro", "");
    ASSERT_TRUE(SaveTextLines(project, text).Ok);
    // Detection, the version, the backup (access code and 112 reads) and the
    // access code take 118 commands: the line goes among the first records.
    TSimProcess& first = Sim(1, {"--eeprom", Path("com1.pro")});
    TSimProcess& failing = Sim(2, {"--eeprom", Path("com2.pro"), "--hangup-after", "150"});
    TSimProcess& third = Sim(3, {"--eeprom", Path("com3.pro")});

    const QString backups = Path("backups");
    const TCliRun run = Cli({"send", "--all", "--backup-dir", backups, project});
    EXPECT_EQ(run.Exit, 1);
    for (const QString port : {"COM1", "COM3"}) {
        const QStringList row = Row(run, port);
        ASSERT_EQ(row.size(), 5) << run.Out.join('\n').toStdString();
        EXPECT_EQ(row.mid(1, 2).join(" | ").toStdString(), "OV+ DVB-T2 | sent");
        EXPECT_TRUE(QFile::exists(row[4])) << row[4].toStdString();
        // Its own log, whole: every line of the project taken.
        EXPECT_EQ(run.Out.filter(QRegularExpression("^" + port + ": .* OK$")).size(), 122);
        EXPECT_TRUE(run.Out.contains(port + ": " + project + " sent to remote equipment"));
    }
    const QStringList lost = Row(run, "COM2");
    ASSERT_EQ(lost.size(), 5);
    // Where exactly depends on whether the last acknowledgement beat the hang-up.
    EXPECT_TRUE(QRegularExpression("^error at line \\d+ of 122 \\(line lost\\)$").match(lost[2]).hasMatch())
        << lost[2].toStdString();
    EXPECT_TRUE(QFile::exists(lost[4]));
    EXPECT_TRUE(run.Out.contains("sent to 2 of 3 instruments"));
    EXPECT_EQ(QDir(backups).entryList({"OV+_DVB-T2-COM*.pro"}, QDir::Files).size(), 3);

    // The simulators keep their memory in their files when they stop.
    ASSERT_TRUE(first.Stop());
    ASSERT_TRUE(failing.Stop());
    ASSERT_TRUE(third.Stop());
    const QStringList sent = RecordLinesOf(project);
    EXPECT_EQ(RecordLinesOf(Path("com1.pro")), sent);
    EXPECT_EQ(RecordLinesOf(Path("com3.pro")), sent);
    EXPECT_NE(RecordLinesOf(Path("com2.pro")), sent);
}

TEST_F(PtyFleet, ReceiveAllSavesEachInstrumentUnderItsNameAndPort)
{
    Sim(1);
    Sim(2, {"--name", "OV+ ISDB-T"});
    Sim(3, {"--nak-at", "0850"});

    const QString folder = Path("received");
    const TCliRun run = Cli({"receive", "--all", folder});
    EXPECT_EQ(run.Exit, 1);
    EXPECT_EQ(QDir(folder).entryList(QDir::Files), QStringList({"OV+_DVB-T2-COM1.pro", "OV+_ISDB-T-COM2.pro"}));
    EXPECT_EQ(Row(run, "COM3").value(2), "1 of 4 areas not read (refused at *?E2P0850014)");

    // Each worker read into a model of its own instrument.
    for (const auto& [file, row] : {std::pair{"OV+_DVB-T2-COM1.pro", 15}, std::pair{"OV+_ISDB-T-COM2.pro", 16}}) {
        TFixedIdentity identity(row, 1.2f);
        TLineList defaults;
        TProfile profile(&defaults, identity);
        profile.SetDefaults();
        profile.WriteProject(&defaults, "", "");
        QStringList expected;
        for (const std::string& line : defaults)
            if (line.rfind("send ", 0) == 0) expected << QString::fromStdString(line);
        EXPECT_EQ(RecordLinesOf(QDir(folder).filePath(file)), expected) << file;
    }
}

// A port whose device is there but that another program holds may have an
// instrument behind it: the run fails and says so; a port with no device is
// not tried at all.
TEST_F(PtyFleet, APortThatWillNotOpenFailsTheRunAndIsNamed)
{
    Sim(1);
    Sim(2);
    TFixedIdentity identity;
    TLineList text;
    TProfile profile(&text, identity);
    profile.SetDefaults();
    profile.WriteProject(&text, "p.pro", "");
    ASSERT_TRUE(SaveTextLines(Path("p.pro"), text).Ok);
    TQtSerialDevice holder;
    ASSERT_TRUE(holder.Open(TPortAddress::Com(1)));

    const TCliRun run = Cli({"send", "--all", "--no-backup", "--ports", "COM1-COM3", Path("p.pro")});
    EXPECT_EQ(run.Exit, 1);
    const QStringList busy = Row(run, "COM1");
    ASSERT_EQ(busy.size(), 5) << run.Out.join('\n').toStdString();
    EXPECT_TRUE(busy[2].startsWith("not opened: ")) << busy[2].toStdString();
    EXPECT_GT(busy[2].size(), QStringLiteral("not opened: ").size());
    EXPECT_EQ(Row(run, "COM2").value(2), "sent");
    EXPECT_TRUE(Row(run, "COM3").isEmpty());
    EXPECT_EQ(run.Out.last(), "sent to 1 of 1 instruments; COM1 would not open");
}

// On a terminal the ports' counts stand on one line under the log, cut to
// the terminal's width (a wrapped line would leave rows behind): a log line
// never starts behind them.
TEST_F(PtyFleet, OnATerminalTheCountsMakeWayForEveryLogLine)
{
    Sim(1);
    Sim(2);
    const int master = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    ASSERT_GE(master, 0);
    ASSERT_EQ(::grantpt(master), 0);
    ASSERT_EQ(::unlockpt(master), 0);
    const QByteArray slave = ::ptsname(master);
    const winsize narrow{5, 12, 0, 0};
    ASSERT_EQ(::ioctl(master, TIOCSWINSZ, &narrow), 0);
    QByteArray screen;
    // Read while it runs: a full terminal would hold the program up.
    std::thread reader([&] {
        char buffer[4096];
        for (;;) {
            const ssize_t n = ::read(master, buffer, sizeof buffer);
            if (n > 0) screen.append(buffer, n);
            else if (n < 0 && errno == EINTR) continue;
            else break;  // EIO: the program and its terminal are gone
        }
    });
    QProcess cli;
    cli.setChildProcessModifier([&slave] {
        const int fd = ::open(slave.constData(), O_RDWR);
        ::dup2(fd, STDOUT_FILENO);
        ::dup2(fd, STDERR_FILENO);
        ::close(fd);
    });
    cli.start(QStringLiteral(ORVANTIS_CLI_PATH), {"receive", "--all", "--ports", "COM1-COM2", Path("received")});
    ASSERT_TRUE(cli.waitForStarted(HangLimitMs));
    const bool finished = cli.waitForFinished(HangLimitMs);
    if (!finished) cli.kill();
    reader.join();
    ::close(master);
    ASSERT_TRUE(finished);
    EXPECT_EQ(cli.exitCode(), 0) << screen.toStdString();

    const QRegularExpression count("COM[12] \\d+/112");
    ASSERT_TRUE(count.match(QString::fromUtf8(screen)).hasMatch()) << "the counts were shown";
    int logLines = 0;
    for (qsizetype at = screen.indexOf("COM"); at >= 0; at = screen.indexOf("COM", at + 1)) {
        if (screen.mid(at + 4, 2) != ": ") continue;
        ++logLines;
        const bool lineStart = at == 0 || screen[at - 1] == '\n' || screen.mid(at - 4, 4) == "\r\033[K";
        ASSERT_TRUE(lineStart) << screen.mid(std::max<qsizetype>(0, at - 40), 80).toStdString();
    }
    EXPECT_GT(logLines, 200);
    // What is drawn after a log line's end, up to the next clearing, is the counts.
    const QByteArray clear = "\r\033[K";
    for (qsizetype from = 0, to = 0; from < screen.size(); from = to + clear.size()) {
        to = screen.indexOf(clear, from);
        if (to < 0) to = screen.size();
        const QByteArray drawn = screen.mid(from, to - from);
        const QByteArray counts = drawn.mid(drawn.lastIndexOf('\n') + 1);
        ASSERT_LT(counts.size(), narrow.ws_col) << counts.toStdString();
    }
}

// No one answers a question in a fleet: a port whose instrument cannot be
// backed up is sent nothing, and the run names the option as "send" does.
TEST_F(PtyFleet, APortWhoseBackupFailsIsSentNothingAndTheOptionIsNamed)
{
    Sim(1, {"--nak-at", "0F20"});
    TFixedIdentity identity;
    TLineList text;
    TProfile profile(&text, identity);
    profile.SetDefaults();
    profile.WriteProject(&text, "p.pro", "");
    ASSERT_TRUE(SaveTextLines(Path("p.pro"), text).Ok);

    const TCliRun run = Cli({"send", "--all", "--ports", "COM1", "--backup-dir", Path("backups"), Path("p.pro")});
    EXPECT_EQ(run.Exit, 1);
    EXPECT_TRUE(run.Err.contains("orvantis-cli: COM1: the instrument's settings could not be backed up: 1 of the 4 memory "
                                 "areas could not be read; nothing sent (--no-backup sends without a backup)\n"))
        << run.Err.toStdString();
    EXPECT_TRUE(run.Out.filter("Send without a backup?").isEmpty()) << run.Out.join('\n').toStdString();
    EXPECT_TRUE(run.Out.filter(QRegularExpression(" OK$")).isEmpty());
}
