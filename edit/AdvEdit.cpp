#include "AdvEdit.h"

#include "EditSeparators.h"
#include "FormKeys.h"
#include "Shell.h"

#include <QApplication>
#include <QClipboard>
#include <QHelpEvent>
#include <QLabel>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>
#include <algorithm>

namespace {

constexpr QColor kPlaceholderGrey(128, 128, 128);

// The grey of the placeholder on the light field it was chosen for; on a dark
// field (a dark desktop palette) a lighter grey, light enough to be read.
QColor PlaceholderColor(const QColor& field)
{
    if (field.lightnessF() >= 0.5)
        return kPlaceholderGrey;
    QColor grey = kPlaceholderGrey;
    while (ContrastRatio(grey, field) < 4.5 && grey.red() < 255)
        grey = QColor(grey.red() + 1, grey.green() + 1, grey.blue() + 1);
    return grey;
}
constexpr QColor kErrorMarkerRed(255, 0, 0);

bool IsTextLikeType(TAdvEditType type)
{
    return type == etString || type == etUppercase || type == etMixedCase || type == etLowerCase ||
           type == etPassword;
}

bool IsSignedNumberType(TAdvEditType type)
{
    return type == etNumeric || type == etFloat || type == etMoney;
}

} // namespace

TAdvEdit::TAdvEdit(QWidget* parent) : TCustomEdit(parent)
{
    // Like a multi-line native edit, the control keeps Enter and Esc and forwards
    // them to its parent itself, so the form sees each of them exactly once.
    SetNativeMultiLine(true);
    normalColor_ = Color();
    normalFontColor_ = FontColor();
    labelFont_.OnChange = [this] {
        if (label_)
            PlaceLabel();
    };
    ApplyCreationParams();
    lookupPopup_ = new TListHintWindow(this);
    lookupPopup_->ListControl()->OnChoose = [this] { SelectLookupItem(); };
    WatchWindowDestruction();
}

TAdvEdit::~TAdvEdit()
{
    // Only when the control itself is deleted: a descendant is already gone here.
    SavePersistenceOnDestroy();
    delete lookupPopup_;
    if (dropRegistration_)
        RevokeDragDrop(dropRegistration_);
    delete label_.data();
}

// ---- text -------------------------------------------------------------------------

QString TAdvEdit::Text() const
{
    QString t = TCustomEdit::Text();
    if (!prefix_.isEmpty() && t.startsWith(prefix_))
        t.remove(0, prefix_.size());
    // The suffix is dropped by its length, whatever the last characters are.
    if (!suffix_.isEmpty())
        t.chop(std::min(suffix_.size(), t.size()));
    return t;
}

void TAdvEdit::SetText(const QString& value)
{
    // The number types check and format what they are given; text types store it as is.
    TCustomEdit::SetText(prefix_ + CheckedText(value) + suffix_);
    ShowModifiedState(false);
    if (showURL_)
        ShowUrlLook(IsUrlText());
}

void TAdvEdit::SetPrefix(const QString& value)
{
    if (value == prefix_)
        return;
    const QString t = Text();
    prefix_ = value;
    TCustomEdit::SetText(t);
    SetText(t);
}

void TAdvEdit::SetSuffix(const QString& value)
{
    if (value == suffix_)
        return;
    const QString t = Text();
    suffix_ = value;
    TCustomEdit::SetText(t);
    SetText(t);
}

void TAdvEdit::SetEmptyText(const QString& value)
{
    if (value == emptyText_)
        return;
    emptyText_ = value;
    update();
}

void TAdvEdit::SetCanUndo(bool value)
{
    if (value && editType_ == etPassword)
        value = false;
    if (value == canUndo_)
        return;
    canUndo_ = value;
    RecreateAndRelayout();
}

int TAdvEdit::CountedLength(const QString& s)
{
    QString counted = s;
    counted.remove(TEditSeparators::Thousand());
    const int decimal = int(counted.indexOf(TEditSeparators::Decimal()));
    return decimal < 0 ? int(counted.size()) + 1 : decimal + 1;
}

int TAdvEdit::EditableIndex(int windowIndex) const
{
    return std::clamp(windowIndex - int(prefix_.size()), 0, int(Text().size()));
}

// The window position up to which a full field refuses characters.
int TAdvEdit::LimitPosition() const
{
    const QString t = Text();
    const int decimal = int(t.indexOf(TEditSeparators::Decimal()));
    if (decimal >= 0)
        return decimal + 1 + int(prefix_.size());
    return int(t.size() + prefix_.size() + suffix_.size()) + 1;
}

QString TAdvEdit::TextAfterBackspace() const
{
    QString t = Text();
    const int at = EditableIndex(SelStart());
    if (SelLength() > 0)
        t.remove(at, SelLength());
    else if (at > 0)
        t.remove(at - 1, 1);
    return t;
}

QString TAdvEdit::TextAfterDelete() const
{
    QString t = Text();
    const int at = EditableIndex(SelStart());
    t.remove(at, SelLength() > 0 ? SelLength() : 1);
    return t;
}

QString TAdvEdit::SelectedPartOfText() const
{
    return Text().mid(std::max(0, SelStart() - int(prefix_.size())), SelLength());
}

void TAdvEdit::SelectAllText()
{
    const QString t = Text();
    const int prefixLength = int(prefix_.size());
    SetSelStart(0);
    SetSelLength(int(t.size()));
    if (!prefix_.isEmpty() && SelStart() < prefixLength) {
        SetSelStart(prefixLength);
        SetSelLength(int(t.size()));
    }
    if (!suffix_.isEmpty()) {
        SetSelStart(prefixLength);
        SetSelLength(int(t.size()));
    }
    if (showURL_ && t.contains(QLatin1String("://"))) {
        SetSelStart(int(t.indexOf(QLatin1String("://"))) + 3);
        SetSelLength(int(t.size()));
    }
    if (showURL_ && t.contains(QLatin1String("mailto:"))) {
        SetSelStart(int(t.indexOf(QLatin1String("mailto:"))) + 7);
        SetSelLength(int(t.size()));
    }
}

// ---- label ------------------------------------------------------------------------

QString TAdvEdit::LabelCaption() const
{
    return label_ ? label_->text() : QString();
}

void TAdvEdit::SetLabelCaption(const QString& value)
{
    if (!label_)
        CreateAttachedLabel();
    label_->setText(value);
    PlaceLabel();
}

void TAdvEdit::CreateAttachedLabel()
{
    // The label lives in the edit's parent of this moment; its accelerator focuses
    // the edit.
    label_ = new QLabel(parentWidget());
    label_->setTextFormat(Qt::PlainText);
    label_->setBuddy(this);
    label_->hide();
    labelFont_.ApplyTo(label_);
}

void TAdvEdit::SetLabelPosition(TLabelPosition value)
{
    if (value == labelPosition_)
        return;
    labelPosition_ = value;
    if (label_)
        PlaceLabel();
}

void TAdvEdit::SetLabelMargin(int value)
{
    if (value == labelMargin_)
        return;
    labelMargin_ = value;
    if (label_)
        PlaceLabel();
}

void TAdvEdit::SetLabelTransparent(bool value)
{
    if (value == labelTransparent_)
        return;
    labelTransparent_ = value;
    if (label_)
        PlaceLabel();
}

void TAdvEdit::SetLabelAlwaysEnabled(bool value)
{
    labelAlwaysEnabled_ = value;
    if (label_ && value)
        label_->setEnabled(true);
    update();
}

void TAdvEdit::PlaceLabel()
{
    if (!label_)
        return;
    label_->setAutoFillBackground(!labelTransparent_);
    // The font goes in before measuring, so the label is placed by its new size.
    labelFont_.ApplyTo(label_);
    label_->adjustSize();
    const QRect e = geometry();
    const int labelWidth = label_->width();
    const int labelHeight = label_->height();
    const int captionWidth = QFontMetrics(label_->font()).horizontalAdvance(label_->text());
    const int m = labelMargin_;
    int top = e.top();
    int left = e.left();
    switch (labelPosition_) {
    case lpLeftTop: left = e.left() - captionWidth - m; break;
    case lpLeftCenter:
        top = e.top() + (e.height() - labelHeight) / 2;
        left = e.left() - captionWidth - m;
        break;
    case lpLeftBottom:
        top = e.top() + e.height() - labelHeight;
        left = e.left() - captionWidth - m;
        break;
    case lpTopLeft: top = e.top() - labelHeight - m; break;
    case lpBottomLeft: top = e.top() + e.height() + m; break;
    case lpLeftTopLeft: left = e.left() - m; break;
    case lpLeftCenterLeft:
        top = e.top() + (e.height() - labelHeight) / 2;
        left = e.left() - m;
        break;
    case lpLeftBottomLeft:
        top = e.top() + e.height() - labelHeight;
        left = e.left() - m;
        break;
    case lpTopCenter:
        top = e.top() - labelHeight - m;
        left = e.left() + (e.width() - labelWidth) / 2;
        break;
    case lpBottomCenter:
        top = e.top() + e.height() + m;
        left = e.left() + (e.width() - labelWidth) / 2;
        break;
    }
    label_->move(left, top);
    // A label without a parent would become a window of its own.
    if (label_->parentWidget())
        label_->setVisible(Visible());
}

// ---- colours, look, geometry --------------------------------------------------------

void TAdvEdit::SetColor(TColor value)
{
    TCustomEdit::SetColor(value);
    normalColor_ = value;
    colorBeforeFlat_ = value;
}

void TAdvEdit::SetEnabled(bool value)
{
    const bool old = Enabled();
    TCustomEdit::SetEnabled(value);
    if (Loading() || old == value)
        return;
    if (value) {
        TCustomEdit::SetColor(normalColor_);
    } else {
        const TColor remembered = Color();
        TCustomEdit::SetColor(disabledColor_);
        normalColor_ = remembered;
    }
    if (label_ && !labelAlwaysEnabled_)
        label_->setEnabled(value);
}

void TAdvEdit::setVisible(bool visible)
{
    TCustomEdit::setVisible(visible);
    if (label_ && label_->parentWidget())
        label_->setVisible(visible);
}

void TAdvEdit::BeginLoading()
{
    TCustomEdit::BeginLoading();
    loadedHeight_ = Height();
}

void TAdvEdit::SetHeight(int value)
{
    if (Loading())
        loadedHeight_ = value;
    SetBounds(Left(), Top(), Width(), value);
}

void TAdvEdit::SetBounds(int left, int top, int width, int height)
{
    // Bounds applied while loading carry the stored height.
    if (Loading())
        loadedHeight_ = height;
    TCustomEdit::SetBounds(left, top, width, height);
    if (label_)
        PlaceLabel();
}

void TAdvEdit::moveEvent(QMoveEvent* event)
{
    TCustomEdit::moveEvent(event);
    if (label_)
        PlaceLabel();
}

void TAdvEdit::resizeEvent(QResizeEvent* event)
{
    TCustomEdit::resizeEvent(event);
    if (label_)
        PlaceLabel();
}

void TAdvEdit::SetDisabledColor(TColor value)
{
    disabledColor_ = value;
    update();
}

void TAdvEdit::SetFocusBorder(bool value)
{
    focusBorder_ = value;
    update();
}

void TAdvEdit::SetErrorMarkerPos(int value)
{
    errorMarkerPos_ = value;
    update();
}

void TAdvEdit::SetErrorMarkerLen(int value)
{
    errorMarkerLen_ = value;
    update();
}

void TAdvEdit::SetFlatLineColor(TColor value)
{
    flatLineColor_ = value;
    update();
}

void TAdvEdit::SetFlatParentColor(bool value)
{
    flatParentColor_ = value;
    update();
}

void TAdvEdit::SetSoftBorder(bool value)
{
    if (value == softBorder_)
        return;
    softBorder_ = value;
    update();
}

void TAdvEdit::SetTransparent(bool value)
{
    if (value == transparent_)
        return;
    transparent_ = value;
    SetTransparentBackground(value);
    update();
}

void TAdvEdit::SetFlat(bool value)
{
    if (Loading()) {
        flat_ = value;
        return;
    }
    if (value == flat_)
        return;
    flat_ = value;
    ApplyFlat(value);
}

void TAdvEdit::ApplyFlat(bool on)
{
    if (on) {
        // The colour before the flat look is kept apart, for switching it off; the
        // colour to return to after focus is the flat one, so a flat edit keeps its
        // parent's colour after the user leaves it.
        colorBeforeFlat_ = Color();
        if (flatParentColor_) {
            const TColor parentColor = ParentColor();
            TCustomEdit::SetColor(parentColor);
            focusColor_ = parentColor;
            normalColor_ = parentColor;
        }
        SetBorderStyle(bsNone);
        ApplyFormattingRect(true);
    } else {
        TCustomEdit::SetColor(colorBeforeFlat_);
        normalColor_ = colorBeforeFlat_;
        SetBorderStyle(savedBorderStyle_);
        ApplyFormattingRect(false);
    }
    update();
}

void TAdvEdit::ApplyFormattingRect(bool flat)
{
    if (flat)
        SetTextInsets(2, 4, 2, 4);
    else
        SetTextInsets(0, 0, 0, 0);
}

TColor TAdvEdit::ParentColor() const
{
    const QWidget* parent = parentWidget();
    if (!parent)
        return clBtnFace;
    return FromQColor(parent->palette().color(parent->backgroundRole()));
}

void TAdvEdit::SetEditAlign(TEditAlign value)
{
    if (value == editAlign_)
        return;
    editAlign_ = value;
    // An alignment set from outside is the one to return to after focus alignment.
    if (!realignGuard_)
        savedEditAlign_ = value;
    RecreateAndRelayout();
}

// What a recreated native window takes from the properties.
void TAdvEdit::ApplyCreationParams()
{
    Qt::Alignment horizontal = Qt::AlignLeft;
    if (editAlign_ == eaRight)
        horizontal = Qt::AlignRight;
    else if (editAlign_ == eaCenter)
        horizontal = Qt::AlignHCenter;
    setAlignment(horizontal | Qt::AlignVCenter);
    ApplyFormattingRect(flat_);
}

void TAdvEdit::RecreateAndRelayout()
{
    ApplyCreationParams();
    SetWidth(Width() + 1);
    SetWidth(Width() - 1);
}

void TAdvEdit::FontChanged()
{
    ApplyFormattingRect(flat_);
    if (Loading() && label_)
        label_->setFont(font());
}

// ---- colour states ------------------------------------------------------------------

void TAdvEdit::ShowModifiedState(bool on)
{
    if (Loading())
        return;
    if (showModified_)
        SetFontColor(on ? modifiedColor_ : normalFontColor_);
    SetModified(on);
    modifiedShown_ = on;
}

void TAdvEdit::ShowErrorState(bool on)
{
    if (Loading() || on == errorShown_)
        return;
    errorShown_ = on;
    if (!showError_)
        return;
    if (on) {
        TCustomEdit::SetColor(errorColor_);
        SetFontColor(errorFontColor_);
    } else if (hasFocus()) {
        TCustomEdit::SetColor(focusColor_);
        SetFontColor(focusFontColor_);
    } else {
        TCustomEdit::SetColor(normalColor_);
        SetFontColor(normalFontColor_);
    }
}

void TAdvEdit::Change()
{
    TCustomEdit::Change();
    if (Loading() || !OnValueValidate)
        return;
    bool isValid = true;
    OnValueValidate(this, Text(), isValid);
    if (showError_)
        ShowErrorState(!isValid);
}

void TAdvEdit::Loaded()
{
    TCustomEdit::Loaded();
    CaptureLoadedState();
    SetHeight(loadedHeight_);
    SetBounds(Left(), Top(), Width(), Height());
    LoadPersistence();
}

void TAdvEdit::CaptureLoadedState()
{
    normalColor_ = Color();
    colorBeforeFlat_ = Color();
    normalFontColor_ = FontColor();
    savedBorderStyle_ = BorderStyle();
    ApplyFlat(flat_);
    if (label_)
        PlaceLabel();
    if (!Enabled()) {
        normalColor_ = Color();
        TCustomEdit::SetColor(disabledColor_);
    }
}

// ---- focus --------------------------------------------------------------------------

void TAdvEdit::FocusGained()
{
    TCustomEdit::FocusGained();
    if (Loading())
        return;
    undoText_ = Text();
    if (!(errorShown_ && showError_) && !showModified_) {
        TCustomEdit::SetColor(focusColor_);
        normalFontColor_ = FontColor();
        if (!(showURL_ && IsUrlText()))
            SetFontColor(focusFontColor_);
    }
    if (AutoSelect())
        SelectAllText();
    else
        PlaceNumberCaret();
    if (focusLabel_ && label_) {
        QFont bold = label_->font();
        bold.setBold(true);
        label_->setFont(bold);
        label_->adjustSize();
    }
    if (focusWidthInc_ > 0 && !realignGuard_)
        SetWidth(Width() + focusWidthInc_);
    if (focusAlign_ != editAlign_ && focusAlign_ != eaDefault) {
        savedEditAlign_ = editAlign_;
        realignGuard_ = true;
        SetEditAlign(focusAlign_);
        realignGuard_ = false;
    }
    if (!emptyText_.isEmpty() && Text().isEmpty()) {
        update();
        return;
    }
    if (focusBorder_)
        update();
}

void TAdvEdit::FocusLost(QWidget* next)
{
    if (Loading()) {
        TCustomEdit::FocusLost(next);
        return;
    }
    // The lookup popup is hidden unless it takes the focus.
    if (lookupPopup_ && !(next && (next == lookupPopup_ || lookupPopup_->isAncestorOf(next))))
        lookupPopup_->hide();
    if (!(errorShown_ && showError_) && !showModified_) {
        TCustomEdit::SetColor(normalColor_);
        if (!(showURL_ && IsUrlText()))
            SetFontColor(normalFontColor_);
    }
    if (focusLabel_ && label_) {
        QFont plain = label_->font();
        plain.setBold(false);
        label_->setFont(plain);
        label_->adjustSize();
    }
    CompleteNumber();
    // A failed validation does not keep the focus; only its colours tell.
    bool isValid = true;
    if (OnValueValidate)
        OnValueValidate(this, Text(), isValid);
    TCustomEdit::FocusLost(next);
    if (focusBorder_)
        update();
    if (realignGuard_)
        return;
    if (focusWidthInc_ > 0)
        SetWidth(Width() - focusWidthInc_);
    if (savedEditAlign_ != editAlign_ && focusAlign_ != eaDefault)
        SetEditAlign(savedEditAlign_);
    if (!emptyText_.isEmpty() && Text().isEmpty())
        update();
    if (errorMarkerLen_ > 0)
        update();
}

// ---- painting -----------------------------------------------------------------------

void TAdvEdit::PaintAfterNative(QPainter& painter)
{
    if (flat_) {
        if (focusBorder_) {
            DrawFocusBorder(painter);
        } else {
            painter.setPen(QPen(ToQColor(flatLineColor_), 1));
            const QRect r = FormattingRect();
            const int left = r.left() - 2;
            const int bottom = height() - 1;
            if (softBorder_) {
                const QPoint outline[] = {{left, bottom},
                                          {width() - 1, bottom},
                                          {width() - 1, r.top() - 4},
                                          {left, r.top() - 4},
                                          {left, bottom}};
                painter.drawPolyline(outline, 5);
            } else {
                painter.drawLine(left, bottom, width() - 1, bottom);
            }
        }
    }
    // The drop caret of a drag in progress over the control.
    if (dropCaretPos_ != QPoint(-1, -1))
        painter.fillRect(QRect(dropCaretPos_, QSize(1, fontMetrics().height())), ToQColor(FontColor()));
    if (Text().isEmpty() && !hasFocus() && !emptyText_.isEmpty()) {
        // The surface's default font, not the control's: a font the painter takes
        // as it is, rather than filling its unset parts in from the control.
        QFont surfaceFont = QApplication::font();
        surfaceFont.setResolveMask(QFont::AllPropertiesResolved);
        painter.setFont(surfaceFont);
        painter.setPen(PlaceholderColor(palette().color(QPalette::Base)));
        painter.drawText(QRect(2, 2, width() - 2, height() - 2), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                         emptyText_);
    }
    if (!hasFocus() && errorMarkerLen_ > 0)
        DrawErrorMarker(painter);
}

// A red zigzag, 3 pixels high in 3-pixel steps, under the marked characters.
// Character positions are clamped to the text, so an empty text or a marker past
// its end draws just behind the last character.
void TAdvEdit::DrawErrorMarker(QPainter& painter)
{
    const int t = int(Text().size());
    const int p = errorMarkerPos_;
    const qint64 n = errorMarkerLen_;
    const QPoint start = t > p ? CharPos(p) : CharPos(t) + QPoint(4, 0);
    QPoint end;
    if (t > p + n) {
        end = CharPos(int(p + n - 1));
    } else {
        end = CharPos(t - 1) + QPoint(4, 0);
        end.setY(start.y());
    }
    painter.setPen(QPen(kErrorMarkerRed, 2));
    const int h = fontMetrics().height() - 1;
    int x = start.x();
    int s = 3;
    QPoint current(x, start.y() + h + 3);
    auto lineTo = [&](QPoint next) {
        painter.drawLine(current, next);
        current = next;
    };
    while (x <= end.x()) {
        s = s == 3 ? 0 : 3;
        lineTo({x + 3, end.y() + h + s});
        x += 3;
    }
    s = s == 3 ? 0 : 3;
    lineTo({x + 3, end.y() + h + s});
}

void TAdvEdit::DrawFocusBorder(QPainter& painter)
{
    const bool highlighted = (mouseInside_ || QApplication::focusWidget() == this) && focusBorder_;
    const QColor frameColor = highlighted ? ToQColor(clBtnFace) : ToQColor(ParentColor());
    QRect r = rect();
    auto frame = [&](const QRect& area) {
        painter.setPen(frameColor);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(area.adjusted(0, 0, -1, -1));
    };
    if (highlighted) {
        // A one-pixel sunken edge: shadow at top and left, light at bottom and right.
        const QPalette pal = QApplication::palette();
        painter.setPen(pal.color(QPalette::Dark));
        painter.drawLine(r.topLeft(), r.topRight());
        painter.drawLine(r.topLeft(), r.bottomLeft());
        painter.setPen(pal.color(QPalette::Light));
        painter.drawLine(r.bottomLeft(), r.bottomRight());
        painter.drawLine(r.topRight(), r.bottomRight());
        r.adjust(1, 1, -1, -1);
        frame(r);
    } else {
        frame(r);
        r.adjust(1, 1, -1, -1);
        frame(r);
    }
}

// ---- mouse --------------------------------------------------------------------------

void TAdvEdit::MouseEnter()
{
    if (autoFocus_)
        setFocus(Qt::OtherFocusReason);
    if (!mouseInside_ && Enabled()) {
        mouseInside_ = true;
        if (focusBorder_)
            update();
    }
}

void TAdvEdit::MouseLeave()
{
    if (mouseInside_ && Enabled()) {
        mouseInside_ = false;
        if (focusBorder_)
            update();
    }
}

void TAdvEdit::mousePressEvent(QMouseEvent* event)
{
    // Focus that arrives with this very press does not count as having had it.
    const bool hadFocus = hasFocus() && !TakeFocusFromPress();
    if (event->button() == Qt::LeftButton) {
        if (urlShown_ && hadFocus && showURL_)
            ShellOpenAddress(Text());
        // A press inside the selection keeps it; the caret goes where the button is
        // released (and a drag may start from here).
        const int c = CharAtPos(event->pos());
        if (SelLength() > 0 && SelStart() <= c && c <= SelStart() + SelLength() && hadFocus) {
            dragArmed_ = true;
            event->accept();
            return;
        }
    }
    TCustomEdit::mousePressEvent(event);
}

void TAdvEdit::mouseMoveEvent(QMouseEvent* event)
{
    // While armed the native edit never saw the press, so it does not select.
    if (dragArmed_) {
        event->accept();
        if (SelLength() > 0 && oleDropSource_)
            StartDragOut();
        return;
    }
    TCustomEdit::mouseMoveEvent(event);
}

void TAdvEdit::mouseReleaseEvent(QMouseEvent* event)
{
    if (dragArmed_ && event->button() == Qt::LeftButton) {
        SetSelStart(CharAtPos(event->pos()));
        dragArmed_ = false;
    }
    TCustomEdit::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton)
        KeepMouseSelectionInText();
}

bool TAdvEdit::event(QEvent* event)
{
    if (event->type() == QEvent::ParentChange)
        WatchWindowDestruction();
    else if (event->type() == QEvent::DeferredDelete)
        SavePersistenceOnDestroy();
    if (event->type() == QEvent::ToolTip && hintShowLargeText_ &&
        fontMetrics().horizontalAdvance(Text()) > Width()) {
        QToolTip::showText(mapToGlobal(QPoint(0, 0)), Text(), this);
        return true;
    }
    return TCustomEdit::event(event);
}

// ---- keyboard -----------------------------------------------------------------------

bool TAdvEdit::ParentIsPreviewingForm() const
{
    const QWidget* parent = parentWidget();
    if (!parent || !parent->isWindow())
        return false;
    const TFormKeys* form = TFormKeys::Of(parent);
    return form && form->KeyPreview();
}

bool TAdvEdit::WantSpecialKey(int key, TShiftState shift)
{
    if (key == VK_ESCAPE && canUndo_) {
        SetText(undoText_);
        SetFontColor(focusFontColor_);
        SelectAllText();
        ShowModifiedState(false);
        if (parentWidget())
            PostKeyDownUp(parentWidget(), VK_ESCAPE);
    }
    // Enter chooses from an open lookup list and goes no further.
    if (key == VK_RETURN && !LookupVisible() && !ParentIsPreviewingForm() && parentWidget())
        PostKeyDownUp(parentWidget(), VK_RETURN);
    // Enter and Esc are not claimed: the form's default and cancel buttons react to
    // the forwarded keys.
    return TCustomEdit::WantSpecialKey(key, shift);
}

void TAdvEdit::KeyDownMessage(int& key, TShiftState shift)
{
    // The lookup list takes its navigation keys first while its popup is shown.
    if (LookupVisible() && LookupKeyDown(key))
        return;
    if (key == VK_RETURN && returnIsTab_) {
        key = VK_TAB;
        if (isVisible())
            PostKeyDown(this, VK_TAB);
    }
    if (CaretKeyDropped(key, shift)) {
        key = 0;
        return;
    }
    if (key == VK_DELETE && SelStart() >= prefix_.size()) {
        if (lengthLimit_ > 0 && CountedLength(TextAfterDelete()) - 1 > lengthLimit_) {
            key = 0;
            return;
        }
        ShowModifiedState(true);
    }
    TCustomEdit::KeyDownMessage(key, shift);
    if (key == VK_DELETE && editType_ == etMoney)
        RegroupThousands();
    if (!prefix_.isEmpty() && SelStart() < prefix_.size())
        SetSelStart(int(prefix_.size()));
}

void TAdvEdit::CharMessage(QChar& key)
{
    const QChar decimal = TEditSeparators::Decimal();
    const ushort code = key.unicode();
    if (code == 13 && lookupTookKey_) {
        key = QChar();
        return;
    }
    if (code == 13) {
        // No line break is ever inserted.
        if (OnKeyPress) {
            QChar enter(13);
            OnKeyPress(this, enter);
        }
        key = QChar();
        return;
    }
    if (code == 27 && !canUndo_) {
        TCustomEdit::CharMessage(key);
        return;
    }
    // The keypad's decimal key types the decimal separator, whatever the layout puts
    // on it.
    if (excelStyleDecimalSeparator_ && keyFromKeypad_ && (key == QLatin1Char('.') || key == QLatin1Char(',')))
        key = decimal;
    const int prefixLength = int(prefix_.size());
    if (code == 8 && !prefix_.isEmpty() && SelStart() <= prefixLength && SelLength() == 0)
        return;
    if (lengthLimit_ > 0 && CountedLength(Text()) > lengthLimit_ && SelLength() == 0 &&
        SelStart() < LimitPosition() && code != 8 && key != decimal)
        return;
    if (code == 8 && lengthLimit_ > 0 && CountedLength(TextAfterBackspace()) - 1 > lengthLimit_)
        return;
    if (key == QLatin1Char('-') && IsSignedNumberType(editType_) && !signed_)
        return;
    if (editType_ == etString || editType_ == etPassword)
        TCustomEdit::CharMessage(key);
    else
        TypedCharMessage(key);
    if (tabOnFullLength_ && lengthLimit_ > 0 && CountedLength(Text()) > lengthLimit_ && SelLength() == 0 &&
        SelStart() == lengthLimit_)
        PostKeyDown(this, VK_TAB);
    if (Modified())
        ShowModifiedState(true);
    UpdateLookupList();
}

// ---- clipboard ----------------------------------------------------------------------

void TAdvEdit::ClipboardCopy()
{
    bool allow = true;
    if (OnClipboardCopy)
        OnClipboardCopy(this, SelectedPartOfText(), allow);
    if (allow)
        TCustomEdit::ClipboardCopy();
}

void TAdvEdit::ClipboardCut()
{
    bool allow = true;
    if (OnClipboardCut)
        OnClipboardCut(this, SelectedPartOfText(), allow);
    if (allow)
        TCustomEdit::ClipboardCut();
}

void TAdvEdit::ClipboardPaste()
{
    if (ReadOnly())
        return;
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    if (!data || !data->hasText()) {
        UpdateLookupList();
        return;
    }
    const QString clip = data->text();
    if (clip.isEmpty())
        return;
    bool allow = true;
    if (OnClipboardPaste)
        OnClipboardPaste(this, SelectedPartOfText(), allow);
    if (!allow)
        return;
    // The whole clipboard text goes in, line breaks included; the typing limit does
    // not apply to it.
    QString t = Text();
    const int prefixLength = int(prefix_.size());
    const int at = EditableIndex(SelStart());
    int newStart = 0;
    int newLength = 0;
    if (SelLength() > 0) {
        t.remove(at, SelLength());
        t.insert(at, clip);
        newStart = at + prefixLength;
        newLength = int(clip.size());
    } else {
        t.insert(at, clip);
        newStart = at + int(clip.size()) + prefixLength;
    }
    AcceptPastedText(t, clip);
    if (editType_ == etMoney && Text().size() > 3) {
        SelectAllText();
    } else {
        SetSelStart(newStart);
        SetSelLength(newLength);
    }
    if (IsTextLikeType(editType_))
        ShowModifiedState(true);
    UpdateLookupList();
}

// ---- addresses ----------------------------------------------------------------------

bool TAdvEdit::IsUrlText() const
{
    const QString t = Text();
    return t.contains(QLatin1String("://")) || t.indexOf(QLatin1Char('@')) > 0;
}

void TAdvEdit::ShowUrlLook(bool on)
{
    QFont look = font();
    look.setUnderline(on);
    setFont(look);
    urlShown_ = on;
    if (on) {
        SetFontColor(urlColor_);
        setCursor(Qt::PointingHandCursor);
        update();
    } else {
        SetFontColor(normalFontColor_);
        setCursor(Qt::IBeamCursor);
    }
}

void TAdvEdit::NativeChange()
{
    if (transparent_)
        update();
    if (showURL_) {
        const bool isUrl = IsUrlText();
        if (isUrl && !urlShown_)
            ShowUrlLook(true);
        else if (urlShown_ && !isUrl)
            ShowUrlLook(false);
    }
    TCustomEdit::NativeChange();
}
