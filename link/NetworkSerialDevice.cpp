#include "NetworkSerialDevice.h"

#include <QHostAddress>
#include <QHostInfo>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <thread>

#include <sys/socket.h>

namespace orvantis {

namespace {

// A write that the network cannot take within this time has failed, as on a
// serial line.
constexpr int WriteTimeoutMs = 2000;
constexpr int LastWordsLength = 80;
constexpr int CloseTimeoutMs = 1000;

int Remaining(const QDeadlineTimer& deadline)
{
    return static_cast<int>(std::max<qint64>(0, deadline.remainingTime()));
}

QString NoAnswer()
{
    return QStringLiteral("no answer within %1 s").arg(TNetworkSerialDevice::AnswerTimeoutMs / 1000);
}

// The address of host, looked up within the deadline: the system's own
// look-up may take far longer than we wait for an answer. It runs in a thread
// of its own, left to end by itself when we stop waiting; no event loop is
// needed, so any thread may open a port.
QHostAddress LookUp(const QString& host, const QDeadlineTimer& deadline, QString& error)
{
    QHostAddress literal;
    if (literal.setAddress(host)) return literal;
    struct TShared {
        std::mutex Mutex;
        std::condition_variable Done;
        std::optional<QHostInfo> Found;
    };
    auto shared = std::make_shared<TShared>();
    std::thread([shared, host] {
        QHostInfo info = QHostInfo::fromName(host);
        const std::lock_guard lock(shared->Mutex);
        shared->Found = std::move(info);
        shared->Done.notify_all();
    }).detach();
    std::unique_lock lock(shared->Mutex);
    if (!shared->Done.wait_for(lock, std::chrono::milliseconds(Remaining(deadline)), [&] { return shared->Found.has_value(); })) {
        error = NoAnswer();
        return {};
    }
    const QHostInfo& found = *shared->Found;
    if (found.error() != QHostInfo::NoError || found.addresses().isEmpty()) {
        error = found.errorString();
        return {};
    }
    return found.addresses().constFirst();
}

}  // namespace

TNetworkSerialDevice::~TNetworkSerialDevice()
{
    Close();
}

bool TNetworkSerialDevice::Fail(const QString& reason, int errorNumber)
{
    Close();
    FError = reason;
    FErrorNumber = errorNumber;
    return false;
}

bool TNetworkSerialDevice::Open(const TPortAddress& address)
{
    Close();
    FError.clear();
    FErrorNumber = 0;
    FKind = address.Kind();
    if (FKind == TPortAddress::TKind::Com) return Fail(QStringLiteral("%1 is no network port").arg(address.Name()), ENOENT);
    const QDeadlineTimer deadline(AnswerTimeoutMs);
    if (!Connect(address, deadline)) return false;
    FOpen = true;
    return !Rfc2217() || Negotiate(deadline);
}

bool TNetworkSerialDevice::Connect(const TPortAddress& port, const QDeadlineTimer& deadline)
{
    QString error;
    const QHostAddress address = LookUp(port.Host(), deadline, error);
    if (address.isNull()) return Fail(error, error == NoAnswer() ? ETIMEDOUT : EHOSTUNREACH);
    FSocket = std::make_unique<QTcpSocket>();
    // One byte at a time is how the handshake and the terminal talk.
    FSocket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
    FSocket->connectToHost(address, port.Port());
    if (FSocket->waitForConnected(Remaining(deadline))) return true;
    const bool timedOut = FSocket->error() == QAbstractSocket::SocketTimeoutError ||
                          FSocket->state() != QAbstractSocket::UnconnectedState;
    if (timedOut) return Fail(NoAnswer(), ETIMEDOUT);
    const bool refused = FSocket->error() == QAbstractSocket::ConnectionRefusedError;
    return Fail(FSocket->errorString(), refused ? ECONNREFUSED : EIO);
}

bool TNetworkSerialDevice::Negotiate(const QDeadlineTimer& deadline)
{
    FParser = {};
    FClient = {};
    if (!Send(FClient.Start())) return Fail(FError, FErrorNumber);
    while (FClient.PortControl() == TRfc2217Client::TStatus::Pending) {
        if (!WaitAndPump(deadline)) {
            if (FLost) return Fail(FError, FErrorNumber);
            return Fail(QStringLiteral("the port server did not take up the COM-PORT-OPTION (RFC 2217): ") + NoAnswer(),
                        ETIMEDOUT);
        }
    }
    if (FClient.PortControl() == TRfc2217Client::TStatus::Refused)
        return Fail(QStringLiteral("the port server refuses the COM-PORT-OPTION (RFC 2217): is it a telnet(rfc2217) port?"),
                    EPROTONOSUPPORT);
    return true;
}

void TNetworkSerialDevice::Close()
{
    FWatch = nullptr;
    if (FSocket) {
        FSocket->disconnect();
        // Our end first, then wait (bounded) for the server to close its
        // own: ser2net takes a new connection only once it has let go of the
        // old one, and Send and Receive connect again right after Detect.
        if (!FLost && FSocket->state() == QAbstractSocket::ConnectedState &&
            ::shutdown(static_cast<int>(FSocket->socketDescriptor()), SHUT_WR) == 0) {
            const QDeadlineTimer deadline(CloseTimeoutMs);
            while (FSocket->state() == QAbstractSocket::ConnectedState && !deadline.hasExpired()) {
                FSocket->waitForReadyRead(Remaining(deadline));
                FSocket->readAll();
            }
        }
        FSocket->abort();
        FSocket.reset();
    }
    FData.clear();
    FLastWords.clear();
    FOpen = false;
    FLost = false;
}

bool TNetworkSerialDevice::SetLine()
{
    if (!FOpen || FLost) return false;
    // Over raw TCP the line is as the server's configuration sets it.
    if (!Rfc2217()) return true;
    // Take what came with the negotiation first: a server that hangs up
    // (ser2net's "Port already in use") has said so by now, and writing to
    // it would make the system drop those words.
    if (FSocket->waitForReadyRead(0) || FSocket->state() != QAbstractSocket::ConnectedState) Pump();
    if (FLost || !Send(FClient.LineRequest())) return false;
    const QDeadlineTimer deadline(AnswerTimeoutMs);
    while (FClient.LineStatus() == TRfc2217Client::TStatus::Pending) {
        if (!WaitAndPump(deadline)) {
            if (!FLost) {
                FError = QStringLiteral("the port server did not answer for the %1: %2")
                             .arg(QString::fromStdString(FClient.MissingAnswer()), NoAnswer());
                FErrorNumber = ETIMEDOUT;
            }
            return false;
        }
    }
    if (FClient.LineStatus() == TRfc2217Client::TStatus::Granted) return true;
    FError = QString::fromStdString(FClient.Reason());
    FErrorNumber = EINVAL;
    return false;
}

bool TNetworkSerialDevice::SetDtr(bool on)
{
    if (!Rfc2217()) return true;
    return FOpen && Send(TRfc2217Client::ControlRequest(on ? comport::DtrOn : comport::DtrOff));
}

bool TNetworkSerialDevice::SetRts(bool on)
{
    if (!Rfc2217()) return true;
    return FOpen && Send(TRfc2217Client::ControlRequest(on ? comport::RtsOn : comport::RtsOff));
}

bool TNetworkSerialDevice::Purge()
{
    if (!FOpen) return false;
    const bool alive = Pump();
    FData.clear();
    return alive;
}

bool TNetworkSerialDevice::Send(const std::string& bytes)
{
    if (!FSocket || FLost) return false;
    if (FSocket->write(bytes.data(), static_cast<qint64>(bytes.size())) != static_cast<qint64>(bytes.size())) {
        NoteLoss();
        return false;
    }
    const QDeadlineTimer deadline(WriteTimeoutMs);
    while (FSocket->bytesToWrite() > 0) {
        if (!FSocket->waitForBytesWritten(Remaining(deadline))) {
            if (FSocket->state() != QAbstractSocket::ConnectedState)
                NoteLoss();
            else {
                FError = QStringLiteral("the network took nothing for %1 s").arg(WriteTimeoutMs / 1000);
                FErrorNumber = ETIMEDOUT;
            }
            return false;
        }
    }
    return true;
}

bool TNetworkSerialDevice::Write(const char* data, int size)
{
    if (!FOpen) return false;
    if (!Rfc2217()) return Send(std::string(data, static_cast<std::size_t>(size)));
    return Send(TelnetEscape(data, static_cast<std::size_t>(size), FClient.BinaryOut()));
}

bool TNetworkSerialDevice::Pump()
{
    if (!FSocket || FLost) return false;
    // A reply's wait for its bytes to go out also reads what arrives
    // meanwhile into the socket's buffer, and no readyRead tells of it when
    // we are in its handler: take until the buffer is empty.
    while (FSocket->bytesAvailable() > 0) {
        const QByteArray bytes = FSocket->readAll();
        const qsizetype before = FData.size();
        if (!Rfc2217()) {
            FData += bytes;
        } else {
            std::string data;
            std::vector<TTelnetEvent> events;
            FParser.Feed(reinterpret_cast<const std::uint8_t*>(bytes.constData()), static_cast<std::size_t>(bytes.size()),
                         data, events);
            FData.append(data.data(), static_cast<qsizetype>(data.size()));
            std::string replies;
            for (const TTelnetEvent& event : events) replies += FClient.Take(event);
            FParser.SetBinaryIn(FClient.BinaryIn());
            if (!replies.empty() && !Send(replies)) return false;
        }
        // Kept short without copying at every byte.
        FLastWords.append(FData.constData() + before, FData.size() - before);
        if (FLastWords.size() > 2 * LastWordsLength) FLastWords.remove(0, FLastWords.size() - LastWordsLength);
    }
    if (FSocket->state() != QAbstractSocket::ConnectedState) {
        NoteLoss();
        return false;
    }
    return true;
}

bool TNetworkSerialDevice::WaitAndPump(const QDeadlineTimer& deadline)
{
    // Bytes already in the socket's buffer are no news to waitForReadyRead:
    // wait only when there are none. Never wait before the caller has seen
    // what the last pump brought: the answer it waits for may be among it.
    if (FSocket->bytesAvailable() == 0 && !FSocket->waitForReadyRead(Remaining(deadline))) {
        if (FSocket->state() != QAbstractSocket::ConnectedState) Pump();
        return false;
    }
    return Pump();
}

bool TNetworkSerialDevice::WaitForData(int timeoutMs)
{
    const QDeadlineTimer deadline(timeoutMs);
    while (FData.isEmpty()) {
        if (!FOpen || FLost || deadline.hasExpired()) return false;
        if (!WaitAndPump(deadline)) return !FData.isEmpty();
    }
    return true;
}

void TNetworkSerialDevice::WatchReads(std::function<void(TReadResult)> event)
{
    FWatch = std::move(event);
    if (!FSocket) return;
    QObject::disconnect(FSocket.get(), nullptr, nullptr, nullptr);
    if (!FWatch) return;
    // Telnet's own bytes are answered as they come; only data is news.
    const auto arrived = [this] {
        const bool alive = Pump();
        if (!FData.isEmpty() && FWatch) FWatch(TReadResult::Byte);
        if (!alive && FWatch) FWatch(TReadResult::Failed);
    };
    QObject::connect(FSocket.get(), &QTcpSocket::readyRead, arrived);
    QObject::connect(FSocket.get(), &QTcpSocket::disconnected, arrived);
    QObject::connect(FSocket.get(), &QTcpSocket::errorOccurred, arrived);
    if (!FData.isEmpty() || FSocket->bytesAvailable() > 0) arrived();
}

QByteArray TNetworkSerialDevice::TakeAvailable()
{
    if (FOpen) Pump();
    QByteArray data;
    data.swap(FData);
    return data;
}

TReadResult TNetworkSerialDevice::ReadByte(std::uint8_t& byte, int timeoutMs)
{
    if (!FOpen) return TReadResult::Failed;
    if (FData.isEmpty() && !WaitForData(timeoutMs)) return FLost ? TReadResult::Failed : TReadResult::Empty;
    byte = static_cast<std::uint8_t>(FData.front());
    FData.remove(0, 1);
    return TReadResult::Byte;
}

void TNetworkSerialDevice::NoteLoss()
{
    if (FLost) return;
    FLost = true;
    FError = FSocket ? FSocket->errorString() : QStringLiteral("not connected");
    FErrorNumber = ECONNRESET;
    // ser2net says why it closes a connection it does not serve.
    const QByteArray words = FLastWords.right(LastWordsLength).trimmed();
    const qsizetype lineStart = words.lastIndexOf('\n') + 1;
    const QByteArray lastLine = words.mid(lineStart).trimmed();
    bool text = lastLine.size() >= 4;
    for (char c : lastLine) text = text && c >= 0x20 && c < 0x7F;
    if (text) FError += QStringLiteral(" (the server said \"%1\")").arg(QString::fromLatin1(lastLine));
}

}  // namespace orvantis
