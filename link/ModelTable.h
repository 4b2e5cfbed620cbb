#pragma once
// The instrument names the program recognises; the row is what the rest of
// the program calls the equipment model.

#include "ProfileRecords.h"

#include <string_view>

namespace orvantis {

inline constexpr int ModelRowUnknown = 17;
inline constexpr int ModelRowCount = 17;

// Row 0..16 of an upper-case name (exact comparison), or ModelRowUnknown.
int ModelRow(std::string_view name);
// The two editions this program serves.
inline bool IsAcceptedModel(int row) { return row == DvbT2ModelRow || row == IsdbTModelRow; }

}  // namespace orvantis
