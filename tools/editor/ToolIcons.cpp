#include "ToolIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace orvantis {

namespace {

void DrawPage(QPainter& p)
{
    QPainterPath page;
    page.moveTo(4, 1.5);
    page.lineTo(11, 1.5);
    page.lineTo(14.5, 5);
    page.lineTo(14.5, 16.5);
    page.lineTo(4, 16.5);
    page.closeSubpath();
    p.setBrush(Qt::white);
    p.drawPath(page);
    p.drawLine(QPointF(11, 1.5), QPointF(11, 5));
    p.drawLine(QPointF(11, 5), QPointF(14.5, 5));
}

void Draw(QPainter& p, TToolIcon which, bool enabled)
{
    const QColor ink = enabled ? QColor(30, 30, 30) : QColor(150, 150, 150);
    const auto colour = [enabled](QColor c) { return enabled ? c : QColor(200, 200, 200); };
    p.setPen(QPen(ink, 1));
    switch (which) {
    case TToolIcon::Exit:  // a door with an arrow leaving it
        p.setBrush(colour(QColor(160, 110, 60)));
        p.drawRect(QRectF(2.5, 1.5, 8, 15));
        p.setPen(QPen(colour(QColor(200, 0, 0)), 2));
        p.drawLine(QPointF(8, 9), QPointF(16, 9));
        p.drawLine(QPointF(13, 6), QPointF(16, 9));
        p.drawLine(QPointF(13, 12), QPointF(16, 9));
        break;
    case TToolIcon::New:
        DrawPage(p);
        break;
    case TToolIcon::Open:  // a folder
        p.setBrush(colour(QColor(230, 190, 80)));
        p.drawRect(QRectF(1.5, 4.5, 15, 11));
        p.drawRect(QRectF(1.5, 2.5, 6, 2));
        break;
    case TToolIcon::Save:  // a diskette
        p.setBrush(colour(QColor(40, 70, 160)));
        p.drawRect(QRectF(1.5, 1.5, 15, 15));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(4.5, 1.5, 9, 6));
        p.setBrush(colour(QColor(180, 180, 180)));
        p.drawRect(QRectF(4.5, 10.5, 9, 6));
        break;
    case TToolIcon::Search:  // a magnifier
        p.setPen(QPen(ink, 2));
        p.setBrush(colour(QColor(200, 230, 255)));
        p.drawEllipse(QPointF(7, 7), 5, 5);
        p.setPen(QPen(ink, 3, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(11, 11), QPointF(16, 16));
        break;
    case TToolIcon::Print:  // a printer with a sheet
        p.setBrush(Qt::white);
        p.drawRect(QRectF(4.5, 1.5, 9, 6));
        p.setBrush(colour(QColor(170, 170, 170)));
        p.drawRect(QRectF(1.5, 7.5, 15, 6));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(4.5, 11.5, 9, 5));
        p.setPen(Qt::NoPen);
        p.setBrush(colour(QColor(0, 170, 0)));
        p.drawRect(QRectF(13, 9, 2, 2));
        break;
    }
}

QPixmap Picture(TToolIcon which, bool enabled)
{
    QPixmap pixmap(18, 18);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    Draw(p, which, enabled);
    return pixmap;
}

}  // namespace

QIcon ToolIcon(TToolIcon which)
{
    QIcon icon;
    icon.addPixmap(Picture(which, true), QIcon::Normal);
    icon.addPixmap(Picture(which, false), QIcon::Disabled);
    return icon;
}

}  // namespace orvantis
