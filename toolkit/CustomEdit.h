#pragma once
// The toolkit's single-line edit on QLineEdit. Every key press, clipboard command,
// focus change, paint, mouse crossing and text change runs through overridable
// hooks in the order a native edit window receives its messages:
//
//   special-key query (Enter, Esc) -> form dialog key -> key down (OnKeyDown)
//   -> native key handling -> character input (OnKeyPress) -> insertion
//
// Ctrl+C, Ctrl+X, Ctrl+V arrive as the characters 3, 24 and 22 and become the copy,
// cut and paste commands at insertion, as on the native edit; Ctrl+Insert,
// Shift+Insert and Shift+Delete become them at native key handling. MaxLength limits
// typing only: assigned and pasted text is never cut.

#include "Graphics.h"
#include "Keys.h"

#include <QLineEdit>
#include <functional>

class QPainter;

enum TBorderStyle { bsNone, bsSingle };

class TCustomEdit : public QLineEdit {
    Q_OBJECT
public:
    using TNotifyEvent = std::function<void(QObject* sender)>;
    using TKeyEvent = std::function<void(QObject* sender, int& key, TShiftState shift)>;
    using TKeyPressEvent = std::function<void(QObject* sender, QChar& key)>;

    explicit TCustomEdit(QWidget* parent = nullptr);

    // The whole window text.
    QString Text() const { return text(); }
    void SetText(const QString& value) { setText(value); }

    // Caret and selection as character indexes into the window text.
    int SelStart() const;
    void SetSelStart(int value);
    int SelLength() const;
    void SetSelLength(int value);
    QString SelText() const { return selectedText(); }
    void SelectAll() { selectAll(); }

    // The modified flag: set by the user's edits, cleared when text is assigned.
    bool Modified() const { return isModified(); }
    void SetModified(bool value) { setModified(value); }

    // Typing limit in characters; 0 means none.
    int MaxLength() const { return maxLength_; }
    void SetMaxLength(int value) { maxLength_ = value < 0 ? 0 : value; }
    // How the typing limit counts the text a typed character would give; its
    // characters unless set (a plate field counts only what the plate keeps).
    using TLengthCounter = std::function<int(const QString& text)>;
    void SetMaxLengthCounter(TLengthCounter counter) { maxLengthCounter_ = std::move(counter); }
    bool ReadOnly() const { return isReadOnly(); }
    void SetReadOnly(bool value) { setReadOnly(value); }
    // A non-null character hides the text behind it.
    QChar PasswordChar() const { return passwordChar_; }
    void SetPasswordChar(QChar value);
    // Select the whole text when the focus arrives other than by a mouse press.
    bool AutoSelect() const { return autoSelect_; }
    void SetAutoSelect(bool value) { autoSelect_ = value; }
    TBorderStyle BorderStyle() const { return hasFrame() ? bsSingle : bsNone; }
    void SetBorderStyle(TBorderStyle value) { setFrame(value == bsSingle); }

    TColor Color() const { return color_; }
    virtual void SetColor(TColor value);
    TColor FontColor() const { return fontColor_; }
    void SetFontColor(TColor value);

    // Enabled as set on the control itself, whatever its parents are.
    bool Enabled() const { return !testAttribute(Qt::WA_Disabled); }
    virtual void SetEnabled(bool value) { setEnabled(value); }

    int Left() const { return geometry().left(); }
    int Top() const { return geometry().top(); }
    int Width() const { return geometry().width(); }
    int Height() const { return geometry().height(); }
    void SetLeft(int value) { SetBounds(value, Top(), Width(), Height()); }
    void SetTop(int value) { SetBounds(Left(), value, Width(), Height()); }
    void SetWidth(int value) { SetBounds(Left(), Top(), value, Height()); }
    virtual void SetBounds(int left, int top, int width, int height);

    // The clipboard commands, as the copy, cut and paste messages to the control.
    void CopyToClipboard() { ClipboardCopy(); }
    void CutToClipboard() { ClipboardCut(); }
    void PasteFromClipboard() { ClipboardPaste(); }

    // Loading phase: a form applies stored settings between BeginLoading and Loaded.
    virtual void BeginLoading() { loading_ = true; }
    virtual void Loaded() { loading_ = false; }
    bool Loading() const { return loading_; }

    // Character-position query: the client position of the top-left corner of the
    // character `index` of the window text; the index is clamped to the text, and
    // the text's length gives the position just right of the last character.
    QPoint CharPos(int index) const;
    // The character index nearest to a client position.
    int CharAtPos(const QPoint& position) const
    {
        return const_cast<TCustomEdit*>(this)->cursorPositionAt(position);
    }
    // The rectangle the text is laid out in, in client coordinates.
    QRect FormattingRect() const;

    TNotifyEvent OnChange;
    TNotifyEvent OnEnter;
    TNotifyEvent OnExit;
    TKeyEvent OnKeyDown;
    TKeyPressEvent OnKeyPress;

protected:
    // Asked for Enter and Esc before they count as the form's dialog keys; true
    // keeps the key for the control.
    virtual bool WantSpecialKey(int key, TShiftState shift);
    // Key down: fires KeyDown, then the native handling unless the key became 0.
    virtual void KeyDownMessage(int& key, TShiftState shift);
    virtual void KeyDown(int& key, TShiftState shift);
    // Character input: fires KeyPress, then inserts unless the key became 0.
    virtual void CharMessage(QChar& key);
    virtual void KeyPress(QChar& key);
    // The native edit's handling of one character.
    virtual void InsertChar(QChar key);
    // The native clipboard commands.
    virtual void ClipboardCopy();
    virtual void ClipboardCut();
    virtual void ClipboardPaste();
    // The native edit's change notification; calls Change.
    virtual void NativeChange();
    // After every text change; fires OnChange.
    virtual void Change();
    // Focus gained: the native handling, OnEnter, AutoSelect. A pop-up that takes
    // the keyboard for a while and gives it back is no focus change: neither hook
    // runs for it.
    virtual void FocusGained();
    // Focus lost to `next` (may be null): the native handling, OnExit.
    virtual void FocusLost(QWidget* next);
    // Drawing on top of what the native edit painted.
    virtual void PaintAfterNative(QPainter& painter);
    virtual void MouseEnter() {}
    virtual void MouseLeave() {}
    virtual void FontChanged() {}

    // The native edit is a multi-line edit used as one line: it keeps Enter and Esc
    // for itself (they never reach the form directly) and does not select its text
    // on entry.
    void SetNativeMultiLine(bool value) { nativeMultiLine_ = value; }
    bool NativeMultiLine() const { return nativeMultiLine_; }
    // Insets of the formatting rectangle from the client edges.
    void SetTextInsets(int left, int top, int right, int bottom);
    // Lets the parent's background show through.
    void SetTransparentBackground(bool value);
    // True once after the focus arrived through the current mouse press.
    bool TakeFocusFromPress();
    // Posts a key press (and release) of a virtual key to `target`, handled later.
    static void PostKeyDown(QObject* target, int key);
    static void PostKeyDownUp(QObject* target, int key);

    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    static QString CharactersOf(const QKeyEvent& event);
    void NativeKeyDown(int key, TShiftState shift);
    void ApplyColors();

    TColor color_ = clWindow;
    TColor fontColor_ = clWindowText;
    QChar passwordChar_;
    int maxLength_ = 0;
    TLengthCounter maxLengthCounter_;
    bool autoSelect_ = true;
    bool loading_ = false;
    bool nativeMultiLine_ = false;
    bool transparentBackground_ = false;
    bool focusFromPress_ = false;
    QFocusEvent* pendingFocusEvent_ = nullptr;
    const QKeyEvent* pressEvent_ = nullptr;
    int pressKey_ = 0;
};
