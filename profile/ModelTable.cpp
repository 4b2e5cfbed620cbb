#include "ModelTable.h"

#include <algorithm>
#include <iterator>

namespace orvantis {

// Every model but the ISDB-T edition starts from these; so does a scan band
// whose stored record is erased, whatever the edition.
const TModelDefaults StandardDefaults = {
    .Points = {{{"SFN CH66", 834000}, {"SFN CH67", 842000}, {"SFN CH68", 850000}, {"SFN CH69", 858000},
                {"TEST 000", 818000}}},
    .Tuning = {.FFT = 1, .BW = 8, .SpecInv = 0, .Guard = 0, .Standard = 0},
    .Bands = {{
        {474000000, 858000000, 1, 8, 0, 'C', 21},
        {177500000, 226500000, 0, 7, 0, ' ', 5},
        {233500000, 296500000, 0, 7, 0, 'S', 11},
        {306000000, 466000000, 0, 8, 0, 'S', 21},
    }},
};

// The Brazilian 6 MHz raster: ISDB-T, guard 1/8.
const TModelDefaults IsdbTDefaults = {
    .Points = {{{"BRASIL13", 213142}, {"BRASIL14", 473142}, {"BRASIL36", 605142}, {"BRASIL69", 803142},
                {"BRASIL69", 803142}}},
    .Tuning = {.FFT = 1, .BW = 6, .SpecInv = 0, .Guard = 1, .Standard = 10},
    .Bands = {{
        {473142857, 803142857, 1, 6, 0, ' ', 14},
        {177142857, 213142857, 1, 6, 0, ' ', 7},
        {233500000, 296500000, 0, 6, 0, 'A', 1},
        {306000000, 466000000, 0, 6, 0, 'B', 1},
    }},
};

namespace {

// The other analysers of the same maker answer to these names too; the
// program knows them only to turn them away.
constexpr TInstrumentModel Rows[] = {
    {.Name = "QUELMAR-1"},
    {.Name = "QUELMAR-1B"},
    {.Name = "QUELMAR-1+"},
    {.Name = "QUELMAR-3"},
    {.Name = "QUELMAR-3S"},
    {.Name = "QUELMAR-3+"},
    {.Name = "QUELMAR-3C+"},
    {.Name = "QUELMAR-7"},
    {.Name = "TORVID-1"},
    {.Name = "TORVID-1+"},
    {.Name = "RW-552"},
    {.Name = "NIMBRALUX"},
    {.Name = "ASTERVOLE"},
    {.Name = "FENDO"},
    {.Name = "ORVANTIS", .ShortName = "base", .OldFirmwarePoints = 16, .FullFirmware = 3.0f,
     .PointKHz = {474000, 858000}, .TunesPoints = true},
    {.Name = "OV+ DVB-T2", .ShortName = "dvbt2", .Accepted = true},
    {.Name = "OV+ ISDB-T", .ShortName = "isdbt", .Accepted = true, .FixedTuning = true, .FixedBands = 2,
     .Defaults = &IsdbTDefaults},
};

// What a row outside the table gets.
constexpr TInstrumentModel OtherModel{};

char Lower(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

}  // namespace

const int ModelRowCount = static_cast<int>(std::size(Rows));
const int ModelRowUnknown = ModelRowCount;

std::span<const TInstrumentModel> ModelRows()
{
    return Rows;
}

int ModelRow(std::string_view name)
{
    for (int row = 0; row < ModelRowCount; ++row)
        if (Rows[row].Name == name) return row;
    return ModelRowUnknown;
}

std::optional<int> ModelRowByShortName(std::string_view shortName)
{
    for (int row = 0; row < ModelRowCount; ++row) {
        const std::string_view known = Rows[row].ShortName;
        if (!known.empty() && known.size() == shortName.size() &&
            std::equal(known.begin(), known.end(), shortName.begin(), [](char a, char b) { return a == Lower(b); }))
            return row;
    }
    return std::nullopt;
}

const TInstrumentModel& ModelAt(int row)
{
    return row >= 0 && row < ModelRowCount ? Rows[row] : OtherModel;
}

}  // namespace orvantis
