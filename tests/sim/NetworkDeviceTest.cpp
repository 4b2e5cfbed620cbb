// The network device against a Telnet server of our own, which says each
// thing at the moment the case needs: what no live ser2net does on demand.

#include "NetworkSerialDevice.h"

#include <gtest/gtest.h>

#include <QScopeGuard>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>

#include <chrono>
#include <future>
#include <memory>

using namespace orvantis;
using namespace orvantis::telnet;

namespace {

// Generous: only a hang reaches it, never a busy machine.
constexpr int HangLimitMs = 20000;

// Reads from the client until want has come.
bool Await(QTcpSocket& socket, QByteArray& got, const QByteArray& want)
{
    while (!got.contains(want))
        if (!socket.waitForReadyRead(HangLimitMs)) return false;
        else got += socket.readAll();
    return true;
}

// Whether the server got as far as promised.
bool Told(std::promise<void>& step)
{
    return step.get_future().wait_for(std::chrono::milliseconds(HangLimitMs)) == std::future_status::ready;
}

}  // namespace

// Waiting for a reply to go out reads what arrives meanwhile: a Telnet command
// that the device answers while data is on its way must not hide the data.
TEST(NetworkSerialDevice, DataArrivingWhileTelnetIsAnsweredIsRead)
{
    TNetworkSerialDevice device;  // outlives the server, which it then finds gone at once
    std::promise<quint16> port;
    std::promise<void> opened, echoAsked, dataSent, done;
    std::unique_ptr<QThread> server(QThread::create([&] {
        QTcpServer listener;
        listener.listen(QHostAddress::LocalHost);
        port.set_value(listener.serverPort());
        if (!listener.waitForNewConnection(HangLimitMs)) return;
        std::unique_ptr<QTcpSocket> client(listener.nextPendingConnection());
        QByteArray got;
        if (!Await(*client, got, QByteArray("\xFF\xFD\x03", 3))) return;  // the client's offers, DO SGA last
        client->write(QByteArray("\xFF\xFD\x2C", 3));  // DO COM-PORT-OPTION
        client->waitForBytesWritten(HangLimitMs);
        opened.get_future().wait();
        client->write(QByteArray("\xFF\xFB\x01", 3));  // WILL ECHO, which the client must decline
        client->waitForBytesWritten(HangLimitMs);
        echoAsked.set_value();
        if (!Await(*client, got, "x")) return;
        client->write("A");
        client->waitForBytesWritten(HangLimitMs);
        dataSent.set_value();
        done.get_future().wait();
    }));
    server->start();
    bool open = false;
    const auto finish = qScopeGuard([&] {
        if (!open) opened.set_value();
        done.set_value();
        server->wait();
    });

    const auto address = TPortAddress::Parse(QStringLiteral("rfc2217://127.0.0.1:%1").arg(port.get_future().get()));
    ASSERT_TRUE(address && device.Open(*address)) << device.ErrorString().toStdString();
    opened.set_value();
    open = true;
    ASSERT_TRUE(Told(echoAsked));
    // While "x" goes out, the WILL ECHO comes in; "A" follows, and the WILL
    // ECHO's answer is what then goes out while "A" comes in.
    ASSERT_TRUE(device.Write("x", 1));
    ASSERT_TRUE(Told(dataSent));
    std::uint8_t byte = 0;
    EXPECT_EQ(device.ReadByte(byte, HangLimitMs), TReadResult::Byte);
    EXPECT_EQ(byte, 'A');
}
