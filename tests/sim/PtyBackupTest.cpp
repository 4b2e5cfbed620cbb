// Send of the changes only, and backups listed and restored, through
// orvantis-cli against orvantis-sim, which reports the records it took.

#include "ProjectRecords.h"
#include "ScriptedPrompter.h"
#include "SimProcess.h"
#include "TextFile.h"

#include "Project.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

using namespace orvantis;
using namespace orvantis::test;

namespace {

class PtyBackup : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(FDir.isValid());
        qputenv("ORVANTIS_PORT_DIR", FDir.path().toLocal8Bit());
    }
    void TearDown() override { qunsetenv("ORVANTIS_PORT_DIR"); }

    QString Path(const QString& name) const { return FDir.filePath(name); }
    // The simulator on COM1 with its memory file and its report.
    void StartSim(const QStringList& options = {})
    {
        ASSERT_TRUE(Sim.Start(FDir.path(), 1, options + QStringList{"--quiet", "--eeprom", Path("memory.pro"), "--report", Path("report.txt")}));
    }
    // "records written: 1", "resets: 1", "written: 0814"
    QStringList Report() const
    {
        TLineList lines;
        EXPECT_TRUE(LoadTextLines(Path("report.txt"), lines).Ok);
        QStringList report;
        for (const std::string& line : lines) report << QString::fromStdString(line);
        return report;
    }
    int Cli(const QStringList& args, QByteArray* out = nullptr, QByteArray* err = nullptr)
    {
        QProcess cli;
        cli.start(QStringLiteral(ORVANTIS_CLI_PATH), args);
        EXPECT_TRUE(cli.waitForFinished(60000));
        const QByteArray printed = cli.readAllStandardOutput();
        if (out) *out = printed;
        if (err) *err = cli.readAllStandardError();
        return cli.exitStatus() == QProcess::NormalExit ? cli.exitCode() : -1;
    }
    // The received project with point 5's frequency changed, saved as edited.pro.
    QString ReceivedWithOnePointChanged()
    {
        EXPECT_EQ(Cli({"receive", Path("received.pro")}), 0);
        TFixedIdentity identity(15, 1.2f);
        TScriptedPrompter prompter;
        TProject project(identity, prompter, [](const QString&) {});
        prompter.AnswerFile(Path("received.pro"));
        EXPECT_TRUE(project.Open());
        project.Profile().SetPointFreq(4, 650000);
        prompter.AnswerFile(Path("edited.pro"));
        EXPECT_TRUE(project.SaveAs());
        return Path("edited.pro");
    }

    QTemporaryDir FDir;
    TSimProcess Sim;
};

}  // namespace

TEST_F(PtyBackup, ASendOfTheChangesWritesOnlyTheChangedPointAndNothingWhenNoneDiffers)
{
    StartSim();
    const QString edited = ReceivedWithOnePointChanged();
    QByteArray out;
    ASSERT_EQ(Cli({"send", "--changed", "--backup-dir", Path("backups"), edited}, &out), 0) << out.constData();
    EXPECT_TRUE(out.contains("1 of 112 records differ\n")) << out.constData();
    EXPECT_TRUE(out.contains("send *E2P0850")) << "point 5's record, logged as it is sent";
    EXPECT_EQ(QDir(Path("backups")).entryList(QDir::Files).size(), 1) << "the backup is kept as before";
    EXPECT_EQ(Report(), QStringList({"records written: 1", "resets: 1", "written: 0850"}));
    EXPECT_EQ(Cli({"verify", edited}), 0) << "the instrument holds the project";

    ASSERT_EQ(Cli({"send", "--changed", "--no-backup", edited}, &out), 0) << out.constData();
    EXPECT_TRUE(out.contains("0 of 112 records differ\nnothing sent: the instrument holds every record of ")) << out.constData();
    EXPECT_FALSE(out.contains("processed "));
    EXPECT_EQ(Report(), QStringList({"records written: 1", "resets: 1", "written: 0850"})) << "no write and no reset";
}

// A read that was not whole, or a project that did not load whole, cannot
// say what differs: every record goes.
TEST_F(PtyBackup, AnyDoubtSendsEveryRecord)
{
    StartSim({"--nak-read-at", "0F20"});
    ASSERT_EQ(Cli({"new", Path("project.pro")}), 0);
    QByteArray out;
    ASSERT_EQ(Cli({"send", "--changed", "--no-backup", Path("project.pro")}, &out), 0) << out.constData();
    EXPECT_TRUE(out.contains("every record is sent: the instrument could not be read whole")) << out.constData();
    EXPECT_FALSE(out.contains("records differ"));
    EXPECT_EQ(Report().mid(0, 2), QStringList({"records written: 112", "resets: 1"}));

    TLineList lines;
    ASSERT_TRUE(LoadTextLines(Path("project.pro"), lines).Ok);
    lines.insert(lines.end() - 2, "send    # stops the load here");
    ASSERT_TRUE(SaveTextLines(Path("partial.pro"), lines).Ok);
    ASSERT_EQ(Cli({"send", "--changed", "--force", "--no-backup", Path("partial.pro")}, &out), 0) << out.constData();
    EXPECT_TRUE(out.contains("every record is sent: the project did not load whole")) << out.constData();
    EXPECT_EQ(Report().mid(0, 2), QStringList({"records written: 224", "resets: 2"}));
}

// The memory holds a 7 MHz bandwidth in the configuration's last byte; the
// backup the send leaves puts it back, byte for byte. A backup named for
// another instrument goes in only with --force.
TEST_F(PtyBackup, ARestoredBackupGivesBackTheMemoryFromBeforeTheSend)
{
    ASSERT_EQ(Cli({"new", Path("memory.pro")}), 0);
    TLineList lines;
    ASSERT_TRUE(LoadTextLines(Path("memory.pro"), lines).Ok);
    for (std::string& line : lines) {
        if (line.rfind("send *E2P1F00", 0) == 0) line = "send *E2P1F00000300000A00D20001000002020207";
        if (line.rfind("send *E2P0800", 0) == 0) line = "send *E2P0800D0B90C000001080000FFFF004649454C44203031    #FIELD 01";
    }
    ASSERT_TRUE(SaveTextLines(Path("memory.pro"), lines).Ok);
    const QStringList before = RecordLinesOf(Path("memory.pro"));
    StartSim();

    const QString backups = Path("backups");
    ASSERT_EQ(Cli({"new", Path("project.pro")}), 0);
    ASSERT_EQ(Cli({"send", "--backup-dir", backups, Path("project.pro")}), 0);
    const QStringList kept = QDir(backups).entryList(QDir::Files);
    ASSERT_EQ(kept.size(), 1);
    const QString backup = QDir(backups).filePath(kept[0]);
    ASSERT_TRUE(QFile::copy(backup, QDir(backups).filePath("site A.pro")));
    const QString otherName = QDir(backups).filePath(QString(kept[0]).replace("DVB-T2", "ISDB-T"));
    ASSERT_TRUE(QFile::copy(backup, otherName));

    QByteArray out;
    ASSERT_EQ(Cli({"backups", "--backup-dir", backups}, &out), 0);
    QStringList listed = QString::fromUtf8(out).split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(listed.size(), 3) << out.constData();
    EXPECT_TRUE(listed[0].startsWith("instrument  port  taken"));
    EXPECT_TRUE(listed[1].endsWith(backup) || listed[2].endsWith(backup)) << out.constData();
    EXPECT_FALSE(out.contains("site A.pro"));

    const QStringList written = Report();
    QByteArray err;
    EXPECT_EQ(Cli({"restore", "--backup-dir", backups, otherName}, &out, &err), 1);
    EXPECT_TRUE(err.contains("is a backup of OV+ ISDB-T; the instrument found is OV+ DVB-T2; nothing sent")) << err.constData();
    EXPECT_EQ(Report(), written) << "nothing written";
    EXPECT_EQ(QDir(backups).entryList(QDir::Files).size(), 3) << "nor backed up";

    ASSERT_EQ(Cli({"restore", "--backup-dir", backups, backup}, &out), 0) << out.constData();
    EXPECT_TRUE(out.contains("instrument settings backed up to ")) << "the restore is backed up first";
    ASSERT_TRUE(Sim.Stop());
    EXPECT_EQ(RecordLinesOf(Path("memory.pro")).join('\n').toStdString(), before.join('\n').toStdString());
}
