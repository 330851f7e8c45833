#pragma once
// The query filter's conditions: one per named column, an operator and a value,
// all of which a row must satisfy. There is one filter for the whole program,
// shared by every grid; each parse of a query replaces it.

#include <array>
#include <string>
#include <string_view>

// A comparison of a cell text with a condition's value text.
using TGridCompare = bool (*)(std::string_view cell, std::string_view value);

struct TGridFieldFilter {
    TGridCompare Compare = nullptr;
    int Column = 0;
    // UTF-8, as the grid stores its cells; lower-cased already when the filter
    // ignores case, so it is folded once and not for every row.
    std::string Value;
};

struct TGridRowFilter {
    // Conditions in use, stored from index 0. At most nine are accepted.
    int Count = 0;
    std::array<TGridFieldFilter, 10> Filters;
};

// The program's one filter and its case switch.
TGridRowFilter& GridRowFilter();
bool& GridFilterIgnoreCase();

// The comparison for an operator as written in a query, already trimmed and
// lower-cased ("=", "<>", ">", ">=", "<", "<=", "contains", "not contains"), or
// nullptr for any other text.
TGridCompare GridCompareFor(std::string_view op);

// True when the row's cells, read through cellText(column), satisfy every stored
// condition (checked in order, stopping at the first that fails).
template <class CellText>
bool GridRowPasses(const TGridRowFilter& filter, CellText&& cellText)
{
    for (int i = 0; i < filter.Count; ++i) {
        const TGridFieldFilter& f = filter.Filters[std::size_t(i)];
        if (!f.Compare(cellText(f.Column), f.Value))
            return false;
    }
    return true;
}

// The text lower-cased, character by character (UTF-8 in and out).
std::string LowerCaseText(std::string_view text);
