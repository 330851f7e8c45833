#include "AboutBanner.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <cmath>

namespace {

const QColor kBackground(0x00, 0x8A, 0xCC);
const QColor kAccent(0xFF, 0x6C, 0x37);
const QColor kPlateInk(0x1A, 0x23, 0x30);

void DrawPlate(QPainter& p)
{
    const QRectF plate(14, 26, 210, 62);
    p.setPen(QPen(kPlateInk, 4));
    p.setBrush(Qt::white);
    p.drawRoundedRect(plate, 9, 9);
    // The blue band of a plate's country strip.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x10, 0x3C, 0x9C));
    p.drawRoundedRect(QRectF(18, 30, 24, 54), 5, 5);
    p.setBrush(QColor(0xFF, 0xD5, 0x00));
    for (int i = 0; i < 6; ++i)
        p.drawEllipse(QPointF(30 + 6 * std::cos(i * 1.047), 46 + 6 * std::sin(i * 1.047)), 1.6, 1.6);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setBold(true);
    const QString text = QStringLiteral("HK 55 EVB");
    const QRectF field(46, 26, 172, 62);
    // The largest size that fits the plate with whatever font the system offers.
    for (int pixels = 34; pixels > 10; --pixels) {
        font.setPixelSize(pixels);
        if (QFontMetricsF(font).horizontalAdvance(text) <= field.width() - 8)
            break;
    }
    p.setFont(font);
    p.setPen(kPlateInk);
    p.drawText(field, Qt::AlignCenter, text);
}

// Two data lines idle high and pulse low, one for each bit: D0 for 0, D1 for 1.
void DrawWiegandLines(QPainter& p)
{
    const int bits[] = {0, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 0, 0, 1, 1, 1, 1, 0, 0, 0, 1, 0, 1, 0};
    const qreal left = 14, step = 13.6, high[2] = {112, 146}, depth = 16;
    QPainterPath lines[2];
    for (int line = 0; line < 2; ++line) {
        lines[line].moveTo(left, high[line]);
        for (int i = 0; i < 26; ++i) {
            const qreal x = left + i * step + 4;
            if (bits[i] == line) {
                lines[line].lineTo(x, high[line]);
                lines[line].lineTo(x, high[line] + depth);
                lines[line].lineTo(x + 5, high[line] + depth);
                lines[line].lineTo(x + 5, high[line]);
            }
        }
        lines[line].lineTo(left + 26 * step + 8, high[line]);
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Qt::white, 2.5, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    p.drawPath(lines[0]);
    p.setPen(QPen(kAccent, 2.5, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    p.drawPath(lines[1]);
}

// A card reader at the end of the line, with its signal arcs.
void DrawReader(QPainter& p)
{
    p.setPen(QPen(kPlateInk, 3));
    p.setBrush(QColor(0xE8, 0xEE, 0xF4));
    p.drawRoundedRect(QRectF(300, 14, 58, 84), 8, 8);
    p.setBrush(kAccent);
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(329, 80), 6, 6);
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 3; ++i) {
        p.setPen(QPen(i == 0 ? kAccent : kPlateInk, 3, Qt::SolidLine, Qt::RoundCap));
        const qreal r = 9 + 8 * i;
        p.drawArc(QRectF(329 - r, 48 - r, 2 * r, 2 * r), 45 * 16, 90 * 16);
    }
    // The arrow from plate to reader.
    p.setPen(QPen(Qt::white, 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(QPointF(238, 57), QPointF(284, 57));
    p.drawPolyline(QPolygonF({QPointF(274, 47), QPointF(286, 57), QPointF(274, 67)}));
}

} // namespace

QImage AboutBannerPicture()
{
    QImage canvas(388, 169, QImage::Format_ARGB32_Premultiplied);
    canvas.fill(kBackground);
    {
        QPainter p(&canvas);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::TextAntialiasing);
        DrawPlate(p);
        DrawWiegandLines(p);
        DrawReader(p);
    }
    return canvas.convertToFormat(QImage::Format_RGB888);
}
