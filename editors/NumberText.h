#pragma once
// Numbers as the editors show and read them: one decimal, the locale's
// decimal separator and no group separators; frequencies in kHz.

#include <QLocale>
#include <QString>

#include <cstdint>
#include <optional>

namespace orvantis {

// Fixed notation with one decimal after rounding to 7 significant digits;
// no group separators: 474000 shows as "474000.0".
QString FormatOneDecimal(double value, const QLocale& locale = QLocale());
// A whole number exactly, with one decimal: 650000 shows as "650000.0".
QString FormatWholeOneDecimal(std::uint32_t value, const QLocale& locale = QLocale());
// Hz in kHz. The Hz pass through single precision first, which is how the
// instrument's figures look: 473142857 Hz shows as "473142.8".
QString FormatHzAsKHz(std::uint32_t hz, const QLocale& locale = QLocale());

// A decimal number with the locale's decimal separator only; nothing for
// text that is not one (group separators and infinities included).
std::optional<double> ParseDecimal(const QString& text, const QLocale& locale = QLocale());
std::optional<int> ParseWholeNumber(const QString& text);

// On a locale that writes "474000,5" a typed "474000.5" means the same.
QString WithLocaleDecimalComma(QString text, const QLocale& locale = QLocale());

// value x scale truncated toward zero, after dropping the binary noise below
// a thousandth of a unit: 262144.1 x 1000 is 262144100, not 262144099.
// Saturated, so no value makes the conversion undefined.
std::int64_t TruncScaled(double value, int scale);
// kHz x 1000 truncated to whole Hz. Anything outside 0 .. 2^32-1 Hz gives
// the largest value, so it fails an upper limit instead of wrapping round
// into the valid range.
std::uint32_t KHzToHz(double kHz);

QString NotAnIntegerText(const QString& text);
QString NotAFloatText(const QString& text);

}  // namespace orvantis
