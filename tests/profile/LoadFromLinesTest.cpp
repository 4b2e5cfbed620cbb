// Loading a project text: defaults first, then every line in order, stopping
// at the first rejected line.

#include "ProfileFixture.h"

namespace orvantis::test {
namespace {

using LoadFromLinesTest = ProfileTest;

const std::string Config1 = "send *E2P1F00010300000A00D20001000002020208";
const std::string Band3 = "send *E2P0F3000E1F50500C2EB0B0107004102";

TEST_F(LoadFromLinesTest, StopsAtTheFirstRejectedLine)
{
    const TLoadResult stopped = Load({"# header", Config1, "send    # nothing to send", Band3});
    EXPECT_FALSE(stopped);
    EXPECT_EQ(stopped.RefusedLine, 3);
    EXPECT_EQ(stopped.RefusedText, "send    # nothing to send");
    EXPECT_EQ(Profile.GetPointIndex(), 1);
    EXPECT_EQ(Profile.GetBandStart(3), 306000000u);

    EXPECT_TRUE(Load({"# header", Config1, "", "send *RST", Band3}));
    EXPECT_EQ(Profile.GetBandStart(3), 100000000u);
}

TEST_F(LoadFromLinesTest, ASendAloneOnTheThirdLineLeavesOnlyTheDefaults)
{
    TLineList text = GoldenLines("standard50.pro");
    text[6] = Config1;
    text[12] = "send *E2P0800" + std::string(40, '1') + "    #x";
    text[2] = "send";
    Profile.SetUnits(2);
    EXPECT_FALSE(Load(text));
    EXPECT_EQ(Profile.GetPointIndex(), 0);
    EXPECT_EQ(Profile.GetUnits(), 0);
    EXPECT_EQ(Profile.GetPointFreq(0), 834000u);
    EXPECT_FALSE(Profile.HasConfig());
    EXPECT_FALSE(Profile.HasPoints());
}

TEST_F(LoadFromLinesTest, AWrittenProjectLoadsBackToTheSameText)
{
    for (const char* golden : {"standard50.pro", "isdbt50.pro", "base16.pro"}) {
        SCOPED_TRACE(golden);
        const TLineList text = GoldenLines(golden);
        Identity.Set(golden[0] == 'i' ? IsdbTModelRow : golden[0] == 'b' ? BaseModelRow : 0,
                     golden[0] == 'b' ? 2.5f : 3.0f);
        EXPECT_TRUE(Load(text));
        EXPECT_TRUE(Profile.HasConfig());
        EXPECT_TRUE(Profile.HasPoints());
        EXPECT_TRUE(Profile.HasMessages());
        const TLineList again = Write("C:\\Projects\\" + std::string(golden));
        EXPECT_EQ(std::vector(again.begin() + 4, again.end()), std::vector(text.begin() + 4, text.end()));
    }
}

TEST_F(LoadFromLinesTest, AConfigurationAloneLeavesEveryOtherAreaAtItsDefaults)
{
    Profile.SetDefaults();
    Profile.SetPointName(3, "EDITED");
    Profile.SetBandBw(0, 5);
    Profile.SetMessageText(3, "EDITED");
    EXPECT_TRUE(Load({Config1}));
    EXPECT_EQ(Profile.GetPointIndex(), 1);
    EXPECT_STREQ(Profile.GetPointName(3), "SFN CH69");
    EXPECT_EQ(Profile.GetBandBw(0), 8);
    EXPECT_STREQ(Profile.GetMessageText(3), "KORVEN");
}

TEST_F(LoadFromLinesTest, RecordsMayComeInAnyOrderAndTheLastOneWins)
{
    EXPECT_TRUE(Load({Band3, "send *E2P00D3414200", Config1, "send *E2P00D3434400", "send *E2P1F00020300000A00D20001000002020208"}));
    EXPECT_EQ(Profile.GetBandStart(3), 100000000u);
    EXPECT_STREQ(Profile.GetMessageText(12), "CD");
    EXPECT_EQ(Profile.GetPointIndex(), 2);
}

TEST_F(LoadFromLinesTest, SixteenAndFiftyPointProjectsMeet)
{
    // Written with 16 points, read with 50: points 16..49 keep their defaults.
    UseBaseModel();
    Profile.SetDefaults();
    for (std::uint16_t i = 0; i < 16; ++i) Profile.SetPointName(i, "OLD " + std::to_string(i));
    const TLineList sixteen = Write();
    Identity.Set(BaseModelRow, 3.0f);
    Profile.SetPointName(20, "STALE");
    EXPECT_TRUE(Load(sixteen));
    EXPECT_STREQ(Profile.GetPointName(15), "OLD 15  ");
    EXPECT_STREQ(Profile.GetPointName(20), "TEST 000");

    // Written with 50 points, read with 16: the records of points 16..49 are ignored.
    for (std::uint16_t i = 0; i < 50; ++i) Profile.SetPointName(i, "NEW " + std::to_string(i));
    const TLineList fifty = Write();
    for (std::uint16_t i = 0; i < 50; ++i) Profile.SetPointName(i, "BEFORE");
    UseBaseModel();
    EXPECT_TRUE(Load(fifty));
    EXPECT_STREQ(Profile.GetPointName(15), "NEW 15  ");
    EXPECT_STREQ(Profile.GetPointName(16), "BEFORE  ");
    EXPECT_STREQ(Profile.GetPointName(49), "BEFORE  ");
}

TEST_F(LoadFromLinesTest, NoLinesStillResetsTheAreas)
{
    Profile.SetDefaults();
    Profile.SetSNRHiQ(300);
    Load({});
    EXPECT_EQ(Profile.GetSNRHiQ(), 210);

    TProfile unbound(nullptr, Identity);
    unbound.SetSNRHiQ(300);
    unbound.LoadFromLines();
    EXPECT_EQ(unbound.GetSNRHiQ(), 210);
    EXPECT_STREQ(unbound.GetMessageText(0), "ORVANTIS+");
}

TEST_F(LoadFromLinesTest, LoadingFollowsTheEditionForItsDefaults)
{
    UseIsdbT();
    EXPECT_TRUE(Load({Config1}));
    EXPECT_STREQ(Profile.GetPointName(0), "BRASIL13");
    EXPECT_EQ(Profile.GetBandStart(0), 473142857u);
}

}  // namespace
}  // namespace orvantis::test
