// The plates that share a code as Calcs and grid commands change the rows, in
// the real main window on the offscreen platform: with "Only plates that share
// a code" on, a Calc shows the earlier rows of a plate that comes to share a
// code through it, also after a sort; a row command in one grid leaves both
// grids' counts right.

#include "CollisionView.h"
#include "MainWindowHarness.h"
#include "UMain.h"

#include "AdvEdit.h"
#include "Dialogs.h"
#include "Image.h"
#include "Memo.h"
#include "zelGrid.h"

#include "CollidingPlates.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>

namespace {

QStringList Sorted(QStringList plates)
{
    plates.sort();
    return plates;
}

class CollisionViewUpdateTest : public MainWindowTest {
protected:
    void SetUp() override { Open(); }

    QString StatusOfTab(int tab)
    {
        QTabBar* tabs = form->PageControl1->tabBar();
        QTest::mouseClick(tabs, Qt::LeftButton, Qt::NoModifier, tabs->tabRect(tab).center());
        QApplication::processEvents();
        return form->statusBar()->findChild<QLabel*>("CollisionStatus")->text();
    }

    QStringList Shown(TzelGrid* grid) const
    {
        QStringList plates;
        for (int r = 1; r < grid->RowCount(); ++r)
            if (grid->RowHeights(r) > 0)
                plates << grid->Cells(0, r);
        return Sorted(plates);
    }

    void ChooseOnlyShared() { ChooseFromMenuBar(form->mnuView, form->Collisions->OnlySharedItem()->text()); }
};

} // namespace

TEST_F(CollisionViewUpdateTest, ACalcShowsTheEarlierRowsOfAPlateThatComesToShareACode)
{
    const auto pair = FindColliding26(1, 2)[0];
    TzelGrid* grid = form->SG1;
    for (const std::string& plate : {pair[0], std::string("X1"), std::string("Y2")})
        TypePlate(plate);
    ChooseOnlyShared();
    ASSERT_TRUE(form->Collisions->OnlySharedItem()->isChecked());
    EXPECT_TRUE(Shown(grid).isEmpty());

    // Sorted by plate descending, the earlier row of pair[0] stands elsewhere.
    for (int click = 0; click < 2; ++click)
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, Qt::NoModifier, grid->CellRect(0, 0).center());
    ASSERT_EQ(grid->Cells(0, 1), "Y2");

    TypePlate(pair[1]);
    EXPECT_EQ(Shown(grid), Sorted({Q(pair[0]), Q(pair[1])}));
    TypePlate("Z3");
    TypePlate(pair[0]); // a repeat of a plate that shares a code is shown too
    EXPECT_EQ(Shown(grid), Sorted({Q(pair[0]), Q(pair[0]), Q(pair[1])}));

    // A list through the multi-plate box: a plate of a group and one alone.
    QTest::mouseClick(form->Shape1, Qt::LeftButton, Qt::NoModifier, QPoint(4, 4));
    form->EditPlates->setPlainText(Q(pair[1] + "\nW4\n"));
    QTest::mouseClick(form->btnCalc2, Qt::LeftButton);
    EXPECT_EQ(Shown(grid), Sorted({Q(pair[0]), Q(pair[0]), Q(pair[1]), Q(pair[1])}));
    EXPECT_EQ(StatusOfTab(0), "8 plates, 4 shown, 4 share a code, 2 repeats");
}

TEST_F(CollisionViewUpdateTest, ARowCommandInOneGridLeavesTheCountsOfBothRight)
{
    const auto pair = FindColliding26(1, 2)[0];
    for (const std::string& plate : {pair[0], std::string("X1"), pair[1]})
        TypePlate(plate);
    // Shift+Del in the 26-bit grid deletes the row of pair[1] there only.
    TzelGrid* grid = form->SG1;
    grid->setFocus();
    grid->SetSelection(TGridRect{0, 3, 0, 3});
    QTest::keyClick(grid, Qt::Key_Delete, Qt::ShiftModifier);
    QApplication::processEvents();
    ASSERT_EQ(grid->RowCount(), 3);
    EXPECT_EQ(StatusOfTab(0), "2 plates, 0 share a code, 0 repeats");
    EXPECT_EQ(StatusOfTab(1), "3 plates, 0 share a code, 0 repeats");

    // Later plates reach both grids' counts.
    TypePlate(pair[1]);
    TypePlate("X1");
    EXPECT_EQ(StatusOfTab(0), "4 plates, 2 share a code, 1 repeat");
    EXPECT_EQ(StatusOfTab(1), "5 plates, 0 share a code, 2 repeats");

    // File > New: both grids empty and counted together again.
    QTest::keyClick(form->EditPlate, Qt::Key_N, Qt::ControlModifier);
    QApplication::processEvents();
    TypePlate(pair[0]);
    EXPECT_EQ(StatusOfTab(0), "1 plate, 0 share a code, 0 repeats");
    EXPECT_EQ(StatusOfTab(1), "1 plate, 0 share a code, 0 repeats");
}
