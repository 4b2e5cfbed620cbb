// Setter rules and the editors' snapshots.

#include "ProfileFixture.h"

namespace orvantis::test {
namespace {

using AccessorsTest = ProfileTest;

TEST_F(AccessorsTest, UnitsAndSoundKeepZeroAndTwoAndTurnAnythingElseIntoOne)
{
    for (int v = 0; v < 256; ++v) {
        const auto value = static_cast<std::uint8_t>(v);
        const std::uint8_t expected = (v == 0 || v == 2) ? value : 1;
        Profile.SetUnits(value);
        Profile.SetSound(value);
        ASSERT_EQ(Profile.GetUnits(), expected) << v;
        ASSERT_EQ(Profile.GetSound(), expected) << v;
    }
}

TEST_F(AccessorsTest, OtherSettersStoreTheValueAsGiven)
{
    Profile.SetDefaults();
    Profile.SetPointIndex(200);
    Profile.SetLastIndex(255);
    Profile.SetEPStask(7);
    Profile.SetEPSaux(2);
    Profile.SetMinDetLev(0xBEEF);
    Profile.SetSNRHiQ(65535);
    Profile.SetContrastLCD(9);
    Profile.SetShowBER(0);
    Profile.SetBacklightLCD(250);
    const TConfigData& c = Profile.ConfigRecord();
    EXPECT_EQ(Profile.GetPointIndex(), 200);
    EXPECT_EQ(Profile.GetLastIndex(), 255);
    EXPECT_EQ(Profile.GetEPStask(), 7);
    EXPECT_EQ(c.EPSaux, 2);
    EXPECT_EQ(Profile.GetMinDetLev(), 0xBEEF);
    EXPECT_EQ(Profile.GetSNRHiQ(), 65535);
    EXPECT_EQ(Profile.GetContrastLCD(), 9);
    EXPECT_EQ(Profile.GetShowBER(), 0);
    EXPECT_EQ(Profile.GetBacklightLCD(), 250);

    Profile.SetPointFreq(49, 0xFFFFFFFE);
    Profile.SetPointFFT(49, 0);
    Profile.SetPointBW(49, 5);
    Profile.SetPointSpecInv(49, 1);
    Profile.SetPointGuard(49, 3);
    Profile.SetPointStandard(49, 9);
    EXPECT_EQ(Profile.GetPointFreq(49), 0xFFFFFFFEu);
    EXPECT_EQ(Profile.GetPointFFT(49), 0);
    EXPECT_EQ(Profile.GetPointBW(49), 5);
    EXPECT_EQ(Profile.GetPointSpecInv(49), 1);
    EXPECT_EQ(Profile.GetPointGuard(49), 3);
    EXPECT_EQ(Profile.GetPointStandard(49), 9);
    EXPECT_EQ(Profile.GetPointFreq(48), 818000u);  // the neighbour is untouched

    Profile.SetBandStart(3, 1);
    Profile.SetBandEnd(3, 0xFFFFFFFF);
    Profile.SetBandEnable(3, 1);
    Profile.SetBandBw(3, 5);
    Profile.SetBandInitialChar(3, 'Z');
    Profile.SetBandInitialIndex(3, 255);
    EXPECT_EQ(Profile.GetBandStart(3), 1u);
    EXPECT_EQ(Profile.GetBandEnd(3), 0xFFFFFFFFu);
    EXPECT_EQ(Profile.GetBandEnable(3), 1);
    EXPECT_EQ(Profile.GetBandBw(3), 5);
    EXPECT_EQ(Profile.GetBandInitialChar(3), 'Z');
    EXPECT_EQ(Profile.GetBandInitialIndex(3), 255);
    EXPECT_EQ(Profile.GetBandStart(2), 233500000u);
}

TEST_F(AccessorsTest, PointNamesArePaddedWithBlanksOrCutToEightCharacters)
{
    Profile.SetDefaults();
    const struct {
        const char* Given;
        const char* Stored;
    } cases[] = {{"AB", "AB      "}, {"ABCDEFGHIJ", "ABCDEFGH"}, {"12345678", "12345678"}, {"", "        "}};
    for (const auto& c : cases) {
        Profile.SetPointName(7, c.Given);
        EXPECT_STREQ(Profile.GetPointName(7), c.Stored) << c.Given;
        EXPECT_EQ(Profile.GetPointName(7)[8], '\0');
    }
}

TEST_F(AccessorsTest, MessageTextsAreCutToTheirLengthAndNeverPadded)
{
    Profile.SetDefaults();
    Profile.SetMessageText(12, "NETWORK");  // MaxLen 4
    EXPECT_STREQ(Profile.GetMessageText(12), "NETW");
    Profile.SetMessageText(10, "AB");  // was "SIGNAL NOT DETECTED"
    EXPECT_STREQ(Profile.GetMessageText(10), "AB");
    Profile.SetMessageText(10, "123456789012345678901234");
    EXPECT_STREQ(Profile.GetMessageText(10), "123456789012345678901");
    Profile.SetMessageText(0, "");
    EXPECT_STREQ(Profile.GetMessageText(0), "");
    EXPECT_EQ(Profile.GetMessageLength(12), 4);
}

TEST_F(AccessorsTest, EditLevelsCompareSigned)
{
    Profile.SetDefaults();
    EXPECT_FALSE(Profile.CanEditMessage(0, 1));
    EXPECT_TRUE(Profile.CanEditMessage(0, 2));
    EXPECT_TRUE(Profile.CanEditMessage(1, 0));
    EXPECT_FALSE(Profile.CanEditMessage(1, -1));
    EXPECT_FALSE(Profile.CanEditMessage(5, 0));
    EXPECT_TRUE(Profile.CanEditMessage(5, 1));
}

TEST_F(AccessorsTest, ConfigAndBandSnapshotsRestoreEveryByte)
{
    Profile.SetDefaults();
    Profile.ParseRecord(0x1F00, "0102030405060708090A0B0C0D0E07");
    Profile.SetBandBw(2, 5);
    const TConfigData config = Profile.ConfigRecord();
    const TScanBand band2 = Profile.BandRecord(2);
    Profile.SnapshotConfig();
    Profile.SnapshotBands();

    Profile.ParseRecord(0x1F00, "FFFFFFFFFFFFFFFFFFFFFFFFFFFF06");
    Profile.SetBandStart(2, 1);
    Profile.SetBandBw(2, 8);
    Profile.ParseRecord(0x0F20, "01000000020000000101014101");
    Profile.RestoreConfig();
    Profile.RestoreBands();

    EXPECT_TRUE(SameConfig(Profile.ConfigRecord(), config));
    EXPECT_EQ(Profile.ConfigRecord().ConfigBw, 7);
    EXPECT_EQ(Profile.ConfigRecord().ConfigAux, 0x0B);
    EXPECT_TRUE(SameBand(Profile.BandRecord(2), band2));
}

TEST_F(AccessorsTest, PointSnapshotsCoverOnlyThePointsInUse)
{
    UseBaseModel();
    Profile.SetDefaults();
    Identity.Set(0, 3.0f);
    Profile.SetPointName(20, "KEEP 20");
    UseBaseModel();
    Profile.SnapshotPoints();

    Profile.SetPointName(3, "EDITED");
    Profile.SetPointFreq(3, 1);
    Profile.SetPointGuard(15, 3);
    Profile.SetPointName(20, "CHANGED");
    Profile.RestorePoints();

    EXPECT_STREQ(Profile.GetPointName(3), "SFN CH69");
    EXPECT_EQ(Profile.GetPointFreq(3), 858000u);
    EXPECT_EQ(Profile.GetPointGuard(15), 0);
    EXPECT_STREQ(Profile.GetPointName(20), "CHANGED ");  // beyond the 16 in use
}

TEST_F(AccessorsTest, PointSnapshotRestoresEveryRecordByte)
{
    Profile.SetDefaults();
    Profile.ParseRecord(0x0800 + 20 * 2, "40420F00" "7F00050103010209" "4142000058595A00");
    const TDetPoint before = Profile.PointRecord(2);
    ASSERT_STREQ(before.Name, "AB");
    Profile.SnapshotPoints();
    Profile.SetPointName(2, "LONGNAME");
    Profile.ParseRecord(0x0800 + 20 * 2, "01000000" "FFFFFFFFFFFFFFFF" "FFFFFFFFFFFFFFFF");
    Profile.RestorePoints();
    EXPECT_TRUE(SamePoint(Profile.PointRecord(2), before));
}

TEST_F(AccessorsTest, MessageSnapshotsRestoreTextsOnly)
{
    Profile.SetDefaults();
    Profile.SnapshotMessages();
    Profile.SetMessageText(12, "XY");
    Profile.SetMessageText(56, "");
    Profile.RestoreMessages();
    EXPECT_STREQ(Profile.GetMessageText(12), "NET:");
    EXPECT_STREQ(Profile.GetMessageText(56), "3)SAVE");
    EXPECT_EQ(Profile.GetMessageLength(12), 4);
    EXPECT_EQ(Profile.MessageRecord(0).EditLevel, 2);
}

}  // namespace
}  // namespace orvantis::test
