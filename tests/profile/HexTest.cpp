// Hexadecimal slices of record data and the byte swaps of little-endian fields.

#include "Hex.h"

#include <gtest/gtest.h>

namespace orvantis {
namespace {

TEST(HexTest, SlicesConvertAsUnsignedHexInEitherCase)
{
    EXPECT_EQ(HexToValue("1F00", 0, 4), 0x1F00u);
    EXPECT_EQ(HexToValue("1f00", 0, 4), 0x1F00u);
    EXPECT_EQ(HexToValue("ffffffff", 0, 8), 0xFFFFFFFFu);
    EXPECT_EQ(HexToValue("D0B90C00", 0, 8), 0xD0B90C00u);
    EXPECT_EQ(HexToValue("0A00D200", 4, 4), 0xD200u);
    EXPECT_EQ(HexToValue("4E45543A00", 8, 2), 0x00u);
    EXPECT_EQ(HexToValue("4E45543A00", 6, 2), 0x3Au);
}

TEST(HexTest, DataEndingInsideTheSliceShortensIt)
{
    EXPECT_EQ(HexToValue("ABC", 2, 2), 0xCu);
    EXPECT_EQ(HexToValue("12345", 0, 8), 0x12345u);
    // Wholly beyond the data.
    EXPECT_EQ(HexToValue("AB", 2, 2), 0u);
    EXPECT_EQ(HexToValue("AB", 100, 8), 0u);
    EXPECT_EQ(HexToValue("", 0, 4), 0u);
}

TEST(HexTest, ConversionStopsAtTheFirstNonDigit)
{
    EXPECT_EQ(HexToValue("1G", 0, 2), 0x1u);
    EXPECT_EQ(HexToValue("G1", 0, 2), 0u);
    EXPECT_EQ(HexToValue("12 4", 0, 4), 0x12u);
    EXPECT_EQ(HexToValue("ZZZZZZZZ", 0, 8), 0u);
    EXPECT_EQ(HexToValue(std::string_view("1\0" "2", 3), 0, 3), 0x1u);
    EXPECT_EQ(HexToValue("\xFF\x80", 0, 2), 0u);
}

TEST(HexTest, SignAndPrefixAreAccepted)
{
    EXPECT_EQ(HexToValue("-1", 0, 2), 0xFFFFFFFFu);  // the caller cuts it to its width
    EXPECT_EQ(static_cast<std::uint8_t>(HexToValue("-1", 0, 2)), 0xFF);
    EXPECT_EQ(HexToValue("+F", 0, 2), 0xFu);
    EXPECT_EQ(HexToValue("0x1F", 0, 4), 0x1Fu);
    EXPECT_EQ(HexToValue("0X1F", 0, 4), 0x1Fu);
    EXPECT_EQ(HexToValue("-0x10", 0, 8), 0xFFFFFFF0u);
    EXPECT_EQ(HexToValue("-", 0, 2), 0u);
    EXPECT_EQ(HexToValue("0x", 0, 2), 0u);
    EXPECT_EQ(HexToValue("0xZ", 0, 4), 0u);
    EXPECT_EQ(HexToValue("+-1", 0, 4), 0u);
}

TEST(HexTest, SwapsReverseTheBytes)
{
    EXPECT_EQ(SwapWord(0x000A), 0x0A00);
    EXPECT_EQ(SwapWord(0x0A00), 0x000A);
    EXPECT_EQ(SwapWord(0x1234), 0x3412);
    EXPECT_EQ(SwapLong(0x000CB9D0u), 0xD0B90C00u);
    EXPECT_EQ(SwapLong(0x12345678u), 0x78563412u);
    EXPECT_EQ(SwapLong(SwapLong(0xCAFEBABEu)), 0xCAFEBABEu);
    EXPECT_EQ(SwapLong(0xFFFFFFFFu), 0xFFFFFFFFu);
}

}  // namespace
}  // namespace orvantis
