#include "NumberText.h"

#include <QCoreApplication>
#include <cmath>
#include <limits>

namespace orvantis {

namespace {

QString PlainOneDecimal(double value, const QLocale& locale)
{
    QLocale plain(locale);
    plain.setNumberOptions(QLocale::OmitGroupSeparator);
    return plain.toString(value, 'f', 1);
}

}  // namespace

QString FormatOneDecimal(double value, const QLocale& locale)
{
    return PlainOneDecimal(QString::number(value, 'g', 7).toDouble(), locale);
}

QString FormatWholeOneDecimal(std::uint32_t value, const QLocale& locale)
{
    return PlainOneDecimal(static_cast<double>(value), locale);
}

QString FormatHzAsKHz(std::uint32_t hz, const QLocale& locale)
{
    return FormatOneDecimal(static_cast<double>(static_cast<float>(hz)) * 0.001, locale);
}

std::optional<double> ParseDecimal(const QString& text, const QLocale& locale)
{
    QLocale strict(locale);
    strict.setNumberOptions(QLocale::RejectGroupSeparator);
    bool ok = false;
    const double value = strict.toDouble(text.trimmed(), &ok);
    if (!ok || !std::isfinite(value)) return std::nullopt;
    return value;
}

std::optional<int> ParseWholeNumber(const QString& text)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok, 10);
    if (!ok) return std::nullopt;
    return value;
}

QString WithLocaleDecimalComma(QString text, const QLocale& locale)
{
    if (locale.decimalPoint() == QStringLiteral(","))
        text.replace(QLatin1Char('.'), QLatin1Char(','));
    return text;
}

std::int64_t TruncScaled(double value, int scale)
{
    constexpr double limit = 9.0e18;  // inside the int64 range
    const double thousandths = std::round(value * scale * 1000.0);
    if (std::isnan(thousandths)) return 0;
    if (thousandths >= limit) return static_cast<std::int64_t>(limit) / 1000;
    if (thousandths <= -limit) return -static_cast<std::int64_t>(limit) / 1000;
    return static_cast<std::int64_t>(thousandths) / 1000;
}

std::uint32_t KHzToHz(double kHz)
{
    const std::int64_t hz = TruncScaled(kHz, 1000);
    if (kHz < 0.0 || hz > std::numeric_limits<std::uint32_t>::max()) return std::numeric_limits<std::uint32_t>::max();
    return static_cast<std::uint32_t>(hz);
}

QString NotAnIntegerText(const QString& text)
{
    return QCoreApplication::translate("orvantis::NumberText", "'%1' is not a valid integer value").arg(text);
}

QString NotAFloatText(const QString& text)
{
    return QCoreApplication::translate("orvantis::NumberText", "'%1' is not a valid floating point value").arg(text);
}

}  // namespace orvantis
