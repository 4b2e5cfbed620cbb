#include "ProfileFixture.h"

#include <fstream>
#include <sstream>

namespace orvantis::test {

// Address, edit level, maximum length and factory text of the 57 display texts.
const TExpectedMessage ExpectedMessages[MessageCount] = {
    {0x000D, 2, 18, "ORVANTIS+"},
    {0x0020, 0, 18, "CO: YOUR COMPANY"},
    {0x0033, 0, 18, "USER: YOUR NAME"},
    {0x0046, 2, 18, "KORVEN"},
    {0x0059, 2, 18, "DELVAMETRIC S.L."},
    {0x006C, 1, 18, "TV ANALYSER"},
    {0x007F, 2, 7, "(C)2013"},
    {0x0087, 1, 10, "1)DETECT"},
    {0x0092, 1, 15, "MAX POWER RATE:"},
    {0x00A2, 1, 15, "POWER RATE:"},
    {0x00B2, 1, 21, "SIGNAL NOT DETECTED"},
    {0x00C8, 1, 10, "2)IDENTIFY"},
    {0x00D3, 1, 4, "NET:"},
    {0x00D8, 1, 13, "SERVICE LIST:"},
    {0x00E6, 1, 10, "3)ADJUST:"},
    {0x00F1, 1, 8, "POWER:"},
    {0x00FA, 1, 8, "MER:"},
    {0x0103, 1, 8, "CBER:"},
    {0x010C, 1, 8, "VBER:"},
    {0x0115, 1, 8, "LBER"},
    {0x011E, 1, 10, "SETUP"},
    {0x0129, 1, 15, "EXTERNAL SUPPLY"},
    {0x0139, 1, 15, "SOUND CONTROL"},
    {0x0149, 1, 15, "BACKLIGHT MODE"},
    {0x0159, 1, 15, "CONTRAST LCD"},
    {0x0169, 1, 15, "CONFIRM & EXIT"},
    {0x0179, 1, 17, "1:ESC 2:OPT 3:SEL"},
    {0x018B, 1, 18, "Li-Ion BATTERY"},
    {0x019E, 1, 10, "CHARGING:"},
    {0x01A9, 1, 18, "ELAPSED TIME:"},
    {0x01BC, 1, 21, "LOW BATTERY"},
    {0x01D2, 1, 21, "VERY LOW BATTERY"},
    {0x01E8, 1, 21, "SIGNAL NOT DETECTED"},
    {0x01FE, 1, 21, "SUPPLY SHORT CIRCUIT"},
    {0x0214, 1, 21, "SUPPLY OVER CURRENT"},
    {0x022A, 1, 21, "MANUAL POWER OFF"},
    {0x0240, 1, 21, "AUTO POWER OFF"},
    {0x0256, 1, 21, "BATTERY MODE"},
    {0x026C, 1, 21, "FULL BATTERY"},
    {0x0282, 1, 21, "UPDATE MODE"},
    {0x0298, 1, 21, "HIGH TEMPERATURE"},
    {0x02AE, 1, 21, "MPEG-2 NOT DETECTED"},
    {0x02C4, 1, 21, "LOADING NETWORK"},
    {0x02DA, 1, 21, "LOADING SERVICES"},
    {0x02F0, 1, 21, "NETWORK NOT FOUND"},
    {0x0306, 1, 21, "SERVICES NOT FOUND"},
    {0x031C, 1, 17, "START AUTO SCAN"},
    {0x032E, 1, 21, "1)CANCEL"},
    {0x0344, 1, 10, "2)OPTION"},
    {0x034F, 1, 10, "3)SELECT"},
    {0x035A, 1, 8, "SCAN"},
    {0x0363, 1, 17, "SCANNING CHANNEL:"},
    {0x0375, 1, 17, "CHANNELS FOUND:"},
    {0x0387, 1, 21, "1)CANCEL SCAN"},
    {0x039D, 1, 10, "1)DISCARD"},
    {0x03A8, 1, 10, "2)RESCAN"},
    {0x03B3, 1, 10, "3)SAVE"},
};

namespace {

template <typename T>
void Compare(::testing::AssertionResult& result, const char* field, T a, T b)
{
    if (a == b) return;
    result = ::testing::AssertionFailure();
    result << field << " " << +a << " != " << +b << "; ";
}

}  // namespace

::testing::AssertionResult SameConfig(const TConfigData& a, const TConfigData& b)
{
    auto r = ::testing::AssertionSuccess();
    Compare(r, "PointIndex", a.PointIndex, b.PointIndex);
    Compare(r, "LastIndex", a.LastIndex, b.LastIndex);
    Compare(r, "EPStask", a.EPStask, b.EPStask);
    Compare(r, "EPSaux", a.EPSaux, b.EPSaux);
    Compare(r, "MinDetLev", a.MinDetLev, b.MinDetLev);
    Compare(r, "SNRHiQ", a.SNRHiQ, b.SNRHiQ);
    Compare(r, "Sound", a.Sound, b.Sound);
    Compare(r, "Units", a.Units, b.Units);
    Compare(r, "ConfigAux", a.ConfigAux, b.ConfigAux);
    Compare(r, "ContrastLCD", a.ContrastLCD, b.ContrastLCD);
    Compare(r, "ShowBER", a.ShowBER, b.ShowBER);
    Compare(r, "BacklightLCD", a.BacklightLCD, b.BacklightLCD);
    Compare(r, "ConfigBw", a.ConfigBw, b.ConfigBw);
    return r;
}

::testing::AssertionResult SamePoint(const TDetPoint& a, const TDetPoint& b)
{
    auto r = ::testing::AssertionSuccess();
    Compare(r, "FreqKHz", a.FreqKHz, b.FreqKHz);
    Compare(r, "PointAux0", a.PointAux0, b.PointAux0);
    Compare(r, "FFT", a.FFT, b.FFT);
    Compare(r, "BW", a.BW, b.BW);
    Compare(r, "SpecInv", a.SpecInv, b.SpecInv);
    Compare(r, "Guard", a.Guard, b.Guard);
    Compare(r, "PointAux9", a.PointAux9, b.PointAux9);
    Compare(r, "PointAux10", a.PointAux10, b.PointAux10);
    Compare(r, "Standard", a.Standard, b.Standard);
    if (std::string_view(a.Name, sizeof a.Name) != std::string_view(b.Name, sizeof b.Name)) {
        r = ::testing::AssertionFailure();
        r << "Name " << HexOf({a.Name, sizeof a.Name}) << " != " << HexOf({b.Name, sizeof b.Name});
    }
    return r;
}

::testing::AssertionResult SameBand(const TScanBand& a, const TScanBand& b)
{
    auto r = ::testing::AssertionSuccess();
    Compare(r, "StartFreq", a.StartFreq, b.StartFreq);
    Compare(r, "EndFreq", a.EndFreq, b.EndFreq);
    Compare(r, "Enable", a.Enable, b.Enable);
    Compare(r, "Bw", a.Bw, b.Bw);
    Compare(r, "BandAux", a.BandAux, b.BandAux);
    Compare(r, "InitialChar", a.InitialChar, b.InitialChar);
    Compare(r, "InitialIndex", a.InitialIndex, b.InitialIndex);
    return r;
}

std::string HexOf(std::string_view bytes)
{
    static const char digits[] = "0123456789ABCDEF";
    std::string out;
    for (unsigned char c : bytes) {
        out += digits[c >> 4];
        out += digits[c & 15];
    }
    return out;
}

TLineList GoldenLines(const std::string& name)
{
    std::ifstream in(std::string(ORVANTIS_GOLDEN_DIR) + "/" + name, std::ios::binary);
    EXPECT_TRUE(in.good()) << name;
    TLineList lines;
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

}  // namespace orvantis::test
