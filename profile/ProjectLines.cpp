#include "ProjectLines.h"

#include <algorithm>

namespace orvantis {

namespace {

constexpr std::string_view FirstWordDelimiters{" \t\n\r(", 5};
constexpr std::string_view SecondWordDelimiters{" \t\n\r,()", 7};

// strtok-like: skips a run of delimiters, then takes characters up to the
// next delimiter, which is consumed with the word.
std::string_view NextWord(std::string_view& rest, std::string_view delimiters)
{
    const std::size_t start = rest.find_first_not_of(delimiters);
    if (start == std::string_view::npos) {
        rest = {};
        return {};
    }
    rest.remove_prefix(start);
    const std::size_t end = rest.find_first_of(delimiters);
    const std::string_view word = rest.substr(0, end);
    rest = end == std::string_view::npos ? std::string_view{} : rest.substr(end + 1);
    return word;
}

// The delimiters are no letters, so comparing upper-cased characters reads
// the words as the upper-cased line would.
bool EqualsUpper(std::string_view text, std::string_view upper)
{
    auto up = [](char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; };
    return std::equal(text.begin(), text.end(), upper.begin(), upper.end(),
                      [&](char a, char b) { return up(a) == b; });
}

}  // namespace

TLineList SplitLines(std::string_view bytes)
{
    TLineList lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] != '\r' && bytes[i] != '\n') continue;
        lines.emplace_back(bytes.substr(start, i - start));
        if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
        start = i + 1;
    }
    if (start < bytes.size()) lines.emplace_back(bytes.substr(start));
    return lines;
}

TProjectLine ClassifyLine(std::string_view line)
{
    line = line.substr(0, line.find_first_of(std::string_view("\n\0", 2)));
    const std::size_t first = line.find_first_not_of(" \t");
    if (first == std::string_view::npos || line[first] == '#') return {};

    std::string_view rest = line.substr(first);
    if (!EqualsUpper(NextWord(rest, FirstWordDelimiters), "SEND")) return {};
    const std::string_view command = NextWord(rest, SecondWordDelimiters);
    if (command.empty() || command.front() == '#') return {TLineKind::BadSend, {}};
    return {TLineKind::Send, command};
}

bool IsRecordCommand(std::string_view command)
{
    return EqualsUpper(command.substr(0, 4), "*E2P");
}

}  // namespace orvantis
