// Factory defaults, the point count and the presence flags, all of which
// follow the identity of the last instrument at every use.

#include "ProfileFixture.h"

#include <cstring>

namespace orvantis::test {
namespace {

using DefaultsTest = ProfileTest;

void ExpectPoint(const TProfile& p, int i, const char* name, std::uint32_t freq, std::uint8_t bw, std::uint8_t guard,
                 std::uint8_t standard)
{
    SCOPED_TRACE(i);
    const TDetPoint& r = p.PointRecord(i);
    EXPECT_STREQ(r.Name, name);
    EXPECT_EQ(r.FreqKHz, freq);
    EXPECT_EQ(r.FFT, 1);
    EXPECT_EQ(r.BW, bw);
    EXPECT_EQ(r.SpecInv, 0);
    EXPECT_EQ(r.Guard, guard);
    EXPECT_EQ(r.PointAux9, 255);
    EXPECT_EQ(r.PointAux10, 255);
    EXPECT_EQ(r.Standard, standard);
}

void ExpectBand(const TProfile& p, int i, std::uint32_t start, std::uint32_t end, std::uint8_t bw, std::uint8_t enable,
                char initialChar, std::uint8_t initialIndex)
{
    SCOPED_TRACE(i);
    const TScanBand& b = p.BandRecord(i);
    EXPECT_EQ(b.StartFreq, start);
    EXPECT_EQ(b.EndFreq, end);
    EXPECT_EQ(b.Bw, bw);
    EXPECT_EQ(b.Enable, enable);
    EXPECT_EQ(b.BandAux, 0);
    EXPECT_EQ(b.InitialChar, static_cast<std::uint8_t>(initialChar));
    EXPECT_EQ(b.InitialIndex, initialIndex);
}

void ExpectStandardBands(const TProfile& p)
{
    ExpectBand(p, 0, 474000000, 858000000, 8, 1, 'C', 21);
    ExpectBand(p, 1, 177500000, 226500000, 7, 0, ' ', 5);
    ExpectBand(p, 2, 233500000, 296500000, 7, 0, 'S', 11);
    ExpectBand(p, 3, 306000000, 466000000, 8, 0, 'S', 21);
}

TEST_F(DefaultsTest, AFreshModelHoldsNothingUntilTheDefaultsAreSet)
{
    EXPECT_FALSE(Profile.HasMessages());
    EXPECT_FALSE(Profile.HasConfig());
    EXPECT_FALSE(Profile.HasPoints());
    Profile.SetDefaults();
    EXPECT_TRUE(Profile.HasMessages());
    EXPECT_TRUE(Profile.HasConfig());
    EXPECT_TRUE(Profile.HasPoints());
}

TEST_F(DefaultsTest, MessageLengthsAndLevelsHoldBeforeAnyDefaults)
{
    for (int i = 0; i < MessageCount; ++i) {
        EXPECT_EQ(Profile.GetMessageLength(i), ExpectedMessages[i].MaxLen) << i;
        EXPECT_EQ(Profile.MessageRecord(i).EditLevel, ExpectedMessages[i].EditLevel) << i;
        EXPECT_STREQ(Profile.GetMessageText(i), "") << i;
    }
    Profile.SetMessageText(12, "NETWORK");
    EXPECT_STREQ(Profile.GetMessageText(12), "NETW");
}

TEST_F(DefaultsTest, ConfigurationDefaults)
{
    Profile.SetDefaults();
    const TConfigData& c = Profile.ConfigRecord();
    EXPECT_EQ(c.PointIndex, 0);
    EXPECT_EQ(c.LastIndex, 3);
    EXPECT_EQ(c.EPStask, 0);
    EXPECT_EQ(c.EPSaux, 0);
    EXPECT_EQ(c.MinDetLev, 10);
    EXPECT_EQ(c.SNRHiQ, 210);
    EXPECT_EQ(c.Sound, 1);
    EXPECT_EQ(c.Units, 0);
    EXPECT_EQ(c.ConfigAux, 0);
    EXPECT_EQ(c.ContrastLCD, 2);
    EXPECT_EQ(c.ShowBER, 2);
    EXPECT_EQ(c.BacklightLCD, 2);
    EXPECT_EQ(c.ConfigBw, 8);
}

TEST_F(DefaultsTest, MessageTableLevelsLengthsTextsAndAddresses)
{
    Profile.SetDefaults();
    for (int i = 0; i < MessageCount; ++i) {
        SCOPED_TRACE(i);
        const TExpectedMessage& e = ExpectedMessages[i];
        EXPECT_STREQ(Profile.GetMessageText(i), e.Text);
        EXPECT_EQ(Profile.GetMessageLength(i), e.MaxLen);
        EXPECT_EQ(Profile.MessageRecord(i).EditLevel, e.EditLevel);
        EXPECT_EQ(TProfile::MessageAddress(i), e.Address);
        EXPECT_LE(std::strlen(e.Text), static_cast<std::size_t>(e.MaxLen));
    }
    // The last message ends right before 0x03BE.
    EXPECT_EQ(TProfile::MessageAddress(56) + Profile.GetMessageLength(56) + 1, 0x03BE);
}

TEST_F(DefaultsTest, StandardPointsAndBands)
{
    Profile.SetDefaults();
    ExpectPoint(Profile, 0, "SFN CH66", 834000, 8, 0, 0);
    ExpectPoint(Profile, 1, "SFN CH67", 842000, 8, 0, 0);
    ExpectPoint(Profile, 2, "SFN CH68", 850000, 8, 0, 0);
    ExpectPoint(Profile, 3, "SFN CH69", 858000, 8, 0, 0);
    for (int i = 4; i < MaxPoints; ++i) ExpectPoint(Profile, i, "TEST 000", 818000, 8, 0, 0);
    ExpectStandardBands(Profile);
}

TEST_F(DefaultsTest, IsdbTEditionPointsAndBands)
{
    UseIsdbT();
    Profile.SetDefaults();
    ExpectPoint(Profile, 0, "BRASIL13", 213142, 6, 1, 10);
    ExpectPoint(Profile, 1, "BRASIL14", 473142, 6, 1, 10);
    ExpectPoint(Profile, 2, "BRASIL36", 605142, 6, 1, 10);
    for (int i = 3; i < MaxPoints; ++i) ExpectPoint(Profile, i, "BRASIL69", 803142, 6, 1, 10);
    ExpectBand(Profile, 0, 473142857, 803142857, 6, 1, ' ', 14);
    ExpectBand(Profile, 1, 177142857, 213142857, 6, 1, ' ', 7);
    ExpectBand(Profile, 2, 233500000, 296500000, 6, 0, 'A', 1);
    ExpectBand(Profile, 3, 306000000, 466000000, 6, 0, 'B', 1);
    // The configuration and the messages do not depend on the edition.
    EXPECT_EQ(Profile.ConfigRecord().ConfigBw, 8);
    EXPECT_STREQ(Profile.GetMessageText(0), "ORVANTIS+");
}

TEST_F(DefaultsTest, OnlyRowSixteenIsTheIsdbTEdition)
{
    for (int row : {0, 14, 15, 17}) {
        SCOPED_TRACE(row);
        Identity.Set(row, 3.0f);
        Profile.SetDefaults();
        ExpectPoint(Profile, 4, "TEST 000", 818000, 8, 0, 0);
        ExpectStandardBands(Profile);
    }
}

TEST_F(DefaultsTest, PointCountIsSixteenOnlyForTheOldBaseModel)
{
    struct Case {
        int Row;
        float Version;
        int Count;
    };
    for (const Case c : {Case{14, 2.5f, 16}, Case{14, 2.99f, 16}, Case{14, 0.0f, 16}, Case{14, 3.0f, 50},
                         Case{14, 3.1f, 50}, Case{15, 2.5f, 50}, Case{16, 2.0f, 50}, Case{0, 1.0f, 50},
                         Case{13, 2.5f, 50}, Case{0, 3.0f, 50}}) {
        Identity.Set(c.Row, c.Version);
        EXPECT_EQ(Profile.PointCount(), c.Count) << "row " << c.Row << " version " << c.Version;
    }
}

TEST_F(DefaultsTest, DefaultsWalkOnlyThePointsInUseAndFollowTheLatestIdentity)
{
    Profile.SetDefaults();
    // Mark point 16 and point 49 with records while all 50 are in use.
    Profile.ParseRecord(0x0800 + 20 * 16, "11223344" "0001080000FFFF00" + HexOf("MARK 016"));
    Profile.ParseRecord(0x0800 + 20 * 49, "11223344" "0001080000FFFF00" + HexOf("MARK 049"));
    ASSERT_STREQ(Profile.GetPointName(16), "MARK 016");

    UseBaseModel();
    Profile.SetDefaults();
    EXPECT_STREQ(Profile.GetPointName(15), "TEST 000");
    EXPECT_STREQ(Profile.GetPointName(16), "MARK 016");
    EXPECT_STREQ(Profile.GetPointName(49), "MARK 049");

    Identity.Set(BaseModelRow, 3.0f);  // the same instrument after a firmware update
    Profile.SetDefaults();
    EXPECT_STREQ(Profile.GetPointName(16), "TEST 000");
    EXPECT_STREQ(Profile.GetPointName(49), "TEST 000");
    EXPECT_EQ(Profile.GetPointFreq(49), 818000u);
}

TEST_F(DefaultsTest, DefaultsLeavePointAux0AsItWas)
{
    Profile.ParseRecord(0x0800, "D0B90C00" "7B01080000FFFF00" + HexOf("SFN CH66"));
    ASSERT_EQ(Profile.PointRecord(0).PointAux0, 0x7B);
    Profile.SetDefaults();
    EXPECT_EQ(Profile.PointRecord(0).PointAux0, 0x7B);
    EXPECT_EQ(Profile.PointRecord(1).PointAux0, 0);
}

TEST_F(DefaultsTest, LoadingResetsTheAreasButNeverClearsAFlag)
{
    Profile.SetDefaults();
    Profile.SetUnits(2);
    Profile.SetPointName(0, "EDITED");
    Profile.SetMessageText(1, "EDITED");
    // A file with only a scan band record.
    EXPECT_TRUE(Load({"# bands only", "send *E2P0F30" "00E1F505" "00C2EB0B" "01" "07" "00" "41" "02"}));
    EXPECT_TRUE(Profile.HasMessages());
    EXPECT_TRUE(Profile.HasConfig());
    EXPECT_TRUE(Profile.HasPoints());
    EXPECT_EQ(Profile.GetUnits(), 0);
    EXPECT_STREQ(Profile.GetPointName(0), "SFN CH66");
    EXPECT_STREQ(Profile.GetMessageText(1), "CO: YOUR COMPANY");
    EXPECT_EQ(Profile.GetBandStart(3), 100000000u);
    EXPECT_EQ(Profile.GetBandEnd(3), 200000000u);
    EXPECT_EQ(Profile.GetBandInitialChar(3), 'A');
    EXPECT_EQ(Profile.GetBandStart(0), 474000000u);
}

TEST_F(DefaultsTest, LoadingAFileWithoutRecordsSetsNoFlag)
{
    EXPECT_TRUE(Load({"# nothing here", "", "send *RST"}));
    EXPECT_FALSE(Profile.HasMessages());
    EXPECT_FALSE(Profile.HasConfig());
    EXPECT_FALSE(Profile.HasPoints());
    // The areas hold their defaults all the same.
    EXPECT_EQ(Profile.GetSNRHiQ(), 210);
    EXPECT_STREQ(Profile.GetMessageText(56), "3)SAVE");
}

}  // namespace
}  // namespace orvantis::test
