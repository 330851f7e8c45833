#include "Canvas.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>

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
    if (painter_) {
        QPen pen(ToQColor(penColor_));
        pen.setWidth(penWidth_);
        painter_->setPen(pen);
        const QPoint to(x, y);
        if (to != penPos_) {
            // Stop one pixel short of the end, as line drawing on the platform does.
            const QPoint d = to - penPos_;
            const QPoint step(d.x() == 0 ? 0 : (d.x() > 0 ? 1 : -1), d.y() == 0 ? 0 : (d.y() > 0 ? 1 : -1));
            painter_->drawLine(penPos_, to - step);
        }
    }
    penPos_ = QPoint(x, y);
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
