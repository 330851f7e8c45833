#include "Graphics.h"

#include <QGuiApplication>
#include <QPalette>

#include <algorithm>
#include <cmath>

namespace {

QColor SystemColor(TColor c)
{
    const QPalette pal = QGuiApplication::palette();
    switch (c) {
    case clWindow: return pal.color(QPalette::Active, QPalette::Base);
    case clWindowText: return pal.color(QPalette::Active, QPalette::Text);
    case clBtnFace: return pal.color(QPalette::Active, QPalette::Button);
    case clBtnText: return pal.color(QPalette::Active, QPalette::ButtonText);
    case clHighlight: return pal.color(QPalette::Active, QPalette::Highlight);
    case clHighlightText: return pal.color(QPalette::Active, QPalette::HighlightedText);
    case clGrayText: return pal.color(QPalette::Disabled, QPalette::Text);
    case clInfoBk: return pal.color(QPalette::Active, QPalette::ToolTipBase);
    case clInfoText: return pal.color(QPalette::Active, QPalette::ToolTipText);
    default: return Qt::black;
    }
}

// The relative luminance of a colour, its sRGB channels made linear.
double Luminance(const QColor& c)
{
    const auto linear = [](double channel) {
        return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
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

double ContrastRatio(const QColor& a, const QColor& b)
{
    const double la = Luminance(a);
    const double lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

TColor TextColorOn(TColor background)
{
    switch (background) {
    case clWindow: return clWindowText;
    case clBtnFace: return clBtnText;
    case clHighlight: return clHighlightText;
    case clInfoBk: return clInfoText;
    default: break;
    }
    const QColor back = ToQColor(background);
    return ContrastRatio(back, Qt::black) >= ContrastRatio(back, Qt::white) ? clBlack : clWhite;
}
