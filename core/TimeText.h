#pragma once
// Date and time texts of the log and the project header: the user's locale,
// short date and long time format.

#include <QDateTime>
#include <QLocale>
#include <QString>

namespace orvantis {

QString DateTimeText(const QDateTime& when, const QLocale& locale = QLocale::system());
inline QString NowText() { return DateTimeText(QDateTime::currentDateTime()); }

}  // namespace orvantis
