#pragma once
// The results grid of the main window: a TzelGrid that takes computed result rows
// in batches, so that a plate list of a million lines costs one size change per
// batch instead of one per row.

#include "zelGrid.h"

#include <cstddef>

class TResultsGrid : public TzelGrid {
    Q_OBJECT
public:
    using TzelGrid::TzelGrid;

    // Puts each row into the last row when its first cell is empty, otherwise into
    // a new row appended below, and selects column 0 of the last row written. Cell
    // indexes from ColCount on are left out.
    template <class Row>
    void PutRows(const Row* rows, std::size_t count)
    {
        if (count == 0)
            return;
        const int last = RowCount() - 1;
        const bool fillLast = CellText(0, last).empty();
        const int first = fillLast ? last : last + 1;
        SetRowCount(first + int(count));
        const int cols = std::min<int>(ColCount(), int(Row::size()));
        for (std::size_t k = 0; k < count; ++k) {
            const int row = first + int(k);
            for (int c = 0; c < cols; ++c) {
                const std::string_view text = rows[k][std::size_t(c)];
                if (row == last)
                    SetCells(c, row, QString::fromUtf8(text.data(), qsizetype(text.size())));
                else // a fresh row: nothing to tell about texts that change
                    CellStore().At(c, row).Assign(text);
            }
        }
        Invalidate();
        const int end = first + int(count) - 1;
        SetSelection(TGridRect{0, end, 0, end});
    }
};
