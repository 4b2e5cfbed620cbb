#include "SimInstrument.h"

#include "EepromImage.h"

#include <cctype>

namespace orvantis::sim {

namespace {

constexpr char XON = 0x11;
constexpr char XOFF = 0x13;
constexpr char ACK = 0x06;
constexpr char NAK = 0x15;
// A reply line is read with a length of 100: "*E2P" and 48 bytes in hexadecimal.
constexpr int MaxReadBytes = 48;
constexpr int NoiseBurst = 64;

bool IsHex(const QByteArray& text)
{
    if (text.isEmpty()) return false;
    for (char c : text)
        if (!std::isxdigit(static_cast<unsigned char>(c))) return false;
    return true;
}

}  // namespace

TSimInstrument::TSimInstrument(QByteArray nameReply, QByteArray versionReply, QByteArray image, TFaults faults)
    : FNameReply(std::move(nameReply)), FVersionReply(std::move(versionReply)), FImage(std::move(image)),
      FFaults(faults)
{
    FImage.resize(EepromSize, '\xFF');
}

QByteArray TSimInstrument::IdleOutput()
{
    if (FFaults.Noise) {
        QByteArray noise;
        for (int i = 0; i < NoiseBurst; ++i) {
            FNoiseSeed = FNoiseSeed * 1103515245u + 12345u;
            char c = static_cast<char>(FNoiseSeed >> 16);
            if (c == XON || c == XOFF || c == ACK || c == NAK) c = '?';
            noise.append(c);
        }
        return noise;
    }
    const bool dropped = FFaults.DropAfter >= 0 && FCommands >= FFaults.DropAfter;
    if (FFaults.Silent || dropped || InCommand()) return {};
    return QByteArray(1, XON);
}

QByteArray TSimInstrument::Receive(const QByteArray& bytes)
{
    QByteArray out;
    for (char c : bytes) {
        if (c != '\r' && c != '\n') {
            FLine.append(c);
            continue;
        }
        if (FLine.isEmpty()) continue;  // the LF after a CR
        const QByteArray command = FLine;
        FLine.clear();
        out += Answer(command);
    }
    return out;
}

bool TSimInstrument::Refused(const QByteArray& command) const
{
    if (FFaults.NakAll) return true;
    const qsizetype at = command.startsWith("*?E2P") ? 5 : command.startsWith("*E2P") ? 4 : -1;
    bool ok = false;
    if (FFaults.NakReadAddress && at == 5 && command.mid(at, 4).toUInt(&ok, 16) == *FFaults.NakReadAddress && ok) return true;
    return FFaults.NakAddress && at > 0 && command.mid(at, 4).toUInt(&ok, 16) == *FFaults.NakAddress && ok;
}

QByteArray TSimInstrument::Answer(const QByteArray& command)
{
    const bool dropped = FFaults.DropAfter >= 0 && FCommands >= FFaults.DropAfter;
    if (FFaults.Silent || FFaults.Noise || dropped) {
        Event(QStringLiteral("ignored %1").arg(QString::fromLatin1(command)));
        return {};
    }
    ++FCommands;
    const QByteArray accept = QByteArray(1, XOFF) + ACK;
    const QByteArray refuse = QByteArray(1, XOFF) + NAK;
    auto refused = [&](const QString& why) {
        Event(QStringLiteral("NAK %1 (%2)").arg(QString::fromLatin1(command), why));
        return refuse;
    };
    if (Refused(command)) return refused(QStringLiteral("fault"));

    if (command == "*?NAM" || command == "*?VER") {
        const QByteArray& reply = command == "*?NAM" ? FNameReply : FVersionReply;
        Event(QStringLiteral("ACK %1 -> %2").arg(QString::fromLatin1(command), QString::fromLatin1(reply)));
        return accept + reply + "\r\n";
    }
    if (command == "*58203") {
        FAccess = true;
        Event(QStringLiteral("ACK %1 (memory access granted)").arg(QString::fromLatin1(command)));
        return accept;
    }
    if (command == "*RST") {
        FAccess = false;
        ++FResets;
        Event(QStringLiteral("ACK *RST (reset, memory access ended)"));
        if (OnReset) OnReset();
        return accept;
    }
    if (command.startsWith("*?E2P")) {
        if (!FAccess) return refused(QStringLiteral("no access code"));
        const QByteArray address = command.mid(5, 4);
        const QByteArray count = command.mid(9);
        if (command.size() != 12 || !IsHex(address) || !IsHex(count)) return refused(QStringLiteral("malformed"));
        const int from = address.toInt(nullptr, 16);
        const int n = count.toInt(nullptr, 16);
        if (n < 1 || n > MaxReadBytes || from + n > EepromSize) return refused(QStringLiteral("out of range"));
        const QByteArray reply = "*E2P" + FImage.mid(from, n).toHex().toUpper();
        Event(QStringLiteral("ACK %1 -> %2").arg(QString::fromLatin1(command), QString::fromLatin1(reply)));
        return accept + reply + "\r\n";
    }
    if (command.startsWith("*E2P")) {
        if (!FAccess) return refused(QStringLiteral("no access code"));
        if (!ApplyRecordCommand(FImage, std::string_view(command.constData(), static_cast<std::size_t>(command.size()))))
            return refused(QStringLiteral("malformed"));
        FImageChanged = true;
        FWritten << command.mid(4, 4).toUInt(nullptr, 16);
        Event(QStringLiteral("ACK %1 (written)").arg(QString::fromLatin1(command)));
        return accept;
    }
    return refused(QStringLiteral("unknown command"));
}

}  // namespace orvantis::sim
