#pragma once
// TAdvEdit: the labelled single-line edit in which the operator types a plate.
// On top of the toolkit's edit it carries an attached caption label, a grey
// placeholder while empty and unfocused, colours for focus, modification, failed
// validation and the disabled state, a flat look, a red zigzag error marker, a fixed
// prefix and suffix around the editable text, Esc undo, typing limits, clipboard
// commands that an owner may veto, web and mail addresses, and a full-text hint.
//
// EditType makes it a typed field (numbers, money, hexadecimal, ranges, casing);
// those rules live in AdvEditTypedInput.cpp and TypedInput.h. The lookup list, the
// persistence of the text and drag-and-drop live in AdvEditServices.cpp.

#include "AdvEdDD.h"
#include "AdvEditSettings.h"
#include "CustomEdit.h"
#include "ListHintWindow.h"
#include "NotifyFont.h"

#include <QLabel>
#include <QPointer>
#include <functional>


enum TLabelPosition {
    lpLeftTop,
    lpLeftCenter,
    lpLeftBottom,
    lpTopLeft,
    lpBottomLeft,
    lpLeftTopLeft,
    lpLeftCenterLeft,
    lpLeftBottomLeft,
    lpTopCenter,
    lpBottomCenter
};

enum TAdvEditType {
    etString,
    etNumeric,
    etFloat,
    etUppercase,
    etMixedCase,
    etLowerCase,
    etPassword,
    etMoney,
    etRange,
    etHex,
    etAlphaNumeric
};

enum TEditAlign { eaLeft, eaRight, eaDefault, eaCenter };

using TValueValidateEvent = std::function<void(QObject* sender, QString value, bool& isValid)>;
using TClipboardEvent = std::function<void(QObject* sender, QString value, bool& allow)>;
using TLookupSelectEvent = std::function<void(QObject* sender, QString& value)>;

class TAdvEdit : public TCustomEdit {
    Q_OBJECT
public:
    explicit TAdvEdit(QWidget* parent = nullptr);
    ~TAdvEdit() override;

    // ---- text ----
    // The window text without prefix and suffix.
    QString Text() const;
    void SetText(const QString& value);
    QString Prefix() const { return prefix_; }
    void SetPrefix(const QString& value);
    QString Suffix() const { return suffix_; }
    void SetSuffix(const QString& value);
    QString EmptyText() const { return emptyText_; }
    void SetEmptyText(const QString& value);
    TAdvEditType EditType() const { return editType_; }
    void SetEditType(TAdvEditType value);
    bool CanUndo() const { return canUndo_; }
    void SetCanUndo(bool value);
    // Typing limit on CountedLength; 0 is off.
    qint16 LengthLimit() const { return lengthLimit_; }
    void SetLengthLimit(qint16 value) { lengthLimit_ = value; }
    bool TabOnFullLength() const { return tabOnFullLength_; }
    void SetTabOnFullLength(bool value) { tabOnFullLength_ = value; }
    bool ReturnIsTab() const { return returnIsTab_; }
    void SetReturnIsTab(bool value) { returnIsTab_ = value; }

    // ---- typed input ----
    // Decimals of etFloat and etMoney: negative is the general format, 0 allows no
    // decimal separator. Taken only while the field is etFloat or etMoney.
    qint16 Precision() const { return precision_; }
    void SetPrecision(qint16 value);
    // The minus sign may be typed in etNumeric, etFloat and etMoney.
    bool Signed() const { return signed_; }
    void SetSigned(bool value) { signed_ = value; }
    bool AutoThousandSeparator() const { return autoThousandSeparator_; }
    void SetAutoThousandSeparator(bool value);
    // The keypad's decimal key types the decimal separator.
    bool ExcelStyleDecimalSeparator() const { return excelStyleDecimalSeparator_; }
    void SetExcelStyleDecimalSeparator(bool value) { excelStyleDecimalSeparator_ = value; }
    // The text as a number by type (0 for the text types).
    long double GetFloatValue() const;
    // Write a number into the text by type.
    void SetFloatValue(long double value);
    void SetIntegerValue(qint64 value);
    // Rewrites the integer part with or without thousands separators; the caret
    // keeps its distance from the end.
    void RegroupThousands();
    // Adds a minus in front, or removes the first minus.
    void ToggleSign();

    // ---- label ----
    QString LabelCaption() const;
    void SetLabelCaption(const QString& value);
    TLabelPosition LabelPosition() const { return labelPosition_; }
    void SetLabelPosition(TLabelPosition value);
    int LabelMargin() const { return labelMargin_; }
    void SetLabelMargin(int value);
    bool LabelTransparent() const { return labelTransparent_; }
    void SetLabelTransparent(bool value);
    bool LabelAlwaysEnabled() const { return labelAlwaysEnabled_; }
    void SetLabelAlwaysEnabled(bool value);
    // Changes made inside the font place the label again.
    TNotifyFont& LabelFont() { return labelFont_; }
    const TNotifyFont& LabelFont() const { return labelFont_; }
    void SetLabelFont(const TNotifyFont& value) { labelFont_.Assign(value); }
    bool FocusLabel() const { return focusLabel_; }
    void SetFocusLabel(bool value) { focusLabel_ = value; }
    // The attached label; null until a caption is first assigned.
    QLabel* AttachedLabel() const { return label_; }
    void PlaceLabel();

    // ---- colours and look ----
    void SetColor(TColor value) override;
    void SetEnabled(bool value) override;
    // Visible unless hidden on purpose: a control waiting for its window to be shown
    // counts as visible.
    bool Visible() const
    {
        return !(testAttribute(Qt::WA_WState_ExplicitShowHide) && testAttribute(Qt::WA_WState_Hidden));
    }
    void SetVisible(bool value) { setVisible(value); }
    void setVisible(bool visible) override;
    void SetHeight(int value);
    void SetBounds(int left, int top, int width, int height) override;
    TColor DisabledColor() const { return disabledColor_; }
    void SetDisabledColor(TColor value);
    TColor FocusColor() const { return focusColor_; }
    void SetFocusColor(TColor value) { focusColor_ = value; }
    TColor FocusFontColor() const { return focusFontColor_; }
    void SetFocusFontColor(TColor value) { focusFontColor_ = value; }
    bool FocusBorder() const { return focusBorder_; }
    void SetFocusBorder(bool value);
    int FocusWidthInc() const { return focusWidthInc_; }
    void SetFocusWidthInc(int value) { focusWidthInc_ = value; }
    TEditAlign EditAlign() const { return editAlign_; }
    void SetEditAlign(TEditAlign value);
    TEditAlign FocusAlign() const { return focusAlign_; }
    void SetFocusAlign(TEditAlign value) { focusAlign_ = value; }
    bool AutoFocus() const { return autoFocus_; }
    void SetAutoFocus(bool value) { autoFocus_ = value; }
    TColor ModifiedColor() const { return modifiedColor_; }
    void SetModifiedColor(TColor value) { modifiedColor_ = value; }
    bool ShowModified() const { return showModified_; }
    void SetShowModified(bool value) { showModified_ = value; }
    TColor ErrorColor() const { return errorColor_; }
    void SetErrorColor(TColor value) { errorColor_ = value; }
    TColor ErrorFontColor() const { return errorFontColor_; }
    void SetErrorFontColor(TColor value) { errorFontColor_ = value; }
    bool ShowError() const { return showError_; }
    void SetShowError(bool value) { showError_ = value; }
    int ErrorMarkerPos() const { return errorMarkerPos_; }
    void SetErrorMarkerPos(int value);
    int ErrorMarkerLen() const { return errorMarkerLen_; }
    void SetErrorMarkerLen(int value);
    bool Flat() const { return flat_; }
    void SetFlat(bool value);
    TColor FlatLineColor() const { return flatLineColor_; }
    void SetFlatLineColor(TColor value);
    bool FlatParentColor() const { return flatParentColor_; }
    void SetFlatParentColor(bool value);
    bool SoftBorder() const { return softBorder_; }
    void SetSoftBorder(bool value);
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool value);

    // ---- addresses and hint ----
    bool ShowURL() const { return showURL_; }
    void SetShowURL(bool value) { showURL_ = value; }
    TColor URLColor() const { return urlColor_; }
    void SetURLColor(TColor value) { urlColor_ = value; }
    bool HintShowLargeText() const { return hintShowLargeText_; }
    void SetHintShowLargeText(bool value) { hintShowLargeText_ = value; }

    // ---- lookup, persistence, drag-and-drop settings ----
    TLookupSettings& Lookup() { return lookup_; }
    void SetLookup(const TLookupSettings& value) { lookup_ = value; }
    TPersistence& Persistence() { return persistence_; }
    void SetPersistence(const TPersistence& value) { persistence_ = value; }
    bool OleDropTarget() const { return oleDropTarget_; }
    // Registers the control for drops (for its current window) or revokes that.
    void SetOleDropTarget(bool value);
    bool OleDropSource() const { return oleDropSource_; }
    void SetOleDropSource(bool value) { oleDropSource_ = value; }

    // ---- operations ----
    void BeginLoading() override;
    void Loaded() override;
    // Selects the editable text, without prefix and without an address's scheme.
    void SelectAllText();
    void ShowModifiedState(bool on);
    void ShowErrorState(bool on);
    // The length the typing limit counts: thousands separators are not counted, and
    // only the part before the decimal separator is.
    static int CountedLength(const QString& s);
    bool IsUrlText() const;
    void ShowUrlLook(bool on);
    virtual void LoadPersistence();
    // Runs once, when the control's window goes: as its container is destroyed or as
    // the event loop deletes it, before any destructor runs.
    virtual void SavePersistence();
    // Chooses the popup's current entry: its paired value or its text goes into the
    // field, selected.
    void SelectLookupItem();
    // The lookup popup; null in the designer.
    TListHintWindow* LookupPopup() const { return lookupPopup_; }
    bool LookupVisible() const { return lookupPopup_ && lookupPopup_->isVisible(); }
    // Drag-and-drop state.
    QPoint DropCaretPos() const { return dropCaretPos_; }
    bool DragArmed() const { return dragArmed_; }
    bool DraggingOut() const { return draggingOut_; }
    bool DropTargetRegistered() const { return dropRegistration_ != nullptr; }
    void UpdateDropCaret(QPoint screenPoint);
    void HideDropCaret();

    // ---- state, for the owner and for tests ----
    TColor NormalColor() const { return normalColor_; }
    TColor NormalFontColor() const { return normalFontColor_; }
    QString UndoText() const { return undoText_; }
    bool ErrorShown() const { return errorShown_; }
    bool ModifiedShown() const { return modifiedShown_; }
    bool UrlShown() const { return urlShown_; }
    bool MouseInside() const { return mouseInside_; }
    int LoadedHeight() const { return loadedHeight_; }

    TValueValidateEvent OnValueValidate;
    TClipboardEvent OnClipboardCopy;
    TClipboardEvent OnClipboardCut;
    TClipboardEvent OnClipboardPaste;
    TLookupSelectEvent OnLookupSelect;

protected:
    bool WantSpecialKey(int key, TShiftState shift) override;
    void KeyDownMessage(int& key, TShiftState shift) override;
    void CharMessage(QChar& key) override;
    void ClipboardCopy() override;
    void ClipboardCut() override;
    void ClipboardPaste() override;
    void NativeChange() override;
    void Change() override;
    void FocusGained() override;
    void FocusLost(QWidget* next) override;
    void PaintAfterNative(QPainter& painter) override;
    void MouseEnter() override;
    void MouseLeave() override;
    void FontChanged() override;
    void UpdateLookupList();
    void hideEvent(QHideEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

    bool event(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // Typed input (AdvEditTypedInput.cpp).
    QString CheckedText(const QString& value) const;
    void TypedCharMessage(QChar& key);
    void NumberCharMessage(QChar& key);
    bool KeepsTheSignInFront(QChar key) const;
    void CaseCharMessage(QChar& key);
    void MixedCaseCharMessage(QChar& key);
    void RangeCharMessage(QChar& key);
    void AcceptPastedText(const QString& text, const QString& clip);
    bool CaretKeyDropped(int key, TShiftState shift);
    void KeepMouseSelectionInText();
    void PlaceNumberCaret();
    void CompleteNumber();
    void WriteWindowText(const QString& editable);
    QString FormatNumber(const QString& format, long double value) const;
    int EditableEnd() const { return int(prefix_.size() + Text().size()); }

    // Lookup and drag-and-drop (AdvEditServices.cpp).
    friend class TEditDropTarget;
    bool LookupKeyDown(int& key);
    void PrepareLookupPopup();
    void StartDragOut();
    void DropTextAt(QPoint screenPoint, QString text, bool ctrlHeld);
    QRect DropCaretRect(QPoint at) const;
    void SavePersistenceOnDestroy();
    void WatchWindowDestruction();

    void CreateAttachedLabel();
    void CaptureLoadedState();
    void ApplyFlat(bool on);
    void ApplyFormattingRect(bool flat);
    void ApplyCreationParams();
    void RecreateAndRelayout();
    void DrawFocusBorder(QPainter& painter);
    void DrawErrorMarker(QPainter& painter);
    QString SelectedPartOfText() const;
    int EditableIndex(int windowIndex) const;
    int LimitPosition() const;
    QString TextAfterBackspace() const;
    QString TextAfterDelete() const;
    bool ParentIsPreviewingForm() const;
    TColor ParentColor() const;

    // Text
    QString prefix_;
    QString suffix_;
    QString emptyText_;
    TAdvEditType editType_ = etString;
    bool canUndo_ = true;
    qint16 lengthLimit_ = 0;
    bool tabOnFullLength_ = false;
    bool returnIsTab_ = false;
    qint16 precision_ = 0;
    bool signed_ = false;
    bool autoThousandSeparator_ = true;
    bool excelStyleDecimalSeparator_ = false;
    // The key press whose characters are being handled: from the keypad, with Ctrl.
    bool keyFromKeypad_ = false;
    bool ctrlHeld_ = false;
    // The first half of a typed surrogate pair, held until its second half arrives.
    QChar pendingHighSurrogate_;

    // Label
    QPointer<QLabel> label_;
    TLabelPosition labelPosition_ = lpLeftTop;
    int labelMargin_ = 4;
    bool labelTransparent_ = false;
    bool labelAlwaysEnabled_ = false;
    TNotifyFont labelFont_;
    bool focusLabel_ = false;

    // Colours and look
    TColor disabledColor_ = clSilver;
    TColor focusColor_ = clWindow;
    TColor focusFontColor_ = clWindowText;
    bool focusBorder_ = false;
    int focusWidthInc_ = 0;
    TEditAlign editAlign_ = eaLeft;
    TEditAlign focusAlign_ = eaDefault;
    bool autoFocus_ = false;
    TColor modifiedColor_ = clHighlight;
    bool showModified_ = false;
    TColor errorColor_ = clRed;
    TColor errorFontColor_ = clWhite;
    bool showError_ = false;
    int errorMarkerPos_ = 0;
    int errorMarkerLen_ = 0;
    bool flat_ = false;
    TColor flatLineColor_ = clBlack;
    bool flatParentColor_ = true;
    bool softBorder_ = false;
    bool transparent_ = false;
    bool showURL_ = false;
    TColor urlColor_ = clBlue;
    bool hintShowLargeText_ = false;

    // Services
    TLookupSettings lookup_;
    TPersistence persistence_;
    bool oleDropTarget_ = false;
    bool oleDropSource_ = false;
    TListHintWindow* lookupPopup_ = nullptr;
    TDropTargetBridge* dropRegistration_ = nullptr;
    bool persistenceSaved_ = false;
    QMetaObject::Connection parentDestroyed_;

    // Internal state
    TColor normalColor_ = clWindow;
    TColor normalFontColor_ = clWindowText;
    TColor colorBeforeFlat_ = clWindow;
    TBorderStyle savedBorderStyle_ = bsSingle;
    QString undoText_;
    bool errorShown_ = false;
    bool modifiedShown_ = false;
    bool urlShown_ = false;
    bool mouseInside_ = false;
    TEditAlign savedEditAlign_ = eaLeft;
    bool realignGuard_ = false;
    int loadedHeight_ = 0;
    bool dragArmed_ = false;
    bool draggingOut_ = false;
    // This control's own drag was dropped back onto its selection: nothing moves.
    bool ownDropDeclined_ = false;
    // The key press at hand was taken by the lookup list.
    bool lookupTookKey_ = false;
    QPoint dropCaretPos_{-1, -1};
};
