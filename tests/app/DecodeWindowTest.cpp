// Tools > Decode code ... in the real main window: the menu chosen from the open
// menu bar, typing into the code field, the fields and their colours, and Find
// across hidden rows of both grids.

#include "MainWindowHarness.h"
#include "UDecode.h"
#include "UMain.h"

#include "AdvEdit.h"
#include "Dialogs.h"
#include "FormLook.h"
#include "Image.h"
#include "Memo.h"
#include "PlateCodes.h"
#include "zelGrid.h"

#include "../support/RealDisplay.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QLabel>
#include <QPainter>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>

namespace {

// Two plates whose codes make an ambiguous input: the truncated digest of the
// first, in decimal, has the seven digits of the second's frame in hex.
const char* const kDecimalPayloadPlate = "AMB1927";
const char* const kHexFramePlate = "AMB23497";

class DecodeWindowTest : public MainWindowTest {
protected:
    void SetUp() override
    {
        Open();
        for (const char* plate : {"hk 55 evb", "ab 12", "hk-55-evb", "HK55EVB", "zz 9"})
            MainWindowTest::TypePlate(plate);
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

    // The decode window may have the focus.
    void TypePlate(const char* plate)
    {
        form->EditPlate->setFocus();
        MainWindowTest::TypePlate(plate);
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

    // The second reading's fields, as Fields gives the first's.
    static QStringList OtherFields(const TFormDecode* decode)
    {
        QStringList fields;
        for (std::size_t i = 0; i < decode->OtherValues.size(); ++i)
            if (decode->OtherValues[i]->isVisible() && !decode->Captions[i]->text().isEmpty())
                fields << decode->Captions[i]->text() + " " + decode->OtherValues[i]->text();
        return fields;
    }

    // Copies cells of a grid with Ctrl+C and pastes them into the code field
    // with Ctrl+V, replacing what it held.
    void CopyIntoCodeField(TFormDecode* decode, TzelGrid* grid, const TGridRect& cells)
    {
        QTabBar* tabs = form->PageControl1->tabBar();
        QTest::mouseClick(tabs, Qt::LeftButton, Qt::NoModifier, tabs->tabRect(grid == form->SG1 ? 0 : 1).center());
        grid->SetSelection(cells);
        grid->setFocus();
        QTest::keyClick(grid, Qt::Key_C, Qt::ControlModifier);
        decode->EditCode->selectAll();
        QTest::keyClick(decode->EditCode, Qt::Key_V, Qt::ControlModifier);
    }

    // The rectangle of a row of a grid on the screen.
    static QRect RowOnScreen(TzelGrid* grid, int row)
    {
        const QRect cell = grid->CellRect(grid->LeftCol(), row);
        if (cell.isEmpty())
            return QRect();
        return QRect(grid->viewport()->mapToGlobal(QPoint(0, cell.top())), QSize(grid->viewport()->width(), cell.height()));
    }
};

} // namespace

TEST_F(DecodeWindowTest, ShowsTheFieldsAsTheOperatorTypes)
{
    QStringList menus;
    for (QAction* action : form->menuBar()->actions())
        menus << action->text();
    EXPECT_EQ(menus, (QStringList{"&File", "&Edit", "&View", "&Tools", "&Help"}));

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

// The second reading's labels belong to the window from the start: unowned, they
// flashed up as windows of their own and were never freed when no input read two ways.
TEST_F(DecodeWindowTest, EveryLabelBelongsToTheWindowWhateverWasRead)
{
    TFormDecode* decode = OpenFromMenu();
    ASSERT_NE(decode, nullptr);
    for (const QString& code : {QString(), QStringLiteral("0x3019E2A"), QStringLiteral("zz")}) {
        Type(decode, code);
        for (const QLabel* value : decode->OtherValues)
            EXPECT_EQ(value->window(), decode) << code.toStdString();
        for (const QWidget* top : QApplication::topLevelWidgets())
            EXPECT_EQ(qobject_cast<const QLabel*>(top), nullptr) << code.toStdString();
    }
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

TEST_F(DecodeWindowTest, EveryCodeCellPastedAsItStandsFindsItsRow)
{
    // Through the X11 clipboard, as an operator copies and pastes.
    if (!OnARealDisplay())
        return RerunUnderXvfb("1280x1024x24");
    TFormDecode* decode = OpenFromMenu();
    ASSERT_NE(decode, nullptr);
    // Row 5 holds ZZ9, the only plate of its code: every code cell of its two rows,
    // and its facility code and ID number copied together, find it.
    struct TCells {
        TzelGrid* grid;
        TGridRect cells;
    };
    const TCells cases[] = {
        {form->SG1, {1, 5, 1, 5}}, {form->SG1, {2, 5, 2, 5}}, {form->SG1, {3, 5, 3, 5}}, {form->SG1, {4, 5, 4, 5}},
        {form->SG1, {5, 5, 6, 5}}, {form->SG2, {1, 5, 1, 5}}, {form->SG2, {2, 5, 2, 5}},
    };
    for (const TCells& c : cases) {
        form->SG1->SetRow(1);
        form->SG2->SetRow(1);
        CopyIntoCodeField(decode, c.grid, c.cells);
        const std::string pasted = decode->EditCode->text().toStdString();
        EXPECT_FALSE(decode->LabelError->isVisible()) << pasted << ": " << decode->LabelError->text().toStdString();
        QTest::mouseClick(decode->btnFind, Qt::LeftButton);
        EXPECT_EQ(c.grid->Row(), 5) << pasted;
        EXPECT_EQ(decode->LabelFound->text(), "1 of 1 rows") << pasted;
        EXPECT_EQ(decode->LabelFoundPlate->text(), "ZZ9") << pasted;
    }
    // The column each was read from shows as its format.
    CopyIntoCodeField(decode, form->SG1, {4, 5, 4, 5});
    EXPECT_TRUE(Fields(decode).contains("Format: Digest (truncated dec)")) << Fields(decode).join('|').toStdString();
    CopyIntoCodeField(decode, form->SG2, {2, 5, 2, 5});
    EXPECT_TRUE(Fields(decode).contains("Format: Wiegand 64-bit (dec)"));
    EXPECT_TRUE(Fields(decode).contains("Number plate: ZZ9"));
    // A blank between facility code and ID number, as typed.
    Type(decode, "128 53013");
    QTest::mouseClick(decode->btnFind, Qt::LeftButton);
    EXPECT_EQ(decode->LabelFound->text(), "1 of 3 rows");
    EXPECT_EQ(decode->LabelFoundPlate->text(), "HK55EVB");
}

TEST_F(DecodeWindowTest, AnInputThatReadsTwoWaysShowsAndSearchesBoth)
{
    // The digest of the first plate, in decimal, is also a frame in hex: the
    // frame of the second plate.
    TypePlate(kDecimalPayloadPlate);
    TypePlate(kHexFramePlate);
    const TPlateCodes first = ComputePlateCodes(kDecimalPayloadPlate);
    const QString decimal = QString::number(first.Payload);
    ASSERT_EQ(decimal.size(), 7);
    ASSERT_EQ("0x" + decimal, QString::fromStdString(CodeText(TCodeTable::Wiegand26, ComputePlateCodes(kHexFramePlate).Wiegand26)));

    TFormDecode* decode = OpenFromMenu();
    ASSERT_NE(decode, nullptr);
    QTest::keyClicks(decode->EditCode, decimal);
    EXPECT_TRUE(Fields(decode).contains("Format: Digest (truncated dec)"));
    EXPECT_TRUE(Fields(decode).contains("Frame: " + QString::fromStdString(CodeText(TCodeTable::Wiegand26, first.Wiegand26))));
    EXPECT_TRUE(OtherFields(decode).contains("Format: Wiegand 26-bit"));
    EXPECT_TRUE(OtherFields(decode).contains("Frame: 0x" + decimal));
    ExpectFieldsFit(decode);
    for (const QLabel* value : decode->OtherValues)
        EXPECT_LE(value->sizeHint().width(), value->width()) << value->text().toStdString();
    EXPECT_TRUE(decode->grab().save(QDir::temp().filePath("corvana-decode-two-readings.png")));

    form->SG1->SetRow(1);
    QTest::keyClick(decode->EditCode, Qt::Key_Return);
    EXPECT_EQ(decode->LabelFound->text(), "1 of 2 rows");
    EXPECT_EQ(decode->LabelFoundPlate->text(), QString::fromLatin1(kDecimalPayloadPlate));
    QTest::keyClick(decode->EditCode, Qt::Key_Return);
    EXPECT_EQ(decode->LabelFound->text(), "2 of 2 rows");
    EXPECT_EQ(decode->LabelFoundPlate->text(), QString::fromLatin1(kHexFramePlate));

    // One reading: the second column goes away again.
    Type(decode, "0x3019E2A");
    for (const QLabel* value : decode->OtherValues)
        EXPECT_FALSE(value->isVisible());
}

TEST_F(DecodeWindowTest, FindShowsTheFoundRowClearOfTheWindow)
{
    // Where X11 puts the windows, and on the offscreen platform.
    if (!OnARealDisplay())
        RerunUnderXvfb("1280x1024x24");
    TFormDecode* decode = OpenFromMenu();
    ASSERT_NE(decode, nullptr);
    TzelGrid* grid = form->SG1;
    // Five rows fit in the grid, under the window: the window moves off the row.
    ASSERT_TRUE(RowOnScreen(grid, 5).intersects(decode->frameGeometry())) << "the window starts over the rows";
    Type(decode, QString::fromStdString(CodeText(TCodeTable::Wiegand26, ComputePlateCodes("ZZ9").Wiegand26)));
    QTest::mouseClick(decode->btnFind, Qt::LeftButton);
    EXPECT_EQ(grid->Row(), 5);
    EXPECT_FALSE(RowOnScreen(grid, 5).isEmpty());
    EXPECT_FALSE(RowOnScreen(grid, 5).intersects(decode->frameGeometry()));
    EXPECT_EQ(decode->LabelFoundPlate->text(), "ZZ9");

    // With many rows the grid scrolls the row to a band the window leaves free.
    decode->move(form->geometry().center() - decode->rect().center());
    QTest::mouseClick(form->Shape1, Qt::LeftButton, Qt::NoModifier, QPoint(4, 4));
    QString plates;
    for (int i = 0; i < 80; ++i)
        plates += QStringLiteral("row %1\n").arg(i);
    form->EditPlates->setPlainText(plates);
    QTest::mouseClick(form->btnCalc2, Qt::LeftButton);
    QTest::mouseClick(form->Shape2, Qt::LeftButton, Qt::NoModifier, QPoint(4, 4));
    QApplication::processEvents();
    const QPoint placed = decode->pos();
    for (const char* plate : {"ROW40", "ROW3", "ROW79"}) {
        grid->SetRow(1);
        Type(decode, QString::fromStdString(CodeText(TCodeTable::Wiegand26, ComputePlateCodes(plate).Wiegand26)));
        QTest::keyClick(decode->EditCode, Qt::Key_Return);
        const int row = grid->Row();
        EXPECT_EQ(grid->Cells(0, row), plate);
        EXPECT_FALSE(RowOnScreen(grid, row).isEmpty()) << plate;
        EXPECT_FALSE(RowOnScreen(grid, row).intersects(decode->frameGeometry())) << plate;
        EXPECT_EQ(decode->LabelFoundPlate->text(), plate);
    }
    EXPECT_EQ(decode->pos(), placed) << "scrolling sufficed";

    // A picture of the main window with the decode window where it stands.
    QApplication::processEvents();
    EXPECT_LE(decode->LabelFound->sizeHint().width(), decode->LabelFound->width());
    QImage picture = form->grab().toImage();
    QPainter painter(&picture);
    painter.drawPixmap(decode->geometry().topLeft() - form->geometry().topLeft(), decode->grab());
    painter.end();
    EXPECT_TRUE(picture.save(QDir::temp().filePath("corvana-decode-find.png")));
}
