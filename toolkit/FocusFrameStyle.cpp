#include "FocusFrameStyle.h"

#include <QPainter>
#include <QStyleOption>

namespace {

void DrawFocusFrame(QPainter* painter, const QRect& rect, const QColor& color)
{
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, false);
    painter->setBrush(Qt::NoBrush);
    painter->setPen(QPen(color, 1, Qt::DotLine));
    painter->drawRect(rect.adjusted(0, 0, -1, -1));
    painter->restore();
}

} // namespace

void TFocusFrameStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                                     const QWidget* widget) const
{
    if (element == PE_FrameFocusRect) {
        DrawFocusFrame(painter, option->rect, option->palette.color(QPalette::WindowText));
        return;
    }
    QProxyStyle::drawPrimitive(element, option, painter, widget);
}

void TFocusFrameStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                                   const QWidget* widget) const
{
    QProxyStyle::drawControl(element, option, painter, widget);
    if (element == CE_PushButton && (option->state & State_HasFocus))
        DrawFocusFrame(painter, option->rect.adjusted(3, 3, -3, -3), option->palette.color(QPalette::ButtonText));
}

void TFocusFrameStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                                          const QWidget* widget) const
{
    QProxyStyle::drawComplexControl(control, option, painter, widget);
    if (control == CC_ToolButton && (option->state & State_HasFocus))
        DrawFocusFrame(painter, option->rect.adjusted(2, 2, -2, -2), option->palette.color(QPalette::ButtonText));
}
