// Ports served over the network by the real ser2net, with orvantis-sim (or
// a bare pseudo-terminal) as the serial device behind it: raw TCP and
// Telnet with RFC 2217, and the ways a connection fails.

#include "NetworkSerialDevice.h"
#include "PtyLine.h"
#include "Ser2NetProcess.h"
#include "SerialPort.h"
#include "SimProcess.h"

#include <gtest/gtest.h>

#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QTcpServer>
#include <QTemporaryDir>

#include <list>

using namespace orvantis;
using namespace orvantis::test;

namespace {

using TProtocol = TNetworkSerialDevice::TProtocol;
// Generous: only a hang reaches it, never a busy machine.
constexpr int HangLimitMs = 20000;

class NetworkPort : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (const QString reason = TSer2NetProcess::MissingReason(); !reason.isEmpty()) GTEST_SKIP() << reason.toStdString();
        ASSERT_TRUE(FDir.isValid());
    }
    TSimProcess& Sim(int com)
    {
        TSimProcess& sim = FSims.emplace_back();
        EXPECT_TRUE(sim.Start(FDir.path(), com));
        return sim;
    }
    bool Serve(const QList<TSer2NetProcess::TServed>& served) { return Ser2Net.Start(FDir.path(), served); }
    std::unique_ptr<TSerialPort> Port(TProtocol protocol, quint16 port)
    {
        return std::make_unique<TSerialPort>(0, std::make_unique<TNetworkSerialDevice>(protocol, "127.0.0.1", port));
    }
    // Polls the simulator's output until it holds text.
    static bool SimSays(TSimProcess& sim, const QByteArray& text)
    {
        const QDeadlineTimer deadline(HangLimitMs);
        while (!sim.Output().contains(text))
            if (deadline.hasExpired() || !sim.WaitForOutput(static_cast<int>(deadline.remainingTime()))) return false;
        return true;
    }

    QTemporaryDir FDir;
    std::list<TSimProcess> FSims;
    TSer2NetProcess Ser2Net;
};

}  // namespace

// ser2net opens the device at 9600 baud; the program's settings reach it.
TEST_F(NetworkPort, Rfc2217SetsTheLineAndCarriesTheHandshake)
{
    TSimProcess& sim = Sim(1);
    ASSERT_TRUE(Serve({{sim.LinkPath(), true, "9600n81"}}));
    const auto port = Port(TProtocol::Rfc2217, Ser2Net.Port(0));
    ASSERT_TRUE(port->Open()) << port->ErrorString().toStdString();
    EXPECT_TRUE(SimSays(sim, "line settings 9600 8N1"));
    ASSERT_TRUE(port->Configure()) << port->ErrorString().toStdString();
    EXPECT_TRUE(SimSays(sim, "line settings 115200 8N1, no flow control"));
    char reply[256] = "*?NAM";
    ASSERT_TRUE(port->Query(reply, 32));
    EXPECT_STREQ(reply, "*NAM OV+ DVB-T2");
}

// Every byte value both ways, 0xFF among them, and nothing of Telnet's own.
TEST_F(NetworkPort, EveryByteValueCrossesBothKindsUnchanged)
{
    sim::TPtyLine raw;
    sim::TPtyLine telnet;
    ASSERT_TRUE(raw.Open(FDir.filePath("raw"), nullptr));
    ASSERT_TRUE(telnet.Open(FDir.filePath("telnet"), nullptr));
    ASSERT_TRUE(Serve({{FDir.filePath("raw"), false}, {FDir.filePath("telnet"), true}}));
    QByteArray all;
    for (int b = 0; b < 256; ++b) all.append(static_cast<char>(b));
    all += "\r\xFF\xFF\r\n\r";

    for (auto [protocol, line] : {std::pair{TProtocol::Raw, &raw}, std::pair{TProtocol::Rfc2217, &telnet}}) {
        TNetworkSerialDevice device(protocol, "127.0.0.1", Ser2Net.Port(protocol == TProtocol::Raw ? 0 : 1));
        ASSERT_TRUE(device.Open({})) << device.ErrorString().toStdString();
        ASSERT_TRUE(device.SetLine());
        ASSERT_TRUE(device.Write(all.constData(), static_cast<int>(all.size())));
        QByteArray far;
        const QDeadlineTimer deadline(HangLimitMs);
        while (far.size() < all.size() && !deadline.hasExpired()) {
            device.WaitForData(10);  // serves Telnet meanwhile
            far += line->ReadAvailable();
        }
        EXPECT_EQ(far.toHex().toStdString(), all.toHex().toStdString());

        ASSERT_TRUE(line->Write(all));
        QByteArray near;
        while (near.size() < all.size() && device.WaitForData(HangLimitMs)) near += device.TakeAvailable();
        EXPECT_EQ(near.toHex().toStdString(), all.toHex().toStdString());
        device.Close();
    }
}

// Each fails within its bound, with the system's reason, and leaves the
// device closed.
TEST_F(NetworkPort, ConnectionFaultsEndWithTheirReason)
{
    ASSERT_TRUE(Serve({{Sim(1).LinkPath(), false}, {Sim(2).LinkPath(), true}}));
    QTcpServer silent;  // takes the connection, never says a word
    ASSERT_TRUE(silent.listen(QHostAddress::LocalHost));
    const quint16 closed = FreeLocalPort();
    struct TCase {
        TProtocol Protocol;
        QString Host;
        quint16 Port;
        const char* Reason;
    };
    const TCase cases[] = {
        {TProtocol::Raw, "127.0.0.1", closed, "refused"},
        {TProtocol::Raw, "no-such-host.invalid", 3001, "not found"},
        {TProtocol::Rfc2217, "127.0.0.1", silent.serverPort(), "no answer within 3 s"},
        // A raw port taken for Telnet: the instrument's bytes are no answer.
        {TProtocol::Rfc2217, "127.0.0.1", Ser2Net.Port(0), "no answer within 3 s"},
    };
    for (const TCase& c : cases) {
        TNetworkSerialDevice device(c.Protocol, c.Host, c.Port);
        QElapsedTimer clock;
        clock.start();
        EXPECT_FALSE(device.Open({})) << c.Reason;
        EXPECT_LT(clock.elapsed(), 2 * TNetworkSerialDevice::AnswerTimeoutMs);
        EXPECT_TRUE(device.ErrorString().contains(c.Reason, Qt::CaseInsensitive)) << device.ErrorString().toStdString();
        EXPECT_FALSE(device.IsOpen());
    }

    // ser2net serves one connection at a time and tells the next one so.
    const auto first = Port(TProtocol::Rfc2217, Ser2Net.Port(1));
    ASSERT_TRUE(first->Open() && first->Configure());
    const auto second = Port(TProtocol::Rfc2217, Ser2Net.Port(1));
    EXPECT_FALSE(second->Open() && second->Configure());
    EXPECT_TRUE(second->ErrorString().contains("Port already in use")) << second->ErrorString().toStdString();

    // Gone in the middle: the next exchange fails as on a pulled cable.
    Ser2Net.Stop();
    char reply[256] = "*?NAM";
    EXPECT_FALSE(first->Query(reply, 32));
    EXPECT_EQ(first->LastFault(), TExchangeFault::LineLost);
    EXPECT_TRUE(first->ErrorString().contains("closed")) << first->ErrorString().toStdString();
}
