// Project text as lines: splitting file bytes, then the record line grammar:
// comments, tokens and their delimiters, case, and the one kind of line that
// is rejected.

#include "ProfileFixture.h"
#include "ProjectLines.h"

namespace orvantis::test {
namespace {

using namespace std::string_literals;

TEST(SplitLinesTest, CrLfLfAndCrAloneEachEndALine)
{
    EXPECT_EQ(SplitLines("a\r\nb\nc\rd"), (TLineList{"a", "b", "c", "d"}));
    EXPECT_EQ(SplitLines("a\n\rb"), (TLineList{"a", "", "b"}));
    EXPECT_EQ(SplitLines("\r\n\r\n"), (TLineList{"", ""}));
    EXPECT_EQ(SplitLines("\r\r\n\n"), (TLineList{"", "", ""}));
    EXPECT_EQ(SplitLines("last\r"), (TLineList{"last"}));
    EXPECT_EQ(SplitLines("no line end"), (TLineList{"no line end"}));
    EXPECT_EQ(SplitLines(""), TLineList{});
}

TEST(SplitLinesTest, EveryOtherByteIsKept)
{
    EXPECT_EQ(SplitLines("\0\xFF\t\r\n\x80 \0"s), (TLineList{"\0\xFF\t"s, "\x80 \0"s}));
}

// Band 3 from 100 MHz to 200 MHz: easy to see whether a line was applied.
constexpr const char* Band3 = "*E2P0F3000E1F50500C2EB0B0107004102";

struct LineCase {
    std::string Line;
    bool Accepted;
    bool Applied;
};

class ParseLineTest : public ProfileTest {
protected:
    void Check(const std::vector<LineCase>& cases)
    {
        for (const LineCase& c : cases) {
            Profile.SetDefaults();
            SCOPED_TRACE("line \"" + c.Line + "\"");
            EXPECT_EQ(Profile.ParseLine(c.Line), c.Accepted);
            EXPECT_EQ(Profile.GetBandStart(3), c.Applied ? 100000000u : 306000000u);
        }
    }
    static std::string With(const std::string& before, const std::string& after = "")
    {
        return before + Band3 + after;
    }
};

TEST_F(ParseLineTest, EmptyLinesAndCommentsAreAcceptedWithoutEffect)
{
    Check({{"", true, false},
           {"   ", true, false},
           {"\t \t", true, false},
           {"#", true, false},
           {"# send", true, false},
           {With("  \t#send "), true, false},
           {"##########################################################", true, false}});
}

TEST_F(ParseLineTest, TheKeywordAloneOrWithOnlyACommentIsRejected)
{
    Check({{"send", false, false},
           {"SEND", false, false},
           {"  send  ", false, false},
           {"\tsend\t", false, false},
           {"send\r", false, false},
           {"send    # SFN CH66", false, false},
           {"send #", false, false},
           {With("send #"), false, false},
           {"send(", false, false},
           {"send ( , ) ,", false, false},
           {"send (#)", false, false}});
}

TEST_F(ParseLineTest, RecordsAreReadWhateverTheCaseAndTheDelimitersAroundThem)
{
    Check({{With("send "), true, true},
           {With("SEND "), true, true},
           {"SeNd *e2p0f3000e1f50500c2eb0b0107004102", true, true},
           {With("  \tsend\t\t"), true, true},
           {With("send(", ")"), true, true},
           {With("send ( ,, (", ") , ) # comment"), true, true},
           {With("send ", "    #comment"), true, true},
           {With("send ", "\r"), true, true},
           {With("send ", ",trailing words"), true, true},
           {With("(send ", ")"), true, true}});
}

TEST_F(ParseLineTest, OtherFirstWordsAndOtherCommandsChangeNothing)
{
    Check({{With("send,"), true, false},
           {With("send)"), true, false},
           {With("sendx "), true, false},
           {With("transmit "), true, false},
           {With("se nd "), true, false},
           {With("echo send "), true, false},
           {"send *RST", true, false},
           {"send *?E2P0F3010", true, false},
           {"send E2P0F3000E1F50500C2EB0B0107004102", true, false},
           {"send *E2Q0F3000E1F50500C2EB0B0107004102", true, false}});
}

TEST_F(ParseLineTest, TheLineEndsAtItsFirstLineFeedOrNul)
{
    Check({{With("send ", "\nsend"), true, true},
           {With("send\n "), false, false},
           {With("# \n send "), true, false},
           {"\n" + With("send "), true, false},
           {With(std::string("send\0 ", 6)), false, false},
           {With(std::string("\0send ", 6)), true, false}});
    // Data ends at a NUL: what follows is not read.
    Profile.SetDefaults();
    EXPECT_TRUE(Profile.ParseLine(std::string("send *E2P0F3000E1F505\0" "00C2EB0B0107004102", 40)));
    EXPECT_EQ(Profile.GetBandStart(3), 100000000u);
    EXPECT_EQ(Profile.GetBandEnd(3), 0u);
}

TEST_F(ParseLineTest, ACommandWithoutAFullAddressIsIgnored)
{
    Check({{"send *E2P", true, false}, {"send *E2P0F3", true, false}, {"send *e2p0", true, false}});
    // Four address digits and no data: the band handler sees an empty record,
    // which reads as an erased slot.
    Profile.SetDefaults();
    Profile.SetBandStart(1, 5);
    EXPECT_TRUE(Profile.ParseLine("send *E2P0F10"));
    EXPECT_EQ(Profile.GetBandStart(1), 177500000u);
}

TEST_F(ParseLineTest, TheAddressIsFourHexDigitsAndTheDataEverythingAfterThem)
{
    Profile.SetDefaults();
    EXPECT_TRUE(Profile.ParseLine("send *E2P1f00" "0102030405060708090A0B0C0D0E06"));
    EXPECT_EQ(Profile.GetPointIndex(), 1);
    EXPECT_EQ(Profile.GetMinDetLev(), 0x0605);
    EXPECT_EQ(Profile.ConfigRecord().ConfigBw, 6);
    // A non-hex character in the address ends its number: "1G00" reads as 1,
    // a message address that does not exist.
    Profile.SetDefaults();
    EXPECT_TRUE(Profile.ParseLine("send *E2P1G00" "0102030405060708090A0B0C0D0E06"));
    EXPECT_EQ(Profile.GetPointIndex(), 0);
}

}  // namespace
}  // namespace orvantis::test
