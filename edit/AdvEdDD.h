#pragma once
// Drag-and-drop of text for edit controls: a drop target with overridable hooks, a
// drop source, a data object that offers a text, its format enumerator, and a reader
// that walks the formats of dropped data. The classes answer with the classic
// clipboard formats, media and result codes, so their behaviour is checked without a
// drag in progress; TDropTargetBridge and StartTextDrag connect them to Qt's
// drag-and-drop.

#include <QByteArray>
#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <memory>
#include <stdexcept>

class QMimeData;
class QWidget;

using HRESULT = std::int32_t;
using TClipFormat = std::uint32_t;

constexpr HRESULT S_OK = 0;
constexpr HRESULT S_FALSE = 1;
constexpr HRESULT E_NOTIMPL = HRESULT(0x80004001u);
constexpr HRESULT E_FAIL = HRESULT(0x80004005u);
constexpr HRESULT DV_E_FORMATETC = HRESULT(0x80040064u);
constexpr HRESULT OLE_E_ADVISENOTSUPPORTED = HRESULT(0x80040003u);
constexpr HRESULT DRAGDROP_S_DROP = 0x00040100;
constexpr HRESULT DRAGDROP_S_CANCEL = 0x00040101;
constexpr HRESULT DRAGDROP_S_USEDEFAULTCURSORS = 0x00040102;

constexpr TClipFormat CF_TEXT = 1;
constexpr TClipFormat CF_UNICODETEXT = 13;
constexpr TClipFormat CF_HDROP = 15;

constexpr std::uint32_t DVASPECT_CONTENT = 1;
constexpr std::uint32_t DVASPECT_ICON = 4;
constexpr std::uint32_t TYMED_HGLOBAL = 1;
constexpr std::uint32_t TYMED_ISTREAM = 4;
constexpr std::uint32_t DATADIR_GET = 1;
constexpr std::uint32_t DATADIR_SET = 2;

constexpr std::uint32_t DROPEFFECT_NONE = 0;
constexpr std::uint32_t DROPEFFECT_COPY = 1;
constexpr std::uint32_t DROPEFFECT_MOVE = 2;

constexpr std::uint32_t MK_LBUTTON = 0x0001;
constexpr std::uint32_t MK_CONTROL = 0x0008;

// The clipboard format id of rich text; 0 until registered.
extern TClipFormat RtfFormat;
// Rich text exchange; nothing switches it on, so rich text is listed but never
// supplied or accepted.
extern bool RtfExchangeEnabled;
// Registers "Rich Text Format" and keeps its id in RtfFormat.
void RegisterRtfFormat();

// An assertion failure: shown by the message loop like any other error.
class EAssertionFailed : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Starts the drag-and-drop system for the process: S_OK the first time, S_FALSE
// when already started. CheckOleInitialize raises "OleInitialize failed ($%x)" for
// any other result. Shutdown happens once, however often it is asked for.
HRESULT OleInitialize();
void OleUninitialize();
void CheckOleInitialize(HRESULT result);
bool OleInitialized();

struct TFormatEtc {
    TClipFormat cfFormat = 0;
    void* ptd = nullptr; // target device; always none here
    std::uint32_t dwAspect = DVASPECT_CONTENT;
    std::int32_t lindex = -1;
    std::uint32_t tymed = TYMED_HGLOBAL;
};

// A storage medium: a block of global memory (its bytes), owned by the receiver.
struct TStgMedium {
    std::uint32_t tymed = 0;
    QByteArray hGlobal;
    void* pUnkForRelease = nullptr;
};

class TEnumFormatEtcBase {
public:
    virtual ~TEnumFormatEtcBase() = default;
    virtual HRESULT Next(std::uint32_t count, TFormatEtc* out, std::uint32_t* fetched) = 0;
    virtual HRESULT Skip(std::uint32_t count) = 0;
    virtual HRESULT Reset() = 0;
    virtual HRESULT Clone(std::shared_ptr<TEnumFormatEtcBase>& out) = 0;
};

class TDataObjectBase {
public:
    virtual ~TDataObjectBase() = default;
    virtual HRESULT GetData(const TFormatEtc& format, TStgMedium& medium) = 0;
    virtual HRESULT GetDataHere(const TFormatEtc& format, TStgMedium& medium) = 0;
    virtual HRESULT QueryGetData(const TFormatEtc& format) = 0;
    virtual HRESULT GetCanonicalFormatEtc(const TFormatEtc& in, TFormatEtc& out) = 0;
    virtual HRESULT SetData(const TFormatEtc& format, const TStgMedium& medium, bool release) = 0;
    virtual HRESULT EnumFormatEtc(std::uint32_t direction, std::shared_ptr<TEnumFormatEtcBase>& out) = 0;
    virtual HRESULT DAdvise() = 0;
    virtual HRESULT DUnadvise() = 0;
    virtual HRESULT EnumDAdvise() = 0;
};

// The three formats a dragged text is listed in: CF_TEXT, CF_UNICODETEXT, RtfFormat.
class TSourceEnumFormatEtc : public TEnumFormatEtcBase {
public:
    static constexpr std::uint32_t kCount = 3;
    explicit TSourceEnumFormatEtc(std::uint32_t position = 0) : position_(position) {}

    HRESULT Next(std::uint32_t count, TFormatEtc* out, std::uint32_t* fetched) override;
    HRESULT Skip(std::uint32_t count) override;
    HRESULT Reset() override;
    HRESULT Clone(std::shared_ptr<TEnumFormatEtcBase>& out) override;
    std::uint32_t Position() const { return position_; }

private:
    std::uint32_t position_;
};

// The data of a drag out of an edit: the text as CF_TEXT and CF_UNICODETEXT.
class TSourceDataObject : public TDataObjectBase {
public:
    TSourceDataObject(QString text, QByteArray richText);

    HRESULT GetData(const TFormatEtc& format, TStgMedium& medium) override;
    HRESULT GetDataHere(const TFormatEtc&, TStgMedium&) override { return DV_E_FORMATETC; }
    HRESULT QueryGetData(const TFormatEtc& format) override;
    HRESULT GetCanonicalFormatEtc(const TFormatEtc& in, TFormatEtc& out) override;
    HRESULT SetData(const TFormatEtc&, const TStgMedium&, bool) override { return DV_E_FORMATETC; }
    HRESULT EnumFormatEtc(std::uint32_t direction, std::shared_ptr<TEnumFormatEtcBase>& out) override;
    HRESULT DAdvise() override { return OLE_E_ADVISENOTSUPPORTED; }
    HRESULT DUnadvise() override { return OLE_E_ADVISENOTSUPPORTED; }
    HRESULT EnumDAdvise() override { return OLE_E_ADVISENOTSUPPORTED; }

    QString Text() const { return text_; }
    // The offered data as Qt drag data: plain text.
    QMimeData* ToMimeData() const;

private:
    QString text_;
    QByteArray richText_;
};

// Dropped Qt data seen as a data object: plain text as CF_TEXT (UTF-8 bytes) and
// CF_UNICODETEXT, a list of addresses as a CF_HDROP file list of its local files
// with wide names.
class TMimeDataObject : public TDataObjectBase {
public:
    explicit TMimeDataObject(const QMimeData* data);

    HRESULT GetData(const TFormatEtc& format, TStgMedium& medium) override;
    HRESULT GetDataHere(const TFormatEtc&, TStgMedium&) override { return DV_E_FORMATETC; }
    HRESULT QueryGetData(const TFormatEtc& format) override;
    HRESULT GetCanonicalFormatEtc(const TFormatEtc&, TFormatEtc& out) override
    {
        out.ptd = nullptr;
        return E_NOTIMPL;
    }
    HRESULT SetData(const TFormatEtc&, const TStgMedium&, bool) override { return DV_E_FORMATETC; }
    HRESULT EnumFormatEtc(std::uint32_t direction, std::shared_ptr<TEnumFormatEtcBase>& out) override;
    HRESULT DAdvise() override { return OLE_E_ADVISENOTSUPPORTED; }
    HRESULT DUnadvise() override { return OLE_E_ADVISENOTSUPPORTED; }
    HRESULT EnumDAdvise() override { return OLE_E_ADVISENOTSUPPORTED; }

    // A file list block: a 20-byte header (offset of the names, drop point,
    // non-client flag, wide flag) followed by the terminated names and a final
    // empty name.
    static QByteArray FileListBlock(const QStringList& names);

private:
    QByteArray Bytes(TClipFormat format) const;
    std::vector<TClipFormat> formats_;
    QString text_;
    QStringList files_;
};

// Walks the formats of dropped data and reads its text and file names.
class TEnumFormats {
public:
    // Throws EAssertionFailed "Cannot get the format enumerator" when the data
    // cannot list its formats.
    explicit TEnumFormats(std::shared_ptr<TDataObjectBase> data);

    void Reset();
    // Fetches the next entry; false at the end.
    bool Next();
    bool HasFormat(TClipFormat format);
    // The memory of that format read as a terminated text, or the empty text.
    QByteArray FormatText(TClipFormat format);
    // Reads the dropped file list into FileNameList; true when it is non-empty.
    bool FileNames();
    QStringList FileNameList() const { return fileNames_; }
    bool HasText() { return HasFormat(CF_TEXT); }
    bool HasRtf() { return RtfFormat != 0 && HasFormat(RtfFormat); }
    bool HasFiles() { return HasFormat(CF_HDROP); }
    int Count() const { return count_; }

    // Reads a file-list block within its size: a bad offset, an odd wide list or a
    // missing terminator ends the list at what was read safely.
    static QStringList ParseFileList(const QByteArray& block);
    // The bytes up to the first zero, or all of them when there is none.
    static QByteArray TerminatedText(const QByteArray& bytes);

private:
    std::shared_ptr<TDataObjectBase> data_;
    std::shared_ptr<TEnumFormatEtcBase> enumerator_;
    TFormatEtc current_;
    bool valid_ = false;
    int count_ = 0;
    QStringList fileNames_;
};

// A drop target: decides acceptance and effects, and hands the dropped text or
// files to its hooks.
class TAEDropTarget {
public:
    virtual ~TAEDropTarget() = default;

    HRESULT DragEnter(const std::shared_ptr<TDataObjectBase>& data, std::uint32_t keyState, QPoint point,
                      std::uint32_t& effect);
    HRESULT DragOver(std::uint32_t keyState, QPoint point, std::uint32_t& effect);
    virtual HRESULT DragLeave();
    HRESULT Drop(const std::shared_ptr<TDataObjectBase>& data, std::uint32_t keyState, QPoint point,
                 std::uint32_t& effect);

    bool Accepted() const { return accept_; }
    // The key state of the last drag call (for hooks that ask about Ctrl).
    std::uint32_t KeyState() const { return keyState_; }
    static std::uint32_t KeyStateEffect(std::uint32_t keyState)
    {
        return (keyState & MK_CONTROL) ? DROPEFFECT_COPY : DROPEFFECT_MOVE;
    }

    // Hooks; points are in screen coordinates.
    virtual void DropText(QPoint point, const QString& text);
    virtual void DropRichText(QPoint point, const QByteArray& richText);
    virtual void DropFiles(QPoint point, const QStringList& files);
    virtual void CanDropAt(QPoint point, bool& allow);

private:
    bool accept_ = false;
    std::uint32_t keyState_ = 0;
};

// The source side of a drag: when to go on, drop or cancel, and whether the
// last feedback refused the drop.
class TAEDropSource {
public:
    HRESULT QueryContinueDrag(bool escapePressed, std::uint32_t keyState);
    HRESULT GiveFeedback(std::uint32_t effect);
    bool Refused() const { return refused_; }

private:
    bool refused_ = false;
};

// Connects a drop target to a widget's Qt drop events while registered.
class TDropTargetBridge : public QObject {
public:
    TDropTargetBridge(QWidget* widget, std::shared_ptr<TAEDropTarget> target);
    ~TDropTargetBridge() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPointer<QWidget> widget_;
    std::shared_ptr<TAEDropTarget> target_;
    std::shared_ptr<TDataObjectBase> data_;
};

// Registers `target` for drops on `widget`; null when it cannot be registered.
TDropTargetBridge* RegisterDragDrop(QWidget* widget, std::shared_ptr<TAEDropTarget> target);
void RevokeDragDrop(TDropTargetBridge*& registration);

std::uint32_t ToDropEffect(Qt::DropAction action);
Qt::DropActions ToDropActions(std::uint32_t effects);
std::uint32_t KeyStateOf(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons);

// Runs a modal drag of `text` from `source`; effect receives the effect of the drop.
// The answer is DRAGDROP_S_DROP, or DRAGDROP_S_CANCEL when nothing took the data.
HRESULT StartTextDrag(QWidget* source, const QString& text, const QByteArray& richText, std::uint32_t allowedEffects,
                      std::uint32_t& effect);
