// Printed and previewed pages looked at dot by dot: cell borders that meet on one
// line, text inside its cell, the first band's columns, and a preview that breaks
// pages at the rows the printer does.
#include "QtTestSupport.h"
#include "RecordingPrinter.h"
#include "zelGrid.h"

#include <QFontMetrics>
#include <QPainter>
#include <gtest/gtest.h>

#include <set>

namespace {

bool Dark(const QImage& image, int x, int y)
{
    return qGray(image.pixel(x, y)) < 128;
}

// The columns (or rows) of the dark pixels along one row (column) of the image.
std::vector<int> DarkAlongRow(const QImage& image, int y, int fromX, int toX)
{
    std::vector<int> xs;
    for (int x = fromX; x < toX; ++x)
        if (Dark(image, x, y))
            xs.push_back(x);
    return xs;
}

std::vector<int> DarkAlongColumn(const QImage& image, int x, int fromY, int toY)
{
    std::vector<int> ys;
    for (int y = fromY; y < toY; ++y)
        if (Dark(image, x, y))
            ys.push_back(y);
    return ys;
}

// A grid without title or footer, every cell empty, so that only what a test
// writes leaves ink.
void PlainGrid(TzelGrid& grid, int cols, int rows, int fixedCols)
{
    grid.SetColCount(cols);
    grid.SetRowCount(rows);
    grid.SetFixedCols(fixedCols);
    grid.SetDefaultRowHeight(20);
    grid.PrintOptions().SetPageFooter("");
}

} // namespace

TEST(GridPrintPage, BordersOfNeighbouringCellsShareOneLine)
{
    TScopedRecordingPrinter printer; // 96 dpi: one dot a screen pixel
    TzelGrid grid;
    PlainGrid(grid, 3, 3, 1);
    grid.PrintOptions().SetBorderStyle(TPrintBorderStyle::bsSingle);
    grid.PrintGrid();
    ASSERT_EQ(printer.Pages().size(), 1);
    const QImage page = printer.Pages().first();
    // Columns 1 and 2, 64 wide, start at 0 and 65: their borders are the lines
    // 0, 65 and 130, each one dot wide.
    const std::vector<int> horizontalLines = DarkAlongColumn(page, 30, 0, 200);
    ASSERT_EQ(horizontalLines.size(), 4u); // above, between and below rows 0 to 2
    const int top = horizontalLines.front();
    EXPECT_EQ(horizontalLines, (std::vector<int>{top, top + 20, top + 40, top + 60}));
    for (int y : {top + 10, top + 30, top + 50})
        EXPECT_EQ(DarkAlongRow(page, y, 0, 300), (std::vector<int>{0, 65, 130})) << "y " << y;
}

TEST(GridPrintPage, RightAlignedNumbersEndAtTheCellsRightEdge)
{
    TScopedRecordingPrinter printer;
    TzelGrid grid;
    PlainGrid(grid, 3, 2, 1);
    grid.SetNumbersalRight(true);
    grid.SetNumberFormat("%.0f");
    grid.SetCells(1, 1, "8");
    grid.SetCells(2, 1, "word");
    grid.PrintGrid();
    const QImage page = printer.Pages().first();

    // The page as the layout means it: the row's cells are [0, 64) and [65, 129)
    // under a header row of 20; the number right-aligned in its cell, the word at
    // the left of its own.
    QImage expected(page.size(), QImage::Format_RGB32);
    expected.fill(Qt::white);
    {
        QPainter painter(&expected);
        QFont font = grid.Font();
        font.setPixelSize(11); // 8 points at 96 dpi
        const int top = QFontMetrics([&] {
                            QFont header = font;
                            header.setPixelSize(13); // the title block: 10 points
                            return header;
                        }())
                            .height() +
                        20;
        painter.setFont(font);
        painter.setPen(Qt::black);
        painter.drawText(QRect(0, top, 64, 20), Qt::AlignRight | Qt::AlignVCenter | Qt::TextSingleLine, "8");
        painter.drawText(QRect(65, top, 64, 20), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, "word");
    }
    EXPECT_EQ(page.convertToFormat(QImage::Format_RGB32), expected);
}

TEST(GridPrintPage, TheFirstBandStartsAtColumnOneUnlessNoColumnIsFixed)
{
    TScopedRecordingPrinter printer;
    for (int fixed : {0, 1, 2}) {
        TzelGrid grid;
        PlainGrid(grid, 4, 2, fixed);
        for (int c = 0; c < 4; ++c)
            grid.SetColWidths(c, 40 + 10 * c);
        grid.SetCells(1, 1, "MMMM"); // only column 1 has text
        grid.PrintGrid();
        const QImage page = printer.Pages().first();
        // Column 1 (50 wide) stands at the left margin, or after column 0 (40
        // wide) in the results grids, which fix no column.
        const QRect column1 = fixed == 0 ? QRect(41, 0, 50, page.height()) : QRect(0, 0, 50, page.height());
        EXPECT_TRUE(HasInk(page, column1)) << "FixedCols " << fixed;
        EXPECT_FALSE(HasInk(page, QRect(column1.right() + 1, 0, page.width(), page.height()))) << "FixedCols " << fixed;
        EXPECT_FALSE(HasInk(page, QRect(0, 0, column1.left(), page.height()))) << "FixedCols " << fixed;
    }
}

// At 600 dpi (A4: 4961 x 7016 dots), and on a printer coarser than the screen,
// the preview is the page at 96 pixels an inch and shows on each page exactly the
// rows the printer prints there.
TEST(GridPrintPage, PreviewBreaksPagesAtThePrintersRows)
{
    for (int dpi : {600, 72}) {
        const QSize paper = TRecordingPrinter::PaperDots(QPageSize(QPageSize::A4), dpi, dpi);
        TScopedRecordingPrinter printer(paper, dpi, dpi, 96);
        TzelGrid grid;
        PlainGrid(grid, 2, 130, 1);
        QImage preview;
        grid.RenderPreviewPage(&preview);
        EXPECT_EQ(preview.size(), QSize(qRound(paper.width() * 96.0 / dpi), qRound(paper.height() * 96.0 / dpi)))
            << dpi << " dpi";
        const int pages = grid.PageCount();
        ASSERT_GE(pages, 2);
        // One row at a time carries text; the page that shows it must be the same.
        const QRect column1(0, 0, 64, 1123);
        for (int row = 46; row <= 58; ++row) {
            grid.SetCells(1, row, "X");
            grid.PrintGrid();
            ASSERT_EQ(printer.Pages().size(), pages);
            int printedOn = 0, previewedOn = 0;
            for (int p = 1; p <= pages; ++p) {
                if (HasInk(printer.Pages()[p - 1], column1))
                    printedOn = p;
                grid.PrintOptions().SetPreviewPage(unsigned(p));
                grid.RenderPreviewPage(&preview);
                if (HasInk(preview, column1))
                    previewedOn = p;
            }
            EXPECT_NE(printedOn, 0);
            EXPECT_EQ(previewedOn, printedOn) << dpi << " dpi, row " << row;
            grid.SetCells(1, row, "");
        }
        // Page 2 of the preview beside page 2 of the printout, every row named,
        // for looking at.
        for (int row = 1; row < grid.RowCount(); ++row)
            grid.SetCells(1, row, QStringLiteral("row %1").arg(row));
        grid.PrintGrid();
        grid.PrintOptions().SetPreviewPage(2);
        grid.RenderPreviewPage(&preview);
        const QImage printed = printer.Pages().at(1);
        QImage both(preview.width() + printed.width() + 8, std::max(preview.height(), printed.height()),
                    QImage::Format_RGB32);
        both.fill(Qt::gray);
        QPainter painter(&both);
        painter.drawImage(0, 0, preview);
        painter.drawImage(preview.width() + 8, 0, printed);
        painter.end();
        both.copy(0, 0, both.width(), 200).save(QStringLiteral("/tmp/corvana-preview-vs-print-%1dpi.png").arg(dpi));
    }
}

TEST(GridPrintPage, TextStandsAtTheSameDistanceFromItsBorderInEveryColumn)
{
    TScopedRecordingPrinter printer;
    TzelGrid grid;
    PlainGrid(grid, 4, 3, 1);
    grid.PrintOptions().SetBorderStyle(TPrintBorderStyle::bsSingle);
    for (int c = 1; c < 4; ++c)
        grid.SetCells(c, 1, QStringLiteral("r1c%1").arg(c));
    grid.PrintGrid();
    ASSERT_EQ(printer.Pages().size(), 1);
    const QImage page = printer.Pages().first();
    const std::vector<int> lines = DarkAlongColumn(page, 30, 0, 200);
    ASSERT_GE(lines.size(), 3u);
    // In row 1, the first ink right of each column's border: the same offset in
    // every column, so no border covers the start of a text.
    std::vector<int> offsets;
    for (int border : {0, 65, 130}) {
        int first = -1;
        for (int x = border + 1; x < border + 30 && first < 0; ++x)
            for (int y = lines[1] + 1; y < lines[2] && first < 0; ++y)
                if (Dark(page, x, y))
                    first = x - border;
        offsets.push_back(first);
    }
    EXPECT_EQ(offsets, (std::vector<int>{offsets[0], offsets[0], offsets[0]}));
    // Zoomed in, for looking at.
    page.copy(0, 0, 200, lines[2] + 2).scaled(800, (lines[2] + 2) * 4).save("/tmp/corvana-printed-zoom.png");
}
