#include "PrintLayout.h"

#include <algorithm>
#include <cmath>

namespace orvantis {

int LinePitch(double pointSize, int dotsPerInchY)
{
    const long pixels = std::lround(std::abs(pointSize * dotsPerInchY / 72.0));
    return static_cast<int>(static_cast<double>(pixels) * 1.4);
}

int BodyRows(int pageHeight, int linePitch)
{
    if (linePitch <= 0) return 5;
    return std::max(pageHeight / linePitch - 4, 5);
}

std::vector<TPrintedRow> PaginateRows(int lineCount, int lastRow)
{
    std::vector<TPrintedRow> rows;
    rows.reserve(static_cast<std::size_t>(std::max(lineCount, 0)));
    int page = 0;
    int row = 4;
    for (int i = 0; i < lineCount; ++i) {
        if (row == lastRow) {
            row = 4;
            ++page;
        } else {
            ++row;
        }
        rows.push_back({page, row});
    }
    return rows;
}

int PageCount(const std::vector<TPrintedRow>& rows)
{
    return rows.empty() ? 1 : rows.back().Page + 1;
}

TPageFrame PageFrame(int pageWidth, int pageHeight, int linePitch)
{
    const int left = 2 * linePitch;
    TPageFrame frame;
    frame.Header = QRect(QPoint(left, linePitch), QPoint(pageWidth - 1, 2 * linePitch - 1));
    frame.FooterBand = QRect(QPoint(left, pageHeight - 2 * linePitch), QPoint(pageWidth - 1, pageHeight - linePitch - 1));
    frame.FooterLineY = pageHeight - 2 * linePitch - 2;
    return frame;
}

}  // namespace orvantis
