// Typing, Enter and Esc, typing limits and the clipboard of the plate entry, driven
// with real key events.

#include "EditSeparators.h"
#include "PlateForm.h"
#include "../support/RealDisplay.h"

#include <QClipboard>
#include <QMenu>
#include <QTimer>
#include <QWindow>
#include <gtest/gtest.h>

TEST(AdvEditKeyboard, EnterInsertsNothingFiresKeyPressOnceAndPressesDefaultButtonOnce)
{
    PlateForm form;
    form.FocusEdit();
    std::vector<int> pressed;
    form.edit->OnKeyPress = [&](QObject* sender, QChar& key) {
        EXPECT_EQ(sender, form.edit);
        pressed.push_back(key.unicode());
    };
    QTest::keyClicks(form.edit, "hk 55");
    pressed.clear();
    QTest::keyClick(form.edit, Qt::Key_Return);
    Settle();
    EXPECT_EQ(pressed, std::vector<int>{13});
    EXPECT_EQ(form.edit->Text(), "hk 55");
    EXPECT_EQ(form.calcClicks, 1);
    EXPECT_EQ(form.cancelClicks, 0);
    EXPECT_TRUE(form.edit->hasFocus());

    // Enter as Tab moves on as well; the default button still reacts once.
    form.edit->SetReturnIsTab(true);
    QTest::keyClick(form.edit, Qt::Key_Enter, Qt::KeypadModifier);
    Settle();
    EXPECT_EQ(form.calcClicks, 2);
    EXPECT_TRUE(form.next->hasFocus());
}

TEST(AdvEditKeyboard, EscRestoresTheTextHeldAtFocusSelectsItAndPressesCancelOnce)
{
    PlateForm form;
    form.edit->SetText("HK55");
    form.FocusEdit();
    EXPECT_EQ(form.edit->UndoText(), "HK55");
    QTest::keyClick(form.edit, Qt::Key_End);
    QTest::keyClicks(form.edit, "EV");
    ASSERT_EQ(form.edit->Text(), "HK55EV");
    ASSERT_TRUE(form.edit->Modified());
    QTest::keyClick(form.edit, Qt::Key_Escape);
    Settle();
    EXPECT_EQ(form.edit->Text(), "HK55");
    EXPECT_EQ(form.edit->SelStart(), 0);
    EXPECT_EQ(form.edit->SelLength(), 4);
    EXPECT_FALSE(form.edit->Modified());
    EXPECT_EQ(form.cancelClicks, 1);
    EXPECT_EQ(form.calcClicks, 0);

    // Without undo, Esc leaves the text alone.
    form.edit->SetCanUndo(false);
    QTest::keyClick(form.edit, Qt::Key_End);
    QTest::keyClicks(form.edit, "B");
    QTest::keyClick(form.edit, Qt::Key_Escape);
    Settle();
    EXPECT_EQ(form.edit->Text(), "HK55B");
}

TEST(AdvEditKeyboard, TypingStopsAtTenCharactersButPasteTakesTheWholeText)
{
    PlateForm form;
    form.FocusEdit();
    QTest::keyClicks(form.edit, "ABCDEFGHIJK");
    EXPECT_EQ(form.edit->Text(), "ABCDEFGHIJ");

    form.edit->SetText("");
    const QString fifteen = "ABCDEFG\nHIJKLMN";
    QGuiApplication::clipboard()->setText(fifteen);
    QTest::keyClick(form.edit, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(form.edit->Text(), fifteen);
    EXPECT_EQ(form.edit->Text().size(), 15);
    EXPECT_TRUE(form.edit->Modified());
    // At the limit a typed character is still refused.
    QTest::keyClicks(form.edit, "Z");
    EXPECT_EQ(form.edit->Text(), fifteen);
}

TEST(AdvEditKeyboard, PasteOverSelectionSelectsThePastedTextAndAtCaretPutsTheCaretBehindIt)
{
    PlateForm form;
    form.edit->SetPrefix("#");
    form.edit->SetText("AB12CD");
    form.FocusEdit();
    QGuiApplication::clipboard()->setText("xyz");
    // Window positions: '#' is 0, "12" is 3..4.
    form.edit->SetSelStart(3);
    form.edit->SetSelLength(2);
    QTest::keyClick(form.edit, Qt::Key_Insert, Qt::ShiftModifier);
    EXPECT_EQ(form.edit->Text(), "ABxyzCD");
    EXPECT_EQ(form.edit->SelStart(), 3);
    EXPECT_EQ(form.edit->SelLength(), 3);

    form.edit->SetSelStart(1);
    QTest::keyClick(form.edit, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(form.edit->Text(), "xyzABxyzCD");
    EXPECT_EQ(form.edit->SelStart(), 4);
    EXPECT_EQ(form.edit->SelLength(), 0);
}

TEST(AdvEditKeyboard, ClipboardEventsSeeTheSelectedTextAndMayVeto)
{
    PlateForm form;
    form.edit->SetPrefix("<");
    form.edit->SetText("PLATE");
    form.FocusEdit();
    form.edit->SetSelStart(2);
    form.edit->SetSelLength(3);
    QStringList seen;
    bool allowAll = false;
    auto veto = [&](QObject*, QString value, bool& allow) {
        seen.append(value);
        allow = allowAll;
    };
    form.edit->OnClipboardCopy = veto;
    form.edit->OnClipboardCut = veto;
    form.edit->OnClipboardPaste = veto;
    QGuiApplication::clipboard()->setText("before");
    QTest::keyClick(form.edit, Qt::Key_C, Qt::ControlModifier);
    QTest::keyClick(form.edit, Qt::Key_X, Qt::ControlModifier);
    QTest::keyClick(form.edit, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(seen, QStringList({"LAT", "LAT", "LAT"}));
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "before");
    EXPECT_EQ(form.edit->Text(), "PLATE");

    allowAll = true;
    QTest::keyClick(form.edit, Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "LAT");
    EXPECT_EQ(form.edit->Text(), "PE");

    // A read-only field takes no paste, and an empty clipboard changes nothing.
    form.edit->SetReadOnly(true);
    QTest::keyClick(form.edit, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(form.edit->Text(), "PE");
    form.edit->SetReadOnly(false);
    QGuiApplication::clipboard()->clear();
    QTest::keyClick(form.edit, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(form.edit->Text(), "PE");
}

TEST(AdvEditKeyboard, LengthLimitMovesOnAtFullLengthAndDoesNotCountThousandsSeparators)
{
    TEditSeparators::Set('.', ',');
    PlateForm form;
    form.edit->SetMaxLength(0);
    form.edit->SetLengthLimit(5);
    form.edit->SetTabOnFullLength(true);
    form.FocusEdit();
    QTest::keyClicks(form.edit, "abcd");
    Settle();
    EXPECT_TRUE(form.edit->hasFocus());
    QTest::keyClicks(form.edit, "e");
    Settle();
    EXPECT_TRUE(form.next->hasFocus());
    EXPECT_EQ(form.edit->Text(), "abcde");

    // Commas are not counted: nine characters go in, the focus stays (the caret is
    // not at column 5), and a further character is refused.
    form.edit->SetText("");
    form.FocusEdit();
    QTest::keyClicks(form.edit, "a,b,c,d,e");
    Settle();
    EXPECT_EQ(form.edit->Text(), "a,b,c,d,e");
    EXPECT_TRUE(form.edit->hasFocus());
    QTest::keyClicks(form.edit, "f");
    EXPECT_EQ(form.edit->Text(), "a,b,c,d,e");
    // The decimal separator and Backspace are still taken at the limit.
    QTest::keyClicks(form.edit, ".");
    EXPECT_EQ(form.edit->Text(), "a,b,c,d,e.");
    QTest::keyClick(form.edit, Qt::Key_Backspace);
    EXPECT_EQ(form.edit->Text(), "a,b,c,d,e");

    EXPECT_EQ(TAdvEdit::CountedLength(""), 1);
    EXPECT_EQ(TAdvEdit::CountedLength("1,234.56"), 5);
    TEditSeparators::Reset();
}

TEST(AdvEditKeyboard, PrefixIsProtectedFromBackspaceAndTheCaret)
{
    PlateForm form;
    form.edit->SetPrefix("NL-");
    form.edit->SetText("12");
    form.FocusEdit();
    EXPECT_EQ(form.edit->SelStart(), 3);
    EXPECT_EQ(form.edit->SelLength(), 2);
    QTest::keyClick(form.edit, Qt::Key_Home);
    EXPECT_EQ(form.edit->SelStart(), 3);
    QTest::keyClick(form.edit, Qt::Key_Backspace);
    EXPECT_EQ(form.edit->Text(), "12");
    QTest::keyClick(form.edit, Qt::Key_Delete);
    EXPECT_EQ(form.edit->Text(), "2");
    EXPECT_EQ(form.edit->TCustomEdit::Text(), "NL-2");
}

TEST(AdvEditKeyboard, SuffixIsDroppedByItsLengthAndEveryPositionStaysInTheText)
{
    PlateForm form;
    form.edit->SetSuffix(" kg");
    form.edit->SetText("12");
    EXPECT_EQ(form.edit->TCustomEdit::Text(), "12 kg");
    EXPECT_EQ(form.edit->Text(), "12");
    // The last three characters go whatever they are, and never more than there are.
    form.edit->TCustomEdit::SetText("12345");
    EXPECT_EQ(form.edit->Text(), "12");
    form.edit->TCustomEdit::SetText("1");
    EXPECT_EQ(form.edit->Text(), "");
    // A new prefix or suffix rewraps the editable text.
    form.edit->SetText("7");
    form.edit->SetPrefix("#");
    form.edit->SetSuffix("!");
    EXPECT_EQ(form.edit->TCustomEdit::Text(), "#7!");
    form.FocusEdit();
    EXPECT_EQ(form.edit->SelText(), "7");
    // Paste and clipboard positions clamp to the text even with the caret in the prefix.
    form.edit->SetSelStart(0);
    QGuiApplication::clipboard()->setText("A");
    QTest::keyClick(form.edit, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(form.edit->Text(), "A7");
    form.edit->SetSuffix("much longer than the text");
    EXPECT_EQ(form.edit->Text(), "A7");
    form.edit->TCustomEdit::SetText("#x");
    EXPECT_EQ(form.edit->Text(), "");
    form.edit->SelectAllText();
    QTest::keyClick(form.edit, Qt::Key_Delete);
    QTest::keyClick(form.edit, Qt::Key_Backspace);
    EXPECT_EQ(form.edit->Text(), "");
}

namespace {

// Right-clicks the field through its window, as the mouse does, and chooses the
// entry `caption` from the context menu once it is open.
void ChooseFromContextMenu(TAdvEdit& edit, const QString& caption, QPoint at = {5, 5})
{
    bool chosen = false;
    QTimer::singleShot(0, &edit, [&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(menu, nullptr);
        for (QAction* action : menu->actions()) {
            if (action->text().remove('&') == caption) {
                QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
                chosen = true;
                if (QApplication::activePopupWidget() == menu) {
                    ADD_FAILURE() << "the menu stayed open";
                    menu->close();
                }
                return;
            }
        }
        ADD_FAILURE() << "no entry " << caption.toStdString();
        menu->close();
    });
    QWindow* window = edit.window()->windowHandle();
    QTest::mouseClick(window, Qt::RightButton, {}, window->mapFromGlobal(edit.mapToGlobal(at)));
    Settle();
    EXPECT_TRUE(chosen) << caption.toStdString();
}

} // namespace

// The offscreen platform hands the activation to every pop-up and back to no one;
// a real display keeps the form active, as the native menus do.
TEST(AdvEditKeyboard, ContextMenuClipboardActsOnTheSelectionAndIsNoFocusChange)
{
    if (!OnARealDisplay())
        return RerunUnderXvfb();
    PlateForm form;
    int validations = 0;
    form.edit->OnValueValidate = [&](QObject*, QString, bool&) { ++validations; };
    form.FocusEdit();
    QTest::keyClicks(form.edit, "hk55evb");
    for (int i = 0; i < 3; ++i)
        QTest::keyClick(form.edit, Qt::Key_Left, Qt::ShiftModifier);
    ASSERT_EQ(form.edit->SelText(), "evb");
    const int typedValidations = validations;

    ChooseFromContextMenu(*form.edit, "Cut");
    EXPECT_EQ(form.edit->Text(), "hk55");
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "evb");
    EXPECT_TRUE(form.edit->hasFocus());
    // Only the cut changed the text: the menu's coming and going validated nothing.
    EXPECT_EQ(validations, typedValidations + 1);

    QTest::keyClick(form.edit, Qt::Key_Left, Qt::ShiftModifier);
    QTest::keyClick(form.edit, Qt::Key_Left, Qt::ShiftModifier);
    ChooseFromContextMenu(*form.edit, "Copy");
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "55");
    EXPECT_EQ(form.edit->SelText(), "55");
    QTest::keyClick(form.edit, Qt::Key_End);
    ChooseFromContextMenu(*form.edit, "Paste");
    EXPECT_EQ(form.edit->Text(), "hk5555");
    EXPECT_EQ(form.edit->SelStart(), 6);

    // Esc gives back the text of the real focus gain: the empty field.
    QTest::keyClick(form.edit, Qt::Key_Escape);
    Settle();
    EXPECT_EQ(form.edit->Text(), "");
    EXPECT_EQ(form.edit->UndoText(), "");
}
