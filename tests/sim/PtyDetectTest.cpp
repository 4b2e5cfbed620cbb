// Detection through real pseudo-terminals and Qt SerialPort, with
// orvantis-sim playing the instruments under ORVANTIS_PORT_DIR.

#include "EquipmentLink.h"
#include "FakeDevices.h"
#include "ScriptedPrompter.h"
#include "Session.h"
#include "SimProcess.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <optional>

#include <csignal>

using namespace orvantis;
using namespace orvantis::test;

namespace {

// Generous: only a hang fails these, never a slow machine.
constexpr qint64 HangLimitMs = 20000;

class PtyDetect : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(FDir.isValid());
        qputenv("ORVANTIS_PORT_DIR", FDir.path().toLocal8Bit());
    }
    void TearDown() override { qunsetenv("ORVANTIS_PORT_DIR"); }

    TSimProcess& Sim(int com, const QStringList& options = {})
    {
        auto& sim = FSims.emplace_back(std::make_unique<TSimProcess>());
        EXPECT_TRUE(sim->Start(FDir.path(), com, options));
        return *sim;
    }
    bool Detect()
    {
        QElapsedTimer clock;
        clock.start();
        const bool found = Link.Detect();
        EXPECT_LT(clock.elapsed(), HangLimitMs);
        return found;
    }
    QStringList FirstLines(int n) const { return Host.Lines.mid(0, n); }
    // One read request on the open exchange; its reply is the last log line.
    int ReadOne(std::uint16_t address, int bytes)
    {
        TFixedIdentity identity;
        TProfile model(nullptr, identity);
        return Link.ReadAreas({{TArea::Points, {{address, bytes}}}}, model);
    }

    QTemporaryDir FDir;
    std::vector<std::unique_ptr<TSimProcess>> FSims;
    TRecordingHost Host;
    TScriptedPrompter Prompter;
    TSession Session{Host, Prompter};
    TEquipmentLink& Link = Session.Link();
};

}  // namespace

TEST_F(PtyDetect, FindsTheIsdbTEditionBehindAQuelmar)
{
    Sim(1, {"--name", "QUELMAR-1", "--version", "4.10"});
    Sim(2, {"--name", "OV+ ISDB-T", "--version", "1.35"});
    EXPECT_TRUE(Detect());
    EXPECT_EQ(Host.Lines, QStringList({"Detecting equipment and COM port", "COM1 -> not used", "COM2 -> OV+ ISDB-T ver1.35"}));
    EXPECT_EQ(Link.GetEquipmentModel(), 16);
    EXPECT_EQ(Host.Events.last(), "COM2 found OV+ ISDB-T");
}

TEST_F(PtyDetect, TheSimulatorTakesAModelsShortNameForItsName)
{
    Sim(1, {"--name", "isdbt", "--version", "1.35"});
    EXPECT_TRUE(Detect());
    EXPECT_EQ(Host.Lines.last(), "COM1 -> OV+ ISDB-T ver1.35");
    EXPECT_EQ(Link.GetEquipmentModel(), IsdbTModelRow);
}

TEST_F(PtyDetect, NameRepliesAreJudgedAsTheInstrumentSendsThem)
{
    Sim(1, {"--name-reply", "*?NAM OV+ DVB-T2"});
    Sim(2, {"--name-reply", "*NAM OV+ DVB-T2 "});
    Sim(3, {"--name-reply", "*NAM ov+ dvb-t2", "--version-reply", "*VER V2.05 BETA"});
    EXPECT_TRUE(Detect());
    EXPECT_EQ(Host.Lines, QStringList({"Detecting equipment and COM port", "COM1 -> not used", "COM2 -> not used",
                                       "COM3 -> OV+ DVB-T2 ver2.05 BETA"}));
    EXPECT_FLOAT_EQ(Link.GetEquipmentVersion(), 2.05f);
}

TEST_F(PtyDetect, ARejectedInstrumentAloneLeavesItsIdentity)
{
    Sim(4, {"--name", "QUELMAR-1", "--version", "V 2.05"});
    EXPECT_FALSE(Detect());
    EXPECT_EQ(Host.Lines.size(), 41);
    EXPECT_EQ(Host.Lines[4], "COM4 -> not used");
    EXPECT_EQ(Link.GetEquipmentModel(), 0);
    EXPECT_FLOAT_EQ(Link.GetEquipmentVersion(), 2.05f);
    EXPECT_EQ(Link.EquipmentVersionText(), "2.05");
}

TEST_F(PtyDetect, SilentAndBabblingPortsEndAndTheSearchGoesOn)
{
    Sim(1, {"--silent"});
    Sim(2, {"--noise"});
    Sim(3);
    EXPECT_TRUE(Detect());
    EXPECT_EQ(FirstLines(4), QStringList({"Detecting equipment and COM port", "COM1 -> not used", "COM2 -> not used",
                                         "COM3 -> OV+ DVB-T2 ver1.20"}));
}

TEST_F(PtyDetect, AnInstrumentThatStopsAfterItsNameIsStillAccepted)
{
    Sim(1, {"--drop-after", "1"});
    EXPECT_TRUE(Detect());
    EXPECT_EQ(Host.Lines.last(), "COM1 -> OV+ DVB-T2 ver");
}

TEST_F(PtyDetect, TheExchangePortReadsTheSimulatedMemory)
{
    Sim(2);
    ASSERT_TRUE(Detect());
    ASSERT_EQ(Link.OpenExchange().Problem, "");
    Host.Lines.clear();
    EXPECT_EQ(ReadOne(0x0F00, 16), 0);
    const QString reply = Host.Lines.last();
    EXPECT_EQ(reply.size(), 4 + 32);
    EXPECT_TRUE(reply.startsWith("*E2P"));
    Link.CloseExchange();
}

TEST_F(PtyDetect, ACliDetectPrintsTheSameLines)
{
    Sim(5);
    QProcess cli;
    cli.start(QStringLiteral(ORVANTIS_CLI_PATH), {QStringLiteral("detect")});
    ASSERT_TRUE(cli.waitForFinished(HangLimitMs));
    EXPECT_EQ(cli.exitCode(), 0);
    const QStringList lines = QString::fromLatin1(cli.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
    EXPECT_EQ(lines.mid(0, 6), QStringList({"Detecting equipment and COM port", "COM1 not available", "COM2 not available",
                                            "COM3 not available", "COM4 not available", "COM5 -> OV+ DVB-T2 ver1.20"}));

    cli.start(QStringLiteral(ORVANTIS_CLI_PATH), {QStringLiteral("ports")});
    ASSERT_TRUE(cli.waitForFinished(HangLimitMs));
    EXPECT_EQ(QString::fromLatin1(cli.readAllStandardOutput()), QStringLiteral("COM5  %1/COM5\n").arg(FDir.path()));
}

TEST_F(PtyDetect, ACliDetectWithoutInstrumentFails)
{
    Sim(1, {"--name", "FENDO"});
    QProcess cli;
    cli.start(QStringLiteral(ORVANTIS_CLI_PATH), {QStringLiteral("detect")});
    ASSERT_TRUE(cli.waitForFinished(HangLimitMs));
    EXPECT_EQ(cli.exitCode(), 1);
}

TEST_F(PtyDetect, TheSimulatorStopsCleanlyAndRemovesItsLink)
{
    TSimProcess& sim = Sim(7);
    ASSERT_TRUE(QFileInfo(sim.LinkPath()).isSymLink());
    EXPECT_TRUE(sim.Stop());
    EXPECT_FALSE(QFileInfo(sim.LinkPath()).exists() || QFileInfo(sim.LinkPath()).isSymLink());
    EXPECT_TRUE(sim.Output().contains("stopped"));
}

TEST_F(PtyDetect, AStopThatComesWhileTheSimulatorStartsEndsItCleanly)
{
    // Blocked before exec, the stop waits in the kernel until the simulator
    // runs: as a stop that arrives while it is still starting.
    QProcess sim;
    sim.setChildProcessModifier([] {
        sigset_t stop;
        sigemptyset(&stop);
        sigaddset(&stop, SIGTERM);
        sigprocmask(SIG_BLOCK, &stop, nullptr);
    });
    sim.start(QStringLiteral(ORVANTIS_SIM_PATH), {"--dir", FDir.path(), "--com", "8"});
    ASSERT_TRUE(sim.waitForStarted(HangLimitMs));
    sim.terminate();
    ASSERT_TRUE(sim.waitForFinished(HangLimitMs));
    EXPECT_EQ(sim.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(sim.exitCode(), 0);
    EXPECT_TRUE(sim.readAllStandardOutput().contains("stopped"));
    EXPECT_FALSE(QFileInfo(FDir.filePath("COM8")).isSymLink());
}

TEST_F(PtyDetect, TheSimulatorKeepsWritesInItsMemoryFile)
{
    const QString memory = FDir.filePath("memory.pro");
    {
        TSimProcess& sim = Sim(1, {"--eeprom", memory});
        ASSERT_TRUE(Detect());
        ASSERT_EQ(Link.OpenExchange().Problem, "");
        EXPECT_TRUE(Link.WriteLines({"send *E2P0800A0860100"}).Complete);
        Link.CloseExchange();
        EXPECT_TRUE(sim.Stop());
    }
    ASSERT_TRUE(QFile::exists(memory));
    Sim(1, {"--eeprom", memory});
    ASSERT_TRUE(Detect());
    Link.OpenExchange();
    EXPECT_EQ(ReadOne(0x0800, 4), 0);
    EXPECT_EQ(Host.Lines.last(), "*E2PA0860100");
    Link.CloseExchange();
}
