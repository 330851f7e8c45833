// TAdvEdit's typed input: which typed characters each EditType lets through, how
// assigned and pasted text is checked, how the number types are formatted, and the
// caret rules that keep the caret out of the prefix and suffix.

#include "AdvEdit.h"
#include "EditSeparators.h"
#include "TypedInput.h"

#include <QKeyEvent>
#include <algorithm>
#include <cmath>

using namespace TypedInput;

namespace {

bool IsDigit(QChar c) { return c >= u'0' && c <= u'9'; }

bool IsHexDigit(QChar c)
{
    return IsDigit(c) || (c >= u'A' && c <= u'F') || (c >= u'a' && c <= u'f');
}

bool IsAsciiLetterOrDigit(QChar c)
{
    return IsDigit(c) || (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z');
}

bool IsRangeSeparator(QChar c) { return c == u',' || c == u'-' || c == u';'; }

constexpr ushort kBackspace = 8;

// Select all, copy, paste, cut and undo arrive as the control characters of Ctrl+A,
// C, V, X and Z. Every typed field keeps them; a paste still meets the field's
// paste check.
bool IsEditCommand(QChar c)
{
    switch (c.unicode()) {
    case 1:
    case 3:
    case 22:
    case 24:
    case 26: return true;
    default: return false;
    }
}

} // namespace

// ---- values -------------------------------------------------------------------------

QString TAdvEdit::FormatNumber(const QString& format, long double value) const
{
    // A precision beyond what the format function takes falls back to "%g".
    return FormatFloatOrGeneral(format, value, Separators());
}

long double TAdvEdit::GetFloatValue() const
{
    const QString t = Text();
    if (t.isEmpty())
        return 0;
    switch (editType_) {
    case etNumeric:
    case etFloat: return ToFloat(t);
    case etMoney: {
        QString plain = t;
        plain.remove(TEditSeparators::Thousand());
        if (plain.endsWith(TEditSeparators::Decimal()))
            plain.chop(1);
        return plain.isEmpty() || plain == QLatin1String("-") ? 0 : ToFloat(plain);
    }
    case etHex: return HexValue(t);
    default: return 0;
    }
}

void TAdvEdit::SetFloatValue(long double value)
{
    const QString general = QStringLiteral("%g");
    switch (editType_) {
    case etNumeric:
        // Whole numbers without grouping: a grouped or fractional text would fail
        // the field's own integer check and turn into 0.
        SetText(precision_ < 0 ? FormatNumber(general, value) : FormatNumber(FixedFormat(0), value));
        break;
    case etFloat: SetText(FormatNumber(precision_ < 0 ? general : FixedFormat(precision_), value)); break;
    case etMoney:
        SetText(FormatNumber(precision_ < 1 ? general : FixedFormat(precision_), value));
        RegroupThousands();
        break;
    case etHex: SetText(HexText(value)); break;
    default: return;
    }
    ShowModifiedState(true);
}

void TAdvEdit::SetIntegerValue(qint64 value)
{
    switch (editType_) {
    case etNumeric:
    case etFloat: SetText(QString::number(value)); break;
    case etMoney:
        SetText(QString::number(value));
        RegroupThousands();
        break;
    case etHex: SetText(HexText(value)); break;
    default: return;
    }
    ShowModifiedState(true);
}

void TAdvEdit::RegroupThousands()
{
    const QString t = Text();
    if (t.isEmpty())
        return;
    const int caret = SelStart();
    WriteWindowText(TypedInput::RegroupThousands(t, GetFloatValue(), autoThousandSeparator_));
    // The caret keeps its distance from the end, but never leaves the editable text
    // (a text that shrinks more than the caret's distance from the start would put it
    // into the prefix).
    SetSelStart(std::clamp(caret + int(Text().size() - t.size()), int(prefix_.size()), EditableEnd()));
}

// Rewrites the window around the editable text. This reformats what is there rather
// than assigning a new text, so the modified flag stays as it was.
void TAdvEdit::WriteWindowText(const QString& editable)
{
    const bool modified = Modified();
    TCustomEdit::SetText(prefix_ + editable + suffix_);
    SetModified(modified);
}

void TAdvEdit::ToggleSign()
{
    const int caret = SelStart();
    const int selected = SelLength();
    const int prefixLength = int(prefix_.size());
    QString t = Text();
    const qsizetype minus = t.indexOf(u'-');
    if (minus >= 0) {
        // The first minus goes wherever it stands ("12-" pasted keeps its digits); the
        // caret moves back only when the minus stood before it.
        t.remove(minus, 1);
        WriteWindowText(t);
        const bool minusBeforeCaret = prefixLength + minus < caret;
        SetSelStart(std::max(prefixLength, minusBeforeCaret ? caret - 1 : caret));
        if (editType_ != etNumeric)
            ShowModifiedState(true);
    } else {
        WriteWindowText(QLatin1Char('-') + t);
        SetSelStart(caret + 1);
        ShowModifiedState(true);
    }
    if (editType_ == etNumeric)
        SetSelLength(selected);
}

// ---- assigned text ------------------------------------------------------------------

QString TAdvEdit::CheckedText(const QString& value) const
{
    if (value.isEmpty())
        return value;
    const int kind = ClassifyNumber(value);
    switch (editType_) {
    case etNumeric: return kind == ncInteger ? value : QStringLiteral("0");
    case etFloat:
    case etMoney: {
        QString checked = kind == ncNotANumber || kind == ncHexadecimal ? QStringLiteral("0") : value;
        if (precision_ > 0) {
            const QString format = editType_ == etMoney ? NumberFormat(precision_) : FixedFormat(precision_);
            checked = FormatNumber(format, ToFloat(checked));
        }
        return checked;
    }
    case etHex: return kind == ncInteger || kind == ncHexadecimal ? value.toUpper() : QStringLiteral("0");
    default: return value;
    }
}

void TAdvEdit::AcceptPastedText(const QString& text, const QString& clip)
{
    switch (editType_) {
    case etNumeric:
        if (ClassifyNumber(text) == ncInteger) {
            SetText(text);
            ShowModifiedState(true);
        }
        break;
    case etFloat:
    case etMoney:
        if (ClassifyNumber(text) <= ncFloat && !(precision_ == 0 && clip.contains(TEditSeparators::Decimal()))) {
            SetText(text);
            SetFloatValue(GetFloatValue());
            ShowModifiedState(true);
        }
        break;
    case etUppercase: SetText(ToUpperSimple(text)); break;
    case etLowerCase: SetText(ToLowerSimple(text)); break;
    case etMixedCase: SetText(MixedCase(text)); break;
    case etRange:
    case etHex: break;
    case etAlphaNumeric:
        if (IsAlphaNumericText(text)) {
            SetText(text);
            ShowModifiedState(true);
        }
        break;
    default: SetText(text); break;
    }
}

// ---- setters ------------------------------------------------------------------------

void TAdvEdit::SetEditType(TAdvEditType value)
{
    if (value == editType_)
        return;
    editType_ = value;
    // The password type hides its text and has no undo.
    if (value == etPassword) {
        SetPasswordChar('*');
        canUndo_ = false;
        RecreateAndRelayout();
    } else {
        SetPasswordChar(QChar());
    }
    // A text the new type cannot hold becomes its zero (an empty field too).
    const int kind = ClassifyNumber(Text());
    if (value == etNumeric && kind != ncInteger)
        SetIntegerValue(0);
    else if ((value == etFloat || value == etMoney) && kind > ncFloat)
        SetFloatValue(0);
    else if (value == etHex && kind != ncInteger && kind != ncHexadecimal)
        SetIntegerValue(0);
}

void TAdvEdit::SetPrecision(qint16 value)
{
    if (value == precision_ || (editType_ != etFloat && editType_ != etMoney))
        return;
    precision_ = value;
    SetFloatValue(ClassifyNumber(Text()) > ncFloat ? 0 : GetFloatValue());
}

void TAdvEdit::SetAutoThousandSeparator(bool value)
{
    if (value == autoThousandSeparator_)
        return;
    autoThousandSeparator_ = value;
    if (editType_ == etFloat || editType_ == etMoney)
        RegroupThousands();
}

// ---- focus --------------------------------------------------------------------------

// Without AutoSelect the caret of a number field goes just before its decimals.
void TAdvEdit::PlaceNumberCaret()
{
    if (editType_ != etFloat && editType_ != etMoney)
        return;
    const qsizetype decimal = Text().indexOf(TEditSeparators::Decimal());
    SetSelStart(int(prefix_.size() + std::max<qsizetype>(decimal, 0)));
}

// Leaving a number field completes it: empty becomes 0, decimals are filled.
void TAdvEdit::CompleteNumber()
{
    if (editType_ == etFloat || editType_ == etMoney) {
        if (Text().isEmpty())
            SetFloatValue(0);
        if (precision_ > 0)
            SetFloatValue(GetFloatValue());
    } else if (editType_ == etNumeric && Text().isEmpty()) {
        SetText(QStringLiteral("0"));
    }
}

// ---- typed characters ---------------------------------------------------------------

void TAdvEdit::keyPressEvent(QKeyEvent* event)
{
    keyFromKeypad_ = IsKeypadKey(*event);
    ctrlHeld_ = event->modifiers().testFlag(Qt::ControlModifier);
    lookupTookKey_ = false;
    TCustomEdit::keyPressEvent(event);
    lookupTookKey_ = false;
    keyFromKeypad_ = false;
    ctrlHeld_ = false;
}

// The type filter: passes a character on to the native edit (through OnKeyPress),
// transforms it, handles it itself, or drops it.
void TAdvEdit::TypedCharMessage(QChar& key)
{
    if (IsEditCommand(key)) {
        TCustomEdit::CharMessage(key);
        return;
    }
    const bool backspaceOrDigit = key.unicode() == kBackspace || IsDigit(key);
    switch (editType_) {
    case etNumeric:
        if (key == u'-')
            ToggleSign();
        else if (backspaceOrDigit || ctrlHeld_)
            TCustomEdit::CharMessage(key);
        return;
    case etFloat:
    case etMoney: NumberCharMessage(key); return;
    case etUppercase:
    case etLowerCase: CaseCharMessage(key); return;
    case etMixedCase: MixedCaseCharMessage(key); return;
    case etRange: RangeCharMessage(key); return;
    case etHex:
        if (key.unicode() == kBackspace || key == u'-' || IsHexDigit(key))
            TCustomEdit::CharMessage(key);
        return;
    case etAlphaNumeric:
        if (key.unicode() == kBackspace || IsAsciiLetterOrDigit(key))
            TCustomEdit::CharMessage(key);
        return;
    default: TCustomEdit::CharMessage(key); return;
    }
}

void TAdvEdit::NumberCharMessage(QChar& key)
{
    const QChar decimal = TEditSeparators::Decimal();
    const QChar thousand = TEditSeparators::Thousand();
    const bool isFloat = editType_ == etFloat;
    const int prefixLength = int(prefix_.size());
    const QString t = Text();
    const QString selected = SelText();
    const int caret = SelStart() - prefixLength;
    const bool isSeparatorKey = key == u',' || key == u'.';
    // A float field takes "," and "." only as one of the separators.
    if (isFloat && isSeparatorKey && key != decimal && key != thousand)
        return;
    const bool listed = key.unicode() == kBackspace || key == u'-' || IsDigit(key) ||
                        (isFloat ? isSeparatorKey : key == decimal);
    if (!listed)
        return;
    // One decimal separator at most, none with precision 0; a second one typed jumps
    // the caret behind the first.
    if (key == decimal && !(isFloat && selected.contains(decimal))) {
        const qsizetype at = t.indexOf(decimal);
        if (at >= 0 || precision_ == 0) {
            if (precision_ > 0)
                SetSelStart(prefixLength + int(at) + 1);
            return;
        }
    }
    if (isFloat && key == u',' && t.contains(u',') && !selected.contains(u',') && key != thousand)
        return;
    if ((key == thousand || key == decimal) && !SeparatorCheck(t, caret))
        return;
    // With every decimal filled, a digit overwrites the one after the caret.
    if (DecimalsFull(t, caret, precision_) && (IsDigit(key) || key == decimal) && SelLength() == 0) {
        if (key == decimal || caret >= t.size())
            return;
        SetSelLength(1);
    }
    if (t.isEmpty() && SelStart() == prefixLength && key == decimal) {
        WriteWindowText(QStringLiteral("0") + decimal);
        SetSelStart(prefixLength + 2);
        ShowModifiedState(true);
        return;
    }
    if (key == u'-' && SelLength() == 0) {
        ToggleSign();
        return;
    }
    if (!KeepsTheSignInFront(key))
        return;
    const QChar typed = key;
    TCustomEdit::CharMessage(key);
    if (editType_ == etMoney) {
        const QString now = Text();
        if (!now.isEmpty() && now != QLatin1String("-") && typed != decimal) {
            if (Modified())
                ShowModifiedState(true);
            RegroupThousands();
        }
    }
}

// The sign is ToggleSign's: a minus typed over a selection goes in only as the
// first character, and nothing goes in front of an existing minus. Otherwise the
// text would no longer read as a number and the field would fall back to 0.
bool TAdvEdit::KeepsTheSignInFront(QChar key) const
{
    if (key.unicode() == kBackspace)
        return true;
    const int start = EditableIndex(SelStart());
    const int end = start + SelLength();
    const qsizetype minus = Text().indexOf(u'-');
    const bool signStaysFirst = minus < 0 || minus < end;
    return signStaysFirst && (key != u'-' || start == 0);
}

// Upper or lower case by the simple mapping of one code point. The halves of a
// surrogate pair arrive one by one: the first waits for the second.
void TAdvEdit::CaseCharMessage(QChar& key)
{
    const bool upper = editType_ == etUppercase;
    if (!pendingHighSurrogate_.isNull() && !key.isLowSurrogate()) {
        QChar lone = pendingHighSurrogate_;
        pendingHighSurrogate_ = QChar();
        TCustomEdit::CharMessage(lone);
    }
    if (key.isHighSurrogate()) {
        pendingHighSurrogate_ = key;
        return;
    }
    if (key.isLowSurrogate() && !pendingHighSurrogate_.isNull()) {
        const QString pair = QString(pendingHighSurrogate_) + key;
        pendingHighSurrogate_ = QChar();
        for (QChar half : upper ? ToUpperSimple(pair) : ToLowerSimple(pair)) {
            QChar current = half;
            TCustomEdit::CharMessage(current);
        }
        return;
    }
    QChar converted = upper ? key.toUpper() : key.toLower();
    TCustomEdit::CharMessage(converted);
}

void TAdvEdit::MixedCaseCharMessage(QChar& key)
{
    TCustomEdit::CharMessage(key);
    const QString t = Text();
    const QString mixed = MixedCase(t);
    if (mixed == t)
        return;
    const int caret = SelStart();
    WriteWindowText(mixed);
    SetSelStart(caret);
}

// Ranges like "1-5,7;9": a separator neither starts the text nor stands next to
// another one.
void TAdvEdit::RangeCharMessage(QChar& key)
{
    if (IsRangeSeparator(key)) {
        const QString window = TCustomEdit::Text();
        const int caret = SelStart();
        if (caret <= prefix_.size())
            return;
        if (IsRangeSeparator(window[caret - 1]))
            return;
        const QChar after = caret < window.size() ? window[caret] : QChar(u' ');
        if (IsRangeSeparator(after))
            return;
    } else if (key.unicode() != kBackspace && !IsDigit(key)) {
        return;
    }
    TCustomEdit::CharMessage(key);
}

// ---- caret rules for prefix and suffix ----------------------------------------------

// Key-down rules that keep the caret in the editable text; true drops the key.
bool TAdvEdit::CaretKeyDropped(int key, TShiftState shift)
{
    const int prefixLength = int(prefix_.size());
    const int end = EditableEnd();
    const int selectionEnd = SelStart() + SelLength();
    switch (key) {
    case VK_RIGHT: return !suffix_.isEmpty() && selectionEnd >= end;
    case VK_LEFT: return !prefix_.isEmpty() && selectionEnd <= prefixLength;
    case VK_DELETE:
        if (suffix_.isEmpty())
            return false;
        if (selectionEnd >= end && SelLength() == 0)
            return true;
        ShowModifiedState(true);
        return false;
    case VK_END:
        if (suffix_.isEmpty())
            return false;
        if (shift & ssShift)
            SetSelLength(end - SelStart());
        else
            SetSelStart(end);
        return true;
    case VK_HOME:
        if (prefix_.isEmpty())
            return false;
        if (shift & ssShift)
            setSelection(end, prefixLength - end);
        else
            SetSelStart(prefixLength);
        return true;
    case VK_BACK:
        if (prefix_.isEmpty())
            return false;
        // The character rule keeps Backspace out of the prefix.
        if (SelStart() <= prefixLength + 1)
            return true;
        ShowModifiedState(true);
        return false;
    default: return false;
    }
}

// After a click or a drag: the caret and selection stay within the editable text.
void TAdvEdit::KeepMouseSelectionInText()
{
    const int prefixLength = int(prefix_.size());
    if (!prefix_.isEmpty() && SelStart() < prefixLength) {
        SetSelStart(prefixLength);
        SetSelLength(int(Text().size()));
    }
    if (!suffix_.isEmpty()) {
        const int end = EditableEnd();
        if (SelStart() > end)
            SetSelStart(end);
        else if (SelStart() + SelLength() > end)
            SetSelLength(end - SelStart());
    }
}
