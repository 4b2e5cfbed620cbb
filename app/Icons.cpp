// Icons drawn with QPainter on a 32-unit grid, so they need no image plugin
// and scale to any tool bar size. One palette, one stroke width.

#include "Icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <functional>

namespace orvantis {

namespace {

const QColor Ink(0x26, 0x32, 0x38);
const QColor Paper(0xFA, 0xFA, 0xF5);
const QColor Blue(0x1E, 0x6F, 0xC8);
const QColor Green(0x2E, 0x9D, 0x48);
const QColor Red(0xD0, 0x3B, 0x2F);
const QColor Amber(0xF0, 0xA8, 0x1C);
const QColor Grey(0x90, 0x98, 0xA0);

using TDraw = std::function<void(QPainter&)>;

QPen Stroke(const QColor& color, qreal width = 2.0)
{
    return QPen(color, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void Sheet(QPainter& p)
{
    p.setPen(Stroke(Ink));
    p.setBrush(Paper);
    QPainterPath page;
    page.moveTo(7, 3);
    page.lineTo(20, 3);
    page.lineTo(26, 9);
    page.lineTo(26, 29);
    page.lineTo(7, 29);
    page.closeSubpath();
    p.drawPath(page);
    p.drawPolyline(QPolygonF({QPointF(20, 3), QPointF(20, 9), QPointF(26, 9)}));
}

void Arrow(QPainter& p, QPointF from, QPointF to, const QColor& color)
{
    p.setPen(Stroke(color, 3));
    p.drawLine(from, to);
    const QLineF shaft(to, from);
    QLineF head1 = shaft, head2 = shaft;
    head1.setLength(7);
    head2.setLength(7);
    head1.setAngle(shaft.angle() + 40);
    head2.setAngle(shaft.angle() - 40);
    p.drawLine(head1);
    p.drawLine(head2);
}

// The instrument: a handheld analyser with a screen and keys.
void Instrument(QPainter& p, const QColor& screen)
{
    p.setPen(Stroke(Ink));
    p.setBrush(QColor(0x4A, 0x55, 0x5C));
    p.drawRoundedRect(QRectF(8, 2, 16, 28), 3, 3);
    p.setBrush(screen);
    p.setPen(Stroke(Ink, 1));
    p.drawRect(QRectF(11, 5, 10, 9));
    p.setBrush(Paper);
    for (int row = 0; row < 2; ++row)
        for (int col = 0; col < 3; ++col) p.drawEllipse(QRectF(11 + col * 3.6, 18 + row * 5, 2.6, 2.6));
}

void DrawExit(QPainter& p)
{
    p.setPen(Stroke(Ink));
    p.setBrush(QColor(0xE8, 0xE2, 0xD0));
    p.drawRect(QRectF(4, 3, 14, 26));
    Arrow(p, QPointF(13, 16), QPointF(29, 16), Red);
}

void DrawNew(QPainter& p)
{
    Sheet(p);
    p.setPen(Stroke(Amber, 2.5));
    p.drawLine(QPointF(12, 19), QPointF(22, 19));
    p.drawLine(QPointF(17, 14), QPointF(17, 24));
}

void DrawOpen(QPainter& p)
{
    p.setPen(Stroke(Ink));
    p.setBrush(Amber);
    QPainterPath folder;
    folder.moveTo(2, 8);
    folder.lineTo(11, 8);
    folder.lineTo(14, 11);
    folder.lineTo(27, 11);
    folder.lineTo(27, 27);
    folder.lineTo(2, 27);
    folder.closeSubpath();
    p.drawPath(folder);
    p.setBrush(QColor(0xF8, 0xD0, 0x6A));
    p.drawPolygon(QPolygonF({QPointF(6, 15), QPointF(31, 15), QPointF(27, 27), QPointF(2, 27)}));
}

void DrawSave(QPainter& p)
{
    p.setPen(Stroke(Ink));
    p.setBrush(Blue);
    p.drawRoundedRect(QRectF(4, 4, 24, 24), 2, 2);
    p.setBrush(Paper);
    p.drawRect(QRectF(9, 4, 14, 9));
    p.setBrush(QColor(0xDD, 0xE6, 0xEE));
    p.drawRect(QRectF(8, 18, 16, 10));
    p.setPen(Stroke(Ink, 1.5));
    p.drawLine(QPointF(19, 6), QPointF(19, 11));
}

void DrawPoints(QPainter& p)
{
    // A list of channels, each with a marker: the detection points.
    p.setPen(Stroke(Ink));
    p.setBrush(Paper);
    p.drawRoundedRect(QRectF(3, 4, 26, 24), 2, 2);
    for (int i = 0; i < 3; ++i) {
        const qreal y = 10 + i * 6.5;
        p.setPen(Qt::NoPen);
        p.setBrush(i == 0 ? Green : Blue);
        p.drawEllipse(QPointF(8.5, y), 2.3, 2.3);
        p.setPen(Stroke(Ink, 1.8));
        p.drawLine(QPointF(13, y), QPointF(25, y));
    }
}

void DrawConfig(QPainter& p)
{
    // Sliders: the configuration settings.
    p.setPen(Stroke(Ink));
    p.setBrush(Paper);
    p.drawRoundedRect(QRectF(3, 4, 26, 24), 2, 2);
    const qreal knobs[] = {19, 11, 16};
    for (int i = 0; i < 3; ++i) {
        const qreal y = 10 + i * 6.5;
        p.setPen(Stroke(Grey, 2));
        p.drawLine(QPointF(7, y), QPointF(25, y));
        p.setPen(Stroke(Ink, 1.2));
        p.setBrush(Amber);
        p.drawRect(QRectF(knobs[i] - 2, y - 2.8, 4, 5.6));
    }
}

void DrawMessages(QPainter& p)
{
    // A speech bubble with text lines: the display texts.
    p.setPen(Stroke(Ink));
    p.setBrush(Paper);
    QPainterPath bubble;
    bubble.addRoundedRect(QRectF(3, 4, 26, 18), 4, 4);
    QPainterPath tail;
    tail.moveTo(9, 21);
    tail.lineTo(8, 28);
    tail.lineTo(15, 21);
    p.drawPath(bubble.united(tail));
    p.setPen(Stroke(Blue, 2));
    p.drawLine(QPointF(8, 10), QPointF(24, 10));
    p.drawLine(QPointF(8, 15), QPointF(19, 15));
}

void DrawEditor(QPainter& p)
{
    Sheet(p);
    p.setPen(Stroke(Grey, 1.5));
    for (int i = 0; i < 3; ++i) p.drawLine(QPointF(10, 13 + i * 4), QPointF(22, 13 + i * 4));
    p.setPen(Stroke(Ink, 1.2));
    p.setBrush(Amber);
    p.drawPolygon(QPolygonF({QPointF(26, 14), QPointF(30, 18), QPointF(19, 29), QPointF(15, 29), QPointF(15, 25)}));
}

void DrawTerminal(QPainter& p)
{
    p.setPen(Stroke(Ink));
    p.setBrush(QColor(0x10, 0x18, 0x20));
    p.drawRoundedRect(QRectF(2, 5, 28, 22), 2, 2);
    p.setPen(Stroke(Green, 2.2));
    p.drawPolyline(QPolygonF({QPointF(7, 11), QPointF(12, 16), QPointF(7, 21)}));
    p.drawLine(QPointF(15, 21), QPointF(23, 21));
}

void DrawSend(QPainter& p)
{
    Instrument(p, QColor(0x9C, 0xD8, 0xA8));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QRectF(0, 14, 14, 14));
    Arrow(p, QPointF(1, 21), QPointF(12, 21), Green);
}

void DrawReceive(QPainter& p)
{
    Instrument(p, QColor(0x9C, 0xC8, 0xE8));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QRectF(0, 14, 14, 14));
    Arrow(p, QPointF(12, 21), QPointF(1, 21), Blue);
}

void DrawAbout(QPainter& p)
{
    p.setPen(Stroke(Ink));
    p.setBrush(Blue);
    p.drawEllipse(QRectF(3, 3, 26, 26));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(16, 9.5), 2.2, 2.2);
    p.drawRoundedRect(QRectF(14, 13.5, 4, 11), 1.5, 1.5);
}

void DrawMonitor(QPainter& p)
{
    p.setPen(Stroke(Ink));
    p.setBrush(QColor(0x10, 0x18, 0x20));
    p.drawRoundedRect(QRectF(2, 4, 28, 19), 2, 2);
    p.setBrush(Grey);
    p.drawRect(QRectF(12, 23, 8, 4));
    p.drawLine(QPointF(8, 28), QPointF(24, 28));
    p.setPen(Stroke(Amber, 1.8));
    p.drawPolyline(QPolygonF({QPointF(5, 17), QPointF(10, 17), QPointF(13, 8), QPointF(17, 20), QPointF(20, 13),
                              QPointF(27, 13)}));
}

void DrawDetect(QPainter& p, bool found)
{
    // A plug: grey and unlinked until the instrument answers.
    const QColor body = found ? Green : Grey;
    p.setPen(Stroke(Ink));
    p.setBrush(body);
    p.drawRoundedRect(QRectF(3, 10, 14, 12), 2, 2);
    p.setPen(Stroke(Ink, 2.5));
    p.drawLine(QPointF(17, 13), QPointF(23, 13));
    p.drawLine(QPointF(17, 19), QPointF(23, 19));
    p.setPen(Stroke(body, 2.5));
    p.drawLine(QPointF(3, 16), QPointF(0, 16));
    if (found) {
        p.setPen(Stroke(Green, 2.5));
        p.drawPolyline(QPolygonF({QPointF(21, 26), QPointF(24, 29), QPointF(31, 22)}));
    } else {
        p.setPen(Stroke(Red, 2.5));
        p.drawLine(QPointF(23, 23), QPointF(30, 30));
        p.drawLine(QPointF(30, 23), QPointF(23, 30));
    }
}

TDraw Drawer(int index)
{
    switch (index) {
    case ImageExit: return DrawExit;
    case ImageNew: return DrawNew;
    case ImageOpen: return DrawOpen;
    case ImageSave: return DrawSave;
    case ImagePoints: return DrawPoints;
    case ImageConfig: return DrawConfig;
    case ImageMessages: return DrawMessages;
    case ImageEditor: return DrawEditor;
    case ImageTerminal: return DrawTerminal;
    case ImageSend: return DrawSend;
    case ImageReceive: return DrawReceive;
    case ImageAbout: return DrawAbout;
    case ImageMonitor: return DrawMonitor;
    case ImageDetectNotFound: return [](QPainter& p) { DrawDetect(p, false); };
    case ImageDetectFound: return [](QPainter& p) { DrawDetect(p, true); };
    default: return nullptr;
    }
}

QPixmap Render(const TDraw& draw, int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 32.0, size / 32.0);
    draw(p);
    return pixmap;
}

}  // namespace

QIcon ProgramImage(int index)
{
    const TDraw draw = Drawer(index);
    if (!draw) return {};
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64}) icon.addPixmap(Render(draw, size));
    return icon;
}

QIcon ProgramIcon()
{
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256}) icon.addPixmap(Render([](QPainter& p) { Instrument(p, QColor(0x9C, 0xD8, 0xA8)); }, size));
    return icon;
}

}  // namespace orvantis
