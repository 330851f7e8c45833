// SortGrid: validates the sort fields, checks numeric and date keys, orders a key
// table with the grid's quicksort or character sort, and rewrites the lines once.
#include "zelGrid.h"

#include "CellConvert.h"
#include "Dialogs.h"

#include <QCoreApplication>
#include <algorithm>

namespace {

const char* const kSortMessages[] = {
    "Case Sensitivity ignored for Date Sort.",
    "Case Sensitivity ignored for Numeical Sort.",
    "Column/Row contains non-date values for date sort. Sorted as Character.",
    "Column/Row contains non-numerical values for numeric sort. Sorted as Character.",
    "Ok",
    "No StringGrid given",
    "StartIndex is greater or equal to EndIndex",
    "StartIndex is less then 0",
    "StartIndex is greater then number of rows/columns in StringGrid",
    "EndIndex is greater then number of rows/columns in StringGrid",
    "Sort Index is less then 0",
    "Sort Index is greater then number of rows/columns in StringGrid",
};

QString SortMessage(int code)
{
    return QString::fromLatin1(kSortMessages[code + 4]);
}

template <class Key>
struct TKeyRow {
    Key key;
    int line;
};

// Partitions around the middle key as the grid's quicksort does and returns the
// bounds (j, i) of the two parts left to sort.
template <class Key>
std::pair<int, int> Partition(std::vector<TKeyRow<Key>>& rows, int lo, int hi)
{
    int i = lo;
    int j = hi;
    const Key pivot = rows[std::size_t((lo + hi) / 2)].key;
    while (i <= j) {
        while (rows[i].key < pivot)
            ++i;
        while (pivot < rows[j].key)
            --j;
        if (i <= j) {
            std::swap(rows[i], rows[j]);
            ++i;
            --j;
        }
    }
    return {j, i};
}

// The two parts are disjoint, so sorting the smaller one first (recursively) and
// the larger one in the loop gives the same result in O(log n) stack.
template <class Key>
void QuickSort(std::vector<TKeyRow<Key>>& rows, int lo, int hi)
{
    while (lo < hi) {
        const auto [j, i] = Partition(rows, lo, hi);
        if (j - lo < hi - i) {
            QuickSort(rows, lo, j);
            lo = i;
        } else {
            QuickSort(rows, i, hi);
            hi = j;
        }
    }
}

void ExchangeSort(std::vector<TKeyRow<std::string_view>>& rows, int lo, int hi)
{
    if (hi - 1 < lo)
        return;
    bool exchanged = true;
    while (exchanged) {
        exchanged = false;
        for (int k = lo; k < hi; ++k) {
            if (rows[k + 1].key < rows[k].key) {
                std::swap(rows[k], rows[k + 1]);
                exchanged = true;
            }
        }
    }
}

void CharacterSort(std::vector<TKeyRow<std::string_view>>& rows, int lo, int hi)
{
    while (hi - lo >= 5) {
        const auto [j, i] = Partition(rows, lo, hi);
        if (j - lo < hi - i) {
            CharacterSort(rows, lo, j);
            lo = i;
        } else {
            CharacterSort(rows, i, hi);
            hi = j;
        }
    }
    ExchangeSort(rows, lo, hi);
}

bool HasLowerAscii(std::string_view text)
{
    return std::any_of(text.begin(), text.end(), [](char c) { return c >= 'a' && c <= 'z'; });
}

} // namespace

std::string_view TzelGrid::SortKey(int line) const
{
    return howToSort_ == stRow ? CellText(sortIndex_, line) : CellText(line, sortIndex_);
}

int TzelGrid::CheckSortSettings(int s, int e) const
{
    if (s >= e)
        return 2;
    if (s < 0)
        return 3;
    if (s > RowCount() - 1)
        return 4;
    if (e > RowCount() - 1)
        return 5;
    if (sortIndex_ < 0)
        return 6;
    if (sortIndex_ > ColCount() - 1)
        return 7;
    if (howToSort_ == stColumn) {
        // Columns are sorted within the existing columns by an existing row.
        if (s > ColCount() - 1)
            return 4;
        if (e > ColCount() - 1)
            return 5;
        if (sortIndex_ > RowCount() - 1)
            return 7;
    }
    return 0;
}

int TzelGrid::CheckSortKeys(int s, int e)
{
    int code = 0;
    if (sortType_ == tstNumeric) {
        if (caseSensitiv_)
            code = -3;
        std::int32_t value = 0;
        for (int i = s; i <= e; ++i) {
            if (!TryTextToInt32(SortKey(i), value)) {
                code = -1;
                sortType_ = tstCharacter;
                break;
            }
        }
    } else if (sortType_ == tstDate) {
        if (caseSensitiv_)
            code = -4;
        double value = 0;
        for (int i = s; i <= e; ++i) {
            if (!TryTextToDate(SortKey(i), value)) {
                code = -2;
                sortType_ = tstCharacter;
                break;
            }
        }
    }
    return code;
}

bool TzelGrid::SortGrid()
{
    return SortGrid(nullptr);
}

bool TzelGrid::SortGrid(TLineOrder* moved)
{
    sortErrorCode_ = 0;
    int s = startIndex_;
    int e = endIndex_;
    if (s == 0 && e == 0) {
        s = FixedCols();
        e = RowCount() - 1;
    }
    int code = CheckSortSettings(s, e);
    if (code == 0)
        code = CheckSortKeys(s, e);
    sortErrorCode_ = code;
    if (code <= 0)
        RunSortEngine(s, e, moved);
    sortErrorMessage_ = SortMessage(code);
    if (showMessageOnError_ && code != 0)
        MessageDlg(sortErrorMessage_, code > 0 ? TMsgDlgType::mtError : TMsgDlgType::mtWarning, mbOK);
    return code <= 0;
}

void TzelGrid::RunSortEngine(int s, int e, TLineOrder* moved)
{
    const int n = e - s + 1;
    std::vector<int> order;
    order.reserve(std::size_t(n));
    if (sortType_ == tstNumeric || sortType_ == tstDate) {
        // Each key is converted once; the comparisons see the same values.
        std::vector<TKeyRow<long double>> rows(static_cast<std::size_t>(n));
        for (int k = 0; k < n; ++k) {
            const std::string_view key = SortKey(s + k);
            long double value = 0;
            bool ok = false;
            if (sortType_ == tstNumeric) {
                ok = TryTextToExtended(key, LocaleDecimalSeparator(), value);
            } else {
                double day = 0;
                ok = TryTextToDate(key, day);
                value = day;
            }
            if (!ok) {
                const QString text = FromUtf8(key);
                throw ECellConvertError((sortType_ == tstNumeric ? QCoreApplication::translate("TzelGrid", "'%1' is not a valid floating point value")
                                                                : QCoreApplication::translate("TzelGrid", "'%1' is not a valid date"))
                                            .arg(text)
                                            .toStdString());
            }
            rows[k] = {value, s + k};
        }
        QuickSort(rows, 0, n - 1);
        for (const auto& row : rows)
            order.push_back(row.line);
    } else {
        std::vector<std::string> upperKeys;
        std::vector<TKeyRow<std::string_view>> rows(static_cast<std::size_t>(n));
        if (!caseSensitiv_)
            upperKeys.reserve(std::size_t(n));
        for (int k = 0; k < n; ++k) {
            std::string_view key = SortKey(s + k);
            if (!caseSensitiv_ && HasLowerAscii(key)) {
                std::string upper(key);
                for (char& c : upper)
                    if (c >= 'a' && c <= 'z')
                        c = char(c - 'a' + 'A');
                upperKeys.push_back(std::move(upper));
                key = upperKeys.back();
            }
            rows[k] = {key, s + k};
        }
        CharacterSort(rows, 0, n - 1);
        for (const auto& row : rows)
            order.push_back(row.line);
    }
    if (sortDirection_ == Descending)
        std::reverse(order.begin(), order.end());
    bool reordered = false;
    for (int k = 0; k < n && !reordered; ++k)
        reordered = order[k] != s + k;
    if (!reordered)
        return;
    TLineOrder lines{howToSort_ == stColumn, s, std::move(order)};
    MoveLines(lines);
    if (moved)
        *moved = std::move(lines);
}

void TzelGrid::MoveLines(const TLineOrder& order)
{
    if (order.Columns)
        PermuteCols(order.First, order.From);
    else
        PermuteRows(order.First, order.From);
}
