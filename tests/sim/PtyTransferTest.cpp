// Receive and Send through real pseudo-terminals and Qt SerialPort against
// orvantis-sim, in-process and through orvantis-cli.

#include "EquipmentLink.h"
#include "FakeDevices.h"
#include "ProjectRecords.h"
#include "ScriptedPrompter.h"
#include "Session.h"
#include "SimProcess.h"
#include "TextFile.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

using namespace orvantis;
using namespace orvantis::test;

namespace {

constexpr qint64 HangLimitMs = 30000;

class PtyTransfer : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(FDir.isValid());
        qputenv("ORVANTIS_PORT_DIR", FDir.path().toLocal8Bit());
        Prompter.SetAutoOk(true);
        // The send sequence itself; the backups before it have tests of their own.
        TSendOptions options;
        options.BackUp = false;
        Session.SetSendOptions(options);
    }
    void TearDown() override { qunsetenv("ORVANTIS_PORT_DIR"); }

    TSimProcess& Sim(int com, const QStringList& options = {})
    {
        auto& sim = FSims.emplace_back(std::make_unique<TSimProcess>());
        EXPECT_TRUE(sim->Start(FDir.path(), com, options));
        return *sim;
    }
    template <typename Fn>
    TTransferResult Timed(Fn run)
    {
        QElapsedTimer clock;
        clock.start();
        const TTransferResult result = run();
        EXPECT_LT(clock.elapsed(), HangLimitMs);
        return result;
    }
    TTransferResult Receive() { return Timed([this] { return Session.Receive(); }); }
    TTransferResult Send() { return Timed([this] { return Session.Send(); }); }
    int Cli(const QStringList& args, QByteArray* out = nullptr, QByteArray* err = nullptr)
    {
        QProcess cli;
        cli.start(QStringLiteral(ORVANTIS_CLI_PATH), args);
        EXPECT_TRUE(cli.waitForFinished(HangLimitMs));
        if (out) *out = cli.readAllStandardOutput();
        if (err) *err = cli.readAllStandardError();
        return cli.exitStatus() == QProcess::NormalExit ? cli.exitCode() : -1;
    }

    QTemporaryDir FDir;
    std::vector<std::unique_ptr<TSimProcess>> FSims;
    TRecordingHost Host;
    TScriptedPrompter Prompter;
    TSession Session{Host, Prompter};
    TEquipmentLink& Link = Session.Link();
    TProject& Project = Session.Project();
};

}  // namespace

TEST_F(PtyTransfer, ReceiveSendReceiveCarriesAChangedModelIntoTheInstrumentAndBack)
{
    Sim(3, {"--name", "OV+ ISDB-T"});
    ASSERT_EQ(Receive(), TTransferResult::Complete);
    EXPECT_EQ(Link.GetEquipmentModel(), 16);
    Project.Profile().SetPointName(0, "FIELD");
    Project.Profile().SetBandEnd(1, 700000000);
    Project.Profile().SetMessageText(10, "CHANGED");
    ASSERT_EQ(Send(), TTransferResult::Complete);
    EXPECT_TRUE(Host.Lines.contains("processed 112 data lines of 122"));
    const QStringList sent = RecordLines(Project.Lines());

    TRecordingHost otherHost;
    TSession other(otherHost, Prompter);
    const TProject& again = other.Project();
    ASSERT_EQ(other.Receive(), TTransferResult::Complete);
    // The configuration is read with 14 of its 15 bytes; the rest must match.
    QStringList received = RecordLines(again.Lines());
    ASSERT_EQ(received.size(), sent.size());
    EXPECT_EQ(received.mid(1), sent.mid(1));
    EXPECT_EQ(QByteArray(again.Profile().GetPointName(0)).trimmed(), "FIELD");
}

TEST_F(PtyTransfer, TheCliReceivesIntoAFileAndSendsItBack)
{
    Sim(1);
    const QString file = FDir.filePath("received.pro");
    QByteArray out;
    ASSERT_EQ(Cli({"receive", file}, &out), 0) << out.constData();
    EXPECT_TRUE(out.contains("received data from remote equipment"));
    EXPECT_TRUE(out.contains("file saved as " + file.toUtf8()));

    // The factory memory is the defaults of the model that answered.
    TFixedIdentity identity(15, 1.2f);
    TLineList defaults;
    TProfile profile(&defaults, identity);
    profile.SetDefaults();
    profile.WriteProject(&defaults, "", "");
    EXPECT_EQ(RecordLinesOf(file), RecordLines(defaults));

    ASSERT_EQ(Cli({"send", file}, &out), 0) << out.constData();
    EXPECT_TRUE(out.contains(file.toUtf8() + " sent to remote equipment"));
}

TEST_F(PtyTransfer, ThePartialReceiveWritesNoFile)
{
    Sim(1, {"--nak-at", "0850"});
    const QString file = FDir.filePath("partial.pro");
    QByteArray out;
    EXPECT_EQ(Cli({"receive", file}, &out), 1);
    EXPECT_TRUE(out.contains("*?E2P0850014"));
    EXPECT_FALSE(QFile::exists(file));
}

TEST_F(PtyTransfer, ARefusedRecordFailsTheCliSend)
{
    Sim(1, {"--nak-at", "0F20"});
    const QString file = FDir.filePath("project.pro");
    ASSERT_EQ(Cli({"new", file}), 0);
    QByteArray out;
    EXPECT_EQ(Cli({"send", "--no-backup", file}, &out), 1);
    EXPECT_TRUE(out.contains("error at: send *E2P0F20"));
    EXPECT_FALSE(out.contains("sent to remote equipment"));
}

TEST_F(PtyTransfer, APulledCableDuringReceiveEndsWithTheWarning)
{
    Sim(2, {"--hangup-after", "20"});
    EXPECT_EQ(Receive(), TTransferResult::Incomplete);
    ASSERT_EQ(Prompter.Messages.size(), 1);
    EXPECT_EQ(Prompter.Messages[0].Caption, "Warning");
    EXPECT_TRUE(Host.Lines.last().startsWith("Tools: receive data exit at "));
}

TEST_F(PtyTransfer, APulledCableDuringSendStopsAtTheNextRecord)
{
    Sim(2, {"--hangup-after", "30"});
    ASSERT_TRUE(Project.New());
    EXPECT_EQ(Send(), TTransferResult::Incomplete);
    EXPECT_EQ(Host.Lines.filter("error at: send *E2P").size(), 1);
    EXPECT_TRUE(Host.Lines.last().startsWith("Tools: send data exit at "));
}

TEST_F(PtyTransfer, ANoisyPortIsNoInstrument)
{
    Sim(1, {"--noise"});
    ASSERT_TRUE(Project.New());
    EXPECT_EQ(Send(), TTransferResult::NoInstrument);
    EXPECT_TRUE(Host.Lines.contains("COM1 -> not used"));
    EXPECT_EQ(Host.Beeps, 1);
}

TEST_F(PtyTransfer, ASlowInstrumentJustInsideTheTimeOutsStillAnswers)
{
    Sim(1, {"--slow", "95", "--pace"});
    ASSERT_TRUE(Link.Detect());
    ASSERT_EQ(Link.OpenExchange().Problem, "");
    TFixedIdentity identity;
    TProfile model(nullptr, identity);
    Host.Lines.clear();
    EXPECT_EQ(Link.ReadAreas({{TArea::Config, {{0x1F00, 14}}}, {TArea::Points, {{0x0800, 20}}},
                              {TArea::Messages, {{0x000D, 19}}}},
                             model),
              0);
    ASSERT_EQ(Host.Lines.size(), 6);
    for (int reply : {1, 3, 5}) EXPECT_TRUE(Host.Lines[reply].startsWith("*E2P")) << Host.Lines[reply].toStdString();
    Link.CloseExchange();
}

// The send's backup is what the instrument held before: the simulator's
// memory file as it was when it started.
TEST_F(PtyTransfer, TheCliSendKeepsABackupOfWhatTheInstrumentHeld)
{
    const QString memory = FDir.filePath("memory.pro");
    const QString before = FDir.filePath("before.pro");
    const QString backups = FDir.filePath("backups");
    ASSERT_EQ(Cli({"new", before}), 0);
    TLineList edited;
    ASSERT_TRUE(LoadTextLines(before, edited).Ok);
    for (std::string& line : edited)
        if (line.rfind("send *E2P0800", 0) == 0) line = "send *E2P0800D0B90C000001080000FFFF004649454C44203031    #FIELD 01";
    ASSERT_TRUE(SaveTextLines(memory, edited).Ok);
    Sim(1, {"--eeprom", memory});

    const QString project = FDir.filePath("project.pro");
    ASSERT_EQ(Cli({"new", project}), 0);
    QByteArray out;
    ASSERT_EQ(Cli({"send", "--backup-dir", backups, project}, &out), 0) << out.constData();
    const QStringList kept = QDir(backups).entryList({"OV+_DVB-T2-COM1-*.pro"}, QDir::Files);
    ASSERT_EQ(kept.size(), 1);
    EXPECT_TRUE(out.contains("instrument settings backed up to " + QDir(backups).filePath(kept[0]).toUtf8()));
    EXPECT_EQ(RecordLinesOf(QDir(backups).filePath(kept[0])).join('\n').toStdString(),
              RecordLinesOf(memory).join('\n').toStdString());
}

// The instrument's memory holds a bandwidth of 7 MHz in the configuration's
// last byte, which Receive does not ask for. Verify reads it; a backup sent
// back writes it as it was.
TEST_F(PtyTransfer, ABackupSentBackGivesTheInstrumentItsOwnMemoryAgain)
{
    const QString memory = FDir.filePath("memory.pro");
    ASSERT_EQ(Cli({"new", memory}), 0);
    TLineList lines;
    ASSERT_TRUE(LoadTextLines(memory, lines).Ok);
    for (std::string& line : lines)
        if (line.rfind("send *E2P1F00", 0) == 0) line = "send *E2P1F00000300000A00D20001000002020207";
    ASSERT_TRUE(SaveTextLines(memory, lines).Ok);
    const QStringList held = RecordLinesOf(memory);

    TSimProcess& verified = Sim(1, {"--eeprom", memory});
    EXPECT_EQ(Cli({"verify", memory}), 0);
    ASSERT_TRUE(verified.Stop());
    EXPECT_TRUE(verified.Output().contains("ACK *?E2P1F0000F ")) << "the configuration's 15 bytes";
    EXPECT_FALSE(verified.Output().contains("*?E2P1F0000E"));

    TSimProcess& sim = Sim(1, {"--eeprom", memory, "--quiet"});
    const QString project = FDir.filePath("project.pro");
    const QString backups = FDir.filePath("backups");
    ASSERT_EQ(Cli({"new", project}), 0);
    ASSERT_EQ(Cli({"send", "--backup-dir", backups, project}), 0);
    const QStringList kept = QDir(backups).entryList(QDir::Files);
    ASSERT_EQ(kept.size(), 1);
    ASSERT_EQ(Cli({"send", "--no-backup", QDir(backups).filePath(kept[0])}), 0);
    ASSERT_TRUE(sim.Stop());
    EXPECT_EQ(RecordLinesOf(memory).join('\n').toStdString(), held.join('\n').toStdString());
}

TEST_F(PtyTransfer, ASendWhoseBackupCannotBeReadWritesNothing)
{
    const QString memory = FDir.filePath("memory.pro");
    TSimProcess& sim = Sim(1, {"--eeprom", memory, "--nak-at", "0F20"});
    const QString project = FDir.filePath("project.pro");
    ASSERT_EQ(Cli({"new", project}), 0);
    QByteArray out;
    QByteArray err;
    EXPECT_EQ(Cli({"send", "--backup-dir", FDir.filePath("backups"), project}, &out, &err), 1);
    EXPECT_TRUE(out.contains("no backup of the instrument: 1 of the 4 memory areas could not be read"));
    // No one at the command line can answer a question: the option is named instead.
    EXPECT_TRUE(err.contains("nothing sent (--no-backup sends without a backup)")) << err.constData();
    EXPECT_FALSE(err.contains("Send without a backup?")) << err.constData();
    EXPECT_FALSE(out.contains(" OK"));
    ASSERT_TRUE(sim.Stop());
    EXPECT_FALSE(QFile::exists(memory)) << "the simulator saves its memory only after a write";
}

TEST_F(PtyTransfer, VerifyAndDiffNameExactlyTheSettingsThatDiffer)
{
    Sim(1);
    const QString received = FDir.filePath("received.pro");
    ASSERT_EQ(Cli({"receive", received}), 0);
    TFixedIdentity identity(15, 1.2f);
    TScriptedPrompter prompter;
    TProject project(identity, prompter, [](const QString&) {});
    prompter.AnswerFile(received);
    ASSERT_TRUE(project.Open());
    project.Profile().SetPointFreq(11, 482000);
    project.Profile().SetMessageText(12, "RED:");
    const QString edited = FDir.filePath("edited.pro");
    prompter.AnswerFile(edited);
    ASSERT_TRUE(project.SaveAs());

    const QStringList expected{"Point 12 frequency: 482000 kHz in the project, 818000 kHz in the instrument",
                               "Message 12: \"RED:\" in the project, \"NET:\" in the instrument"};
    QByteArray out;
    EXPECT_EQ(Cli({"verify", edited}, &out), 1);
    EXPECT_EQ(QString::fromUtf8(out).split('\n').filter(" in the instrument"), expected);
    EXPECT_EQ(Cli({"diff", edited, received}, &out), 1);
    EXPECT_EQ(QString::fromUtf8(out).split('\n', Qt::SkipEmptyParts).size(), 2);

    EXPECT_EQ(Cli({"send", "--no-backup", "--verify", edited}, &out), 0) << out.constData();
    EXPECT_TRUE(out.contains("the instrument holds the settings of the project"));
    EXPECT_EQ(Cli({"diff", edited, edited}, &out), 0);
}

TEST_F(PtyTransfer, PointsEditedInASpreadsheetReachTheInstrument)
{
    Sim(1);
    const auto path = [this](const char* name) { return FDir.filePath(name); };
    const QStringList asSim{"--model", "15", "--fw", "1.2"};
    ASSERT_EQ(Cli({"receive", path("received.pro")}), 0);
    ASSERT_EQ(Cli(asSim + QStringList{"points", "export", path("received.pro"), path("points.csv")}), 0);

    // Saved again by a spreadsheet of a comma-decimal locale: semicolons,
    // decimal commas, a byte order mark, two rows changed.
    QByteArray sheet = "\xEF\xBB\xBF";
    for (QByteArray line : ReadAll(path("points.csv")).split('\n')) {
        line = line.trimmed();
        if (line.isEmpty()) continue;
        QList<QByteArray> cells = line.split(',');
        if (cells[0] == "1") cells = {"1", "474000.0", "LISBOA 1", "DVB-T2", "7 MHz", "8K", "1/4", "no"};
        if (cells[0] == "50") cells[1] = "506000.9", cells[2] = "\xC3\x89VORA";
        cells[1].replace('.', ',');
        sheet += cells.join(';') + "\r\n";
    }
    WriteAll(path("edited.csv"), sheet);
    ASSERT_EQ(Cli(asSim + QStringList{"points", "import", path("received.pro"), path("edited.csv"), path("edited.pro")}), 0);
    ASSERT_EQ(Cli({"send", path("edited.pro")}), 0);
    ASSERT_EQ(Cli({"receive", path("back.pro")}), 0);

    TFixedIdentity identity(DvbT2ModelRow, 1.2f);
    TLineList lines;
    ASSERT_TRUE(LoadTextLines(path("back.pro"), lines).Ok);
    TProfile back(&lines, identity);
    back.LoadFromLines();
    EXPECT_EQ(back.GetPointFreq(0), 474000u);
    EXPECT_STREQ(back.GetPointName(0), "LISBOA 1");
    EXPECT_EQ(back.GetPointStandard(0), 9);
    EXPECT_EQ(back.GetPointBW(0), 7);
    EXPECT_EQ(back.GetPointFreq(49), 506000u);
    EXPECT_STREQ(back.GetPointName(49), "\xC9VORA   ");
    // Every other record as it was received (the configuration is read with 14 of its 15 bytes).
    const QStringList received = RecordLinesOf(path("received.pro"));
    const QStringList edited = RecordLinesOf(path("edited.pro"));
    EXPECT_EQ(RecordLinesOf(path("back.pro")).mid(1), edited.mid(1));
    int changed = 0;
    for (int i = 0; i < received.size(); ++i) changed += received[i] != edited[i];
    EXPECT_EQ(changed, 2);
}
