// The optional services of TAdvEdit: the lookup list offered while typing, keeping
// the text between runs, and drag-and-drop of text.

#include "AdvEdit.h"

#include "Application.h"
#include "IniFile.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFileInfo>
#include <QSettings>
#include <algorithm>
#include <cstdio>

namespace {

constexpr int kPopupWidth = 200;
constexpr int kPopupBorder = 4;
constexpr int kMinListWidth = 50;
constexpr int kListWidthPadding = 10;
const QString kPersistenceDefault = QStringLiteral("@");

// Drag-and-drop starts once for the process, before the first control exists.
const bool dragDropStarted = [] {
    CheckOleInitialize(OleInitialize());
    return true;
}();

} // namespace

// ---- lookup list ----------------------------------------------------------------------

void TAdvEdit::PrepareLookupPopup()
{
    TLookupListBox* list = lookupPopup_->ListControl();
    lookupPopup_->SetCaption(QStringLiteral("  "));
    QPalette palette = list->palette();
    palette.setColor(QPalette::Base, ToQColor(lookup_.Color()));
    list->setPalette(palette);
    QFont listFont(QStringLiteral("Arial"));
    listFont.setPointSize(8);
    list->setFont(listFont);
    list->setFrameShape(QFrame::NoFrame);
    const QPoint origin = mapToGlobal(QPoint(0, 0));
    lookupPopup_->setGeometry(origin.x() + 16, origin.y() + Height() - 6, kPopupWidth,
                              std::max(1, lookup_.DisplayCount()) * TLookupListBox::kRowHeight + kPopupBorder);
    QPalette popupPalette = lookupPopup_->palette();
    popupPalette.setColor(QPalette::Window, ToQColor(clWindow));
    lookupPopup_->setPalette(popupPalette);
}

void TAdvEdit::UpdateLookupList()
{
    if (!lookup_.Enabled() || !lookupPopup_)
        return;
    const QString t = Text();
    if (t.size() < lookup_.NumChars()) {
        lookupPopup_->hide();
        return;
    }
    PrepareLookupPopup();
    TLookupListBox* list = lookupPopup_->ListControl();
    list->clear();
    const Qt::CaseSensitivity sensitivity = lookup_.CaseSensitive() ? Qt::CaseSensitive : Qt::CaseInsensitive;
    const QStringList display = lookup_.DisplayList();
    int n = 0;
    for (int i = 0; i < display.size(); ++i) {
        if (display[i].startsWith(t, sensitivity)) {
            auto* item = new QListWidgetItem(display[i], list);
            item->setData(Qt::UserRole, i);
            ++n;
        }
    }
    const int displayCount = std::max(1, lookup_.DisplayCount());
    if (n < displayCount)
        lookupPopup_->resize(lookupPopup_->width(), n * TLookupListBox::kRowHeight + kPopupBorder);
    list->sortItems();
    // The first entry of the sorted list is the one Enter chooses.
    if (list->count() > 0)
        list->setCurrentRow(0);
    if (n > 0) {
        int w = kMinListWidth;
        const QFontMetrics metrics(list->font());
        for (int row = 0; row < list->count(); ++row)
            w = std::max(w, metrics.horizontalAdvance(list->item(row)->text()));
        lookupPopup_->resize(w + kListWidthPadding, lookupPopup_->height());
        lookupPopup_->show();
    } else {
        lookupPopup_->hide();
    }
}

bool TAdvEdit::LookupKeyDown(int& key)
{
    TLookupListBox* list = lookupPopup_->ListControl();
    const int count = list->count();
    const int row = list->currentRow();
    const int page = std::max(1, lookup_.DisplayCount());
    switch (key) {
    case VK_RETURN:
        lookupTookKey_ = true;
        SelectLookupItem();
        key = 0;
        return true;
    case VK_HOME:
        list->setCurrentRow(0);
        key = 0;
        return true;
    case VK_END:
        list->setCurrentRow(count - 1);
        key = 0;
        return true;
    case VK_NEXT:
        list->setCurrentRow(row + page < count ? row + page : count - 1);
        key = 0;
        return true;
    case VK_PRIOR:
        list->setCurrentRow(row > page ? row - page : 0);
        key = 0;
        return true;
    case VK_UP:
        if (row > 0)
            list->setCurrentRow(row - 1);
        return false;
    case VK_DOWN:
        if (row + 1 < count)
            list->setCurrentRow(row + 1);
        return false;
    default:
        return false;
    }
}

void TAdvEdit::SelectLookupItem()
{
    if (!lookupPopup_)
        return;
    if (!window()->isActiveWindow()) {
        window()->raise();
        window()->activateWindow();
    }
    setFocus(Qt::OtherFocusReason);
    lookupPopup_->hide();
    const QListWidgetItem* item = lookupPopup_->ListControl()->currentItem();
    if (!item)
        return;
    const int k = item->data(Qt::UserRole).toInt();
    const QStringList values = lookup_.ValueList();
    QString value = k >= 0 && k < values.size() ? values[k] : item->text();
    if (OnLookupSelect)
        OnLookupSelect(this, value);
    SetText(value);
    SelectAllText();
}

// A hidden control, like a cancelled mouse capture, takes its popup down.
void TAdvEdit::hideEvent(QHideEvent* event)
{
    if (lookupPopup_)
        lookupPopup_->hide();
    TCustomEdit::hideEvent(event);
}

// ---- persistence ----------------------------------------------------------------------

namespace {

QString ExecutableIniName()
{
    const QFileInfo exe(QCoreApplication::applicationFilePath());
    return exe.absolutePath() + QLatin1Char('/') + exe.completeBaseName() + QStringLiteral(".INI");
}

// The user's settings store under the key path (backslashes or slashes).
std::unique_ptr<QSettings> UserSettingsAt(const QString& keyPath)
{
    QStringList parts = QString(keyPath).replace(QLatin1Char('\\'), QLatin1Char('/')).split(QLatin1Char('/'), Qt::SkipEmptyParts);
    const QString organization = parts.isEmpty() ? QString() : parts.takeFirst();
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, organization,
                                       parts.join(QLatin1Char('/')));
}

} // namespace

void TAdvEdit::LoadPersistence()
{
    if (!persistence_.Enable())
        return;
    const QString name = objectName();
    QString value;
    if (persistence_.Location() == plRegistry) {
        auto settings = UserSettingsAt(persistence_.Key());
        settings->beginGroup(persistence_.Section());
        value = settings->value(name, kPersistenceDefault).toString();
    } else {
        if (persistence_.Key().isEmpty())
            persistence_.SetKey(ExecutableIniName());
        value = TIniFile(persistence_.Key()).ReadString(persistence_.Section(), name, kPersistenceDefault);
    }
    if (value != kPersistenceDefault)
        TCustomEdit::SetText(value);
}

void TAdvEdit::SavePersistence()
{
    if (!persistence_.Enable())
        return;
    const QString name = objectName();
    const QString value = prefix_ + Text() + suffix_;
    if (persistence_.Location() == plRegistry) {
        auto settings = UserSettingsAt(persistence_.Key());
        settings->beginGroup(persistence_.Section());
        settings->setValue(name, value);
        settings->sync();
        if (settings->status() != QSettings::NoError)
            throw std::runtime_error("Cannot write the settings of " + name.toStdString());
    } else {
        if (persistence_.Key().isEmpty())
            persistence_.SetKey(ExecutableIniName());
        TIniFile ini(persistence_.Key());
        ini.WriteString(persistence_.Section(), name, value);
    }
}

// The window goes with its container: the container announces its end before it
// deletes its children, so the text is saved while the control, and whatever
// descends from it, is still whole.
void TAdvEdit::WatchWindowDestruction()
{
    disconnect(parentDestroyed_);
    if (QWidget* parent = parentWidget())
        parentDestroyed_ = connect(parent, &QObject::destroyed, this, [this] { SavePersistenceOnDestroy(); });
}

// Written once, when the control's window goes; a failed write is reported, never
// thrown out of the destruction.
void TAdvEdit::SavePersistenceOnDestroy()
{
    if (persistenceSaved_)
        return;
    persistenceSaved_ = true;
    try {
        SavePersistence();
    } catch (const std::exception& error) {
        if (qApp && !QCoreApplication::closingDown())
            TApplication::HandleException();
        else
            std::fprintf(stderr, "%s\n", error.what());
    }
}

// ---- drag-and-drop ----------------------------------------------------------------------

// The drop target of an edit: text dropped goes in at the mouse position.
class TEditDropTarget : public TAEDropTarget {
public:
    explicit TEditDropTarget(TAdvEdit* edit) : edit_(edit) {}

    void DropText(QPoint point, const QString& text) override
    {
        if (edit_)
            edit_->DropTextAt(point, text, KeyState() & MK_CONTROL);
    }
    void CanDropAt(QPoint point, bool& allow) override
    {
        allow = true;
        if (edit_)
            edit_->UpdateDropCaret(point);
    }
    // A drag that leaves without dropping takes its caret along.
    HRESULT DragLeave() override
    {
        if (edit_)
            edit_->HideDropCaret();
        return S_OK;
    }

private:
    QPointer<TAdvEdit> edit_;
};

void TAdvEdit::SetOleDropTarget(bool value)
{
    oleDropTarget_ = value;
    if (value) {
        if (!dropRegistration_)
            dropRegistration_ = RegisterDragDrop(this, std::make_shared<TEditDropTarget>(this));
    } else if (dropRegistration_) {
        RevokeDragDrop(dropRegistration_);
    }
}

QRect TAdvEdit::DropCaretRect(QPoint at) const { return QRect(at, QSize(1, fontMetrics().height())); }

void TAdvEdit::UpdateDropCaret(QPoint screenPoint)
{
    const int c = CharAtPos(mapFromGlobal(screenPoint));
    const QPoint q = TCustomEdit::Text().isEmpty() ? QPoint(0, 0) : CharPos(c);
    if (q == dropCaretPos_)
        return;
    if (dropCaretPos_ != QPoint(-1, -1))
        update(DropCaretRect(dropCaretPos_));
    update(DropCaretRect(q));
    dropCaretPos_ = q;
}

void TAdvEdit::HideDropCaret()
{
    if (dropCaretPos_ != QPoint(-1, -1))
        update(DropCaretRect(dropCaretPos_));
    dropCaretPos_ = QPoint(-1, -1);
}

void TAdvEdit::DropTextAt(QPoint screenPoint, QString text, bool ctrlHeld)
{
    // Only the first line goes in.
    const qsizetype cr = text.indexOf(QLatin1Char('\r'));
    if (cr >= 0)
        text.truncate(cr);
    const qsizetype lf = text.indexOf(QLatin1Char('\n'));
    if (lf >= 0)
        text.truncate(lf);
    const QPoint client = mapFromGlobal(screenPoint);
    if (draggingOut_) {
        const int c = CharAtPos(client);
        if (SelStart() <= c && c <= SelStart() + SelLength()) {
            ownDropDeclined_ = true;
            HideDropCaret();
            return;
        }
        if (!ctrlHeld && hasSelectedText())
            del();
    }
    HideDropCaret();
    SetSelStart(CharAtPos(client));
    insert(text);
    update();
}

// A drag of the selected text out of the field. The keyboard alone decides what
// the drop was, whatever the target answered: without Ctrl the text moved and
// leaves the field, unless it was dropped back onto itself.
void TAdvEdit::StartDragOut()
{
    const QString selected = SelText();
    draggingOut_ = true;
    ownDropDeclined_ = false;
    std::uint32_t effect = DROPEFFECT_NONE;
    const HRESULT result = StartTextDrag(this, selected, {}, DROPEFFECT_COPY | DROPEFFECT_MOVE, effect);
    draggingOut_ = false;
    const bool ctrlHeld = QGuiApplication::keyboardModifiers() & Qt::ControlModifier;
    if (result == DRAGDROP_S_DROP && !ctrlHeld && !ownDropDeclined_) {
        if (hasSelectedText())
            del();
        HideDropCaret();
        update();
    }
    ownDropDeclined_ = false;
    dragArmed_ = false;
}
