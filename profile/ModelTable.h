#pragma once
// The instrument models the program knows, one row each: the name the
// instrument answers to "*?NAM", whether the program serves it, how many
// detection points it uses, the frequencies it takes, what it keeps fixed
// and the factory contents it starts from. Detection, the data model, the
// editors, the command line and the simulator all read this one table; the
// row number is what the rest of the program calls the equipment model.

#include "ProfileRecords.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace orvantis {

// Rows the tests and the command lines name.
constexpr int BaseModelRow = 14;   // "ORVANTIS"
constexpr int DvbT2ModelRow = 15;  // "OV+ DVB-T2"
constexpr int IsdbTModelRow = 16;  // "OV+ ISDB-T"

struct TFrequencyRange {
    std::uint32_t Min;
    std::uint32_t Max;
};

// A detection point's name and frequency as the factory sets them.
struct TPointDefault {
    const char* Name;  // 8 characters
    std::uint32_t FreqKHz;
};

// The fields every detection point gets from the factory.
struct TPointTuning {
    std::uint8_t FFT;
    std::uint8_t BW;
    std::uint8_t SpecInv;
    std::uint8_t Guard;
    std::uint8_t Standard;
};

// The factory contents of the points and the scan bands; the configuration
// and the messages are the same for every model.
struct TModelDefaults {
    std::array<TPointDefault, 5> Points;  // points 0 to 3, then every point from 4 on
    TPointTuning Tuning;
    std::array<TScanBand, BandCount> Bands;
};

extern const TModelDefaults StandardDefaults;
extern const TModelDefaults IsdbTDefaults;

struct TInstrumentModel {
    std::string_view Name = {};       // as the instrument answers it, upper case
    std::string_view ShortName = {};  // how the command lines may name it; empty for none
    bool Accepted = false;       // an instrument this program serves
    // Points in use: OldFirmwarePoints before firmware FullFirmware, all of them from it on.
    int OldFirmwarePoints = MaxPoints;
    float FullFirmware = 0.0f;
    TFrequencyRange PointKHz = {170000, 858000};
    TFrequencyRange BandHz = {170000000, 858000000};
    // The user may set FFT mode, guard interval and spectral inversion.
    bool TunesPoints = false;
    // Standard, bandwidth and guard of every point are the defaults' ones,
    // whatever the point holds, and cannot be changed.
    bool FixedTuning = false;
    // The configuration editor shows the first FixedBands scan bands as the
    // defaults have them, with their step fixed.
    int FixedBands = 0;
    const TModelDefaults* Defaults = &StandardDefaults;

    int PointCount(float version) const { return version < FullFirmware ? OldFirmwarePoints : MaxPoints; }
};

// The rows, in the order their numbers give.
std::span<const TInstrumentModel> ModelRows();
extern const int ModelRowCount;
// The row detection reports for a name that is not in the table.
extern const int ModelRowUnknown;

// The row of an upper-case name (exact comparison), or ModelRowUnknown.
int ModelRow(std::string_view name);
// The row of a short name ("dvbt2", "isdbt", "base"; case does not count).
std::optional<int> ModelRowByShortName(std::string_view shortName);
// The model of a row; a number outside the table (an unknown instrument, a
// row given on the command line) gets the standard rules and defaults.
const TInstrumentModel& ModelAt(int row);
inline bool IsAcceptedModel(int row) { return ModelAt(row).Accepted; }

}  // namespace orvantis
