#pragma once
// Click handling for widgets that have no click of their own (labels, panels,
// images): a left-button press and release inside the widget is a click. The
// widget consumes both, so a click on a label is not also a click on its panel.

#include <functional>

class QWidget;

// Calls `handler` on every click of `widget`; the filter lives as long as the widget.
void OnClickOf(QWidget* widget, std::function<void()> handler);
