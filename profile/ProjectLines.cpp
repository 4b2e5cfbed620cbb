#include "ProjectLines.h"

#include <algorithm>
#include <array>

namespace orvantis {

namespace {

// A set of characters as a table: every character of a line is looked up
// once instead of being compared with each member in turn (the loader reads
// every character of every line this way).
class TCharSet {
public:
    constexpr explicit TCharSet(std::string_view members)
    {
        for (const char c : members) In[static_cast<unsigned char>(c)] = true;
    }
    constexpr bool operator()(char c) const { return In[static_cast<unsigned char>(c)]; }

private:
    std::array<bool, 256> In{};
};

constexpr TCharSet Blanks{" \t"};
constexpr TCharSet LineEnds{std::string_view("\n\0", 2)};
constexpr TCharSet FirstWordDelimiters{" \t\n\r("};
constexpr TCharSet SecondWordDelimiters{" \t\n\r,()"};

// strtok-like: skips a run of delimiters, then takes characters up to the
// next delimiter, which is consumed with the word.
std::string_view NextWord(std::string_view& rest, const TCharSet& delimiters)
{
    const auto start = std::find_if_not(rest.begin(), rest.end(), delimiters);
    if (start == rest.end()) {
        rest = {};
        return {};
    }
    const auto end = std::find_if(start, rest.end(), delimiters);
    const std::string_view word(start, end);
    rest = end == rest.end() ? std::string_view{} : std::string_view(end + 1, rest.end());
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
    line = std::string_view(line.begin(), std::find_if(line.begin(), line.end(), LineEnds));
    const auto first = std::find_if_not(line.begin(), line.end(), Blanks);
    if (first == line.end() || *first == '#') return {};

    std::string_view rest(first, line.end());
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
