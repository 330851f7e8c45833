#pragma once
// Small pieces of a form's look that several dialogs share.

#include "Graphics.h"

#include <Qt>

class QWidget;

// A dialog with a title, a system menu and a close button, kept above other
// windows.
constexpr Qt::WindowFlags OnTopDialogFlags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                             Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                                             Qt::WindowStaysOnTopHint;

// Text that warns: a wrong parity bit, a wrong prefix, input that is no code.
// Dark red, or a light red on a dark background (WarningTextOn).
constexpr TColor WarningTextColor = 0x0000C0;
// The warning text colour that reads on `background` (a contrast of 4.5 at least).
QColor WarningTextOn(const QColor& background);
// A background that warns: orange (red 255, green 204, blue 128), behind the
// code cells and the status bar while plates share a code.
constexpr TColor WarningBackColor = 0x80CCFF;

// The busy cursor for the length of a scope, also when the work throws.
class TBusyCursor {
public:
    TBusyCursor();
    ~TBusyCursor();
    TBusyCursor(const TBusyCursor&) = delete;
    TBusyCursor& operator=(const TBusyCursor&) = delete;
};

// Moves the window so that its frame stands in the middle of its screen's
// available area.
void CenterOnScreen(QWidget* form);
// Paints the control's text background (the base of a list or edit) in `color`,
// with its text in black or white, whichever reads better on it.
void SetBaseColor(QWidget* control, TColor color);

// How much larger than the toolkit's own default the desktop's font is (1 when
// it is not larger): forms laid out in pixels for the default font grow by it,
// their fonts, places and sizes alike.
double DesktopFontScale();
// A design size in pixels at the desktop's font scale.
int Scaled(int pixels, double scale);
