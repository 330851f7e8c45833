#pragma once
// Application-wide hints: tooltips shown through one event filter on the
// application, with one replaceable hook that may change the text, the colour and
// the area a hint belongs to, or suppress it. The hook is one per application;
// whoever installed it last holds it, and only the holder can remove it.

#include "Graphics.h"

#include <QPoint>
#include <QRect>
#include <QString>
#include <functional>

class QWidget;

struct THintInfo {
    QWidget* HintControl = nullptr; // the widget the hint is for (a scroll area, not its viewport)
    QPoint CursorPos;                 // mouse position in the control's client (viewport) pixels
    QRect CursorRect;                 // the hint stays while the mouse is inside this area
    TColor HintColor = clInfoBk;
};

// hintText starts as the control's own tooltip; canShow starts true.
using TShowHintEvent = std::function<void(QString& hintText, bool& canShow, THintInfo& info)>;

// Installs the hook for `owner`, replacing any other, and switches hints on.
void SetApplicationHintHook(const void* owner, TShowHintEvent hook);
// Removes the hook when `owner` holds it.
void RemoveApplicationHintHook(const void* owner);
const void* ApplicationHintHookOwner();
// Runs the hook as a tooltip event would (tests use it directly).
bool RunApplicationHintHook(QString& hintText, THintInfo& info);
