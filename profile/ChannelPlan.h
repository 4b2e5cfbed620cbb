#pragma once
// Channel plans: a country's television channels with their centre
// frequencies and widths, from which detection points and scan bands are
// filled. Some are built in; users add their own as CSV text
// ("channel,centre_khz,bandwidth_mhz", one row per channel).

#include "PointsCsv.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace orvantis {

struct TPlanChannel {
    std::string Name;             // as the plan names it: "21", "S23", "9A"
    std::uint32_t CentreHz = 0;   // whole Hz, the exact centre truncated
    std::uint8_t WidthMHz = 8;
    std::optional<int> Number;    // the channel's number, when its name has one: S23 is 23, 9A has none

    // The centre as a point holds it: whole kHz, truncated (803142857 Hz is 803142 kHz).
    std::uint32_t CentreKHz() const { return CentreHz / 1000; }
};

struct TChannelPlan {
    std::string Id;     // "eu-uhf"; a user plan's file name without ".csv"
    std::string Title;  // "Europe UHF (Geneva 2006 plan)"
    char BandLetter = ' ';  // a scan band's initial character: 'C' for European UHF, blank for most
    std::string NamePattern = "CH{n}";  // the points' names it suggests; {n} is the channel
    std::vector<TPlanChannel> Channels;  // in frequency order

    // The channel of that name (blanks around it and case do not count).
    const TPlanChannel* Find(std::string_view name) const;
    int IndexOf(std::string_view name) const;  // -1 when there is none
    // "21-69", "6-9, 9A, 10-12", "S11-S41"
    std::string ChannelsText() const;
    // "8 MHz", "7, 8 MHz"
    std::string WidthText() const;
    bool HasOneWidth(std::uint8_t mhz) const;
};

// The plans compiled into the program, in the order they are offered.
const std::vector<TChannelPlan>& BuiltInPlans();
const TChannelPlan* FindBuiltInPlan(std::string_view id);

// A plan of the user's: "channel,centre_khz,bandwidth_mhz" with that header
// row (columns in any order), one row per channel, in kHz with up to three
// decimals; blank rows are skipped. Semicolons or tabs separate the cells
// when the header row has them, and the decimals may follow a comma then. Every row is checked; the first that
// fails is reported with its row, column and reason and no plan is given.
std::variant<TChannelPlan, TCsvProblem> ParseChannelPlan(std::string_view id, std::string_view text);

// The centre in kHz as a plan file writes it: "474000", "473142.857".
std::string CentreKHzText(std::uint32_t centreHz);

}  // namespace orvantis
