// libFuzzer target: arbitrary bytes as a project file. Loading must never go
// out of bounds, and what the model writes must load back to the very same
// text (the written form is a fixed point of write + load).

#include "Profile.h"
#include "ProjectLines.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

using namespace orvantis;

namespace {

// The first byte also picks the instrument, so the 16-point and the ISDB-T
// paths are fuzzed too.
TFixedIdentity IdentityFor(std::string_view bytes)
{
    switch (bytes.empty() ? 0 : static_cast<unsigned char>(bytes[0]) % 4) {
    case 1: return TFixedIdentity(BaseModelRow, 2.5f);
    case 2: return TFixedIdentity(IsdbTModelRow, 3.0f);
    default: return TFixedIdentity(0, 3.0f);
    }
}

[[noreturn]] void Fail(const char* what, const TLineList& first, const TLineList& second)
{
    std::fprintf(stderr, "%s\n", what);
    for (std::size_t i = 0; i < first.size() && i < second.size(); ++i)
        if (first[i] != second[i]) {
            std::fprintf(stderr, "line %zu:\n  %s\n  %s\n", i + 1, first[i].c_str(), second[i].c_str());
            break;
        }
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const TFixedIdentity identity = IdentityFor(bytes);

    TLineList lines = SplitLines(bytes);
    TProfile first(&lines, identity);
    first.LoadFromLines();
    TLineList written;
    first.WriteProject(&written, "fuzz.pro", "01/01/2026 00:00:00");
    const std::size_t expectedLines = first.PointCount() == 16 ? 88 : 122;
    if (written.size() != expectedLines) Fail("wrong number of lines written", written, written);

    TLineList reread = written;
    TProfile second(&reread, identity);
    if (!second.LoadFromLines()) Fail("the written text was rejected", written, written);
    TLineList rewritten;
    second.WriteProject(&rewritten, "fuzz.pro", "01/01/2026 00:00:00");
    if (rewritten != written) Fail("write, load, write is not stable", written, rewritten);
    return 0;
}
