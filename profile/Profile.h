#pragma once
// TProfile: the one in-memory image of the instrument's four EEPROM areas
// (configuration, detection points, scan bands, text messages) with their
// factory defaults, accessors, editor snapshots and presence flags, and the
// conversion to and from project text (record lines).
//
// The model never touches the disk or the clock and allocates nothing after
// construction; the line list it writes into belongs to the caller.

#include "EquipmentIdentity.h"
#include "ModelTable.h"
#include "ProfileRecords.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace orvantis {

using TLineList = std::vector<std::string>;  // 8-bit text lines, no line ends

// How far loading a project text got: it stops at the first line it refuses
// (a "send" without its command); what came before stands, the rest of the
// model keeps its defaults.
struct TLoadResult {
    int RefusedLine = 0;      // 1-based; 0 when every line was taken
    std::string RefusedText;  // that line as it stands
    explicit operator bool() const { return RefusedLine == 0; }
};

class TProfile {
public:
    TProfile(TLineList* lines, const IEquipmentIdentity& identity);
    ~TProfile() = default;
    TProfile(const TProfile&) = delete;
    TProfile& operator=(const TProfile&) = delete;

    // Life cycle and presence.
    void SetDefaults();
    bool HasMessages() const { return MessagesPresent; }
    bool HasConfig() const { return ConfigPresent; }
    bool HasPoints() const { return PointsPresent; }
    int PointCount() const;
    // Whether the points keep the fixed tuning of the ISDB-T edition.
    bool IsIsdbT() const { return Model().FixedTuning; }
    // The instrument whose rules the model follows (the last one that answered).
    const IEquipmentIdentity& Equipment() const { return Identity; }
    // Its row of the model table.
    const TInstrumentModel& Model() const { return ModelAt(Identity.GetEquipmentModel()); }

    // Project text. createdAt is the date and time text of header line 2.
    TLoadResult LoadFromLines();
    void WriteProject(TLineList* lines, std::string_view fileName, std::string_view createdAt);
    bool ParseLine(std::string_view line);
    void ParseRecord(std::uint16_t address, std::string_view data);

    // Configuration.
    std::uint8_t GetPointIndex() const { return Config.PointIndex; }
    void SetPointIndex(std::uint8_t v) { Config.PointIndex = v; }
    std::uint8_t GetLastIndex() const { return Config.LastIndex; }
    void SetLastIndex(std::uint8_t v) { Config.LastIndex = v; }
    std::uint8_t GetEPStask() const { return Config.EPStask; }
    void SetEPStask(std::uint8_t v) { Config.EPStask = v; }
    void SetEPSaux(std::uint8_t v) { Config.EPSaux = v; }
    std::uint16_t GetMinDetLev() const { return Config.MinDetLev; }
    void SetMinDetLev(std::uint16_t v) { Config.MinDetLev = v; }
    std::uint16_t GetSNRHiQ() const { return Config.SNRHiQ; }
    void SetSNRHiQ(std::uint16_t v) { Config.SNRHiQ = v; }
    std::uint8_t GetSound() const { return Config.Sound; }
    void SetSound(std::uint8_t v) { Config.Sound = ZeroTwoOrOne(v); }
    std::uint8_t GetUnits() const { return Config.Units; }
    void SetUnits(std::uint8_t v) { Config.Units = ZeroTwoOrOne(v); }
    std::uint8_t GetContrastLCD() const { return Config.ContrastLCD; }
    void SetContrastLCD(std::uint8_t v) { Config.ContrastLCD = v; }
    std::uint8_t GetShowBER() const { return Config.ShowBER; }
    void SetShowBER(std::uint8_t v) { Config.ShowBER = v; }
    std::uint8_t GetBacklightLCD() const { return Config.BacklightLCD; }
    void SetBacklightLCD(std::uint8_t v) { Config.BacklightLCD = v; }

    // Detection points; callers keep i below PointCount().
    std::uint32_t GetPointFreq(std::uint16_t i) const { return Points[i].FreqKHz; }
    void SetPointFreq(std::uint16_t i, std::uint32_t v) { Points[i].FreqKHz = v; }
    std::uint8_t GetPointFFT(std::uint16_t i) const { return Points[i].FFT; }
    void SetPointFFT(std::uint16_t i, std::uint8_t v) { Points[i].FFT = v; }
    std::uint8_t GetPointBW(std::uint16_t i) const { return Points[i].BW; }
    void SetPointBW(std::uint16_t i, std::uint8_t v) { Points[i].BW = v; }
    std::uint8_t GetPointSpecInv(std::uint16_t i) const { return Points[i].SpecInv; }
    void SetPointSpecInv(std::uint16_t i, std::uint8_t v) { Points[i].SpecInv = v; }
    std::uint8_t GetPointGuard(std::uint16_t i) const { return Points[i].Guard; }
    void SetPointGuard(std::uint16_t i, std::uint8_t v) { Points[i].Guard = v; }
    std::uint8_t GetPointStandard(std::uint16_t i) const { return Points[i].Standard; }
    void SetPointStandard(std::uint16_t i, std::uint8_t v) { Points[i].Standard = v; }
    const char* GetPointName(std::uint16_t i) const { return Points[i].Name; }
    void SetPointName(std::uint16_t i, std::string_view text);

    // Scan bands, i in 0..3.
    std::uint32_t GetBandStart(int i) const { return Bands[i].StartFreq; }
    void SetBandStart(int i, std::uint32_t v) { Bands[i].StartFreq = v; }
    std::uint32_t GetBandEnd(int i) const { return Bands[i].EndFreq; }
    void SetBandEnd(int i, std::uint32_t v) { Bands[i].EndFreq = v; }
    std::uint8_t GetBandEnable(int i) const { return Bands[i].Enable; }
    void SetBandEnable(int i, std::uint8_t v) { Bands[i].Enable = v; }
    std::uint8_t GetBandBw(int i) const { return Bands[i].Bw; }
    void SetBandBw(int i, std::uint8_t v) { Bands[i].Bw = v; }
    std::uint8_t GetBandInitialChar(int i) const { return Bands[i].InitialChar; }
    void SetBandInitialChar(int i, std::uint8_t v) { Bands[i].InitialChar = v; }
    std::uint8_t GetBandInitialIndex(int i) const { return Bands[i].InitialIndex; }
    void SetBandInitialIndex(int i, std::uint8_t v) { Bands[i].InitialIndex = v; }

    // Text messages, i in 0..56.
    const char* GetMessageText(int i) const { return Messages[i].Text; }
    void SetMessageText(int i, std::string_view text);
    std::uint16_t GetMessageLength(int i) const { return static_cast<std::uint16_t>(Messages[i].MaxLen); }
    bool CanEditMessage(int i, int level) const { return level >= Messages[i].EditLevel; }
    // EEPROM address of message i; fixed by the MaxLen column of the defaults.
    static std::uint16_t MessageAddress(int i);

    // Snapshots for the editors' Cancel.
    void SnapshotConfig();
    void RestoreConfig();
    void SnapshotBands();
    void RestoreBands();
    void SnapshotPoints();
    void RestorePoints();
    void SnapshotMessages();
    void RestoreMessages();

    // Read-only views of whole records, for tests and diagnostics.
    const TConfigData& ConfigRecord() const { return Config; }
    const TDetPoint& PointRecord(int i) const { return Points[i]; }
    const TScanBand& BandRecord(int i) const { return Bands[i]; }
    const TTextMessage& MessageRecord(int i) const { return Messages[i]; }

private:
    static std::uint8_t ZeroTwoOrOne(std::uint8_t v) { return (v == 0 || v == 2) ? v : 1; }

    void SetMessageLayout();
    void DefaultMessages();
    void DefaultConfig();
    void DefaultPoints();
    void DefaultBands();
    void DefaultBand(int i, const TModelDefaults& defaults);

    void StoreConfig(std::uint16_t address, std::string_view data);
    void StorePoint(std::uint16_t address, std::string_view data);
    void StoreBand(std::uint16_t address, std::string_view data);
    void StoreMessage(std::uint16_t address, std::string_view data);

    void WriteHeader(std::string_view fileName, std::string_view createdAt);
    void WriteConfig();
    void WriteBands();
    void WritePoints();
    void WriteMessages();
    void WriteEndLine(std::string_view fileName);
    void Append(std::string_view text);

    TLineList* Lines;
    const IEquipmentIdentity& Identity;
    bool MessagesPresent = false;
    bool ConfigPresent = false;
    bool PointsPresent = false;
    TConfigData Config{};
    TDetPoint Points[MaxPoints]{};
    TTextMessage Messages[MessageCount]{};
    TScanBand Bands[BandCount]{};
    TConfigData SavedConfig{};
    TDetPoint SavedPoints[MaxPoints]{};
    char SavedMessageTexts[MessageCount][MessageCapacity]{};
    TScanBand SavedBands[BandCount]{};
};

}  // namespace orvantis
