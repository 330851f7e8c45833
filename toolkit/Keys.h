#pragma once
// Virtual key codes, modifier sets and 16-bit shortcuts, translated from Qt key
// events so that grid and edit code can work with the platform's key numbers.

#include <QString>
#include <Qt>
#include <cstdint>

class QKeyEvent;

// Modifier and mouse-button set of a key or mouse event.
using TShiftState = unsigned;
constexpr TShiftState ssShift = 1;
constexpr TShiftState ssAlt = 2;
constexpr TShiftState ssCtrl = 4;
constexpr TShiftState ssLeft = 8;
constexpr TShiftState ssRight = 16;
constexpr TShiftState ssMiddle = 32;
constexpr TShiftState ssDouble = 64;
constexpr TShiftState ssModifiers = ssShift | ssAlt | ssCtrl;

enum TMouseButton { mbLeft, mbRight, mbMiddle };

// Virtual key codes.
constexpr int VK_BACK = 0x08;
constexpr int VK_TAB = 0x09;
constexpr int VK_RETURN = 0x0D;
constexpr int VK_SHIFT = 0x10;
constexpr int VK_CONTROL = 0x11;
constexpr int VK_MENU = 0x12;
constexpr int VK_ESCAPE = 0x1B;
constexpr int VK_SPACE = 0x20;
constexpr int VK_PRIOR = 0x21;
constexpr int VK_NEXT = 0x22;
constexpr int VK_END = 0x23;
constexpr int VK_HOME = 0x24;
constexpr int VK_LEFT = 0x25;
constexpr int VK_UP = 0x26;
constexpr int VK_RIGHT = 0x27;
constexpr int VK_DOWN = 0x28;
constexpr int VK_INSERT = 0x2D;
constexpr int VK_DELETE = 0x2E;
constexpr int VK_NUMPAD0 = 0x60;
constexpr int VK_MULTIPLY = 0x6A;
constexpr int VK_ADD = 0x6B;
constexpr int VK_SUBTRACT = 0x6D;
constexpr int VK_DECIMAL = 0x6E;
constexpr int VK_DIVIDE = 0x6F;
constexpr int VK_F1 = 0x70;
constexpr int VK_F24 = 0x87;
constexpr int VK_OEM_PLUS = 0xBB;
constexpr int VK_OEM_COMMA = 0xBC;
constexpr int VK_OEM_MINUS = 0xBD;
constexpr int VK_OEM_PERIOD = 0xBE;

// The virtual key of a Qt key event (0 when it has none); letters and digits are
// their upper-case ASCII codes, keypad keys their own codes.
int VirtualKeyFromQt(const QKeyEvent& event);
int VirtualKeyFromQt(int qtKey, Qt::KeyboardModifiers modifiers);
// The Qt key of a virtual key code (the inverse of the above, keypad aside).
int QtKeyFromVirtualKey(int vk);
TShiftState ShiftStateFromQt(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons = Qt::NoButton);
// True when the key event came from the numeric keypad.
bool IsKeypadKey(const QKeyEvent& event);

// A shortcut: the virtual key in the low byte plus these modifier bits.
using TShortCut = std::uint16_t;
constexpr TShortCut scShift = 0x2000;
constexpr TShortCut scCtrl = 0x4000;
constexpr TShortCut scAlt = 0x8000;
constexpr TShortCut scNone = 0;

TShortCut ShortCut(int key, TShiftState shift);
void ShortCutToKey(TShortCut shortcut, int& key, TShiftState& shift);

// A shortcut from its text: any of "Shift+", "Ctrl+" and "Alt+" (in any order and
// case) before one key name: a letter, a digit, F1 to F24, or one of "BkSp",
// "Tab", "Enter", "Esc", "Space", "PgUp", "PgDn", "End", "Home", "Left", "Up",
// "Right", "Down", "Ins", "Del". Gives scNone for a text it does not understand.
TShortCut TextToShortCut(const QString& text);
