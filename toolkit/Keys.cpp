#include "Keys.h"

#include <QKeyEvent>

namespace {

struct KeyPair {
    int qt;
    int vk;
};

constexpr KeyPair kKeyTable[] = {
    {Qt::Key_Backspace, VK_BACK}, {Qt::Key_Tab, VK_TAB}, {Qt::Key_Backtab, VK_TAB},
    {Qt::Key_Return, VK_RETURN}, {Qt::Key_Enter, VK_RETURN}, {Qt::Key_Shift, VK_SHIFT},
    {Qt::Key_Control, VK_CONTROL}, {Qt::Key_Alt, VK_MENU}, {Qt::Key_Escape, VK_ESCAPE},
    {Qt::Key_Space, VK_SPACE}, {Qt::Key_PageUp, VK_PRIOR}, {Qt::Key_PageDown, VK_NEXT},
    {Qt::Key_End, VK_END}, {Qt::Key_Home, VK_HOME}, {Qt::Key_Left, VK_LEFT},
    {Qt::Key_Up, VK_UP}, {Qt::Key_Right, VK_RIGHT}, {Qt::Key_Down, VK_DOWN},
    {Qt::Key_Insert, VK_INSERT}, {Qt::Key_Delete, VK_DELETE},
    {Qt::Key_Plus, VK_OEM_PLUS}, {Qt::Key_Comma, VK_OEM_COMMA},
    {Qt::Key_Minus, VK_OEM_MINUS}, {Qt::Key_Period, VK_OEM_PERIOD},
};

struct KeyName {
    const char* name;
    int vk;
};

constexpr KeyName kKeyNames[] = {
    {"BkSp", VK_BACK}, {"Tab", VK_TAB}, {"Enter", VK_RETURN}, {"Esc", VK_ESCAPE},
    {"Space", VK_SPACE}, {"PgUp", VK_PRIOR}, {"PgDn", VK_NEXT}, {"End", VK_END},
    {"Home", VK_HOME}, {"Left", VK_LEFT}, {"Up", VK_UP}, {"Right", VK_RIGHT},
    {"Down", VK_DOWN}, {"Ins", VK_INSERT}, {"Del", VK_DELETE},
};

struct ModifierName {
    const char* prefix;
    TShiftState state;
};

constexpr ModifierName kModifierNames[] = {{"Shift+", ssShift}, {"Ctrl+", ssCtrl}, {"Alt+", ssAlt}};

int KeyFromName(const QString& name)
{
    if (name.isEmpty())
        return 0;
    if (name.size() == 1) {
        const QChar c = name.at(0).toUpper();
        if ((c >= QLatin1Char('A') && c <= QLatin1Char('Z')) || (c >= QLatin1Char('0') && c <= QLatin1Char('9')))
            return c.unicode();
        return 0;
    }
    if (name.size() <= 3 && name.at(0).toUpper() == QLatin1Char('F') && name.at(1) != QLatin1Char('0')) {
        bool ok = false;
        const int n = name.mid(1).toInt(&ok);
        if (ok && n >= 1 && n <= 24 && name.at(1).isDigit())
            return VK_F1 + n - 1;
    }
    for (const KeyName& key : kKeyNames)
        if (name.compare(QLatin1String(key.name), Qt::CaseInsensitive) == 0)
            return key.vk;
    return 0;
}

int KeypadVirtualKey(int qtKey)
{
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)
        return VK_NUMPAD0 + (qtKey - Qt::Key_0);
    switch (qtKey) {
    case Qt::Key_Asterisk: return VK_MULTIPLY;
    case Qt::Key_Plus: return VK_ADD;
    case Qt::Key_Minus: return VK_SUBTRACT;
    case Qt::Key_Period:
    case Qt::Key_Comma: return VK_DECIMAL;
    case Qt::Key_Slash: return VK_DIVIDE;
    case Qt::Key_Enter: return VK_RETURN;
    default: return 0;
    }
}

} // namespace

int VirtualKeyFromQt(int qtKey, Qt::KeyboardModifiers modifiers)
{
    if (modifiers & Qt::KeypadModifier) {
        if (int vk = KeypadVirtualKey(qtKey))
            return vk;
    }
    if ((qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) || (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9))
        return qtKey;
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24)
        return VK_F1 + (qtKey - Qt::Key_F1);
    for (const KeyPair& pair : kKeyTable) {
        if (pair.qt == qtKey)
            return pair.vk;
    }
    return 0;
}

int VirtualKeyFromQt(const QKeyEvent& event)
{
    return VirtualKeyFromQt(event.key(), event.modifiers());
}

int QtKeyFromVirtualKey(int vk)
{
    if ((vk >= 'A' && vk <= 'Z') || (vk >= '0' && vk <= '9'))
        return vk;
    if (vk >= VK_F1 && vk <= VK_F24)
        return Qt::Key_F1 + (vk - VK_F1);
    if (vk >= VK_NUMPAD0 && vk <= VK_NUMPAD0 + 9)
        return Qt::Key_0 + (vk - VK_NUMPAD0);
    for (const KeyPair& pair : kKeyTable) {
        if (pair.vk == vk)
            return pair.qt;
    }
    return 0;
}

TShiftState ShiftStateFromQt(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons)
{
    TShiftState s = 0;
    if (modifiers & Qt::ShiftModifier) s |= ssShift;
    if (modifiers & Qt::AltModifier) s |= ssAlt;
    if (modifiers & Qt::ControlModifier) s |= ssCtrl;
    if (buttons & Qt::LeftButton) s |= ssLeft;
    if (buttons & Qt::RightButton) s |= ssRight;
    if (buttons & Qt::MiddleButton) s |= ssMiddle;
    return s;
}

bool IsKeypadKey(const QKeyEvent& event)
{
    return event.modifiers().testFlag(Qt::KeypadModifier);
}

TShortCut ShortCut(int key, TShiftState shift)
{
    TShortCut result = static_cast<TShortCut>(key & 0xFF);
    if (shift & ssShift) result |= scShift;
    if (shift & ssCtrl) result |= scCtrl;
    if (shift & ssAlt) result |= scAlt;
    return result;
}

void ShortCutToKey(TShortCut shortcut, int& key, TShiftState& shift)
{
    key = shortcut & 0xFF;
    shift = 0;
    if (shortcut & scShift) shift |= ssShift;
    if (shortcut & scCtrl) shift |= ssCtrl;
    if (shortcut & scAlt) shift |= ssAlt;
}

TShortCut TextToShortCut(const QString& text)
{
    TShiftState shift = 0;
    QString rest = text;
    // A prefix counts only when something follows it: "Shift+" alone is no key.
    for (bool found = true; found;) {
        found = false;
        for (const ModifierName& modifier : kModifierNames) {
            const QLatin1String prefix(modifier.prefix);
            if (rest.size() > prefix.size() && rest.startsWith(prefix, Qt::CaseInsensitive)) {
                shift |= modifier.state;
                rest = rest.mid(prefix.size());
                found = true;
            }
        }
    }
    const int key = KeyFromName(rest);
    return key == 0 ? scNone : ShortCut(key, shift);
}
