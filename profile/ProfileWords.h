#pragma once
// The model in words a technician reads: every setting with a label and its
// value with units ("Point 12 frequency", "474000 kHz"), for showing a
// project and for saying where two sets of settings differ.

#include "Profile.h"

#include <string>
#include <vector>

namespace orvantis {

struct TSettingWords {
    std::string Label;   // "Scan band 2 start"
    std::string Value;   // "177500 kHz"; 8-bit texts as they are stored
    std::string Stored;  // the bytes behind Value as numbers ("177500000"),
                         // empty where Value is the bytes themselves
};

// Every setting Send writes, in a fixed order: the configuration, the first
// PointCount() points, the four scan bands and the 57 messages. Together
// they cover every byte of every record line of the project.
std::vector<TSettingWords> SettingsInWords(const TProfile& model);

// "Point 12 frequency: 474000 kHz in the project, 482000 kHz in the
// instrument", one line per setting whose stored bytes differ; empty when
// none does. Values that read alike in words carry their stored numbers:
// "on (0) in the project, on (1) in the instrument".
std::vector<std::string> DifferencesInWords(const TProfile& first, const std::string& firstName,
                                            const TProfile& second, const std::string& secondName);

// The whole project as text lines: the configuration, a table of the
// detection points, the scan bands and the messages.
std::vector<std::string> ProjectInWords(const TProfile& model);

}  // namespace orvantis
