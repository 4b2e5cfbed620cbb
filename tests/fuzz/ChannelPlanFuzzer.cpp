// libFuzzer target: arbitrary bytes as a user's channel-plan file, and the
// fills of detection points and scan bands made from the plan it gives.
//
// Input: a byte of switches (bits 0-1: the instrument, as the loader's first
// byte; bit 2: 7 and 8 MHz channels as DVB-T2; bits 3-7: the first point
// less one), then the channels to fill as the fill dialog takes them ("21-
// 30, 34") up to a line end, the points' name pattern up to the next, and the
// plan file.
//
// When the file is refused, the fills are made from a built-in plan instead.
// A plan read has channels of legal names, in rising frequency order, each
// found by its name, and written back it reads to the very same plan; its
// own channel list selects every channel. A fill changes consecutive points
// of the instrument, one per channel selected, and a scan band made from two
// channels stores.

#include "ChannelPlan.h"
#include "PlanFill.h"
#include "Profile.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

using namespace orvantis;

namespace {

[[noreturn]] void Fail(const char* what, std::string_view detail = {})
{
    std::fprintf(stderr, "%s %.*s\n", what, static_cast<int>(detail.size()), detail.data());
    std::abort();
}

TFixedIdentity IdentityFor(std::uint8_t switches)
{
    switch (switches % 4) {
    case 1: return TFixedIdentity(BaseModelRow, 2.5f);
    case 2: return TFixedIdentity(IsdbTModelRow, 3.0f);
    default: return TFixedIdentity(0, 3.0f);
    }
}

// The next line of the input, taken off its front.
std::string_view TakeLine(std::string_view& rest)
{
    const std::size_t end = rest.find('\n');
    const std::string_view line = rest.substr(0, end);
    rest = end == std::string_view::npos ? std::string_view{} : rest.substr(end + 1);
    return line;
}

bool SameChannels(const TChannelPlan& a, const TChannelPlan& b)
{
    if (a.Channels.size() != b.Channels.size() || a.BandLetter != b.BandLetter || a.NamePattern != b.NamePattern)
        return false;
    for (std::size_t i = 0; i < a.Channels.size(); ++i) {
        const TPlanChannel& x = a.Channels[i];
        const TPlanChannel& y = b.Channels[i];
        if (x.Name != y.Name || x.CentreHz != y.CentreHz || x.WidthMHz != y.WidthMHz || x.Number != y.Number)
            return false;
    }
    return true;
}

void CheckPlan(const TChannelPlan& plan)
{
    if (plan.Channels.empty()) Fail("a plan without channels");
    std::string file = "channel,centre_khz,bandwidth_mhz\n";
    for (std::size_t i = 0; i < plan.Channels.size(); ++i) {
        const TPlanChannel& c = plan.Channels[i];
        if (c.Name.empty() || c.Name.size() > 6) Fail("a channel name of the wrong length", c.Name);
        if (c.WidthMHz < 5 || c.WidthMHz > 8) Fail("a width other than 5 to 8 MHz", c.Name);
        if (i > 0 && c.CentreHz <= plan.Channels[i - 1].CentreHz) Fail("channels out of frequency order", c.Name);
        if (plan.Find(c.Name) != &c) Fail("a channel its name does not find", c.Name);
        file += c.Name + "," + CentreKHzText(c.CentreHz) + "," + std::to_string(c.WidthMHz) + "\n";
    }
    const auto again = ParseChannelPlan(plan.Id, file);
    if (const auto* problem = std::get_if<TCsvProblem>(&again)) Fail("a plan written back is refused:", problem->Text());
    if (!SameChannels(plan, std::get<TChannelPlan>(again))) Fail("a plan written back reads otherwise");

    const auto all = SelectChannels(plan, plan.ChannelsText());
    if (const auto* problem = std::get_if<std::string>(&all)) Fail("the plan's own channel list is refused:", *problem);
    const auto& selected = std::get<std::vector<const TPlanChannel*>>(all);
    if (selected.size() != plan.Channels.size()) Fail("the plan's own channel list selects other channels", plan.ChannelsText());
    for (std::size_t i = 0; i < selected.size(); ++i)
        if (selected[i] != &plan.Channels[i]) Fail("the plan's own channel list selects other channels", plan.ChannelsText());
    if (plan.WidthText().empty() || plan.HasOneWidth(plan.Channels.front().WidthMHz) != (plan.WidthText().size() == 5))
        Fail("the widths said otherwise", plan.WidthText());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0) return 0;
    const std::uint8_t switches = data[0];
    std::string_view rest(reinterpret_cast<const char*>(data + 1), size - 1);
    const std::string channels(TakeLine(rest));
    const std::string pattern(TakeLine(rest));

    const auto read = ParseChannelPlan("fuzz", rest);
    const TChannelPlan* chosen = std::get_if<TChannelPlan>(&read);
    if (const auto* problem = std::get_if<TCsvProblem>(&read)) {
        if (problem->Reason.empty() || problem->Row < 0) Fail("a problem without its row or reason");
        // The fills go on with a built-in plan, as the fill dialog offers those too.
        const std::vector<TChannelPlan>& plans = BuiltInPlans();
        chosen = FindBuiltInPlan(plans[(switches >> 3) % plans.size()].Id);
        if (!chosen) Fail("a built-in plan its id does not find");
    } else {
        CheckPlan(*chosen);
    }
    const TChannelPlan& plan = *chosen;

    const TFixedIdentity identity = IdentityFor(switches);
    TProfile profile(nullptr, identity);
    profile.SetDefaults();
    const TPlanFillRequest request{&plan, channels, 1 + (switches >> 3), pattern, (switches & 4) != 0};
    const TPlanFill fill = FillPointsFromPlan(request, profile);
    if (fill) {
        if (fill.Changes.empty() || fill.Changes.size() != fill.Channels.size()) Fail("a fill of other than one point per channel");
        for (std::size_t i = 0; i < fill.Changes.size(); ++i)
            if (fill.Changes[i].Point != request.FirstPoint - 1 + static_cast<int>(i) || fill.Changes[i].Point >= profile.PointCount())
                Fail("a fill of points that do not follow on inside the instrument's");
        ApplyPointChanges(profile, fill.Changes);
    } else if (!fill.Changes.empty()) {
        Fail("a refused fill with changes:", fill.Problem);
    }

    // A scan band from the first selected channel (or the plan's first) to the plan's last.
    const std::string first = fill ? fill.Channels.front() : plan.Channels.front().Name;
    const auto band = BandFromPlan(profile, switches % BandCount, plan, first, plan.Channels.back().Name);
    if (const auto* values = std::get_if<TScanBand>(&band)) StorePlanBand(profile, switches % BandCount, *values);
    return 0;
}
