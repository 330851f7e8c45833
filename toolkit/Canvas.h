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

// A rectangle by its edges, as the grid, print and edit code reason about them:
// Left and Top are its first pixels, Right and Bottom the edges just past its last
// ones, so neighbours share an edge value and Right - Left is the width. A QRect's
// right() and bottom() are its last pixels instead; every rectangle goes through
// FromQRect and ToQRect where it meets Qt.
struct TRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;

    static TRect FromQRect(const QRect& r) { return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()}; }
    QRect ToQRect() const { return QRect(Left, Top, Right - Left, Bottom - Top); }
    int Width() const { return Right - Left; }
    int Height() const { return Bottom - Top; }
    friend bool operator==(const TRect&, const TRect&) = default;
};

enum class TBrushStyle { bsSolid, bsClear };

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
    TBrushStyle BrushStyle() const { return brushStyle_; }
    void SetBrushStyle(TBrushStyle style) { brushStyle_ = style; }
    TColor PenColor() const { return penColor_; }
    void SetPenColor(TColor color) { penColor_ = color; }
    int PenWidth() const { return penWidth_; }
    void SetPenWidth(int width) { penWidth_ = width; }

    void FillRect(const QRect& rect);
    void TextOut(int x, int y, const QString& text);
    // Fills rect with the brush and draws text at (x, y) clipped to rect.
    void TextRect(const QRect& rect, int x, int y, const QString& text);
    void MoveTo(int x, int y) { penPos_ = QPoint(x, y); }
    // A line from the pen position to (x, y) that leaves out only the end point.
    // A one-pixel pen sets one pixel per step along the longer axis, at the
    // coordinate nearest the exact line; a tie takes the smaller coordinate, so a
    // line covers the same pixels drawn either way. The pen moves to (x, y).
    void LineTo(int x, int y);
    // The outline in the pen's colour and width, inside the rectangle's edges;
    // the inside is filled with the brush unless the brush is clear.
    void Rectangle(const TRect& rect);
    // Fills, with the brush colour, the area around (x, y) that 4-connected steps
    // reach without meeting a pixel of `border`. Needs a painter on a QImage
    // without a transform.
    void FloodFill(int x, int y, TColor border);

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
    TBrushStyle brushStyle_ = TBrushStyle::bsSolid;
    TColor penColor_ = clBlack;
    int penWidth_ = 1;
    QPoint penPos_;
};
