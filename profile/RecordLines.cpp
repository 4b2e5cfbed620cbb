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
        DefaultBand(index, false);  // erased slot: the standard row, whatever the edition
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

// ---- Writers --------------------------------------------------------------

namespace {

// Appends "    #" and a comment copy of text. A control character would break
// the line (or hide a second one) once the file is saved, so it shows as '.'.
// The record's hexadecimal digits carry the real bytes.
void AppendComment(char* out, std::size_t size, const char* text)
{
    std::size_t len = std::strlen(out);
    std::snprintf(out + len, size - len, "    #");
    len = std::strlen(out);
    for (const char* c = text; *c && len + 1 < size; ++c, ++len)
        out[len] = static_cast<unsigned char>(*c) < 0x20 ? '.' : *c;
    out[len] = '\0';
}

}  // namespace

void TProfile::Append(const char* text)
{
    Lines->emplace_back(text);
}

void TProfile::WriteConfig()
{
    const int count = PointCount();
    if (Config.LastIndex >= count) Config.LastIndex = static_cast<std::uint8_t>(count - 1);
    Append("# Configuration data:");
    const TConfigData& c = Config;
    char line[128];
    std::snprintf(line, sizeof line, "send *E2P%04X%02X%02X%02X%02X%04X%04X%02X%02X%02X%02X%02X%02X%02X",
                  ConfigAddress, c.PointIndex, c.LastIndex, c.EPStask, c.EPSaux, SwapWord(c.MinDetLev),
                  SwapWord(c.SNRHiQ), c.Sound, c.Units, c.ConfigAux, c.ContrastLCD, c.ShowBER, c.BacklightLCD,
                  c.ConfigBw);
    Append(line);
}

void TProfile::WriteBands()
{
    Append("# Scan data:");
    for (int i = 0; i < BandCount; ++i) {
        const TScanBand& b = Bands[i];
        char line[128];
        std::snprintf(line, sizeof line, "send *E2P%04X%08X%08X%02X%02X%02X%02X%02X", BandsAddress + BandSlotSize * i,
                      SwapLong(b.StartFreq), SwapLong(b.EndFreq), b.Enable, b.Bw, b.BandAux, b.InitialChar,
                      b.InitialIndex);
        Append(line);
    }
}

void TProfile::WritePoints()
{
    Append("# Detection points data:");
    for (int i = 0, count = PointCount(); i < count; ++i) {
        const TDetPoint& p = Points[i];
        char line[160];
        int len = std::snprintf(line, sizeof line, "send *E2P%04X%08X%02X%02X%02X%02X%02X%02X%02X%02X",
                                PointsAddress + PointRecordSize * i, SwapLong(p.FreqKHz), p.PointAux0, p.FFT, p.BW,
                                p.SpecInv, p.Guard, p.PointAux9, p.PointAux10, p.Standard);
        for (int k = 0; k < PointNameLength; ++k)
            len += std::snprintf(line + len, sizeof line - static_cast<std::size_t>(len), "%02X",
                                 static_cast<unsigned char>(p.Name[k]));
        AppendComment(line, sizeof line, p.Name);
        Append(line);
    }
}

void TProfile::WriteMessages()
{
    Append("# Text messages data:");
    std::uint16_t address = FirstMessageAddress;
    for (int i = 0; i < MessageCount; ++i) {
        const TTextMessage& m = Messages[i];
        char line[160];
        int len = std::snprintf(line, sizeof line, "send *E2P%04X", address);
        for (const char* c = m.Text; *c; ++c)
            len += std::snprintf(line + len, sizeof line - static_cast<std::size_t>(len), "%02X",
                                 static_cast<unsigned char>(*c));
        std::snprintf(line + len, sizeof line - static_cast<std::size_t>(len), "00");
        AppendComment(line, sizeof line, m.Text);
        Append(line);
        // The next address follows from MaxLen, never from the text's length.
        address = static_cast<std::uint16_t>(address + m.MaxLen + 1);
    }
}

}  // namespace orvantis
