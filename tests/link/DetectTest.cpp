#include "EquipmentLink.h"
#include "FakeDevices.h"
#include "LinkLog.h"

#include <gtest/gtest.h>

using namespace orvantis;
using namespace orvantis::test;

namespace {

struct Bench {
    TInstrumentPorts Ports;
    QStringList Opened;
    TRecordingHost Host;
    TLinkLog LogLines{[this](const QString& line) { Host.Log(line); }};
    TEquipmentLink Link{[this] { return std::make_unique<TInstrumentDevice>(Ports, &Opened); }};

    Bench()
    {
        Link.AddObserver(LogLines);
        Link.AddObserver(Host);
    }

    // Identify on a port opened on one instrument.
    bool IdentifyOn(const std::shared_ptr<sim::TSimInstrument>& instrument)
    {
        Ports.insert(QStringLiteral("COM1"), instrument);
        TSerialPort port(0, std::make_unique<TInstrumentDevice>(Ports));
        EXPECT_TRUE(port.Open());
        return Link.Identify(port);
    }
};

QStringList NotAvailable(int from, int to)
{
    QStringList lines;
    for (int n = from; n <= to; ++n) lines << QStringLiteral("COM%1 not available").arg(n);
    return lines;
}

}  // namespace

TEST(Identify, AcceptsAnEditionOfThisAnalyserAndSendsTheAccessCode)
{
    Bench bench;
    auto instrument = MakeInstrument("*NAM ov+ dvb-t2", "*VER 1.20");
    EXPECT_TRUE(bench.IdentifyOn(instrument));
    EXPECT_EQ(bench.Link.GetEquipmentModel(), 15);
    EXPECT_EQ(bench.Link.EquipmentName(), "OV+ DVB-T2");
    EXPECT_EQ(bench.Link.EquipmentVersionText(), "1.20");
    EXPECT_FLOAT_EQ(bench.Link.GetEquipmentVersion(), 1.2f);
    EXPECT_TRUE(instrument->HasAccess());
    EXPECT_EQ(instrument->CommandCount(), 3);
}

TEST(Identify, NamesThatDoNotMatchTheTableExactlyAreNotUsed)
{
    const QByteArray replies[] = {
        "*?NAM OV+ DVB-T2",              // the echoed query: the name read starts with "NAM"
        "*NAM OV+ DVB-T2 ",              // trailing blank
        "*NAM OV+ DVB-T2 EXTRA TEXT",    // cut to 16 characters, still not a name of the table
        "*NAM SOMETHING ELSE",
    };
    for (const QByteArray& reply : replies) {
        Bench bench;
        auto instrument = MakeInstrument(reply, "*VER 9.9");
        EXPECT_FALSE(bench.IdentifyOn(instrument)) << reply.constData();
        // Nothing is recorded for a name outside the table.
        EXPECT_EQ(bench.Link.GetEquipmentModel(), 0);
        EXPECT_FLOAT_EQ(bench.Link.GetEquipmentVersion(), 3.0f);
        EXPECT_EQ(bench.Link.EquipmentName(), "");
        EXPECT_FALSE(instrument->HasAccess());
        EXPECT_EQ(instrument->CommandCount(), 2) << "the version is asked whatever the name";
    }
}

TEST(Identify, RepliesWithoutAStarOrWithNothingAfterItEndTheExchange)
{
    for (const QByteArray& reply : {QByteArray("NAM OV+ DVB-T2"), QByteArray("OV+*")}) {
        Bench bench;
        auto instrument = MakeInstrument(reply);
        EXPECT_FALSE(bench.IdentifyOn(instrument));
        EXPECT_EQ(instrument->CommandCount(), 1);
    }
}

TEST(Identify, ARejectedInstrumentIsStillRecorded)
{
    Bench bench;
    auto instrument = MakeInstrument("*NAM QUELMAR-3C+", "*VER 2.50");
    EXPECT_FALSE(bench.IdentifyOn(instrument));
    EXPECT_EQ(bench.Link.GetEquipmentModel(), 6);
    EXPECT_EQ(bench.Link.EquipmentName(), "QUELMAR-3C+");
    EXPECT_FLOAT_EQ(bench.Link.GetEquipmentVersion(), 2.5f);
    EXPECT_FALSE(instrument->HasAccess());
}

TEST(Identify, VersionTextsStartAtTheFirstDigit)
{
    const struct {
        QByteArray Reply;
        float Number;
        QString Text;
    } cases[] = {
        {"*VER V 2.05", 2.05f, "2.05"},
        {"*VER V2.05 BETA", 2.05f, "2.05 BETA"},
        {"*VER 3", 3.0f, "3"},
        {"*VER 1.2345678901234567890", 1.2345679f, "1.2345678901234567"},  // text cut to 18
        {"*VER unknown", 3.0f, ""},  // no digit: the version a program assumes, no text
    };
    for (const auto& c : cases) {
        Bench bench;
        EXPECT_TRUE(bench.IdentifyOn(MakeInstrument("*NAM OV+ ISDB-T", c.Reply)));
        EXPECT_FLOAT_EQ(bench.Link.GetEquipmentVersion(), c.Number) << c.Reply.constData();
        EXPECT_EQ(bench.Link.EquipmentVersionText(), c.Text);
    }
}

TEST(Identify, AnUnansweredVersionStillIdentifiesAnAcceptedInstrument)
{
    Bench bench;
    sim::TFaults faults;
    faults.DropAfter = 1;  // answers the name, then nothing more
    EXPECT_TRUE(bench.IdentifyOn(MakeInstrument("*NAM OV+ DVB-T2", "*VER 1.20", faults)));
    EXPECT_EQ(bench.Link.GetEquipmentModel(), 15);
    EXPECT_EQ(bench.Link.EquipmentVersionText(), "");
}

TEST(Detect, SkipsAQuelmarOnCom1AndFindsTheIsdbTEditionOnCom2)
{
    Bench bench;
    bench.Ports.insert(QStringLiteral("COM1"), MakeInstrument("*NAM QUELMAR-1", "*VER 4.00"));
    auto isdb = MakeInstrument("*NAM OV+ ISDB-T", "*VER V1.35");
    bench.Ports.insert(QStringLiteral("COM2"), isdb);

    EXPECT_TRUE(bench.Link.Detect());
    EXPECT_EQ(bench.Host.Lines,
              QStringList({"Detecting equipment and COM port", "COM1 -> not used", "COM2 -> OV+ ISDB-T ver1.35"}));
    EXPECT_EQ(bench.Host.Events, QStringList({"search", "COM1 not used", "COM2 found OV+ ISDB-T"}));
    EXPECT_TRUE(bench.Link.IsDetected());
    EXPECT_EQ(bench.Link.PortIndex(), 1);
    EXPECT_EQ(bench.Link.PortName(), "COM2");
    EXPECT_EQ(bench.Link.GetEquipmentModel(), 16);
    EXPECT_TRUE(isdb->HasAccess());
    EXPECT_EQ(bench.Opened, QStringList({"COM1", "COM2"}));
    EXPECT_GE(bench.Host.Processed, 3);  // at the start and before each opened port
}

TEST(Detect, NoInstrumentAnywhere)
{
    Bench bench;
    EXPECT_FALSE(bench.Link.Detect());
    EXPECT_EQ(bench.Host.Lines, QStringList({"Detecting equipment and COM port"}) + NotAvailable(1, 40));
    EXPECT_EQ(bench.Host.Events, QStringList({"search"}));
    EXPECT_EQ(bench.Link.PortIndex(), -1);
    EXPECT_EQ(bench.Link.PortName(), "");
}

TEST(Detect, ARejectedInstrumentAloneIsNotDetectedButRemembered)
{
    Bench bench;
    bench.Ports.insert(QStringLiteral("COM1"), MakeInstrument("*NAM QUELMAR-1", "*VER 2.25"));
    EXPECT_FALSE(bench.Link.Detect());
    EXPECT_EQ(bench.Host.Lines.mid(0, 3),
              QStringList({"Detecting equipment and COM port", "COM1 -> not used", "COM2 not available"}));
    EXPECT_FALSE(bench.Link.IsDetected());
    EXPECT_EQ(bench.Link.GetEquipmentModel(), 0);
    EXPECT_FLOAT_EQ(bench.Link.GetEquipmentVersion(), 2.25f);
}

TEST(Detect, StartsAfreshEachTime)
{
    Bench bench;
    bench.Ports.insert(QStringLiteral("COM40"), MakeInstrument("*NAM OV+ DVB-T2"));
    EXPECT_TRUE(bench.Link.Detect());
    EXPECT_EQ(bench.Link.PortName(), "COM40");
    EXPECT_EQ(bench.Host.Lines.last(), "COM40 -> OV+ DVB-T2 ver1.20");

    bench.Ports.clear();
    bench.Host.Lines.clear();
    EXPECT_FALSE(bench.Link.Detect());
    EXPECT_FALSE(bench.Link.IsDetected());
    EXPECT_EQ(bench.Link.PortIndex(), -1);
    EXPECT_EQ(bench.Link.GetEquipmentModel(), 15) << "the identity stays until another instrument answers";
}

TEST(Detect, AnExchangeOpensTheFoundPortAnewAfterTheAccessCode)
{
    Bench bench;
    auto instrument = MakeInstrument("*NAM OV+ DVB-T2");
    bench.Ports.insert(QStringLiteral("COM3"), instrument);
    ASSERT_TRUE(bench.Link.Detect());
    // The exchange opens it anew and sends the access code first.
    const int detectCommands = instrument->CommandCount();
    const TExchangeStart start = bench.Link.OpenExchange();
    EXPECT_TRUE(start.HasPort);
    EXPECT_EQ(start.Problem, "");
    EXPECT_EQ(instrument->CommandCount(), detectCommands + 1);
    TFixedIdentity identity;
    TProfile model(nullptr, identity);
    bench.Host.Lines.clear();
    EXPECT_EQ(bench.Link.ReadAreas({{TArea::Config, {{ConfigAddress, ConfigRequestBytes}}}}, model), 0);
    ASSERT_EQ(bench.Host.Lines.size(), 2);
    EXPECT_TRUE(bench.Host.Lines[1].startsWith("*E2P"));
    EXPECT_EQ(instrument->CommandCount(), detectCommands + 2);
    bench.Link.CloseExchange();
    EXPECT_EQ(bench.Opened.count("COM3"), 2);
}

TEST(Detect, WithoutAPortObjectNothingIsTried)
{
    QStringList lines;
    TLinkLog log([&lines](const QString& line) { lines << line; });
    TEquipmentLink link([] { return std::unique_ptr<ISerialDevice>(); });
    link.AddObserver(log);
    EXPECT_FALSE(link.Detect());
    EXPECT_EQ(lines, QStringList({"Detecting equipment and COM port", "Unable to create object port"}));
}

TEST(Detect, RefusedWhileAnotherOperationHoldsTheLink)
{
    Bench bench;
    bench.Ports.insert(QStringLiteral("COM1"), MakeInstrument("*NAM OV+ DVB-T2"));
    {
        TLinkOperation running(bench.Link);
        ASSERT_TRUE(running.Started());
        EXPECT_TRUE(bench.Link.IsBusy());
        EXPECT_FALSE(bench.Link.Detect());
        EXPECT_TRUE(bench.Host.Lines.isEmpty());
        TLinkOperation second(bench.Link);
        EXPECT_FALSE(second.Started());
    }
    EXPECT_FALSE(bench.Link.IsBusy());
    EXPECT_TRUE(bench.Link.Detect());
}
