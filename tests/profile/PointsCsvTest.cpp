// Points files: written in the points editor's words, read back by its lists
// and checks, all or nothing.

#include "PointsCsv.h"
#include "ProfileFixture.h"

namespace orvantis::test {
namespace {

class PointsCsvTest : public ProfileTest {
protected:
    // Point i as the instrument's EEPROM bytes give it: odd values included.
    void LoadPoint(int i, const std::string& hex)
    {
        Profile.ParseRecord(static_cast<std::uint16_t>(PointsAddress + PointRecordSize * i), hex);
    }
};

TEST_F(PointsCsvTest, ExportThenImportGivesBackTheSameProjectText)
{
    for (const TFixedIdentity& identity : {TFixedIdentity(0), TFixedIdentity(BaseModelRow, 2.5f), TFixedIdentity(IsdbTModelRow)}) {
        Identity = identity;
        Profile.SetDefaults();
        // 600000 kHz; FFT 2, BW 0, spectral inversion 5, guard 7, standard 5;
        // the name "AB", a NUL and bytes after it.
        LoadPoint(2, "C0270900" "00" "02" "00" "05" "07" "FF" "FF" "05" "4142004344454647");
        Profile.SetPointName(3, "A,\"B\" \xC9");
        Profile.SetPointStandard(4, 10);
        const TLineList before = Write();

        const std::string csv = WritePointsCsv(Profile);
        EXPECT_TRUE(csv.starts_with("index,frequency_khz,name,standard,bandwidth,fft,guard,spectral_inversion\r\n"));
        const TPointsCsvResult read = ParsePointsCsv(csv, Profile);
        ASSERT_TRUE(read) << read.Problem->Text();
        EXPECT_EQ(static_cast<int>(read.Changes.size()), Profile.PointCount());
        ApplyPointChanges(Profile, read.Changes);
        EXPECT_EQ(Write(), before) << "model row " << identity.GetEquipmentModel();
    }
    // The words, as the editor shows them.
    Identity.Set(0, 3.0f);
    Profile.SetDefaults();
    LoadPoint(2, "C0270900" "00" "02" "00" "05" "07" "FF" "FF" "09" "4142004344454647");
    Profile.SetPointName(3, "A,\"B\" \xC9");
    const std::string csv = WritePointsCsv(Profile);
    EXPECT_NE(csv.find("\r\n1,834000.0,SFN CH66,DVB-T,8 MHz,8K,1/4,no\r\n"), std::string::npos);
    EXPECT_NE(csv.find("\r\n3,600000.0,AB,DVB-T2,8 MHz,8K,1/4,yes\r\n"), std::string::npos);
    EXPECT_NE(csv.find("\r\n4,858000.0,\"A,\"\"B\"\" \xC3\x89\",DVB-T,"), std::string::npos);
}

TEST_F(PointsCsvTest, ASpreadsheetsRewriteIsReadByColumnNameAndChangesOnlyTheRowsGiven)
{
    UseBaseModel();
    Profile.SetDefaults();
    const TDetPoint untouched = Profile.PointRecord(1);
    // A comma-decimal spreadsheet: byte order mark, semicolons, its own
    // column order and case, a subset of columns and of rows, blank rows.
    const std::string csv = "\xEF\xBB\xBF" "Name;INDEX;fft;frequency_khz;spectral_inversion;standard\r\n"
                            "\"Q;1\";3;2k;650000,9;Yes; dvb-t2 \r\n"
                            ";;;;;\r\n"
                            "\xC3\x89T\xC3\x89;1;8K;474000;no;DVB-T\r\n";
    const TPointsCsvResult read = ParsePointsCsv(csv, Profile);
    ASSERT_TRUE(read) << read.Problem->Text();
    ApplyPointChanges(Profile, read.Changes);
    EXPECT_EQ(Profile.GetPointFreq(2), 650000u);
    EXPECT_STREQ(Profile.GetPointName(2), "Q;1     ");
    EXPECT_EQ(Profile.GetPointFFT(2), 0);
    EXPECT_EQ(Profile.GetPointSpecInv(2), 1);
    EXPECT_EQ(Profile.GetPointStandard(2), 9);
    EXPECT_EQ(Profile.GetPointGuard(2), 0);
    EXPECT_EQ(Profile.GetPointFreq(0), 474000u);
    EXPECT_STREQ(Profile.GetPointName(0), "\xC9T\xC9     ");
    EXPECT_TRUE(SamePoint(Profile.PointRecord(1), untouched));
}

TEST_F(PointsCsvTest, AnyFailingRowOrCellIsNamedAndNothingIsToBeChanged)
{
    struct Case {
        int Model;
        float Version;
        std::string Text;
        std::string Problem;
    };
    const Case cases[] = {
        {0, 3.0f, "index,freq\n1,600000", "Row 1, column freq: unknown column; the columns are "
                                          "index,frequency_khz,name,standard,bandwidth,fft,guard,spectral_inversion"},
        {0, 3.0f, "1,600000.0,A\n", "Row 1: no header row; the first row names the columns: "
                                    "index,frequency_khz,name,standard,bandwidth,fft,guard,spectral_inversion"},
        {0, 3.0f, "name,frequency_khz\nA,600000", "Row 1, column index: missing; it gives each row's point number"},
        {0, 3.0f, "index,name\n1,A\n51,B", "Row 3, column index: 51 is outside 1 to 50"},
        {BaseModelRow, 2.5f, "index,name\n17,B", "Row 2, column index: 17 is outside 1 to 16"},
        {0, 3.0f, "index,name\nfirst,A", "Row 2, column index: \"first\" is not a point number"},
        {0, 3.0f, "index,name\n3,A\n\n3,B", "Row 4, column index: point 3 is also in row 2"},
        {BaseModelRow, 3.0f, "index,frequency_khz\n1,400000",
         "Row 2, column frequency_khz: \"400000\" is out of range (474000.0 to 858000.0 KHz)"},
        {0, 3.0f, "index,frequency_khz\n1,858001", "Row 2, column frequency_khz: \"858001\" is out of range (170000.0 to 858000.0 KHz)"},
        {0, 3.0f, "index,frequency_khz\n1,6500O0", "Row 2, column frequency_khz: \"6500O0\" is not a number"},
        {0, 3.0f, "index,name\n1,ABCDEFGHI", "Row 2, column name: longer than 8 characters"},
        {0, 3.0f, "index,name\n1,CH \xCE\xA9", "Row 2, column name: \"\xCE\xA9\" is not in the instrument's character set"},
        {0, 3.0f, "index,fft\n1,4K", "Row 2, column fft: \"4K\" is not one of 2K, 8K"},
        {0, 3.0f, "index,guard\n1,1/8", "Row 2, column guard: fixed at 1/4 on this instrument"},
        {IsdbTModelRow, 3.0f, "index,bandwidth\n1,8 MHz", "Row 2, column bandwidth: fixed at 6 MHz on this instrument"},
        {0, 3.0f, "index,standard\n1,ISDB-T", "Row 2, column standard: \"ISDB-T\" is not one of DVB-T, DVB-T2"},
        {0, 3.0f, "index,name\n1,A,B", "Row 2: 3 cells for 2 columns"},
        {0, 3.0f, "index,name\n1,\"AB\n", "Row 2: a quotation mark is not closed"},
        {0, 3.0f, "index,name\n1,\xFF", "Row 2, column name: not UTF-8 text"},
        {0, 3.0f, "index,name,guard\n1,A,1/4\n2,B\xC3\n3,C", "Row 3, column name: not UTF-8 text"},
        {0, 3.0f, "index,n\xE4me\n1,A", "Row 1, column 2: not UTF-8 text"},
        {0, 3.0f, "index,name,,\n1,A,,B", "Row 2: 4 cells for 2 columns"},
    };
    for (const Case& c : cases) {
        Identity.Set(c.Model, c.Version);
        Profile.SetDefaults();
        const TPointsCsvResult read = ParsePointsCsv(c.Text, Profile);
        ASSERT_FALSE(read) << c.Text;
        EXPECT_EQ(read.Problem->Text(), c.Problem) << c.Text;
        EXPECT_TRUE(read.Changes.empty()) << c.Text;
    }
}

// Spreadsheets whose used range is wider than the list write empty header
// cells at the end as they do on every row.
TEST_F(PointsCsvTest, EmptyHeaderCellsAtTheEndAreNoColumns)
{
    Profile.SetDefaults();
    const TPointsCsvResult read = ParsePointsCsv("index,name,spectral_inversion,,\r\n2,WIDE,no,,\r\n", Profile);
    ASSERT_TRUE(read) << read.Problem->Text();
    ApplyPointChanges(Profile, read.Changes);
    EXPECT_STREQ(Profile.GetPointName(1), "WIDE    ");
}

// Whatever a point holds, its own export reads back; only what a file
// changes is held to the editor's checks.
TEST_F(PointsCsvTest, WhatAPointHoldsReadsBackUncheckedAndOnlyChangesAreChecked)
{
    Profile.SetDefaults();
    Profile.SetPointFreq(2, 0);
    Profile.SetPointName(3, "A\x01" "B\x7F");
    const TLineList before = Write();
    const TPointsCsvResult read = ParsePointsCsv(WritePointsCsv(Profile), Profile);
    ASSERT_TRUE(read) << read.Problem->Text();
    ApplyPointChanges(Profile, read.Changes);
    EXPECT_EQ(Write(), before);

    const std::pair<std::string, std::string> changes[] = {
        {"index,frequency_khz\n3,1", "Row 2, column frequency_khz: \"1\" is out of range (170000.0 to 858000.0 KHz)"},
        {"index,name\n4,A\x01" "C", "Row 2, column name: holds a control character"},
        {"index,frequency_khz\n4,0", "Row 2, column frequency_khz: \"0\" is out of range (170000.0 to 858000.0 KHz)"},
    };
    for (const auto& [text, problem] : changes) {
        const TPointsCsvResult refused = ParsePointsCsv(text, Profile);
        ASSERT_FALSE(refused) << text;
        EXPECT_EQ(refused.Problem->Text(), problem);
    }
}

}  // namespace
}  // namespace orvantis::test
