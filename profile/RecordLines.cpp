// E2P record lines: "send *E2P" + 4 address digits + the record's bytes as
// hexadecimal pairs, multi-byte fields little-endian. The one grammar for
// loading a project, for sending it, and for the instrument's read replies.
//
//   send *E2P0F00 80AA401C 800A2433 01 08 00 43 15    (band 0, blanks added)
//             ^addr ^start    ^end     ^enable,bw,aux,char,index

#include "Hex.h"
#include "Profile.h"
#include "ProjectLines.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace orvantis {

namespace {

std::uint8_t ByteAt(std::string_view data, std::size_t byteIndex)
{
    return static_cast<std::uint8_t>(HexToValue(data, 2 * byteIndex, 2));
}

}  // namespace

bool TProfile::ParseLine(std::string_view line)
{
    const TProjectLine read = ClassifyLine(line);
    if (read.Kind == TLineKind::BadSend) return false;
    // A command without a full address has no data to store.
    if (read.Kind == TLineKind::Send && IsRecordCommand(read.Command) && read.Command.size() >= 8)
        ParseRecord(static_cast<std::uint16_t>(HexToValue(read.Command, 4, 4)), read.Command.substr(8));
    return true;
}

void TProfile::ParseRecord(std::uint16_t address, std::string_view data)
{
    if (address >= ConfigAddress)
        StoreConfig(address, data);
    else if (address >= BandsAddress)
        StoreBand(address, data);
    else if (address >= PointsAddress)
        StorePoint(address, data);
    else
        StoreMessage(address, data);
}

void TProfile::StoreConfig(std::uint16_t address, std::string_view data)
{
    if (address != ConfigAddress) return;
    if (!(data.size() >= 28 || data.size() == 22)) return;
    Config.PointIndex = ByteAt(data, 0);
    Config.LastIndex = ByteAt(data, 1);
    Config.EPStask = ByteAt(data, 2);
    Config.EPSaux = ByteAt(data, 3);
    Config.MinDetLev = SwapWord(static_cast<std::uint16_t>(HexToValue(data, 8, 4)));
    Config.SNRHiQ = SwapWord(static_cast<std::uint16_t>(HexToValue(data, 12, 4)));
    Config.Sound = ByteAt(data, 8);
    Config.Units = ByteAt(data, 9);
    Config.ConfigAux = ByteAt(data, 10);
    Config.ContrastLCD = ByteAt(data, 11);
    Config.ShowBER = ByteAt(data, 12);
    Config.BacklightLCD = ByteAt(data, 13);
    Config.ConfigBw = ByteAt(data, 14);
    if (Config.ConfigBw < 6 || Config.ConfigBw > 8) Config.ConfigBw = 8;
    ConfigPresent = true;
}

void TProfile::StorePoint(std::uint16_t address, std::string_view data)
{
    const int index = (address - PointsAddress) / PointRecordSize;
    if (index >= PointCount() || address != PointsAddress + PointRecordSize * index || data.size() < 40) return;
    TDetPoint& p = Points[index];
    const std::uint32_t value = SwapLong(HexToValue(data, 0, 8));
    if (value == 0xFFFFFFFFu) {
        // Erased EEPROM: the standard values whatever the edition. The last
        // three name bytes and PointAux0 keep what they held.
        p.FreqKHz = 834000;
        p.FFT = 1;
        p.BW = 8;
        p.SpecInv = 0;
        p.Guard = 0;
        p.PointAux9 = 255;
        p.PointAux10 = 255;
        p.Standard = 0;
        std::memcpy(p.Name, "CH66", 5);
        p.Name[PointNameLength] = '\0';
    } else {
        p.FreqKHz = value;
        p.PointAux0 = ByteAt(data, 4);
        p.FFT = ByteAt(data, 5);
        p.BW = ByteAt(data, 6);
        p.SpecInv = ByteAt(data, 7);
        p.Guard = ByteAt(data, 8);
        p.PointAux9 = ByteAt(data, 9);
        p.PointAux10 = ByteAt(data, 10);
        p.Standard = ByteAt(data, 11);
        for (int k = 0; k < PointNameLength; ++k) p.Name[k] = static_cast<char>(ByteAt(data, 12 + k));
    }
    PointsPresent = true;
}

void TProfile::StoreBand(std::uint16_t address, std::string_view data)
{
    const int index = (address - BandsAddress) / BandSlotSize;
    if (index >= BandCount || address != BandsAddress + BandSlotSize * index || data.size() > 32) return;
    const std::uint32_t value = SwapLong(HexToValue(data, 0, 8));
    if (value == 0xFFFFFFFFu || value == 0) {
        DefaultBand(index, StandardDefaults);  // erased slot: the standard row, whatever the edition
        return;
    }
    TScanBand& b = Bands[index];
    b.StartFreq = value;
    b.EndFreq = SwapLong(HexToValue(data, 8, 8));
    b.Enable = ByteAt(data, 8);
    b.Bw = ByteAt(data, 9);
    b.BandAux = ByteAt(data, 10);
    b.InitialChar = ByteAt(data, 11);
    b.InitialIndex = ByteAt(data, 12);
}

void TProfile::StoreMessage(std::uint16_t address, std::string_view data)
{
    int index = 0;
    std::uint16_t at = FirstMessageAddress;
    while (index < MessageCount && at != address) {
        at = static_cast<std::uint16_t>(at + Messages[index].MaxLen + 1);
        ++index;
    }
    if (index == MessageCount) return;
    TTextMessage& m = Messages[index];

    const std::size_t n = data.size() / 2;
    std::size_t d = 0;
    while (d < n && ByteAt(data, d) != 0) ++d;
    if (d == n || d == 0 || d > static_cast<std::size_t>(m.MaxLen)) return;

    std::memset(m.Text, 0, sizeof m.Text);
    for (std::size_t k = 0; k < d; ++k) m.Text[k] = static_cast<char>(ByteAt(data, k));
    MessagesPresent = true;
}

}  // namespace orvantis
