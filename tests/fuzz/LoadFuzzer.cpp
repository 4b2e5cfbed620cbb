// libFuzzer target: arbitrary bytes as a project file. Loading must never go
// out of bounds nor break the model's own limits, and what the model writes
// must load back to the very same text (the written form is a fixed point of
// write + load).

#include "Profile.h"
#include "ProjectLines.h"

#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <functional>
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

// Whether a model in this very state was written and checked before. Most
// mutations change nothing that is stored (a comment, an ignored record), and
// the same state always writes the same text, so the check is made once per
// state; a fixed table of hashes remembers recent states without allocating
// (an allocation would make libFuzzer look for a leak after every input).
bool CheckedBefore(const TProfile& model)
{
    std::size_t hash = static_cast<std::size_t>(model.PointCount() * 2 + model.IsIsdbT());
    const auto add = [&](std::size_t value) { hash = (hash ^ value) * 1099511628211u; };
    const TConfigData& c = model.ConfigRecord();
    for (const std::size_t v : {c.PointIndex, c.LastIndex, c.EPStask, c.EPSaux, c.Sound, c.Units, c.ConfigAux,
                                c.ContrastLCD, c.ShowBER, c.BacklightLCD, c.ConfigBw})
        add(v);
    add(c.MinDetLev);
    add(c.SNRHiQ);
    for (int i = 0; i < BandCount; ++i) {
        const TScanBand& b = model.BandRecord(i);
        for (const std::size_t v : {std::size_t{b.StartFreq}, std::size_t{b.EndFreq}, std::size_t{b.Enable},
                                    std::size_t{b.Bw}, std::size_t{b.BandAux}, std::size_t{b.InitialChar},
                                    std::size_t{b.InitialIndex}})
            add(v);
    }
    for (int i = 0; i < model.PointCount(); ++i) {
        const TDetPoint& p = model.PointRecord(i);
        for (const std::size_t v : {std::size_t{p.FreqKHz}, std::size_t{p.PointAux0}, std::size_t{p.FFT},
                                    std::size_t{p.BW}, std::size_t{p.SpecInv}, std::size_t{p.Guard},
                                    std::size_t{p.PointAux9}, std::size_t{p.PointAux10}, std::size_t{p.Standard}})
            add(v);
        add(std::hash<std::string_view>{}(std::string_view(p.Name, sizeof p.Name)));
    }
    for (int i = 0; i < MessageCount; ++i)
        add(std::hash<std::string_view>{}(std::string_view(model.MessageRecord(i).Text, MessageCapacity)));

    static std::array<std::size_t, 1 << 16> checked{};
    std::size_t& slot = checked[hash & (checked.size() - 1)];
    if (slot == hash) return true;
    slot = hash;
    return false;
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

// What the model promises whatever it loaded: no text longer than its
// message's maximum, names terminated behind their eight characters, a
// bandwidth code of 6, 7 or 8.
void CheckModel(const TProfile& model)
{
    const TLineList none;
    const std::uint8_t bw = model.ConfigRecord().ConfigBw;
    if (bw < 6 || bw > 8) Fail("ConfigBw is not 6, 7 or 8", none, none);
    for (int i = 0; i < MessageCount; ++i) {
        const TTextMessage& m = model.MessageRecord(i);
        const std::string_view text(m.Text, sizeof m.Text);
        if (text.find('\0') > static_cast<std::size_t>(m.MaxLen)) Fail("a message text longer than allowed", none, none);
    }
    for (int i = 0; i < model.PointCount(); ++i)
        if (model.PointRecord(i).Name[PointNameLength] != '\0') Fail("a point name without its terminator", none, none);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const TFixedIdentity identity = IdentityFor(bytes);

    TLineList lines = SplitLines(bytes);
    TProfile first(&lines, identity);
    first.LoadFromLines();
    if (CheckedBefore(first)) return 0;
    CheckModel(first);

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
