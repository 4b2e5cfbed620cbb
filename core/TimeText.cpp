#include "TimeText.h"

#include <QLocale>
#include <QRegularExpression>

namespace orvantis {

QString DateTimeText(const QDateTime& when)
{
    const QLocale locale = QLocale::system();
    // Qt's long time format names the time zone; the log wants the clock time.
    static const QRegularExpression zone(QStringLiteral("\\s*\\bt+\\b"));
    const QString timeFormat = locale.timeFormat(QLocale::LongFormat).remove(zone).trimmed();
    return locale.toString(when.date(), QLocale::ShortFormat) + QLatin1Char(' ')
           + locale.toString(when.time(), timeFormat);
}

}  // namespace orvantis
