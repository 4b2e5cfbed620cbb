// Channel plans: the built-in tables, user plan files and the fills of
// detection points and scan bands, by the instrument's limits.

#include "ChannelPlan.h"
#include "ModelTable.h"
#include "PlanFill.h"
#include "ProfileFixture.h"

#include <gtest/gtest.h>

namespace orvantis::test {
namespace {

TPlanFillRequest Request(const char* id, const char* channels, int first, const char* pattern = "", bool dvbT2 = false)
{
    return {FindBuiltInPlan(id), channels, first, pattern, dvbT2};
}

struct TEnds {
    const char* Id;
    const char* First;
    std::uint32_t FirstKHz;
    const char* Last;
    std::uint32_t LastKHz;
    int FirstWidth;
    int LastWidth;
};

TEST(ChannelPlans, EveryBuiltInPlanRunsFromItsFirstToItsLastChannel)
{
    // Centres from the published tables (MHz), truncated to kHz.
    const TEnds ends[] = {
        {"eu-vhf", "5", 177500, "12", 226500, 7, 7},
        {"eu-uhf", "21", 474000, "69", 858000, 8, 8},
        {"eu-cable", "S11", 233500, "S41", 466000, 7, 8},
        {"au-vhf", "6", 177500, "12", 226500, 7, 7},
        {"au-uhf", "28", 529500, "69", 816500, 7, 7},
        {"br-vhf", "7", 177142, "13", 213142, 6, 6},
        {"br-uhf", "14", 473142, "69", 803142, 6, 6},
        {"jp-uhf", "13", 473142, "52", 707142, 6, 6},
    };
    ASSERT_EQ(BuiltInPlans().size(), std::size(ends));
    for (const TEnds& e : ends) {
        const TChannelPlan* plan = FindBuiltInPlan(e.Id);
        ASSERT_NE(plan, nullptr) << e.Id;
        EXPECT_EQ(plan->Channels.front().Name, e.First) << e.Id;
        EXPECT_EQ(plan->Channels.front().CentreKHz(), e.FirstKHz) << e.Id;
        EXPECT_EQ(plan->Channels.front().WidthMHz, e.FirstWidth) << e.Id;
        EXPECT_EQ(plan->Channels.back().Name, e.Last) << e.Id;
        EXPECT_EQ(plan->Channels.back().CentreKHz(), e.LastKHz) << e.Id;
        EXPECT_EQ(plan->Channels.back().WidthMHz, e.LastWidth) << e.Id;
    }
    // The channels between: the cable plan changes width after S20, and 9A sits between 9 and 10.
    EXPECT_EQ(FindBuiltInPlan("eu-cable")->Find("S20")->CentreHz, 296500000u);
    EXPECT_EQ(FindBuiltInPlan("eu-cable")->Find("S21")->CentreHz, 306000000u);
    EXPECT_EQ(FindBuiltInPlan("au-vhf")->ChannelsText(), "6-9, 9A, 10-12");
    EXPECT_EQ(FindBuiltInPlan("au-vhf")->Find("9a")->CentreKHz(), 205500u);
    EXPECT_EQ(FindBuiltInPlan("br-uhf")->Find("69")->CentreHz, 803142857u);
}

TEST_F(ProfileTest, AFillThatFitsGivesTheInstrumentsOwnChannelsAndLeavesOtherPointsAlone)
{
    Profile.SetDefaults();
    TPlanFill fill = FillPointsFromPlan(Request("eu-uhf", "66-69, 21", 1, "SFN CH{n}"), Profile);
    ASSERT_TRUE(fill) << fill.Problem;
    ASSERT_EQ(fill.Changes.size(), 5u);
    ApplyPointChanges(Profile, fill.Changes);
    TLineList defaults;
    TProfile factory(&defaults, Identity);
    factory.SetDefaults();
    for (std::uint16_t i = 0; i < 4; ++i) EXPECT_TRUE(SamePoint(Profile.PointRecord(i), factory.PointRecord(i)));
    EXPECT_EQ(Profile.GetPointFreq(4), 474000u);
    EXPECT_STREQ(Profile.GetPointName(4), "SFN CH21");
    EXPECT_TRUE(SamePoint(Profile.PointRecord(5), factory.PointRecord(5)));

    // The ISDB-T edition, Brazilian channels with the plan's own names, DVB-T2 asked but not for 6 MHz.
    UseIsdbT();
    Profile.SetDefaults();
    fill = FillPointsFromPlan(Request("br-uhf", "14", 2, "", true), Profile);
    ASSERT_TRUE(fill) << fill.Problem;
    ApplyPointChanges(Profile, fill.Changes);
    factory.SetDefaults();
    EXPECT_TRUE(SamePoint(Profile.PointRecord(1), factory.PointRecord(1)));

    // DVB-T2 where asked, with the plan's width.
    Identity.Set(DvbT2ModelRow, 3.0f);
    Profile.SetDefaults();
    fill = FillPointsFromPlan(Request("eu-cable", "S20-S21", 49, "", true), Profile);
    ASSERT_TRUE(fill) << fill.Problem;
    ApplyPointChanges(Profile, fill.Changes);
    EXPECT_STREQ(Profile.GetPointName(48), "S20     ");
    EXPECT_EQ(Profile.GetPointBW(48), 7);
    EXPECT_EQ(Profile.GetPointBW(49), 8);
    EXPECT_EQ(Profile.GetPointStandard(49), 9);
}

TEST_F(ProfileTest, AFillPastThePointsOrBelowTheLowestFrequencyIsRefusedWhole)
{
    UseBaseModel();  // 16 points, from 474000 kHz
    Profile.SetDefaults();

    TPlanFill fill = FillPointsFromPlan(Request("eu-uhf", "21-30", 10), Profile);
    EXPECT_FALSE(fill);
    EXPECT_TRUE(fill.Changes.empty());
    EXPECT_EQ(fill.Offending, (std::vector<std::string>{"28", "29", "30"}));
    EXPECT_NE(fill.Problem.find("past point 16"), std::string::npos) << fill.Problem;

    fill = FillPointsFromPlan(Request("au-vhf", "9-10", 1), Profile);
    EXPECT_FALSE(fill);
    EXPECT_EQ(fill.Offending, (std::vector<std::string>{"9", "9A", "10"}));
    EXPECT_NE(fill.Problem.find("out of range (474000.0 to 858000.0 KHz)"), std::string::npos) << fill.Problem;

    // A 6 MHz plan only on the ISDB-T edition, and only 6 MHz there.
    Identity.Set(0, 3.0f);
    EXPECT_EQ(FillPointsFromPlan(Request("jp-uhf", "13", 1), Profile).Offending, std::vector<std::string>{"13"});
    UseIsdbT();
    EXPECT_EQ(FillPointsFromPlan(Request("eu-uhf", "21,22", 1), Profile).Offending,
              (std::vector<std::string>{"21", "22"}));

    // Channels the plan has not.
    fill = FillPointsFromPlan(Request("eu-cable", "S11-S13,23", 1), Profile);
    EXPECT_EQ(fill.Problem, "no channel \"23\" in eu-cable (S11-S41)");
}

TEST_F(ProfileTest, ANamePatternTooLongIsRefusedBeforeAnythingChanges)
{
    Profile.SetDefaults();
    const TPlanFill fill = FillPointsFromPlan(Request("eu-uhf", "60-69", 1, "CHANNEL{n}"), Profile);
    EXPECT_FALSE(fill);
    EXPECT_TRUE(fill.Changes.empty());
    EXPECT_EQ(fill.Offending.size(), 10u);
    EXPECT_NE(fill.Problem.find("\"CHANNEL60\""), std::string::npos) << fill.Problem;
    // Eight characters pass, counted as characters, not bytes.
    EXPECT_TRUE(FillPointsFromPlan(Request("eu-uhf", "60", 1, "\xC3\x89VORA{n}"), Profile));
}

TEST(ChannelPlans, AUserPlanWithABadRowGivesItsRowColumnAndReason)
{
    const auto good = ParseChannelPlan("pt-local", "channel,centre_khz,bandwidth_mhz\r\nE21,474000,8\r\n\r\nE22,482000.5,8\r\n");
    ASSERT_TRUE(std::holds_alternative<TChannelPlan>(good));
    const TChannelPlan& plan = std::get<TChannelPlan>(good);
    EXPECT_EQ(plan.Channels[1].CentreHz, 482000500u);
    EXPECT_EQ(plan.BandLetter, 'E');
    EXPECT_EQ(plan.Channels[1].Number, 22);
    const auto sheet = ParseChannelPlan("sheet", "bandwidth_mhz;channel;centre_khz\n8;E21;474000,25\n");
    ASSERT_TRUE(std::holds_alternative<TChannelPlan>(sheet));
    EXPECT_EQ(std::get<TChannelPlan>(sheet).Channels[0].CentreHz, 474000250u);

    const std::pair<const char*, const char*> bad[] = {
        {"channel,centre_khz,bandwidth_mhz\n21,474000,8\n22,482000,9\n", "Row 3, column bandwidth_mhz: \"9\" is not one of 5, 6, 7, 8"},
        {"channel,centre_khz,bandwidth_mhz\n21,47400O,8\n", "Row 2, column centre_khz: \"47400O\" is not a number of kHz"},
        {"channel,centre_khz,bandwidth_mhz\n21,900000,8\n", "Row 2, column centre_khz: \"900000\" is out of range (170000 to 858000 kHz)"},
        {"channel,centre_khz,bandwidth_mhz\n21,474000,8\n21,482000,8\n", "Row 3, column channel: \"21\" is named twice"},
        {"channel,centre,bandwidth_mhz\n21,474000,8\n", "Row 1: the header row has no column centre_khz (it needs channel,centre_khz,bandwidth_mhz)"},
    };
    for (const auto& [text, problem] : bad) {
        const auto parsed = ParseChannelPlan("bad", text);
        ASSERT_TRUE(std::holds_alternative<TCsvProblem>(parsed)) << text;
        EXPECT_EQ(std::get<TCsvProblem>(parsed).Text(), problem);
    }
}

TEST_F(ProfileTest, ABandFromAPlanIsTheFactoryBandOfThatPlan)
{
    UseIsdbT();
    Profile.SetDefaults();
    const auto brazil = BandFromPlan(Profile, 1, *FindBuiltInPlan("br-uhf"), "14", "69");
    ASSERT_TRUE(std::holds_alternative<TScanBand>(brazil)) << std::get<std::string>(brazil);
    StorePlanBand(Profile, 1, std::get<TScanBand>(brazil));
    EXPECT_TRUE(SameBand(Profile.BandRecord(0), IsdbTDefaults.Bands[0]));
    EXPECT_FALSE(std::holds_alternative<TScanBand>(BandFromPlan(Profile, 2, *FindBuiltInPlan("eu-vhf"), "5", "12")));

    // The standard edition's four bands, one plan each.
    Identity.Set(0, 3.0f);
    const std::tuple<int, const char*, const char*, const char*> rows[] = {
        {1, "eu-uhf", "21", "69"}, {2, "eu-vhf", "5", "12"}, {3, "eu-cable", "S11", "S20"}, {4, "eu-cable", "S21", "S41"}};
    for (const auto& [band, id, first, last] : rows) {
        const auto made = BandFromPlan(Profile, band, *FindBuiltInPlan(id), first, last);
        ASSERT_TRUE(std::holds_alternative<TScanBand>(made)) << id;
        TScanBand expected = StandardDefaults.Bands[static_cast<std::size_t>(band - 1)];
        expected.Enable = 1;
        EXPECT_TRUE(SameBand(std::get<TScanBand>(made), expected));
    }
    // Two widths in one range, or a first channel without a number.
    EXPECT_EQ(std::get<std::string>(BandFromPlan(Profile, 3, *FindBuiltInPlan("eu-cable"), "S20", "S21")),
              "channels S20 to S21 are not all 7 MHz wide: a band scans in one step");
    EXPECT_EQ(std::get<std::string>(BandFromPlan(Profile, 2, *FindBuiltInPlan("au-vhf"), "9A", "12")),
              "channel 9A has no number for the band's channel names to count from");
}

}  // namespace
}  // namespace orvantis::test
