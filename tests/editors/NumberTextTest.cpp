#include "NumberText.h"

#include <gtest/gtest.h>

#include <limits>

using namespace orvantis;

namespace {

const QLocale Dot = QLocale::c();
const QLocale Comma(QLocale::German, QLocale::Germany);

TEST(NumberText, FormatsOneDecimalWithTheLocaleSeparatorAndNoGroups)
{
    EXPECT_EQ(FormatOneDecimal(474000, Dot), "474000.0");
    EXPECT_EQ(FormatOneDecimal(474000, Comma), "474000,0");
    EXPECT_EQ(FormatOneDecimal(215 * 0.1, Dot), "21.5");
    EXPECT_EQ(FormatOneDecimal(1234567.89, Comma), "1234568,0");  // seven significant digits
}

TEST(NumberText, HzGoThroughSinglePrecisionBeforeShowingAsKHz)
{
    EXPECT_EQ(FormatHzAsKHz(473142857, Dot), "473142.8");  // 473142848 in single precision
    EXPECT_EQ(FormatHzAsKHz(177142857, Dot), "177142.9");
    EXPECT_EQ(FormatHzAsKHz(858000000, Comma), "858000,0");
    EXPECT_EQ(FormatHzAsKHz(474000500, Dot), "474000.5");
}

TEST(NumberText, ParsesOnlyTheLocaleDecimalSeparator)
{
    EXPECT_EQ(ParseDecimal(" 474000.5 ", Dot), 474000.5);
    EXPECT_EQ(ParseDecimal("474000,5", Comma), 474000.5);
    EXPECT_FALSE(ParseDecimal("474000,5", Dot));
    EXPECT_FALSE(ParseDecimal("474.000,5", Comma));  // no group separators
    EXPECT_FALSE(ParseDecimal("", Dot));
    EXPECT_FALSE(ParseDecimal("abc", Dot));
    EXPECT_FALSE(ParseDecimal("inf", Dot));
    EXPECT_EQ(ParseWholeNumber(" 95"), 95);
    EXPECT_EQ(ParseWholeNumber("-3"), -3);
    EXPECT_FALSE(ParseWholeNumber("9.5"));
    EXPECT_FALSE(ParseWholeNumber("99999999999"));
}

TEST(NumberText, DotBecomesCommaOnlyOnACommaLocale)
{
    EXPECT_EQ(WithLocaleDecimalComma("474000.5", Comma), "474000,5");
    EXPECT_EQ(WithLocaleDecimalComma("474000.5", Dot), "474000.5");
}

TEST(NumberText, KHzToWholeHzTruncatesWithoutBinaryNoiseOrWrapping)
{
    EXPECT_EQ(KHzToHz(473142.8), 473142800u);
    EXPECT_EQ(KHzToHz(262144.1), 262144100u);  // x 1000 in binary is 262144099.99999997
    EXPECT_EQ(KHzToHz(474000.0009), 474000000u);  // sub-Hz digits are cut, not rounded
    constexpr auto above = std::numeric_limits<std::uint32_t>::max();
    EXPECT_EQ(KHzToHz(-5), above);
    EXPECT_EQ(KHzToHz(4495137.3), above);  // would wrap to 200 MHz
    EXPECT_EQ(TruncScaled(25.3, 10), 253);
    EXPECT_EQ(TruncScaled(17.99, 10), 179);
    EXPECT_EQ(TruncScaled(-1.55, 10), -15);
    EXPECT_GT(TruncScaled(1e300, 10), 0);
}

}  // namespace
