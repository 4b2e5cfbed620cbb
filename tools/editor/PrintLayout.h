#pragma once
// Where the editor's printout puts things, in printer pixels: the line pitch,
// the rows of a page, the header and footer, and which page and row each
// text line goes to. Pure arithmetic, so it can be checked line by line.

#include <QRect>

#include <vector>

namespace orvantis {

// The font's size in pixels (points at the vertical resolution, rounded,
// positive), widened by 1.4 and truncated.
int LinePitch(double pointSize, int dotsPerInchY);
// The last body row of a page: the page's rows less four. A page too short for
// that still takes one line, so printing always moves forward.
int BodyRows(int pageHeight, int linePitch);

struct TPrintedRow {
    int Page = 0;  // 0-based
    int Row = 0;   // the line is printed at y = Row * pitch
    bool operator==(const TPrintedRow&) const = default;
};
// Rows 5 to lastRow on the first page (under the header), 4 to lastRow after.
std::vector<TPrintedRow> PaginateRows(int lineCount, int lastRow);
int PageCount(const std::vector<TPrintedRow>& rows);

struct TPageFrame {
    QRect Header;     // first page only, framed in blue
    QRect FooterBand; // "Page n" centred in it
    int FooterLineY;  // the rule above the footer, from Header.left() to the page's width
};
TPageFrame PageFrame(int pageWidth, int pageHeight, int linePitch);

}  // namespace orvantis
