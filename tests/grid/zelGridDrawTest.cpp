#include "zelGrid.h"

#include "Dialogs.h"

#include <QApplication>
#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>
#include <QTest>
#include <gtest/gtest.h>
#include <map>
#include <tuple>

namespace {

// A shown results-like grid of the given texts, values computed, no focus rectangle.
void Show(TzelGrid& grid, const std::vector<QStringList>& cells, int fixedCols = 0)
{
    grid.SetAutoCalculate(false);
    grid.SetColCount(int(cells.front().size()));
    grid.SetRowCount(int(cells.size()));
    grid.SetFixedCols(fixedCols);
    grid.SetDefaultRowHeight(20);
    grid.SetSortIndex(-1);
    for (int r = 0; r < int(cells.size()); ++r)
        grid.Rows(r).Assign(cells[r]);
    grid.resize(560, 220);
    grid.setFocusPolicy(Qt::NoFocus);
    grid.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&grid));
}

QImage Grab(TzelGrid& grid)
{
    return grid.viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

QImage CellImage(TzelGrid& grid, int col, int row)
{
    return Grab(grid).copy(grid.CellRect(col, row));
}

QColor Pixel(TzelGrid& grid, int col, int row, QPoint offset = QPoint(1, 1))
{
    return Grab(grid).pixelColor(grid.CellRect(col, row).topLeft() + offset);
}

constexpr unsigned AtMargins = ~0u;

// A cell of `size` as it should look: filled with `brush`, `text` drawn in `color`
// by the DrawText `flags`, or at the text margins (5, 5) with AtMargins.
QImage Expected(TzelGrid& grid, QSize size, TColor brush, TColor color, const QString& text, unsigned flags,
                bool underline = false)
{
    QImage image(size, QImage::Format_RGB32);
    QPainter painter(&image);
    TCanvas canvas;
    canvas.Attach(&painter);
    QFont font = grid.Font();
    font.setUnderline(underline);
    canvas.SetFont(font);
    canvas.SetBrushColor(brush);
    canvas.SetFontColor(color);
    QRect rect(QPoint(0, 0), size);
    canvas.FillRect(rect);
    if (flags == AtMargins)
        canvas.TextRect(rect, 5, 5, text);
    else
        canvas.DrawText(text, rect, flags);
    canvas.Detach();
    return image;
}

constexpr unsigned RightOneLine = DT_SINGLELINE | DT_VCENTER | DT_RIGHT | DT_NOPREFIX;
constexpr TColor Red = 255;
constexpr TColor Blue = 16711680;

} // namespace

// A results grid with everything the cells can show, saved for a look at
// /tmp/zelgrid-cells.png: bands, a selection, right-aligned numbers, formula
// values in red, links, a wrapped text and A1 labels.
TEST(zelGridPicture, CellsWithEverythingOn)
{
    TScopedRecordingDialogs dialogs;
    TzelGrid grid;
    Show(grid, {{"Plate", "Amount", "Twice", "Link", "Note"},
                {"HK55EVB", "12.5", "=B1*2", "http://example.com", "a note long enough to wrap in its cell"},
                {"B123XYZ", "7", "=B2*2", "mailto:desk@example.com", "short"},
                {"KÖLN1", "abc", "=sumcol", "https://secure.example", "-"},
                {"ZZ9", "-3.25", "=1/0", "HTTP://UPPER.example", "1e3"},
                {"total", "=sumcol", "=avgcol", "", ""}});
    grid.SetColWidths(3, 150);
    grid.SetColWidths(4, 110);
    grid.SetRowHeights(1, 34);
    grid.SetOptions(grid.Options() | goDrawFocusSelected);
    grid.SetBandsShow(true);
    grid.SetNumbersalRight(true);
    grid.SetHighlightURL(true);
    grid.SetWordWrap(true);
    grid.SetCellRefStyle(rsA1);
    grid.SetShowValues(true);
    grid.SetSelection(TGridRect{0, 4, 1, 4});
    ASSERT_TRUE(dialogs.messages.empty());
    ASSERT_TRUE(Grab(grid).save("/tmp/zelgrid-cells.png"));
}

// Row headers with row/column labels, saved for a look at /tmp/zelgrid-rowcol.png.
TEST(zelGridPicture, RowHeadersWithRowColLabels)
{
    TzelGrid grid;
    Show(grid, {{"", "Plate", "Code", "Value"},
                {"first", "HK55EVB", "0x3019E2A", "8441621"},
                {"second", "B123XYZ", "0x0704FF8", "5592405"},
                {"third", "ZZ9", "0x0000001", "1"}},
         1);
    grid.SetCellRefStyle(rsRowCol);
    grid.SetColWidths(0, 80);
    ASSERT_TRUE(Grab(grid).save("/tmp/zelgrid-rowcol.png"));
}

// The header row with the ascending arrow above the descending one, four times
// enlarged, saved for a look at /tmp/zelgrid-arrows.png.
TEST(zelGridPicture, SortArrowsBothWays)
{
    TzelGrid grid;
    Show(grid, {{"Plate", "Code", "Value"}, {"HK55EVB", "0x3019E2A", "8441621"}});
    grid.SetSortIndex(1);
    const QRect header = grid.CellRect(0, 0).united(grid.CellRect(2, 0)).adjusted(0, 0, 1, 1);
    const QImage up = Grab(grid).copy(header);
    grid.SetSortDirection(Descending);
    const QImage down = Grab(grid).copy(header);
    QImage both(header.width(), header.height() * 2, QImage::Format_RGB32);
    QPainter painter(&both);
    painter.drawImage(0, 0, up);
    painter.drawImage(0, header.height(), down);
    painter.end();
    ASSERT_TRUE(both.scaled(both.size() * 4).save("/tmp/zelgrid-arrows.png"));
}

TEST(zelGridCells, BandsAndSelection)
{
    TzelGrid grid;
    Show(grid, {{"h", "h"}, {"", ""}, {"", ""}, {"", ""}, {"", ""}, {"", ""}, {"", ""}});
    grid.SetOptions(grid.Options() | goDrawFocusSelected);
    grid.SetSelection(TGridRect{1, 4, 1, 4});
    grid.SetColor(clWhite);
    const QColor band = ToQColor(16777184);
    const QColor plain = ToQColor(clWhite);
    grid.SetBandsShow(true);
    for (int r = 1; r <= 6; ++r)
        EXPECT_EQ(Pixel(grid, 0, r), r % 2 == 0 ? band : plain) << r;
    EXPECT_EQ(Pixel(grid, 0, 0), ToQColor(grid.FixedColor())); // the header is never banded
    EXPECT_EQ(Pixel(grid, 1, 4), ToQColor(clHighlight));         // selected wins over the band
    grid.SetHideSelected(true);
    EXPECT_EQ(Pixel(grid, 1, 4), band);
    grid.SetHideSelected(false);

    grid.SetBandsInterval(3);
    grid.SetBandsColor(clYellow);
    for (int r = 1; r <= 6; ++r)
        EXPECT_EQ(Pixel(grid, 0, r), r % 3 == 0 ? ToQColor(clYellow) : plain) << r;
    // A period of 0 or less bands nothing.
    for (int interval : {0, -2}) {
        grid.SetBandsInterval(interval);
        for (int r = 1; r <= 6; ++r)
            EXPECT_EQ(Pixel(grid, 0, r), plain) << interval << " " << r;
    }
    grid.SetBandsShow(false);
    grid.SetBandsInterval(2);
    EXPECT_EQ(Pixel(grid, 0, 2), plain);
}

TEST(zelGridCells, FormulaValuesNumbersAndLinks)
{
    TScopedRecordingDialogs dialogs;
    TzelGrid grid;
    Show(grid, {{"h", "h", "h"},
                {"2", "=A1+1", "abc"},
                {"7", "HTTP://x.example", "MailTo:a@b"},
                {"https://x.example", "=A1/4", "1,5"}});
    grid.SetColor(clWhite);
    const QSize size = grid.CellRect(0, 1).size();
    auto expectCell = [&](int col, int row, TColor color, const QString& text, unsigned flags, bool underline = false) {
        EXPECT_EQ(CellImage(grid, col, row), Expected(grid, size, clWhite, color, text, flags, underline))
            << col << "," << row << " " << text.toStdString();
    };
    // Everything off: the texts as they are, at the margins, in black.
    expectCell(1, 1, clBlack, "=A1+1", AtMargins);
    expectCell(0, 2, clBlack, "7", AtMargins);
    expectCell(1, 2, clBlack, "HTTP://x.example", AtMargins);

    grid.SetShowValues(true);
    expectCell(1, 1, Red, "3.00", AtMargins);
    expectCell(1, 3, Red, "0.50", AtMargins);
    grid.SetNumbersalRight(true);
    expectCell(1, 1, Red, "3.00", RightOneLine);
    expectCell(0, 2, clBlack, "7.00", RightOneLine);
    expectCell(2, 1, clBlack, "abc", AtMargins);
    expectCell(2, 3, clBlack, "1,5", AtMargins); // not a number with "." as the separator
    grid.SetNumberFormat("%.3f");
    expectCell(0, 1, clBlack, "2.000", RightOneLine);
    // A format that cannot take one float shows the general format.
    grid.SetNumberFormat("%d");
    expectCell(1, 3, Red, "0.5", RightOneLine);
    grid.SetNumberFormat("%.2f %s");
    expectCell(0, 2, clBlack, "7", RightOneLine);
    grid.SetNumberFormat("%.2f");

    grid.SetHighlightURL(true);
    expectCell(1, 2, Blue, "HTTP://x.example", AtMargins, true);
    expectCell(2, 2, Blue, "MailTo:a@b", AtMargins, true);
    expectCell(0, 3, clBlack, "https://x.example", AtMargins); // its fifth character is no colon
    grid.SetShowValues(false);
    expectCell(1, 1, clBlack, "=A1+1", AtMargins);

    // Word wrap: the whole rectangle, vertically centred.
    grid.SetRowHeights(3, 40);
    grid.SetCells(0, 3, "http://a.example two words");
    grid.SetWordWrap(true);
    const QSize tall = grid.CellRect(0, 3).size();
    EXPECT_EQ(CellImage(grid, 0, 3), Expected(grid, tall, clWhite, Blue, "http://a.example two words",
                                              DT_WORDBREAK | DT_VCENTER | DT_NOPREFIX, true));
    grid.SetCells(0, 3, "12");
    EXPECT_EQ(CellImage(grid, 0, 3),
              Expected(grid, tall, clWhite, clBlack, "12.00", DT_WORDBREAK | DT_VCENTER | DT_RIGHT | DT_NOPREFIX));
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST(zelGridCells, SortArrowAndReferenceLabels)
{
    TzelGrid grid;
    Show(grid, {{"", "", ""}, {"", "", ""}});
    grid.SetFixedColor(clBlack); // white and grey both stand out
    const QColor white = ToQColor(16777215), grey = ToQColor(8421504), face = ToQColor(clBlack);
    const QRect rect = grid.CellRect(1, 0);
    const int x = rect.left() + rect.width() - 5 - 5;
    const int y = (rect.top() + rect.top() + rect.height()) / 2;
    auto at = [&](int dx, int dy) { return Grab(grid).pixelColor(x + dx, y + dy); };

    grid.SetSortIndex(1);
    EXPECT_EQ(at(1, -3), white);
    EXPECT_EQ(at(4, 3), white);
    EXPECT_EQ(at(-2, 3), white);
    EXPECT_EQ(at(-3, 3), face); // lines end one pixel short
    EXPECT_EQ(at(0, -3), grey);
    EXPECT_EQ(at(0, 0), face);

    grid.SetSortDirection(Descending);
    EXPECT_EQ(at(1, 3), white);
    EXPECT_EQ(at(0, 3), grey);
    EXPECT_EQ(at(-3, -3), grey);
    EXPECT_EQ(at(3, -3), grey);
    EXPECT_EQ(at(4, -3), face);
    EXPECT_EQ(at(0, 0), face);

    const QImage withoutArrow = Expected(grid, rect.size(), clBlack, clBlack, "", AtMargins);
    EXPECT_NE(CellImage(grid, 1, 0), withoutArrow);
    grid.SetHowToSort(stColumn);
    EXPECT_EQ(CellImage(grid, 1, 0), withoutArrow);
    grid.SetHowToSort(stRow);
    grid.SetSortIndex(-1);
    EXPECT_EQ(CellImage(grid, 1, 0), withoutArrow);

    // A1 labels at the right of the header cells, narrowed by the text margin.
    grid.SetFixedColor(clWhite);
    grid.SetColor(clWhite);
    auto headerWith = [&](const QString& label) {
        QImage image = Expected(grid, rect.size(), clWhite, clBlack, "", AtMargins);
        QPainter painter(&image);
        TCanvas canvas;
        canvas.Attach(&painter);
        canvas.SetFont(grid.Font());
        canvas.SetFontColor(clBlack);
        QRect narrowed(QPoint(0, 0), rect.size());
        narrowed.setRight(narrowed.right() - 5);
        canvas.DrawText(label, narrowed, RightOneLine);
        return image;
    };
    grid.SetCellRefStyle(rsA1);
    EXPECT_EQ(CellImage(grid, 0, 0), headerWith("A"));
    EXPECT_EQ(CellImage(grid, 1, 0), headerWith("B"));
    grid.SetCellRefStyle(rsRowCol);
    EXPECT_EQ(CellImage(grid, 0, 0), headerWith("0"));
    EXPECT_EQ(CellImage(grid, 2, 0), headerWith("2"));
}

TEST(zelGridCells, OnDrawCellGetsTheNarrowedRectangle)
{
    TzelGrid grid;
    Show(grid, {{"", "", ""}, {"", "", ""}}, 1);
    std::map<std::pair<int, int>, QRect> seen;
    grid.OnDrawCell = [&](QObject* sender, int col, int row, const QRect& rect, TGridDrawState) {
        EXPECT_EQ(sender, &grid);
        seen[{col, row}] = rect;
    };
    grid.Repaint();
    EXPECT_EQ(seen.at({1, 0}), grid.CellRect(1, 0).adjusted(0, 0, -5, 0)); // header: always
    EXPECT_EQ(seen.at({0, 1}), grid.CellRect(0, 1));                        // row header: only with labels
    EXPECT_EQ(seen.at({1, 1}), grid.CellRect(1, 1));
    EXPECT_EQ(seen.at({0, 0}), grid.CellRect(0, 0));
    grid.SetCellRefStyle(rsA1);
    grid.Repaint();
    EXPECT_EQ(seen.at({0, 1}), grid.CellRect(0, 1).adjusted(0, 0, -2, 0));
    EXPECT_EQ(seen.at({1, 1}), grid.CellRect(1, 1));
}

TEST(zelGridCells, HintsShowNamesAndFormulas)
{
    TzelGrid other;
    TzelGrid grid; // constructed last: it holds the application's hint hook
    Show(grid, {{"", "", ""}, {"5", "=A1*2", "x"}});
    grid.CellNames() << "total=B1"
                     << "first=A1";
    auto hint = [&](QWidget* control, int col, int row, bool& canShow) {
        THintInfo info;
        info.HintControl = control;
        info.CursorPos = grid.CellRect(col, row).center();
        QString text = "own";
        canShow = RunApplicationHintHook(text, info);
        return std::tuple{text, info.HintColor, info.CursorRect};
    };
    bool canShow = false;
    EXPECT_EQ(hint(&grid, 1, 1, canShow), (std::tuple{QString("total\r\n=A1*2"), TColor(55807), grid.CellRect(1, 1)}));
    EXPECT_TRUE(canShow);
    EXPECT_EQ(hint(&grid, 0, 1, canShow), (std::tuple{QString("first"), TColor(55807), grid.CellRect(0, 1)}));
    EXPECT_TRUE(canShow);
    grid.CellNames().clear();
    EXPECT_EQ(hint(&grid, 1, 1, canShow), (std::tuple{QString("=A1*2"), clInfoBk, grid.CellRect(1, 1)}));
    EXPECT_TRUE(canShow);
    // Cells without a name or formula show nothing.
    std::get<0>(hint(&grid, 2, 1, canShow));
    EXPECT_FALSE(canShow);
    // Other controls keep their own hints, the other grid too.
    EXPECT_EQ(std::get<0>(hint(&other, 1, 1, canShow)), "own");
    EXPECT_TRUE(canShow);
    // A tooltip event over the cell reaches the hook through the application.
    QHelpEvent event(QEvent::ToolTip, grid.CellRect(1, 1).center(), grid.viewport()->mapToGlobal(grid.CellRect(1, 1).center()));
    QApplication::sendEvent(grid.viewport(), &event);
    EXPECT_EQ(QToolTip::text(), "=A1*2");
    // With a name the hint has two lines on the gold background; saved for a look
    // at /tmp/zelgrid-hint.png.
    grid.CellNames() << "total=B1";
    QApplication::sendEvent(grid.viewport(), &event);
    EXPECT_EQ(QToolTip::text(), "total\r\n=A1*2");
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->inherits("QTipLabel") && widget->isVisible()) {
            EXPECT_TRUE(widget->grab().save("/tmp/zelgrid-hint.png"));
        }
    }
    QToolTip::hideText();
}

// Every pixel around the sort arrow, against the arrow's lines drawn pixel by
// pixel: a line leaves out only its end point, and its slanted steps fall on the
// pixels nearest the exact line, ties going to the smaller coordinate.
TEST(zelGridCells, SortArrowPixelByPixel)
{
    TzelGrid grid;
    Show(grid, {{"", "", ""}, {"", "", ""}});
    grid.SetFixedColor(clBlack);
    const QRect rect = grid.CellRect(1, 0);
    const int x = rect.left() + rect.width() - 5 - 5;
    const int y = (rect.top() + rect.top() + rect.height()) / 2;
    // Rows dy = -4 .. 4, columns dx = -4 .. 5: W white, G grey, . background.
    auto check = [&](const char* const (&expected)[9]) {
        const QImage image = Grab(grid);
        for (int dy = -4; dy <= 4; ++dy) {
            std::string row;
            for (int dx = -4; dx <= 5; ++dx) {
                const QColor c = image.pixelColor(x + dx, y + dy);
                row += c == ToQColor(16777215) ? 'W' : c == ToQColor(8421504) ? 'G' : c == Qt::black ? '.' : '?';
            }
            EXPECT_EQ(row, expected[dy + 4]) << "dy " << dy;
        }
    };
    grid.SetSortIndex(1);
    check({"..........",
           "....GW....",
           "...G.W....",
           "...G..W...",
           "..G...W...",
           "..G....W..",
           ".G.....W..",
           "..WWWWWWW.",
           ".........."});
    grid.SetSortDirection(Descending);
    check({"..........",
           ".GGGGGGG..",
           ".G.....W..",
           "..G....W..",
           "..G...W...",
           "...G..W...",
           "...G.W....",
           "....GW....",
           ".........."});
}
