// The project text the model writes: header, sections, record lines byte for
// byte, and the end line.

#include "ProfileFixture.h"
#include "ProgramInfo.h"

#include <algorithm>

namespace orvantis::test {
namespace {

using WriteProjectTest = ProfileTest;

// Compares with a file built from the instrument's tables; line 4 carries
// the program's notice, whatever its wording.
void ExpectGolden(const TLineList& written, const std::string& golden)
{
    const TLineList expected = GoldenLines(golden);
    ASSERT_EQ(written.size(), expected.size()) << golden;
    for (std::size_t i = 0; i < expected.size(); ++i) {
        if (i == 3)
            EXPECT_EQ(written[i], std::string("# ") + ProgramNotice);
        else
            EXPECT_EQ(written[i], expected[i]) << golden << " line " << i + 1;
    }
}

TEST_F(WriteProjectTest, TheFourExampleLinesOfTheDefaults)
{
    Profile.SetDefaults();
    const TLineList text = Write();
    auto has = [&](const std::string& line) { return std::find(text.begin(), text.end(), line) != text.end(); };
    EXPECT_TRUE(has("send *E2P1F00000300000A00D20001000002020208"));
    EXPECT_TRUE(has("send *E2P0F0080AA401C800A24330108004315"));
    EXPECT_TRUE(has("send *E2P00D34E45543A00    #NET:"));
    EXPECT_TRUE(has("send *E2P0800D0B90C000001080000FFFF0053464E2043483636    #SFN CH66"));
}

TEST_F(WriteProjectTest, AWholeStandardProjectHas122Lines)
{
    Profile.SetDefaults();
    ExpectGolden(Write("C:\\Projects\\standard50.pro"), "standard50.pro");
}

TEST_F(WriteProjectTest, AWholeIsdbTProject)
{
    UseIsdbT();
    Profile.SetDefaults();
    ExpectGolden(Write("C:\\Projects\\isdbt50.pro"), "isdbt50.pro");
}

TEST_F(WriteProjectTest, TheOldBaseModelGets88LinesWith16Points)
{
    UseBaseModel();
    Profile.SetDefaults();
    ExpectGolden(Write("C:\\Projects\\base16.pro"), "base16.pro");
}

TEST_F(WriteProjectTest, ThePointCountIsAskedAtEveryWrite)
{
    Profile.SetDefaults();
    UseBaseModel();
    EXPECT_EQ(Write().size(), 88u);
    Identity.Set(BaseModelRow, 3.0f);
    const TLineList text = Write();
    ASSERT_EQ(text.size(), 122u);
    EXPECT_EQ(text[62].substr(0, 13), "send *E2P0BD4");  // point 49, from the first defaults
    EXPECT_EQ(text[63], "# Text messages data:");
}

TEST_F(WriteProjectTest, HeaderAndEndLineCarryTheFileNameAsGiven)
{
    Profile.SetDefaults();
    const TLineList text = Write("/home/tech/site 7/Über.pro");
    EXPECT_EQ(text[1], "# /home/tech/site 7/Über.pro created at " + std::string(FixedTime));
    EXPECT_EQ(text[2], "# by ORVANTIS+ (v5.00 - r003)");
    EXPECT_EQ(text.back(), "# End of file /home/tech/site 7/Über.pro");

    const TLineList unnamed = Write("");
    EXPECT_EQ(unnamed[1], "#  created at " + std::string(FixedTime));
    EXPECT_EQ(unnamed.back(), "# End of file ");
}

TEST_F(WriteProjectTest, ALastIndexBeyondThePointsInUseIsLoweredInTheModelToo)
{
    Profile.SetDefaults();
    UseBaseModel();
    Profile.SetLastIndex(40);
    TLineList text = Write();
    EXPECT_EQ(Profile.GetLastIndex(), 15);
    EXPECT_EQ(text[6], "send *E2P1F00000F00000A00D20001000002020208");

    Identity.Set(0, 3.0f);
    for (const auto& [set, kept] : std::vector<std::pair<int, int>>{{16, 16}, {49, 49}, {50, 49}, {255, 49}}) {
        Profile.SetLastIndex(static_cast<std::uint8_t>(set));
        Write();
        EXPECT_EQ(Profile.GetLastIndex(), kept) << set;
    }
}

TEST_F(WriteProjectTest, MessageAddressesFollowTheTableNotTheTexts)
{
    Profile.SetDefaults();
    Profile.SetMessageText(0, "ABCD");
    Profile.SetMessageText(1, "");
    Profile.SetMessageText(10, "123456789012345678901");
    const TLineList text = Write();
    EXPECT_EQ(text[64], "send *E2P000D4142434400    #ABCD");
    EXPECT_EQ(text[65], "send *E2P002000    #");
    EXPECT_EQ(text[74], "send *E2P00B2" + HexOf("123456789012345678901") + "00    #123456789012345678901");
    for (int i = 0; i < MessageCount; ++i) {
        char address[5];
        std::snprintf(address, sizeof address, "%04X", ExpectedMessages[i].Address);
        EXPECT_EQ(text[64 + i].substr(9, 4), address) << i;
    }
}

TEST_F(WriteProjectTest, HexIsUpperCaseAndFieldsAreLittleEndian)
{
    Profile.SetDefaults();
    Profile.ParseRecord(0x1F00, "ab01ef01cdabefbe0102030405ff07");
    Profile.SetPointFreq(1, 0xABCDEF12);
    Profile.ParseRecord(0x0F30, "efbeadde0df0adba0afb0c5a0d");
    const TLineList text = Write();
    EXPECT_EQ(text[6], "send *E2P1F00AB01EF01CDABEFBE0102030405FF07");
    EXPECT_EQ(text[11], "send *E2P0F30EFBEADDE0DF0ADBA0AFB0C5A0D");
    EXPECT_EQ(text[14].substr(0, 21), "send *E2P081412EFCDAB");
    EXPECT_EQ(Profile.GetMinDetLev(), 0xABCD);
}

TEST_F(WriteProjectTest, ControlCharactersNeverSplitALine)
{
    Profile.SetDefaults();
    Profile.SetPointName(2, std::string("A\rB\nC\x01\x1F\x7F", 8));
    Profile.SetMessageText(12, "\r\n\t\xC9");
    const TLineList text = Write("evil\r\nname.pro");
    ASSERT_EQ(text.size(), 122u);
    for (const std::string& line : text) EXPECT_EQ(line.find_first_of("\r\n"), std::string::npos) << line;
    EXPECT_EQ(text[15], "send *E2P0828" "50F80C00" "0001080000FFFF00" "410D420A43011F7F    #A.B.C..\x7F");
    EXPECT_EQ(text[76], "send *E2P00D30D0A09C900    #...\xC9");
    EXPECT_EQ(text.back(), "# End of file evil..name.pro");

    // The digits hold the real bytes: loading gives them back.
    Lines = text;
    Profile.LoadFromLines();
    EXPECT_EQ(std::string(Profile.GetPointName(2)), std::string("A\rB\nC\x01\x1F\x7F", 8));
    EXPECT_STREQ(Profile.GetMessageText(12), "\r\n\t\xC9");
}

TEST_F(WriteProjectTest, APointNameWritesAllEightBytesButItsCommentStopsAtTheTerminator)
{
    Profile.SetDefaults();
    Profile.SetPointName(0, "ABCDEFGH");
    Profile.ParseRecord(0x0800, std::string("FFFFFFFF") + std::string(32, '0'));
    const TLineList text = Write();
    EXPECT_EQ(text[13], "send *E2P0800D0B90C000001080000FFFF00" "4348363600464748    #CH66");
}

TEST_F(WriteProjectTest, ANullListChangesNothingAndAGivenListIsEmptiedAndKept)
{
    Profile.SetDefaults();
    Lines = {"keep me"};
    Profile.WriteProject(nullptr, "x.pro", FixedTime);
    EXPECT_EQ(Lines, TLineList{"keep me"});

    TLineList other{"old line 1", "old line 2"};
    Profile.WriteProject(&other, "x.pro", FixedTime);
    EXPECT_EQ(other.size(), 122u);
    EXPECT_EQ(other.front(), std::string(58, '#'));
    EXPECT_EQ(Lines, TLineList{"keep me"});
    // The model now reads the list it wrote.
    other[6] = "send *E2P1F00010300000A00D20001000002020208";
    EXPECT_TRUE(Profile.LoadFromLines());
    EXPECT_EQ(Profile.GetPointIndex(), 1);
}

TEST_F(WriteProjectTest, AModelNeverGivenDefaultsStillWritesAWholeProject)
{
    const TLineList text = Write();
    ASSERT_EQ(text.size(), 122u);
    EXPECT_EQ(text[6], "send *E2P1F00" + std::string(30, '0'));
    EXPECT_EQ(text[13], "send *E2P0800" + std::string(40, '0') + "    #");
    EXPECT_EQ(text[64], "send *E2P000D00    #");
    // Even then every message keeps its own address.
    for (int i = 0; i < MessageCount; ++i) {
        char line[32];
        std::snprintf(line, sizeof line, "send *E2P%04X00    #", ExpectedMessages[i].Address);
        EXPECT_EQ(text[64 + i], line);
    }
}

}  // namespace
}  // namespace orvantis::test
