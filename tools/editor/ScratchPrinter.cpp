#include "ScratchPrinter.h"

#include "PrintLayout.h"

#include <QCoreApplication>
#include <QPagedPaintDevice>
#include <QPainter>

namespace orvantis {

namespace {

void PrintFooter(QPainter& painter, const TPageFrame& frame, int pageWidth, int pageNumber)
{
    painter.setPen(Qt::black);
    painter.drawText(frame.FooterBand, Qt::AlignHCenter | Qt::AlignTop | Qt::TextDontClip,
                     QCoreApplication::translate("orvantis::TScratchPad", "Page %1").arg(pageNumber));
    painter.drawLine(frame.Header.left(), frame.FooterLineY, pageWidth, frame.FooterLineY);
}

}  // namespace

bool PrintScratchText(QPagedPaintDevice& printer, const QStringList& lines, const QString& fileName, const QFont& font)
{
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    painter.setFont(font);  // in points: the device scales it to its resolution

    const int width = printer.width();
    const int height = printer.height();
    const int pitch = LinePitch(font.pointSizeF(), printer.logicalDpiY());
    const TPageFrame frame = PageFrame(width, height, pitch);
    const std::vector<TPrintedRow> rows = PaginateRows(static_cast<int>(lines.size()), BodyRows(height, pitch));

    painter.setPen(Qt::black);
    painter.drawText(frame.Header, Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip,
                     QCoreApplication::translate("orvantis::TScratchPad", "Tools Editor: %1").arg(fileName));
    painter.setPen(QPen(Qt::blue, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(frame.Header.adjusted(0, 0, -1, -1));  // on the rectangle's border pixels

    int page = 0;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const TPrintedRow& at = rows[static_cast<std::size_t>(i)];
        if (at.Page != page) {
            PrintFooter(painter, frame, width, page + 1);
            printer.newPage();
            page = at.Page;
        }
        painter.setPen(Qt::black);
        // Unclipped and unwrapped: a long line runs off the page.
        painter.drawText(QRect(frame.Header.left(), at.Row * pitch, width, pitch),
                         Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip | Qt::TextSingleLine | Qt::TextExpandTabs,
                         lines[i]);
    }
    PrintFooter(painter, frame, width, page + 1);
    return painter.end();
}

}  // namespace orvantis
