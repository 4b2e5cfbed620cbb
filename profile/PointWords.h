#pragma once
// Detection points in words: the lists the points editor offers, what the
// instrument lets the user change, and one point as the editor shows it.
// The points editor takes its lists, limits and enabling from here; the
// point list, points files and any text view of a project read and write
// points through these rules.
//
// Words are UTF-8; the model's names are 8-bit text, one byte per character
// (the first 256 code points).

#include "Profile.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>

namespace orvantis {

// The columns of the point list and of a points file, in their order.
enum class TPointColumn { Index, Frequency, Name, Standard, Bandwidth, Fft, Guard, SpectralInversion };
inline constexpr int PointColumnCount = 8;

// "index", "frequency_khz", "name", ... as the header of a points file names them.
std::string_view PointColumnKey(TPointColumn column);
// The column a header cell names (blanks around it and case do not count).
std::optional<TPointColumn> PointColumnByKey(std::string_view key);
// The points editor's label of the field: "Frequency (kHz)", "BW Filter", ...
std::string_view PointColumnCaption(TPointColumn column);

// The editor's lists; a point's field holds the item number.
inline constexpr std::string_view FftWords[] = {"2K", "8K"};
inline constexpr std::string_view GuardWords[] = {"1/4", "1/8", "1/16", "1/32"};
inline constexpr std::string_view BandwidthWords[] = {"5 MHz", "6 MHz", "7 MHz", "8 MHz"};
inline constexpr std::string_view StandardWords[] = {"DVB-T", "DVB-T2", "ISDB-T"};
inline constexpr std::string_view YesNoWords[] = {"no", "yes"};
// The items of the list a column offers; empty for frequency, name and index.
std::span<const std::string_view> PointColumnWords(TPointColumn column);
// "DVB-T", "DVB-T2", or "ISDB-T" alone for a point of the ISDB-T edition.
std::span<const std::string_view> StandardChoices(bool isdbTOnly);

inline constexpr int StandardItemIsdbT = 2;

// Stored values and list items, by the editor's load and store rules: an
// odd stored value shows as the list's default item.
int FftItem(std::uint8_t stored);
int GuardItem(std::uint8_t stored);
int BandwidthItem(std::uint8_t stored);
int StandardItem(std::uint8_t stored);
std::uint8_t FftValue(int item);
std::uint8_t GuardValue(int item);
std::uint8_t BandwidthValue(int item);
std::uint8_t StandardValue(int item);

// What the instrument that last answered allows (its row of the model table).
struct TPointRules {
    int Count = MaxPoints;  // points in use
    std::uint32_t MinKHz = TInstrumentModel{}.PointKHz.Min;
    std::uint32_t MaxKHz = TInstrumentModel{}.PointKHz.Max;
    bool TunesPoints = false;             // FFT, guard and spectral inversion may change
    const TPointTuning* Fixed = nullptr;  // the standard, bandwidth and guard every point has

    static TPointRules Of(const TProfile& profile);
};

// One point as the editor's controls hold it: list items, not stored values.
struct TPointEntry {
    std::uint32_t FreqKHz = 0;
    std::string Name;  // 8-bit, at most 8 characters
    int Standard = 0;
    int Bandwidth = 3;
    int Fft = 0;
    int Guard = 0;
    int SpecInv = 0;  // "no", "yes"

    // The item of a list column (standard, bandwidth, FFT, guard, spectral inversion).
    int& Item(TPointColumn column);
    int Item(TPointColumn column) const { return const_cast<TPointEntry*>(this)->Item(column); }
    bool operator==(const TPointEntry& other) const;  // names compare as stored, padded
};

// Point i as the editor shows it (with the values an instrument keeps fixed).
TPointEntry ShownEntry(const TProfile& profile, int i, const TPointRules& rules);
// Whether the user may change the column of a point shown as entry: the
// points editor's enabling, and a point of the ISDB-T edition keeps its
// standard on any other instrument.
bool IsEditable(TPointColumn column, const TPointEntry& shown, const TPointRules& rules);

// Writes entry into point i as the points editor stores the point on screen:
// every field by its list item, so an odd stored value comes back mapped;
// the standard only when the user chose one or the instrument fixes it.
void WriteEntry(TProfile& profile, int i, const TPointEntry& entry, const TPointRules& rules, bool standardChosen);
// Stores entry into point i as WriteEntry does, unless it reads as the point
// shows: a point nobody changed keeps every byte it holds. The standard
// changes only when another one was chosen.
void StoreEntry(TProfile& profile, int i, const TPointEntry& entry, const TPointRules& rules);

// A row of words, one per column (the index as its number from 1).
using TPointWords = std::array<std::string, PointColumnCount>;
TPointWords EntryWords(int i, const TPointEntry& entry);
// kHz in the editor's number format with "." as the decimal separator: "650000.0".
std::string FrequencyWord(std::uint32_t kHz);

struct TCellProblem {
    TPointColumn Column;
    std::string Reason;
};
// Reads a row of words by the editor's lists and checks (the index is not
// read): the entry to store, or the first cell that fails and why. shown is
// the point as it stands, for the fields the instrument keeps fixed.
std::variant<TPointEntry, TCellProblem> ReadPointWords(const TPointWords& words, const TPointEntry& shown,
                                                       const TPointRules& rules);

}  // namespace orvantis
