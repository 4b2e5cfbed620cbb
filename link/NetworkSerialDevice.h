#pragma once
// A serial port that another machine serves over the network, as ser2net
// does: raw TCP (the bytes as they are; the line settings are the server's)
// or Telnet with the COM-PORT-OPTION of RFC 2217 (the program sets the line
// itself and the server must grant it).
//
// Every wait is bounded: the connection, the Telnet negotiation and each
// setting's answer get AnswerTimeoutMs; reads and writes their caller's
// time-out. A connection that ends, however it ends, is a pulled cable: the
// reads fail and ErrorString says the system's reason (with the server's
// last words, such as ser2net's "Port already in use").

#include "Rfc2217Client.h"
#include "SerialDevice.h"
#include "TelnetParser.h"

#include <QByteArray>
#include <QDeadlineTimer>
#include <QTcpSocket>

#include <functional>
#include <memory>

namespace orvantis {

class TNetworkSerialDevice : public ISerialDevice {
public:
    static constexpr int AnswerTimeoutMs = 3000;

    TNetworkSerialDevice() = default;
    ~TNetworkSerialDevice() override;

    // Connects to a tcp:// or rfc2217:// address.
    bool Open(const TPortAddress& address) override;
    QString ErrorString() const override { return FError; }
    int ErrorNumber() const override { return FErrorNumber; }
    bool IsOpen() const override { return FOpen; }
    void Close() override;
    bool SetLine() override;
    bool SetDtr(bool on) override;
    bool SetRts(bool on) override;
    bool Purge() override;
    bool Write(const char* data, int size) override;
    TReadResult ReadByte(std::uint8_t& byte, int timeoutMs) override;

    void WatchReads(std::function<void(TReadResult)> event) override;
    // The bytes received and not read yet, without waiting: what a terminal
    // shows at once. Empty also when the connection has ended (see Lost).
    QByteArray TakeAvailable() override;
    // Waits at most timeoutMs for something to arrive; false when nothing
    // did or the connection has ended.
    bool WaitForData(int timeoutMs);
    // True once the connection has ended under us.
    bool Lost() const { return FLost; }

private:
    bool Fail(const QString& reason, int errorNumber);
    bool Rfc2217() const { return FKind == TPortAddress::TKind::Rfc2217; }
    bool Connect(const TPortAddress& address, const QDeadlineTimer& deadline);
    bool Negotiate(const QDeadlineTimer& deadline);
    // Reads what the socket holds into FData, answering Telnet on the way;
    // false when the connection has ended.
    bool Pump();
    bool WaitAndPump(const QDeadlineTimer& deadline);
    bool Send(const std::string& bytes);
    void NoteLoss();

    TPortAddress::TKind FKind = TPortAddress::TKind::Tcp;
    std::unique_ptr<QTcpSocket> FSocket;
    TTelnetParser FParser;
    TRfc2217Client FClient;
    QByteArray FData;      // data bytes received, not read yet
    QByteArray FLastWords;  // the last data bytes received, for the reason of a loss
    QString FError;
    int FErrorNumber = 0;
    std::function<void(TReadResult)> FWatch;
    bool FOpen = false;
    bool FLost = false;
};

}  // namespace orvantis
