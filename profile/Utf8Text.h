#pragma once
// UTF-8 text and the model's 8-bit text, which holds one character per byte
// (the first 256 code points).

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvantis {

// The code points of UTF-8 text; nothing when it is not valid UTF-8.
std::optional<std::vector<char32_t>> DecodeUtf8(std::string_view text);
// One byte per character to UTF-8.
std::string Latin1ToUtf8(std::string_view bytes);
// One code point as UTF-8, for messages that quote it.
std::string CodePointToUtf8(char32_t c);

}  // namespace orvantis
