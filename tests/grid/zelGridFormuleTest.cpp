#include "Dialogs.h"
#include "Memo.h"
#include "zelGrid.h"
#include "zelGridFormule.h"

#include "../support/MemoPaste.h"

#include <QApplication>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>
#include <memory>

namespace {

// A shown 4 x 4 grid, one fixed column and row, the body cells empty.
struct TEditorFixture {
    TzelGrid grid;

    TEditorFixture()
    {
        grid.SetColCount(4);
        grid.SetRowCount(4);
        grid.SetFixedCols(1);
        grid.SetFixedRows(1);
        grid.resize(400, 200);
        grid.show();
    }
    void ClickCell(int col, int row)
    {
        QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, grid.CellRect(col, row).center());
    }
    void OpenOn(int col, int row)
    {
        grid.SetCol(col);
        grid.SetRow(row);
        grid.ShowFormulaDialog();
    }
};

TzelGridFormuleF& Editor()
{
    TzelGridFormuleF* editor = TzelGridFormuleF::Instance();
    if (!editor)
        throw std::runtime_error("no formula editor");
    return *editor;
}

void ClickItem(const QString& text)
{
    QListWidget* ops = Editor().ops;
    const QList<QListWidgetItem*> found = ops->findItems(text, Qt::MatchExactly);
    ASSERT_EQ(found.size(), 1) << text.toStdString();
    const QRect rect = ops->visualItemRect(found.front());
    ASSERT_TRUE(ops->viewport()->rect().contains(rect)) << "item not in view: " << text.toStdString();
    QTest::mouseClick(ops->viewport(), Qt::LeftButton, {}, rect.center());
}

QString FormulaText()
{
    return Editor().formule->toPlainText();
}

void SelectFormulaText(int from, int to)
{
    QTextCursor cursor = Editor().formule->textCursor();
    cursor.setPosition(from);
    cursor.setPosition(to, QTextCursor::KeepAnchor);
    Editor().formule->setTextCursor(cursor);
}

} // namespace

TEST(FormuleEditor, ComposesAFormulaByClicksAndApplies)
{
    TEditorFixture f;
    f.grid.SetCellRefStyle(rsA1);
    f.grid.SetCells(1, 1, "3");
    f.grid.SetCells(2, 2, "16");
    f.grid.SetCells(2, 1, "=A1*2");
    f.OpenOn(2, 1);

    TzelGridFormuleF& editor = Editor();
    EXPECT_TRUE(editor.isVisible());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_TRUE(editor.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(editor.windowTitle(), "Formule Editor");
    EXPECT_EQ(editor.size(), QSize(212, 286));
    EXPECT_EQ(editor.ops->count(), 28);
    EXPECT_EQ(editor.ops->item(18)->text(), "MODE(");
    EXPECT_EQ(FormulaText(), "=A1*2");
    EXPECT_TRUE(f.grid.FormuleMode());

    EXPECT_TRUE(editor.grab().save("/tmp/zelgrid-formule.png"));

    // Items go in at the caret without their blanks, replacing the selection; the
    // last item is in view as well.
    ClickItem(" +");
    ClickItem("SQRT(");
    EXPECT_EQ(editor.focusWidget(), editor.formule);
    f.ClickCell(2, 2);
    ClickItem("MAXCOL");
    SelectFormulaText(13, 19);
    ClickItem(" )");
    EXPECT_EQ(FormulaText(), "=A1*2+SQRT(B2)");
    EXPECT_EQ(f.grid.Row(), 2);

    // Apply writes the cell it was opened on, not the one clicked since, and computes.
    QTest::mouseClick(editor.btnApply, Qt::LeftButton);
    EXPECT_EQ(f.grid.Cells(2, 1), "=A1*2+SQRT(B2)");
    EXPECT_EQ(f.grid.Cells(2, 2), "16");
    EXPECT_FALSE(f.grid.FormuleMode());
    EXPECT_FALSE(editor.isVisible());
    EXPECT_EQ(double(f.grid.CellValues()(2, 1)), 10.0);

    // Line breaks reach the cell; the window is the same one, reused.
    f.OpenOn(3, 3);
    EXPECT_EQ(&Editor(), &editor);
    EXPECT_EQ(FormulaText(), "");
    editor.formule->setPlainText("=1\n+2");
    TScopedRecordingDialogs dialogs;
    QTest::mouseClick(editor.btnApply, Qt::LeftButton);
    EXPECT_EQ(f.grid.Cells(3, 3), "=1\n+2");
}

TEST(FormuleEditor, ReferenceStylesAndTheWaysToClose)
{
    TEditorFixture f;
    f.grid.SetCells(1, 1, "=1+2");
    f.OpenOn(1, 1);
    TzelGridFormuleF& editor = Editor();

    // rsNone: a clicked cell deletes the selection and inserts nothing.
    SelectFormulaText(2, 4);
    f.ClickCell(3, 2);
    EXPECT_EQ(FormulaText(), "=1");
    // rsA1 counts columns from the first non-fixed one; rsRowCol uses raw indexes.
    f.grid.SetCellRefStyle(rsA1);
    f.ClickCell(1, 2);
    f.grid.SetCellRefStyle(rsRowCol);
    f.ClickCell(3, 2);
    EXPECT_EQ(FormulaText(), "=1A2c3r2");
    // A column beyond ZZ has no letters: its A1 style reference is the row/column one.
    f.grid.SetCellRefStyle(rsA1);
    EXPECT_EQ(f.grid.ReferenceText(702, 4), "ZZ4");
    EXPECT_EQ(f.grid.ReferenceText(703, 4), "c703r4");
    f.grid.SetCellRefStyle(rsRowCol);
    // Keyboard moves of the current cell add references as well.
    QTest::keyClick(&f.grid, Qt::Key_Down);
    EXPECT_EQ(FormulaText(), "=1A2c3r2c3r3");

    // Close: the mode ends, the cell keeps its text, clicks add nothing any more.
    QTest::mouseClick(editor.btnClose, Qt::LeftButton);
    EXPECT_FALSE(editor.isVisible());
    EXPECT_FALSE(f.grid.FormuleMode());
    EXPECT_EQ(f.grid.Cells(1, 1), "=1+2");
    f.ClickCell(2, 2);
    EXPECT_EQ(FormulaText(), "=1A2c3r2c3r3");

    // Closing the window itself leaves the mode on: clicks still feed the hidden editor.
    f.OpenOn(2, 1);
    editor.close();
    EXPECT_FALSE(editor.isVisible());
    EXPECT_TRUE(f.grid.FormuleMode());
    f.ClickCell(1, 3);
    EXPECT_EQ(FormulaText(), "c1r3");
}

TEST(FormuleEditor, OutlivesItsGridAndEndsWithTheProgram)
{
    auto grid = std::make_unique<TzelGrid>();
    grid->SetRowCount(3);
    grid->SetRow(1);
    grid->ShowFormulaDialog();
    TzelGridFormuleF& editor = Editor();
    EXPECT_EQ(editor.Grid(), grid.get());
    grid.reset();

    // Every action of the editor still works on a grid that is gone.
    EXPECT_EQ(editor.Grid(), nullptr);
    ClickItem("ABS(");
    EXPECT_EQ(FormulaText(), "ABS(");
    QTest::mouseClick(editor.btnApply, Qt::LeftButton);
    EXPECT_FALSE(editor.isVisible());
    editor.show();
    QTest::mouseClick(editor.btnClose, Qt::LeftButton);
    EXPECT_FALSE(editor.isVisible());

    // Closing the main window ends the event loop with the editor open, and the
    // editor is freed as the program ends.
    QWidget mainWindow;
    auto* inWindow = new TzelGrid(&mainWindow);
    inWindow->SetRowCount(3);
    inWindow->SetRow(2);
    mainWindow.show();
    inWindow->ShowFormulaDialog();
    ASSERT_TRUE(editor.isVisible());
    QPointer<TzelGridFormuleF> guard(&editor);
    QTimer::singleShot(0, &mainWindow, &QWidget::close);
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, [] { QCoreApplication::exit(1); });
    watchdog.start(5000);
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_TRUE(guard.isNull());
    EXPECT_EQ(TzelGridFormuleF::Instance(), nullptr);

    // A later use makes a new window; the grid's mode still feeds it.
    inWindow->SetCellRefStyle(rsA1);
    inWindow->ShowFormulaDialog();
    ASSERT_NE(TzelGridFormuleF::Instance(), nullptr);
    inWindow->SetRow(1);
    EXPECT_EQ(FormulaText(), "A1");
    QTest::mouseClick(Editor().btnClose, Qt::LeftButton);
}

TEST(FormuleEditor, FormulaBoxPastesEveryKindOfClipboardEveryWay)
{
    if (!OnARealDisplay())
        return RerunUnderXvfb();
    TEditorFixture f;
    f.grid.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&f.grid));
    QTest::mouseClick(f.grid.viewport(), Qt::LeftButton, {}, f.grid.CellRect(2, 2).center());
    QTest::keyClick(&f.grid, Qt::Key_F3);
    ASSERT_NE(TzelGridFormuleF::Instance(), nullptr);
    TzelGridFormuleF& editor = Editor();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&editor));
    editor.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&editor));
    QTest::mouseClick(editor.formule->viewport(), Qt::LeftButton);
    ExpectPastesOfEveryClipboard(editor.formule);
    QTest::mouseClick(editor.btnClose, Qt::LeftButton);
}
