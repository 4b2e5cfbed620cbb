// What each record handler accepts, what it stores and what it ignores.

#include "ProfileFixture.h"

namespace orvantis::test {
namespace {

using StoreConfigTest = ProfileTest;
using StorePointTest = ProfileTest;
using StoreBandTest = ProfileTest;
using StoreMessageTest = ProfileTest;

// Point fields after the frequency: PointAux0, FFT, BW, SpecInv, Guard, Aux9, Aux10, Standard.
constexpr const char* PointBody = "2A00070102030409";

std::string PointData(const char* freq, const std::string& name) { return freq + std::string(PointBody) + HexOf(name); }

TEST_F(StoreConfigTest, AFullRecordStoresEveryFieldLittleEndianAndSetsTheFlag)
{
    Profile.ParseRecord(0x1F00, "0102030434124321050607080903AA07");
    const TConfigData& c = Profile.ConfigRecord();
    EXPECT_EQ(c.PointIndex, 1);
    EXPECT_EQ(c.LastIndex, 2);
    EXPECT_EQ(c.EPStask, 3);
    EXPECT_EQ(c.EPSaux, 4);
    EXPECT_EQ(c.MinDetLev, 0x1234);
    EXPECT_EQ(c.SNRHiQ, 0x2143);
    EXPECT_EQ(c.Sound, 5);
    EXPECT_EQ(c.Units, 6);
    EXPECT_EQ(c.ConfigAux, 7);
    EXPECT_EQ(c.ContrastLCD, 8);
    EXPECT_EQ(c.ShowBER, 9);
    EXPECT_EQ(c.BacklightLCD, 3);
    EXPECT_EQ(c.ConfigBw, 8);  // "AA" is no bandwidth code
    EXPECT_TRUE(Profile.HasConfig());
    EXPECT_FALSE(Profile.HasPoints());
    EXPECT_FALSE(Profile.HasMessages());
}

TEST_F(StoreConfigTest, BandwidthCodesOtherThanSixSevenOrEightBecomeEight)
{
    const std::string head = "000300000A00D2000100000202";
    for (const auto& [tail, bw] : std::vector<std::pair<std::string, int>>{
             {"0207", 7}, {"0206", 6}, {"0208", 8}, {"0205", 8}, {"0209", 8}, {"0200", 8}, {"02FF", 8}, {"02", 8}}) {
        Profile.ParseRecord(0x1F00, head + tail);
        EXPECT_EQ(Profile.ConfigRecord().ConfigBw, bw) << tail;
        EXPECT_EQ(Profile.ConfigRecord().BacklightLCD, 2) << tail;
    }
}

TEST_F(StoreConfigTest, TwentyTwoCharactersOrAtLeastTwentyEight)
{
    Profile.SetDefaults();
    Profile.ParseRecord(0x1F00, "0102030405060708090A0B");  // 22: bytes 11..14 become 0, then ConfigBw 8
    const TConfigData& c = Profile.ConfigRecord();
    EXPECT_EQ(c.PointIndex, 1);
    EXPECT_EQ(c.ConfigAux, 0x0B);
    EXPECT_EQ(c.ContrastLCD, 0);
    EXPECT_EQ(c.ShowBER, 0);
    EXPECT_EQ(c.BacklightLCD, 0);
    EXPECT_EQ(c.ConfigBw, 8);

    Profile.SetDefaults();
    Profile.ParseRecord(0x1F00, "0102030405060708" "090100030303");  // 28: what a receive asks for
    EXPECT_EQ(c.BacklightLCD, 3);
    EXPECT_EQ(c.ConfigBw, 8);

    Profile.ParseRecord(0x1F00, "0102030405060708" "090100030302" "7");  // 29: the last byte is one digit
    EXPECT_EQ(c.BacklightLCD, 2);
    EXPECT_EQ(c.ConfigBw, 7);

    Profile.ParseRecord(0x1F00, "0102030405060708" "09010003020206" "FFFFFFFF");  // longer: the rest is ignored
    EXPECT_EQ(c.ConfigBw, 6);

    for (std::size_t length : {0u, 2u, 20u, 21u, 23u, 24u, 26u, 27u}) {
        Profile.SetDefaults();
        Profile.ParseRecord(0x1F00, std::string(length, '5'));
        EXPECT_EQ(c.PointIndex, 0) << length;
        EXPECT_EQ(c.MinDetLev, 10) << length;
    }
}

TEST_F(StoreConfigTest, OnlyAddress1F00IsTheConfiguration)
{
    for (std::uint16_t address : {0x1F01, 0x1F0F, 0x2000, 0xFFFF}) {
        Profile.ParseRecord(address, "0102030405060708090A0B0C0D0E07");
        EXPECT_FALSE(Profile.HasConfig()) << address;
        EXPECT_EQ(Profile.ConfigRecord().PointIndex, 0) << address;
    }
}

TEST_F(StorePointTest, ARecordStoresEveryFieldAndSetsTheFlag)
{
    Profile.SetDefaults();
    Profile.ParseRecord(0x0800 + 20 * 7, PointData("78563412", "NAME\x01\xC7Z9"));
    const TDetPoint& p = Profile.PointRecord(7);
    EXPECT_EQ(p.FreqKHz, 0x12345678u);
    EXPECT_EQ(p.PointAux0, 0x2A);
    EXPECT_EQ(p.FFT, 0);
    EXPECT_EQ(p.BW, 7);
    EXPECT_EQ(p.SpecInv, 1);
    EXPECT_EQ(p.Guard, 2);
    EXPECT_EQ(p.PointAux9, 3);
    EXPECT_EQ(p.PointAux10, 4);
    EXPECT_EQ(p.Standard, 9);
    EXPECT_EQ(std::string_view(p.Name, 9), std::string_view("NAME\x01\xC7Z9\0", 9));
    EXPECT_TRUE(Profile.HasPoints());
}

TEST_F(StorePointTest, OnlyAlignedAddressesOfPointsInUseWithFortyDigitsAreStored)
{
    const std::string data = PointData("01000000", "STORED  ");
    struct Case {
        std::uint16_t Address;
        std::string Data;
        bool Stored;
    };
    for (const Case& c : {Case{0x0800, data, true}, Case{0x0801, data, false}, Case{0x0813, data, false},
                          Case{0x0814, data, true}, Case{0x0800 + 20 * 49, data, true},
                          Case{0x0800 + 20 * 50, data, false}, Case{0x0EFF, data, false},
                          Case{0x0800, data.substr(0, 39), false}, Case{0x0800, data + "FFFF", true}}) {
        TProfile fresh(&Lines, Identity);
        fresh.ParseRecord(c.Address, c.Data);
        EXPECT_EQ(fresh.HasPoints(), c.Stored) << std::hex << c.Address << " " << c.Data;
        const int index = (c.Address - 0x0800) / 20;
        if (c.Stored) {
            EXPECT_STREQ(fresh.GetPointName(static_cast<std::uint16_t>(index)), "STORED  ");
        }
    }
}

TEST_F(StorePointTest, PointSixteenIsAcceptedOnlyWhileFiftyPointsAreInUse)
{
    Profile.SetDefaults();
    const std::uint16_t address = 0x0800 + 20 * 16;
    UseBaseModel();
    Profile.ParseRecord(address, PointData("01000000", "SIXTEEN "));
    EXPECT_STREQ(Profile.GetPointName(16), "TEST 000");
    Profile.ParseRecord(address - 20, PointData("01000000", "FIFTEEN "));
    EXPECT_STREQ(Profile.GetPointName(15), "FIFTEEN ");
    Identity.Set(BaseModelRow, 3.0f);
    Profile.ParseRecord(address, PointData("01000000", "SIXTEEN "));
    EXPECT_STREQ(Profile.GetPointName(16), "SIXTEEN ");
}

TEST_F(StorePointTest, AnErasedPointGetsTheStandardFirstPointWhateverTheEdition)
{
    for (const char* erased : {"FFFFFFFF", "ffffffff"}) {
        UseIsdbT();
        Profile.SetDefaults();
        Profile.ParseRecord(0x0800 + 20 * 5, PointData("10000000", "ABCDEFGH"));  // PointAux0 0x2A
        Profile.ParseRecord(0x0800 + 20 * 5, PointData(erased, "12345678"));
        const TDetPoint& p = Profile.PointRecord(5);
        EXPECT_EQ(p.FreqKHz, 834000u);
        EXPECT_EQ(p.FFT, 1);
        EXPECT_EQ(p.BW, 8);
        EXPECT_EQ(p.SpecInv, 0);
        EXPECT_EQ(p.Guard, 0);
        EXPECT_EQ(p.PointAux9, 255);
        EXPECT_EQ(p.PointAux10, 255);
        EXPECT_EQ(p.Standard, 0);
        EXPECT_STREQ(p.Name, "CH66");
        // The bytes behind the name's terminator keep what they held.
        EXPECT_EQ(std::string_view(p.Name, 9), std::string_view("CH66\0FGH\0", 9));
        EXPECT_EQ(p.PointAux0, 0x2A);
    }
}

TEST_F(StoreBandTest, ARecordStoresEveryFieldAndSetsNoFlag)
{
    Profile.ParseRecord(0x0F20, "78563412" "EFCDAB89" "01" "05" "7F" "5A" "FF");
    const TScanBand& b = Profile.BandRecord(2);
    EXPECT_EQ(b.StartFreq, 0x12345678u);
    EXPECT_EQ(b.EndFreq, 0x89ABCDEFu);
    EXPECT_EQ(b.Enable, 1);
    EXPECT_EQ(b.Bw, 5);
    EXPECT_EQ(b.BandAux, 0x7F);
    EXPECT_EQ(b.InitialChar, 'Z');
    EXPECT_EQ(b.InitialIndex, 255);
    EXPECT_FALSE(Profile.HasConfig());
    EXPECT_FALSE(Profile.HasPoints());
    EXPECT_FALSE(Profile.HasMessages());
}

TEST_F(StoreBandTest, AlignedSlotsOfTheFourBandsWithAtMostThirtyTwoDigits)
{
    const std::string record = "01000000" "02000000" "0107004102";
    Profile.SetDefaults();
    for (std::uint16_t address : {0x0F01, 0x0F0F, 0x0F1D, 0x0F40, 0x1000, 0x1EFF}) {
        Profile.ParseRecord(address, record);
        for (int i = 0; i < BandCount; ++i) EXPECT_NE(Profile.GetBandStart(i), 1u) << std::hex << address;
    }
    Profile.ParseRecord(0x0F30, record + std::string(33 - record.size(), '0'));
    EXPECT_EQ(Profile.GetBandStart(3), 306000000u);
    Profile.ParseRecord(0x0F30, record + std::string(32 - record.size(), '0'));
    EXPECT_EQ(Profile.GetBandStart(3), 1u);
    // Missing bytes read as 0; a cut field is read as the shorter number it is.
    Profile.ParseRecord(0x0F10, "01000000" "0200");
    EXPECT_EQ(Profile.GetBandStart(1), 1u);
    EXPECT_EQ(Profile.GetBandEnd(1), 0x00020000u);
    EXPECT_EQ(Profile.GetBandBw(1), 0);
    EXPECT_EQ(Profile.GetBandInitialChar(1), 0);
}

TEST_F(StoreBandTest, AnErasedOrZeroStartRestoresTheStandardRowWhateverTheEdition)
{
    UseIsdbT();
    for (const char* start : {"00000000", "FFFFFFFF", "ffffffff"}) {
        Profile.SetDefaults();
        ASSERT_EQ(Profile.GetBandStart(0), 473142857u);
        Profile.ParseRecord(0x0F00, std::string(start) + "11111111" "0001020304");
        EXPECT_EQ(Profile.GetBandStart(0), 474000000u) << start;
        EXPECT_EQ(Profile.GetBandEnd(0), 858000000u) << start;
        EXPECT_EQ(Profile.GetBandBw(0), 8) << start;
        EXPECT_EQ(Profile.GetBandInitialChar(0), 'C') << start;
        EXPECT_EQ(Profile.GetBandInitialIndex(0), 21) << start;
        EXPECT_EQ(Profile.BandRecord(0).BandAux, 0) << start;
        EXPECT_EQ(Profile.GetBandStart(1), 177142857u) << "other bands keep theirs";
    }
}

TEST_F(StoreMessageTest, ARecordAtAMessageStartStoresItsTextAndSetsTheFlag)
{
    Profile.SetDefaults();
    TProfile fresh(&Lines, Identity);
    fresh.ParseRecord(0x00D3, HexOf("LAN") + "00");
    EXPECT_STREQ(fresh.GetMessageText(12), "LAN");
    EXPECT_TRUE(fresh.HasMessages());
    EXPECT_FALSE(fresh.HasConfig());

    // Every address of the table, and only those.
    for (int i = 0; i < MessageCount; ++i) {
        const std::uint16_t address = ExpectedMessages[i].Address;
        Profile.ParseRecord(address, HexOf("M" + std::to_string(i)) + "00");
        EXPECT_EQ(Profile.GetMessageText(i), "M" + std::to_string(i));
        Profile.ParseRecord(static_cast<std::uint16_t>(address + 1), HexOf("X") + "00");
        EXPECT_EQ(Profile.GetMessageText(i), "M" + std::to_string(i));
    }
    for (std::uint16_t address : {0x0000, 0x000C, 0x03BE, 0x03BF, 0x07FF}) {
        TProfile other(&Lines, Identity);
        other.ParseRecord(address, HexOf("X") + "00");
        EXPECT_FALSE(other.HasMessages()) << std::hex << address;
    }
}

TEST_F(StoreMessageTest, EmptyUnterminatedOrTooLongTextsAreIgnored)
{
    TProfile fresh(&Lines, Identity);
    fresh.SetDefaults();
    TProfile unset(&Lines, Identity);
    for (const std::string& data : {std::string("00"), std::string(""), std::string("0"), HexOf("NET:"),
                                    HexOf("NET:") + "0", HexOf("NETWO") + "00", HexOf("NETWORK") + "00",
                                    std::string("004E45543A00")}) {
        fresh.ParseRecord(0x00D3, data);
        unset.ParseRecord(0x00D3, data);
        EXPECT_STREQ(fresh.GetMessageText(12), "NET:") << data;
        EXPECT_FALSE(unset.HasMessages()) << data;
    }
    fresh.ParseRecord(0x00D3, HexOf("LANS") + "00");
    EXPECT_STREQ(fresh.GetMessageText(12), "LANS");
}

TEST_F(StoreMessageTest, TheTextEndsAtTheFirstZeroByteAndReplacesTheWholeOldText)
{
    Profile.SetDefaults();
    Profile.ParseRecord(0x00B2, HexOf("OK") + "00" + HexOf("IGNORED") + "0");
    EXPECT_STREQ(Profile.GetMessageText(10), "OK");
    const TTextMessage& m = Profile.MessageRecord(10);
    for (int k = 2; k <= m.MaxLen; ++k) EXPECT_EQ(m.Text[k], '\0') << k;
    // A pair that is no hexadecimal number reads as a zero byte.
    Profile.ParseRecord(0x00B2, "41ZZ42" "00");
    EXPECT_STREQ(Profile.GetMessageText(10), "A");
    // Lower case digits and 8-bit characters.
    Profile.ParseRecord(0x00B2, "c9e000");
    EXPECT_STREQ(Profile.GetMessageText(10), "\xC9\xE0");
    // Exactly MaxLen characters.
    Profile.ParseRecord(0x00B2, HexOf("123456789012345678901") + "00");
    EXPECT_STREQ(Profile.GetMessageText(10), "123456789012345678901");
}

TEST_F(StoreMessageTest, AddressesDoNotMoveWhenATextGetsShorter)
{
    Profile.SetDefaults();
    Profile.SetMessageText(0, "ABCD");
    Profile.ParseRecord(0x0020, HexOf("SECOND") + "00");
    EXPECT_STREQ(Profile.GetMessageText(1), "SECOND");
    EXPECT_STREQ(Profile.GetMessageText(0), "ABCD");
}

TEST(ParseRecordTest, TheAddressChoosesTheArea)
{
    TFixedIdentity identity;
    TLineList lines;
    TProfile profile(&lines, identity);
    profile.ParseRecord(0x07FF, "4100");
    profile.ParseRecord(0x0EFF, std::string(40, '1'));
    profile.ParseRecord(0x1EFF, "01000000");
    EXPECT_FALSE(profile.HasMessages());
    EXPECT_FALSE(profile.HasPoints());
    for (int i = 0; i < BandCount; ++i) EXPECT_EQ(profile.GetBandStart(i), 0u);
    profile.ParseRecord(0x0F00, "01000000");
    EXPECT_EQ(profile.GetBandStart(0), 1u);
    profile.ParseRecord(0x0800, std::string(40, '1'));
    EXPECT_TRUE(profile.HasPoints());
    profile.ParseRecord(0x1F00, std::string(30, '1'));
    EXPECT_TRUE(profile.HasConfig());
    profile.ParseRecord(0x000D, "4100");
    EXPECT_TRUE(profile.HasMessages());
}

}  // namespace
}  // namespace orvantis::test
