#include "CellConvert.h"

#include <QDate>
#include <QLocale>
#include <charconv>
#include <vector>

namespace {

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || (static_cast<unsigned char>(c) < ' ' && c != 0);
}

std::string_view Trim(std::string_view s)
{
    while (!s.empty() && IsBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

int HexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

} // namespace

bool TryTextToInt32(std::string_view text, std::int32_t& value)
{
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ')
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';
    int base = 10;
    if (i < text.size() && (text[i] == '$' || text[i] == 'x' || text[i] == 'X')) {
        base = 16;
        ++i;
    } else if (i + 1 < text.size() && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
        base = 16;
        i += 2;
    }
    if (i >= text.size())
        return false;
    std::int64_t magnitude = 0;
    for (; i < text.size(); ++i) {
        const int digit = base == 16 ? HexDigit(text[i]) : (text[i] >= '0' && text[i] <= '9' ? text[i] - '0' : -1);
        if (digit < 0)
            return false;
        magnitude = magnitude * base + digit;
        if (magnitude > std::int64_t(1) << 31)
            return false;
    }
    const std::int64_t signedValue = negative ? -magnitude : magnitude;
    if (signedValue > INT32_MAX || signedValue < INT32_MIN)
        return false;
    value = static_cast<std::int32_t>(signedValue);
    return true;
}

bool TryTextToExtended(std::string_view text, char decimalSeparator, long double& value)
{
    text = Trim(text);
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    // Check the shape first and write it with "." for the locale-free parser.
    std::string normal;
    normal.reserve(text.size());
    std::size_t i = 0;
    int digits = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i, ++digits)
        normal += text[i];
    if (i < text.size() && text[i] == decimalSeparator) {
        normal += '.';
        for (++i; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i, ++digits)
            normal += text[i];
    }
    if (digits == 0)
        return false;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        normal += 'e';
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-'))
            normal += text[i++];
        int expDigits = 0;
        for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i, ++expDigits)
            normal += text[i];
        if (expDigits == 0)
            return false;
    }
    if (i != text.size())
        return false;
    long double parsed = 0;
    const auto result = std::from_chars(normal.data(), normal.data() + normal.size(), parsed);
    if (result.ec != std::errc() || result.ptr != normal.data() + normal.size())
        return false;
    value = negative ? -parsed : parsed;
    return true;
}

char LocaleDecimalSeparator()
{
    static const char separator = [] {
        const QString point = QLocale::system().decimalPoint();
        return point.size() == 1 && point.at(0).unicode() < 0x80 ? char(point.at(0).unicode()) : '.';
    }();
    return separator;
}

namespace {

struct TDateOrder {
    char separator = '-';
    // Positions of day, month and year in a full date.
    int day = 2, month = 1, year = 0;
};

TDateOrder LocaleDateOrder()
{
    static const TDateOrder order = [] {
        TDateOrder o;
        const QString format = QLocale::system().dateFormat(QLocale::ShortFormat);
        const qsizetype d = format.indexOf(QLatin1Char('d'));
        const qsizetype m = format.indexOf(QLatin1Char('M'));
        const qsizetype y = format.indexOf(QLatin1Char('y'));
        // Year-month-day with "-" when the locale writes no numeric date.
        if (d < 0 || m < 0 || y < 0 || format.contains(QLatin1String("MMM")))
            return o;
        bool found = false;
        for (QChar c : format) {
            if (!c.isLetter() && c.unicode() < 0x80 && c != QLatin1Char(' ')) {
                o.separator = char(c.unicode());
                found = true;
                break;
            }
        }
        if (!found)
            return o;
        o.day = int(d > m) + int(d > y);
        o.month = int(m > d) + int(m > y);
        o.year = int(y > d) + int(y > m);
        return o;
    }();
    return order;
}

} // namespace

bool TryTextToDate(std::string_view text, double& value)
{
    const TDateOrder order = LocaleDateOrder();
    text = Trim(text);
    std::vector<int> parts;
    while (true) {
        const std::size_t cut = text.find(order.separator);
        const std::string_view piece = Trim(text.substr(0, cut));
        int number = 0;
        const auto result = std::from_chars(piece.data(), piece.data() + piece.size(), number);
        if (piece.empty() || result.ec != std::errc() || result.ptr != piece.data() + piece.size() || number < 0)
            return false;
        parts.push_back(number);
        if (cut == std::string_view::npos)
            break;
        text.remove_prefix(cut + 1);
    }
    int day = 0, month = 0, year = QDate::currentDate().year();
    if (parts.size() == 3) {
        day = parts[order.day];
        month = parts[order.month];
        year = parts[order.year];
        if (year < 100 && parts.size() == 3) {
            // Two-digit years fall within fifty years of the current one.
            const int current = QDate::currentDate().year();
            year += current / 100 * 100;
            if (year > current + 50)
                year -= 100;
            else if (year <= current - 50)
                year += 100;
        }
    } else if (parts.size() == 2) {
        const bool dayFirst = order.day < order.month;
        day = dayFirst ? parts[0] : parts[1];
        month = dayFirst ? parts[1] : parts[0];
    } else {
        return false;
    }
    const QDate date(year, month, day);
    if (!date.isValid())
        return false;
    value = double(date.toJulianDay());
    return true;
}

long double CellTextValue(std::string_view text)
{
    long double value = 0;
    if (text.empty() || !TryTextToExtended(text, LocaleDecimalSeparator(), value))
        return 0;
    return value;
}
