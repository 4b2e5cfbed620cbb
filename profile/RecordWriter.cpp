// Writes the four areas' record lines ("send *E2P" + address + the record's
// bytes as hexadecimal pairs) in the exact forms the project file has.

#include "Hex.h"
#include "Profile.h"

#include <cstring>

namespace orvantis {

namespace {

// The longest line: a message record of a whole text buffer with its comment
// (a point record has 67 characters at most).
constexpr std::size_t LineCapacity = 9 + 4 + 2 * MessageCapacity + 2 + 5 + MessageCapacity;

// One record line, built in place: a project has some 3,000 hexadecimal
// digits, and a formatted call for each of them made saving (and fuzzing the
// loader, which writes every input back) slow. Numbers come out as "%02X",
// "%04X" and "%08X" print them: upper case, most significant digit first.
class TRecordLine {
public:
    explicit TRecordLine(std::uint16_t address)
    {
        Append("send *E2P");
        Word(address);
    }

    void Byte(std::uint8_t value)
    {
        static constexpr char Digits[] = "0123456789ABCDEF";
        FText[FLength] = Digits[value >> 4];
        FText[FLength + 1] = Digits[value & 0xF];
        FLength += 2;
    }
    void Word(std::uint16_t value)
    {
        Byte(static_cast<std::uint8_t>(value >> 8));
        Byte(static_cast<std::uint8_t>(value));
    }
    void Long(std::uint32_t value)
    {
        Word(static_cast<std::uint16_t>(value >> 16));
        Word(static_cast<std::uint16_t>(value));
    }
    void Bytes(std::string_view bytes)
    {
        for (const char c : bytes) Byte(static_cast<std::uint8_t>(c));
    }

    // "    #" and a comment copy of text. A control character would break the
    // line (or hide a second one) once the file is saved, so it shows as '.';
    // the record's digits carry the real bytes.
    void Comment(std::string_view text)
    {
        Append("    #");
        for (const char c : text) FText[FLength++] = static_cast<unsigned char>(c) < 0x20 ? '.' : c;
    }

    std::string_view View() const { return {FText, FLength}; }

private:
    void Append(std::string_view text)
    {
        std::memcpy(FText + FLength, text.data(), text.size());
        FLength += text.size();
    }

    char FText[LineCapacity];
    std::size_t FLength = 0;
};

// A text field up to its terminator, never beyond its array.
template <std::size_t N>
std::string_view TextOf(const char (&text)[N])
{
    const std::string_view all(text, N);
    return all.substr(0, all.find('\0'));
}

}  // namespace

void TProfile::Append(std::string_view text)
{
    Lines->emplace_back(text);
}

void TProfile::WriteConfig()
{
    const int count = PointCount();
    if (Config.LastIndex >= count) Config.LastIndex = static_cast<std::uint8_t>(count - 1);
    Append("# Configuration data:");
    const TConfigData& c = Config;
    TRecordLine line(ConfigAddress);
    for (const std::uint8_t b : {c.PointIndex, c.LastIndex, c.EPStask, c.EPSaux}) line.Byte(b);
    line.Word(SwapWord(c.MinDetLev));
    line.Word(SwapWord(c.SNRHiQ));
    for (const std::uint8_t b : {c.Sound, c.Units, c.ConfigAux, c.ContrastLCD, c.ShowBER, c.BacklightLCD, c.ConfigBw})
        line.Byte(b);
    Append(line.View());
}

void TProfile::WriteBands()
{
    Append("# Scan data:");
    for (int i = 0; i < BandCount; ++i) {
        const TScanBand& b = Bands[i];
        TRecordLine line(static_cast<std::uint16_t>(BandsAddress + BandSlotSize * i));
        line.Long(SwapLong(b.StartFreq));
        line.Long(SwapLong(b.EndFreq));
        for (const std::uint8_t v : {b.Enable, b.Bw, b.BandAux, b.InitialChar, b.InitialIndex}) line.Byte(v);
        Append(line.View());
    }
}

void TProfile::WritePoints()
{
    Append("# Detection points data:");
    for (int i = 0, count = PointCount(); i < count; ++i) {
        const TDetPoint& p = Points[i];
        TRecordLine line(static_cast<std::uint16_t>(PointsAddress + PointRecordSize * i));
        line.Long(SwapLong(p.FreqKHz));
        for (const std::uint8_t v : {p.PointAux0, p.FFT, p.BW, p.SpecInv, p.Guard, p.PointAux9, p.PointAux10, p.Standard})
            line.Byte(v);
        line.Bytes({p.Name, PointNameLength});
        line.Comment(TextOf(p.Name));
        Append(line.View());
    }
}

void TProfile::WriteMessages()
{
    Append("# Text messages data:");
    std::uint16_t address = FirstMessageAddress;
    for (int i = 0; i < MessageCount; ++i) {
        const TTextMessage& m = Messages[i];
        TRecordLine line(address);
        line.Bytes(TextOf(m.Text));
        line.Byte(0);
        line.Comment(TextOf(m.Text));
        Append(line.View());
        // The next address follows from MaxLen, never from the text's length.
        address = static_cast<std::uint16_t>(address + m.MaxLen + 1);
    }
}

}  // namespace orvantis
