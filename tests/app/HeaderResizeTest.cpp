// Dragging and double-clicking a header border of a results grid in the main
// window, with the real mouse events: the column is resized or fitted to its
// texts, and the rows are never sorted by it; a click on the header still sorts.

#include "MainWindowHarness.h"

#include <QDir>
#include <QFontMetrics>

namespace {

class HeaderResizeTest : public MainWindowTest {
protected:
    void SetUp() override
    {
        Open();
        for (const char* plate : {"b 22", "a 1", "c 333"})
            TypePlate(plate);
        grid = form->SG1;
    }

    QStringList Plates() const
    {
        QStringList plates;
        for (int r = 1; r < grid->RowCount(); ++r)
            plates << grid->Cells(0, r);
        return plates;
    }

    // A point on the header, `inside` pixels left of the right border of a column.
    QPoint OnBorder(int col, int inside = 1) const
    {
        const QRect header = grid->CellRect(col, 0);
        return QPoint(header.right() + 1 - inside, header.center().y());
    }

    // Presses on the border, moves by `dx` and releases there: the press and the
    // release land in the same header cell, as the column grows with the pointer.
    void DragBorder(int col, int dx)
    {
        QWidget* view = grid->viewport();
        const QPoint from = OnBorder(col);
        QTest::mousePress(view, Qt::LeftButton, Qt::NoModifier, from);
        QTest::mouseMove(view, from + QPoint(dx / 2, 0));
        QTest::mouseMove(view, from + QPoint(dx, 0));
        QTest::mouseRelease(view, Qt::LeftButton, Qt::NoModifier, from + QPoint(dx, 0));
        QApplication::processEvents();
    }

    // A double-click as the platform delivers it: press, release, press, release.
    void DoubleClick(const QPoint& inView)
    {
        QTest::mouseDClick(form->windowHandle(), Qt::LeftButton, Qt::NoModifier,
                           grid->viewport()->mapTo(form.get(), inView));
        QApplication::processEvents();
    }

    TzelGrid* grid = nullptr;
};

} // namespace

TEST_F(HeaderResizeTest, DraggingABorderResizesTheColumnAndSortsNothing)
{
    const QStringList typed = Plates();
    ASSERT_EQ(typed, (QStringList{"B22", "A1", "C333"}));
    const int width = grid->ColWidths(0);
    for (int drag = 1; drag <= 3; ++drag) {
        DragBorder(0, 20);
        EXPECT_EQ(grid->ColWidths(0), width + 20 * drag);
        EXPECT_EQ(Plates(), typed) << "drag " << drag;
        EXPECT_EQ(grid->SortIndex(), -1);
    }
    // Narrowing too, with the release inside the same cell.
    DragBorder(0, -30);
    EXPECT_EQ(grid->ColWidths(0), width + 30);
    EXPECT_EQ(Plates(), typed);

    // A click on the header itself still sorts, then a drag leaves the order as it is.
    ClickHeader(grid, 0);
    EXPECT_EQ(Plates(), (QStringList{"A1", "B22", "C333"}));
    DragBorder(0, 10);
    EXPECT_EQ(Plates(), (QStringList{"A1", "B22", "C333"}));
    EXPECT_EQ(grid->SortIndex(), 0);
    EXPECT_EQ(grid->SortDirection(), Ascending);
}

TEST_F(HeaderResizeTest, DoubleClickingABorderFitsTheColumnToItsWidestText)
{
    const QStringList typed = Plates();
    const QFontMetrics metrics(grid->Font());
    // Wider than its texts: a double-click shrinks it to them; sorting nothing.
    grid->SetColWidths(1, 400);
    DoubleClick(OnBorder(1));
    EXPECT_EQ(Plates(), typed);
    EXPECT_EQ(grid->SortIndex(), -1);
    const int header = metrics.horizontalAdvance(grid->Cells(1, 0));
    EXPECT_GT(grid->ColWidths(1), header + 2 * grid->TextMarginX) << "the header and its sort arrow fit";
    EXPECT_LT(grid->ColWidths(1), header + 40);

    // Narrower than a long plate: the plate column grows until the plate fits.
    TypePlate("wwwwwwwwww");
    grid->SetColWidths(0, 30);
    DoubleClick(OnBorder(0));
    const int plate = metrics.horizontalAdvance(QStringLiteral("WWWWWWWWWW"));
    EXPECT_GE(grid->ColWidths(0), plate + 2 * grid->TextMarginX);
    EXPECT_LE(grid->ColWidths(0), plate + 2 * grid->TextMarginX + 8);
    EXPECT_EQ(Plates(), (QStringList{"B22", "A1", "C333", "WWWWWWWWWW"}));
    EXPECT_EQ(grid->SortIndex(), -1);

    // Rows hidden by a query do not count.
    const int withPlate = grid->ColWidths(0);
    grid->SetRowHeights(4, -1);
    DoubleClick(OnBorder(0));
    EXPECT_LT(grid->ColWidths(0), withPlate);
    EXPECT_GE(grid->ColWidths(0), metrics.horizontalAdvance(grid->Cells(0, 0)) + 2 * grid->TextMarginX);

    // A double-click inside the header is two clicks: ascending, then descending.
    ClickHeader(grid, 0);
    EXPECT_EQ(grid->SortIndex(), 0);
    DoubleClick(grid->CellRect(0, 0).center());
    EXPECT_EQ(grid->SortIndex(), -1) << "descending, then off";

    ClickHeader(grid, 1);
    EXPECT_TRUE(form->grab().save(QDir::temp().filePath("corvana-header-fit.png")));
}
