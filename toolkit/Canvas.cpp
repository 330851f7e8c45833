#include "Canvas.h"

#include <QFontMetrics>
#include <QPainter>
#include <QImage>

#include <algorithm>
#include <cstdlib>
#include <vector>

void TCanvas::Attach(QPainter* painter)
{
    painter_ = painter;
}

void TCanvas::Detach()
{
    painter_ = nullptr;
}

void TCanvas::SetFont(const QFont& font)
{
    font_ = font;
}

void TCanvas::ApplyFont()
{
    if (painter_->font() != font_)
        painter_->setFont(font_);
    painter_->setPen(ToQColor(fontColor_));
}

void TCanvas::FillRect(const QRect& rect)
{
    if (painter_)
        painter_->fillRect(rect, ToQColor(brushColor_));
}

void TCanvas::TextOut(int x, int y, const QString& text)
{
    if (!painter_)
        return;
    ApplyFont();
    const QFontMetrics metrics(font_);
    painter_->drawText(x, y + metrics.ascent(), text);
}

void TCanvas::TextRect(const QRect& rect, int x, int y, const QString& text)
{
    if (!painter_)
        return;
    FillRect(rect);
    painter_->save();
    painter_->setClipRect(rect, Qt::IntersectClip);
    TextOut(x, y, text);
    painter_->restore();
}

void TCanvas::LineTo(int x, int y)
{
    const QPoint from = penPos_;
    const QPoint to(x, y);
    penPos_ = to;
    if (!painter_ || to == from)
        return;
    const QColor color = ToQColor(penColor_);
    if (penWidth_ > 1) {
        // A wide pen is the painter's, drawn to the end point itself.
        QPen pen(color);
        pen.setWidth(penWidth_);
        painter_->setPen(pen);
        painter_->drawLine(from, to);
        return;
    }
    const int dx = to.x() - from.x();
    const int dy = to.y() - from.y();
    const bool xMajor = std::abs(dx) >= std::abs(dy);
    const int steps = xMajor ? std::abs(dx) : std::abs(dy);
    const int minor = xMajor ? dy : dx;
    const int sign = (xMajor ? dx : dy) > 0 ? 1 : -1;
    painter_->save();
    painter_->setRenderHint(QPainter::Antialiasing, false);
    for (int i = 0; i < steps; ++i) {
        // The minor offset i * minor / steps rounded to nearest, ties down:
        // ceil((2 * i * minor - steps) / (2 * steps)).
        const long long num = 2LL * i * minor - steps;
        const long long den = 2LL * steps;
        const int offset = int(num >= 0 ? (num + den - 1) / den : -((-num) / den));
        const QPoint p = xMajor ? QPoint(from.x() + sign * i, from.y() + offset)
                                : QPoint(from.x() + offset, from.y() + sign * i);
        painter_->fillRect(QRect(p, QSize(1, 1)), color);
    }
    painter_->restore();
}

void TCanvas::Rectangle(const TRect& rect)
{
    if (!painter_ || rect.Width() <= 0 || rect.Height() <= 0)
        return;
    if (brushStyle_ == TBrushStyle::bsSolid)
        FillRect(rect.ToQRect());
    const QColor color = ToQColor(penColor_);
    const int w = std::min({std::max(penWidth_, 1), rect.Width(), rect.Height()});
    painter_->fillRect(TRect{rect.Left, rect.Top, rect.Right, rect.Top + w}.ToQRect(), color);
    painter_->fillRect(TRect{rect.Left, rect.Bottom - w, rect.Right, rect.Bottom}.ToQRect(), color);
    painter_->fillRect(TRect{rect.Left, rect.Top, rect.Left + w, rect.Bottom}.ToQRect(), color);
    painter_->fillRect(TRect{rect.Right - w, rect.Top, rect.Right, rect.Bottom}.ToQRect(), color);
}

void TCanvas::FloodFill(int x, int y, TColor border)
{
    if (!painter_)
        return;
    const auto* image = dynamic_cast<const QImage*>(painter_->device());
    if (!image || !image->rect().contains(x, y))
        return;
    const QRgb stop = ToQColor(border).rgb() | 0xFF000000u;
    auto open = [&](int px, int py) { return (image->pixel(px, py) | 0xFF000000u) != stop; };
    if (!open(x, y))
        return;
    const int w = image->width();
    const int h = image->height();
    std::vector<char> seen(std::size_t(w) * std::size_t(h), 0);
    std::vector<QPoint> todo{QPoint(x, y)};
    std::vector<QPoint> filled;
    seen[std::size_t(y) * w + x] = 1;
    while (!todo.empty()) {
        const QPoint p = todo.back();
        todo.pop_back();
        filled.push_back(p);
        for (const QPoint n : {p + QPoint(1, 0), p - QPoint(1, 0), p + QPoint(0, 1), p - QPoint(0, 1)}) {
            if (n.x() < 0 || n.y() < 0 || n.x() >= w || n.y() >= h)
                continue;
            char& mark = seen[std::size_t(n.y()) * w + n.x()];
            if (mark || !open(n.x(), n.y()))
                continue;
            mark = 1;
            todo.push_back(n);
        }
    }
    // The area is found first and painted afterwards, so the painter's own
    // pending drawing is not read half done.
    const QColor color = ToQColor(brushColor_);
    for (const QPoint& p : filled)
        painter_->fillRect(QRect(p, QSize(1, 1)), color);
}

int TCanvas::TextWidth(const QString& text) const
{
    return QFontMetrics(font_).horizontalAdvance(text);
}

int TCanvas::TextHeight(const QString& text) const
{
    Q_UNUSED(text);
    return QFontMetrics(font_).height();
}

int TCanvas::DrawText(const QString& text, QRect& rect, unsigned flags)
{
    int qtFlags = 0;
    qtFlags |= (flags & DT_RIGHT) ? Qt::AlignRight : (flags & DT_CENTER) ? Qt::AlignHCenter : Qt::AlignLeft;
    qtFlags |= (flags & DT_VCENTER) ? Qt::AlignVCenter : (flags & DT_BOTTOM) ? Qt::AlignBottom : Qt::AlignTop;
    if (flags & DT_WORDBREAK && !(flags & DT_SINGLELINE))
        qtFlags |= Qt::TextWordWrap;
    const QString shown = (flags & DT_SINGLELINE) ? QString(text).replace(QLatin1Char('\n'), QLatin1Char(' ')) : text;
    const QFontMetrics metrics(font_);
    if (flags & DT_CALCRECT) {
        const int width = (flags & DT_WORDBREAK) ? std::max(rect.width(), 1) : 1 << 20;
        const QRect needed = metrics.boundingRect(QRect(rect.left(), rect.top(), width, 1 << 20), qtFlags, shown);
        if (!(flags & DT_WORDBREAK))
            rect.setWidth(needed.width());
        rect.setHeight(needed.height());
        return needed.height();
    }
    if (!painter_)
        return 0;
    ApplyFont();
    painter_->save();
    painter_->setClipRect(rect, Qt::IntersectClip);
    QRect drawn;
    painter_->drawText(rect, qtFlags, shown, &drawn);
    painter_->restore();
    return drawn.height();
}
