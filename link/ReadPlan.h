#pragma once
// The order in which Receive reads the instrument's EEPROM: the four areas,
// one "*?E2P" request per record.

#include "Profile.h"

#include <cstdint>
#include <string>
#include <vector>

namespace orvantis {

enum class TArea { Config, Points, Bands, Messages };

struct TReadRequest {
    std::uint16_t Address;
    int ByteCount;
};

struct TReadArea {
    TArea Area;
    std::vector<TReadRequest> Requests;
};

// Configuration, detection points (the model's point count), scan bands and
// text messages (lengths of the model's message table), in that order.
std::vector<TReadArea> ReadPlan(const TProfile& profile);

// "*?E2P1F0000E": 4 address digits, 3 byte-count digits.
std::string ReadRequestText(const TReadRequest& request);

// The configuration request asks for 14 of its 15 bytes, as the instrument's
// tools always have.
inline constexpr int ConfigRequestBytes = 14;

}  // namespace orvantis
