// Fuzzes SortGrid with arbitrary cell texts and settings: the sort must keep every
// row whole with its height, order the keys of a character sort, and leave the
// grid untouched when a key cannot be compared.
#include "CellConvert.h"
#include "Dialogs.h"
#include "FuzzApplication.h"
#include "zelGrid.h"

#include <cstdint>
#include <cstdlib>

namespace {

std::string SortForm(std::string_view key, bool caseSensitive)
{
    std::string s(key);
    if (!caseSensitive)
        for (char& c : s)
            if (c >= 'a' && c <= 'z')
                c = char(c - 32);
    return s;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzApplication();
    if (size < 4)
        return 0;
    static TRecordingDialogs dialogs;
    SetDialogs(&dialogs);
    dialogs.messages.clear();
    dialogs.types.clear();
    const std::uint8_t flags = data[0];
    const int start = data[1] % 40;
    const int end = data[2] % 40;
    const QList<QByteArray> keys = QByteArray(reinterpret_cast<const char*>(data + 3), qsizetype(size - 3)).split('\n').mid(0, 300);

    // One grid for the whole run: making a grid costs far more than sorting a
    // few hundred rows. Shrinking it to its header row empties every data row.
    static TzelGrid& grid = *new TzelGrid;
    grid.SetColCount(2);
    grid.SetRowCount(1);
    grid.SetFixedCols(flags & 0x40 ? 1 : 0);
    grid.SetRowCount(int(keys.size()) + 1);
    grid.Rows(0).Clear();
    for (int i = 0; i < keys.size(); ++i) {
        grid.SetCells(0, i + 1, QString::number(i));
        grid.SetCells(1, i + 1, QString::fromUtf8(keys[i]));
    }
    grid.SetSortIndex(flags & 0x80 ? 0 : 1);
    grid.SetSortType(ToSortType(flags % 3));
    grid.SetCaseSensitiv(flags & 0x04);
    grid.SetSortDirection(flags & 0x08 ? Descending : Ascending);
    grid.SetShowMessageOnError(flags & 0x10);
    grid.SetStartIndex(flags & 0x20 ? 0 : start);
    grid.SetEndIndex(flags & 0x20 ? 0 : end);

    // Rows keep their heights through the sort: a hidden row stays hidden.
    for (int r = 0; r < grid.RowCount(); ++r)
        grid.SetRowHeights(r, r % 3 == 2 ? -1 : grid.DefaultRowHeight());
    QStringList before[2] = {grid.Cols(0).ToStringList(), grid.Cols(1).ToStringList()};
    bool ok = false;
    try {
        ok = grid.SortGrid();
    } catch (const ECellConvertError&) {
        if (grid.Cols(0).ToStringList() != before[0] || grid.Cols(1).ToStringList() != before[1])
            std::abort(); // a failed comparison must leave every line in place
        return 0;
    }
    for (int r = 0; r < grid.RowCount(); ++r)
        if ((grid.RowHeights(r) > 0) != (grid.Cells(0, r).toInt() % 3 != 1))
            std::abort(); // a row's height moved away from it
    // Every row is still there, whole.
    QStringList after[2] = {grid.Cols(0).ToStringList(), grid.Cols(1).ToStringList()};
    QStringList pairsBefore, pairsAfter;
    for (int r = 0; r < grid.RowCount(); ++r) {
        pairsBefore.append(before[0][r] + QChar(0) + before[1][r]);
        pairsAfter.append(after[0][r] + QChar(0) + after[1][r]);
    }
    pairsBefore.sort();
    pairsAfter.sort();
    if (pairsBefore != pairsAfter)
        std::abort();
    if (!ok && (after[0] != before[0] || after[1] != before[1]))
        std::abort(); // rejected settings move nothing
    // A character sort leaves its range ordered by bytes.
    if (ok && grid.SortType() == tstCharacter && grid.SortIndex() == 1) {
        int s = grid.StartIndex(), e = grid.EndIndex();
        if (s == 0 && e == 0) {
            s = grid.FixedCols();
            e = grid.RowCount() - 1;
        }
        for (int r = s; r < e; ++r) {
            const std::string a = SortForm(grid.CellText(1, r), grid.CaseSensitiv());
            const std::string b = SortForm(grid.CellText(1, r + 1), grid.CaseSensitiv());
            if (grid.SortDirection() == Ascending ? b < a : a < b)
                std::abort();
        }
    }
    return 0;
}
