#include "Hex.h"

namespace orvantis {

namespace {

int DigitValue(char c)
{
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

}  // namespace

std::uint32_t HexToValue(std::string_view data, std::size_t pos, std::size_t width)
{
    if (pos >= data.size()) return 0;
    std::string_view s = data.substr(pos, width);
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
