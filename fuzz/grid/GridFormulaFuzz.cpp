// Fuzzes Recalculate and the cell painting with arbitrary cell texts and cell
// names: references of every shape, in and outside the grid, aggregates in any
// cell, and number formats a user might type. Nothing may crash or read outside the
// value table, a pass reports at most one syntax error, and a cell without a
// formula keeps the value its text gives.
#include "CellConvert.h"
#include "Dialogs.h"
#include "FuzzApplication.h"
#include "zelGrid.h"

#include <sanitizer/lsan_interface.h>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzApplication();
    if (size < 3)
        return 0;
    static TRecordingDialogs dialogs;
    SetDialogs(&dialogs);
    dialogs.messages.clear();
    const std::uint8_t shape = data[0];
    const std::uint8_t flags = data[1];
    // Lines starting with "#" are cell names (name=reference), the first line
    // starting with "%" is the number format, the rest fill the cells row by row.
    const QList<QByteArray> lines = QByteArray(reinterpret_cast<const char*>(data + 2), qsizetype(size - 2)).split('\n').mid(0, 200);

    TzelGrid grid;
    grid.SetAutoCalculate(false);
    grid.SetColCount(1 + shape % 6);
    grid.SetRowCount(1 + (shape / 6) % 12);
    grid.SetFixedCols(flags & 0x01 ? 1 : 0);
    grid.SetFixedRows(flags & 0x02 ? 1 : 0);
    int cell = 0;
    for (const QByteArray& line : lines) {
        if (line.startsWith('#')) {
            grid.CellNames().append(QString::fromUtf8(line.mid(1)));
        } else if (line.startsWith('%')) {
            grid.SetNumberFormat(QString::fromUtf8(line));
        } else if (cell < grid.ColCount() * grid.RowCount()) {
            grid.SetCells(cell % grid.ColCount(), cell / grid.ColCount(), QString::fromUtf8(line));
            ++cell;
        }
    }
    dialogs.messages.clear(); // a new number format recalculates too
    grid.Recalculate();
    if (dialogs.messages.size() > 1)
        std::abort();
    if (grid.CellValues().ColCount() != grid.ColCount() || grid.CellValues().RowCount() != grid.RowCount())
        std::abort();
    for (int r = 0; r < grid.RowCount(); ++r)
        for (int c = 0; c < grid.ColCount(); ++c)
            if (!grid.CellText(c, r).starts_with('=') && grid.CellValues()(c, r) != CellTextValue(grid.CellText(c, r)))
                std::abort();

    // Paint every cell with every display setting the flags switch on.
    grid.SetShowValues(flags & 0x08);
    grid.SetNumbersalRight(flags & 0x10);
    grid.SetBandsShow(flags & 0x20);
    grid.SetBandsInterval(int(std::int8_t(shape)) % 4);
    grid.SetWordWrap(flags & 0x40);
    grid.SetHighlightURL(flags & 0x80);
    grid.SetCellRefStyle(TCellRefStyle(shape % 3));
    grid.SetSortIndex(int(shape % 7) - 1);
    grid.resize(400, 300);
    {
        // The font library keeps what it loads for the first texts of a kind out of
        // reach of the leak checker; painting allocates nothing of ours that lasts.
        __lsan::ScopedDisabler fontCaches;
        grid.show();
        grid.viewport()->grab();
    }
    for (int r = 0; r < grid.RowCount(); ++r)
        for (int c = 0; c < grid.ColCount(); ++c)
            grid.CellNameOf(c, r);
    return 0;
}
