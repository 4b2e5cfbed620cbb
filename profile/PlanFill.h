#pragma once
// Detection points and scan bands filled from a channel plan, by the points
// editor's checks for the instrument the model follows. A fill is all or
// nothing: it says why it is refused, with every channel at fault, before
// anything changes.

#include "ChannelPlan.h"
#include "PointsCsv.h"

#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace orvantis {

// The channels that a list names, in its order: "21-48,50", "S11-S13,S23",
// "8-10" (with 9A between them); or why the list names none.
std::variant<std::vector<const TPlanChannel*>, std::string> SelectChannels(const TChannelPlan& plan,
                                                                            std::string_view list);

// A point's name from a pattern: every "{n}" becomes the channel's name.
std::string PointNameFor(std::string_view pattern, const TPlanChannel& channel);

struct TPlanFillRequest {
    const TChannelPlan* Plan = nullptr;
    std::string Channels;     // as SelectChannels reads it
    int FirstPoint = 1;       // counted from 1
    std::string NamePattern;  // UTF-8; empty: the plan's own
    bool DvbT2 = false;       // the 7 and 8 MHz channels as DVB-T2 rather than DVB-T
};

struct TPlanFill {
    std::vector<TPointChange> Changes;  // one per channel, on consecutive points
    std::vector<std::string> Channels;  // the channel of each change
    std::string Problem;                // why nothing is to change; empty when it fits
    std::vector<std::string> Offending;  // the channels at fault
    explicit operator bool() const { return Problem.empty(); }
};

// The points the request fills, over the points as they stand (current(i)
// gives the words of point i; without it, the model's). Each point gets the
// channel's centre in whole kHz, its name, the plan's width and ISDB-T for a
// 6 MHz channel, DVB-T or DVB-T2 for the others; the rest stays as the
// point holds it. Other points are not touched.
TPlanFill FillPointsFromPlan(const TPlanFillRequest& request, const TProfile& profile,
                             const TCurrentWords& current = {});

// Scan band band (1 to 4) from the first to the last channel of a plan:
// their centres, the plan's width as the step, the plan's band letter and
// the first channel's number, enabled. Or why it cannot be.
std::variant<TScanBand, std::string> BandFromPlan(const TProfile& profile, int band, const TChannelPlan& plan,
                                                  std::string_view first, std::string_view last);
// Stores what BandFromPlan gave into band (1 to 4); BandAux stays.
void StorePlanBand(TProfile& profile, int band, const TScanBand& values);

}  // namespace orvantis
