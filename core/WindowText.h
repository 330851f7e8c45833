#pragma once
// Marks a sentence that the desktop window says in the user's language: the
// window's catalogues read it from the source (under `context`) as they read
// the window's own texts. Here it is the English text itself; core stays free
// of Qt, and corvana-cli speaks English.
#define WINDOW_TEXT(context, text) text
