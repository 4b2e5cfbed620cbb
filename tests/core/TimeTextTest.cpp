// The log's date and time: the locale's short date and long time, without
// the time zone the long format names.

#include "TimeText.h"

#include <gtest/gtest.h>

using namespace orvantis;

TEST(DateTimeText, KeepsTheClockTimeAndDropsTheZoneAndItsBrackets)
{
    const QDateTime when(QDate(2026, 12, 8), QTime(9, 20, 5));
    for (const char* name : {"es_ES", "pt_BR", "en_US", "de_DE", "fr_FR", "C"}) {
        const QLocale locale{QLatin1String(name)};
        const QString text = DateTimeText(when, locale);
        EXPECT_TRUE(text.startsWith(locale.toString(when.date(), QLocale::ShortFormat) + QLatin1Char(' '))) << name << ": " << qPrintable(text);
        EXPECT_TRUE(text.contains(QStringLiteral("20:05"))) << name << ": " << qPrintable(text);
        EXPECT_FALSE(text.contains(QLatin1Char('(')) || text.contains(QLatin1Char(')'))) << name << ": " << qPrintable(text);
        EXPECT_EQ(text, text.trimmed()) << name;
    }
}
