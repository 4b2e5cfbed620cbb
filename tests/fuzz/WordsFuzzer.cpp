// libFuzzer target: arbitrary bytes as a project file, read in the words of
// show and diff. A model reads alike to its own reload and unlike the
// defaults exactly when its project text differs from theirs; every setting
// has a label, and the project reads as lines.
//
// Apart from the loader's target: the words cost many times a load, and the
// loader is fuzzed at its own rate.

#include "Profile.h"
#include "ProfileWords.h"
#include "ProjectLines.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

using namespace orvantis;

namespace {

// The first byte picks the instrument, as in the loader's target.
TFixedIdentity IdentityFor(std::string_view bytes)
{
    switch (bytes.empty() ? 0 : static_cast<unsigned char>(bytes[0]) % 4) {
    case 1: return TFixedIdentity(BaseModelRow, 2.5f);
    case 2: return TFixedIdentity(IsdbTModelRow, 3.0f);
    default: return TFixedIdentity(0, 3.0f);
    }
}

[[noreturn]] void Fail(const char* what)
{
    std::fprintf(stderr, "%s\n", what);
    std::abort();
}

TLineList Written(TProfile& model)
{
    TLineList text;
    model.WriteProject(&text, "fuzz.pro", "01/01/2026 00:00:00");
    return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const TFixedIdentity identity = IdentityFor(bytes);

    TLineList lines = SplitLines(bytes);
    TProfile loaded(&lines, identity);
    loaded.LoadFromLines();
    const TLineList written = Written(loaded);
    TLineList reread = written;
    TProfile reloaded(&reread, identity);
    reloaded.LoadFromLines();

    for (const TSettingWords& setting : SettingsInWords(loaded))
        if (setting.Label.empty()) Fail("a setting without a label");
    if (ProjectInWords(loaded).empty()) Fail("a project without lines");
    if (!DifferencesInWords(loaded, "loaded", reloaded, "reloaded").empty()) Fail("a model differs in words from its reload");

    TLineList defaultLines;
    TProfile defaults(&defaultLines, identity);
    defaults.SetDefaults();
    if (DifferencesInWords(loaded, "loaded", defaults, "defaults").empty() != (Written(defaults) == written))
        Fail("the differences from the defaults in words miss or invent one");
    return 0;
}
