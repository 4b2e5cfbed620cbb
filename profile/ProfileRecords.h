#pragma once
// The instrument's EEPROM areas as plain fixed-size records. Multi-byte
// fields are native integers here; in EEPROM (and so in record lines) they
// are little-endian.

#include <cstdint>

namespace orvantis {

constexpr int MaxPoints = 50;  // storage always holds 50; the model table says how many are in use
constexpr int BandCount = 4;
constexpr int MessageCount = 57;
constexpr int MessageCapacity = 24;  // longest MaxLen is 21, plus terminator
constexpr int PointNameLength = 8;

// EEPROM address map.
constexpr std::uint16_t FirstMessageAddress = 0x000D;
constexpr std::uint16_t PointsAddress = 0x0800;
constexpr std::uint16_t PointRecordSize = 20;
constexpr std::uint16_t BandsAddress = 0x0F00;
constexpr std::uint16_t BandSlotSize = 16;
constexpr std::uint16_t ConfigAddress = 0x1F00;

// 15 bytes, in EEPROM order.
struct TConfigData {
    std::uint8_t PointIndex;    // 0: first detection point, 0-based
    std::uint8_t LastIndex;     // 1: last detection point, 0-based
    std::uint8_t EPStask;       // 2: external supply, 2 = off
    std::uint8_t EPSaux;        // 3: companion of EPStask
    std::uint16_t MinDetLev;    // 4-5
    std::uint16_t SNRHiQ;       // 6-7: tenths of a dB
    std::uint8_t Sound;         // 8
    std::uint8_t Units;         // 9
    std::uint8_t ConfigAux;     // 10: not edited, kept
    std::uint8_t ContrastLCD;   // 11
    std::uint8_t ShowBER;       // 12
    std::uint8_t BacklightLCD;  // 13
    std::uint8_t ConfigBw;      // 14: 6, 7 or 8 only
};

// 20 bytes in EEPROM; Name carries a terminator in memory only.
struct TDetPoint {
    std::uint32_t FreqKHz;    // 0-3
    std::uint8_t PointAux0;   // 4: not edited, kept
    std::uint8_t FFT;         // 5: 0 = 2K, else 8K
    std::uint8_t BW;          // 6: MHz
    std::uint8_t SpecInv;     // 7
    std::uint8_t Guard;       // 8: 0 = 1/4 .. 3 = 1/32
    std::uint8_t PointAux9;   // 9
    std::uint8_t PointAux10;  // 10
    std::uint8_t Standard;    // 11: 0 DVB-T, 9 DVB-T2, 10 ISDB-T
    char Name[PointNameLength + 1];  // 12-19
};

// 13 bytes used of a 16-byte EEPROM slot.
struct TScanBand {
    std::uint32_t StartFreq;    // 0-3, Hz
    std::uint32_t EndFreq;      // 4-7, Hz
    std::uint8_t Enable;        // 8
    std::uint8_t Bw;            // 9: MHz, the scan step
    std::uint8_t BandAux;       // 10: not edited, kept
    std::uint8_t InitialChar;   // 11: blank or 'A'..'Z'
    std::uint8_t InitialIndex;  // 12
};

struct TTextMessage {
    int EditLevel;                  // access level needed to change Text
    char Text[MessageCapacity];     // at most MaxLen characters, terminated
    int MaxLen;                     // fixed by the default table
};

}  // namespace orvantis
