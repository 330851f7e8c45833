// Tools > Decode code ... in the real main window: the menu chosen from the open
// menu bar, typing into the code field, the fields and their colours, and Find
// across hidden rows of both grids.

#include "UDecode.h"
#include "UMain.h"

#include "AdvEdit.h"
#include "Dialogs.h"
#include "FormLook.h"
#include "zelGrid.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>


namespace {

class DecodeWindowTest : public testing::Test {
protected:
    void SetUp() override
    {
        form = std::make_unique<TFormMain>(TSettingsFiles{dir.filePath("corvana.ini"), dir.filePath("corvana.ini")});
        form->show();
        form->activateWindow();
        (void)QTest::qWaitForWindowActive(form.get());
        EXPECT_TRUE(QTest::qWaitFor([&] { return form->EditPlate->hasFocus(); }));
        for (const char* plate : {"hk 55 evb", "ab 12", "hk-55-evb", "HK55EVB", "zz 9"}) {
            QTest::keyClicks(form->EditPlate, plate);
            QTest::keyClick(form->EditPlate, Qt::Key_Return);
            QApplication::processEvents();
        }
        EXPECT_EQ(form->SG1->RowCount(), 6);
    }

    // Opens Tools with Alt+T and clicks "Decode code ..." in the open menu.
    TFormDecode* OpenFromMenu()
    {
        QTest::keyClick(form.get(), Qt::Key_T, Qt::AltModifier);
        EXPECT_TRUE(QTest::qWaitFor([] { return QApplication::activePopupWidget() != nullptr; }));
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu)
            return nullptr;
        EXPECT_EQ(menu, form->mnuTools);
        QTest::mouseClick(menu, Qt::LeftButton, Qt::NoModifier, menu->actionGeometry(form->mnuToolsDecode).center());
        EXPECT_TRUE(QTest::qWaitFor([&] { return form->FormDecode && form->FormDecode->isVisible(); }));
        if (form->FormDecode)
            (void)QTest::qWaitForWindowActive(form->FormDecode);
        return form->FormDecode;
    }

    void Type(TFormDecode* decode, const QString& text)
    {
        decode->EditCode->selectAll();
        QTest::keyClick(decode->EditCode, Qt::Key_Delete);
        QTest::keyClicks(decode->EditCode, text);
    }

    static void ExpectFieldsFit(const TFormDecode* decode)
    {
        QApplication::processEvents();
        for (const QLabel* value : decode->Values)
            EXPECT_LE(value->sizeHint().width(), value->width()) << value->text().toStdString();
    }

    // The shown fields as "caption value" lines, a warning marked with "!".
    static QStringList Fields(const TFormDecode* decode)
    {
        QStringList fields;
        for (std::size_t i = 0; i < decode->Values.size(); ++i) {
            const QLabel* value = decode->Values[i];
            if (!value->isVisible() || decode->Captions[i]->text().isEmpty())
                continue;
            const bool warn = value->palette().color(QPalette::WindowText) == ToQColor(WarningTextColor);
            fields << decode->Captions[i]->text() + " " + value->text() + (warn ? " !" : "");
        }
        return fields;
    }

    QTemporaryDir dir;
    TScopedRecordingDialogs dialogs;
    std::unique_ptr<TFormMain> form;
};

} // namespace

TEST_F(DecodeWindowTest, ShowsTheFieldsAsTheOperatorTypes)
{
    QStringList menus;
    for (QAction* action : form->menuBar()->actions())
        menus << action->text();
    EXPECT_EQ(menus, (QStringList{"&File", "&View", "&Tools", "&Help"}));

    TFormDecode* decode = OpenFromMenu();
    ASSERT_NE(decode, nullptr);
    EXPECT_EQ(decode->windowTitle().toStdString(), "Decode code");
    EXPECT_TRUE(decode->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_TRUE(QTest::qWaitFor([&] { return decode->EditCode->hasFocus(); }));
    EXPECT_FALSE(decode->btnFind->isEnabled());

    QTest::keyClicks(decode->EditCode, "0x3019E2A");
    EXPECT_EQ(Fields(decode), (QStringList{"Format: Wiegand 26-bit", "Frame: 0x3019E2A",
                                           "Bits: 1 10000000 1100111100010101 0", "Parity: ok",
                                           "Facility code: 128", "ID number: 53013"}));
    EXPECT_TRUE(decode->btnFind->isEnabled());
    QTest::keyClick(decode->EditCode, Qt::Key_Backspace);
    QTest::keyClicks(decode->EditCode, "B");
    EXPECT_TRUE(Fields(decode).contains("Parity: odd parity bit wrong !")) << Fields(decode).join('|').toStdString();

    Type(decode, "128:53013");
    EXPECT_TRUE(Fields(decode).contains("Frame: 0x3019E2A"));

    Type(decode, "0x4000000");
    EXPECT_TRUE(decode->LabelError->isVisible());
    EXPECT_EQ(decode->LabelError->text().toStdString(), "0x4000000 is above the largest 26-bit frame 0x3FFFFFF");
    EXPECT_EQ(decode->LabelError->palette().color(QPalette::WindowText), ToQColor(WarningTextColor));
    EXPECT_EQ(Fields(decode), QStringList());
    EXPECT_FALSE(decode->btnFind->isEnabled());

    Type(decode, "0xe00002191555ebdb");
    EXPECT_FALSE(decode->LabelError->isVisible());
    EXPECT_EQ(Fields(decode), (QStringList{"Format: Wiegand 64-bit", "Code: 0xE00002191555EBDB",
                                           "Bits: 1110 000000 000000 000000 100001 100100 010101 010101 011110 "
                                           "101111 011011",
                                           "Prefix: not 0110 !", "Number plate: HK55EVB"}));
    ExpectFieldsFit(decode);
    Type(decode, "0x6000000000000034");
    EXPECT_EQ(decode->LabelError->text().toStdString(), "group 10 has the value 52, which no plate gives");

    // The window stays above the main window and fits what it shows.
    Type(decode, "0x1019E2B");
    ExpectFieldsFit(decode);
    EXPECT_TRUE(decode->grab().toImage().save("/tmp/corvana-decode-window.png"));

    // Escape closes it, also from the button row.
    QTest::keyClick(decode->EditCode, Qt::Key_Escape);
    EXPECT_FALSE(decode->isVisible());
}

TEST_F(DecodeWindowTest, FindStepsThroughTheVisibleRowsWithTheCode)
{
    // Rows 1, 3 and 4 hold HK55EVB; row 3 is hidden, as after a query.
    form->SG1->SetRowHeights(3, -1);
    form->PageControl1->SetActivePageIndex(1);
    TFormDecode* decode = OpenFromMenu();
    ASSERT_NE(decode, nullptr);

    // A frame with a wrong parity bit still finds its plate; the 26-bit tab comes forward.
    QTest::keyClicks(decode->EditCode, "0x1019E2B");
    QTest::mouseClick(decode->btnFind, Qt::LeftButton);
    EXPECT_EQ(form->PageControl1->ActivePageIndex(), 0);
    EXPECT_EQ(form->SG1->Selection(), (TGridRect{0, 1, 6, 1}));
    EXPECT_EQ(decode->LabelFound->text().toStdString(), "1 of 2 rows");
    QTest::keyClick(decode->EditCode, Qt::Key_Return); // Enter is Find
    EXPECT_EQ(form->SG1->Row(), 4);
    EXPECT_EQ(decode->LabelFound->text().toStdString(), "2 of 2 rows");
    EXPECT_GE(form->SG1->TopRow(), 1);
    QTest::mouseClick(decode->btnFind, Qt::LeftButton);
    EXPECT_EQ(form->SG1->Row(), 1);
    EXPECT_EQ(decode->LabelFound->text().toStdString(), "1 of 2 rows");

    // Typing clears the count; a code no row has says so and selects nothing.
    QTest::keyClick(decode->EditCode, Qt::Key_Backspace);
    EXPECT_EQ(decode->LabelFound->text().toStdString(), "");
    Type(decode, "128/1");
    QTest::mouseClick(decode->btnFind, Qt::LeftButton);
    EXPECT_EQ(decode->LabelFound->text().toStdString(), "no row has this code");
    EXPECT_EQ(form->SG1->Row(), 1);

    // A 64-bit code finds its rows in the 64-bit grid.
    Type(decode, "0110 000000 000000 000000 100001 100100 010101 010101 011110 101111 011011");
    QTest::mouseClick(decode->btnFind, Qt::LeftButton);
    EXPECT_EQ(form->PageControl1->ActivePageIndex(), 1);
    EXPECT_EQ(form->SG2->Row(), 1);
    EXPECT_EQ(decode->LabelFound->text().toStdString(), "1 of 3 rows");

    // With every matching row hidden there is no row to find.
    for (int row : {1, 3, 4})
        form->SG2->SetRowHeights(row, -1);
    QTest::mouseClick(decode->btnFind, Qt::LeftButton);
    EXPECT_EQ(decode->LabelFound->text().toStdString(), "no row has this code");

    // Opening it again brings back the same window.
    decode->btnClose->click();
    EXPECT_EQ(OpenFromMenu(), decode);
}
