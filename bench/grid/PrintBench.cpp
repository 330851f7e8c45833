// Timing driver for printing: counting the pages of a large results grid (what the
// preview does on every change), previewing its last page, and writing a
// 200-row grid as PDF. Prints each figure beside its budget; exits non-zero when
// one is missed.
#include "PdfPrinter.h"
#include "Printer.h"
#include "zelGrid.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <cstdio>

namespace {

int failures = 0;

void Report(const char* what, double ms, double budget)
{
    const bool ok = ms <= budget;
    failures += ok ? 0 : 1;
    std::printf("%-52s %9.2f ms (budget %.0f ms) %s\n", what, ms, budget, ok ? "ok" : "MISSED");
}

void Fill(TzelGrid& grid, int rows)
{
    grid.SetColCount(7);
    grid.SetFixedCols(0);
    grid.SetRowCount(rows + 1);
    for (int r = 0; r <= rows; ++r)
        for (int c = 0; c < 7; ++c)
            grid.SetCells(c, r, QStringLiteral("K%1AB-%2").arg(r).arg(c));
}

template <class F>
double BestOf(int runs, F&& f)
{
    double best = 1e300;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer t;
        t.start();
        f();
        best = std::min(best, t.nsecsElapsed() / 1e6);
    }
    return best;
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    TzelGrid big;
    Fill(big, 100000);
    int pages = 0;
    Report("PageCount, 100,000 rows", BestOf(5, [&] { pages = big.PageCount(); }), 50);
    std::printf("  (%d pages)\n", pages);
    QImage bitmap;
    big.PrintOptions().SetPreviewPage(unsigned(pages));
    Report("Preview of the last page, 100,000 rows", BestOf(5, [&] { big.RenderPreviewPage(&bitmap); }), 50);

    TzelGrid grid;
    Fill(grid, 200);
    grid.PrintOptions().SetBorderStyle(TPrintBorderStyle::bsSingle);
    QTemporaryDir dir;
    Report("PDF of 200 rows at 600 dpi", BestOf(3, [&] {
               TPdfPrinter pdf(dir.filePath(QStringLiteral("codes.pdf")));
               grid.PrintRows(pdf, 1, grid.RowCount() - 1);
           }),
           300);
    return failures ? 1 : 0;
}
