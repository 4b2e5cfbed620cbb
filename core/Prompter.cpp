#include "Prompter.h"

#include <QStringList>

namespace orvantis {

namespace {

QStringList FilterPairs(const QString& filter)
{
    QStringList result;
    const QStringList parts = filter.split(QLatin1Char('|'));
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString patterns = parts[i + 1];
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        result << QStringLiteral("%1 (%2)").arg(parts[i], patterns);
    }
    return result;
}

}  // namespace

QString QtFilterString(const QString& filter)
{
    return FilterPairs(filter).join(QStringLiteral(";;"));
}

QString QtFilterAt(const QString& filter, int index)
{
    return FilterPairs(filter).value(index);
}

}  // namespace orvantis
