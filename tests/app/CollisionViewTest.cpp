// The plates that share a code, in the real main window on the offscreen
// platform: the status bar, the code cells' colour and hint, and View > "Only
// plates that share a code", after typed plates, lists, grid commands and menus.

#include "CollisionView.h"
#include "MainWindowHarness.h"
#include "Memo.h"
#include "UMain.h"

#include "AdvEdit.h"
#include "Image.h"
#include "zelGridQuery.h"
#include "Dialogs.h"
#include "EventChain.h"
#include "FormLook.h"
#include "zelGrid.h"

#include "CollidingPlates.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QHelpEvent>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolTip>
#include <gtest/gtest.h>

#include <memory>

namespace {

class CollisionViewTest : public MainWindowTest {
protected:
    void SetUp() override { Open(); }

    QString Status()
    {
        QApplication::processEvents();
        return form->statusBar()->findChild<QLabel*>("CollisionStatus")->text();
    }

    bool StatusWarns() const
    {
        const QStatusBar* bar = form->statusBar();
        return bar->autoFillBackground() && bar->palette().color(QPalette::Window) == ToQColor(WarningBackColor);
    }

    int RowOf(TzelGrid* grid, const std::string& plate) const
    {
        for (int r = 1; r < grid->RowCount(); ++r)
            if (grid->Cells(0, r) == Q(plate))
                return r;
        return -1;
    }

    // The colour the code cell of a row is painted with, by its background pixel.
    QColor CodeCellColour(TzelGrid* grid, int row, int col = 1) const
    {
        const QImage image = grid->viewport()->grab().toImage();
        const QRect cell = grid->CellRect(col, row);
        return image.pixelColor(cell.left() + 2, cell.top() + 2);
    }

    // The hint shown for the code cell of a row, through a real tooltip event.
    QString CodeCellHint(TzelGrid* grid, int row, int col = 1) const
    {
        QToolTip::hideText();
        (void)QTest::qWaitFor([] { return !QToolTip::isVisible(); }, 2000);
        const QPoint at = grid->CellRect(col, row).center();
        QHelpEvent event(QEvent::ToolTip, at, grid->viewport()->mapToGlobal(at));
        QApplication::sendEvent(grid->viewport(), &event);
        return QToolTip::isVisible() ? QToolTip::text() : QString();
    }
};

const QColor kWarning = ToQColor(WarningBackColor);

} // namespace

// A grid's painter attached before the collision view takes the grids keeps
// painting, and the collision colours are painted too.
TEST(CollisionViewPainters, APainterAttachedBeforeTheViewKeepsPainting)
{
    QMainWindow window;
    auto* pages = new QTabWidget(&window);
    window.setCentralWidget(pages);
    QMenu* view = window.menuBar()->addMenu("View");
    TzelGrid* grids[2] = {};
    for (const TCodeTable table : kCodeTables) {
        auto* grid = new TzelGrid;
        grid->SetColCount(int(ResultTable(table).ColumnCount()));
        grid->SetRowCount(2);
        grid->SetFixedRows(1);
        pages->addTab(grid, QString::number(ResultTable(table).Bits));
        grids[int(table)] = grid;
    }
    TzelGrid* grid = grids[0];
    Chain(grid->OnDrawCell, [grid](QObject*, int col, int row, const QRect& rect, TGridDrawState) {
        if (col == 0 && row >= grid->FixedRows()) {
            grid->Canvas()->SetBrushColor(clLime);
            grid->Canvas()->FillRect(rect);
        }
    });
    TCollisionView collisions(&window, grids[0], grids[1], pages, view, [&] { return grids[pages->currentIndex()]; });

    std::vector<TWiegand26Row> rows26;
    std::vector<TWiegand64Row> rows64;
    const auto pair = FindColliding26(1, 2)[0];
    for (const std::string& plate : pair) {
        const TPlateCodes codes = ComputePlateCodes(plate);
        rows26.push_back(Wiegand26RowCells(codes));
        rows64.push_back(Wiegand64RowCells(codes));
        collisions.Take(codes);
    }
    collisions.PutRows([&] {
        grids[0]->PutRows(rows26.data(), rows26.size());
        grids[1]->PutRows(rows64.data(), rows64.size());
    });
    window.resize(900, 300);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    ASSERT_EQ(grid->RowCount(), 3);

    const QImage image = grid->viewport()->grab().toImage();
    const auto colour = [&](int col, int row) {
        const QRect cell = grid->CellRect(col, row);
        return image.pixelColor(cell.left() + 2, cell.top() + 2);
    };
    EXPECT_EQ(colour(1, 1), ToQColor(WarningBackColor));
    EXPECT_EQ(colour(1, 2), ToQColor(WarningBackColor));
    EXPECT_EQ(colour(0, 1), ToQColor(clLime)); // row 2 holds the selection
}

TEST_F(CollisionViewTest, StatusBarCellColourAndHintFollowEveryChangeOfRows)
{
    const auto pair = FindColliding26(1, 2)[0];
    TzelGrid* grid = form->SG1;
    EXPECT_EQ(Status(), "0 plates, 0 share a code, 0 repeats");
    EXPECT_FALSE(StatusWarns());

    for (const std::string& plate : {pair[0], std::string("hk 55 evb"), pair[1], pair[0]})
        TypePlate(plate);
    EXPECT_EQ(Status(), "4 plates, 3 share a code, 1 repeat");
    EXPECT_TRUE(StatusWarns());
    EXPECT_EQ(CodeCellColour(grid, 1), kWarning);
    EXPECT_EQ(CodeCellColour(grid, 3), kWarning);
    EXPECT_EQ(CodeCellColour(grid, 4), kWarning);
    EXPECT_NE(CodeCellColour(grid, 2), kWarning);
    EXPECT_EQ(CodeCellHint(grid, 1), "Shares the code " + Q(Code26(pair[0])) + " with " + Q(pair[1]));
    EXPECT_EQ(CodeCellHint(grid, 3), "Shares the code " + Q(Code26(pair[0])) + " with " + Q(pair[0]));
    EXPECT_EQ(CodeCellHint(grid, 2), "");
    // A screenshot of the window with the hint of row 1 painted where it shows.
    CodeCellHint(grid, 1);
    QImage picture = form->grab().toImage();
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (top->objectName() == "qtooltip_label" && top->isVisible()) {
            QPainter painter(&picture);
            painter.drawPixmap(top->pos() - form->geometry().topLeft(), top->grab());
        }
    }
    const QString shot = QDir::temp().filePath("corvana-collisions.png");
    picture.save(shot);
    std::printf("screenshot: %s\n", qPrintable(shot));

    // The 64-bit tab counts its own codes.
    QTabBar* tabs = form->PageControl1->tabBar();
    QTest::mouseClick(tabs, Qt::LeftButton, Qt::NoModifier, tabs->tabRect(1).center());
    EXPECT_EQ(Status(), "4 plates, 0 share a code, 1 repeat");
    EXPECT_FALSE(StatusWarns());
    EXPECT_NE(CodeCellColour(form->SG2, 1), kWarning);
    QTest::mouseClick(tabs, Qt::LeftButton, Qt::NoModifier, tabs->tabRect(0).center());
    EXPECT_TRUE(StatusWarns());

    // Sorting moves the colours with the rows.
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, Qt::NoModifier, grid->CellRect(0, 0).center());
    const int hk = RowOf(grid, "HK55EVB");
    for (int r = 1; r <= 4; ++r)
        EXPECT_EQ(CodeCellColour(grid, r) == kWarning, r != hk) << r;
    EXPECT_EQ(Status(), "4 plates, 3 share a code, 1 repeat");

    // Deleting the second plate of the pair with the grid's command ends the collision.
    grid->setFocus();
    grid->SetRow(RowOf(grid, pair[1]));
    QTest::keyClick(grid, Qt::Key_Delete, Qt::ShiftModifier);
    EXPECT_EQ(Status(), "3 plates, 0 share a code, 1 repeat");
    EXPECT_FALSE(StatusWarns());
    for (int r = 1; r < grid->RowCount(); ++r)
        EXPECT_NE(CodeCellColour(grid, r), kWarning) << r;
    // The 64-bit grid still holds all four.
    QTest::mouseClick(tabs, Qt::LeftButton, Qt::NoModifier, tabs->tabRect(1).center());
    EXPECT_EQ(Status(), "4 plates, 0 share a code, 1 repeat");
    QTest::mouseClick(tabs, Qt::LeftButton, Qt::NoModifier, tabs->tabRect(0).center());

    // File > New starts over, also when the grid holds a single row.
    QTest::keyClick(grid, Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(Status(), "0 plates, 0 share a code, 0 repeats");
    form->EditPlate->setFocus();
    TypePlate(pair[0]);
    QTest::keyClick(grid, Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(Status(), "0 plates, 0 share a code, 0 repeats");

    // File > Open and the multi-plate Calc add their lines in bulk.
    const auto triple = FindColliding26(1, 3, "TR")[0];
    const QString list = dir.filePath("plates.txt");
    QFile file(list);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray::fromStdString(triple[0] + "\r\n" + triple[1] + "\r\nAB12\r\n"));
    file.close();
    dialogs.fileAnswers.push_back(list);
    form->EditPlate->setFocus();
    QTest::keyClick(form->EditPlate, Qt::Key_O, Qt::ControlModifier);
    EXPECT_EQ(Status(), "3 plates, 2 share a code, 0 repeats");
    QTest::mouseClick(form->Shape1, Qt::LeftButton, Qt::NoModifier, QPoint(4, 4));
    form->EditPlates->setPlainText(Q(triple[2] + "\nab-12\n"));
    QTest::mouseClick(form->btnCalc2, Qt::LeftButton);
    EXPECT_EQ(Status(), "5 plates, 3 share a code, 1 repeat");
    const int last = RowOf(grid, triple[2]);
    EXPECT_EQ(CodeCellHint(grid, last), "Shares the code " + Q(Code26(triple[0])) + " with " + Q(triple[0]) + ", " + Q(triple[1]));
}

TEST_F(CollisionViewTest, OnlyPlatesThatShareACodeHidesTheOthersUntilUnchecked)
{
    const auto pair = FindColliding26(1, 2)[0];
    for (const std::string& plate : {pair[0], std::string("X1"), pair[1], std::string("Y2")})
        TypePlate(plate);
    TzelGrid* grid = form->SG1;
    const QString item = "Only plates that share a code";
    ChooseFromMenuBar(form->mnuView, item);
    QAction* check = form->Collisions->OnlySharedItem();
    EXPECT_TRUE(check->isChecked());
    auto shown = [&](TzelGrid* g) {
        QStringList plates;
        for (int r = 1; r < g->RowCount(); ++r)
            if (g->RowHeights(r) > 0)
                plates << g->Cells(0, r);
        return plates;
    };
    EXPECT_EQ(shown(grid), (QStringList{Q(pair[0]), Q(pair[1])}));
    EXPECT_EQ(shown(form->SG2).size(), 4); // only the active grid

    // A plate calculated meanwhile is hidden unless it shares a code.
    TypePlate("Z3");
    EXPECT_EQ(shown(grid), (QStringList{Q(pair[0]), Q(pair[1])}));

    // Saving with rows hidden writes every row, as after a query.
    const QString name = dir.filePath("result.txt");
    dialogs.fileAnswers.push_back(name);
    QTest::keyClick(form->EditPlate, Qt::Key_S, Qt::ControlModifier);
    QFile saved(name);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_EQ(saved.readAll().count("\r\n"), 6);

    // The other tab has its own state; back on this one the item is checked.
    QTabBar* tabs = form->PageControl1->tabBar();
    QTest::mouseClick(tabs, Qt::LeftButton, Qt::NoModifier, tabs->tabRect(1).center());
    EXPECT_FALSE(check->isChecked());
    QTest::mouseClick(tabs, Qt::LeftButton, Qt::NoModifier, tabs->tabRect(0).center());
    EXPECT_TRUE(check->isChecked());

    ChooseFromMenuBar(form->mnuView, item);
    EXPECT_FALSE(check->isChecked());
    EXPECT_EQ(shown(grid).size(), 5);
}

TEST_F(CollisionViewTest, FileNewLeavesNoRowHidden)
{
    // A query hides row 1, then File > New: the plates computed next all show.
    TzelGrid* grid = form->SG1;
    TypePlate("AB1");
    TypePlate("HH1");
    QTimer::singleShot(0, [&] {
        if (auto* query = qobject_cast<TzelGridQueryF*>(QApplication::activeModalWidget())) {
            QTest::keyClicks(query->QMemo, R"([Number plate] contains "HH")");
            QTest::mouseClick(query->btnApply, Qt::LeftButton);
            QTest::mouseClick(query->btnClose, Qt::LeftButton);
        }
    });
    grid->setFocus();
    QTest::keyClick(grid, Qt::Key_Q, Qt::ControlModifier);
    form->activateWindow();
    (void)QTest::qWaitForWindowActive(form.get());
    EXPECT_LE(grid->RowHeights(1), 0);
    EXPECT_EQ(Status(), "2 plates, 1 shown, 0 share a code, 0 repeats");
    QTest::keyClick(grid, Qt::Key_N, Qt::ControlModifier);
    form->EditPlate->setFocus();
    TypePlate("CD2");
    TypePlate("EF3");
    for (TzelGrid* g : {form->SG1, form->SG2}) {
        EXPECT_EQ(g->Cells(0, 1), "CD2");
        EXPECT_GT(g->RowHeights(1), 0);
        EXPECT_GT(g->RowHeights(2), 0);
    }
    EXPECT_EQ(Status(), "2 plates, 0 share a code, 0 repeats");

    // "Only plates that share a code" left on: File > New turns it off, so a new
    // plate that shares nothing shows.
    const auto pair = FindColliding26(1, 2)[0];
    TypePlate(pair[0]);
    TypePlate(pair[1]);
    ChooseFromMenuBar(form->mnuView, "Only plates that share a code");
    EXPECT_EQ(Status(), "4 plates, 2 shown, 2 share a code, 0 repeats");
    QTest::keyClick(grid, Qt::Key_N, Qt::ControlModifier);
    EXPECT_FALSE(form->Collisions->OnlySharedItem()->isChecked());
    form->EditPlate->setFocus();
    TypePlate("GH4");
    EXPECT_GT(grid->RowHeights(1), 0);
    EXPECT_EQ(Status(), "1 plate, 0 share a code, 0 repeats");
}

TEST_F(CollisionViewTest, StatusBarCountsTheShownRowsWhileRowsAreHidden)
{
    const auto pair = FindColliding26(1, 2)[0];
    for (const std::string& plate : {pair[0], std::string("X1"), pair[1], std::string("Y2"), std::string("X1")})
        TypePlate(plate);
    EXPECT_EQ(Status(), "5 plates, 2 share a code, 1 repeat");
    ChooseFromMenuBar(form->mnuView, "Only plates that share a code");
    EXPECT_EQ(Status(), "5 plates, 2 shown, 2 share a code, 1 repeat");
    // The other tab hides nothing.
    QTabBar* tabs = form->PageControl1->tabBar();
    QTest::mouseClick(tabs, Qt::LeftButton, Qt::NoModifier, tabs->tabRect(1).center());
    EXPECT_EQ(Status(), "5 plates, 0 share a code, 1 repeat");
    QTest::mouseClick(tabs, Qt::LeftButton, Qt::NoModifier, tabs->tabRect(0).center());
    ChooseFromMenuBar(form->mnuView, "Only plates that share a code");
    EXPECT_EQ(Status(), "5 plates, 2 share a code, 1 repeat");
}

TEST_F(CollisionViewTest, PlateCellCarriesTheMarkWhileTheCodeColumnIsHidden)
{
    const auto pair = FindColliding26(1, 2)[0];
    for (const std::string& plate : {pair[0], std::string("X1"), pair[1]})
        TypePlate(plate);
    TzelGrid* grid = form->SG1;
    EXPECT_NE(CodeCellColour(grid, 1, 0), kWarning) << "the code cell carries it while shown";
    EXPECT_EQ(CodeCellHint(grid, 1, 0), "");

    // View > Columns > "Wiegand 26-bit (hex)" hides the code column.
    QMenu* columns = form->mnuView1;
    QAction* code = columns->actions().at(1);
    ASSERT_EQ(code->text(), "Wiegand 26-bit (hex)");
    QTest::mouseClick(form->menuBar(), Qt::LeftButton, Qt::NoModifier,
                      form->menuBar()->actionGeometry(form->mnuView->menuAction()).center());
    ASSERT_TRUE(QTest::qWaitFor([&] { return form->mnuView->isVisible(); }));
    QTest::mouseClick(form->mnuView, Qt::LeftButton, Qt::NoModifier, form->mnuView->actionGeometry(columns->menuAction()).center());
    ASSERT_TRUE(QTest::qWaitFor([&] { return columns->isVisible(); }));
    QTest::mouseClick(columns, Qt::LeftButton, Qt::NoModifier, columns->actionGeometry(code).center());
    form->activateWindow();
    (void)QTest::qWaitForWindowActive(form.get());
    ASSERT_LE(grid->ColWidths(1), 0);

    grid->SetSelection(TGridRect{2, 2, 2, 2}); // the calculation left row 3 selected
    EXPECT_EQ(CodeCellColour(grid, 1, 0), kWarning);
    EXPECT_NE(CodeCellColour(grid, 2, 0), kWarning);
    EXPECT_EQ(CodeCellColour(grid, 3, 0), kWarning);
    EXPECT_EQ(CodeCellHint(grid, 1, 0), "Shares the code " + Q(Code26(pair[0])) + " with " + Q(pair[1]));
    EXPECT_EQ(CodeCellHint(grid, 2, 0), "");
    // A screenshot of the window with the hint of row 3 where it shows.
    CodeCellHint(grid, 3, 0);
    QImage picture = form->grab().toImage();
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (top->objectName() == "qtooltip_label" && top->isVisible()) {
            QPainter painter(&picture);
            painter.drawPixmap(top->pos() - form->geometry().topLeft(), top->grab());
        }
    }
    EXPECT_TRUE(picture.save(QDir::temp().filePath("corvana-collisions-plate-mark.png")));
    // A selected plate cell keeps the selection's colours.
    grid->SetSelection(TGridRect{0, 3, 0, 3});
    EXPECT_NE(CodeCellColour(grid, 3, 0), kWarning);
}
