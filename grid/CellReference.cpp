#include "CellReference.h"

#include <climits>

namespace {

char AsciiUpper(char c)
{
    return c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : c;
}

char AsciiLower(char c)
{
    return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
}

} // namespace

std::string ColumnNumberLetters(int number)
{
    if (number < 1 || number > 702)
        return std::string();
    if (number <= 26)
        return std::string(1, char('@' + number));
    const int first = (number - 1) / 26;
    const int second = (number - 1) % 26 + 1;
    return std::string{char('@' + first), char('@' + second)};
}

bool ParseWholeNumber(std::string_view text, int& value)
{
    if (text.empty())
        return false;
    long long n = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return false;
        n = n * 10 + (c - '0');
        if (n > INT_MAX)
            return false;
    }
    value = int(n);
    return true;
}

bool ParseA1Text(std::string_view text, int fixedCols, int& col, int& row)
{
    int number = 0;
    for (int letters = 0; letters < 2 && !text.empty(); ++letters) {
        const char c = AsciiUpper(text.front());
        if (c < 'A' || c > 'Z')
            break;
        number = number * 26 + (c - '@');
        text.remove_prefix(1);
    }
    int r = 0;
    if (!ParseWholeNumber(text, r))
        return false;
    col = number - 1 + fixedCols;
    row = r;
    return true;
}

bool ParseRowColText(std::string_view text, int& col, int& row)
{
    std::size_t c = std::string_view::npos;
    std::size_t r = std::string_view::npos;
    for (std::size_t i = 0; i < text.size() && (c == std::string_view::npos || r == std::string_view::npos); ++i) {
        const char ch = AsciiLower(text[i]);
        if (ch == 'c' && c == std::string_view::npos)
            c = i;
        else if (ch == 'r' && r == std::string_view::npos)
            r = i;
    }
    if (c == std::string_view::npos || r == std::string_view::npos)
        return false;
    const bool rowFirst = r < c;
    const std::size_t first = rowFirst ? r : c;
    const std::size_t second = rowFirst ? c : r;
    int a = 0, b = 0;
    if (!ParseWholeNumber(text.substr(first + 1, second - first - 1), a) || !ParseWholeNumber(text.substr(second + 1), b))
        return false;
    row = rowFirst ? a : b;
    col = rowFirst ? b : a;
    return true;
}
