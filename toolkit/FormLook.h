#pragma once
// Small pieces of a form's look that several dialogs share.

#include "Graphics.h"

class QWidget;

// Moves the window so that its frame stands in the middle of its screen's
// available area.
void CenterOnScreen(QWidget* form);
// Paints the control's text background (the base of a list or edit) in `color`.
void SetBaseColor(QWidget* control, TColor color);
