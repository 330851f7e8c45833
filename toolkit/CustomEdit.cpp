#include "CustomEdit.h"

#include "FormKeys.h"

#include <QApplication>
#include <QClipboard>
#include <QFocusEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QProxyStyle>
#include <QStyleOption>
#include <algorithm>
#include <climits>

namespace {

// Shows every character of a password edit as the chosen password character.
class TPasswordCharStyle : public QProxyStyle {
public:
    explicit TPasswordCharStyle(QChar character) : character_(character) {}

    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* answer) const override
    {
        if (hint == SH_LineEdit_PasswordCharacter)
            return character_.unicode();
        return QProxyStyle::styleHint(hint, option, widget, answer);
    }

private:
    QChar character_;
};

bool IsCtrlLetter(int qtKey, Qt::KeyboardModifiers modifiers)
{
    return (modifiers & Qt::ControlModifier) && !(modifiers & Qt::AltModifier) && qtKey >= Qt::Key_A &&
           qtKey <= Qt::Key_Z;
}

// Focus moves caused by window activation are not entries into the control.
bool IsControlFocusChange(Qt::FocusReason reason)
{
    return reason != Qt::ActiveWindowFocusReason;
}

} // namespace

TCustomEdit::TCustomEdit(QWidget* parent) : QLineEdit(parent)
{
    // The typing limit is our own; the native one would also cut assigned text.
    QLineEdit::setMaxLength(INT_MAX);
    setAcceptDrops(false);
    connect(this, &QLineEdit::textChanged, this, [this] { NativeChange(); });
    ApplyColors();
}

int TCustomEdit::SelStart() const
{
    return hasSelectedText() ? selectionStart() : cursorPosition();
}

void TCustomEdit::SetSelStart(int value)
{
    setCursorPosition(std::clamp(value, 0, int(text().size())));
}

int TCustomEdit::SelLength() const
{
    return int(selectedText().size());
}

void TCustomEdit::SetSelLength(int value)
{
    const int start = SelStart();
    const int end = std::clamp(start + value, 0, int(text().size()));
    if (end == start)
        setCursorPosition(start);
    else
        setSelection(start, end - start);
}

void TCustomEdit::SetPasswordChar(QChar value)
{
    if (value == passwordChar_)
        return;
    passwordChar_ = value;
    QStyle* previous = style() != QApplication::style() ? style() : nullptr;
    if (value.isNull()) {
        setEchoMode(QLineEdit::Normal);
        setStyle(nullptr);
    } else {
        auto* passwordStyle = new TPasswordCharStyle(value);
        passwordStyle->setParent(this);
        setStyle(passwordStyle);
        setEchoMode(QLineEdit::Password);
    }
    if (previous && previous->parent() == this)
        previous->deleteLater();
}

void TCustomEdit::SetColor(TColor value)
{
    color_ = value;
    ApplyColors();
}

void TCustomEdit::SetFontColor(TColor value)
{
    fontColor_ = value;
    ApplyColors();
}

void TCustomEdit::SetTransparentBackground(bool value)
{
    transparentBackground_ = value;
    ApplyColors();
}

void TCustomEdit::ApplyColors()
{
    QPalette pal = palette();
    pal.setColor(QPalette::Base, transparentBackground_ ? QColor(Qt::transparent) : ToQColor(color_));
    // The disabled text keeps the palette's grey.
    const QColor text = ToQColor(fontColor_);
    pal.setColor(QPalette::Active, QPalette::Text, text);
    pal.setColor(QPalette::Inactive, QPalette::Text, text);
    setPalette(pal);
}

void TCustomEdit::SetBounds(int left, int top, int width, int height)
{
    setGeometry(left, top, width, height);
}

QPoint TCustomEdit::CharPos(int index) const
{
    const QString shown = displayText();
    index = std::clamp(index, 0, int(shown.size()));
    const QFontMetrics metrics = fontMetrics();
    // The caret rectangle reflects the current horizontal scrolling; it starts five
    // pixels left of the caret line.
    const int caret = std::clamp(cursorPosition(), 0, int(shown.size()));
    const int originX = cursorRect().x() + 5 - metrics.horizontalAdvance(shown.left(caret));
    const int x = originX + metrics.horizontalAdvance(shown.left(index));
    // The text line is centred vertically in the contents rectangle.
    QStyleOptionFrame option;
    initStyleOption(&option);
    const QRect contents =
        style()->subElementRect(QStyle::SE_LineEditContents, &option, this).marginsRemoved(textMargins());
    const int y = contents.y() + (contents.height() - metrics.height() + 1) / 2;
    return {x, y};
}

QRect TCustomEdit::FormattingRect() const
{
    return rect().marginsRemoved(textMargins());
}

void TCustomEdit::SetTextInsets(int left, int top, int right, int bottom)
{
    setTextMargins(left, top, right, bottom);
}

bool TCustomEdit::TakeFocusFromPress()
{
    const bool fromPress = focusFromPress_;
    focusFromPress_ = false;
    return fromPress;
}

void TCustomEdit::PostKeyDown(QObject* target, int key)
{
    QCoreApplication::postEvent(target, new QKeyEvent(QEvent::KeyPress, QtKeyFromVirtualKey(key), Qt::NoModifier));
}

void TCustomEdit::PostKeyDownUp(QObject* target, int key)
{
    PostKeyDown(target, key);
    QCoreApplication::postEvent(target,
                                new QKeyEvent(QEvent::KeyRelease, QtKeyFromVirtualKey(key), Qt::NoModifier));
}

// ---- keyboard -------------------------------------------------------------------

void TCustomEdit::keyPressEvent(QKeyEvent* event)
{
    event->accept();
    int key = VirtualKeyFromQt(*event);
    const TShiftState shift = ShiftStateFromQt(event->modifiers());
    if (key == VK_RETURN || key == VK_ESCAPE) {
        const bool wanted = WantSpecialKey(key, shift) || nativeMultiLine_;
        TFormKeys* form = TFormKeys::Of(this);
        if (!wanted && form && form->DialogKey(key, shift))
            return;
    }
    // The characters of the press are fixed before key down runs, so a key changed
    // or dropped there still delivers its character.
    const QString characters = CharactersOf(*event);
    pressEvent_ = event;
    pressKey_ = key;
    if (key != 0)
        KeyDownMessage(key, shift);
    pressEvent_ = nullptr;
    for (QChar character : characters) {
        QChar current = character;
        CharMessage(current);
    }
}

QString TCustomEdit::CharactersOf(const QKeyEvent& event)
{
    const int key = event.key();
    const Qt::KeyboardModifiers modifiers = event.modifiers();
    if (modifiers & Qt::AltModifier)
        return {};
    switch (key) {
    case Qt::Key_Backspace: return QString(QChar(8));
    case Qt::Key_Return:
    case Qt::Key_Enter: return QString(QChar(13));
    case Qt::Key_Escape: return QString(QChar(27));
    case Qt::Key_Tab:
    case Qt::Key_Backtab: return {};
    default: break;
    }
    if (IsCtrlLetter(key, modifiers))
        return QString(QChar(key - Qt::Key_A + 1));
    if (modifiers & Qt::ControlModifier)
        return {};
    QString characters;
    for (QChar c : event.text()) {
        if (c.unicode() >= 32 && c.unicode() != 127)
            characters += c;
    }
    return characters;
}

bool TCustomEdit::WantSpecialKey(int, TShiftState)
{
    return false;
}

void TCustomEdit::KeyDownMessage(int& key, TShiftState shift)
{
    KeyDown(key, shift);
    if (key == 0)
        return;
    NativeKeyDown(key, shift);
}

void TCustomEdit::KeyDown(int& key, TShiftState shift)
{
    TFormKeys* form = TFormKeys::Of(this);
    if (form && form->KeyPreview() && form->OnKeyDown) {
        form->OnKeyDown(form->Form(), key, shift);
        if (key == 0)
            return;
    }
    if (OnKeyDown)
        OnKeyDown(this, key, shift);
}

// Navigation, Delete and the clipboard key combinations; characters, Backspace and
// the Ctrl+letter commands are handled at character input.
void TCustomEdit::NativeKeyDown(int key, TShiftState shift)
{
    switch (key) {
    case VK_BACK:
    case VK_RETURN:
    case VK_ESCAPE:
    case VK_TAB: return;
    default: break;
    }
    if (key == VK_INSERT && shift == ssCtrl)
        return ClipboardCopy();
    if (key == VK_INSERT && shift == ssShift)
        return ClipboardPaste();
    if (key == VK_DELETE && shift == ssShift)
        return ClipboardCut();
    // An unchanged key goes to the native edit as it came (keypad keys included); a
    // key changed at key down goes as that key.
    const bool unchanged = pressEvent_ && key == pressKey_;
    Qt::KeyboardModifiers modifiers;
    if (unchanged) {
        modifiers = pressEvent_->modifiers();
    } else {
        if (shift & ssShift)
            modifiers |= Qt::ShiftModifier;
        if (shift & ssCtrl)
            modifiers |= Qt::ControlModifier;
        if (shift & ssAlt)
            modifiers |= Qt::AltModifier;
    }
    const int qtKey = unchanged ? pressEvent_->key() : QtKeyFromVirtualKey(key);
    if (qtKey == 0 || IsCtrlLetter(qtKey, modifiers))
        return;
    QKeyEvent native(QEvent::KeyPress, qtKey, modifiers);
    QLineEdit::keyPressEvent(&native);
}

void TCustomEdit::CharMessage(QChar& key)
{
    KeyPress(key);
    if (!key.isNull())
        InsertChar(key);
}

void TCustomEdit::KeyPress(QChar& key)
{
    TFormKeys* form = TFormKeys::Of(this);
    if (form && form->KeyPreview() && form->OnKeyPress) {
        form->OnKeyPress(form->Form(), key);
        if (key.isNull())
            return;
    }
    if (OnKeyPress)
        OnKeyPress(this, key);
}

void TCustomEdit::InsertChar(QChar key)
{
    switch (key.unicode()) {
    case 1: selectAll(); return;
    case 3: ClipboardCopy(); return;
    case 8:
        if (!isReadOnly())
            backspace();
        return;
    case 22: ClipboardPaste(); return;
    case 24: ClipboardCut(); return;
    case 26:
        if (!isReadOnly())
            undo();
        return;
    default: break;
    }
    if (key.unicode() < 32 || key.unicode() == 127 || isReadOnly())
        return;
    if (maxLength_ > 0) {
        QString typed = text();
        const int at = hasSelectedText() ? selectionStart() : cursorPosition();
        typed.replace(at, selectedText().size(), key);
        if ((maxLengthCounter_ ? maxLengthCounter_(typed) : int(typed.size())) > maxLength_)
            return;
    }
    insert(QString(key));
}

void TCustomEdit::inputMethodEvent(QInputMethodEvent* event)
{
    // Composed characters are typed characters: they take the same road as keys.
    if (!event->commitString().isEmpty() && event->preeditString().isEmpty() && event->replacementLength() == 0) {
        for (QChar character : event->commitString()) {
            QChar current = character;
            CharMessage(current);
        }
        event->accept();
        return;
    }
    QLineEdit::inputMethodEvent(event);
}

// ---- clipboard ------------------------------------------------------------------

void TCustomEdit::ClipboardCopy()
{
    if (passwordChar_.isNull() && hasSelectedText())
        QGuiApplication::clipboard()->setText(selectedText());
}

void TCustomEdit::ClipboardCut()
{
    if (!passwordChar_.isNull() || isReadOnly() || !hasSelectedText())
        return;
    QGuiApplication::clipboard()->setText(selectedText());
    del();
}

void TCustomEdit::ClipboardPaste()
{
    if (isReadOnly())
        return;
    const QString clip = QGuiApplication::clipboard()->text();
    if (clip.isEmpty() && !hasSelectedText())
        return;
    insert(clip);
}

void TCustomEdit::contextMenuEvent(QContextMenuEvent* event)
{
    const bool selected = hasSelectedText();
    const bool writable = !isReadOnly();
    const bool hidden = !passwordChar_.isNull();
    const QMimeData* clip = QGuiApplication::clipboard()->mimeData();
    QMenu menu(this);
    menu.addAction(tr("&Undo"), this, [this] { undo(); })->setEnabled(writable && isUndoAvailable());
    menu.addSeparator();
    menu.addAction(tr("Cu&t"), this, [this] { ClipboardCut(); })->setEnabled(selected && writable && !hidden);
    menu.addAction(tr("&Copy"), this, [this] { ClipboardCopy(); })->setEnabled(selected && !hidden);
    menu.addAction(tr("&Paste"), this, [this] { ClipboardPaste(); })
        ->setEnabled(writable && clip && clip->hasText());
    menu.addAction(tr("&Delete"), this, [this] { del(); })->setEnabled(selected && writable);
    menu.addSeparator();
    menu.addAction(tr("Select &All"), this, [this] { selectAll(); })->setEnabled(!text().isEmpty());
    menu.exec(event->globalPos());
}

// ---- change, focus, paint, mouse ------------------------------------------------

void TCustomEdit::NativeChange()
{
    Change();
}

void TCustomEdit::Change()
{
    if (OnChange)
        OnChange(this);
}

void TCustomEdit::focusInEvent(QFocusEvent* event)
{
    // A pop-up (a menu, a drop-down list) borrows the keyboard and gives it back:
    // the control never lost its focus, so only the native edit hears of it.
    if (event->reason() == Qt::PopupFocusReason) {
        QLineEdit::focusInEvent(event);
        return;
    }
    focusFromPress_ = event->reason() == Qt::MouseFocusReason;
    pendingFocusEvent_ = event;
    FocusGained();
    pendingFocusEvent_ = nullptr;
}

void TCustomEdit::FocusGained()
{
    const Qt::FocusReason reason = pendingFocusEvent_ ? pendingFocusEvent_->reason() : Qt::OtherFocusReason;
    // QLineEdit would select everything on Tab; selecting on entry is AutoSelect's.
    QFocusEvent native(QEvent::FocusIn, reason == Qt::MouseFocusReason ? reason : Qt::OtherFocusReason);
    QLineEdit::focusInEvent(&native);
    if (!IsControlFocusChange(reason))
        return;
    if (OnEnter)
        OnEnter(this);
    if (autoSelect_ && !nativeMultiLine_ && !focusFromPress_)
        selectAll();
}

void TCustomEdit::focusOutEvent(QFocusEvent* event)
{
    if (event->reason() == Qt::PopupFocusReason) {
        QLineEdit::focusOutEvent(event);
        return;
    }
    pendingFocusEvent_ = event;
    QWidget* next = QApplication::focusWidget();
    FocusLost(next == this ? nullptr : next);
    pendingFocusEvent_ = nullptr;
}

void TCustomEdit::FocusLost(QWidget*)
{
    QFocusEvent fallback(QEvent::FocusOut, Qt::OtherFocusReason);
    QFocusEvent* event = pendingFocusEvent_ ? pendingFocusEvent_ : &fallback;
    QLineEdit::focusOutEvent(event);
    if (IsControlFocusChange(event->reason()) && OnExit)
        OnExit(this);
}

void TCustomEdit::mouseReleaseEvent(QMouseEvent* event)
{
    // No pasting with the middle button: every paste goes through ClipboardPaste.
    if (event->button() == Qt::MiddleButton) {
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

void TCustomEdit::paintEvent(QPaintEvent* event)
{
    QLineEdit::paintEvent(event);
    QPainter painter(this);
    PaintAfterNative(painter);
}

void TCustomEdit::PaintAfterNative(QPainter&) {}

void TCustomEdit::enterEvent(QEnterEvent* event)
{
    QLineEdit::enterEvent(event);
    MouseEnter();
}

void TCustomEdit::leaveEvent(QEvent* event)
{
    QLineEdit::leaveEvent(event);
    MouseLeave();
}

void TCustomEdit::changeEvent(QEvent* event)
{
    QLineEdit::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        FontChanged();
}
