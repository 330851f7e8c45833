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
