#pragma once
// Program-wide constants: the first log lines, the project file header, the
// terminal's title row and the about box all use them.

#include "ProgramVersion.h"

namespace orvantis {

inline constexpr const char* ProgramName = "ORVANTIS+";
inline constexpr const char* ProgramVersion = ORVANTIS_VERSION_TEXT;
inline constexpr const char* ProgramNotice =
    "Orvantis+ TV analyser remote control";
inline constexpr const char* ApplicationTitle = "Orvantis+";

}  // namespace orvantis
