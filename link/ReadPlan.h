#pragma once
// The order in which Receive reads the instrument's EEPROM: the four areas,
// one "*?E2P" request per record; and the same reads covering every byte
// that Send writes, for backups and comparisons.

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
// ReadPlan with the whole configuration record: what it reads, sent back,
// writes the instrument's own bytes again (Receive's 14 bytes lose the
// bandwidth, byte 14, which Send then writes as 8).
std::vector<TReadArea> WholeRecordsPlan(const TProfile& profile);

// "*?E2P1F0000E": 4 address digits, 3 byte-count digits.
std::string ReadRequestText(const TReadRequest& request);

// The configuration request asks for 14 of its 15 bytes, as the instrument's
// tools always have.
inline constexpr int ConfigRequestBytes = 14;
inline constexpr int ConfigRecordBytes = 15;

}  // namespace orvantis
