#include "CellConvert.h"
#include "Dialogs.h"
#include "zelGrid.h"

#include <QDate>
#include <QLocale>
#include <gtest/gtest.h>
#include <random>

namespace {

// A grid with a header row, an id in column 0 and the keys in column 1.
void Fill(TzelGrid& grid, const QStringList& keys)
{
    grid.SetFixedCols(0);
    grid.SetColCount(2);
    grid.SetRowCount(int(keys.size()) + 1);
    grid.Rows(0).Assign(QStringList{"id", "key"});
    for (int i = 0; i < keys.size(); ++i)
        grid.Rows(i + 1).Assign(QStringList{QString::number(i + 1), keys[i]});
}

QStringList Keys(TzelGrid& grid)
{
    QStringList keys = grid.Cols(1).ToStringList();
    keys.removeFirst();
    return keys;
}

QStringList Ids(TzelGrid& grid)
{
    QStringList ids = grid.Cols(0).ToStringList();
    ids.removeFirst();
    return ids;
}

bool SortRows(TzelGrid& grid, ToSortType type, int first = 1, int last = -1)
{
    grid.SetSortIndex(1);
    grid.SetSortType(type);
    grid.SetStartIndex(first);
    grid.SetEndIndex(last < 0 ? grid.RowCount() - 1 : last);
    return grid.SortGrid();
}

// ---- a plain transcription of the stated algorithms on a key table ----

using TKeyTable = std::vector<std::pair<std::string, std::string>>; // (index, key)

void PlainExchangeSort(TKeyTable& t, int lo, int hi)
{
    if (hi - 1 < lo)
        return;
    bool exchanged;
    do {
        exchanged = false;
        for (int k = lo; k <= hi - 1; ++k)
            if (t[k].second > t[k + 1].second) {
                std::swap(t[k], t[k + 1]);
                exchanged = true;
            }
    } while (exchanged);
}

void PlainCharacterSort(TKeyTable& t, int lo, int hi)
{
    if (hi - lo < 5) {
        PlainExchangeSort(t, lo, hi);
        return;
    }
    int i = lo, j = hi;
    const std::string pivot = t[(lo + hi) / 2].second;
    while (i <= j) {
        while (t[i].second < pivot)
            ++i;
        while (t[j].second > pivot)
            --j;
        if (i <= j) {
            std::swap(t[i], t[j]);
            ++i;
            --j;
        }
    }
    PlainCharacterSort(t, lo, j);
    PlainCharacterSort(t, i, hi);
}

void PlainQuickSort(TKeyTable& t, int lo, int hi)
{
    if (lo >= hi)
        return;
    auto value = [&](int k) { return std::stold(t[k].second); };
    int i = lo, j = hi;
    const long double pivot = value((lo + hi) / 2);
    while (i <= j) {
        while (value(i) < pivot)
            ++i;
        while (value(j) > pivot)
            --j;
        if (i <= j) {
            std::swap(t[i], t[j]);
            ++i;
            --j;
        }
    }
    PlainQuickSort(t, lo, j);
    PlainQuickSort(t, i, hi);
}

// The ids in the order the stated algorithm leaves them.
QStringList PlainSort(const QStringList& keys, ToSortType type, bool caseSensitive, bool descending)
{
    TKeyTable table;
    for (int i = 0; i < keys.size(); ++i) {
        std::string key = keys[i].toStdString();
        if (type == tstCharacter && !caseSensitive)
            for (char& c : key)
                if (c >= 'a' && c <= 'z')
                    c = char(c - 32);
        table.emplace_back(std::to_string(i + 1), key);
    }
    if (type == tstCharacter)
        PlainCharacterSort(table, 0, int(table.size()) - 1);
    else
        PlainQuickSort(table, 0, int(table.size()) - 1);
    QStringList ids;
    for (const auto& row : table)
        ids.append(QString::fromStdString(row.first));
    if (descending)
        std::reverse(ids.begin(), ids.end());
    return ids;
}

QStringList RandomKeys(std::mt19937& rng, int n, bool numeric)
{
    // Few distinct keys, so that many are equal and their order shows.
    static const QStringList words{"b", "B", "a", "ab", "A", "abc", "", "z", "Z9", "é", "\xc3\xa9"};
    QStringList keys;
    for (int i = 0; i < n; ++i)
        keys.append(numeric ? QString::number(int(rng() % 7) - 3) : words[int(rng() % words.size())]);
    return keys;
}

} // namespace

TEST(GridSort, OrderOfEqualKeysMatchesTheStatedAlgorithms)
{
    std::mt19937 rng(12345);
    for (int round = 0; round < 400; ++round) {
        const int n = 2 + int(rng() % (round < 200 ? 6 : 60)); // exchange sort and partitioning
        const bool numeric = round % 3 == 0;
        const bool caseSensitive = round % 2 == 0;
        const bool descending = round % 5 < 2;
        const QStringList keys = RandomKeys(rng, n, numeric);
        TzelGrid grid;
        Fill(grid, keys);
        grid.SetCaseSensitiv(caseSensitive);
        grid.SetSortDirection(descending ? Descending : Ascending);
        ASSERT_TRUE(SortRows(grid, numeric ? tstNumeric : tstCharacter));
        const ToSortType type = numeric ? tstNumeric : tstCharacter;
        ASSERT_EQ(Ids(grid), PlainSort(keys, type, caseSensitive, descending)) << "round " << round << " keys " << keys.join(',').toStdString();
        EXPECT_EQ(grid.SortErrorCode(), numeric && caseSensitive ? -3 : 0);
    }
}

TEST(GridSort, SettingsAreCheckedInOrder)
{
    TScopedRecordingDialogs dialogs;
    TzelGrid grid;
    Fill(grid, {"b"}); // one data row
    EXPECT_FALSE(SortRows(grid, tstCharacter));
    EXPECT_EQ(grid.SortErrorCode(), 2);
    EXPECT_EQ(grid.SortErrorMessage(), "StartIndex is greater or equal to EndIndex");
    EXPECT_TRUE(dialogs.messages.isEmpty());

    Fill(grid, {"c", "b", "a"});
    const QStringList before = Keys(grid);
    struct Case {
        int start, end, index, code;
        const char* message;
    };
    const Case cases[] = {
        {-1, 2, 1, 3, "StartIndex is less then 0"},
        {4, 5, 1, 4, "StartIndex is greater then number of rows/columns in StringGrid"},
        {1, 4, 1, 5, "EndIndex is greater then number of rows/columns in StringGrid"},
        {1, 3, -1, 6, "Sort Index is less then 0"},
        {1, 3, 2, 7, "Sort Index is greater then number of rows/columns in StringGrid"},
        {3, 3, 9, 2, "StartIndex is greater or equal to EndIndex"},
    };
    grid.SetShowMessageOnError(true);
    for (const Case& c : cases) {
        grid.SetStartIndex(c.start);
        grid.SetEndIndex(c.end);
        grid.SetSortIndex(c.index);
        EXPECT_FALSE(grid.SortGrid());
        EXPECT_EQ(grid.SortErrorCode(), c.code);
        EXPECT_EQ(grid.SortErrorMessage(), c.message);
        EXPECT_EQ(dialogs.messages.back(), c.message);
        EXPECT_EQ(Keys(grid), before);
    }
    // Both indexes 0: the range runs from FixedCols, row 0 included when it is 0.
    grid.SetStartIndex(0);
    grid.SetEndIndex(0);
    grid.SetSortIndex(1);
    dialogs.messages.clear();
    EXPECT_TRUE(grid.SortGrid());
    EXPECT_EQ(grid.SortErrorMessage(), "Ok");
    EXPECT_TRUE(dialogs.messages.isEmpty());
    EXPECT_EQ(grid.Cols(1).ToStringList(), (QStringList{"a", "b", "c", "key"}));
    grid.SetFixedCols(1);
    grid.Cols(1).Assign(QStringList{"key", "c", "b", "a"});
    EXPECT_TRUE(grid.SortGrid());
    EXPECT_EQ(grid.Cols(1).ToStringList(), (QStringList{"key", "a", "b", "c"}));
}

TEST(GridSort, NumericKeysAndTheirFallBack)
{
    TScopedRecordingDialogs dialogs;
    TzelGrid grid;
    Fill(grid, {"10", "9", "100"});
    EXPECT_TRUE(SortRows(grid, tstNumeric));
    EXPECT_EQ(Keys(grid), (QStringList{"9", "10", "100"}));
    EXPECT_TRUE(SortRows(grid, tstCharacter));
    EXPECT_EQ(Keys(grid), (QStringList{"10", "100", "9"}));
    // Blanks before, a sign and the 32-bit limits are integers.
    Fill(grid, {" 7", "-2147483648", "+3", "2147483647"});
    EXPECT_TRUE(SortRows(grid, tstNumeric));
    EXPECT_EQ(grid.SortErrorCode(), 0);
    EXPECT_EQ(Keys(grid), (QStringList{"-2147483648", "+3", " 7", "2147483647"}));

    grid.SetShowMessageOnError(true);
    for (const char* bad : {"", "1.5", "2147483648", "7 ", "abc"}) {
        Fill(grid, {"5", bad, "30"});
        grid.SetCaseSensitiv(false);
        EXPECT_TRUE(SortRows(grid, tstNumeric)) << bad;
        EXPECT_EQ(grid.SortErrorCode(), -1);
        EXPECT_EQ(grid.SortType(), tstCharacter);
        EXPECT_EQ(grid.SortErrorMessage(), "Column/Row contains non-numerical values for numeric sort. Sorted as Character.");
        EXPECT_EQ(dialogs.messages.back(), grid.SortErrorMessage());
        QStringList expected{"5", bad, "30"};
        std::sort(expected.begin(), expected.end(), [](const QString& a, const QString& b) { return a.toUtf8() < b.toUtf8(); });
        EXPECT_EQ(Keys(grid), expected) << bad;
    }
    // Case sensitivity is reported, and still sorts numerically; a bad key wins.
    Fill(grid, {"10", "9"});
    grid.SetCaseSensitiv(true);
    EXPECT_TRUE(SortRows(grid, tstNumeric));
    EXPECT_EQ(grid.SortErrorCode(), -3);
    EXPECT_EQ(grid.SortErrorMessage(), "Case Sensitivity ignored for Numeical Sort.");
    EXPECT_EQ(Keys(grid), (QStringList{"9", "10"}));
    Fill(grid, {"10", "x"});
    EXPECT_TRUE(SortRows(grid, tstNumeric));
    EXPECT_EQ(grid.SortErrorCode(), -1);

    // A hexadecimal key passes the check but not the comparison: the error
    // reaches the caller and no line has moved.
    grid.SetCaseSensitiv(false);
    Fill(grid, {"30", "$1F", "2"});
    EXPECT_THROW(SortRows(grid, tstNumeric), ECellConvertError);
    EXPECT_EQ(Keys(grid), (QStringList{"30", "$1F", "2"}));
    EXPECT_EQ(grid.SortType(), tstNumeric);
}

TEST(GridSort, DateKeys)
{
    TScopedRecordingDialogs dialogs;
    TzelGrid grid;
    // Dates in the locale's numeric short format, or year-month-day without one.
    const QString format = QLocale::system().dateFormat(QLocale::ShortFormat);
    auto text = [&](int y, int m, int d) {
        const QString local = QDate(y, m, d).toString(format.contains("yyyy") ? format : QString(format).replace("yy", "yyyy"));
        double value = 0;
        return TryTextToDate(local.toStdString(), value) ? local : QDate(y, m, d).toString("yyyy-MM-dd");
    };
    double day1 = 0, day2 = 0;
    ASSERT_TRUE(TryTextToDate(text(2020, 12, 31).toStdString(), day1));
    ASSERT_TRUE(TryTextToDate(text(2021, 1, 1).toStdString(), day2));
    EXPECT_EQ(day2 - day1, 1);
    EXPECT_FALSE(TryTextToDate("2021-02-30", day1));
    Fill(grid, {text(2021, 3, 4), text(2020, 12, 31), text(2021, 1, 15)});
    EXPECT_TRUE(SortRows(grid, tstDate));
    EXPECT_EQ(Keys(grid), (QStringList{text(2020, 12, 31), text(2021, 1, 15), text(2021, 3, 4)}));
    grid.SetCaseSensitiv(true);
    EXPECT_TRUE(SortRows(grid, tstDate));
    EXPECT_EQ(grid.SortErrorCode(), -4);
    EXPECT_EQ(grid.SortErrorMessage(), "Case Sensitivity ignored for Date Sort.");
    Fill(grid, {text(2021, 3, 4), "someday"});
    EXPECT_TRUE(SortRows(grid, tstDate));
    EXPECT_EQ(grid.SortErrorCode(), -2);
    EXPECT_EQ(grid.SortType(), tstCharacter);
    EXPECT_EQ(grid.SortErrorMessage(), "Column/Row contains non-date values for date sort. Sorted as Character.");
}

TEST(GridSort, CharacterKeysCaseDirectionAndBytes)
{
    TzelGrid grid;
    // Without case sensitivity apple and Apple are equal: the exchange sort keeps them.
    Fill(grid, {"apple", "Apple", "Banana"});
    EXPECT_TRUE(SortRows(grid, tstCharacter));
    EXPECT_EQ(Keys(grid), (QStringList{"apple", "Apple", "Banana"}));
    grid.SetCaseSensitiv(true);
    EXPECT_TRUE(SortRows(grid, tstCharacter));
    EXPECT_EQ(Keys(grid), (QStringList{"Apple", "Banana", "apple"}));
    // Descending reverses the ascending result, equal keys included.
    grid.SetCaseSensitiv(false);
    Fill(grid, {"b", "B", "a"});
    grid.SetSortDirection(Descending);
    EXPECT_TRUE(SortRows(grid, tstCharacter));
    EXPECT_EQ(Ids(grid), (QStringList{"2", "1", "3"}));
    Fill(grid, {"B", "A", "D", "C"});
    EXPECT_TRUE(SortRows(grid, tstCharacter));
    EXPECT_EQ(Keys(grid), (QStringList{"D", "C", "B", "A"}));
    grid.SetSortDirection(Ascending);
    // UTF-8 byte order: U+E000 (EE 80 80) before U+1F600 (F0 9F 98 80), although
    // UTF-16 code units order them the other way; only a-z change case.
    grid.SetCaseSensitiv(true);
    Fill(grid, {QString::fromUtf8("\xf0\x9f\x98\x80"), QString::fromUtf8("\xee\x80\x80"), "é", "É", "z", "Z"});
    EXPECT_TRUE(SortRows(grid, tstCharacter));
    EXPECT_EQ(Keys(grid), (QStringList{"Z", "z", "É", "é", QString::fromUtf8("\xee\x80\x80"), QString::fromUtf8("\xf0\x9f\x98\x80")}));
    // A prefix comes first.
    Fill(grid, {"abc", "ab", "a", ""});
    EXPECT_TRUE(SortRows(grid, tstCharacter));
    EXPECT_EQ(Keys(grid), (QStringList{"", "a", "ab", "abc"}));
}

TEST(GridSort, LinesOutsideTheRangeStayAndRowHeightsMoveWithTheirRows)
{
    TzelGrid grid;
    Fill(grid, {"e", "d", "c", "b", "a"});
    grid.SetRowHeights(2, 40);
    grid.SetRowHeights(4, -1);
    EXPECT_TRUE(SortRows(grid, tstCharacter, 2, 4));
    EXPECT_EQ(Keys(grid), (QStringList{"e", "b", "c", "d", "a"}));
    EXPECT_EQ(grid.RowHeights(2), -1); // "b" came from row 4, hidden
    EXPECT_EQ(grid.RowHeights(4), 40); // "d" came from row 2
    EXPECT_EQ(grid.Rows(0).ToStringList(), (QStringList{"id", "key"}));
}

TEST(GridSort, ColumnModeSortsColumnsByARowWithinTheGrid)
{
    TzelGrid grid;
    grid.SetFixedCols(0);
    grid.SetColCount(4);
    grid.SetRowCount(5);
    grid.Rows(0).Assign(QStringList{"h0", "h1", "h2", "h3"});
    grid.Rows(1).Assign(QStringList{"x", "c", "a", "b"});
    grid.SetColWidths(1, 99);
    grid.SetHowToSort(stColumn);
    grid.SetSortIndex(1);
    grid.SetStartIndex(1);
    grid.SetEndIndex(3);
    EXPECT_TRUE(grid.SortGrid());
    EXPECT_EQ(grid.Rows(0).ToStringList(), (QStringList{"h0", "h2", "h3", "h1"}));
    EXPECT_EQ(grid.Rows(1).ToStringList(), (QStringList{"x", "a", "b", "c"}));
    EXPECT_EQ(grid.ColWidths(1), 99);
    // The range must stay within the columns, the key row within the rows.
    grid.SetEndIndex(4);
    EXPECT_FALSE(grid.SortGrid());
    EXPECT_EQ(grid.SortErrorCode(), 5);
    grid.SetEndIndex(3);
    grid.SetColCount(6);
    grid.SetRowCount(4);
    grid.SetSortIndex(4);
    EXPECT_FALSE(grid.SortGrid());
    EXPECT_EQ(grid.SortErrorCode(), 7);
}
