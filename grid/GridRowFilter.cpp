#include "GridRowFilter.h"

#include "CellConvert.h"

#include <QString>
#include <algorithm>

namespace {

bool IsAscii(std::string_view text)
{
    return std::all_of(text.begin(), text.end(), [](char c) { return (unsigned char)c < 0x80; });
}

// Both texts as the comparison sees them: the cell lower-cased when case is
// ignored (the value comes folded), otherwise both as stored, without copying.
struct TComparedTexts {
    TComparedTexts(std::string_view cell, std::string_view value) : Value(value)
    {
        if (!GridFilterIgnoreCase()) {
            Cell = cell;
            return;
        }
        cellLower_ = LowerCaseText(cell);
        Cell = cellLower_;
    }
    std::string_view Cell;
    std::string_view Value;

private:
    std::string cellLower_;
};

// -1, 0 or 1: as numbers when both texts convert, otherwise by byte order.
int Order(std::string_view cell, std::string_view value)
{
    const char separator = LocaleDecimalSeparator();
    long double a = 0, b = 0;
    if (TryTextToExtended(cell, separator, a) && TryTextToExtended(value, separator, b))
        return a < b ? -1 : (a > b ? 1 : 0);
    const int c = cell.compare(value);
    return c < 0 ? -1 : (c > 0 ? 1 : 0);
}

template <class Holds>
bool Relational(std::string_view cell, std::string_view value, Holds holds)
{
    const TComparedTexts t(cell, value);
    return holds(Order(t.Cell, t.Value));
}

bool Equal(std::string_view c, std::string_view v) { return Relational(c, v, [](int o) { return o == 0; }); }
bool Differs(std::string_view c, std::string_view v) { return Relational(c, v, [](int o) { return o != 0; }); }
bool Greater(std::string_view c, std::string_view v) { return Relational(c, v, [](int o) { return o > 0; }); }
bool GreaterOrEqual(std::string_view c, std::string_view v) { return Relational(c, v, [](int o) { return o >= 0; }); }
bool Less(std::string_view c, std::string_view v) { return Relational(c, v, [](int o) { return o < 0; }); }
bool LessOrEqual(std::string_view c, std::string_view v) { return Relational(c, v, [](int o) { return o <= 0; }); }

bool Contains(std::string_view c, std::string_view v)
{
    const TComparedTexts t(c, v);
    return t.Cell.find(t.Value) != std::string_view::npos;
}

bool NotContains(std::string_view c, std::string_view v) { return !Contains(c, v); }

} // namespace

TGridRowFilter& GridRowFilter()
{
    static TGridRowFilter filter;
    return filter;
}

bool& GridFilterIgnoreCase()
{
    static bool ignoreCase = false;
    return ignoreCase;
}

TGridCompare GridCompareFor(std::string_view op)
{
    const std::pair<std::string_view, TGridCompare> table[] = {
        {"=", Equal}, {"<>", Differs}, {">", Greater}, {">=", GreaterOrEqual}, {"<", Less},
        {"<=", LessOrEqual}, {"contains", Contains}, {"not contains", NotContains}};
    for (const auto& [name, compare] : table)
        if (op == name)
            return compare;
    return nullptr;
}

std::string LowerCaseText(std::string_view text)
{
    if (IsAscii(text)) {
        std::string lower(text);
        for (char& c : lower)
            if (c >= 'A' && c <= 'Z')
                c = char(c - 'A' + 'a');
        return lower;
    }
    return QString::fromUtf8(text.data(), qsizetype(text.size())).toLower().toStdString();
}
