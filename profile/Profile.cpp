#include "Profile.h"

#include <algorithm>
#include <cstring>

namespace orvantis {

TProfile::TProfile(TLineList* lines, const IEquipmentIdentity& identity) : Lines(lines), Identity(identity)
{
    // The message lengths fix every message's EEPROM address, so they hold
    // from the start; a model written or loaded before its first defaults
    // still uses the instrument's addresses.
    SetMessageLayout();
}

int TProfile::PointCount() const
{
    return Model().PointCount(Identity.GetEquipmentVersion());
}

void TProfile::SetDefaults()
{
    DefaultMessages();
    MessagesPresent = true;
    DefaultConfig();
    ConfigPresent = true;
    DefaultPoints();
    PointsPresent = true;
    DefaultBands();
}

void TProfile::SetPointName(std::uint16_t i, std::string_view text)
{
    char* name = Points[i].Name;
    const std::size_t n = std::min<std::size_t>(text.size(), PointNameLength);
    std::memcpy(name, text.data(), n);
    std::memset(name + n, ' ', PointNameLength - n);
    name[PointNameLength] = '\0';
}

void TProfile::SetMessageText(int i, std::string_view text)
{
    TTextMessage& m = Messages[i];
    const std::size_t n = std::min<std::size_t>(text.size(), static_cast<std::size_t>(m.MaxLen));
    std::memcpy(m.Text, text.data(), n);
    m.Text[n] = '\0';
}

void TProfile::SnapshotConfig() { SavedConfig = Config; }
void TProfile::RestoreConfig() { Config = SavedConfig; }
void TProfile::SnapshotBands() { std::copy(std::begin(Bands), std::end(Bands), SavedBands); }
void TProfile::RestoreBands() { std::copy(std::begin(SavedBands), std::end(SavedBands), Bands); }

namespace {

// Frequency, bytes 4..11 and all eight name bytes. A name read from EEPROM
// may hold bytes behind an early terminator ("CH66" of an erased point);
// they are written back to the instrument, so Cancel must bring them back too.
void CopyPointFields(TDetPoint& to, const TDetPoint& from)
{
    to.FreqKHz = from.FreqKHz;
    to.PointAux0 = from.PointAux0;
    to.FFT = from.FFT;
    to.BW = from.BW;
    to.SpecInv = from.SpecInv;
    to.Guard = from.Guard;
    to.PointAux9 = from.PointAux9;
    to.PointAux10 = from.PointAux10;
    to.Standard = from.Standard;
    std::memcpy(to.Name, from.Name, PointNameLength);
    to.Name[PointNameLength] = '\0';
}

}  // namespace

void TProfile::SnapshotPoints()
{
    for (int i = 0, n = PointCount(); i < n; ++i) CopyPointFields(SavedPoints[i], Points[i]);
}

void TProfile::RestorePoints()
{
    for (int i = 0, n = PointCount(); i < n; ++i) CopyPointFields(Points[i], SavedPoints[i]);
}

void TProfile::SnapshotMessages()
{
    for (int i = 0; i < MessageCount; ++i) std::memcpy(SavedMessageTexts[i], Messages[i].Text, MessageCapacity);
}

void TProfile::RestoreMessages()
{
    for (int i = 0; i < MessageCount; ++i) std::memcpy(Messages[i].Text, SavedMessageTexts[i], MessageCapacity);
}

}  // namespace orvantis
