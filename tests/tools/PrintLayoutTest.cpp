// The printout's arithmetic: line pitch, rows, pages, header and footer.

#include "PrintLayout.h"

#include <gtest/gtest.h>

namespace orvantis {
namespace {

TEST(PrintLayoutTest, LinePitchIsTheFontHeightInPixelsWidenedAndTruncated)
{
    EXPECT_EQ(LinePitch(8, 72), 11);     // 8 px * 1.4 = 11.2
    EXPECT_EQ(LinePitch(8, 300), 46);    // 33.3 -> 33 px * 1.4 = 46.2
    EXPECT_EQ(LinePitch(8, 600), 93);    // 66.7 -> 67 px * 1.4 = 93.8
    EXPECT_EQ(LinePitch(8, 1200), 186);  // 133.3 -> 133 px * 1.4 = 186.2
    EXPECT_EQ(LinePitch(-8, 600), 93) << "taken as positive";
    EXPECT_EQ(LinePitch(10, 96), 18);    // 13.3 -> 13 px * 1.4 = 18.2
}

TEST(PrintLayoutTest, BodyRowsArePageRowsLessFourButAtLeastOneLine)
{
    EXPECT_EQ(BodyRows(132, 11), 8);
    EXPECT_EQ(BodyRows(142, 11), 8);  // 12 whole rows
    EXPECT_EQ(BodyRows(143, 11), 9);
    EXPECT_EQ(BodyRows(14031, 186), 71);
    EXPECT_EQ(BodyRows(50, 11), 5) << "a tiny page still takes a line";
    EXPECT_EQ(BodyRows(50, 0), 5);
}

TEST(PrintLayoutTest, FirstPageHoldsRowsFiveToNLaterPagesFourToN)
{
    const std::vector<TPrintedRow> rows = PaginateRows(14, 8);
    const std::vector<TPrintedRow> expected = {
        {0, 5}, {0, 6}, {0, 7}, {0, 8},          // N - 4 lines under the header
        {1, 4}, {1, 5}, {1, 6}, {1, 7}, {1, 8},  // N - 3 lines on later pages
        {2, 4}, {2, 5}, {2, 6}, {2, 7}, {2, 8},
    };
    EXPECT_EQ(rows, expected);
    EXPECT_EQ(PageCount(rows), 3);
}

TEST(PrintLayoutTest, ExactlyNMinusFourLinesFitOnOnePage)
{
    for (const int n : {5, 8, 71}) {
        EXPECT_EQ(PageCount(PaginateRows(n - 4, n)), 1) << n;
        const std::vector<TPrintedRow> more = PaginateRows(n - 3, n);
        EXPECT_EQ(PageCount(more), 2) << n;
        EXPECT_EQ(more.back(), (TPrintedRow{1, 4})) << n;
    }
    EXPECT_EQ(PageCount(PaginateRows(0, 8)), 1) << "an empty text still prints a page";
}

TEST(PrintLayoutTest, HeaderAndFooterSitWhereThePageFrameSays)
{
    const TPageFrame frame = PageFrame(300, 132, 11);
    EXPECT_EQ(frame.Header, QRect(22, 11, 278, 11));      // x 2L to the width, y L to 2L
    EXPECT_EQ(frame.FooterBand, QRect(22, 110, 278, 11)); // y height - 2L to height - L
    EXPECT_EQ(frame.FooterLineY, 108);
}

}  // namespace
}  // namespace orvantis
