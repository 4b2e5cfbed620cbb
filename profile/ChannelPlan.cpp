#include "ChannelPlan.h"

#include <algorithm>
#include <array>
#include <charconv>

namespace orvantis {

namespace {

// A run of channels on one raster: channel n is centred at OffsetHz +
// StepHz * n, plus a seventh of a MHz for ISDB-T channels (ISDB-T centres
// its OFDM signal 1/7 MHz above the channel's middle). A run with a Name is
// one channel without a number.
struct TRaster {
    const char* Prefix;
    int First;
    int Last;
    std::uint32_t OffsetHz;
    std::uint32_t StepHz;
    std::uint8_t WidthMHz;
    bool SeventhAbove = false;
    const char* Name = nullptr;
};

constexpr std::uint32_t SeventhOfMHzHz = 1000000 / 7;  // 142857.14... truncated

struct TBuiltInPlan {
    const char* Id;
    const char* Title;
    char BandLetter;
    const char* NamePattern;
    std::vector<TRaster> Runs;
};

// The plans, checked against:
// - eu-vhf, eu-uhf: ITU Regional Agreement GE06 (Final Acts of RRC-06, Geneva
//   2006): band III 174-230 MHz in 7 MHz channels 5-12 (ch 5 = 174-181 MHz),
//   bands IV/V 470-862 MHz in 8 MHz channels 21-69 (ch 21 = 470-478 MHz).
// - eu-cable: the CENELEC/IEC 60728 (EN 50083) cable channel table: S11-S20
//   in 7 MHz (S11 vision carrier 231.25 MHz, channel 230-237 MHz), the
//   hyperband S21-S41 in 8 MHz (S21 = 302-310 MHz, centre 306 MHz).
// - au-vhf, au-uhf: ACMA's television channel plan (Broadcasting Services
//   (Technical Planning) Guidelines, and its list of stations in channel
//   order: channel 6 at 177.5 MHz); 9A is 202-209 MHz; UHF 28 = 526-533 MHz
//   up to 69 = 813-820 MHz.
// - br-vhf, br-uhf: Anatel's channel table with ABNT NBR 15601 (ISDB-Tb
//   transmission, centre 1/7 MHz above the 6 MHz channel's middle) and NBR
//   15604 (VHF 7-13 = 174-216 MHz, UHF 14-69 = 470-806 MHz).
// - jp-uhf: ARIB STD-B31 and the MIC frequency plan for terrestrial
//   broadcasting: UHF 13-52 = 470-710 MHz, ch 13 centred at 473.142857 MHz.
// Every row agrees with its source; the instrument's own defaults ("SFN
// CH66" at 834000 kHz, "BRASIL14" at 473142 kHz, the factory scan bands)
// are channels of these plans.
const std::vector<TBuiltInPlan>& PlanTable()
{
    static const std::vector<TBuiltInPlan> table = {
        {"eu-vhf", "Europe VHF band III", ' ', "CH{n}", {{"", 5, 12, 142500000, 7000000, 7}}},
        {"eu-uhf", "Europe UHF (Geneva 2006 plan)", 'C', "CH{n}", {{"", 21, 69, 306000000, 8000000, 8}}},
        {"eu-cable", "European cable, S channels", 'S', "{n}",
         {{"S", 11, 20, 156500000, 7000000, 7}, {"S", 21, 41, 138000000, 8000000, 8}}},
        {"au-vhf", "Australia VHF", ' ', "CH{n}",
         {{"", 6, 9, 135500000, 7000000, 7},
          {"", 0, 0, 205500000, 0, 7, false, "9A"},
          {"", 10, 12, 142500000, 7000000, 7}}},
        {"au-uhf", "Australia UHF", ' ', "CH{n}", {{"", 28, 69, 333500000, 7000000, 7}}},
        {"br-vhf", "Brazil and ISDB-Tb countries, VHF", ' ', "BRASIL{n}", {{"", 7, 13, 135000000, 6000000, 6, true}}},
        {"br-uhf", "Brazil and ISDB-Tb countries, UHF", ' ', "BRASIL{n}", {{"", 14, 69, 389000000, 6000000, 6, true}}},
        {"jp-uhf", "Japan UHF", ' ', "CH{n}", {{"", 13, 52, 395000000, 6000000, 6, true}}},
    };
    return table;
}

TChannelPlan MakePlan(const TBuiltInPlan& row)
{
    TChannelPlan plan{row.Id, row.Title, row.BandLetter, row.NamePattern, {}};
    for (const TRaster& run : row.Runs) {
        for (int n = run.First; n <= run.Last; ++n) {
            TPlanChannel channel;
            channel.Name = run.Name ? std::string(run.Name) : run.Prefix + std::to_string(n);
            channel.CentreHz = run.OffsetHz + run.StepHz * static_cast<std::uint32_t>(n) +
                               (run.SeventhAbove ? SeventhOfMHzHz : 0);
            channel.WidthMHz = run.WidthMHz;
            if (!run.Name) channel.Number = n;
            plan.Channels.push_back(std::move(channel));
        }
    }
    return plan;
}

char Upper(char c)
{
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

bool SameName(std::string_view a, std::string_view b)
{
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return Upper(x) == Upper(y); });
}

std::string_view Trimmed(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(" \t\r");
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

// "S23" is 23 with the letter S, "21" is 21; "9A" has no number.
std::optional<int> NumberOf(std::string_view name)
{
    if (!name.empty() && IsLetter(name.front())) name.remove_prefix(1);
    if (name.empty() || name.size() > 3 || !std::all_of(name.begin(), name.end(), IsDigit)) return std::nullopt;
    int n = 0;
    std::from_chars(name.data(), name.data() + name.size(), n);
    return n;
}

// Whole and up to three decimal digits of kHz, as exact Hz; more decimals are cut.
std::optional<std::uint64_t> ParseHzOfKHz(std::string_view text)
{
    const std::size_t dot = text.find_first_of(".,");
    const std::string_view whole = text.substr(0, dot);
    std::string_view decimals = dot == std::string_view::npos ? std::string_view{} : text.substr(dot + 1);
    if (whole.empty() || whole.size() > 7 || !std::all_of(whole.begin(), whole.end(), IsDigit)) return std::nullopt;
    if (!std::all_of(decimals.begin(), decimals.end(), IsDigit)) return std::nullopt;
    std::uint64_t hz = 0;
    for (const char c : whole) hz = hz * 10 + static_cast<std::uint64_t>(c - '0');
    for (int i = 0; i < 3; ++i)
        hz = hz * 10 + (i < static_cast<int>(decimals.size()) ? static_cast<std::uint64_t>(decimals[i] - '0') : 0);
    return hz;
}

std::vector<std::string_view> Cells(std::string_view line, char separator)
{
    std::vector<std::string_view> cells;
    for (;;) {
        const std::size_t comma = line.find(separator);
        cells.push_back(Trimmed(line.substr(0, comma)));
        if (comma == std::string_view::npos) return cells;
        line.remove_prefix(comma + 1);
    }
}

std::string Quoted(std::string_view text)
{
    return "\"" + std::string(text) + "\"";
}

constexpr std::array<std::string_view, 3> PlanColumns = {"channel", "centre_khz", "bandwidth_mhz"};
constexpr std::size_t MaxChannelName = 6;

}  // namespace

const TPlanChannel* TChannelPlan::Find(std::string_view name) const
{
    const int i = IndexOf(name);
    return i < 0 ? nullptr : &Channels[static_cast<std::size_t>(i)];
}

int TChannelPlan::IndexOf(std::string_view name) const
{
    name = Trimmed(name);
    for (std::size_t i = 0; i < Channels.size(); ++i)
        if (SameName(Channels[i].Name, name)) return static_cast<int>(i);
    return -1;
}

std::string TChannelPlan::ChannelsText() const
{
    std::string text;
    std::size_t i = 0;
    while (i < Channels.size()) {
        std::size_t j = i;
        // A run: numbered channels of one prefix, each number one above the last.
        const auto prefix = [&](std::size_t k) { return Channels[k].Name.substr(0, Channels[k].Name.find_first_of("0123456789")); };
        if (Channels[i].Number)
            while (j + 1 < Channels.size() && Channels[j + 1].Number && *Channels[j + 1].Number == *Channels[j].Number + 1 &&
                   prefix(j + 1) == prefix(i))
                ++j;
        text += (text.empty() ? "" : ", ") + Channels[i].Name + (j > i ? "-" + Channels[j].Name : "");
        i = j + 1;
    }
    return text;
}

std::string TChannelPlan::WidthText() const
{
    std::vector<int> widths;
    for (const TPlanChannel& c : Channels)
        if (std::find(widths.begin(), widths.end(), c.WidthMHz) == widths.end()) widths.push_back(c.WidthMHz);
    std::sort(widths.begin(), widths.end());
    std::string text;
    for (const int w : widths) text += (text.empty() ? "" : ", ") + std::to_string(w);
    return text + " MHz";
}

bool TChannelPlan::HasOneWidth(std::uint8_t mhz) const
{
    return std::all_of(Channels.begin(), Channels.end(), [mhz](const TPlanChannel& c) { return c.WidthMHz == mhz; });
}

const std::vector<TChannelPlan>& BuiltInPlans()
{
    static const std::vector<TChannelPlan> plans = [] {
        std::vector<TChannelPlan> made;
        for (const TBuiltInPlan& row : PlanTable()) made.push_back(MakePlan(row));
        return made;
    }();
    return plans;
}

const TChannelPlan* FindBuiltInPlan(std::string_view id)
{
    for (const TChannelPlan& plan : BuiltInPlans())
        if (plan.Id == id) return &plan;
    return nullptr;
}

std::variant<TChannelPlan, TCsvProblem> ParseChannelPlan(std::string_view id, std::string_view text)
{
    if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
    TChannelPlan plan;
    plan.Id = std::string(id);
    plan.Title = "User plan " + plan.Id + ".csv";

    std::array<std::size_t, PlanColumns.size()> at{};
    bool header = false;
    // As points files: semicolons or tabs when the header row has them (spreadsheets of comma-decimal locales).
    const std::string_view headerRow = text.substr(0, text.find('\n'));
    const char separator = headerRow.find('\t') != std::string_view::npos ? '\t'
                           : headerRow.find(';') != std::string_view::npos ? ';'
                                                                            : ',';
    int row = 0;
    const TPointRules limits;  // the widest any instrument takes
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        const std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
        ++row;
        const std::vector<std::string_view> cells = Cells(line, separator);
        if (cells.size() == 1 && cells[0].empty()) continue;
        if (!header) {
            for (std::size_t c = 0; c < PlanColumns.size(); ++c) {
                const auto found = std::find_if(cells.begin(), cells.end(), [&](std::string_view cell) { return SameName(cell, PlanColumns[c]); });
                if (found == cells.end())
                    return TCsvProblem{row, {}, "the header row has no column " + std::string(PlanColumns[c]) +
                                                    " (it needs channel,centre_khz,bandwidth_mhz)"};
                at[c] = static_cast<std::size_t>(found - cells.begin());
            }
            if (cells.size() != PlanColumns.size())
                return TCsvProblem{row, {}, "the header row has columns other than channel,centre_khz,bandwidth_mhz"};
            header = true;
            continue;
        }
        if (cells.size() != PlanColumns.size())
            return TCsvProblem{row, {}, std::to_string(cells.size()) + " cells where the header has 3"};

        TPlanChannel channel;
        const std::string_view name = cells[at[0]];
        if (name.empty() || name.size() > MaxChannelName || !std::all_of(name.begin(), name.end(), [](char c) { return IsLetter(c) || IsDigit(c); }))
            return TCsvProblem{row, "channel", Quoted(name) + " is not a channel name (1 to 6 letters and digits)"};
        if (plan.Find(name)) return TCsvProblem{row, "channel", Quoted(name) + " is named twice"};
        channel.Name = std::string(name);
        channel.Number = NumberOf(name);

        const std::string_view khz = cells[at[1]];
        const std::optional<std::uint64_t> hz = ParseHzOfKHz(khz);
        if (!hz) return TCsvProblem{row, "centre_khz", Quoted(khz) + " is not a number of kHz"};
        if (*hz < std::uint64_t{limits.MinKHz} * 1000 || *hz > std::uint64_t{limits.MaxKHz} * 1000)
            return TCsvProblem{row, "centre_khz", Quoted(khz) + " is out of range (" + std::to_string(limits.MinKHz) + " to " +
                                                      std::to_string(limits.MaxKHz) + " kHz)"};
        channel.CentreHz = static_cast<std::uint32_t>(*hz);
        if (!plan.Channels.empty() && channel.CentreHz <= plan.Channels.back().CentreHz)
            return TCsvProblem{row, "centre_khz", Quoted(khz) + " is not above the channel before"};

        const std::string_view mhz = cells[at[2]];
        if (mhz.size() != 1 || mhz[0] < '5' || mhz[0] > '8')
            return TCsvProblem{row, "bandwidth_mhz", Quoted(mhz) + " is not one of 5, 6, 7, 8"};
        channel.WidthMHz = static_cast<std::uint8_t>(mhz[0] - '0');
        plan.Channels.push_back(std::move(channel));
    }
    if (!header) return TCsvProblem{0, {}, "the file is empty"};
    if (plan.Channels.empty()) return TCsvProblem{0, {}, "the file has no channels"};

    // Names with one leading letter give scan bands that letter ("E21").
    const char first = plan.Channels.front().Name.front();
    const bool lettered = IsLetter(first) && std::all_of(plan.Channels.begin(), plan.Channels.end(), [first](const TPlanChannel& c) {
                              return Upper(c.Name.front()) == Upper(first) && c.Number;
                          });
    plan.BandLetter = lettered ? Upper(first) : ' ';
    plan.NamePattern = IsLetter(first) ? "{n}" : "CH{n}";
    return plan;
}

std::string CentreKHzText(std::uint32_t centreHz)
{
    std::string text = std::to_string(centreHz / 1000);
    if (const std::uint32_t rest = centreHz % 1000; rest != 0) {
        std::string decimals = std::to_string(rest);
        decimals.insert(0, 3 - decimals.size(), '0');
        while (decimals.back() == '0') decimals.pop_back();
        text += "." + decimals;
    }
    return text;
}

}  // namespace orvantis
