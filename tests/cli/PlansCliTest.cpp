// orvantis-cli's channel plans end to end: the user's plan files as
// `plans` lists them, and refusals that write nothing.

#include "TempDir.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace orvantis::test {
namespace {

struct TPlansRun {
    int Exit = -1;
    QString Out;
    QString Err;
};

class PlansCliTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(Dir.isValid());
        ASSERT_TRUE(QDir().mkpath(Plans()));
    }
    QString Path(const QString& name) const { return Dir.filePath(name); }
    QString Plans() const { return Dir.filePath(QStringLiteral("data/orvantis/plans")); }

    TPlansRun Cli(const QStringList& args) const
    {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_DATA_HOME"), Path(QStringLiteral("data")));
        process.setProcessEnvironment(environment);
        process.start(QStringLiteral(ORVANTIS_CLI), args);
        TPlansRun run;
        if (!process.waitForFinished(60000)) {
            process.kill();
            process.waitForFinished();
            ADD_FAILURE() << "orvantis-cli did not finish";
            return run;
        }
        run.Exit = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
        run.Out = QString::fromUtf8(process.readAllStandardOutput());
        run.Err = QString::fromUtf8(process.readAllStandardError());
        return run;
    }

    QTemporaryDir Dir;
};

TEST_F(PlansCliTest, UserPlansAreOfferedOrListedWithTheirReasonAndARefusalWritesNothing)
{
    WriteAll(Plans() + "/pt-local.csv", "channel,centre_khz,bandwidth_mhz\r\nE21,474000,8\r\nE22,482000,8\r\n");
    WriteAll(Plans() + "/broken.csv", "channel,centre_khz,bandwidth_mhz\n21,474000,8\n22,482000,9\n");
    const TPlansRun list = Cli({"plans"});
    EXPECT_EQ(list.Exit, 0);
    EXPECT_TRUE(list.Out.contains(QRegularExpression("\neu-cable +European cable, S channels +S11-S41 +7, 8 MHz\n")))
        << list.Out.toStdString();
    EXPECT_TRUE(list.Out.contains(QRegularExpression("\npt-local +User plan pt-local.csv +E21-E22 +8 MHz\n")));
    EXPECT_TRUE(list.Out.endsWith("refused " + Plans() + "/broken.csv: Row 3, column bandwidth_mhz: \"9\" is not one of 5, 6, 7, 8\n"))
        << list.Out.toStdString();

    ASSERT_EQ(Cli({"new", Path("in.pro")}).Exit, 0);
    const TPlansRun filled = Cli({"points", "plan", Path("in.pro"), "pt-local", "E22", Path("out.pro"), "--first", "50"});
    EXPECT_EQ(filled.Exit, 0) << filled.Err.toStdString();
    EXPECT_TRUE(Cli({"show", Path("out.pro")}).Out.contains("  50  482000 kHz  \"E22     \"  DVB-T     8 MHz"));

    // Nothing from a refused file, a band of two widths, a fill past the last point.
    const QList<QStringList> refused = {
        {"points", "plan", Path("in.pro"), "broken", "21", Path("no.pro")},
        {"bands", "plan", Path("in.pro"), "3", "eu-cable", "S20", "S21", Path("no.pro")},
        {"points", "plan", Path("in.pro"), "eu-uhf", "21,22", Path("no.pro"), "--first", "50"},
    };
    for (const QStringList& args : refused) {
        const TPlansRun run = Cli(args);
        EXPECT_EQ(run.Exit, 1) << args.join(' ').toStdString();
        EXPECT_FALSE(run.Err.isEmpty());
        EXPECT_FALSE(QFile::exists(Path("no.pro")));
    }
    EXPECT_TRUE(Cli(refused[2]).Err.contains("channel 22: past point 50, the last on this instrument"));
}

}  // namespace
}  // namespace orvantis::test
