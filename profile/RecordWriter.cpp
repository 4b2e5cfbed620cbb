// Writes the four areas' record lines ("send *E2P" + address + the record's
// bytes as hexadecimal pairs) in the exact forms the project file has.

#include "Hex.h"
#include "Profile.h"

#include <cstdio>
#include <cstring>

namespace orvantis {

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
