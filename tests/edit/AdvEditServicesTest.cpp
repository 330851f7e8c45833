// The lookup popup, the persistence of the text and drops into the edit, with real
// key and mouse events on the offscreen platform.

#include "PlateForm.h"

#include "Dialogs.h"
#include "IniFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QDragEnterEvent>
#include <QFile>
#include <QFileInfo>
#include <QMimeData>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

namespace {

QStringList Entries(const TAdvEdit& edit)
{
    QStringList shown;
    const TLookupListBox* list = edit.LookupPopup()->ListControl();
    for (int row = 0; row < list->count(); ++row)
        shown << list->item(row)->text();
    return shown;
}

void EnableCityLookup(TAdvEdit& edit, const QStringList& values = {})
{
    TLookupSettings lookup;
    lookup.SetEnabled(true);
    lookup.SetDisplayList({"Amsterdam", "Antwerp", "Berlin"});
    lookup.SetValueList(values);
    edit.SetLookup(lookup);
}

} // namespace

TEST(AdvEditLookup, SettingsDefaultsAndIgnoredNumChars)
{
    TLookupSettings lookup;
    EXPECT_EQ(lookup.DisplayCount(), 4);
    EXPECT_EQ(lookup.Color(), clWindow);
    EXPECT_FALSE(lookup.Enabled());
    EXPECT_EQ(lookup.NumChars(), 2);
    EXPECT_FALSE(lookup.CaseSensitive());
    lookup.SetNumChars(0);
    lookup.SetNumChars(-3);
    EXPECT_EQ(lookup.NumChars(), 2);
    TPersistence persistence;
    EXPECT_FALSE(persistence.Enable());
    EXPECT_EQ(persistence.Location(), plInifile);
}

TEST(AdvEditLookup, TypingShowsMatchesAndEnterChoosesTheEntrySelected)
{
    PlateForm form;
    EnableCityLookup(*form.edit);
    form.FocusEdit();
    TAdvEdit& edit = *form.edit;

    QTest::keyClicks(&edit, "A");
    EXPECT_FALSE(edit.LookupVisible());
    QTest::keyClicks(&edit, "n");
    ASSERT_TRUE(edit.LookupVisible());
    EXPECT_EQ(Entries(edit), QStringList{"Antwerp"});
    TListHintWindow* popup = edit.LookupPopup();
    EXPECT_EQ(popup->height(), 1 * 12 + 4);
    EXPECT_TRUE(popup->isWindow());
    EXPECT_TRUE(popup->windowFlags() & Qt::WindowStaysOnTopHint);
    // Shown without taking the activation: typing goes on in the edit.
    EXPECT_TRUE(edit.hasFocus());
    const QPoint origin = edit.mapToGlobal(QPoint(0, 0));
    EXPECT_EQ(popup->geometry().topLeft(), QPoint(origin.x() + 16, origin.y() + edit.Height() - 6));

    QTest::keyClick(&edit, Qt::Key_Return);
    Settle();
    EXPECT_FALSE(edit.LookupVisible());
    EXPECT_EQ(edit.Text(), "Antwerp");
    EXPECT_EQ(edit.SelText(), "Antwerp");
    // The Enter went to the lookup list, not to the default button.
    EXPECT_EQ(form.calcClicks, 0);

    // Back below NumChars the popup goes.
    edit.SetText("");
    QTest::keyClicks(&edit, "a");
    EXPECT_FALSE(edit.LookupVisible());
}

TEST(AdvEditLookup, ValuesPairByIndexAndTheSelectEventMayChangeThem)
{
    PlateForm form;
    EnableCityLookup(*form.edit, {"AMS"});
    form.FocusEdit();
    TAdvEdit& edit = *form.edit;

    // A short value list: Antwerp has no value and puts its own text in.
    QTest::keyClicks(&edit, "an");
    QTest::keyClick(&edit, Qt::Key_Return);
    EXPECT_EQ(edit.Text(), "Antwerp");

    edit.SetText("");
    QTest::keyClicks(&edit, "am");
    QTest::keyClick(&edit, Qt::Key_Return);
    EXPECT_EQ(edit.Text(), "AMS");

    QString seen;
    edit.OnLookupSelect = [&seen](QObject*, QString& value) {
        seen = value;
        value = "NL-" + value;
    };
    edit.SetText("");
    QTest::keyClicks(&edit, "Am");
    QTest::keyClick(&edit, Qt::Key_Return);
    EXPECT_EQ(seen, "AMS");
    EXPECT_EQ(edit.Text(), "NL-AMS");
}

TEST(AdvEditLookup, NavigationKeysMoveTheSelectionAndFocusLossHidesThePopup)
{
    PlateForm form;
    TLookupSettings lookup;
    lookup.SetEnabled(true);
    lookup.SetNumChars(1);
    lookup.SetDisplayCount(2);
    lookup.SetDisplayList({"B5", "B3", "B1", "B4", "B2", "C1"});
    form.edit->SetLookup(lookup);
    form.FocusEdit();
    TAdvEdit& edit = *form.edit;
    QTest::keyClicks(&edit, "b");
    ASSERT_TRUE(edit.LookupVisible());
    // Sorted, the first chosen; more entries than DisplayCount scroll.
    EXPECT_EQ(Entries(edit), (QStringList{"B1", "B2", "B3", "B4", "B5"}));
    EXPECT_EQ(edit.LookupPopup()->height(), 2 * 12 + 4);
    TLookupListBox* list = edit.LookupPopup()->ListControl();
    EXPECT_EQ(list->currentRow(), 0);

    QTest::keyClick(&edit, Qt::Key_PageDown);
    EXPECT_EQ(list->currentRow(), 2);
    QTest::keyClick(&edit, Qt::Key_PageDown);
    EXPECT_EQ(list->currentRow(), 4);
    QTest::keyClick(&edit, Qt::Key_PageDown);
    EXPECT_EQ(list->currentRow(), 4);
    QTest::keyClick(&edit, Qt::Key_PageUp);
    EXPECT_EQ(list->currentRow(), 2);
    QTest::keyClick(&edit, Qt::Key_PageUp);
    EXPECT_EQ(list->currentRow(), 0);
    QTest::keyClick(&edit, Qt::Key_End);
    EXPECT_EQ(list->currentRow(), 4);
    QTest::keyClick(&edit, Qt::Key_Up);
    EXPECT_EQ(list->currentRow(), 3);
    QTest::keyClick(&edit, Qt::Key_Home);
    EXPECT_EQ(list->currentRow(), 0);
    QTest::keyClick(&edit, Qt::Key_Up);
    EXPECT_EQ(list->currentRow(), 0);
    QTest::keyClick(&edit, Qt::Key_Down);
    EXPECT_EQ(list->currentRow(), 1);
    EXPECT_EQ(edit.Text(), "b");

    // A click on an entry of the list chooses it.
    const QRect second = list->visualItemRect(list->item(1));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, second.center());
    EXPECT_EQ(edit.Text(), "B2");
    EXPECT_FALSE(edit.LookupVisible());

    // A DisplayCount of 0 or less counts as one row.
    lookup.SetDisplayCount(0);
    edit.SetLookup(lookup);
    edit.SetText("");
    QTest::keyClicks(&edit, "b");
    EXPECT_EQ(edit.LookupPopup()->height(), 1 * 12 + 4);

    // Activated by the user, the popup gives its list the focus; deactivated, it hides.
    QEvent activate(QEvent::WindowActivate);
    QApplication::sendEvent(edit.LookupPopup(), &activate);
    EXPECT_EQ(edit.LookupPopup()->focusWidget(), edit.LookupPopup()->ListControl());
    QEvent deactivate(QEvent::WindowDeactivate);
    QApplication::sendEvent(edit.LookupPopup(), &deactivate);
    EXPECT_FALSE(edit.LookupVisible());

    edit.SetText("");
    QTest::keyClicks(&edit, "b");
    ASSERT_TRUE(edit.LookupVisible());
    form.next->setFocus();
    Settle();
    EXPECT_FALSE(edit.LookupVisible());
}

TEST(AdvEditLookup, OpenPopupScreenshot)
{
    PlateForm form;
    EnableCityLookup(*form.edit);
    TLookupSettings lookup = form.edit->Lookup();
    lookup.SetDisplayList({"Amsterdam", "Antwerp", "Berlin", "Andorra la Vella", "Ankara"});
    lookup.SetColor(16777184);
    form.edit->SetLookup(lookup);
    form.FocusEdit();
    QTest::keyClicks(form.edit, "an");
    ASSERT_TRUE(form.edit->LookupVisible());
    EXPECT_EQ(Entries(*form.edit), (QStringList{"Andorra la Vella", "Ankara", "Antwerp"}));
    const QImage image = form.edit->LookupPopup()->grab().toImage();
    image.save("/tmp/lookup-popup.png");
    form.window.grab().save("/tmp/lookup-form.png");
    // Painted: light cyan list background and dark text.
    EXPECT_EQ(image.pixelColor(image.width() - 3, image.height() - 3), QColor(224, 255, 255));
    int dark = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            dark += qGray(image.pixel(x, y)) < 100;
    EXPECT_GT(dark, 30);
}

// ---- persistence ------------------------------------------------------------------

namespace {

QString ExecutableIni()
{
    const QFileInfo exe(QCoreApplication::applicationFilePath());
    return exe.absolutePath() + "/" + exe.completeBaseName() + ".INI";
}

std::unique_ptr<TAdvEdit> PersistentEdit(const TPersistence& persistence, const QString& text = {})
{
    auto edit = std::make_unique<TAdvEdit>();
    edit->setObjectName("EditPlate");
    edit->BeginLoading();
    edit->SetText(text);
    edit->SetPersistence(persistence);
    edit->Loaded();
    return edit;
}

} // namespace

TEST(AdvEditPersistence, IniBesideTheExecutableUnderTheControlName)
{
    QFile::remove(ExecutableIni());
    TPersistence persistence;
    persistence.SetEnable(true);
    persistence.SetSection("plates");

    auto edit = PersistentEdit(persistence, "kept");
    // A missing entry leaves the text unchanged; the empty key became the path.
    EXPECT_EQ(edit->Text(), "kept");
    EXPECT_EQ(edit->Persistence().Key(), ExecutableIni());
    edit->SetPrefix("<");
    edit->SetSuffix(">");
    edit->SetText("hk 55");
    edit.reset();
    EXPECT_EQ(TIniFile(ExecutableIni()).ReadString("PLATES", "editplate", "?"), "<hk 55>");

    // Read back verbatim, prefix and suffix included.
    edit = PersistentEdit(persistence);
    EXPECT_EQ(edit->TCustomEdit::Text(), "<hk 55>");
    edit->Persistence().SetEnable(false);
    edit.reset();
    QFile::remove(ExecutableIni());

    // Switched off, nothing is read or written.
    persistence.SetEnable(false);
    PersistentEdit(persistence, "x").reset();
    EXPECT_FALSE(QFile::exists(ExecutableIni()));
}

TEST(AdvEditPersistence, RegistryStoreAndAFailedWriteIsShownNotThrown)
{
    QStandardPaths::setTestModeEnabled(true);
    TPersistence persistence;
    persistence.SetEnable(true);
    persistence.SetLocation(plRegistry);
    persistence.SetKey("Software\\CorvanaTest\\Edit");
    persistence.SetSection("Form");
    auto edit = PersistentEdit(persistence, "before");
    EXPECT_EQ(edit->Text(), "before");
    edit->SetText("saved");
    edit.reset();
    EXPECT_EQ(PersistentEdit(persistence)->Text(), "saved");
    {
        QSettings settings(QSettings::NativeFormat, QSettings::UserScope, "Software", "CorvanaTest/Edit");
        settings.clear();
    }
    QStandardPaths::setTestModeEnabled(false);

    // The ini file cannot be written: the message is shown, the program goes on.
    TScopedRecordingDialogs dialogs;
    QTemporaryDir dir;
    TPersistence broken;
    broken.SetEnable(true);
    broken.SetKey(dir.filePath("missing/dir/x.ini"));
    broken.SetSection("s");
    EXPECT_NO_THROW(PersistentEdit(broken, "t").reset());
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_TRUE(dialogs.messages[0].contains("x.ini"));
}

namespace {

// A descendant that keeps its text its own way.
class TRememberingEdit : public TAdvEdit {
public:
    TRememberingEdit(QWidget* parent, QStringList& saved) : TAdvEdit(parent), saved_(saved) {}
    void SavePersistence() override { saved_ << mark_ + Text(); }

private:
    QStringList& saved_;
    const QString mark_ = "own:";
};

} // namespace

TEST(AdvEditPersistence, ADescendantSavesItsOwnWayOnceWhenItsWindowGoes)
{
    QStringList saved;
    auto* window = new QWidget;
    auto* panel = new QWidget(window);
    auto* edit = new TRememberingEdit(panel, saved);
    edit->SetText("hk 55");
    window->show();
    delete window;
    EXPECT_EQ(saved, QStringList{"own:hk 55"});

    // Closed through the event loop, as a form that deletes itself on closing.
    saved.clear();
    window = new QWidget;
    edit = new TRememberingEdit(window, saved);
    edit->SetText("evb");
    window->deleteLater();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(saved, QStringList{"own:evb"});

    // Moved to another container, it goes with that one.
    saved.clear();
    QWidget first;
    auto* second = new QWidget;
    edit = new TRememberingEdit(&first, saved);
    edit->setParent(second);
    edit->SetText("55");
    delete second;
    // Deleted on its own through the event loop.
    edit = new TRememberingEdit(&first, saved);
    edit->SetText("hk");
    edit->deleteLater();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(saved, QStringList({"own:55", "own:hk"}));
}

// ---- drops into the edit -----------------------------------------------------------

namespace {

struct DropForm {
    QWidget window;
    TAdvEdit* edit = new TAdvEdit(&window);

    DropForm()
    {
        window.resize(300, 60);
        edit->setGeometry(10, 10, 280, 24);
        edit->SetOleDropTarget(true);
        window.show();
        (void)QTest::qWaitForWindowExposed(&window);
    }

    // Drags `mime` over the character `index` and drops it there.
    void DropAt(int index, const QMimeData& mime, Qt::KeyboardModifiers modifiers = {})
    {
        const QPointF at = QPointF(edit->CharPos(index)) + QPointF(1, 4);
        QDragEnterEvent enter(at.toPoint(), Qt::CopyAction | Qt::MoveAction, &mime, Qt::LeftButton, modifiers);
        QApplication::sendEvent(edit, &enter);
        ASSERT_TRUE(enter.isAccepted());
        QDragMoveEvent move(at.toPoint(), Qt::CopyAction | Qt::MoveAction, &mime, Qt::LeftButton, modifiers);
        QApplication::sendEvent(edit, &move);
        caretDuringDrag = edit->DropCaretPos();
        QDropEvent drop(at, Qt::CopyAction | Qt::MoveAction, &mime, Qt::LeftButton, modifiers);
        QApplication::sendEvent(edit, &drop);
        dropAccepted = drop.isAccepted();
        dropAction = drop.dropAction();
    }

    QPoint caretDuringDrag;
    bool dropAccepted = false;
    Qt::DropAction dropAction = Qt::IgnoreAction;
};

} // namespace

TEST(AdvEditDrop, OnlyTheFirstLineGoesInAtTheMousePositionWithTheKeyStateEffect)
{
    DropForm form;
    EXPECT_TRUE(form.edit->DropTargetRegistered());
    form.edit->SetText("abcdef");
    QMimeData mime;
    mime.setText("XY\r\nsecond line");
    form.DropAt(3, mime);
    EXPECT_EQ(form.edit->Text(), "abcXYdef");
    EXPECT_EQ(form.caretDuringDrag, form.edit->CharPos(3));
    EXPECT_EQ(form.edit->DropCaretPos(), QPoint(-1, -1));
    EXPECT_TRUE(form.dropAccepted);
    EXPECT_EQ(form.dropAction, Qt::MoveAction);

    mime.setText("Z\nmore");
    form.DropAt(0, mime, Qt::ControlModifier);
    EXPECT_EQ(form.edit->Text(), "ZabcXYdef");
    EXPECT_EQ(form.dropAction, Qt::CopyAction);

    // Data without text or files is refused.
    QMimeData image;
    image.setData("image/png", "x");
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &image, Qt::LeftButton, {});
    QApplication::sendEvent(form.edit, &enter);
    EXPECT_FALSE(enter.isAccepted());

    // Revoked, the control takes no drops.
    form.edit->SetOleDropTarget(false);
    EXPECT_FALSE(form.edit->DropTargetRegistered());
    EXPECT_FALSE(form.edit->acceptDrops());
}

namespace {

// A drop target that notes the files handed to it.
struct TFileTarget : TAEDropTarget {
    QList<QStringList> files;
    QStringList texts;
    void DropText(QPoint, const QString& text) override { texts << text; }
    void DropFiles(QPoint, const QStringList& names) override { files << names; }
};

} // namespace

TEST(AdvEditDrop, AFileListIsNoTextAndReachesDropFilesEvenWithoutReadableNames)
{
    DropForm form;
    form.edit->SetText("keep");
    QMimeData files;
    files.setUrls({QUrl::fromLocalFile("/tmp/a.txt")});
    form.DropAt(1, files);
    EXPECT_EQ(form.edit->Text(), "keep");
    EXPECT_TRUE(form.dropAccepted);

    // The same drops through the bridge of a target that takes files.
    QWidget box(&form.window);
    box.setGeometry(0, 40, 300, 20);
    auto target = std::make_shared<TFileTarget>();
    TDropTargetBridge* registration = RegisterDragDrop(&box, target);
    auto drop = [&](const QMimeData& mime) {
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction | Qt::MoveAction, &mime, Qt::LeftButton, {});
        QApplication::sendEvent(&box, &enter);
        QDropEvent event(QPointF(5, 5), Qt::CopyAction | Qt::MoveAction, &mime, Qt::LeftButton, {});
        QApplication::sendEvent(&box, &event);
        return event.isAccepted();
    };
    files.setUrls({QUrl::fromLocalFile("/tmp/a.txt"), QUrl::fromLocalFile("/tmp/b c.csv")});
    EXPECT_TRUE(drop(files));
    // Addresses that are no local files give a list without names.
    QMimeData remote;
    remote.setUrls({QUrl("https://example.org/a.txt")});
    EXPECT_TRUE(drop(remote));
    EXPECT_EQ(target->files, (QList<QStringList>{{"/tmp/a.txt", "/tmp/b c.csv"}, {}}));
    EXPECT_TRUE(target->texts.isEmpty());
    // Text offered beside the files still goes in as text.
    QMimeData both;
    both.setText("plain");
    both.setUrls({QUrl::fromLocalFile("/tmp/x")});
    EXPECT_TRUE(drop(both));
    EXPECT_EQ(target->texts, QStringList{"plain"});
    RevokeDragDrop(registration);
}

TEST(AdvEditDrop, ThePlateEntryTakesNoDropsAndKeepsItsSelectionOnAPressInside)
{
    PlateForm form;
    EXPECT_FALSE(form.edit->DropTargetRegistered());
    EXPECT_FALSE(form.edit->acceptDrops());
    form.FocusEdit();
    form.edit->SetText("HK55EVB");
    form.edit->SetSelStart(1);
    form.edit->SetSelLength(4);
    const QPoint inside = form.edit->CharPos(2) + QPoint(1, 4);
    QTest::mousePress(form.edit, Qt::LeftButton, {}, inside);
    EXPECT_TRUE(form.edit->DragArmed());
    QTest::mouseMove(form.edit, inside + QPoint(6, 0));
    // No drag source: the move starts nothing, the selection stays.
    EXPECT_EQ(form.edit->SelText(), "K55E");
    QTest::mouseRelease(form.edit, Qt::LeftButton, {}, form.edit->CharPos(3) + QPoint(1, 4));
    EXPECT_FALSE(form.edit->DragArmed());
    EXPECT_EQ(form.edit->SelLength(), 0);
    EXPECT_EQ(form.edit->SelStart(), 3);
}
