#include "ModelTable.h"

#include <array>

namespace orvantis {

namespace {

constexpr std::array<std::string_view, ModelRowCount> Names = {
    "QUELMAR-1", "QUELMAR-1B", "QUELMAR-1+", "QUELMAR-3", "QUELMAR-3S", "QUELMAR-3+",
    "QUELMAR-3C+", "QUELMAR-7", "TORVID-1", "TORVID-1+", "RW-552", "NIMBRALUX",
    "ASTERVOLE", "FENDO", "ORVANTIS", "OV+ DVB-T2", "OV+ ISDB-T",
};

}  // namespace

int ModelRow(std::string_view name)
{
    for (int row = 0; row < ModelRowCount; ++row)
        if (Names[row] == name) return row;
    return ModelRowUnknown;
}

}  // namespace orvantis
