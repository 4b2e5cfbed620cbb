// The model table: how the instruments and the command lines name a row,
// and what a row decides for the points.

#include "ModelTable.h"
#include "PointWords.h"
#include "ProfileFixture.h"

#include <gtest/gtest.h>

namespace orvantis::test {
namespace {

TEST(ModelTableTest, ShortNamesPickTheRowsTheInstrumentsNameThemselves)
{
    const struct {
        const char* ShortName;
        const char* Name;
        int Row;
    } cases[] = {{"dvbt2", "OV+ DVB-T2", DvbT2ModelRow}, {"ISDBT", "OV+ ISDB-T", IsdbTModelRow}, {"Base", "ORVANTIS", BaseModelRow}};
    for (const auto& c : cases) {
        EXPECT_EQ(ModelRowByShortName(c.ShortName), c.Row) << c.ShortName;
        EXPECT_EQ(ModelRow(c.Name), c.Row) << c.Name;
    }
    for (const char* other : {"", "isdb", "ov+ isdb-t", "16", "QUELMAR-1"}) EXPECT_FALSE(ModelRowByShortName(other)) << other;
    EXPECT_EQ(ModelRow("QUELMAR-1"), 0);
    EXPECT_EQ(ModelRow("OV+ DVB-T2 "), ModelRowUnknown);
}

TEST_F(ProfileTest, TheRowDecidesPointCountLimitsAndFixedFields)
{
    Identity.Set(BaseModelRow, 2.9f);
    TPointRules rules = TPointRules::Of(Profile);
    EXPECT_EQ(rules.Count, 16);
    EXPECT_EQ(rules.MinKHz, 474000u);
    EXPECT_TRUE(rules.TunesPoints);
    EXPECT_EQ(rules.Fixed, nullptr);

    Profile.SetPointStandard(0, 0);
    Profile.SetPointBW(0, 8);
    Profile.SetPointGuard(0, 0);
    UseIsdbT();
    rules = TPointRules::Of(Profile);
    const TPointEntry shown = ShownEntry(Profile, 0, rules);
    EXPECT_EQ(EntryWords(0, shown)[static_cast<int>(TPointColumn::Standard)], "ISDB-T");
    EXPECT_EQ(EntryWords(0, shown)[static_cast<int>(TPointColumn::Bandwidth)], "6 MHz");
    EXPECT_EQ(EntryWords(0, shown)[static_cast<int>(TPointColumn::Guard)], "1/8");
    EXPECT_FALSE(IsEditable(TPointColumn::Guard, shown, rules));
    EXPECT_FALSE(IsEditable(TPointColumn::Bandwidth, shown, rules));

    // A row outside the table, as the command line may give, has the standard rules.
    Identity.Set(99, 2.0f);
    rules = TPointRules::Of(Profile);
    EXPECT_EQ(rules.Count, MaxPoints);
    EXPECT_EQ(rules.MinKHz, 170000u);
    EXPECT_EQ(rules.MaxKHz, 858000u);
    EXPECT_FALSE(rules.TunesPoints);
    EXPECT_EQ(rules.Fixed, nullptr);
    Profile.SetDefaults();
    EXPECT_STREQ(Profile.GetPointName(0), "SFN CH66");
}

}  // namespace
}  // namespace orvantis::test
