#include "Graphics.h"

#include <QGuiApplication>
#include <QPalette>

namespace {

QColor SystemColor(TColor c)
{
    const QPalette pal = QGuiApplication::palette();
    switch (c) {
    case clWindow: return pal.color(QPalette::Active, QPalette::Base);
    case clWindowText: return pal.color(QPalette::Active, QPalette::Text);
    case clBtnFace: return pal.color(QPalette::Active, QPalette::Button);
    case clHighlight: return pal.color(QPalette::Active, QPalette::Highlight);
    case clHighlightText: return pal.color(QPalette::Active, QPalette::HighlightedText);
    case clGrayText: return pal.color(QPalette::Disabled, QPalette::Text);
    case clInfoBk: return pal.color(QPalette::Active, QPalette::ToolTipBase);
    case clInfoText: return pal.color(QPalette::Active, QPalette::ToolTipText);
    default: return Qt::black;
    }
}

} // namespace

QColor ToQColor(TColor c)
{
    if (IsSystemColor(c))
        return SystemColor(c);
    return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
}

TColor FromQColor(const QColor& c)
{
    return static_cast<TColor>(c.red() | (c.green() << 8) | (c.blue() << 16));
}
