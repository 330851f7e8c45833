// The drag-and-drop classes' answers, and real drags between the edit and other Qt
// widgets.

#include "AdvEdit.h"
#include "../support/RealDisplay.h"

#include <QApplication>
#include <QDrag>
#include <QDragEnterEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QTest>
#include <QTimer>
#include <QtEndian>
#include <gtest/gtest.h>

TEST(AdvEdDD, TheFormatEnumeratorListsThreeFormatsAndKeepsItsPositionInRange)
{
    RegisterRtfFormat();
    ASSERT_NE(RtfFormat, 0u);
    EXPECT_FALSE(RtfExchangeEnabled);
    TSourceEnumFormatEtc formats;
    TFormatEtc entries[5];
    std::uint32_t fetched = 99;
    EXPECT_EQ(formats.Next(5, entries, &fetched), S_FALSE);
    ASSERT_EQ(fetched, 3u);
    EXPECT_EQ(entries[0].cfFormat, CF_TEXT);
    EXPECT_EQ(entries[1].cfFormat, CF_UNICODETEXT);
    EXPECT_EQ(entries[2].cfFormat, RtfFormat);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(entries[i].ptd, nullptr);
        EXPECT_EQ(entries[i].dwAspect, DVASPECT_CONTENT);
        EXPECT_EQ(entries[i].lindex, -1);
        EXPECT_EQ(entries[i].tymed, TYMED_HGLOBAL);
    }
    EXPECT_EQ(formats.Position(), 3u);

    formats.Reset();
    EXPECT_EQ(formats.Next(1, entries, nullptr), S_OK);
    EXPECT_EQ(formats.Position(), 1u);
    EXPECT_EQ(formats.Skip(1), S_OK);
    EXPECT_EQ(formats.Position(), 2u);
    EXPECT_EQ(formats.Skip(2), S_FALSE);
    EXPECT_EQ(formats.Position(), 3u);
    EXPECT_EQ(formats.Skip(0), S_OK);
    // A huge count does not wrap the position around.
    formats.Reset();
    EXPECT_EQ(formats.Skip(0xFFFFFFFFu), S_FALSE);
    EXPECT_EQ(formats.Position(), 3u);

    formats.Reset();
    formats.Skip(1);
    std::shared_ptr<TEnumFormatEtcBase> clone;
    EXPECT_EQ(formats.Clone(clone), S_OK);
    EXPECT_EQ(clone->Next(1, entries, &fetched), S_OK);
    EXPECT_EQ(entries[0].cfFormat, CF_UNICODETEXT);
    EXPECT_EQ(formats.Position(), 1u);
}

TEST(AdvEdDD, TheDataObjectSuppliesTextButRefusesRichTextAndOtherRequests)
{
    RegisterRtfFormat();
    TSourceDataObject data("Ab€", "{\\rtf1 x}");
    EXPECT_EQ(data.QueryGetData(TFormatEtc{CF_TEXT}), S_OK);
    EXPECT_EQ(data.QueryGetData(TFormatEtc{CF_UNICODETEXT}), S_OK);
    EXPECT_EQ(data.QueryGetData(TFormatEtc{RtfFormat}), DV_E_FORMATETC);
    EXPECT_EQ(data.QueryGetData(TFormatEtc{CF_TEXT, nullptr, DVASPECT_ICON}), DV_E_FORMATETC);
    EXPECT_EQ(data.QueryGetData(TFormatEtc{CF_TEXT, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL | TYMED_ISTREAM}),
              DV_E_FORMATETC);

    TStgMedium medium;
    ASSERT_EQ(data.GetData(TFormatEtc{CF_UNICODETEXT}, medium), S_OK);
    EXPECT_EQ(medium.tymed, TYMED_HGLOBAL);
    EXPECT_EQ(medium.pUnkForRelease, nullptr);
    ASSERT_EQ(medium.hGlobal.size(), 2 * 3 + 2);
    EXPECT_EQ(qFromLittleEndian<quint16>(medium.hGlobal.constData() + 4), 0x20AC);
    EXPECT_EQ(qFromLittleEndian<quint16>(medium.hGlobal.constData() + 6), 0);
    ASSERT_EQ(data.GetData(TFormatEtc{CF_TEXT}, medium), S_OK);
    EXPECT_EQ(TEnumFormats::TerminatedText(medium.hGlobal), QByteArray("Ab€"));
    EXPECT_EQ(data.GetData(TFormatEtc{RtfFormat}, medium), DV_E_FORMATETC);
    EXPECT_EQ(medium.tymed, 0u);
    EXPECT_TRUE(medium.hGlobal.isEmpty());

    EXPECT_EQ(data.GetDataHere(TFormatEtc{CF_TEXT}, medium), DV_E_FORMATETC);
    EXPECT_EQ(data.SetData(TFormatEtc{CF_TEXT}, medium, true), DV_E_FORMATETC);
    int device = 0;
    TFormatEtc out{CF_TEXT, &device};
    EXPECT_EQ(data.GetCanonicalFormatEtc(TFormatEtc{CF_TEXT}, out), E_NOTIMPL);
    EXPECT_EQ(out.ptd, nullptr);
    EXPECT_EQ(data.DAdvise(), OLE_E_ADVISENOTSUPPORTED);
    EXPECT_EQ(data.DUnadvise(), OLE_E_ADVISENOTSUPPORTED);
    EXPECT_EQ(data.EnumDAdvise(), OLE_E_ADVISENOTSUPPORTED);
    std::shared_ptr<TEnumFormatEtcBase> formats;
    EXPECT_EQ(data.EnumFormatEtc(DATADIR_SET, formats), E_NOTIMPL);
    EXPECT_EQ(data.EnumFormatEtc(DATADIR_GET, formats), S_OK);
    EXPECT_NE(formats, nullptr);
}

namespace {

// A data object whose formats cannot be listed.
class TMuteDataObject : public TSourceDataObject {
public:
    TMuteDataObject() : TSourceDataObject("x", {}) {}
    HRESULT EnumFormatEtc(std::uint32_t, std::shared_ptr<TEnumFormatEtcBase>&) override { return E_NOTIMPL; }
};

struct TRecordingTarget : TAEDropTarget {
    QStringList texts;
    QStringList files;
    bool allow = true;
    void DropText(QPoint, const QString& text) override { texts << text; }
    void DropFiles(QPoint, const QStringList& names) override { files << names; }
    void CanDropAt(QPoint, bool& allowed) override { allowed = allow; }
};

QByteArray AnsiFileList(const QByteArray& names, quint32 offset = 20)
{
    QByteArray block(20, '\0');
    qToLittleEndian<quint32>(offset, block.data());
    return block + names;
}

} // namespace

TEST(AdvEdDD, DroppedDataIsReadWithinItsSizeAndUnlistableDataIsAnError)
{
    try {
        TEnumFormats formats(std::make_shared<TMuteDataObject>());
        FAIL() << "no error";
    } catch (const EAssertionFailed& error) {
        EXPECT_STREQ(error.what(), "Cannot get the format enumerator");
    }

    EXPECT_EQ(TEnumFormats::ParseFileList(AnsiFileList(QByteArray("a.txt\0b.txt\0\0", 13))),
              (QStringList{"a.txt", "b.txt"}));
    // A name without its terminator is not taken; offsets outside the block give
    // nothing; a short header gives nothing.
    EXPECT_EQ(TEnumFormats::ParseFileList(AnsiFileList(QByteArray("a.txt\0b.t", 9))), QStringList{"a.txt"});
    EXPECT_TRUE(TEnumFormats::ParseFileList(AnsiFileList("a\0\0", 4000)).isEmpty());
    EXPECT_TRUE(TEnumFormats::ParseFileList(AnsiFileList("a\0\0", 3)).isEmpty());
    EXPECT_TRUE(TEnumFormats::ParseFileList(QByteArray(12, '\0')).isEmpty());
    const QByteArray wide = TMimeDataObject::FileListBlock({"/tmp/ä.txt", "/tmp/b"});
    EXPECT_EQ(TEnumFormats::ParseFileList(wide), (QStringList{"/tmp/ä.txt", "/tmp/b"}));
    EXPECT_EQ(TEnumFormats::ParseFileList(wide.left(wide.size() - 5)), QStringList{"/tmp/ä.txt"});
    EXPECT_EQ(TEnumFormats::TerminatedText("abc"), QByteArray("abc"));

    // Text and files from Qt drop data reach the hooks; the effect follows Ctrl.
    QMimeData mime;
    mime.setText("one\ntwo");
    mime.setUrls({QUrl::fromLocalFile("/tmp/x.csv")});
    auto data = std::make_shared<TMimeDataObject>(&mime);
    TRecordingTarget target;
    std::uint32_t effect = 99;
    EXPECT_EQ(target.DragEnter(data, MK_LBUTTON, {}, effect), S_OK);
    EXPECT_EQ(effect, DROPEFFECT_MOVE);
    EXPECT_EQ(target.DragOver(MK_LBUTTON | MK_CONTROL, {}, effect), S_OK);
    EXPECT_EQ(effect, DROPEFFECT_COPY);
    target.allow = false;
    target.DragOver(MK_LBUTTON, {}, effect);
    EXPECT_EQ(effect, DROPEFFECT_NONE);
    EXPECT_EQ(target.DragLeave(), S_OK);
    EXPECT_EQ(target.Drop(data, MK_CONTROL, {}, effect), S_OK);
    EXPECT_EQ(effect, DROPEFFECT_COPY);
    EXPECT_EQ(target.texts, QStringList{"one\ntwo"});
    EXPECT_EQ(target.files, QStringList{"/tmp/x.csv"});

    QMimeData nothing;
    nothing.setData("application/x-other", "1");
    target.DragEnter(std::make_shared<TMimeDataObject>(&nothing), 0, {}, effect);
    EXPECT_EQ(effect, DROPEFFECT_NONE);
    target.Drop(std::make_shared<TMimeDataObject>(&nothing), 0, {}, effect);
    EXPECT_EQ(effect, DROPEFFECT_NONE);
    EXPECT_EQ(target.texts.size(), 1);
}

TEST(AdvEdDD, DropSourceAnswersAndTheSystemStartsOncePerProcess)
{
    TAEDropSource source;
    EXPECT_EQ(source.QueryContinueDrag(true, MK_LBUTTON), DRAGDROP_S_CANCEL);
    EXPECT_EQ(source.QueryContinueDrag(false, 0), DRAGDROP_S_DROP);
    EXPECT_EQ(source.QueryContinueDrag(false, MK_LBUTTON), S_OK);
    EXPECT_EQ(source.GiveFeedback(DROPEFFECT_NONE), DRAGDROP_S_USEDEFAULTCURSORS);
    EXPECT_TRUE(source.Refused());
    source.GiveFeedback(DROPEFFECT_COPY);
    EXPECT_FALSE(source.Refused());

    // Started when the edit unit was loaded; asking again says so.
    EXPECT_TRUE(OleInitialized());
    EXPECT_EQ(OleInitialize(), S_FALSE);
    EXPECT_NO_THROW(CheckOleInitialize(S_OK));
    EXPECT_NO_THROW(CheckOleInitialize(S_FALSE));
    try {
        CheckOleInitialize(E_FAIL);
        FAIL() << "no error";
    } catch (const EAssertionFailed& error) {
        EXPECT_STREQ(error.what(), "OleInitialize failed ($80004005)");
    }
}

// ---- real drags ----------------------------------------------------------------------

namespace {

// Moves the pressed mouse to `target` and releases it there, from inside the drag loop.
void FinishDragOn(QWidget* target, QPoint at, Qt::KeyboardModifiers modifiers = {})
{
    QTimer::singleShot(100, target, [target, at, modifiers] {
        QTest::mouseMove(target, at - QPoint(2, 0));
        QTimer::singleShot(100, target, [target, at, modifiers] {
            QTest::mouseMove(target, at);
            QTimer::singleShot(100, target, [target, at, modifiers] {
                QTest::mouseRelease(target, Qt::LeftButton, modifiers, at);
            });
        });
    });
}

struct DragForm {
    QWidget window;
    TAdvEdit* edit = new TAdvEdit(&window);
    QLineEdit* other = new QLineEdit(&window);

    DragForm()
    {
        window.resize(320, 80);
        edit->setGeometry(10, 10, 300, 24);
        other->setGeometry(10, 45, 300, 24);
        edit->SetOleDropSource(true);
        edit->SetOleDropTarget(true);
        window.show();
        window.activateWindow();
        (void)QTest::qWaitForWindowActive(&window);
        edit->setFocus();
        QApplication::processEvents();
    }

    QPoint At(int index) const { return edit->CharPos(index) + QPoint(1, 6); }

    // Presses inside the selection and moves: the drag runs until FinishDragOn ends it.
    void DragSelection(int start, int length)
    {
        // A press inside the selection arms only a field that already has the focus.
        edit->setFocus();
        QApplication::processEvents();
        edit->SetSelStart(start);
        edit->SetSelLength(length);
        const QPoint from = At(start + 1);
        QTest::mousePress(edit, Qt::LeftButton, {}, from);
        EXPECT_TRUE(edit->DragArmed());
        QTest::mouseMove(edit, from + QPoint(8, 0));
        QApplication::processEvents();
    }
};

// A drop target of another program that answers every drag with one effect.
class TAnsweringTarget : public QLabel {
public:
    TAnsweringTarget(Qt::DropAction answer, QWidget* parent) : QLabel(parent), answer_(answer)
    {
        setAcceptDrops(true);
    }

protected:
    void dragEnterEvent(QDragEnterEvent* event) override { Answer(event); }
    void dragMoveEvent(QDragMoveEvent* event) override { Answer(event); }
    void dropEvent(QDropEvent* event) override
    {
        setText(event->mimeData()->text());
        Answer(event);
    }

private:
    void Answer(QDropEvent* event)
    {
        event->setDropAction(answer_);
        event->accept();
    }
    Qt::DropAction answer_;
};

} // namespace

TEST(AdvEdDDRealDrag, BetweenTheFieldAndOtherWidgets)
{
    if (!OnARealDisplay())
        return RerunUnderXvfb();

    DragForm form;
    // Out of the field into another widget: plain text is offered; a move takes it.
    form.edit->SetText("HK55 EVB");
    FinishDragOn(form.other, QPoint(20, 12));
    form.DragSelection(0, 4);
    EXPECT_EQ(form.other->text(), "HK55");
    EXPECT_EQ(form.edit->Text(), " EVB");
    EXPECT_FALSE(form.edit->DraggingOut());
    EXPECT_FALSE(form.edit->DragArmed());

    // From another widget into the field: only the first line, at the mouse.
    form.edit->SetText("ABCD");
    auto* drag = new QDrag(form.other);
    auto* mime = new QMimeData;
    mime->setText("xy\nz");
    drag->setMimeData(mime);
    FinishDragOn(form.edit, form.At(2));
    QTest::mousePress(form.other, Qt::LeftButton, {}, QPoint(5, 5));
    drag->exec(Qt::CopyAction | Qt::MoveAction);
    EXPECT_EQ(form.edit->Text(), "ABxyCD");
    EXPECT_EQ(form.edit->DropCaretPos(), QPoint(-1, -1));

    // Within the field: a move, a copy with Ctrl, and a drop onto the selection itself.
    form.edit->SetText("abc XYZ");
    FinishDragOn(form.edit, form.At(0));
    form.DragSelection(4, 3);
    EXPECT_EQ(form.edit->Text(), "XYZabc ");
    form.edit->SetText("abc XYZ");
    FinishDragOn(form.edit, form.At(0), Qt::ControlModifier);
    form.DragSelection(4, 3);
    EXPECT_EQ(form.edit->Text(), "XYZabc XYZ");
    form.edit->SetText("abc XYZ");
    FinishDragOn(form.edit, form.At(5));
    form.DragSelection(4, 3);
    EXPECT_EQ(form.edit->Text(), "abc XYZ");
}

TEST(AdvEdDDRealDrag, CtrlAloneDecidesWhetherTheSourceKeepsItsTextAndFilesAreNoText)
{
    if (!OnARealDisplay())
        return RerunUnderXvfb();

    DragForm form;
    form.other->hide();
    auto* moving = new TAnsweringTarget(Qt::MoveAction, &form.window);
    auto* copying = new TAnsweringTarget(Qt::CopyAction, &form.window);
    moving->setGeometry(10, 45, 140, 24);
    copying->setGeometry(170, 45, 140, 24);
    moving->show();
    copying->show();

    // With Ctrl the text is copied, whatever the target answers.
    form.edit->SetText("HK55 EVB");
    FinishDragOn(moving, QPoint(20, 12), Qt::ControlModifier);
    form.DragSelection(0, 4);
    EXPECT_EQ(moving->text(), "HK55");
    EXPECT_EQ(form.edit->Text(), "HK55 EVB");
    // Without Ctrl it moves, even onto a target that answers copy.
    FinishDragOn(copying, QPoint(20, 12));
    form.DragSelection(5, 3);
    EXPECT_EQ(copying->text(), "EVB");
    EXPECT_EQ(form.edit->Text(), "HK55 ");

    // A file dropped on the field inserts nothing.
    form.edit->SetText("keep");
    auto* drag = new QDrag(moving);
    auto* mime = new QMimeData;
    mime->setUrls({QUrl::fromLocalFile("/tmp/a.txt")});
    drag->setMimeData(mime);
    FinishDragOn(form.edit, form.At(1));
    QTest::mousePress(moving, Qt::LeftButton, {}, QPoint(5, 5));
    drag->exec(Qt::CopyAction | Qt::MoveAction);
    EXPECT_EQ(form.edit->Text(), "keep");
}
