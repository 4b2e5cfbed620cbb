#include "ProfileWords.h"

#include "PointWords.h"

#include <cstdio>

namespace orvantis {

namespace {

std::string Number(unsigned long value)
{
    return std::to_string(value);
}

template <typename... Args>
std::string Format(const char* format, Args... args)
{
    char text[160];
    std::snprintf(text, sizeof text, format, args...);
    return text;
}

// A word from a list by code, or the code itself when it names none.
std::string Word(unsigned code, std::initializer_list<const char*> words, unsigned first = 0)
{
    if (code >= first && code - first < words.size()) return *(words.begin() + (code - first));
    return "code " + Number(code);
}

std::string Quoted(const char* text)
{
    return "\"" + std::string(text) + "\"";
}

// Hz as kHz, with the decimals a raster like 473142857 Hz needs.
std::string KHzOfHz(std::uint32_t hz)
{
    if (hz % 1000 == 0) return Number(hz / 1000) + " kHz";
    std::string text = Format("%u.%03u", hz / 1000, hz % 1000);
    while (text.back() == '0') text.pop_back();
    return text + " kHz";
}

std::string StandardWord(std::uint8_t standard)
{
    // Codes outside the editor's list show as they are, not as its default.
    switch (standard) {
    case 0: return std::string(StandardWords[0]);
    case 9: return std::string(StandardWords[1]);
    case 10: return std::string(StandardWords[StandardItemIsdbT]);
    default: return "code " + Number(standard);
    }
}

std::string BandwidthWord(std::uint8_t mhz)
{
    return mhz >= 5 && mhz <= 8 ? std::string(BandwidthWords[mhz - 5]) : Number(mhz) + " MHz";
}

std::string FftWord(std::uint8_t fft)
{
    return std::string(FftWords[fft == 0 ? 0 : 1]);
}

std::string GuardWord(std::uint8_t guard)
{
    return guard < std::size(GuardWords) ? std::string(GuardWords[guard]) : "code " + Number(guard);
}

std::string YesNo(bool yes)
{
    return std::string(YesNoWords[yes ? 1 : 0]);
}

std::string PointName(const TProfile& model, int i)
{
    return Quoted(model.GetPointName(static_cast<std::uint16_t>(i)));
}

std::string InitialCharWord(std::uint8_t c)
{
    if (c == ' ') return "none";
    if (c >= 0x21 && c < 0x7F) return std::string(1, static_cast<char>(c));
    return "code " + Number(c);
}

// A point name's eight bytes as Send writes them, those after its end too.
std::string NameBytes(const TDetPoint& p)
{
    std::string text;
    for (int k = 0; k < PointNameLength; ++k)
        text += Format(k == 0 ? "%02X" : " %02X", static_cast<unsigned char>(p.Name[k]));
    return text;
}

}  // namespace

std::vector<TSettingWords> SettingsInWords(const TProfile& model)
{
    std::vector<TSettingWords> words;
    const auto add = [&words](std::string label, std::string value, unsigned long stored) {
        words.push_back({std::move(label), std::move(value), Number(stored)});
    };

    const TConfigData& c = model.ConfigRecord();
    add("First detection point", Number(c.PointIndex + 1u), c.PointIndex);
    add("Last detection point", Number(c.LastIndex + 1u), c.LastIndex);
    add("External power supply for amplifiers", c.EPStask == 2 ? "off" : "on", c.EPStask);
    add("External power supply companion byte", Number(c.EPSaux), c.EPSaux);
    add("Minimum noise level", Number(c.MinDetLev) + " %", c.MinDetLev);
    add("MER threshold for a high-quality signal", Format("%u.%u dB", c.SNRHiQ / 10u, c.SNRHiQ % 10u), c.SNRHiQ);
    add("Sound", Word(c.Sound, {"disabled", "enabled", "only warnings"}), c.Sound);
    add("Level units", Word(c.Units, {"dBuV", "dBmV", "dBm"}), c.Units);
    add("Configuration byte 10", Number(c.ConfigAux), c.ConfigAux);
    add("Display contrast", Number(c.ContrastLCD) + " (0 to 3)", c.ContrastLCD);
    add("BER shown", Word(c.ShowBER, {"CBER", "VBER", "CBER and VBER"}, 1), c.ShowBER);
    add("Backlight", Word(c.BacklightLCD, {"off", "on", "auto"}), c.BacklightLCD);
    add("Configuration bandwidth", Number(c.ConfigBw) + " MHz", c.ConfigBw);

    for (int i = 0, n = model.PointCount(); i < n; ++i) {
        const TDetPoint& p = model.PointRecord(i);
        const std::string point = "Point " + Number(i + 1u) + " ";
        add(point + "frequency", Number(p.FreqKHz) + " kHz", p.FreqKHz);
        words.push_back({point + "name", PointName(model, i), NameBytes(p)});
        add(point + "standard", StandardWord(p.Standard), p.Standard);
        add(point + "bandwidth", BandwidthWord(p.BW), p.BW);
        add(point + "FFT mode", FftWord(p.FFT), p.FFT);
        add(point + "guard interval", GuardWord(p.Guard), p.Guard);
        add(point + "spectral inversion", YesNo(p.SpecInv != 0), p.SpecInv);
        add(point + "byte 4", Number(p.PointAux0), p.PointAux0);
        add(point + "byte 9", Number(p.PointAux9), p.PointAux9);
        add(point + "byte 10", Number(p.PointAux10), p.PointAux10);
    }

    for (int i = 0; i < BandCount; ++i) {
        const TScanBand& b = model.BandRecord(i);
        const std::string band = "Scan band " + Number(i + 1u) + " ";
        add(band + "enabled", YesNo(b.Enable != 0), b.Enable);
        add(band + "start", KHzOfHz(b.StartFreq), b.StartFreq);
        add(band + "end", KHzOfHz(b.EndFreq), b.EndFreq);
        add(band + "step", BandwidthWord(b.Bw), b.Bw);
        add(band + "channel letter", InitialCharWord(b.InitialChar), b.InitialChar);
        add(band + "first channel number", Number(b.InitialIndex), b.InitialIndex);
        add(band + "byte 10", Number(b.BandAux), b.BandAux);
    }

    // Counted from 0, as the messages editor shows them. Send writes the
    // text up to its end and a terminator: the quoted text is those bytes.
    for (int i = 0; i < MessageCount; ++i)
        words.push_back({"Message " + Number(static_cast<unsigned>(i)), Quoted(model.GetMessageText(i)), {}});
    return words;
}

std::vector<std::string> DifferencesInWords(const TProfile& first, const std::string& firstName,
                                            const TProfile& second, const std::string& secondName)
{
    const std::vector<TSettingWords> a = SettingsInWords(first);
    const std::vector<TSettingWords> b = SettingsInWords(second);
    std::vector<std::string> lines;
    // Both lists follow the same order; with different point counts the
    // points beyond the shorter list are there on one side only.
    std::size_t i = 0;
    std::size_t j = 0;
    while (i < a.size() || j < b.size()) {
        if (i < a.size() && j < b.size() && a[i].Label == b[j].Label) {
            if (a[i].Value != b[j].Value)
                lines.push_back(a[i].Label + ": " + a[i].Value + " in " + firstName + ", " + b[j].Value + " in " + secondName);
            else if (a[i].Stored != b[j].Stored)
                lines.push_back(a[i].Label + ": " + a[i].Value + " (" + a[i].Stored + ") in " + firstName + ", " +
                                b[j].Value + " (" + b[j].Stored + ") in " + secondName);
            ++i;
            ++j;
        } else if (j >= b.size() || (i < a.size() && a.size() - i > b.size() - j)) {
            lines.push_back(a[i].Label + ": " + a[i].Value + " in " + firstName + ", not in " + secondName);
            ++i;
        } else {
            lines.push_back(b[j].Label + ": not in " + firstName + ", " + b[j].Value + " in " + secondName);
            ++j;
        }
    }
    return lines;
}

std::vector<std::string> ProjectInWords(const TProfile& model)
{
    std::vector<std::string> lines;
    const std::vector<TSettingWords> settings = SettingsInWords(model);

    lines.push_back("Configuration");
    std::size_t k = 0;
    for (; k < settings.size() && settings[k].Label.rfind("Point ", 0) != 0; ++k)
        lines.push_back(Format("  %-42s %s", settings[k].Label.c_str(), settings[k].Value.c_str()));

    lines.push_back("");
    lines.push_back("Detection points (" + Number(static_cast<unsigned>(model.PointCount())) + ")");
    lines.push_back("   #  Frequency   Name        Standard  Bandwidth  FFT  Guard  Inversion");
    for (int i = 0, n = model.PointCount(); i < n; ++i) {
        const TDetPoint& p = model.PointRecord(i);
        lines.push_back(Format("  %2d  %6u kHz  %-10s  %-8s  %-9s  %-3s  %-5s  %s", i + 1, p.FreqKHz,
                               PointName(model, i).c_str(), StandardWord(p.Standard).c_str(), BandwidthWord(p.BW).c_str(),
                               FftWord(p.FFT).c_str(), GuardWord(p.Guard).c_str(), YesNo(p.SpecInv != 0).c_str()));
    }

    lines.push_back("");
    lines.push_back("Scan bands");
    lines.push_back("   #  Enabled  Start           End             Step   First channel");
    for (int i = 0; i < BandCount; ++i) {
        const TScanBand& b = model.BandRecord(i);
        const std::string first = (b.InitialChar == ' ' ? std::string() : InitialCharWord(b.InitialChar)) + Number(b.InitialIndex);
        lines.push_back(Format("  %2d  %-7s  %-14s  %-14s  %-5s  %s", i + 1, YesNo(b.Enable != 0).c_str(),
                               KHzOfHz(b.StartFreq).c_str(), KHzOfHz(b.EndFreq).c_str(), BandwidthWord(b.Bw).c_str(),
                               first.c_str()));
    }

    lines.push_back("");
    lines.push_back("Messages");
    for (int i = 0; i < MessageCount; ++i)
        lines.push_back(Format("  %2d  %-24s (at most %d characters)", i, Quoted(model.GetMessageText(i)).c_str(),
                               model.GetMessageLength(i)));
    return lines;
}

}  // namespace orvantis
