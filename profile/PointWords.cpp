#include "PointWords.h"

#include "Utf8Text.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace orvantis {

namespace {

constexpr std::string_view ColumnKeys[PointColumnCount] = {
    "index", "frequency_khz", "name", "standard", "bandwidth", "fft", "guard", "spectral_inversion"};
constexpr std::string_view ColumnCaptions[PointColumnCount] = {
    "Point", "Frequency (KHz)", "Channel Name", "Standard", "BW Filter", "FFT Mode", "Guard Interval",
    "Spectral inversion"};

constexpr std::uint8_t DvbT2Standard = 9;
constexpr std::uint8_t IsdbTStandard = 10;

std::string_view Trimmed(std::string_view text)
{
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front())) text.remove_prefix(1);
    while (!text.empty() && blank(text.back())) text.remove_suffix(1);
    return text;
}

bool SameWord(std::string_view a, std::string_view b)
{
    const auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; };
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [&](char x, char y) { return lower(x) == lower(y); });
}

std::string Quoted(std::string_view text)
{
    return "\"" + std::string(text) + "\"";
}

std::string ListText(std::span<const std::string_view> words)
{
    std::string text;
    for (const std::string_view word : words) text += (text.empty() ? "" : ", ") + std::string(word);
    return text;
}

std::string PaddedName(std::string_view name)
{
    std::string padded(name.substr(0, PointNameLength));
    padded.resize(PointNameLength, ' ');
    return padded;
}

// A decimal number of kHz, "." or "," before the decimals, no exponent and
// no group separators.
std::optional<double> ParseKHz(std::string_view text)
{
    text = Trimmed(text);
    std::string plain;
    bool digits = false;
    bool separator = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c >= '0' && c <= '9') {
            digits = true;
            plain += c;
        } else if ((c == '.' || c == ',') && !separator) {
            separator = true;
            plain += '.';
        } else if ((c == '-' || c == '+') && i == 0) {
            if (c == '-') plain += c;
        } else {
            return std::nullopt;
        }
    }
    if (!digits) return std::nullopt;
    double value = 0;
    const auto [end, error] = std::from_chars(plain.data(), plain.data() + plain.size(), value);
    if (error == std::errc::result_out_of_range) return plain.starts_with('-') ? -1.0 : 1e300;
    if (error != std::errc() || end != plain.data() + plain.size()) return std::nullopt;
    return value;
}

std::optional<int> FindWord(std::span<const std::string_view> words, std::string_view text)
{
    text = Trimmed(text);
    for (std::size_t i = 0; i < words.size(); ++i)
        if (SameWord(words[i], text)) return static_cast<int>(i);
    return std::nullopt;
}

// The name a word gives; the name as it stands passes unchecked, whatever it
// holds, so that what the program writes always reads back.
std::optional<std::string> ReadName(std::string_view word, std::string_view current, std::string& reason)
{
    while (!word.empty() && word.back() == ' ') word.remove_suffix(1);
    const std::optional<std::vector<char32_t>> characters = DecodeUtf8(word);
    if (!characters) {
        reason = "is not UTF-8 text";
        return std::nullopt;
    }
    const bool oneByteEach = std::all_of(characters->begin(), characters->end(), [](char32_t c) { return c <= 0xFF; });
    if (oneByteEach && characters->size() <= PointNameLength) {
        const std::string name(characters->begin(), characters->end());
        if (PaddedName(name) == PaddedName(current)) return std::string(current);
    }
    if (characters->size() > PointNameLength) {
        reason = "longer than 8 characters";
        return std::nullopt;
    }
    std::string name;
    for (const char32_t c : *characters) {
        if (c < 0x20 || c == 0x7F) {
            reason = "holds a control character";
            return std::nullopt;
        }
        if (c > 0xFF) {
            reason = Quoted(CodePointToUtf8(c)) + " is not in the instrument's character set";
            return std::nullopt;
        }
        name += static_cast<char>(c);
    }
    return name;
}

}  // namespace

std::string_view PointColumnKey(TPointColumn column)
{
    return ColumnKeys[static_cast<int>(column)];
}

std::optional<TPointColumn> PointColumnByKey(std::string_view key)
{
    key = Trimmed(key);
    for (int i = 0; i < PointColumnCount; ++i)
        if (SameWord(ColumnKeys[i], key)) return static_cast<TPointColumn>(i);
    return std::nullopt;
}

std::string_view PointColumnCaption(TPointColumn column)
{
    return ColumnCaptions[static_cast<int>(column)];
}

std::span<const std::string_view> PointColumnWords(TPointColumn column)
{
    switch (column) {
    case TPointColumn::Standard: return StandardWords;
    case TPointColumn::Bandwidth: return BandwidthWords;
    case TPointColumn::Fft: return FftWords;
    case TPointColumn::Guard: return GuardWords;
    case TPointColumn::SpectralInversion: return YesNoWords;
    default: return {};
    }
}

std::span<const std::string_view> StandardChoices(bool isdbTOnly)
{
    const std::span<const std::string_view> all(StandardWords);
    return isdbTOnly ? all.subspan(StandardItemIsdbT, 1) : all.first(2);
}

int FftItem(std::uint8_t stored) { return stored == 0 ? 0 : 1; }
int GuardItem(std::uint8_t stored) { return stored <= 3 ? stored : 0; }
int BandwidthItem(std::uint8_t stored) { return stored >= 5 && stored <= 8 ? stored - 5 : 3; }

int StandardItem(std::uint8_t stored)
{
    if (stored == DvbT2Standard) return 1;
    return stored == IsdbTStandard ? StandardItemIsdbT : 0;
}

std::uint8_t FftValue(int item) { return item == 1 ? 1 : 0; }
std::uint8_t GuardValue(int item) { return static_cast<std::uint8_t>(item >= 0 && item <= 3 ? item : 0); }
std::uint8_t BandwidthValue(int item) { return static_cast<std::uint8_t>(item >= 0 && item <= 3 ? item + 5 : 8); }

std::uint8_t StandardValue(int item)
{
    if (item == 1) return DvbT2Standard;
    return item == StandardItemIsdbT ? IsdbTStandard : 0;
}

TPointRules TPointRules::Of(const TProfile& profile)
{
    const TInstrumentModel& model = profile.Model();
    TPointRules rules;
    rules.Count = profile.PointCount();
    rules.MinKHz = model.PointKHz.Min;
    rules.MaxKHz = model.PointKHz.Max;
    rules.TunesPoints = model.TunesPoints;
    if (model.FixedTuning) rules.Fixed = &model.Defaults->Tuning;
    return rules;
}

int& TPointEntry::Item(TPointColumn column)
{
    switch (column) {
    case TPointColumn::Standard: return Standard;
    case TPointColumn::Bandwidth: return Bandwidth;
    case TPointColumn::Fft: return Fft;
    case TPointColumn::Guard: return Guard;
    default: return SpecInv;
    }
}

bool TPointEntry::operator==(const TPointEntry& other) const
{
    return FreqKHz == other.FreqKHz && PaddedName(Name) == PaddedName(other.Name) && Standard == other.Standard &&
           Bandwidth == other.Bandwidth && Fft == other.Fft && Guard == other.Guard && SpecInv == other.SpecInv;
}

TPointEntry ShownEntry(const TProfile& profile, int i, const TPointRules& rules)
{
    const auto point = static_cast<std::uint16_t>(i);
    TPointEntry entry;
    entry.FreqKHz = profile.GetPointFreq(point);
    entry.Name = profile.GetPointName(point);
    entry.SpecInv = profile.GetPointSpecInv(point) != 0 ? 1 : 0;
    entry.Fft = FftItem(profile.GetPointFFT(point));
    entry.Guard = GuardItem(rules.Fixed ? rules.Fixed->Guard : profile.GetPointGuard(point));
    entry.Bandwidth = BandwidthItem(rules.Fixed ? rules.Fixed->BW : profile.GetPointBW(point));
    entry.Standard = StandardItem(rules.Fixed ? rules.Fixed->Standard : profile.GetPointStandard(point));
    return entry;
}

bool IsEditable(TPointColumn column, const TPointEntry& shown, const TPointRules& rules)
{
    switch (column) {
    case TPointColumn::Index: return false;
    case TPointColumn::Fft:
    case TPointColumn::SpectralInversion: return rules.TunesPoints;
    case TPointColumn::Guard: return rules.TunesPoints && !rules.Fixed;
    case TPointColumn::Bandwidth: return !rules.Fixed;
    case TPointColumn::Standard: return !rules.Fixed && shown.Standard != StandardItemIsdbT;
    default: return true;
    }
}

void WriteEntry(TProfile& profile, int i, const TPointEntry& entry, const TPointRules& rules, bool standardChosen)
{
    const auto point = static_cast<std::uint16_t>(i);
    profile.SetPointFreq(point, entry.FreqKHz);
    profile.SetPointSpecInv(point, static_cast<std::uint8_t>(entry.SpecInv == 1 ? 1 : 0));
    profile.SetPointBW(point, BandwidthValue(entry.Bandwidth));
    profile.SetPointFFT(point, FftValue(entry.Fft));
    profile.SetPointGuard(point, GuardValue(entry.Guard));
    if (standardChosen || rules.Fixed) profile.SetPointStandard(point, StandardValue(entry.Standard));
    profile.SetPointName(point, entry.Name);
}

void StoreEntry(TProfile& profile, int i, const TPointEntry& entry, const TPointRules& rules)
{
    const TPointEntry shown = ShownEntry(profile, i, rules);
    if (entry == shown) return;
    WriteEntry(profile, i, entry, rules, entry.Standard != shown.Standard);
}

std::string FrequencyWord(std::uint32_t kHz)
{
    return std::to_string(kHz) + ".0";
}

TPointWords EntryWords(int i, const TPointEntry& entry)
{
    std::string_view name = entry.Name;
    while (!name.empty() && name.back() == ' ') name.remove_suffix(1);
    return {std::to_string(i + 1),
            FrequencyWord(entry.FreqKHz),
            Latin1ToUtf8(name),
            std::string(StandardWords[entry.Standard]),
            std::string(BandwidthWords[entry.Bandwidth]),
            std::string(FftWords[entry.Fft]),
            std::string(GuardWords[entry.Guard]),
            std::string(YesNoWords[entry.SpecInv])};
}

std::variant<TPointEntry, TCellProblem> ReadPointWords(const TPointWords& words, const TPointEntry& shown,
                                                       const TPointRules& rules)
{
    const auto word = [&](TPointColumn column) -> const std::string& { return words[static_cast<int>(column)]; };
    TPointEntry entry = shown;

    const std::optional<double> kHz = ParseKHz(word(TPointColumn::Frequency));
    if (!kHz) return TCellProblem{TPointColumn::Frequency, Quoted(word(TPointColumn::Frequency)) + " is not a number"};
    const double whole = std::trunc(*kHz);
    // The frequency a point holds stands, in range or not: only a new one is checked.
    if (whole != shown.FreqKHz && (whole < rules.MinKHz || whole > rules.MaxKHz))
        return TCellProblem{TPointColumn::Frequency, Quoted(word(TPointColumn::Frequency)) + " is out of range (" +
                                                         FrequencyWord(rules.MinKHz) + " to " +
                                                         FrequencyWord(rules.MaxKHz) + " KHz)"};
    entry.FreqKHz = static_cast<std::uint32_t>(whole);

    std::string reason;
    const std::optional<std::string> name = ReadName(word(TPointColumn::Name), shown.Name, reason);
    if (!name) return TCellProblem{TPointColumn::Name, reason};
    entry.Name = *name;

    for (const TPointColumn column : {TPointColumn::Standard, TPointColumn::Bandwidth, TPointColumn::Fft,
                                      TPointColumn::Guard, TPointColumn::SpectralInversion}) {
        const std::span<const std::string_view> list = PointColumnWords(column);
        const std::optional<int> item = FindWord(list, word(column));
        if (!item) return TCellProblem{column, Quoted(word(column)) + " is not one of " + ListText(list)};
        const int current = shown.Item(column);
        if (*item == current) continue;
        if (!IsEditable(column, shown, rules))
            return TCellProblem{column, "fixed at " + std::string(list[static_cast<std::size_t>(current)]) +
                                            " on this instrument"};
        // Only a point of the ISDB-T edition is one.
        if (column == TPointColumn::Standard && *item == StandardItemIsdbT)
            return TCellProblem{column, Quoted(word(column)) + " is not one of " + ListText(StandardChoices(false))};
        entry.Item(column) = *item;
    }
    return entry;
}

}  // namespace orvantis
