#include "PortMap.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSerialPortInfo>

#include <algorithm>
#include <set>

namespace orvantis {

QString ComPortName(int index)
{
    return QStringLiteral("COM%1").arg(index + 1);
}

int ComPortIndex(const QString& name)
{
    static const QRegularExpression com(QStringLiteral("^COM([1-9][0-9]?)$"), QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch m = com.match(name.trimmed());
    if (!m.hasMatch()) return -1;
    const int number = m.captured(1).toInt();
    return number <= ComPortCount ? number - 1 : -1;
}

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

QString ComPortDevice(int index)
{
    if (index < 0 || index >= ComPortCount) return {};
    const QString dir = qEnvironmentVariable("ORVANTIS_PORT_DIR");
    if (!dir.isEmpty()) return QDir(dir).filePath(ComPortName(index));

    // Qt lists only the ttyS ports that have real hardware behind them.
    QStringList paths;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) paths << info.systemLocation();
    return OrderSystemPorts(paths).value(index);
}

QString DevicePathOf(const QString& comName)
{
    return ComPortDevice(ComPortIndex(comName));
}

bool ComPortPresent(int index)
{
    const QString path = ComPortDevice(index);
    return !path.isEmpty() && QFileInfo::exists(path);
}

std::optional<QList<int>> ParseComPortList(const QString& text)
{
    std::set<int> indices;
    for (const QString& part : text.split(QLatin1Char(','))) {
        const QStringList ends = part.split(QLatin1Char('-'));
        if (ends.size() > 2) return std::nullopt;
        const int first = ComPortIndex(ends.first());
        const int last = ComPortIndex(ends.last());
        if (first < 0 || last < first) return std::nullopt;
        for (int i = first; i <= last; ++i) indices.insert(i);
    }
    return QList<int>(indices.begin(), indices.end());
}

}  // namespace orvantis
