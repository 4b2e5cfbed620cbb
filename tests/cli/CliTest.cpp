// orvantis-cli end to end: the built program on files in a temporary folder.

#include "TempDir.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace orvantis::test {
namespace {

struct TRun {
    int Exit = -1;
    QByteArray Out;
    QByteArray Err;
};

class CliTest : public ::testing::Test {
protected:
    QTemporaryDir Dir;

    QString Path(const QString& name) const { return Dir.filePath(name); }

    static TRun Finish(QProcess& process)
    {
        TRun run;
        if (!process.waitForFinished(60000)) {
            process.kill();
            process.waitForFinished();
            ADD_FAILURE() << "orvantis-cli did not finish";
            return run;
        }
        run.Exit = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
        run.Out = process.readAllStandardOutput();
        run.Err = process.readAllStandardError();
        return run;
    }

    static TRun Cli(const QStringList& args)
    {
        QProcess process;
        process.start(QStringLiteral(ORVANTIS_CLI), args);
        return Finish(process);
    }

    // Runs the program with a file size limit (in 512-byte blocks) that even
    // root cannot write past.
    static TRun CliWithSizeLimit(int blocks, const QStringList& args)
    {
        QString command = QStringLiteral("trap '' XFSZ; ulimit -f %1; exec \"$0\" \"$@\"").arg(blocks);
        QProcess process;
        process.start(QStringLiteral("/bin/sh"), QStringList{QStringLiteral("-c"), command, QStringLiteral(ORVANTIS_CLI)} + args);
        return Finish(process);
    }

    QStringList Entries() const { return QDir(Dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::System); }

    static QList<QByteArray> FileLines(const QString& path)
    {
        QByteArray bytes = ReadAll(path);
        EXPECT_TRUE(bytes.endsWith("\r\n")) << path.toStdString();
        EXPECT_EQ(bytes.count("\r\n"), bytes.count('\n')) << "every line ends with CR LF";
        bytes.replace("\r\n", "\n");
        bytes.chop(1);
        return bytes.split('\n');
    }

    // Same records as the reference file; the header names this file.
    void ExpectProject(const QString& path, const char* golden)
    {
        const QList<QByteArray> lines = FileLines(path);
        const QList<QByteArray> expected = FileLines(QStringLiteral(ORVANTIS_GOLDEN_DIR "/") + golden);
        ASSERT_EQ(lines.size(), expected.size()) << golden;
        EXPECT_TRUE(lines[1].startsWith(("# " + path + " created at ").toUtf8())) << lines[1].toStdString();
        EXPECT_EQ(lines[2], expected[2]);
        for (qsizetype i = 4; i + 1 < lines.size(); ++i) EXPECT_EQ(lines[i], expected[i]) << "line " << i + 1;
        EXPECT_EQ(lines.back(), ("# End of file " + path).toUtf8());
    }
};

TEST_F(CliTest, NewWritesTheDefaultProjectAndLogsLikeTheWindow)
{
    const TRun run = Cli({QStringLiteral("new"), Path("new.pro")});
    EXPECT_EQ(run.Exit, 0) << run.Err.toStdString();
    EXPECT_EQ(run.Out, ("new file Untitled.PRO\nfile saved as " + Path("new.pro") + "\n").toUtf8());
    EXPECT_TRUE(run.Err.isEmpty());
    ExpectProject(Path("new.pro"), "standard50.pro");
}

// No instrument answers here. The folder given with --backup-dir is the
// user's own and loses nothing; the per-user one loses only backups older
// than a year by the time in their names.
TEST_F(CliTest, SendPrunesOnlyItsOwnOldBackupsInItsOwnFolder)
{
    ASSERT_TRUE(QDir().mkpath(Path("ports")));
    const QString given = Path("proj");
    const QString own = Path("data/orvantis/backups");
    ASSERT_TRUE(QDir().mkpath(given) && QDir().mkpath(own));
    const QDateTime longAgo(QDate(2024, 6, 1), QTime(12, 0));
    const QString oldBackup = QStringLiteral("OV+_DVB-T2-COM1-20240601-101500.pro");
    const QStringList givenFiles{given + "/site-A.pro", given + "/" + oldBackup};
    const QString golden = own + "/golden site A (do not delete).pro";
    for (const QString& path : givenFiles + QStringList{golden, own + "/" + oldBackup}) {
        WriteAll(path, "send *E2P00D34C414E00\r\n");
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        ASSERT_TRUE(file.setFileTime(longAgo, QFileDevice::FileModificationTime));
    }
    ASSERT_EQ(Cli({"new", Path("p1.pro")}).Exit, 0);

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("ORVANTIS_PORT_DIR", Path("ports"));
    environment.insert("XDG_DATA_HOME", Path("data"));
    const auto send = [&](const QStringList& options) {
        QProcess process;
        process.setProcessEnvironment(environment);
        process.start(QStringLiteral(ORVANTIS_CLI), QStringList{"send"} + options + QStringList{Path("p1.pro")});
        return Finish(process);
    };
    EXPECT_EQ(send({"--backup-dir", given}).Exit, 1);
    for (const QString& path : givenFiles) EXPECT_TRUE(QFile::exists(path)) << path.toStdString();
    EXPECT_EQ(send({}).Exit, 1);
    EXPECT_TRUE(QFile::exists(golden));
    EXPECT_FALSE(QFile::exists(own + "/" + oldBackup));
}

TEST_F(CliTest, TheModelAndFirmwareOptionsChooseDefaultsAndPointCount)
{
    EXPECT_EQ(Cli({"--model", "16", "new", Path("isdbt.pro")}).Exit, 0);
    ExpectProject(Path("isdbt.pro"), "isdbt50.pro");
    EXPECT_EQ(Cli({"--model", "14", "--fw", "2.5", "new", Path("base.pro")}).Exit, 0);
    ExpectProject(Path("base.pro"), "base16.pro");
    EXPECT_EQ(Cli({"--model", "14", "--fw", "3.0", "new", Path("updated.pro")}).Exit, 0);
    ExpectProject(Path("updated.pro"), "standard50.pro");
    EXPECT_EQ(Cli({"--model=15", "--fw=2.0", "new", Path("t2.pro")}).Exit, 0);
    ExpectProject(Path("t2.pro"), "standard50.pro");
}

TEST_F(CliTest, TheModelMayBeGivenByItsShortName)
{
    EXPECT_EQ(Cli({"--model", "isdbt", "new", Path("isdbt.pro")}).Exit, 0);
    ExpectProject(Path("isdbt.pro"), "isdbt50.pro");
    EXPECT_EQ(Cli({"--model", "BASE", "--fw", "2.5", "new", Path("base.pro")}).Exit, 0);
    ExpectProject(Path("base.pro"), "base16.pro");
    EXPECT_EQ(Cli({"--model=dvbt2", "new", Path("t2.pro")}).Exit, 0);
    ExpectProject(Path("t2.pro"), "standard50.pro");
    const TRun wrong = Cli({"--model", "isdb", "new", Path("wrong.pro")});
    EXPECT_EQ(wrong.Exit, 2);
    EXPECT_TRUE(wrong.Err.contains("--model takes dvbt2, isdbt, base or a row number, not 'isdb'")) << wrong.Err.toStdString();
    EXPECT_FALSE(QFile::exists(Path("wrong.pro")));
}

TEST_F(CliTest, ResaveReadsTheRecordsAndWritesAWholeProject)
{
    WriteAll(Path("in.pro"), "# hand made\n"
                             "SEND(*e2p1f00000f00000a00d20001000002020207)\n"
                             "send *E2P0800D0B90C000001080000FFFF004649454C44203031    #FIELD 01\r\n"
                             "send *E2P00D34C414E00\r");
    const TRun run = Cli({"resave", Path("in.pro"), Path("out.pro")});
    EXPECT_EQ(run.Exit, 0) << run.Err.toStdString();
    EXPECT_EQ(run.Out, ("open file " + Path("in.pro") + "\n# hand made\nSEND(*e2p1f00000f00000a00d20001000002020207)\n"
                        "send *E2P0800D0B90C000001080000FFFF004649454C44203031    #FIELD 01\nfile saved as " +
                        Path("out.pro") + "\n")
                           .toUtf8());
    const QList<QByteArray> lines = FileLines(Path("out.pro"));
    ASSERT_EQ(lines.size(), 122);
    EXPECT_EQ(lines[6], "send *E2P1F00000F00000A00D20001000002020207");
    EXPECT_EQ(lines[13], "send *E2P0800D0B90C000001080000FFFF004649454C44203031    #FIELD 01");
    EXPECT_EQ(lines[76], "send *E2P00D34C414E00    #LAN");
    EXPECT_EQ(ReadAll(Path("in.pro")).left(12), "# hand made\n");

    // A rejected line ends the load: saving would write defaults over the
    // settings after it, so nothing is written and the line is named.
    WriteAll(Path("cut.pro"), "send *E2P00D34C414E00\nsend\nsend *E2P1F00000F00000A00D20001000002020207\n");
    const TRun cut = Cli({"resave", Path("cut.pro"), Path("cut-out.pro")});
    EXPECT_EQ(cut.Exit, 1);
    EXPECT_TRUE(cut.Err.contains("line 2 not loaded: send;")) << cut.Err.toStdString();
    EXPECT_FALSE(QFile::exists(Path("cut-out.pro")));
}

TEST_F(CliTest, ShowSaysTheWholeProjectInWords)
{
    ASSERT_EQ(Cli({"--model", "16", "new", Path("isdbt.pro")}).Exit, 0);
    const TRun run = Cli({"--model", "16", "show", Path("isdbt.pro")});
    EXPECT_EQ(run.Exit, 0);
    const QStringList lines = QString::fromUtf8(run.Out).split('\n');
    EXPECT_TRUE(lines.contains("  MER threshold for a high-quality signal    21.0 dB"));
    EXPECT_TRUE(lines.contains("Detection points (50)"));
    EXPECT_TRUE(lines.contains("   1  213142 kHz  \"BRASIL13\"  ISDB-T    6 MHz      8K   1/8    no"));
    EXPECT_TRUE(lines.contains("   1  yes      473142.857 kHz  803142.857 kHz  6 MHz  14"));
    EXPECT_TRUE(lines.contains("  12  \"NET:\"                   (at most 4 characters)"));
}

TEST_F(CliTest, AProjectThatStopsLoadingIsNotSentWithoutForce)
{
    WriteAll(Path("stray.pro"), "send *E2P00D34C414E00\nsend    # note\n");
    const TRun run = Cli({"send", Path("stray.pro")});
    EXPECT_EQ(run.Exit, 1);
    EXPECT_TRUE(run.Err.contains("line 2 not loaded: send    # note;")) << run.Err.toStdString();
    EXPECT_TRUE(run.Err.contains("nothing sent (--force sends it all the same)"));
    EXPECT_FALSE(run.Out.contains("Detecting")) << "no port is touched";
}

TEST_F(CliTest, AProjectThatStopsLoadingIsNeitherWrittenComparedNorShownWithoutForce)
{
    ASSERT_EQ(Cli({"new", Path("whole.pro")}).Exit, 0);
    WriteAll(Path("stray.pro"), "send *E2P00D34C414E00\nsend    # note\n");
    WriteAll(Path("points.csv"), "index,name\r\n2,GOOD\r\n");
    const QString stray = Path("stray.pro");
    const QList<QStringList> refused{{"resave", stray, Path("out.pro")},
                                     {"points", "export", stray, Path("out.csv")},
                                     {"points", "import", stray, Path("points.csv"), Path("out.pro")},
                                     {"show", stray},
                                     {"diff", Path("whole.pro"), stray},
                                     {"diff", stray, Path("whole.pro")},
                                     {"verify", stray}};
    for (const QStringList& args : refused) {
        const TRun run = Cli(args);
        EXPECT_EQ(run.Exit, 1) << args.join(' ').toStdString();
        EXPECT_TRUE(run.Err.contains(stray.toUtf8() + ": line 2 not loaded: send    # note;")) << run.Err.toStdString();
        EXPECT_FALSE(run.Out.contains("Detecting")) << "no port is touched";
        EXPECT_FALSE(run.Out.contains("NET:")) << "nothing shown";
    }
    EXPECT_EQ(Entries(), (QStringList{"points.csv", "stray.pro", "whole.pro"}));

    // --force takes the file as it loaded: its defaults after the line.
    EXPECT_EQ(Cli({"--force", "points", "import", stray, Path("points.csv"), Path("out.pro")}).Exit, 0);
    EXPECT_EQ(Cli({"--force", "points", "export", stray, Path("out.csv")}).Exit, 0);
    EXPECT_EQ(Cli({"--force", "show", stray}).Exit, 0);
    EXPECT_EQ(Cli({"--force", "diff", stray, Path("whole.pro")}).Exit, 1) << "message 12 differs";
    EXPECT_EQ(Cli({"diff", Path("whole.pro"), Path("out.pro")}).Exit, 1) << "message 12 and point 2 differ";
}

TEST_F(CliTest, UsageErrorsExitWithTwoAndWriteNothing)
{
    const QList<QStringList> misuses{{},
                                     {"frobnicate", Path("x.pro")},
                                     {"new"},
                                     {"new", Path("x.pro"), Path("y.pro")},
                                     {"resave", Path("x.pro")},
                                     {"--model", "abc", "new", Path("x.pro")},
                                     {"--model", "-1", "new", Path("x.pro")},
                                     {"--fw", "fast", "new", Path("x.pro")},
                                     {"--bogus", "new", Path("x.pro")},
                                     {"points", "export", Path("x.pro")},
                                     {"--all", "new", Path("x.pro")},
                                     {"--ports", "COM2", "detect"},
                                     {"--all", "--ports", "COM0", "detect"},
                                     {"--all", "--ports", "COM5-COM2", "receive", Path("received")},
                                     {"--all", "--ports", "", "detect"},
                                     {"--model"}};
    for (const QStringList& args : misuses) {
        const TRun run = Cli(args);
        EXPECT_EQ(run.Exit, 2) << args.join(' ').toStdString();
        EXPECT_FALSE(run.Err.isEmpty()) << args.join(' ').toStdString();
    }
    EXPECT_TRUE(Entries().isEmpty());
    EXPECT_EQ(Cli({"--version"}).Out, "orvantis-cli 5.00 - r003\n");
}

TEST_F(CliTest, InputsThatCannotBeReadFailWithOneAndChangeNothing)
{
    WriteAll(Path("out.pro"), "precious\r\n");
    QDir(Dir.path()).mkdir(QStringLiteral("folder.pro"));
    ASSERT_EQ(::mkfifo(Path("pipe.pro").toLocal8Bit().constData(), 0600), 0);
    WriteAll(Path("huge.pro"), QByteArray(5 * 1024 * 1024, '#'));
    // /proc/self/mem is a regular file that gives an I/O error at offset 0,
    // even to root.
    for (const QString& input : {Path("missing.pro"), Path("folder.pro"), Path("pipe.pro"), QStringLiteral("/dev/zero"),
                                 Path("huge.pro"), QStringLiteral("/proc/self/mem")}) {
        const TRun run = Cli({"resave", input, Path("out.pro")});
        EXPECT_EQ(run.Exit, 1) << input.toStdString();
        EXPECT_TRUE(run.Err.contains("Orvantis error")) << run.Err.toStdString();
        EXPECT_TRUE(run.Err.contains(input.toUtf8())) << run.Err.toStdString();
        EXPECT_FALSE(run.Out.contains("file saved")) << input.toStdString();
    }
    EXPECT_EQ(ReadAll(Path("out.pro")), QByteArray("precious\r\n"));
    EXPECT_EQ(Entries(), (QStringList{"folder.pro", "huge.pro", "out.pro", "pipe.pro"}));
}

TEST_F(CliTest, GarbageAndHugeLinesStillGiveAValidProject)
{
    QByteArray garbage;
    for (int i = 0; i < 20000; ++i) garbage += static_cast<char>((i * 7919) % 256);
    // With NUL bytes it is a binary file: refused, nothing written.
    WriteAll(Path("garbage.bin"), garbage);
    const TRun binary = Cli({"resave", Path("garbage.bin"), Path("binary.pro")});
    EXPECT_EQ(binary.Exit, 1);
    EXPECT_TRUE(binary.Err.contains("not a text file")) << binary.Err.toStdString();
    EXPECT_FALSE(QFile::exists(Path("binary.pro")));
    // Every other byte value is text the model reads by its rules.
    WriteAll(Path("garbage.txt"), QByteArray(garbage).replace('\0', '#'));
    const TRun run = Cli({"resave", Path("garbage.txt"), Path("garbage.pro")});
    EXPECT_EQ(run.Exit, 0) << run.Err.toStdString();
    ExpectProject(Path("garbage.pro"), "standard50.pro");

    // One line of three megabytes: a band record far too long to be one.
    WriteAll(Path("long.pro"), "send *E2P0F00" + QByteArray(3 * 1024 * 1024, 'A'));
    EXPECT_EQ(Cli({"resave", Path("long.pro"), Path("long-out.pro")}).Exit, 0);
    ExpectProject(Path("long-out.pro"), "standard50.pro");

    // The same length as a message record: no terminator within reach.
    WriteAll(Path("long-message.pro"), "send *E2P000D" + QByteArray(3 * 1024 * 1024, '4') + "00\n");
    EXPECT_EQ(Cli({"resave", Path("long-message.pro"), Path("long-message-out.pro")}).Exit, 0);
    ExpectProject(Path("long-message-out.pro"), "standard50.pro");
}

TEST_F(CliTest, AnOutputThatCannotBeWrittenFailsWithOneAndKeepsTheOldFile)
{
    QDir(Dir.path()).mkdir(QStringLiteral("folder.pro"));
    WriteAll(Path("plain.txt"), "plain");
    for (const QString& output : {Path("missing/out.pro"), Path("folder.pro"), Path("plain.txt/out.pro")}) {
        const TRun run = Cli({"new", output});
        EXPECT_EQ(run.Exit, 1) << output.toStdString();
        EXPECT_TRUE(run.Err.contains("Unable to save the file")) << run.Err.toStdString();
    }
    EXPECT_EQ(Entries(), (QStringList{"folder.pro", "plain.txt"}));

    // Cut off half-way by a file size limit: the old file stays whole.
    WriteAll(Path("old.pro"), "old project\r\n");
    const TRun run = CliWithSizeLimit(4, {"new", Path("old.pro")});
    EXPECT_EQ(run.Exit, 1) << run.Err.toStdString();
    EXPECT_TRUE(run.Err.contains("Unable to save the file")) << run.Err.toStdString();
    EXPECT_EQ(ReadAll(Path("old.pro")), QByteArray("old project\r\n"));
    EXPECT_EQ(Entries(), (QStringList{"folder.pro", "old.pro", "plain.txt"}));
}

TEST_F(CliTest, PointsExportThenImportGivesBackTheSameProject)
{
    ASSERT_EQ(Cli({"--model", "14", "--fw", "2.5", "new", Path("base.pro")}).Exit, 0);
    const QStringList base{"--model", "14", "--fw", "2.5", "points"};
    const TRun exported = Cli(base + QStringList{"export", Path("base.pro"), Path("points.csv")});
    EXPECT_EQ(exported.Exit, 0) << exported.Err.toStdString();
    EXPECT_TRUE(exported.Out.endsWith("16 points exported to " + Path("points.csv").toUtf8() + "\n"));
    EXPECT_EQ(ReadAll(Path("points.csv")).count("\r\n"), 17);

    const TRun imported = Cli(base + QStringList{"import", Path("base.pro"), Path("points.csv"), Path("again.pro")});
    EXPECT_EQ(imported.Exit, 0) << imported.Err.toStdString();
    EXPECT_TRUE(imported.Out.contains("16 points imported from " + Path("points.csv").toUtf8()));
    ExpectProject(Path("again.pro"), "base16.pro");
}

TEST_F(CliTest, ARefusedPointsFileSaysWhereAndWritesNothing)
{
    ASSERT_EQ(Cli({"new", Path("in.pro")}).Exit, 0);
    WriteAll(Path("points.csv"), "index,name\r\n2,GOOD\r\n2,TWICE\r\n");
    const TRun run = Cli({"points", "import", Path("in.pro"), Path("points.csv"), Path("out.pro")});
    EXPECT_EQ(run.Exit, 1);
    EXPECT_EQ(run.Err, "Orvantis error: Nothing was imported from " + Path("points.csv").toUtf8() +
                           ": Row 3, column index: point 2 is also in row 2.\n");
    EXPECT_FALSE(QFile::exists(Path("out.pro")));
    EXPECT_EQ(Cli({"points", "import", Path("in.pro"), Path("missing.csv"), Path("out.pro")}).Exit, 1);
    EXPECT_EQ(Entries(), (QStringList{"in.pro", "points.csv"}));
}

}  // namespace
}  // namespace orvantis::test
