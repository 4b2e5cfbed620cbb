#include "ProgramPicture.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace orvantis {

QPixmap ProgramPicture(int width, int height)
{
    QPixmap picture(width, height);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(width / 110.0, height / 66.0);

    // Body with its handle on the left.
    QLinearGradient body(0, 0, 0, 66);
    body.setColorAt(0, QColor(90, 98, 112));
    body.setColorAt(1, QColor(38, 42, 52));
    p.setPen(QPen(QColor(20, 22, 28), 1));
    p.setBrush(body);
    p.drawRoundedRect(QRectF(2, 3, 106, 60), 9, 9);

    // Screen with a channel spectrum.
    const QRectF screen(10, 10, 60, 40);
    p.setBrush(QColor(0, 0, 96));
    p.setPen(QPen(QColor(12, 12, 20), 1.5));
    p.drawRoundedRect(screen, 2, 2);
    p.setPen(QPen(QColor(0, 70, 150), 0.6));
    for (int i = 1; i < 4; ++i) p.drawLine(QPointF(screen.left() + 1, screen.top() + i * 10),
                                           QPointF(screen.right() - 1, screen.top() + i * 10));
    QPainterPath spectrum;
    for (int x = 0; x <= 56; ++x) {
        const double u = (x - 28) / 14.0;
        const double level = 30.0 / (1.0 + std::pow(std::abs(u), 8)) + 2.0 + ((x * 7) % 5) * 0.5;
        const QPointF point(screen.left() + 2 + x, screen.bottom() - 3 - level);
        x == 0 ? spectrum.moveTo(point) : spectrum.lineTo(point);
    }
    p.setPen(QPen(QColor(255, 255, 0), 1.2));
    p.drawPath(spectrum);

    // Keypad.
    p.setPen(QPen(QColor(15, 15, 20), 0.8));
    for (int row = 0; row < 4; ++row)
        for (int col = 0; col < 3; ++col) {
            p.setBrush(row == 0 && col == 2 ? QColor(200, 40, 40) : QColor(200, 204, 212));
            p.drawRoundedRect(QRectF(76 + col * 10, 12 + row * 10, 7, 6), 1.5, 1.5);
        }
    p.setBrush(QColor(60, 180, 80));
    p.drawEllipse(QPointF(86, 56), 3, 3);
    return picture;
}

}  // namespace orvantis
