// orvantis-cli on ports that the real ser2net serves, raw TCP and RFC 2217,
// with orvantis-sim behind them: the instrument operations, a fleet of
// network and local ports at once, and a connection lost in the middle of
// a send.

#include "EquipmentIdentity.h"
#include "ProjectRecords.h"
#include "Ser2NetProcess.h"
#include "SimProcess.h"

#include <gtest/gtest.h>

#include <QDeadlineTimer>
#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <list>

using namespace orvantis;
using namespace orvantis::test;

namespace {

// Generous: only a hang reaches it, never a busy machine.
constexpr int HangLimitMs = 60000;

struct TCliRun {
    int Exit = -1;
    QStringList Out;
};

class NetworkCli : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (const QString reason = TSer2NetProcess::MissingReason(); !reason.isEmpty()) GTEST_SKIP() << reason.toStdString();
        ASSERT_TRUE(FDir.isValid());
        ASSERT_TRUE(QDir().mkpath(Path("ports")));
        qputenv("ORVANTIS_PORT_DIR", Path("ports").toLocal8Bit());
    }
    void TearDown() override { qunsetenv("ORVANTIS_PORT_DIR"); }

    QString Path(const QString& name) const { return FDir.filePath(name); }
    TSimProcess& Sim(int com, const QStringList& options = {})
    {
        TSimProcess& sim = FSims.emplace_back();
        EXPECT_TRUE(sim.Start(Path("ports"), com, options + QStringList{"--quiet"}));
        return sim;
    }
    static TCliRun Finish(QProcess& cli)
    {
        TCliRun run;
        if (!cli.waitForFinished(HangLimitMs)) {
            cli.kill();
            cli.waitForFinished();
            ADD_FAILURE() << "orvantis-cli did not finish";
            return run;
        }
        run.Exit = cli.exitStatus() == QProcess::NormalExit ? cli.exitCode() : -1;
        run.Out = QString::fromUtf8(cli.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
        return run;
    }
    static TCliRun Cli(const QStringList& args)
    {
        QProcess cli;
        cli.start(QStringLiteral(ORVANTIS_CLI_PATH), args);
        return Finish(cli);
    }
    // The factory settings but for the first point and the last message,
    // which only a whole send carries.
    QString Project()
    {
        const QString path = Path("project.pro");
        TFixedIdentity identity;
        TLineList text;
        TProfile profile(&text, identity);
        profile.SetDefaults();
        profile.SetPointName(0, "FIELD 01");
        profile.SetMessageText(56, "BATCH 7");
        profile.WriteProject(&text, "project.pro", "");
        EXPECT_TRUE(SaveTextLines(path, text).Ok);
        return path;
    }

    QTemporaryDir FDir;
    std::list<TSimProcess> FSims;
    TSer2NetProcess Ser2Net;
};

}  // namespace

TEST_F(NetworkCli, DetectSendWithBackupVerifyAndReceiveOverBothKinds)
{
    const QString project = Project();
    ASSERT_TRUE(Ser2Net.Start(FDir.path(), {{Sim(1).LinkPath(), false}, {Sim(2).LinkPath(), true, "9600n81"}}));
    for (int i = 0; i < 2; ++i) {
        const QString port = Ser2Net.Address(i);
        const TCliRun detect = Cli({"detect", "--port", port});
        EXPECT_EQ(detect.Exit, 0);
        EXPECT_EQ(detect.Out, QStringList({"Detecting equipment and COM port", port + " -> OV+ DVB-T2 ver1.20"}));

        const QString backups = Path("backups" + QString::number(i));
        const TCliRun send = Cli({"send", "--port", port, "--backup-dir", backups, "--verify", project});
        EXPECT_EQ(send.Exit, 0) << send.Out.join('\n').toStdString();
        const QStringList kept = QDir(backups).entryList(QDir::Files);
        ASSERT_EQ(kept.size(), 1);
        EXPECT_NE(RecordLinesOf(QDir(backups).filePath(kept[0])), RecordLinesOf(project));

        const QString received = Path("received" + QString::number(i) + ".pro");
        EXPECT_EQ(Cli({"receive", "--port", port, received}).Exit, 0);
        EXPECT_EQ(RecordLinesOf(received), RecordLinesOf(project));
    }
}

TEST_F(NetworkCli, SendAllReachesNetworkAndLocalPortsAtOnce)
{
    const QString project = Project();
    Sim(1);
    ASSERT_TRUE(Ser2Net.Start(FDir.path(), {{Sim(2).LinkPath(), false}, {Sim(3).LinkPath(), true}}));
    const QStringList ports{"COM1", Ser2Net.Address(0), Ser2Net.Address(1)};
    const TCliRun run = Cli({"send", "--all", "--no-backup", "--ports", ports.join(','), project});
    EXPECT_EQ(run.Exit, 0) << run.Out.join('\n').toStdString();
    for (const QString& port : ports) {
        const QStringList rows = run.Out.filter(QRegularExpression("^" + QRegularExpression::escape(port) + " +OV\\+ DVB-T2 +sent"));
        EXPECT_EQ(rows.size(), 1) << port.toStdString() << "\n" << run.Out.join('\n').toStdString();
    }
    EXPECT_TRUE(run.Out.contains("sent to 3 of 3 instruments"));
}

// ser2net goes away after the first record: the send ends as on a pulled
// cable, with the system's reason in the log.
TEST_F(NetworkCli, ConnectionLostInTheMiddleOfASendEndsItWithTheReason)
{
    const QString project = Project();
    for (const bool rfc2217 : {false, true}) {
        TSimProcess& sim = Sim(rfc2217 ? 2 : 1, {"--pace"});
        TSer2NetProcess ser2net;
        ASSERT_TRUE(ser2net.Start(FDir.path(), {{sim.LinkPath(), rfc2217}}));
        QProcess cli;
        cli.start(QStringLiteral(ORVANTIS_CLI_PATH), {"send", "--port", ser2net.Address(0), "--no-backup", project});
        // Stopped once the instrument has taken a record.
        QByteArray out;
        const QRegularExpression recordTaken("\\*E2P\\S+ OK\n");
        const QDeadlineTimer deadline(HangLimitMs);
        while (!recordTaken.match(QString::fromUtf8(out)).hasMatch() &&
               cli.waitForReadyRead(static_cast<int>(deadline.remainingTime())))
            out += cli.readAllStandardOutput();
        ser2net.Stop();
        const TCliRun run = Finish(cli);
        EXPECT_EQ(run.Exit, 1);
        const QStringList all = QString::fromUtf8(out).split('\n', Qt::SkipEmptyParts) + run.Out;
        EXPECT_EQ(all.filter(QRegularExpression("^error at: send \\*E2P")).size(), 1) << all.join('\n').toStdString();
        EXPECT_EQ(all.filter(ser2net.Address(0) + ": connection lost: ").size(), 1) << all.join('\n').toStdString();
    }
}
