#include "EepromImage.h"
#include "ReadPlan.h"
#include "SimInstrument.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

using namespace orvantis;
using namespace orvantis::sim;

namespace {

const QByteArray Ack("\x13\x06", 2);
const QByteArray Nak("\x13\x15", 2);

QByteArray Say(TSimInstrument& instrument, const QByteArray& command)
{
    return instrument.Receive(command + "\r\n");
}

TSimInstrument Factory(TFaults faults = {})
{
    return TSimInstrument("*NAM OV+ DVB-T2", "*VER 1.20", FactoryImage(15, 3.0f), faults);
}

// The model filled from a memory image the way a receive fills it.
void ReceiveInto(TProfile& profile, const QByteArray& image)
{
    for (const TReadArea& area : ReadPlan(profile))
        for (const TReadRequest& r : area.Requests) {
            const QByteArray hex = image.mid(r.Address, r.ByteCount).toHex();
            profile.ParseRecord(r.Address, std::string_view(hex.constData(), static_cast<std::size_t>(hex.size())));
        }
}

}  // namespace

TEST(SimInstrument, AnswersTheIdentityQueriesAndWaitsWithXon)
{
    TSimInstrument instrument = Factory();
    EXPECT_EQ(instrument.IdleOutput(), QByteArray("\x11", 1));
    EXPECT_EQ(Say(instrument, "*?NAM"), Ack + "*NAM OV+ DVB-T2\r\n");
    EXPECT_EQ(Say(instrument, "*?VER"), Ack + "*VER 1.20\r\n");
    EXPECT_EQ(Say(instrument, "*?FOO"), Nak);
    instrument.Receive("*?NA");
    EXPECT_TRUE(instrument.IdleOutput().isEmpty()) << "no XON in the middle of a command";
}

TEST(SimInstrument, MemoryCommandsNeedTheAccessCodeUntilReset)
{
    TSimInstrument instrument = Factory();
    EXPECT_EQ(Say(instrument, "*?E2P1F0000E"), Nak);
    EXPECT_EQ(Say(instrument, "*E2P1F0001"), Nak);
    EXPECT_EQ(Say(instrument, "*58203"), Ack);
    EXPECT_TRUE(Say(instrument, "*?E2P1F0000E").startsWith(Ack + "*E2P"));
    EXPECT_EQ(Say(instrument, "*RST"), Ack);
    EXPECT_EQ(Say(instrument, "*?E2P1F0000E"), Nak);
}

TEST(SimInstrument, WritesAreReadBackAsTheRecordDataAfterFourCharacters)
{
    TSimInstrument instrument = Factory();
    Say(instrument, "*58203");
    EXPECT_EQ(Say(instrument, "*E2P0800a0b1c2"), Ack);
    EXPECT_EQ(Say(instrument, "*?E2P0800003"), Ack + "*E2PA0B1C2\r\n");
    EXPECT_TRUE(instrument.ImageChanged());
}

TEST(SimInstrument, RefusesMalformedAndOutOfRangeMemoryCommands)
{
    TSimInstrument instrument = Factory();
    Say(instrument, "*58203");
    for (const QByteArray& command : {QByteArray("*E2P0800ABC"), QByteArray("*E2P08"), QByteArray("*E2P0800XY"),
                                     QByteArray("*E2P1FFFAABB"), QByteArray("*?E2P1FFF002"), QByteArray("*?E2P0800000"),
                                     QByteArray("*?E2P0800031"), QByteArray("*?E2PZZ00001")})
        EXPECT_EQ(Say(instrument, command), Nak) << command.constData();
    EXPECT_FALSE(instrument.ImageChanged());
}

TEST(SimInstrument, Faults)
{
    TFaults nakAt;
    nakAt.NakAddress = 0x0850;
    TSimInstrument refusing = Factory(nakAt);
    Say(refusing, "*58203");
    EXPECT_EQ(Say(refusing, "*?E2P0850014"), Nak);
    EXPECT_EQ(Say(refusing, "*E2P085000"), Nak);
    EXPECT_TRUE(Say(refusing, "*?E2P0864014").startsWith(Ack));

    TFaults drop;
    drop.DropAfter = 2;
    TSimInstrument dropping = Factory(drop);
    EXPECT_EQ(Say(dropping, "*?NAM").left(2), Ack);
    EXPECT_EQ(Say(dropping, "*?VER").left(2), Ack);
    EXPECT_TRUE(Say(dropping, "*?NAM").isEmpty());
    EXPECT_TRUE(dropping.IdleOutput().isEmpty());

    TFaults noise;
    noise.Noise = true;
    TSimInstrument babbling = Factory(noise);
    const QByteArray burst = babbling.IdleOutput();
    EXPECT_FALSE(burst.isEmpty());
    for (char c : QByteArray("\x11\x13\x06\x15", 4)) EXPECT_FALSE(burst.contains(c));
    EXPECT_TRUE(Say(babbling, "*?NAM").isEmpty());
}

TEST(EepromImage, FactoryMemoryHoldsTheModelsDefaults)
{
    for (int row : {15, 16}) {
        TFixedIdentity identity(row, 3.0f);
        TLineList expectedLines, receivedLines;
        TProfile expected(&expectedLines, identity);
        expected.SetDefaults();
        TProfile received(&receivedLines, identity);
        received.SetDefaults();
        received.SetPointFreq(0, 1);
        received.SetMessageText(3, "changed");
        ReceiveInto(received, FactoryImage(row, 3.0f));
        expected.WriteProject(&expectedLines, "x", "t");
        received.WriteProject(&receivedLines, "x", "t");
        EXPECT_EQ(receivedLines, expectedLines) << row;
    }
    EXPECT_NE(FactoryImage(15, 3.0f), FactoryImage(16, 3.0f));
}

TEST(EepromImage, ProjectFilesLoadIntoAndSaveFromTheMemory)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("memory.pro");
    QByteArray image = FactoryImage(15, 3.0f);
    ASSERT_TRUE(ApplyRecordCommand(image, "*E2P0800A0860100"));
    QString error;
    ASSERT_TRUE(SaveImageAsProject(image, 15, 3.0f, path, &error)) << error.toStdString();

    QByteArray loaded = FactoryImage(15, 3.0f);
    ASSERT_TRUE(LoadProjectInto(loaded, path, &error)) << error.toStdString();
    EXPECT_EQ(loaded.mid(0x0800, 4), QByteArray::fromHex("A0860100"));

    test::WriteAll(path, "send *E2P0800A0860100\r\nsend *E2P08ZZ\r\n");
    QByteArray untouched = FactoryImage(15, 3.0f);
    EXPECT_FALSE(LoadProjectInto(untouched, path, &error));
    EXPECT_EQ(untouched, FactoryImage(15, 3.0f)) << "a bad file changes nothing";
}
