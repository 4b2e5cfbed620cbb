#include "PortAddress.h"

#include <QRegularExpression>

#include <set>

namespace orvantis {

std::optional<TPortAddress> TPortAddress::Parse(const QString& text)
{
    // A host name or IPv4 address, or an IPv6 address in brackets; a port
    // of 1 to 65535.
    static const QRegularExpression network(QStringLiteral("^(tcp|rfc2217)://([A-Za-z0-9._-]+|\\[[0-9A-Fa-f:.]+\\]):([0-9]{1,5})$"),
                                            QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch n = network.match(text.trimmed());
    if (n.hasMatch()) {
        const int port = n.captured(3).toInt();
        if (port < 1 || port > 65535) return std::nullopt;
        TPortAddress address;
        address.FKind = n.captured(1).compare(QLatin1String("tcp"), Qt::CaseInsensitive) == 0 ? TKind::Tcp : TKind::Rfc2217;
        address.FHost = n.captured(2);
        if (address.FHost.startsWith(QLatin1Char('['))) address.FHost = address.FHost.mid(1, address.FHost.size() - 2);
        address.FPort = static_cast<quint16>(port);
        return address;
    }
    static const QRegularExpression com(QStringLiteral("^COM([1-9][0-9]?)$"), QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch m = com.match(text.trimmed());
    if (!m.hasMatch()) return std::nullopt;
    const int number = m.captured(1).toInt();
    if (number > ComPortCount) return std::nullopt;
    return Com(number);
}

TPortAddress TPortAddress::Com(int number)
{
    Q_ASSERT(number >= 1 && number <= ComPortCount);
    TPortAddress address;
    address.FKind = TKind::Com;
    address.FNumber = number;
    return address;
}

QString TPortAddress::Name() const
{
    switch (FKind) {
    case TKind::Com:
        return FNumber > 0 ? QStringLiteral("COM%1").arg(FNumber) : QString();
    case TKind::Tcp:
    case TKind::Rfc2217: {
        const QString host = FHost.contains(QLatin1Char(':')) ? QLatin1Char('[') + FHost + QLatin1Char(']') : FHost;
        return QStringLiteral("%1://%2:%3").arg(FKind == TKind::Tcp ? QLatin1String("tcp") : QLatin1String("rfc2217"), host).arg(FPort);
    }
    }
    return {};
}

QList<TPortAddress> ComPorts()
{
    QList<TPortAddress> ports;
    for (int number = 1; number <= ComPortCount; ++number) ports << TPortAddress::Com(number);
    return ports;
}

std::optional<QList<TPortAddress>> ParsePortList(const QString& text)
{
    std::set<int> comNumbers;
    QList<TPortAddress> others;
    for (const QString& part : text.split(QLatin1Char(','))) {
        const std::optional<TPortAddress> single = TPortAddress::Parse(part);
        if (single && single->Kind() != TPortAddress::TKind::Com) {
            if (!others.contains(*single)) others << *single;
            continue;
        }
        const QStringList ends = part.split(QLatin1Char('-'));
        if (ends.size() > 2) return std::nullopt;
        const std::optional<TPortAddress> first = TPortAddress::Parse(ends.first());
        const std::optional<TPortAddress> last = TPortAddress::Parse(ends.last());
        if (!first || !last || first->ComNumber() == 0 || last->ComNumber() < first->ComNumber()) return std::nullopt;
        for (int number = first->ComNumber(); number <= last->ComNumber(); ++number) comNumbers.insert(number);
    }
    QList<TPortAddress> ports;
    for (int number : comNumbers) ports << TPortAddress::Com(number);
    return ports + others;
}

}  // namespace orvantis
