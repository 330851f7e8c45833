#pragma once
// A drawing surface in the shape grid and edit code expect: a font with a colour,
// a brush, a pen with a current position, and text drawing and measuring. It draws
// through a QPainter while one is attached and measures with the font otherwise.

#include "Graphics.h"

#include <QFont>
#include <QPoint>
#include <QRect>
#include <QString>

class QPainter;

// Flags of DrawText.
constexpr unsigned DT_LEFT = 0x0;
constexpr unsigned DT_CENTER = 0x1;
constexpr unsigned DT_RIGHT = 0x2;
constexpr unsigned DT_VCENTER = 0x4;
constexpr unsigned DT_BOTTOM = 0x8;
constexpr unsigned DT_WORDBREAK = 0x10;
constexpr unsigned DT_SINGLELINE = 0x20;
constexpr unsigned DT_CALCRECT = 0x400;
constexpr unsigned DT_NOPREFIX = 0x800;

class TCanvas {
public:
    TCanvas() = default;
    TCanvas(const TCanvas&) = delete;
    TCanvas& operator=(const TCanvas&) = delete;

    // Drawing goes to this painter until Detach (measuring works without one).
    void Attach(QPainter* painter);
    void Detach();
    QPainter* Painter() const { return painter_; }

    const QFont& Font() const { return font_; }
    void SetFont(const QFont& font);
    TColor FontColor() const { return fontColor_; }
    void SetFontColor(TColor color) { fontColor_ = color; }
    TColor BrushColor() const { return brushColor_; }
    void SetBrushColor(TColor color) { brushColor_ = color; }
    TColor PenColor() const { return penColor_; }
    void SetPenColor(TColor color) { penColor_ = color; }
    int PenWidth() const { return penWidth_; }
    void SetPenWidth(int width) { penWidth_ = width; }

    void FillRect(const QRect& rect);
    void TextOut(int x, int y, const QString& text);
    // Fills rect with the brush and draws text at (x, y) clipped to rect.
    void TextRect(const QRect& rect, int x, int y, const QString& text);
    void MoveTo(int x, int y) { penPos_ = QPoint(x, y); }
    // A line from the pen position to (x, y), the end point excluded.
    void LineTo(int x, int y);

    int TextWidth(const QString& text) const;
    int TextHeight(const QString& text) const;
    // Draws text in rect by the DT_ flags; with DT_CALCRECT it only measures,
    // setting rect's height (and width for a single line). Returns the text height.
    int DrawText(const QString& text, QRect& rect, unsigned flags);

private:
    void ApplyFont();

    QPainter* painter_ = nullptr;
    QFont font_;
    TColor fontColor_ = clWindowText;
    TColor brushColor_ = clWindow;
    TColor penColor_ = clBlack;
    int penWidth_ = 1;
    QPoint penPos_;
};
