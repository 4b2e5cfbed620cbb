// Ports served over the network by the real ser2net, with orvantis-sim (or
// a bare pseudo-terminal) as the serial device behind it: raw TCP and
// Telnet with RFC 2217, and the ways a connection fails.

#include "NetworkSerialDevice.h"
#include "PortDevice.h"
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

TPortAddress Address(const QString& text)
{
    const std::optional<TPortAddress> address = TPortAddress::Parse(text);
    EXPECT_TRUE(address) << text.toStdString();
    return address.value_or(TPortAddress());
}
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
    static std::unique_ptr<TSerialPort> Port(const QString& address)
    {
        return std::make_unique<TSerialPort>(Address(address), MakePortDevice(Address(address)));
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
    const auto port = Port(Ser2Net.Address(0));
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

    for (auto [i, line] : {std::pair{0, &raw}, std::pair{1, &telnet}}) {
        TNetworkSerialDevice device;
        ASSERT_TRUE(device.Open(Address(Ser2Net.Address(i)))) << device.ErrorString().toStdString();
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
        QString Address;
        const char* Reason;
    };
    const TCase cases[] = {
        {QStringLiteral("tcp://127.0.0.1:%1").arg(closed), "refused"},
        {"tcp://no-such-host.invalid:3001", "not found"},
        {QStringLiteral("rfc2217://127.0.0.1:%1").arg(silent.serverPort()), "no answer within 3 s"},
        // A raw port taken for Telnet: the instrument's bytes are no answer.
        {QStringLiteral("rfc2217://127.0.0.1:%1").arg(Ser2Net.Port(0)), "no answer within 3 s"},
    };
    for (const TCase& c : cases) {
        TNetworkSerialDevice device;
        QElapsedTimer clock;
        clock.start();
        EXPECT_FALSE(device.Open(Address(c.Address))) << c.Reason;
        EXPECT_LT(clock.elapsed(), 2 * TNetworkSerialDevice::AnswerTimeoutMs);
        EXPECT_TRUE(device.ErrorString().contains(c.Reason, Qt::CaseInsensitive)) << device.ErrorString().toStdString();
        EXPECT_FALSE(device.IsOpen());
    }

    // ser2net serves one connection at a time and tells the next one so:
    // read before anything is written over raw TCP; over Telnet the words
    // may be lost to the line settings written meanwhile, the hang-up is not.
    const auto first = Port(Ser2Net.Address(1));
    ASSERT_TRUE(first->Open() && first->Configure());
    const auto second = Port(Ser2Net.Address(1));
    EXPECT_FALSE(second->Open() && second->Configure());
    EXPECT_TRUE(second->ErrorString().contains("closed")) << second->ErrorString().toStdString();
    const auto holder = Port(Ser2Net.Address(0));
    ASSERT_TRUE(holder->Open() && holder->Configure());
    const auto late = Port(Ser2Net.Address(0));
    char name[256] = "*?NAM";
    EXPECT_FALSE(late->Open() && late->Configure() && late->Query(name, 32));
    EXPECT_EQ(late->LastFault(), TExchangeFault::LineLost);
    EXPECT_TRUE(late->ErrorString().contains("Port already in use")) << late->ErrorString().toStdString();

    // Gone in the middle: the next exchange fails as on a pulled cable.
    Ser2Net.Stop();
    char reply[256] = "*?NAM";
    EXPECT_FALSE(first->Query(reply, 32));
    EXPECT_EQ(first->LastFault(), TExchangeFault::LineLost);
    EXPECT_TRUE(first->ErrorString().contains("closed")) << first->ErrorString().toStdString();
}
