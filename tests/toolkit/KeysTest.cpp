#include "Keys.h"

#include <QKeyEvent>
#include <gtest/gtest.h>

TEST(Keys, QtKeysTranslateToVirtualKeysAndBack)
{
    EXPECT_EQ(VirtualKeyFromQt(Qt::Key_A, Qt::NoModifier), 'A');
    EXPECT_EQ(VirtualKeyFromQt(Qt::Key_7, Qt::NoModifier), '7');
    EXPECT_EQ(VirtualKeyFromQt(Qt::Key_7, Qt::KeypadModifier), VK_NUMPAD0 + 7);
    EXPECT_EQ(VirtualKeyFromQt(Qt::Key_Period, Qt::KeypadModifier), VK_DECIMAL);
    // The keypad's Delete (its decimal key without Num Lock) deletes like Delete.
    EXPECT_EQ(VirtualKeyFromQt(Qt::Key_Delete, Qt::KeypadModifier), VK_DELETE);
    EXPECT_EQ(VirtualKeyFromQt(Qt::Key_F3, Qt::NoModifier), 0x72);
    EXPECT_EQ(VirtualKeyFromQt(Qt::Key_Insert, Qt::ShiftModifier), VK_INSERT);
    EXPECT_EQ(VirtualKeyFromQt(Qt::Key_Enter, Qt::KeypadModifier), VK_RETURN);
    for (int vk : {int('Q'), VK_F1, VK_DELETE, VK_ESCAPE, VK_HOME, VK_NEXT})
        EXPECT_EQ(VirtualKeyFromQt(QtKeyFromVirtualKey(vk), Qt::NoModifier), vk);
}

TEST(Keys, ShortCutsCarryModifierBits)
{
    EXPECT_EQ(ShortCut(VK_INSERT, ssShift), 0x202D);
    EXPECT_EQ(ShortCut(VK_DELETE, ssShift | ssCtrl), 0x602E);
    int key = 0;
    TShiftState shift = 0;
    ShortCutToKey(0x8000 | 'Q', key, shift);
    EXPECT_EQ(key, 'Q');
    EXPECT_EQ(shift, ssAlt);
    QKeyEvent event(QEvent::KeyPress, Qt::Key_Q, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(ShiftStateFromQt(event.modifiers()), ssCtrl | ssShift);
}

TEST(Keys, TextToShortCutReadsModifiersAndKeyNames)
{
    EXPECT_EQ(TextToShortCut("Shift+Ins"), 8237);
    EXPECT_EQ(TextToShortCut("Shift+Del"), 8238);
    EXPECT_EQ(TextToShortCut("Ctrl+Shift+Ins"), 24621);
    EXPECT_EQ(TextToShortCut("Ctrl+Shift+Del"), 24622);
    EXPECT_EQ(TextToShortCut("Ctrl+P"), 16464);
    EXPECT_EQ(TextToShortCut("Ctrl+Q"), 16465);
    EXPECT_EQ(TextToShortCut("F3"), 114);
    EXPECT_EQ(TextToShortCut("Ctrl+N"), 16462);
    EXPECT_EQ(TextToShortCut("Ctrl+H"), 16456);
    // Any order and case; digits, function keys up to F24, named keys.
    EXPECT_EQ(TextToShortCut("shift+ctrl+alt+pgdn"), ShortCut(VK_NEXT, ssShift | ssCtrl | ssAlt));
    EXPECT_EQ(TextToShortCut("Alt+7"), ShortCut('7', ssAlt));
    EXPECT_EQ(TextToShortCut("F24"), VK_F24);
    EXPECT_EQ(TextToShortCut("Enter"), VK_RETURN);
    EXPECT_EQ(TextToShortCut("Ctrl+Up"), ShortCut(VK_UP, ssCtrl));
    EXPECT_EQ(TextToShortCut("Esc"), VK_ESCAPE);
    // Texts that name no key.
    for (const char* text : {"", "Shift+", "Ctrl++", "F0", "F25", "F+1", "Insert", "Ctrl+Shift", "AB", "Ü"})
        EXPECT_EQ(TextToShortCut(QString::fromUtf8(text)), scNone) << text;
}
