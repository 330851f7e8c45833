#include "AdvEdDD.h"

#include <QDrag>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QGuiApplication>
#include <QMimeData>
#include <QUrl>
#include <QWidget>
#include <QtEndian>
#include <algorithm>
#include <cstdio>

TClipFormat RtfFormat = 0;
bool RtfExchangeEnabled = false;

namespace {

// Registered clipboard formats are numbered from here, as the platform does.
constexpr TClipFormat kRtfFormatId = 0xC0A0;
constexpr int kFileListHeaderSize = 20;

bool IsHGlobalContent(const TFormatEtc& format)
{
    return format.dwAspect == DVASPECT_CONTENT && format.tymed == TYMED_HGLOBAL;
}

int processStarts = 0;
bool processShutDown = false;

// Started when the unit is loaded, stopped once when the program ends.
struct TDragDropSystemLifetime {
    TDragDropSystemLifetime()
    {
        RtfFormat = 0;
        RtfExchangeEnabled = false;
    }
    ~TDragDropSystemLifetime() { OleUninitialize(); }
} dragDropSystemLifetime;

} // namespace

void RegisterRtfFormat() { RtfFormat = kRtfFormatId; }

HRESULT OleInitialize()
{
    if (processShutDown)
        return E_FAIL;
    return processStarts++ == 0 ? S_OK : S_FALSE;
}

void OleUninitialize()
{
    if (processStarts > 0)
        processShutDown = true;
}

bool OleInitialized() { return processStarts > 0 && !processShutDown; }

void CheckOleInitialize(HRESULT result)
{
    if (result != S_OK && result != S_FALSE)
        throw EAssertionFailed(QString::asprintf("OleInitialize failed ($%X)", std::uint32_t(result)).toStdString());
}

// ---- TSourceEnumFormatEtc ------------------------------------------------------------

HRESULT TSourceEnumFormatEtc::Next(std::uint32_t count, TFormatEtc* out, std::uint32_t* fetched)
{
    const TClipFormat formats[kCount] = {CF_TEXT, CF_UNICODETEXT, RtfFormat};
    std::uint32_t copied = 0;
    while (copied < count && position_ < kCount) {
        out[copied] = TFormatEtc{formats[position_], nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
        ++copied;
        ++position_;
    }
    if (fetched)
        *fetched = copied;
    return copied < count ? S_FALSE : S_OK;
}

HRESULT TSourceEnumFormatEtc::Skip(std::uint32_t count)
{
    // Computed without overflow: a huge count ends the walk like any count past it.
    if (count >= kCount + 1 - position_) {
        position_ = kCount;
        return S_FALSE;
    }
    position_ += count;
    return S_OK;
}

HRESULT TSourceEnumFormatEtc::Reset()
{
    position_ = 0;
    return S_OK;
}

HRESULT TSourceEnumFormatEtc::Clone(std::shared_ptr<TEnumFormatEtcBase>& out)
{
    out = std::make_shared<TSourceEnumFormatEtc>(position_);
    return S_OK;
}

// ---- TSourceDataObject ---------------------------------------------------------------

TSourceDataObject::TSourceDataObject(QString text, QByteArray richText)
    : text_(std::move(text)), richText_(std::move(richText))
{
}

HRESULT TSourceDataObject::QueryGetData(const TFormatEtc& format)
{
    if (!IsHGlobalContent(format))
        return DV_E_FORMATETC;
    if (format.cfFormat == CF_TEXT || format.cfFormat == CF_UNICODETEXT)
        return S_OK;
    if (RtfExchangeEnabled && RtfFormat != 0 && format.cfFormat == RtfFormat)
        return S_OK;
    return DV_E_FORMATETC;
}

HRESULT TSourceDataObject::GetData(const TFormatEtc& format, TStgMedium& medium)
{
    medium = TStgMedium{};
    if (QueryGetData(format) != S_OK)
        return DV_E_FORMATETC;
    QByteArray bytes;
    if (format.cfFormat == CF_TEXT) {
        bytes = text_.toUtf8();
        bytes.append('\0');
    } else if (format.cfFormat == CF_UNICODETEXT) {
        bytes.resize(2 * text_.size() + 2);
        std::fill(bytes.begin(), bytes.end(), '\0');
        for (qsizetype i = 0; i < text_.size(); ++i)
            qToLittleEndian<quint16>(text_.at(i).unicode(), bytes.data() + 2 * i);
    } else {
        bytes = richText_;
        bytes.append('\0');
    }
    medium.tymed = TYMED_HGLOBAL;
    medium.hGlobal = bytes;
    medium.pUnkForRelease = nullptr;
    return S_OK;
}

HRESULT TSourceDataObject::GetCanonicalFormatEtc(const TFormatEtc&, TFormatEtc& out)
{
    out.ptd = nullptr;
    return E_NOTIMPL;
}

HRESULT TSourceDataObject::EnumFormatEtc(std::uint32_t direction, std::shared_ptr<TEnumFormatEtcBase>& out)
{
    if (direction != DATADIR_GET)
        return E_NOTIMPL;
    out = std::make_shared<TSourceEnumFormatEtc>();
    return S_OK;
}

QMimeData* TSourceDataObject::ToMimeData() const
{
    auto* mime = new QMimeData;
    mime->setText(text_);
    return mime;
}

// ---- TMimeDataObject -----------------------------------------------------------------

namespace {

// A list of the formats a dropped data object offers.
class TListEnumFormatEtc : public TEnumFormatEtcBase {
public:
    TListEnumFormatEtc(std::vector<TClipFormat> formats, std::size_t position = 0)
        : formats_(std::move(formats)), position_(position)
    {
    }
    HRESULT Next(std::uint32_t count, TFormatEtc* out, std::uint32_t* fetched) override
    {
        std::uint32_t copied = 0;
        while (copied < count && position_ < formats_.size())
            out[copied++] = TFormatEtc{formats_[position_++], nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
        if (fetched)
            *fetched = copied;
        return copied < count ? S_FALSE : S_OK;
    }
    HRESULT Skip(std::uint32_t count) override
    {
        const std::size_t left = formats_.size() - position_;
        position_ += std::min<std::size_t>(count, left);
        return count > left ? S_FALSE : S_OK;
    }
    HRESULT Reset() override
    {
        position_ = 0;
        return S_OK;
    }
    HRESULT Clone(std::shared_ptr<TEnumFormatEtcBase>& out) override
    {
        out = std::make_shared<TListEnumFormatEtc>(formats_, position_);
        return S_OK;
    }

private:
    std::vector<TClipFormat> formats_;
    std::size_t position_;
};

} // namespace

TMimeDataObject::TMimeDataObject(const QMimeData* data)
{
    if (!data)
        return;
    // Qt also reads a list of addresses as text; dropped files are no text.
    if (data->hasFormat(QStringLiteral("text/plain")) || data->hasFormat(QStringLiteral("text/plain;charset=utf-8"))) {
        text_ = data->text();
        formats_.push_back(CF_TEXT);
        formats_.push_back(CF_UNICODETEXT);
    }
    // Every offered address list is a file list; only local files give names.
    if (data->hasUrls()) {
        for (const QUrl& url : data->urls())
            if (url.isLocalFile())
                files_.append(url.toLocalFile());
        formats_.push_back(CF_HDROP);
    }
}

QByteArray TMimeDataObject::FileListBlock(const QStringList& names)
{
    QByteArray block(kFileListHeaderSize, '\0');
    qToLittleEndian<quint32>(kFileListHeaderSize, block.data());
    qToLittleEndian<quint32>(1, block.data() + 16); // wide names
    for (const QString& name : names + QStringList{QString()}) {
        for (QChar c : name) {
            char unit[2];
            qToLittleEndian<quint16>(c.unicode(), unit);
            block.append(unit, 2);
        }
        block.append(2, '\0');
    }
    return block;
}

QByteArray TMimeDataObject::Bytes(TClipFormat format) const
{
    if (format == CF_TEXT)
        return text_.toUtf8() + QByteArray(1, '\0');
    if (format == CF_UNICODETEXT) {
        TSourceDataObject source(text_, {});
        TStgMedium medium;
        source.GetData(TFormatEtc{CF_UNICODETEXT}, medium);
        return medium.hGlobal;
    }
    return FileListBlock(files_);
}

HRESULT TMimeDataObject::QueryGetData(const TFormatEtc& format)
{
    if (!IsHGlobalContent(format))
        return DV_E_FORMATETC;
    return std::find(formats_.begin(), formats_.end(), format.cfFormat) != formats_.end() ? S_OK : DV_E_FORMATETC;
}

HRESULT TMimeDataObject::GetData(const TFormatEtc& format, TStgMedium& medium)
{
    medium = TStgMedium{};
    if (QueryGetData(format) != S_OK)
        return DV_E_FORMATETC;
    medium.tymed = TYMED_HGLOBAL;
    medium.hGlobal = Bytes(format.cfFormat);
    return S_OK;
}

HRESULT TMimeDataObject::EnumFormatEtc(std::uint32_t direction, std::shared_ptr<TEnumFormatEtcBase>& out)
{
    if (direction != DATADIR_GET)
        return E_NOTIMPL;
    out = std::make_shared<TListEnumFormatEtc>(formats_);
    return S_OK;
}

// ---- TEnumFormats --------------------------------------------------------------------

TEnumFormats::TEnumFormats(std::shared_ptr<TDataObjectBase> data) : data_(std::move(data))
{
    if (!data_ || data_->EnumFormatEtc(DATADIR_GET, enumerator_) != S_OK || !enumerator_)
        throw EAssertionFailed("Cannot get the format enumerator");
    Reset();
    RegisterRtfFormat();
}

void TEnumFormats::Reset()
{
    enumerator_->Reset();
    valid_ = false;
    count_ = 0;
}

bool TEnumFormats::Next()
{
    std::uint32_t fetched = 0;
    valid_ = enumerator_->Next(1, &current_, &fetched) == S_OK && fetched == 1;
    if (valid_)
        ++count_;
    return valid_;
}

bool TEnumFormats::HasFormat(TClipFormat format)
{
    Reset();
    while (Next())
        if (current_.cfFormat == format)
            return true;
    return false;
}

QByteArray TEnumFormats::TerminatedText(const QByteArray& bytes)
{
    const qsizetype end = bytes.indexOf('\0');
    return end < 0 ? bytes : bytes.left(end);
}

QByteArray TEnumFormats::FormatText(TClipFormat format)
{
    if (!HasFormat(format))
        return {};
    TFormatEtc wanted = current_;
    wanted.tymed = TYMED_HGLOBAL;
    TStgMedium medium;
    if (data_->GetData(wanted, medium) != S_OK || medium.tymed != TYMED_HGLOBAL)
        return {};
    return TerminatedText(medium.hGlobal);
}

QStringList TEnumFormats::ParseFileList(const QByteArray& block)
{
    QStringList names;
    if (block.size() < kFileListHeaderSize)
        return names;
    const quint32 offset = qFromLittleEndian<quint32>(block.constData());
    const bool wide = qFromLittleEndian<quint32>(block.constData() + 16) != 0;
    if (offset < kFileListHeaderSize || offset >= quint32(block.size()))
        return names;
    qsizetype at = offset;
    const qsizetype size = block.size();
    while (at < size) {
        QString name;
        bool terminated = false;
        if (wide) {
            for (; at + 1 < size; at += 2) {
                const quint16 unit = qFromLittleEndian<quint16>(block.constData() + at);
                if (unit == 0) {
                    terminated = true;
                    at += 2;
                    break;
                }
                name.append(QChar(unit));
            }
        } else {
            const qsizetype end = block.indexOf('\0', at);
            if (end >= 0) {
                name = QString::fromLocal8Bit(block.mid(at, end - at));
                terminated = true;
                at = end + 1;
            }
        }
        // An unterminated name runs past the block: it is not taken.
        if (!terminated || name.isEmpty())
            break;
        names.append(name);
    }
    return names;
}

bool TEnumFormats::FileNames()
{
    fileNames_.clear();
    if (!valid_ || current_.cfFormat != CF_HDROP) {
        if (!HasFormat(CF_HDROP))
            return false;
    }
    TStgMedium medium;
    if (data_->GetData(current_, medium) == S_OK)
        fileNames_ = ParseFileList(medium.hGlobal);
    return !fileNames_.isEmpty();
}

// ---- TAEDropTarget ---------------------------------------------------------------------

HRESULT TAEDropTarget::DragEnter(const std::shared_ptr<TDataObjectBase>& data, std::uint32_t keyState, QPoint,
                                 std::uint32_t& effect)
{
    keyState_ = keyState;
    TEnumFormats formats(data);
    accept_ = formats.HasText() || formats.HasFiles() || (RtfExchangeEnabled && formats.HasRtf());
    effect = accept_ ? KeyStateEffect(keyState) : DROPEFFECT_NONE;
    return S_OK;
}

HRESULT TAEDropTarget::DragOver(std::uint32_t keyState, QPoint point, std::uint32_t& effect)
{
    keyState_ = keyState;
    effect = accept_ ? KeyStateEffect(keyState) : DROPEFFECT_NONE;
    bool allow = true;
    CanDropAt(point, allow);
    if (!allow)
        effect = DROPEFFECT_NONE;
    return S_OK;
}

HRESULT TAEDropTarget::DragLeave() { return S_OK; }

HRESULT TAEDropTarget::Drop(const std::shared_ptr<TDataObjectBase>& data, std::uint32_t keyState, QPoint point,
                            std::uint32_t& effect)
{
    keyState_ = keyState;
    if (!accept_) {
        effect = DROPEFFECT_NONE;
        return S_OK;
    }
    TEnumFormats formats(data);
    if (RtfExchangeEnabled && formats.HasRtf())
        DropRichText(point, formats.FormatText(RtfFormat));
    else if (formats.HasText())
        DropText(point, QString::fromUtf8(formats.FormatText(CF_TEXT)));
    // The files go on even when no name could be read: the drop offered them.
    if (formats.HasFiles()) {
        formats.FileNames();
        DropFiles(point, formats.FileNameList());
    }
    effect = KeyStateEffect(keyState);
    return S_OK;
}

void TAEDropTarget::DropText(QPoint, const QString&) {}
void TAEDropTarget::DropRichText(QPoint, const QByteArray&) {}
void TAEDropTarget::DropFiles(QPoint, const QStringList&) {}
void TAEDropTarget::CanDropAt(QPoint, bool& allow) { allow = true; }

// ---- TAEDropSource ---------------------------------------------------------------------

HRESULT TAEDropSource::QueryContinueDrag(bool escapePressed, std::uint32_t keyState)
{
    if (escapePressed)
        return DRAGDROP_S_CANCEL;
    if (!(keyState & MK_LBUTTON))
        return DRAGDROP_S_DROP;
    return S_OK;
}

HRESULT TAEDropSource::GiveFeedback(std::uint32_t effect)
{
    refused_ = effect == DROPEFFECT_NONE;
    return DRAGDROP_S_USEDEFAULTCURSORS;
}

// ---- Qt bridge -------------------------------------------------------------------------

std::uint32_t ToDropEffect(Qt::DropAction action)
{
    switch (action) {
    case Qt::CopyAction:
        return DROPEFFECT_COPY;
    case Qt::MoveAction:
    case Qt::TargetMoveAction:
        return DROPEFFECT_MOVE;
    default:
        return DROPEFFECT_NONE;
    }
}

Qt::DropActions ToDropActions(std::uint32_t effects)
{
    Qt::DropActions actions;
    if (effects & DROPEFFECT_COPY)
        actions |= Qt::CopyAction;
    if (effects & DROPEFFECT_MOVE)
        actions |= Qt::MoveAction;
    return actions;
}

std::uint32_t KeyStateOf(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons)
{
    std::uint32_t state = 0;
    if (modifiers & Qt::ControlModifier)
        state |= MK_CONTROL;
    if (buttons & Qt::LeftButton)
        state |= MK_LBUTTON;
    return state;
}

namespace {

// Tells Qt the chosen effect: accepted with that action, or refused.
void AnswerDropEvent(QDropEvent* event, std::uint32_t effect)
{
    const Qt::DropAction action = effect == DROPEFFECT_COPY   ? Qt::CopyAction
                                  : effect == DROPEFFECT_MOVE ? Qt::MoveAction
                                                              : Qt::IgnoreAction;
    if (action != Qt::IgnoreAction && (event->possibleActions() & action)) {
        event->setDropAction(action);
        event->accept();
    } else if (action != Qt::IgnoreAction) {
        event->acceptProposedAction();
    } else {
        event->ignore();
    }
}

} // namespace

TDropTargetBridge::TDropTargetBridge(QWidget* widget, std::shared_ptr<TAEDropTarget> target)
    : QObject(widget), widget_(widget), target_(std::move(target))
{
    widget->setAcceptDrops(true);
    widget->installEventFilter(this);
}

TDropTargetBridge::~TDropTargetBridge()
{
    if (widget_) {
        widget_->removeEventFilter(this);
        widget_->setAcceptDrops(false);
    }
}

bool TDropTargetBridge::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != widget_)
        return false;
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto* drag = static_cast<QDragMoveEvent*>(event);
        const QPoint screen = widget_->mapToGlobal(drag->position().toPoint());
        const std::uint32_t keyState = KeyStateOf(drag->modifiers(), drag->buttons());
        std::uint32_t effect = DROPEFFECT_NONE;
        if (event->type() == QEvent::DragEnter) {
            data_ = std::make_shared<TMimeDataObject>(drag->mimeData());
            target_->DragEnter(data_, keyState, screen, effect);
            // Qt asks again at once with a move; the position's answer comes then.
            if (effect != DROPEFFECT_NONE)
                target_->DragOver(keyState, screen, effect);
        } else {
            target_->DragOver(keyState, screen, effect);
        }
        AnswerDropEvent(drag, effect);
        return true;
    }
    case QEvent::DragLeave:
        target_->DragLeave();
        data_.reset();
        return true;
    case QEvent::Drop: {
        auto* drop = static_cast<QDropEvent*>(event);
        const QPoint screen = widget_->mapToGlobal(drop->position().toPoint());
        std::uint32_t effect = DROPEFFECT_NONE;
        target_->Drop(std::make_shared<TMimeDataObject>(drop->mimeData()),
                      KeyStateOf(drop->modifiers(), drop->buttons()), screen, effect);
        data_.reset();
        AnswerDropEvent(drop, effect);
        return true;
    }
    default:
        return false;
    }
}

TDropTargetBridge* RegisterDragDrop(QWidget* widget, std::shared_ptr<TAEDropTarget> target)
{
    if (!widget || !target)
        return nullptr;
    return new TDropTargetBridge(widget, std::move(target));
}

void RevokeDragDrop(TDropTargetBridge*& registration)
{
    delete registration;
    registration = nullptr;
}

HRESULT StartTextDrag(QWidget* source, const QString& text, const QByteArray& richText, std::uint32_t allowedEffects,
                      std::uint32_t& effect)
{
    TAEDropSource dropSource;
    TSourceDataObject data(text, richText);
    auto* drag = new QDrag(source);
    drag->setMimeData(data.ToMimeData());
    // Qt reports the target's answer as the action changes; that is the feedback.
    const QMetaObject::Connection feedback =
        QObject::connect(drag, &QDrag::actionChanged,
                         [&dropSource](Qt::DropAction action) { dropSource.GiveFeedback(ToDropEffect(action)); });
    const Qt::DropAction result = drag->exec(ToDropActions(allowedEffects), Qt::MoveAction);
    QObject::disconnect(feedback);
    drag->deleteLater();
    effect = ToDropEffect(result);
    if (result == Qt::IgnoreAction || dropSource.Refused())
        return DRAGDROP_S_CANCEL;
    return DRAGDROP_S_DROP;
}
