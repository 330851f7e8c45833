#pragma once
// Colours as 24-bit values with red in the lowest byte and blue in the highest,
// plus the system colours, which resolve to the running style's palette.

#include <QColor>
#include <cstdint>

using TColor = std::int32_t;

// System colours are negative so they never collide with a 24-bit RGB value.
constexpr TColor clSystemBase = static_cast<TColor>(0xFF000000);
constexpr TColor clWindow = clSystemBase | 5;
constexpr TColor clWindowText = clSystemBase | 8;
constexpr TColor clBtnFace = clSystemBase | 15;
constexpr TColor clBtnText = clSystemBase | 18;
constexpr TColor clHighlight = clSystemBase | 13;
constexpr TColor clHighlightText = clSystemBase | 14;
constexpr TColor clGrayText = clSystemBase | 17;
constexpr TColor clInfoBk = clSystemBase | 24;
constexpr TColor clInfoText = clSystemBase | 23;

constexpr TColor clBlack = 0x000000;
constexpr TColor clMaroon = 0x000080;
constexpr TColor clGreen = 0x008000;
constexpr TColor clNavy = 0x800000;
constexpr TColor clGray = 0x808080;
constexpr TColor clSilver = 0xC0C0C0;
constexpr TColor clRed = 0x0000FF;
constexpr TColor clLime = 0x00FF00;
constexpr TColor clYellow = 0x00FFFF;
constexpr TColor clBlue = 0xFF0000;
constexpr TColor clFuchsia = 0xFF00FF;
constexpr TColor clAqua = 0xFFFF00;
constexpr TColor clWhite = 0xFFFFFF;

constexpr bool IsSystemColor(TColor c) { return c < 0; }

// The RGB value of a colour; system colours come from the application palette.
QColor ToQColor(TColor c);
// The 24-bit value of a Qt colour (alpha dropped).
TColor FromQColor(const QColor& c);

// The contrast of two colours as the web's accessibility guidelines measure it,
// from 1 (the same) to 21 (black and white); text wants at least 4.5.
double ContrastRatio(const QColor& a, const QColor& b);
// The colour for text on a background: on a system colour the palette's text
// colour that belongs to it, on a fixed colour black or white, whichever has
// the larger contrast with it.
TColor TextColorOn(TColor background);
