#pragma once
// Click handling for widgets that have no click of their own (labels, panels,
// images): a left-button press and release inside the widget is a click. The
// widget consumes both, so a click on a label is not also a click on its panel.

#include <functional>

class QListWidget;
class QListWidgetItem;
class QWidget;

// Calls `handler` on every click of `widget`; the filter lives as long as the widget.
void OnClickOf(QWidget* widget, std::function<void()> handler);

// Calls `handler` with a list's current item when Enter or Space is pressed on
// it: the keyboard's click on an item of a list whose items are clicked to use them.
void OnItemKey(QListWidget* list, std::function<void(QListWidgetItem*)> handler);
