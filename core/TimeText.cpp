#include "TimeText.h"

#include <QLocale>
#include <QRegularExpression>

namespace orvantis {

QString DateTimeText(const QDateTime& when, const QLocale& locale)
{
    // Qt's long time format names the time zone; the log wants the clock
    // time. Some locales put the zone in brackets ("H:mm:ss (t)"): they go too.
    static const QRegularExpression zone(QStringLiteral("\\s*(\\(\\s*t+\\s*\\)|\\bt+\\b)"));
    const QString timeFormat = locale.timeFormat(QLocale::LongFormat).remove(zone).trimmed();
    return locale.toString(when.date(), QLocale::ShortFormat) + QLatin1Char(' ')
           + locale.toString(when.time(), timeFormat);
}

}  // namespace orvantis
