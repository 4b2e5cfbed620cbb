// Channels filled from a plan reach orvantis-sim with Send and come back
// with Receive, all through orvantis-cli.

#include "ChannelPlan.h"
#include "ProjectRecords.h"
#include "SimProcess.h"
#include "TextFile.h"

#include <gtest/gtest.h>

#include <QProcess>
#include <QTemporaryDir>

using namespace orvantis;
using namespace orvantis::test;

namespace {

int Cli(const QStringList& args)
{
    QProcess cli;
    cli.start(QStringLiteral(ORVANTIS_CLI_PATH), args);
    EXPECT_TRUE(cli.waitForFinished(30000));
    return cli.exitStatus() == QProcess::NormalExit ? cli.exitCode() : -1;
}

TEST(PtyPlan, PointsAndABandFilledFromPlansAreHeldByTheInstrument)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    qputenv("ORVANTIS_PORT_DIR", dir.path().toLocal8Bit());
    TSimProcess sim;
    ASSERT_TRUE(sim.Start(dir.path(), 1));
    const auto path = [&](const char* name) { return dir.filePath(name); };
    const QStringList asSim{"--model", "15", "--fw", "1.2"};

    ASSERT_EQ(Cli({"receive", path("received.pro")}), 0);
    ASSERT_EQ(Cli(asSim + QStringList{"points", "plan", path("received.pro"), "eu-uhf", "21-48,50", path("filled.pro"),
                                      "--first", "3", "--dvb-t2"}),
              0);
    ASSERT_EQ(Cli(asSim + QStringList{"bands", "plan", path("filled.pro"), "4", "eu-vhf", "6", "11", path("banded.pro")}), 0);
    ASSERT_EQ(Cli({"send", "--no-backup", path("banded.pro")}), 0);
    ASSERT_EQ(Cli({"receive", path("back.pro")}), 0);
    qunsetenv("ORVANTIS_PORT_DIR");

    TFixedIdentity identity(DvbT2ModelRow, 1.2f);
    TLineList lines;
    ASSERT_TRUE(LoadTextLines(path("back.pro"), lines).Ok);
    TProfile back(&lines, identity);
    back.LoadFromLines();
    const TChannelPlan& uhf = *FindBuiltInPlan("eu-uhf");
    for (std::uint16_t point = 2; point < 31; ++point) {
        const std::string channel = std::to_string(point < 30 ? point + 19 : 50);
        EXPECT_EQ(back.GetPointFreq(point), uhf.Find(channel)->CentreKHz()) << channel;
        EXPECT_EQ(back.GetPointName(point), ("CH" + channel + "    ").substr(0, 8));
        EXPECT_EQ(back.GetPointStandard(point), 9);
        EXPECT_EQ(back.GetPointBW(point), 8);
    }
    EXPECT_EQ(back.GetBandStart(3), 184500000u);
    EXPECT_EQ(back.GetBandEnd(3), 219500000u);
    EXPECT_EQ(back.GetBandBw(3), 7);
    EXPECT_EQ(back.GetBandEnable(3), 1);
    EXPECT_EQ(back.GetBandInitialIndex(3), 6);
    // Every other record as it was received (the configuration is read with 14 of its 15 bytes).
    const QStringList received = RecordLinesOf(path("received.pro"));
    const QStringList sent = RecordLinesOf(path("banded.pro"));
    EXPECT_EQ(RecordLinesOf(path("back.pro")).mid(1), sent.mid(1));
    int changed = 0;
    for (int i = 0; i < received.size(); ++i) changed += received[i] != sent[i];
    EXPECT_EQ(changed, 29 + 1);
}

}  // namespace
