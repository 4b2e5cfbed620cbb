#pragma once
// Hexadecimal helpers of the record lines.

#include <cstdint>
#include <string_view>

namespace orvantis {

// Converts data[pos, pos+width) (shorter where the data ends) as an unsigned
// hexadecimal number, the way the instrument's tools always have: an optional
// sign and "0x" prefix, conversion stops at the first non-digit, no digit
// gives 0. A slice wholly beyond the data gives 0. The caller cuts the result
// to its field's width.
std::uint32_t HexToValue(std::string_view data, std::size_t pos, std::size_t width);

inline std::uint16_t SwapWord(std::uint16_t v) { return static_cast<std::uint16_t>((v >> 8) | (v << 8)); }

inline std::uint32_t SwapLong(std::uint32_t v)
{
    return (v >> 24) | ((v >> 8) & 0x0000FF00u) | ((v << 8) & 0x00FF0000u) | (v << 24);
}

}  // namespace orvantis
