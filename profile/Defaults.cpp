// Factory defaults of the four areas; the points and the bands follow the
// instrument's row of the model table.

#include "Profile.h"

#include <algorithm>
#include <cstring>

namespace orvantis {

namespace {

struct MessageDefault {
    int EditLevel;
    int MaxLen;
    const char* Text;
};

// The instrument's display texts; their MaxLen values fix every message's
// EEPROM address, so this table must never change shape.
constexpr MessageDefault DefaultMessageTable[MessageCount] = {
    {2, 18, "ORVANTIS+"},         {0, 18, "CO: YOUR COMPANY"},  {0, 18, "USER: YOUR NAME"},
    {2, 18, "KORVEN"},            {2, 18, "DELVAMETRIC S.L."},  {1, 18, "TV ANALYSER"},
    {2, 7, "(C)2013"},            {1, 10, "1)DETECT"},          {1, 15, "MAX POWER RATE:"},
    {1, 15, "POWER RATE:"},       {1, 21, "SIGNAL NOT DETECTED"}, {1, 10, "2)IDENTIFY"},
    {1, 4, "NET:"},               {1, 13, "SERVICE LIST:"},     {1, 10, "3)ADJUST:"},
    {1, 8, "POWER:"},             {1, 8, "MER:"},               {1, 8, "CBER:"},
    {1, 8, "VBER:"},              {1, 8, "LBER"},               {1, 10, "SETUP"},
    {1, 15, "EXTERNAL SUPPLY"},   {1, 15, "SOUND CONTROL"},     {1, 15, "BACKLIGHT MODE"},
    {1, 15, "CONTRAST LCD"},      {1, 15, "CONFIRM & EXIT"},    {1, 17, "1:ESC 2:OPT 3:SEL"},
    {1, 18, "Li-Ion BATTERY"},    {1, 10, "CHARGING:"},         {1, 18, "ELAPSED TIME:"},
    {1, 21, "LOW BATTERY"},       {1, 21, "VERY LOW BATTERY"},  {1, 21, "SIGNAL NOT DETECTED"},
    {1, 21, "SUPPLY SHORT CIRCUIT"}, {1, 21, "SUPPLY OVER CURRENT"}, {1, 21, "MANUAL POWER OFF"},
    {1, 21, "AUTO POWER OFF"},    {1, 21, "BATTERY MODE"},      {1, 21, "FULL BATTERY"},
    {1, 21, "UPDATE MODE"},       {1, 21, "HIGH TEMPERATURE"},  {1, 21, "MPEG-2 NOT DETECTED"},
    {1, 21, "LOADING NETWORK"},   {1, 21, "LOADING SERVICES"},  {1, 21, "NETWORK NOT FOUND"},
    {1, 21, "SERVICES NOT FOUND"}, {1, 17, "START AUTO SCAN"},  {1, 21, "1)CANCEL"},
    {1, 10, "2)OPTION"},          {1, 10, "3)SELECT"},          {1, 8, "SCAN"},
    {1, 17, "SCANNING CHANNEL:"}, {1, 17, "CHANNELS FOUND:"},   {1, 21, "1)CANCEL SCAN"},
    {1, 10, "1)DISCARD"},         {1, 10, "2)RESCAN"},          {1, 10, "3)SAVE"},
};

void CopyName(char (&name)[PointNameLength + 1], const char* text)
{
    std::memcpy(name, text, PointNameLength);
    name[PointNameLength] = '\0';
}

}  // namespace

void TProfile::SetMessageLayout()
{
    for (int i = 0; i < MessageCount; ++i) {
        Messages[i].EditLevel = DefaultMessageTable[i].EditLevel;
        Messages[i].MaxLen = DefaultMessageTable[i].MaxLen;
    }
}

void TProfile::DefaultMessages()
{
    SetMessageLayout();
    for (int i = 0; i < MessageCount; ++i) {
        const MessageDefault& d = DefaultMessageTable[i];
        std::memset(Messages[i].Text, 0, sizeof Messages[i].Text);
        std::strncpy(Messages[i].Text, d.Text, static_cast<std::size_t>(d.MaxLen));
    }
}

void TProfile::DefaultConfig()
{
    Config = TConfigData{0, 3, 0, 0, 10, 210, 1, 0, 0, 2, 2, 2, 8};
}

void TProfile::DefaultPoints()
{
    const TModelDefaults& defaults = *Model().Defaults;
    const TPointTuning& tuning = defaults.Tuning;
    const std::size_t last = defaults.Points.size() - 1;
    for (std::size_t i = 0, count = static_cast<std::size_t>(PointCount()); i < count; ++i) {
        TDetPoint& p = Points[i];
        const TPointDefault& d = defaults.Points[std::min(i, last)];
        p.FreqKHz = d.FreqKHz;
        CopyName(p.Name, d.Name);
        // PointAux0 is left as it is.
        p.FFT = tuning.FFT;
        p.BW = tuning.BW;
        p.SpecInv = tuning.SpecInv;
        p.Guard = tuning.Guard;
        p.PointAux9 = 255;
        p.PointAux10 = 255;
        p.Standard = tuning.Standard;
    }
}

void TProfile::DefaultBand(int i, const TModelDefaults& defaults)
{
    Bands[i] = defaults.Bands[static_cast<std::size_t>(i)];
}

void TProfile::DefaultBands()
{
    const TModelDefaults& defaults = *Model().Defaults;
    for (int i = 0; i < BandCount; ++i) DefaultBand(i, defaults);
}

std::uint16_t TProfile::MessageAddress(int i)
{
    std::uint16_t address = FirstMessageAddress;
    for (int k = 0; k < i && k < MessageCount; ++k)
        address = static_cast<std::uint16_t>(address + DefaultMessageTable[k].MaxLen + 1);
    return address;
}

}  // namespace orvantis
