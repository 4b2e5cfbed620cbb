#include "EepromImage.h"
#include "FakeDevices.h"
#include "ScriptedPrompter.h"
#include "Session.h"
#include "TextFile.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <functional>
#include <string_view>
#include <QTemporaryDir>

using namespace orvantis;
using namespace orvantis::test;

namespace {

struct Bench {
    TInstrumentPorts Ports;
    TRecordingHost Host;
    TScriptedPrompter Prompter;
    bool NoPortObject = false;  // the system gives no port object
    TSession Session{Host, Prompter, [this]() -> std::unique_ptr<ISerialDevice> {
                         if (NoPortObject) return nullptr;
                         return std::make_unique<TInstrumentDevice>(Ports);
                     }};
    TEquipmentLink& Link = Session.Link();
    TProject& Project = Session.Project();

    // The send sequence itself; the backup before it has tests of its own.
    Bench() { Session.SetSendOptions(NoBackup()); }
    static TSendOptions NoBackup()
    {
        TSendOptions options;
        options.BackUp = false;
        return options;
    }

    std::shared_ptr<sim::TSimInstrument> Instrument(const QString& com = QStringLiteral("COM1"), sim::TFaults faults = {})
    {
        auto instrument = MakeInstrument("*NAM OV+ DVB-T2", "*VER 1.20", faults);
        Ports.insert(com, instrument);
        return instrument;
    }
    TTransferResult Receive() { return Session.Receive(); }
    TTransferResult Send() { return Session.Send(); }
    // File New, its log line left out.
    bool NewProject()
    {
        const bool made = Project.New();
        Host.Lines.clear();
        return made;
    }
    // The log without its date-stamped first and last lines.
    QStringList Inner() const { return Host.Lines.mid(1, Host.Lines.size() - 2); }
};

QStringList SendLines(const TLineList& lines)
{
    QStringList records;
    for (const std::string& line : lines)
        if (line.rfind("send ", 0) == 0) records << QString::fromStdString(line);
    return records;
}

// The data of the record line at address in lines, as the memory holds it.
QByteArray RecordData(const TLineList& lines, const char* address)
{
    const std::string prefix = std::string("send *E2P") + address;
    for (const std::string& line : lines)
        if (line.rfind(prefix, 0) == 0) {
            const std::string data = line.substr(prefix.size(), line.find_first_of(" \t", prefix.size()) - prefix.size());
            return QByteArray::fromHex(QByteArray::fromStdString(data));
        }
    return {};
}

// A fault that lets detection and the access code through and then strikes.
sim::TFaults DropAfterRequests(int requests)
{
    sim::TFaults faults;
    faults.DropAfter = 3 + 1 + requests;  // *?NAM, *?VER, *58203; the exchange's *58203
    return faults;
}

}  // namespace

TEST(Receive, AFullReadBecomesTheNewUnsavedProject)
{
    Bench bench;
    bench.Instrument();
    EXPECT_EQ(bench.Receive(), TTransferResult::Complete);
    const QStringList& log = bench.Host.Lines;
    EXPECT_TRUE(log.first().startsWith("Tools: receive data started at "));
    EXPECT_TRUE(log.last().startsWith("Tools: receive data exit at "));
    EXPECT_EQ(log.mid(1, 3), QStringList({"Detecting equipment and COM port", "COM1 -> OV+ DVB-T2 ver1.20",
                                          "loading configuration data..."}));
    EXPECT_TRUE(log[4].startsWith("*E2P"));
    EXPECT_EQ(log.filter(QRegularExpression("^\\*E2P[0-9A-F]+$")).size(), 112);
    for (const char* area : {"loading identification points data...", "loading identification Scan data...",
                             "loading text messages data..."})
        EXPECT_EQ(log.count(area), 1) << area;
    EXPECT_EQ(log[log.size() - 2], "received data from remote equipment");

    EXPECT_EQ(bench.Project.FileName(), "Untitled.PRO");
    EXPECT_TRUE(bench.Project.IsOpen());
    EXPECT_TRUE(bench.Project.IsModified());
    EXPECT_TRUE(bench.Prompter.Messages.isEmpty());
    EXPECT_EQ(bench.Host.LastProgress, std::make_pair(0, 0));

    // What the factory memory holds is the model's defaults.
    TFixedIdentity identity(15, 1.2f);
    TLineList expected;
    TProfile defaults(&expected, identity);
    defaults.SetDefaults();
    defaults.WriteProject(&expected, "", "");
    EXPECT_EQ(SendLines(bench.Project.Lines()), SendLines(expected));
}

TEST(Receive, CancelInTheSaveQueryChangesNothing)
{
    Bench bench;
    bench.Instrument();
    ASSERT_TRUE(bench.NewProject());
    bench.Project.Profile().SetPointFreq(0, 123456);
    bench.Prompter.AnswerMessage(TMsgButton::Cancel);
    EXPECT_EQ(bench.Receive(), TTransferResult::Cancelled);
    EXPECT_EQ(bench.Host.Lines.size(), 2);
    EXPECT_EQ(bench.Project.FileName(), "Untitled.PRO");
    EXPECT_EQ(bench.Project.Profile().GetPointFreq(0), 123456u);
    EXPECT_FALSE(bench.Link.IsDetected());
}

TEST(Receive, WithoutAnInstrumentTheProjectIsGone)
{
    Bench bench;
    ASSERT_TRUE(bench.NewProject());
    bench.Prompter.AnswerMessage(TMsgButton::No);
    EXPECT_EQ(bench.Receive(), TTransferResult::NoInstrument);
    EXPECT_EQ(bench.Host.Beeps, 1);
    EXPECT_EQ(bench.Inner().last(), "ERROR: unable to receive data. Check connection");
    EXPECT_EQ(bench.Inner().size(), 1 + 40 + 1);
    EXPECT_FALSE(bench.Project.IsOpen());
    EXPECT_EQ(bench.Project.FileName(), "");
}

TEST(Receive, AnInstrumentThatStopsAtTheFifthPointLeavesDefaultsAndAWarning)
{
    Bench bench;
    bench.Instrument(QStringLiteral("COM1"), DropAfterRequests(1 + 4));
    EXPECT_EQ(bench.Receive(), TTransferResult::Incomplete);
    const QStringList inner = bench.Inner();
    const qsizetype points = inner.indexOf("loading identification points data...");
    ASSERT_GE(points, 0);
    for (int i = 1; i <= 4; ++i) EXPECT_TRUE(inner[points + i].startsWith("*E2P")) << i;
    EXPECT_EQ(inner[points + 5], "*?E2P0850014") << "the unanswered request as it was sent";
    // The later areas are still tried.
    EXPECT_EQ(inner.mid(points + 6), QStringList({"loading identification Scan data...", "*?E2P0F00010",
                                                  "loading text messages data...", "*?E2P000D013"}));
    ASSERT_EQ(bench.Prompter.Messages.size(), 1);
    EXPECT_EQ(bench.Prompter.Messages[0].Caption, "Warning");
    EXPECT_EQ(bench.Prompter.Messages[0].Text, "Error loading equipment data. Using default.");
    EXPECT_EQ(bench.Prompter.Messages[0].Icon, TMsgIcon::Warning);
    EXPECT_FALSE(bench.Project.IsOpen());
    EXPECT_EQ(bench.Project.FileName(), "");
    EXPECT_FALSE(bench.Project.IsModified());
}

TEST(Receive, ARefusedRecordStopsOnlyItsArea)
{
    Bench bench;
    sim::TFaults faults;
    faults.NakAddress = 0x0F10;
    auto instrument = bench.Instrument(QStringLiteral("COM1"), faults);
    EXPECT_EQ(bench.Receive(), TTransferResult::Incomplete);
    const QStringList inner = bench.Inner();
    const qsizetype scan = inner.indexOf("loading identification Scan data...");
    EXPECT_TRUE(inner[scan + 1].startsWith("*E2P"));
    EXPECT_EQ(inner[scan + 2], "*?E2P0F10010");
    EXPECT_EQ(inner[scan + 3], "loading text messages data...");
    EXPECT_EQ(inner.size() - scan - 4, 57);
}

TEST(Receive, RefusedWhileAnotherOperationRuns)
{
    Bench bench;
    TLinkOperation running(bench.Link);
    EXPECT_EQ(bench.Receive(), TTransferResult::Busy);
    EXPECT_EQ(bench.Send(), TTransferResult::Busy);
    EXPECT_TRUE(bench.Host.Lines.isEmpty());
}

TEST(SendLine, JudgesLinesLikeTheProjectReader)
{
    const struct {
        const char* Line;
        bool Accepted;
        const char* Command;  // what goes to the instrument
    } cases[] = {
        {"", true, ""},
        {" \t ", true, ""},
        {"  # comment", true, ""},
        {"print *E2P0800", true, ""},
        {"send", false, ""},
        {"send #x", false, ""},
        {"send *RST", true, ""},
        {"send *E2P1F00AB    #3)SAVE", true, "*E2P1F00AB"},
        {"SEND(*E2P1F00AB)", true, "*E2P1F00AB"},
        {"Send *e2p1f00ab, # note", true, "*E2P1F00AB"},
        {"send *E2P1F00\nsend *RST", true, "*E2P1F00"},
        {"sender *E2P1F00", true, ""},
    };
    for (const auto& c : cases) {
        TDeviceRecord record;
        record.QueueBytes(QByteArray("\x11\x13\x06", 3));  // XON, XOFF, ACK: one command taken
        TEquipmentLink link([&record] { return std::make_unique<TScriptedDevice>(record); });
        link.OpenExchange(false);
        EXPECT_EQ(link.WriteLines({c.Line}).Complete, c.Accepted) << c.Line;
        EXPECT_EQ(record.Written, *c.Command ? QByteArray(c.Command) + "\r\n" : QByteArray()) << c.Line;
    }
}

TEST(Send, EveryLineIsLoggedAndTheInstrumentIsResetAtTheEnd)
{
    Bench bench;
    auto instrument = bench.Instrument();
    ASSERT_TRUE(bench.NewProject());
    bench.Project.Profile().SetPointFreq(2, 474000);  // unsaved edits are sent
    EXPECT_EQ(bench.Send(), TTransferResult::Complete);

    const TLineList& sent = bench.Project.Lines();
    const QStringList inner = bench.Inner();
    ASSERT_EQ(inner.size(), 2 + static_cast<qsizetype>(sent.size()) + 2);
    for (std::size_t i = 0; i < sent.size(); ++i)
        EXPECT_EQ(inner[2 + static_cast<qsizetype>(i)], QString::fromStdString(sent[i]) + " OK");
    EXPECT_EQ(inner[inner.size() - 2], "Untitled.PRO sent to remote equipment");
    EXPECT_EQ(inner.last(), QStringLiteral("processed 112 data lines of %1").arg(sent.size()));
    EXPECT_FALSE(instrument->HasAccess()) << "*RST ends the access";
    const QByteArray record = RecordData(sent, "0828");
    ASSERT_EQ(record.size(), 20);
    EXPECT_EQ(instrument->Image().mid(0x0828, 20), record);
    EXPECT_TRUE(bench.Project.IsModified()) << "sending saves nothing";
}

TEST(Send, ARefusedRecordStopsTheSendWithoutReset)
{
    Bench bench;
    sim::TFaults faults;
    faults.NakAddress = 0x0814;
    auto instrument = bench.Instrument(QStringLiteral("COM1"), faults);
    ASSERT_TRUE(bench.NewProject());
    bench.Project.Profile().SetPointFreq(0, 474000);
    bench.Project.Profile().SetPointFreq(1, 482000);
    EXPECT_EQ(bench.Send(), TTransferResult::Incomplete);
    const QString last = bench.Inner().last();
    EXPECT_TRUE(last.startsWith("error at: send *E2P0814")) << last.toStdString();
    EXPECT_TRUE(instrument->HasAccess()) << "no *RST after an error";
    const QByteArray first = RecordData(bench.Project.Lines(), "0800");
    const QByteArray second = RecordData(bench.Project.Lines(), "0814");
    ASSERT_EQ(first.size(), 20);
    EXPECT_EQ(instrument->Image().mid(0x0800, 20), first) << "records before stay written";
    EXPECT_NE(instrument->Image().mid(0x0814, 20), second);
}

TEST(Send, AnInstrumentSwitchedOffAfterDetectionStopsAtTheFirstRecord)
{
    Bench bench;
    bench.Instrument();
    ASSERT_TRUE(bench.Link.Detect());
    bench.Ports.clear();  // the port no longer opens
    ASSERT_TRUE(bench.NewProject());
    bench.Host.Lines.clear();
    EXPECT_EQ(bench.Send(), TTransferResult::Incomplete);
    const QStringList inner = bench.Inner();
    EXPECT_TRUE(inner.last().startsWith("error at: send *E2P"));
    EXPECT_TRUE(inner[inner.size() - 2].endsWith(" OK"));
}

TEST(Transfer, APortThatWillNotOpenIsNamedWithItsReason)
{
    Bench bench;
    bench.Instrument();
    ASSERT_TRUE(bench.Link.Detect());
    bench.Ports.clear();
    ASSERT_TRUE(bench.NewProject());
    EXPECT_EQ(bench.Send(), TTransferResult::Incomplete);
    EXPECT_EQ(bench.Inner().first(), "COM1 could not be opened: no instrument on this port");

    bench.Host.Lines.clear();
    bench.Prompter.AnswerMessage(TMsgButton::No);
    EXPECT_EQ(bench.Receive(), TTransferResult::Incomplete);
    EXPECT_EQ(bench.Inner().mid(0, 3), QStringList({"COM1 could not be opened: no instrument on this port",
                                                    "loading configuration data...", "*?E2P1F0000E"}));
    ASSERT_EQ(bench.Prompter.Messages.size(), 2);
    EXPECT_EQ(bench.Prompter.Messages.last().Caption, "Warning");
}

TEST(Send, AsksBeforeSendingWhatCouldReplaceSettingsUnmeant)
{
    Bench bench;
    auto instrument = bench.Instrument();
    QTemporaryDir dir;
    const QString stray = dir.filePath("stray.pro");
    ASSERT_TRUE(SaveTextLines(stray, {"send *E2P00D34C414E00", "send    # note"}).Ok);
    bench.Prompter.AnswerFile(stray);
    ASSERT_TRUE(bench.Project.Open());
    bench.Host.Lines.clear();
    bench.Prompter.AnswerMessage(TMsgButton::No);  // "Send it to the instrument all the same?"
    EXPECT_EQ(bench.Send(), TTransferResult::Cancelled);
    EXPECT_EQ(bench.Prompter.Messages.last().Buttons, TMsgButton::Yes | TMsgButton::No);
    EXPECT_TRUE(bench.Host.Lines.isEmpty());
    EXPECT_EQ(instrument->CommandCount(), 0);

    // A backup that cannot be kept: the user may still send.
    ASSERT_TRUE(bench.NewProject());
    TSendOptions options;
    options.BackupFolder = stray;  // a file, not a folder
    bench.Session.SetSendOptions(options);
    bench.Prompter.AnswerMessage(TMsgButton::Yes);  // "Send without a backup?"
    EXPECT_EQ(bench.Send(), TTransferResult::Complete);
    EXPECT_TRUE(bench.Host.Lines.filter("no backup of the instrument: ").size() == 1);
    EXPECT_EQ(bench.Session.LastBackup(), "");
}

// Sends in quick succession, as a script makes them: each keeps its own
// backup of what the instrument held, and the first one, sent back, gives
// the instrument its own settings again, to the last byte.
TEST(Backup, SendsInOneSecondKeepABackupEachAndTheFirstRestoresTheInstrument)
{
    Bench bench;
    QByteArray image = sim::FactoryImage(DvbT2ModelRow, 1.2f);
    ASSERT_TRUE(sim::ApplyRecordCommand(image, "*E2P1F00000300000A00D20001000002020207"));  // 7 MHz
    const auto instrument = std::make_shared<sim::TSimInstrument>("*NAM OV+ DVB-T2", "*VER 1.20", image);
    bench.Ports.insert(QStringLiteral("COM1"), instrument);
    QTemporaryDir dir;
    TSendOptions options;
    options.BackupFolder = dir.filePath("backups");
    bench.Session.SetSendOptions(options);

    QStringList backups;
    ASSERT_TRUE(bench.NewProject());
    for (const char* text : {"ONE:", "TWO:", "SIX:"}) {
        bench.Project.Profile().SetMessageText(12, text);
        ASSERT_EQ(bench.Send(), TTransferResult::Complete);
        backups << bench.Session.LastBackup();
    }
    QStringList names;
    for (const QString& path : backups) names << QFileInfo(path).fileName();
    names.sort();
    EXPECT_EQ(QDir(options.BackupFolder).entryList(QDir::Files | QDir::Hidden, QDir::Name), names)
        << "one backup per send, and nothing else";
    ASSERT_NE(image, instrument->Image());

    for (int i = 1; i < 3; ++i) {
        Bench reader;
        reader.Prompter.AnswerFile(backups[i]);
        ASSERT_TRUE(reader.Project.Open());
        EXPECT_STREQ(reader.Project.Profile().GetMessageText(12), i == 1 ? "ONE:" : "TWO:");
    }

    Bench restore;
    restore.Ports.insert(QStringLiteral("COM1"), instrument);
    restore.Prompter.AnswerFile(backups[0]);
    ASSERT_TRUE(restore.Project.Open());
    ASSERT_EQ(restore.Send(), TTransferResult::Complete);
    EXPECT_EQ(instrument->Image().toHex(), image.toHex());
}

TEST(Send, RefreshesTheVersionButNotItsText)
{
    Bench bench;
    bench.Instrument();
    ASSERT_TRUE(bench.Link.Detect());
    bench.Ports.insert(QStringLiteral("COM1"), MakeInstrument("*NAM OV+ DVB-T2", "*VER 2.50"));
    ASSERT_TRUE(bench.NewProject());
    EXPECT_EQ(bench.Send(), TTransferResult::Complete);
    EXPECT_FLOAT_EQ(bench.Link.GetEquipmentVersion(), 2.5f);
    EXPECT_EQ(bench.Link.EquipmentVersionText(), "1.20");
}

// Another instrument behind the port since detection (here: another
// firmware) may keep its bytes elsewhere: a send of the changes only
// writes every record there.
TEST(Send, ChangesOnlyAreSentOnlyToTheInstrumentDetectionFound)
{
    Bench bench;
    bench.Instrument();
    ASSERT_TRUE(bench.Link.Detect());
    ASSERT_TRUE(bench.NewProject());
    TSendOptions options = Bench::NoBackup();
    options.ChangedOnly = true;
    bench.Session.SetSendOptions(options);
    EXPECT_EQ(bench.Send(), TTransferResult::Complete);
    EXPECT_TRUE(bench.Host.Lines.contains("0 of 112 records differ"));

    auto other = MakeInstrument("*NAM OV+ DVB-T2", "*VER 1.21");
    bench.Ports.insert(QStringLiteral("COM1"), other);
    bench.Host.Lines.clear();
    EXPECT_EQ(bench.Send(), TTransferResult::Complete);
    EXPECT_TRUE(bench.Host.Lines.contains("every record is sent: the instrument does not answer with the name and version found"));
    EXPECT_EQ(other->RecordsWritten(), 112);
}

TEST(Send, WithoutAnInstrumentNothingIsSent)
{
    Bench bench;
    ASSERT_TRUE(bench.NewProject());
    EXPECT_EQ(bench.Send(), TTransferResult::NoInstrument);
    EXPECT_EQ(bench.Host.Beeps, 1);
    EXPECT_EQ(bench.Inner().last(), "ERROR: unable to send data. Check connection");
}

TEST(Transfer, ReceiveSendReceiveRoundTripsAChangedModel)
{
    Bench bench;
    auto instrument = bench.Instrument(QStringLiteral("COM2"));
    ASSERT_EQ(bench.Receive(), TTransferResult::Complete);
    bench.Project.Profile().SetPointName(7, "ROUND");
    bench.Project.Profile().SetMessageText(5, "HELLO");
    ASSERT_EQ(bench.Send(), TTransferResult::Complete);

    Bench again;
    again.Ports.insert(QStringLiteral("COM2"), instrument);
    ASSERT_EQ(again.Receive(), TTransferResult::Complete);
    EXPECT_EQ(QByteArray(again.Project.Profile().GetPointName(7)).trimmed(), "ROUND");
    EXPECT_STREQ(again.Project.Profile().GetMessageText(5), "HELLO");
}

// Found, then the system gives no port: each operation says it could not
// work in its box, and reads or writes nothing.
TEST(Transfer, WithoutAPortObjectEachOperationSaysItInItsBox)
{
    struct Case {
        const char* Text;
        std::function<TTransferResult(Bench&)> Run;
    };
    const Case cases[] = {
        {"Unable to receive data", [](Bench& b) { return b.Receive(); }},
        {"Unable to send data", [](Bench& b) { return b.Send(); }},
        {"Unable to read the equipment", [](Bench& b) { return b.Session.Compare().Result; }},
    };
    for (const Case& c : cases) {
        Bench bench;
        const auto instrument = bench.Instrument();
        ASSERT_TRUE(bench.Link.Detect());
        ASSERT_TRUE(bench.NewProject());
        if (c.Text == std::string_view("Unable to receive data")) bench.Prompter.AnswerMessage(TMsgButton::No);  // save changes?
        bench.NoPortObject = true;
        const int commands = instrument->CommandCount();
        EXPECT_EQ(c.Run(bench), TTransferResult::Failed) << c.Text;
        ASSERT_FALSE(bench.Prompter.Messages.isEmpty()) << c.Text;
        const TAskedMessage& box = bench.Prompter.Messages.last();
        EXPECT_EQ(box.Caption, "Orvantis error") << c.Text;
        EXPECT_EQ(box.Text, c.Text);
        EXPECT_EQ(box.Icon, TMsgIcon::Error) << c.Text;
        EXPECT_EQ(instrument->CommandCount(), commands) << c.Text;
        EXPECT_TRUE(bench.Prompter.AllAnswersUsed()) << c.Text;
        EXPECT_TRUE(bench.Host.Lines.last().contains(" exit at ")) << c.Text;
    }
}

// A port that will not open at Compare: the reason, then what could not be
// read, and no verdict on the settings.
TEST(Compare, APortThatWillNotOpenIsNamedAndNothingIsJudged)
{
    Bench bench;
    bench.Instrument();
    ASSERT_TRUE(bench.Link.Detect());
    ASSERT_TRUE(bench.NewProject());
    bench.Ports.clear();
    const TComparison comparison = bench.Session.Compare();
    EXPECT_EQ(comparison.Result, TTransferResult::Incomplete);
    EXPECT_TRUE(comparison.Differences.isEmpty());
    EXPECT_EQ(bench.Inner(), QStringList({"COM1 could not be opened: no instrument on this port",
                                          "ERROR: 4 of the 4 memory areas could not be read"}));
}
