// Typed fields driven with real key and mouse events, with both separator
// conventions.

#include "PlateForm.h"
#include "TypedLocale.h"

#include <QClipboard>
#include <cmath>
#include <limits>

namespace {

class AdvEditTyped : public TypedLocaleTest {
protected:
    PlateForm form;
    TAdvEdit* edit = form.edit;

    void SetUp() override
    {
        TypedLocaleTest::SetUp();
        edit->SetMaxLength(0);
        edit->SetEmptyText("");
    }

    void Type(const QString& keys) { QTest::keyClicks(edit, keys); }
    void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) { QTest::keyClick(edit, key, modifiers); }
    void Paste(const QString& text)
    {
        QGuiApplication::clipboard()->setText(text);
        QTest::keyClick(edit, Qt::Key_Insert, Qt::ShiftModifier);
    }
    void LeaveField()
    {
        form.next->setFocus(Qt::TabFocusReason);
        QApplication::processEvents();
    }
    // One character as a key press of its own, as a keyboard sends the halves of a
    // supplementary character.
    void TypeUnits(const QString& text)
    {
        for (QChar unit : text)
            QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(unit), Qt::NoModifier);
    }
};

TEST_P(AdvEditTyped, NumericMinusTogglesOnlyWhenSignedAndIntegersAloneGoIn)
{
    edit->SetEditType(etNumeric);
    EXPECT_EQ(edit->Text(), "0"); // an empty field switched to a number shows 0
    edit->SetSigned(true);
    edit->SetText("12");
    form.FocusEdit();
    edit->SetSelStart(1);
    Key(Qt::Key_Minus);
    EXPECT_EQ(edit->Text(), "-12");
    EXPECT_EQ(edit->SelStart(), 2);
    Key(Qt::Key_Minus);
    EXPECT_EQ(edit->Text(), "12");
    EXPECT_EQ(edit->SelStart(), 1);
    Type(L("a3."));
    EXPECT_EQ(edit->Text(), "132");

    // A pasted minus behind the digits is the one the toggle removes.
    Key(Qt::Key_End);
    QGuiApplication::clipboard()->setText("-");
    Key(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(edit->Text(), "132-");
    Key(Qt::Key_Minus);
    EXPECT_EQ(edit->Text(), "132");
    EXPECT_EQ(edit->SelStart(), 3);

    // Unsigned: a typed minus is dropped, a pasted negative integer accepted.
    edit->SetSigned(false);
    Key(Qt::Key_Minus);
    EXPECT_EQ(edit->Text(), "132");
    edit->SetText("");
    Paste("-5");
    EXPECT_EQ(edit->Text(), "-5");
    EXPECT_TRUE(edit->Modified());
    Paste(L("1.5"));
    EXPECT_EQ(edit->Text(), "-5");

    // Assigned non-integers become 0, and so does an empty field left behind.
    edit->SetText(L("1.5"));
    EXPECT_EQ(edit->Text(), "0");
    edit->SetText("");
    LeaveField();
    EXPECT_EQ(edit->Text(), "0");
    // Whole values are written without grouping, so the integer check keeps them.
    edit->SetFloatValue(1234.6L);
    EXPECT_EQ(edit->Text(), "1235");
    EXPECT_EQ(edit->GetFloatValue(), 1235.0L);
}

TEST_P(AdvEditTyped, FloatWithTwoDecimalsFillsOverwritesAndCompletes)
{
    edit->SetEditType(etFloat);
    edit->SetPrecision(2);
    EXPECT_EQ(edit->Text(), L("0.00"));
    edit->SetText("");
    form.FocusEdit();
    Type(L("."));
    EXPECT_EQ(edit->Text(), L("0."));
    EXPECT_EQ(edit->SelStart(), 2);

    edit->SetText(L("1.25"));
    edit->SetSelStart(3);
    Type("7");
    EXPECT_EQ(edit->Text(), L("1.27"));
    EXPECT_EQ(edit->SelStart(), 4);
    Type("9");
    EXPECT_EQ(edit->Text(), L("1.27"));
    // A second separator only moves the caret behind the first.
    edit->SetSelStart(0);
    Type(L("."));
    EXPECT_EQ(edit->Text(), L("1.27"));
    EXPECT_EQ(edit->SelStart(), 2);
    edit->SetSelStart(0);
    Type("5");
    EXPECT_EQ(edit->Text(), L("51.27"));

    edit->SetText("");
    Type("3");
    LeaveField();
    EXPECT_EQ(edit->Text(), L("3.00"));

    // Without AutoSelect the caret comes back just before the decimals.
    edit->SetAutoSelect(false);
    edit->SetText(L("12.50"));
    form.FocusEdit();
    EXPECT_EQ(edit->SelStart(), 2);
    EXPECT_EQ(edit->SelLength(), 0);
    // Assigned text is checked and formatted.
    edit->SetText("12AB");
    EXPECT_EQ(edit->Text(), L("0.00"));
    edit->SetText(L("1,234.5"));
    EXPECT_EQ(edit->Text(), L("1234.50"));
}

TEST_P(AdvEditTyped, FloatWithoutDecimalsRefusesTheSeparatorAndGroupsOnlyByThree)
{
    edit->SetEditType(etFloat);
    edit->SetPrecision(2);
    edit->SetText("3");
    edit->SetPrecision(0);
    EXPECT_EQ(edit->Text(), "3");
    form.FocusEdit();
    Key(Qt::Key_End);
    Type(L("."));
    EXPECT_EQ(edit->Text(), "3");

    edit->SetText("1234");
    edit->SetSelStart(1);
    Type(L(","));
    EXPECT_EQ(edit->Text(), L("1,234"));
    edit->SetSelStart(3);
    Type(L(","));
    EXPECT_EQ(edit->Text(), L("1,234"));
    Type(";"); // not in the list
    EXPECT_EQ(edit->Text(), L("1,234"));

    // Free format: one separator anywhere that suits the grouping.
    edit->SetPrecision(-1);
    EXPECT_EQ(edit->Text(), "1234");
    Key(Qt::Key_End);
    Type(L(".567."));
    EXPECT_EQ(edit->Text(), L("1234.567"));

    // The keypad's decimal key types the decimal separator when asked to.
    edit->SetExcelStyleDecimalSeparator(true);
    edit->SetText("");
    Type("1");
    Key(Qt::Key_Period, Qt::KeypadModifier);
    EXPECT_EQ(edit->Text(), L("1."));
}

TEST_P(AdvEditTyped, MoneyGroupsWhileTypingAndCompletesOnLeaving)
{
    edit->SetEditType(etMoney);
    edit->SetPrecision(2);
    EXPECT_EQ(edit->Text(), L("0.00"));
    edit->SetText("");
    form.FocusEdit();
    Type("1234");
    EXPECT_EQ(edit->Text(), L("1,234"));
    EXPECT_EQ(edit->SelStart(), 5);
    LeaveField();
    EXPECT_EQ(edit->Text(), L("1,234.00"));

    // Delete and Backspace regroup; the caret keeps its distance from the end.
    form.FocusEdit();
    Key(Qt::Key_Home);
    Key(Qt::Key_Delete);
    EXPECT_EQ(edit->Text(), L("234.00"));
    edit->SetSelStart(3);
    Type("5");
    EXPECT_EQ(edit->Text(), L("2,345.00"));
    EXPECT_EQ(edit->SelStart(), 5);
    Key(Qt::Key_Backspace);
    EXPECT_EQ(edit->Text(), L("234.00"));
    EXPECT_EQ(edit->SelStart(), 3);
    Key(Qt::Key_End);
    Type("9");
    EXPECT_EQ(edit->Text(), L("234.00"));
    // The thousands separator is never typed.
    edit->SetSelStart(1);
    Type(QString(Thousand()));
    EXPECT_EQ(edit->Text(), L("234.00"));

    edit->SetSigned(true);
    edit->SetSelStart(0);
    Key(Qt::Key_Minus);
    EXPECT_EQ(edit->Text(), L("-234.00"));
    EXPECT_EQ(edit->GetFloatValue(), -234.0L);

    edit->SetText(L("12345.6"));
    EXPECT_EQ(edit->Text(), L("12,345.60"));
    edit->SetAutoThousandSeparator(false);
    EXPECT_EQ(edit->Text(), L("12345.60"));
    edit->SetAutoThousandSeparator(true);

    // A paste is checked, formatted and selected.
    edit->SelectAllText();
    Paste("5000");
    EXPECT_EQ(edit->Text(), L("5,000.00"));
    EXPECT_EQ(edit->SelLength(), 8);
    Paste("5x");
    EXPECT_EQ(edit->Text(), L("5,000.00"));

    edit->SetPrecision(-1);
    edit->SetFloatValue(1234567.25L);
    EXPECT_EQ(edit->Text(), L("1,234,567.25"));
    edit->SetIntegerValue(-1000);
    EXPECT_EQ(edit->Text(), L("-1,000"));
}

TEST_P(AdvEditTyped, CaseTypesConvertTypedAndPastedText)
{
    edit->SetEditType(etMixedCase);
    form.FocusEdit();
    Type("o'neil-smith jr.");
    EXPECT_EQ(edit->Text(), "O'Neil-Smith Jr.");
    Key(Qt::Key_Home);
    Type("x");
    EXPECT_EQ(edit->Text(), "Xo'Neil-Smith Jr.");
    EXPECT_EQ(edit->SelStart(), 1);
    EXPECT_TRUE(edit->Modified());
    edit->SelectAllText();
    Paste("peter mcgregor iii");
    EXPECT_EQ(edit->Text(), "Peter McGregor III");

    const QString smallDeseret = QString::fromUcs4(U"\U00010428");
    const QString capitalDeseret = QString::fromUcs4(U"\U00010400");
    edit->SetEditType(etUppercase);
    edit->SetText("");
    Type("straße");
    TypeUnits(smallDeseret + "q");
    EXPECT_EQ(edit->Text(), "STRAßE" + capitalDeseret + "Q");

    edit->SetEditType(etLowerCase);
    edit->SelectAllText();
    Paste("ÀB" + capitalDeseret);
    EXPECT_EQ(edit->Text(), "àb" + smallDeseret);
    Key(Qt::Key_End);
    TypeUnits("Z");
    EXPECT_EQ(edit->Text(), "àb" + smallDeseret + "z");
}

TEST_P(AdvEditTyped, RangeSeparatorsNeitherLeadNorMeet)
{
    edit->SetEditType(etRange);
    edit->SetText("1-5");
    form.FocusEdit();
    edit->SetSelStart(2);
    Type("-");
    EXPECT_EQ(edit->Text(), "1-5");
    edit->SetSelStart(1);
    Type(";");
    EXPECT_EQ(edit->Text(), "1-5");
    edit->SetSelStart(0);
    Type(";");
    EXPECT_EQ(edit->Text(), "1-5");
    Key(Qt::Key_End);
    Type(",7;;x9");
    EXPECT_EQ(edit->Text(), "1-5,7;9");
    Paste("12");
    EXPECT_EQ(edit->Text(), "1-5,7;9");
    edit->SetText("a;;b");
    EXPECT_EQ(edit->Text(), "a;;b"); // assigned text is stored as is
}

TEST_P(AdvEditTyped, AlphaNumericAndHexFilterTypingPasteAndAssignment)
{
    edit->SetEditType(etAlphaNumeric);
    form.FocusEdit();
    Type("a-b 1.Z");
    EXPECT_EQ(edit->Text(), "ab1Z");
    edit->SelectAllText();
    Paste("AB12");
    EXPECT_EQ(edit->Text(), "AB12");
    edit->SelectAllText();
    Paste("AB-12");
    EXPECT_EQ(edit->Text(), "AB12");

    edit->SetEditType(etHex);
    EXPECT_EQ(edit->Text(), "AB12");
    edit->SetText("zz");
    EXPECT_EQ(edit->Text(), "0");
    edit->SetText("ff");
    EXPECT_EQ(edit->Text(), "FF");
    Key(Qt::Key_End);
    Type("1g-a");
    EXPECT_EQ(edit->Text(), "FF1-a");
    EXPECT_EQ(edit->GetFloatValue(), static_cast<long double>(0xFF10A));
    Paste("12");
    EXPECT_EQ(edit->Text(), "FF1-a");

    edit->SetFloatValue(-255.9L);
    EXPECT_EQ(edit->Text(), "-FF");
    edit->SetFloatValue(std::ldexp(1.0L, 64));
    EXPECT_EQ(edit->Text(), "0");
    edit->SetFloatValue(std::ldexp(1.0L, 64) - 1);
    EXPECT_EQ(edit->Text(), "FFFFFFFFFFFFFFFF");
    edit->SetIntegerValue(-16);
    EXPECT_EQ(edit->Text(), "-10");
    edit->SetIntegerValue(std::numeric_limits<qint64>::min());
    EXPECT_EQ(edit->Text(), "-8000000000000000");
    edit->SetText(QString(40, 'F'));
    EXPECT_EQ(edit->GetFloatValue(), std::pow(16.0L, 40) - 1);
}

TEST_P(AdvEditTyped, SwitchingTypesAndPrecisionConvertsTheText)
{
    edit->SetText("abc");
    edit->SetEditType(etHex); // "abc" is hexadecimal already
    EXPECT_EQ(edit->Text(), "abc");
    edit->SetEditType(etFloat);
    EXPECT_EQ(edit->Text(), "0");
    edit->SetText(L("2.5"));
    edit->SetPrecision(3);
    EXPECT_EQ(edit->Text(), L("2.500"));
    edit->SetEditType(etNumeric);
    EXPECT_EQ(edit->Text(), "0");
    // Precision belongs to the float and money types alone.
    edit->SetPrecision(5);
    EXPECT_EQ(edit->Precision(), 3);
    edit->SetEditType(etMoney);
    EXPECT_EQ(edit->Text(), "0");
    edit->SetText(L("1,234."));
    EXPECT_EQ(edit->Text(), L("1,234.000"));
    edit->SetEditType(etString);
    edit->SetText("-");
    edit->SetEditType(etMoney);
    EXPECT_EQ(edit->Text(), "-"); // class 0, kept
    EXPECT_EQ(edit->GetFloatValue(), 0.0L);
}

TEST_P(AdvEditTyped, CaretStaysBetweenPrefixAndSuffixForKeysAndMouse)
{
    edit->SetPrefix("$");
    edit->SetSuffix(" kg");
    edit->SetText("12");
    std::vector<int> keysSeen;
    edit->OnKeyDown = [&](QObject*, int& key, TShiftState) {
        if (key != VK_SHIFT)
            keysSeen.push_back(key);
    };
    form.FocusEdit();
    EXPECT_EQ(edit->SelStart(), 1);
    EXPECT_EQ(edit->SelLength(), 2);
    Key(Qt::Key_End);
    EXPECT_EQ(edit->SelStart(), 3);
    Key(Qt::Key_Right);
    EXPECT_EQ(edit->SelStart(), 3);
    Key(Qt::Key_Delete);
    Key(Qt::Key_Delete, Qt::KeypadModifier);
    EXPECT_EQ(edit->TCustomEdit::Text(), "$12 kg");
    EXPECT_TRUE(keysSeen.empty());
    Key(Qt::Key_Left);
    EXPECT_EQ(edit->SelStart(), 2);
    Key(Qt::Key_Home);
    EXPECT_EQ(edit->SelStart(), 1);
    Key(Qt::Key_Left);
    Key(Qt::Key_Backspace);
    EXPECT_EQ(edit->SelStart(), 1);
    EXPECT_EQ(edit->TCustomEdit::Text(), "$12 kg");
    Key(Qt::Key_End, Qt::ShiftModifier);
    EXPECT_EQ(edit->SelText(), "12");
    Key(Qt::Key_End);
    Key(Qt::Key_Home, Qt::ShiftModifier);
    EXPECT_EQ(edit->SelText(), "12");
    EXPECT_EQ(edit->cursorPosition(), 1);
    EXPECT_EQ(keysSeen, std::vector<int>{VK_LEFT});

    // A click in the prefix selects the editable text; one in the suffix puts the
    // caret at its end; a drag into the suffix stops at the end.
    QTest::mouseClick(edit, Qt::LeftButton, {}, edit->CharPos(0) + QPoint(1, 5));
    EXPECT_EQ(edit->SelStart(), 1);
    EXPECT_EQ(edit->SelLength(), 2);
    QTest::mouseClick(edit, Qt::LeftButton, {}, edit->CharPos(5) + QPoint(1, 5));
    EXPECT_EQ(edit->SelStart(), 3);
    EXPECT_EQ(edit->SelLength(), 0);
    QTest::mousePress(edit, Qt::LeftButton, {}, edit->CharPos(2) + QPoint(1, 5));
    QTest::mouseMove(edit, edit->CharPos(6) + QPoint(1, 5));
    QTest::mouseRelease(edit, Qt::LeftButton, {}, edit->CharPos(6) + QPoint(1, 5));
    EXPECT_EQ(edit->SelStart(), 2);
    EXPECT_EQ(edit->SelLength(), 1);
}

TEST_P(AdvEditTyped, MoneyFieldWithPrefixAndSuffixPaints)
{
    edit->SetEditType(etMoney);
    edit->SetPrecision(2);
    edit->SetPrefix("EUR ");
    edit->SetSuffix(" net");
    edit->SetText("");
    form.FocusEdit();
    Type(L("1234567.8"));
    EXPECT_EQ(edit->Text(), L("1,234,567.8"));
    LeaveField();
    EXPECT_EQ(edit->TCustomEdit::Text(), L("EUR 1,234,567.80 net"));
    const QString path = QStringLiteral("/tmp/typed-money-%1.png").arg(GetParam().name);
    EXPECT_TRUE(form.window.grab().save(path));
}

TEST_P(AdvEditTyped, ClipboardKeysWorkInEveryTypedField)
{
    for (TAdvEditType type : {etNumeric, etFloat, etMoney, etHex, etRange, etAlphaNumeric, etUppercase}) {
        edit->SetEditType(type);
        edit->SetText("12");
        form.FocusEdit();
        Key(Qt::Key_A, Qt::ControlModifier);
        Key(Qt::Key_C, Qt::ControlModifier);
        EXPECT_EQ(QGuiApplication::clipboard()->text(), "12") << type;
        Key(Qt::Key_X, Qt::ControlModifier);
        EXPECT_EQ(edit->Text(), "") << type;
        Key(Qt::Key_V, Qt::ControlModifier);
        // Range and hexadecimal fields take no paste at all.
        EXPECT_EQ(edit->Text(), type == etRange || type == etHex ? "" : "12") << type;
    }
    // A paste still meets the field's own check.
    edit->SetEditType(etAlphaNumeric);
    edit->SetText("");
    QGuiApplication::clipboard()->setText("a-b");
    Key(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(edit->Text(), "");
}

TEST_P(AdvEditTyped, NoKeystrokeTurnsANumberIntoZero)
{
    edit->SetSigned(true);
    for (TAdvEditType type : {etMoney, etFloat}) {
        edit->SetEditType(type);
        edit->SetText("123");
        form.FocusEdit();
        // A minus over a selection inside the number is refused.
        edit->SetSelStart(1);
        edit->SetSelLength(1);
        Type("-");
        EXPECT_EQ(edit->Text(), "123") << type;
        EXPECT_EQ(edit->SelText(), "2") << type;
        // Over a selection at the start it is the sign, and goes in.
        edit->SetSelStart(0);
        edit->SetSelLength(2);
        Type("-");
        EXPECT_EQ(edit->Text(), "-3") << type;
        // Nothing goes in front of the sign; behind it a digit does.
        edit->SetSelStart(0);
        Type("5");
        EXPECT_EQ(edit->Text(), "-3") << type;
        edit->SetSelStart(1);
        Type("4");
        EXPECT_EQ(edit->Text(), "-43") << type;
        // The sign selected with the digits is replaced like any character.
        edit->SetSelStart(0);
        edit->SetSelLength(2);
        Type("7");
        EXPECT_EQ(edit->Text(), "73") << type;
        // With nothing selected the minus toggles the sign wherever the caret is.
        Type("-");
        EXPECT_EQ(edit->Text(), "-73") << type;
        LeaveField();
        EXPECT_EQ(edit->GetFloatValue(), -73.0L) << type;
    }
}

TEST_P(AdvEditTyped, RegroupingKeepsTheCaretOutOfThePrefix)
{
    edit->SetEditType(etMoney);
    edit->SetPrefix("$ ");
    edit->SetText(L("1,000"));
    form.FocusEdit();
    edit->SetSelStart(3);
    Key(Qt::Key_Backspace);
    EXPECT_EQ(edit->TCustomEdit::Text(), "$ 0");
    EXPECT_EQ(edit->SelStart(), 2);
    // Typing goes on in the editable text.
    Type("5");
    EXPECT_EQ(edit->TCustomEdit::Text(), "$ 50");
}

INSTANTIATE_TYPED_LOCALES(AdvEditTyped);

} // namespace
