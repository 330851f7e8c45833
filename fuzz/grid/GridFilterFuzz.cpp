// Fuzzes the query filter: the input's first line is the query, the following
// lines fill a small grid (cells separated by "|"). A query that reads must hide
// exactly the rows that fail it; one that does not read must change nothing.
#include "Dialogs.h"
#include "FuzzApplication.h"
#include "GridRowFilter.h"
#include "zelGrid.h"

#include <sanitizer/lsan_interface.h>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzApplication();
    TScopedRecordingDialogs dialogs;
    const QStringList lines = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size)).split(QLatin1Char('\n'));
    if (lines.size() < 2)
        return 0;
    TzelGrid grid;
    grid.SetColCount(4);
    grid.SetRowCount(std::min<int>(int(lines.size()), 12));
    for (int r = 0; r < grid.RowCount() - 1; ++r) {
        const QStringList cells = lines[r + 1].split(QLatin1Char('|'));
        for (int c = 0; c < std::min<int>(int(cells.size()), 4); ++c)
            grid.SetCells(c, r, cells[c]);
    }
    grid.SetRowHeights(1, -1); // one row starts hidden
    std::vector<int> before;
    for (int r = 0; r < grid.RowCount(); ++r)
        before.push_back(grid.RowHeights(r));

    const bool reads = grid.ParseFilter(lines[0], size % 2 == 0);
    if (GridRowFilter().Count > 9)
        std::abort();
    if (reads) {
        // Measuring rows shown again loads fonts whose caches the leak checker
        // cannot see being kept.
        __lsan::ScopedDisabler fontCaches;
        grid.ApplyFilter();
    }
    for (int r = 0; r < grid.RowCount(); ++r) {
        if (!reads || r == 0) {
            if (grid.RowHeights(r) != before[std::size_t(r)])
                std::abort();
            continue;
        }
        const bool passes = GridRowPasses(GridRowFilter(), [&](int c) { return grid.CellText(c, r); });
        if (passes != (grid.RowHeights(r) > 0))
            std::abort();
    }
    return 0;
}
