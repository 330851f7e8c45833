// The toolkit edit: message order of its hooks, the typing limit, the form's dialog
// keys, selection and character positions, driven with real key and mouse events.

#include "CustomEdit.h"
#include "FormKeys.h"

#include <QApplication>
#include <QClipboard>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// Records the hooks in the order they run.
class TRecordingEdit : public TCustomEdit {
public:
    using TCustomEdit::TCustomEdit;
    QStringList log;

protected:
    bool WantSpecialKey(int key, TShiftState shift) override
    {
        log << QString("special %1").arg(key);
        return TCustomEdit::WantSpecialKey(key, shift);
    }
    void KeyDown(int& key, TShiftState shift) override
    {
        log << QString("down %1").arg(key);
        TCustomEdit::KeyDown(key, shift);
    }
    void KeyPress(QChar& key) override
    {
        log << QString("char %1").arg(key.unicode());
        TCustomEdit::KeyPress(key);
    }
    void InsertChar(QChar key) override
    {
        log << QString("insert %1").arg(key.unicode());
        TCustomEdit::InsertChar(key);
    }
    void ClipboardCopy() override
    {
        log << "copy";
        TCustomEdit::ClipboardCopy();
    }
    void ClipboardCut() override
    {
        log << "cut";
        TCustomEdit::ClipboardCut();
    }
    void ClipboardPaste() override
    {
        log << "paste";
        TCustomEdit::ClipboardPaste();
    }
    void Change() override
    {
        log << "change";
        TCustomEdit::Change();
    }
};

struct Form {
    QWidget window;
    TFormKeys* keys = new TFormKeys(&window);
    TRecordingEdit* edit = new TRecordingEdit(&window);
    QLineEdit* plain = new QLineEdit(&window);
    QPlainTextEdit* memo = new QPlainTextEdit(&window);
    QPushButton* ok = new QPushButton("OK", &window);
    QPushButton* cancel = new QPushButton("Cancel", &window);
    int okClicks = 0;
    int cancelClicks = 0;

    Form()
    {
        window.resize(300, 200);
        edit->setGeometry(5, 5, 200, 21);
        plain->setGeometry(5, 30, 200, 21);
        memo->setGeometry(5, 55, 200, 60);
        ok->setGeometry(5, 120, 80, 25);
        cancel->setGeometry(90, 120, 80, 25);
        keys->SetDefaultButton(ok);
        keys->SetCancelButton(cancel);
        QObject::connect(ok, &QPushButton::clicked, [this] { ++okClicks; });
        QObject::connect(cancel, &QPushButton::clicked, [this] { ++cancelClicks; });
        window.show();
        window.activateWindow();
        (void)QTest::qWaitForWindowActive(&window);
        edit->setFocus();
    }
};

} // namespace

TEST(CustomEdit, HooksRunInTheNativeMessageOrder)
{
    Form form;
    std::vector<int> keysDown;
    form.edit->OnKeyDown = [&](QObject*, int& key, TShiftState) {
        keysDown.push_back(key);
        key = 0; // a dropped key down still delivers its character
    };
    QTest::keyClick(form.edit, Qt::Key_A);
    EXPECT_EQ(form.edit->log, QStringList({"down 65", "char 97", "insert 97", "change"}));
    EXPECT_EQ(form.edit->Text(), "a");

    form.edit->log.clear();
    form.edit->OnKeyDown = nullptr;
    QTest::keyClick(form.edit, Qt::Key_C, Qt::ControlModifier);
    QTest::keyClick(form.edit, Qt::Key_Insert, Qt::ShiftModifier);
    QTest::keyClick(form.edit, Qt::Key_Delete, Qt::ShiftModifier);
    // The modifier keys have their own key downs (Ctrl 17, Shift 16), as natively.
    EXPECT_EQ(form.edit->log, QStringList({"down 17", "down 67", "char 3", "insert 3", "copy", "down 16",
                                           "down 45", "paste", "down 16", "down 46", "cut"}));

    // OnKeyPress may change or cancel a character before it is inserted.
    form.edit->OnKeyPress = [](QObject*, QChar& key) { key = key == 'x' ? QChar() : key.toUpper(); };
    QTest::keyClicks(form.edit, "bxc");
    EXPECT_EQ(form.edit->Text(), "aBC");

    // Keys that reach the native edit come as they were typed, keypad keys included.
    QTest::keyClick(form.edit, Qt::Key_Home);
    QTest::keyClick(form.edit, Qt::Key_Delete, Qt::KeypadModifier);
    EXPECT_EQ(form.edit->Text(), "BC");
}

TEST(CustomEdit, MaxLengthLimitsTypingOnly)
{
    Form form;
    form.edit->SetMaxLength(3);
    QTest::keyClicks(form.edit, "abcd");
    EXPECT_EQ(form.edit->Text(), "abc");
    EXPECT_TRUE(form.edit->Modified());
    // Typing over a selection replaces it even at the limit.
    form.edit->SetSelStart(1);
    form.edit->SetSelLength(1);
    QTest::keyClicks(form.edit, "X");
    EXPECT_EQ(form.edit->Text(), "aXc");
    form.edit->SetText("assigned");
    EXPECT_EQ(form.edit->Text(), "assigned");
    EXPECT_FALSE(form.edit->Modified());
    QGuiApplication::clipboard()->setText("+pasted\ntext");
    QTest::keyClick(form.edit, Qt::Key_End);
    QTest::keyClick(form.edit, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(form.edit->Text(), "assigned+pasted\ntext");
}

TEST(CustomEdit, DefaultAndCancelButtonsReactUnlessTheFocusedControlTakesTheKey)
{
    Form form;
    QTest::keyClick(form.edit, Qt::Key_Return);
    QTest::keyClick(form.edit, Qt::Key_Escape);
    EXPECT_EQ(form.okClicks, 1);
    EXPECT_EQ(form.cancelClicks, 1);
    // The form took them as dialog keys: the edit saw neither.
    EXPECT_FALSE(form.edit->log.join(',').contains("down"));

    form.plain->setFocus();
    QTest::keyClick(form.plain, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(form.okClicks, 2);
    form.memo->setFocus();
    QTest::keyClick(form.memo, Qt::Key_Return);
    EXPECT_EQ(form.okClicks, 2);
    EXPECT_EQ(form.memo->toPlainText(), "\n");

    // A disabled default button lets Enter through to the edit.
    form.ok->setEnabled(false);
    form.edit->setFocus();
    form.edit->log.clear();
    QTest::keyClick(form.edit, Qt::Key_Return);
    EXPECT_EQ(form.okClicks, 2);
    EXPECT_EQ(form.edit->log, QStringList({"special 13", "down 13", "char 13", "insert 13"}));
    EXPECT_EQ(form.edit->Text(), "");
}

TEST(CustomEdit, SelectionReadOnlyAndPasswordBehaveLikeTheNativeEdit)
{
    Form form;
    form.edit->SetText("HK55EVB");
    form.edit->SetSelStart(20);
    EXPECT_EQ(form.edit->SelStart(), 7);
    form.edit->SetSelStart(2);
    form.edit->SetSelLength(100);
    EXPECT_EQ(form.edit->SelText(), "55EVB");
    form.edit->SetSelLength(-1);
    EXPECT_EQ(form.edit->SelText(), "K");

    form.edit->SetReadOnly(true);
    QTest::keyClicks(form.edit, "z");
    QTest::keyClick(form.edit, Qt::Key_Backspace);
    EXPECT_EQ(form.edit->Text(), "HK55EVB");
    form.edit->SetReadOnly(false);

    // A password edit shows its character and never gives its text away.
    form.edit->SetPasswordChar('*');
    EXPECT_EQ(form.edit->style()->styleHint(QStyle::SH_LineEdit_PasswordCharacter, nullptr, form.edit), '*');
    QGuiApplication::clipboard()->setText("kept");
    form.edit->SelectAll();
    form.edit->CopyToClipboard();
    form.edit->CutToClipboard();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "kept");
    form.edit->SetPasswordChar(QChar());
    EXPECT_EQ(form.edit->echoMode(), QLineEdit::Normal);
}

TEST(CustomEdit, CharacterPositionsMatchTheCharacterUnderTheMouse)
{
    Form form;
    form.edit->SetText("HK 55 EVB");
    (void)form.edit->grab();
    for (int i = 0; i <= 9; ++i)
        EXPECT_EQ(form.edit->CharAtPos(form.edit->CharPos(i) + QPoint(1, 3)), i) << i;
    EXPECT_EQ(form.edit->CharPos(-4), form.edit->CharPos(0));
    EXPECT_EQ(form.edit->CharPos(99), form.edit->CharPos(9));
    EXPECT_LT(form.edit->CharPos(0).x(), form.edit->CharPos(1).x());
}

TEST(CustomEdit, AutoSelectOnKeyboardEntryAndEnterExitEvents)
{
    Form form;
    form.edit->SetText("HK55");
    QStringList events;
    form.edit->OnEnter = [&](QObject*) { events << "enter"; };
    form.edit->OnExit = [&](QObject*) { events << "exit"; };
    form.plain->setFocus();
    form.edit->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(form.edit->SelLength(), 4);
    form.edit->SetAutoSelect(false);
    form.plain->setFocus();
    form.edit->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(form.edit->SelLength(), 0);
    EXPECT_EQ(events, QStringList({"exit", "enter", "exit", "enter"}));
}
