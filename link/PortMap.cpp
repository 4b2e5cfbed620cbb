#include "PortMap.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSerialPortInfo>

#include <algorithm>

namespace orvantis {

QStringList OrderSystemPorts(const QStringList& devicePaths)
{
    static const QRegularExpression tty(QStringLiteral("^/dev/tty(USB|ACM|S)([0-9]+)$"));
    struct Entry {
        int Group;
        int Number;
        QString Path;
    };
    std::vector<Entry> entries;
    for (const QString& path : devicePaths) {
        const QRegularExpressionMatch m = tty.match(path);
        if (!m.hasMatch()) continue;
        const QString kind = m.captured(1);
        const int group = kind == QLatin1String("USB") ? 0 : kind == QLatin1String("ACM") ? 1 : 2;
        entries.push_back({group, m.captured(2).toInt(), path});
    }
    std::sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) {
        return std::tie(a.Group, a.Number) < std::tie(b.Group, b.Number);
    });
    QStringList ordered;
    for (const Entry& e : entries) ordered << e.Path;
    return ordered;
}

QString DevicePathOf(const TPortAddress& address)
{
    const int number = address.ComNumber();
    if (number < 1 || number > ComPortCount) return {};
    const QString dir = qEnvironmentVariable("ORVANTIS_PORT_DIR");
    if (!dir.isEmpty()) return QDir(dir).filePath(address.Name());

    // Qt lists only the ttyS ports that have real hardware behind them.
    QStringList paths;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) paths << info.systemLocation();
    return OrderSystemPorts(paths).value(number - 1);
}

bool PortPresent(const TPortAddress& address)
{
    if (address.Kind() != TPortAddress::TKind::Com) return true;
    const QString path = DevicePathOf(address);
    return !path.isEmpty() && QFileInfo::exists(path);
}

}  // namespace orvantis
