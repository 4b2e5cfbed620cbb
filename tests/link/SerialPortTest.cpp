#include "FakeDevices.h"
#include "SerialPort.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

using namespace orvantis;
using namespace orvantis::test;

namespace {

struct Port {
    TDeviceRecord Device;
    TSerialPort Serial{0, std::make_unique<TScriptedDevice>(Device)};

    Port() = default;
    explicit Port(int index) { Serial.SelectPort(static_cast<unsigned>(index)); }
    void OpenIt()
    {
        ASSERT_TRUE(Serial.Open());
        Device.Calls.clear();
    }
};

const QByteArray Handshake("\x11", 1);
const QByteArray Accepted("\x13\x06", 2);

}  // namespace

TEST(SerialPortTable, IndexesNameComPorts)
{
    const struct {
        unsigned Index;
        const char* Name;
    } cases[] = {{0, "COM1"}, {1, "COM2"}, {8, "COM9"}, {9, "COM10"}, {39, "COM40"}, {40, "COM2"}, {1000, "COM2"}};
    for (const auto& c : cases) {
        Port port;
        port.Serial.SelectPort(c.Index);
        EXPECT_STREQ(port.Serial.GetPortName(), c.Name) << c.Index;
        EXPECT_EQ(port.Serial.GetPortIndex(), c.Index);
    }
}

TEST(SerialPortTable, OpenAsksTheDeviceForTheComName)
{
    Port port(9);
    EXPECT_TRUE(port.Serial.Open());
    EXPECT_EQ(port.Device.OpenedName, "COM10");
    EXPECT_EQ(port.Device.Calls, QStringList({"open COM10", "purge"}));
}

TEST(SerialPortLifecycle, SelectPortOnAnOpenPortDropsRtsThenDtrAndCloses)
{
    Port port;
    port.OpenIt();
    port.Serial.SelectPort(4);
    EXPECT_EQ(port.Device.Calls, QStringList({"rts 0", "dtr 0", "close"}));
    EXPECT_FALSE(port.Serial.IsOpen());
    EXPECT_STREQ(port.Serial.GetPortName(), "COM5");
}

TEST(SerialPortLifecycle, ClosingTwiceClosesOnce)
{
    Port port;
    port.OpenIt();
    port.Serial.Close();
    port.Serial.Close();
    EXPECT_EQ(port.Device.Calls.count("close"), 1);
}

TEST(SerialPortLifecycle, OpenFailureLeavesThePortClosed)
{
    Port port;
    port.Device.OpenSucceeds = false;
    EXPECT_FALSE(port.Serial.Open());
    EXPECT_FALSE(port.Serial.IsOpen());
    EXPECT_FALSE(port.Device.Calls.contains("purge"));
}

TEST(SerialPortLifecycle, ConfigureSetsTheLineThenRaisesDtrAndRts)
{
    Port port;
    port.OpenIt();
    port.Device.ModemLinesSucceed = false;  // a pseudo-terminal
    EXPECT_TRUE(port.Serial.Configure());
    EXPECT_EQ(port.Device.Calls, QStringList({"line", "dtr 1", "rts 1"}));
}

TEST(SerialPortLifecycle, ConfigureStopsWhenTheLineCannotBeSet)
{
    Port port;
    port.OpenIt();
    port.Device.LineSucceeds = false;
    EXPECT_FALSE(port.Serial.Configure());
    EXPECT_EQ(port.Device.Calls, QStringList({"line"}));
}

TEST(SerialPortLifecycle, OperationsOnAClosedPortFail)
{
    Port port;
    char text[256] = "*?NAM";
    EXPECT_FALSE(port.Serial.Configure());
    EXPECT_FALSE(port.Serial.WriteLine(text));
    EXPECT_FALSE(port.Serial.SendCommand("*RST"));
    EXPECT_FALSE(port.Serial.Query(text, 32));
    EXPECT_EQ(port.Device.ReadCalls, 0);
    EXPECT_TRUE(port.Device.Written.isEmpty());
}

TEST(SerialPortWriteLine, EndsTheLineWithCrLf)
{
    Port port;
    port.OpenIt();
    char text[256] = "*?VER";
    EXPECT_TRUE(port.Serial.WriteLine(text));
    EXPECT_EQ(port.Device.Written, QByteArray("*?VER\r\n"));
}

TEST(SerialPortWriteLine, CutsLongTextsTo253CharactersInTheCallersBuffer)
{
    Port port;
    port.OpenIt();
    char text[512];
    std::memset(text, 'A', 300);
    text[300] = '\0';
    EXPECT_TRUE(port.Serial.WriteLine(text));
    EXPECT_EQ(std::strlen(text), 253u);
    EXPECT_EQ(port.Device.Written, QByteArray(253, 'A') + "\r\n");
}

TEST(SerialPortWaitForByte, ThirtyOneEmptyReadsSpreadOverTheWaitStillSucceed)
{
    Port port;
    port.OpenIt();
    port.Device.QueueEmpty(20);
    port.Device.QueueBytes("xy");  // foreign bytes do not count as misses
    port.Device.QueueEmpty(11);
    port.Device.QueueBytes(Handshake);
    EXPECT_TRUE(port.Serial.WaitForByte(XON));
    EXPECT_EQ(port.Device.ReadCalls, 34);
}

TEST(SerialPortWaitForByte, TheThirtySecondEmptyReadEndsTheWait)
{
    Port port;
    port.OpenIt();
    port.Device.QueueEmpty(10);
    port.Device.QueueBytes("z");
    port.Device.Reads.push_back(FailedRead);  // a failed read is a miss too
    port.Device.QueueEmpty(21);
    port.Device.QueueBytes(Handshake);
    EXPECT_FALSE(port.Serial.WaitForByte(XON));
    EXPECT_EQ(port.Device.ReadCalls, 33);
    EXPECT_EQ(port.Device.Reads.size(), 1u);  // the XON was never read
}

TEST(SerialPortWaitForByte, NakEndsOnlyAWaitForAck)
{
    Port waitingForAck;
    waitingForAck.OpenIt();
    waitingForAck.Device.QueueBytes(QByteArray("a\x15\x06", 3));
    EXPECT_FALSE(waitingForAck.Serial.WaitForByte(ACK));
    EXPECT_EQ(waitingForAck.Device.Reads.size(), 1u);

    for (std::uint8_t awaited : {XON, XOFF}) {
        Port port;
        port.OpenIt();
        port.Device.QueueBytes(QByteArray("\x15", 1) + char(awaited));
        EXPECT_TRUE(port.Serial.WaitForByte(awaited)) << int(awaited);
    }
}

TEST(SerialPortWaitForByte, ABabblingDeviceEndsTheWaitAfterTheDroppedByteBound)
{
    Port port;
    port.OpenIt();
    port.Device.QueueBytes(QByteArray(5000, 'x') + "\x11");
    EXPECT_FALSE(port.Serial.WaitForByte(XON));
    EXPECT_EQ(port.Device.ReadCalls, TSerialPort::MaxDroppedBytes);
}

TEST(SerialPortSendCommand, WritesOnlyAfterXonAndNeedsXoffThenAck)
{
    Port port;
    port.OpenIt();
    port.Device.QueueBytes("\n" + Handshake + Accepted);
    EXPECT_TRUE(port.Serial.SendCommand("*58203"));
    EXPECT_EQ(port.Device.Written, QByteArray("*58203\r\n"));
}

TEST(SerialPortSendCommand, NoXonMeansNothingIsWritten)
{
    Port port;
    port.OpenIt();
    EXPECT_FALSE(port.Serial.SendCommand("*RST"));
    EXPECT_TRUE(port.Device.Written.isEmpty());
    EXPECT_EQ(port.Device.ReadCalls, TSerialPort::MaxMisses);
}

TEST(SerialPortSendCommand, RefusedCommandFailsAndTheAckWaitStops)
{
    Port port;
    port.OpenIt();
    port.Device.QueueBytes(Handshake + QByteArray("\x13\x15", 2) + Accepted);
    EXPECT_FALSE(port.Serial.SendCommand("*E2P0800FF"));
    EXPECT_EQ(port.Device.Reads.size(), 2u);
}

TEST(SerialPortReadLine, TranslatesControlBytesAndStopsAtCr)
{
    Port port;
    port.OpenIt();
    port.Device.QueueBytes(QByteArray("AB\tC\x01" "D\x7F\xE9\r\n", 10));
    char buffer[256];
    EXPECT_TRUE(port.Serial.ReadLine(buffer, 100));
    EXPECT_STREQ(buffer, "AB C.D.\xE9");
    EXPECT_EQ(port.Device.Reads.size(), 1u);  // the LF stays for the next XON wait
}

TEST(SerialPortReadLine, NulAndLfEndTheLineToo)
{
    for (char end : {'\0', '\n'}) {
        Port port;
        port.OpenIt();
        port.Device.QueueBytes(QByteArray("ok") + end + "more");
        char buffer[256];
        EXPECT_TRUE(port.Serial.ReadLine(buffer, 32));
        EXPECT_STREQ(buffer, "ok");
    }
}

TEST(SerialPortReadLine, AnEmptyReadMidReplyKeepsTheLineWhole)
{
    Port port;
    port.OpenIt();
    port.Device.QueueBytes("*NA");
    port.Device.QueueEmpty(3);
    port.Device.QueueBytes("M X\r");
    char buffer[256];
    EXPECT_TRUE(port.Serial.ReadLine(buffer, 32));
    EXPECT_STREQ(buffer, "*NAM X");
}

TEST(SerialPortReadLine, MakesAtMostLenReads)
{
    Port silent;
    silent.OpenIt();
    char buffer[256] = "stale";
    EXPECT_TRUE(silent.Serial.ReadLine(buffer, 32));
    EXPECT_STREQ(buffer, "");
    EXPECT_EQ(silent.Device.ReadCalls, 32);

    Port endless;
    endless.OpenIt();
    endless.Device.QueueBytes(QByteArray(10, 'a'));
    endless.Device.QueueEmpty(2);
    endless.Device.QueueBytes(QByteArray(10, 'b'));
    EXPECT_TRUE(endless.Serial.ReadLine(buffer, 16));
    EXPECT_EQ(std::string(buffer), std::string(10, 'a') + std::string(4, 'b'));
    EXPECT_EQ(endless.Device.ReadCalls, 16);
}

TEST(SerialPortReadLine, AFailedReadEndsTheLineWithWhatCame)
{
    Port port;
    port.OpenIt();
    port.Device.QueueBytes("12");
    port.Device.Reads.push_back(FailedRead);
    port.Device.QueueBytes("3\r");
    char buffer[256];
    EXPECT_FALSE(port.Serial.ReadLine(buffer, 32));
    EXPECT_STREQ(buffer, "12");
}

TEST(SerialPortReadLine, NothingIsReadForANonPositiveLength)
{
    Port port;
    port.OpenIt();
    port.Device.QueueBytes("x\r");
    char buffer[256] = "keep";
    port.Serial.ReadLine(buffer, 0);
    EXPECT_EQ(port.Device.ReadCalls, 0);
    EXPECT_STREQ(buffer, "keep");
}

TEST(SerialPortQuery, ReplacesTheCommandByTheReply)
{
    Port port;
    port.OpenIt();
    port.Device.QueueBytes(Handshake + Accepted + "*VER 1.20\r\n");
    char buffer[256] = "*?VER";
    EXPECT_TRUE(port.Serial.Query(buffer, 32));
    EXPECT_STREQ(buffer, "*VER 1.20");
    EXPECT_EQ(port.Device.Written, QByteArray("*?VER\r\n"));
}

TEST(SerialPortQuery, AcknowledgedWithoutReplyGivesAnEmptyTextWithinLenReads)
{
    Port port;
    port.OpenIt();
    port.Device.QueueBytes(Handshake + Accepted);
    char buffer[256] = "*?NAM";
    EXPECT_TRUE(port.Serial.Query(buffer, 32));
    EXPECT_STREQ(buffer, "");
    EXPECT_EQ(port.Device.ReadCalls, 3 + 32);
}

TEST(SerialPortQuery, RefusedQueryLeavesTheBufferAndReadsNoReply)
{
    Port port;
    port.OpenIt();
    port.Device.QueueBytes(Handshake + QByteArray("\x13\x15", 2) + "*E2P00\r");
    char buffer[256] = "*?E2P1F0000E";
    EXPECT_FALSE(port.Serial.Query(buffer, 100));
    EXPECT_STREQ(buffer, "*?E2P1F0000E");
    EXPECT_EQ(port.Device.ReadCalls, 3);
}
