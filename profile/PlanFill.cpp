#include "PlanFill.h"

#include "Utf8Text.h"

#include <algorithm>

namespace orvantis {

namespace {

std::string_view Trimmed(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

std::string Quoted(std::string_view text)
{
    return "\"" + std::string(text) + "\"";
}

std::string Joined(const std::vector<std::string>& items, std::string_view separator)
{
    std::string text;
    for (const std::string& item : items) text += (text.empty() ? "" : std::string(separator)) + item;
    return text;
}

// "S23" as "S" and 23; a name without a number at its end has none.
std::pair<std::string, int> PrefixAndNumber(const std::string& name)
{
    const std::size_t digits = name.find_last_not_of("0123456789") + 1;
    if (digits == name.size() || name.size() - digits > 3) return {name, -1};
    return {name.substr(0, digits), std::stoi(name.substr(digits))};
}

// "channel 22", "channels 5, 6, 9A", "channels 21-69": runs of numbers shortened.
std::string ChannelList(const std::vector<std::string>& names)
{
    std::vector<std::string> items;
    for (std::size_t i = 0; i < names.size();) {
        std::size_t j = i;
        const auto [prefix, number] = PrefixAndNumber(names[i]);
        while (number >= 0 && j + 1 < names.size() &&
               PrefixAndNumber(names[j + 1]) == std::pair{prefix, number + static_cast<int>(j + 1 - i)})
            ++j;
        items.push_back(j >= i + 2 ? names[i] + "-" + names[j] : names[i]);
        if (j == i + 1) items.push_back(names[j]);
        i = j + 1;
    }
    return (names.size() == 1 ? "channel " : "channels ") + Joined(items, ", ");
}

constexpr int Column(TPointColumn column) { return static_cast<int>(column); }

std::size_t CharacterCount(const std::string& utf8)
{
    const auto decoded = DecodeUtf8(utf8);
    return decoded ? decoded->size() : utf8.size();
}

}  // namespace

std::variant<std::vector<const TPlanChannel*>, std::string> SelectChannels(const TChannelPlan& plan,
                                                                            std::string_view list)
{
    std::vector<const TPlanChannel*> chosen;
    const auto index = [&](std::string_view name) -> std::variant<int, std::string> {
        const int i = plan.IndexOf(name);
        if (i < 0)
            return "no channel " + Quoted(Trimmed(name)) + " in " + plan.Id + " (" + plan.ChannelsText() + ")";
        return i;
    };
    while (!Trimmed(list).empty()) {
        const std::size_t comma = list.find(',');
        const std::string_view item = Trimmed(list.substr(0, comma));
        list = comma == std::string_view::npos ? std::string_view{} : list.substr(comma + 1);
        if (item.empty()) continue;
        const std::size_t dash = item.find('-');
        const auto from = index(item.substr(0, dash));
        if (const auto* why = std::get_if<std::string>(&from)) return *why;
        int to = std::get<int>(from);
        if (dash != std::string_view::npos) {
            const auto last = index(item.substr(dash + 1));
            if (const auto* why = std::get_if<std::string>(&last)) return *why;
            to = std::get<int>(last);
            if (to < std::get<int>(from)) return Quoted(item) + " runs backwards";
        }
        for (int i = std::get<int>(from); i <= to; ++i) chosen.push_back(&plan.Channels[static_cast<std::size_t>(i)]);
    }
    if (chosen.empty()) return std::string("no channels given");
    return chosen;
}

std::string PointNameFor(std::string_view pattern, const TPlanChannel& channel)
{
    std::string name;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (pattern.substr(i, 3) == "{n}") {
            name += channel.Name;
            i += 2;
        } else {
            name += pattern[i];
        }
    }
    return name;
}

TPlanFill FillPointsFromPlan(const TPlanFillRequest& request, const TProfile& profile, const TCurrentWords& current)
{
    TPlanFill fill;
    const TChannelPlan& plan = *request.Plan;
    const auto selected = SelectChannels(plan, request.Channels);
    if (const auto* why = std::get_if<std::string>(&selected)) {
        fill.Problem = *why;
        return fill;
    }
    const std::vector<const TPlanChannel*>& channels = std::get<std::vector<const TPlanChannel*>>(selected);
    const TPointRules rules = TPointRules::Of(profile);
    if (request.FirstPoint < 1 || request.FirstPoint > rules.Count) {
        fill.Problem = "the first point must be 1 to " + std::to_string(rules.Count);
        return fill;
    }
    const std::string pattern = request.NamePattern.empty() ? plan.NamePattern : request.NamePattern;

    // The names first: a pattern that does not fit refuses the fill as a whole.
    for (const TPlanChannel* channel : channels)
        if (CharacterCount(PointNameFor(pattern, *channel)) > PointNameLength) fill.Offending.push_back(channel->Name);
    if (!fill.Offending.empty()) {
        fill.Problem = "the pattern " + Quoted(pattern) + " gives names longer than 8 characters (" +
                       Quoted(PointNameFor(pattern, *plan.Find(fill.Offending.front()))) + ") for " + ChannelList(fill.Offending);
        return fill;
    }

    // Why each channel fails, the channels that fail alike on one line.
    std::vector<std::pair<std::string, std::vector<std::string>>> reasons;
    const auto refuse = [&](const std::string& channel, const std::string& reason) {
        fill.Offending.push_back(channel);
        const auto same = std::find_if(reasons.begin(), reasons.end(), [&](const auto& r) { return r.first == reason; });
        if (same != reasons.end())
            same->second.push_back(channel);
        else
            reasons.push_back({reason, {channel}});
    };
    for (std::size_t k = 0; k < channels.size(); ++k) {
        const TPlanChannel& channel = *channels[k];
        const int point = request.FirstPoint - 1 + static_cast<int>(k);
        if (point >= rules.Count) {
            refuse(channel.Name, "past point " + std::to_string(rules.Count) + ", the last on this instrument");
            continue;
        }
        const TPointEntry shown = ShownEntry(profile, point, rules);
        TPointWords words = current ? current(point) : EntryWords(point, shown);
        words[Column(TPointColumn::Frequency)] = FrequencyWord(channel.CentreKHz());
        words[Column(TPointColumn::Name)] = PointNameFor(pattern, channel);
        const bool isdbT = channel.WidthMHz == 6;
        words[Column(TPointColumn::Standard)] =
            StandardWords[isdbT ? StandardItemIsdbT : (request.DvbT2 ? 1 : 0)];
        words[Column(TPointColumn::Bandwidth)] = BandwidthWords[channel.WidthMHz - 5];
        const auto read = ReadPointWords(words, shown, rules);
        if (const auto* problem = std::get_if<TCellProblem>(&read)) {
            std::string reason = std::string(PointColumnCaption(problem->Column)) + " " + problem->Reason;
            if (problem->Column == TPointColumn::Standard && isdbT)
                reason = "ISDB-T, for the ISDB-T edition only";
            if (problem->Column == TPointColumn::Standard && rules.Fixed)
                reason = std::to_string(channel.WidthMHz) + " MHz wide; the ISDB-T edition's points are fixed at 6 MHz";
            // The range, without the channel's own frequency.
            if (const std::size_t range = problem->Reason.find("out of range");
                problem->Column == TPointColumn::Frequency && range != std::string::npos)
                reason = std::string(PointColumnCaption(problem->Column)) + " " + problem->Reason.substr(range);
            refuse(channel.Name, reason);
            continue;
        }
        fill.Changes.push_back({point, std::get<TPointEntry>(read)});
        fill.Channels.push_back(channel.Name);
    }
    if (!fill.Offending.empty()) {
        fill.Problem = ChannelList(fill.Offending) + (fill.Offending.size() == 1 ? " does" : " do") + " not fit this instrument";
        for (const auto& [reason, names] : reasons) fill.Problem += "\n" + ChannelList(names) + ": " + reason;
        fill.Changes.clear();
        fill.Channels.clear();
    }
    return fill;
}

std::variant<TScanBand, std::string> BandFromPlan(const TProfile& profile, int band, const TChannelPlan& plan,
                                                  std::string_view first, std::string_view last)
{
    if (band < 1 || band > BandCount) return "the band must be 1 to " + std::to_string(BandCount);
    const int from = plan.IndexOf(first);
    const int to = plan.IndexOf(last);
    for (const auto& [i, name] : {std::pair{from, first}, std::pair{to, last}})
        if (i < 0) return "no channel " + Quoted(Trimmed(name)) + " in " + plan.Id + " (" + plan.ChannelsText() + ")";
    if (to < from) return "channel " + plan.Channels[static_cast<std::size_t>(to)].Name + " comes before channel " +
                          plan.Channels[static_cast<std::size_t>(from)].Name;
    const TPlanChannel& start = plan.Channels[static_cast<std::size_t>(from)];
    const TPlanChannel& end = plan.Channels[static_cast<std::size_t>(to)];
    for (int i = from; i <= to; ++i)
        if (plan.Channels[static_cast<std::size_t>(i)].WidthMHz != start.WidthMHz)
            return "channels " + start.Name + " to " + end.Name + " are not all " + std::to_string(start.WidthMHz) +
                   " MHz wide: a band scans in one step";
    if (!start.Number || *start.Number > 255)
        return "channel " + start.Name + " has no number for the band's channel names to count from";
    // A model's fixed bands keep the step of its factory bands.
    const TInstrumentModel& model = profile.Model();
    if (band <= model.FixedBands) {
        const std::uint8_t fixedStep = model.Defaults->Bands[static_cast<std::size_t>(band - 1)].Bw;
        if (start.WidthMHz != fixedStep)
            return "band " + std::to_string(band) + " steps " + std::to_string(fixedStep) + " MHz on the " +
                   std::string(model.Name) + " edition";
    }
    TScanBand values{};
    values.StartFreq = start.CentreHz;
    values.EndFreq = end.CentreHz;
    values.Enable = 1;
    values.Bw = start.WidthMHz;
    values.InitialChar = static_cast<std::uint8_t>(plan.BandLetter);
    values.InitialIndex = static_cast<std::uint8_t>(*start.Number);
    return values;
}

void StorePlanBand(TProfile& profile, int band, const TScanBand& values)
{
    const int i = band - 1;
    profile.SetBandStart(i, values.StartFreq);
    profile.SetBandEnd(i, values.EndFreq);
    profile.SetBandEnable(i, values.Enable);
    profile.SetBandBw(i, values.Bw);
    profile.SetBandInitialChar(i, values.InitialChar);
    profile.SetBandInitialIndex(i, values.InitialIndex);
}

}  // namespace orvantis
