#include "Hex.h"

#include <algorithm>
#include <array>

namespace orvantis {

namespace {

// A digit's value by its character, -1 for any other: every byte of a record
// passes here, a table lookup instead of three range tests.
constexpr std::array<std::int8_t, 256> DigitValues = [] {
    std::array<std::int8_t, 256> values{};
    values.fill(-1);
    for (int c = '0'; c <= '9'; ++c) values[c] = static_cast<std::int8_t>(c - '0');
    for (int c = 'A'; c <= 'F'; ++c) {
        values[c] = static_cast<std::int8_t>(c - 'A' + 10);
        values[c - 'A' + 'a'] = static_cast<std::int8_t>(c - 'A' + 10);
    }
    return values;
}();

int DigitValue(char c)
{
    return DigitValues[static_cast<unsigned char>(c)];
}

}  // namespace

std::uint32_t HexToValue(std::string_view data, std::size_t pos, std::size_t width)
{
    if (pos >= data.size()) return 0;
    const std::string_view s(data.data() + pos, std::min(width, data.size() - pos));
    std::size_t i = 0;
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        negative = s[i] == '-';
        ++i;
    }
    if (i + 1 < s.size() && s[i] == '0' && (s[i + 1] == 'x' || s[i + 1] == 'X')
        && i + 2 < s.size() && DigitValue(s[i + 2]) >= 0)
        i += 2;
    std::uint32_t value = 0;
    for (; i < s.size(); ++i) {
        int d = DigitValue(s[i]);
        if (d < 0) break;
        value = (value << 4) | static_cast<std::uint32_t>(d);
    }
    return negative ? 0u - value : value;
}

}  // namespace orvantis
