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
constexpr TColor WarningTextColor = 0x0000C0;
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
// Paints the control's text background (the base of a list or edit) in `color`.
void SetBaseColor(QWidget* control, TColor color);
