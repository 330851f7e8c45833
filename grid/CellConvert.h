#pragma once
// Conversions of cell texts to numbers and dates, as the grid's value table and
// its sort use them. They never throw; callers that must fail throw
// ECellConvertError themselves.

#include <QChar>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

// A cell text that had to convert and did not.
class ECellConvertError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Optional leading blanks, an optional sign, then decimal digits, or hexadecimal
// digits after "$", "x", "X", "0x" or "0X". The whole text must be used and the
// value must fit a signed 32-bit integer.
bool TryTextToInt32(std::string_view text, std::int32_t& value);

// Decimal floating-point text: blanks around it, an optional sign, digits with an
// optional decimal separator, an optional exponent. No hexadecimal, no grouping.
bool TryTextToExtended(std::string_view text, char decimalSeparator, long double& value);

// The decimal separator of the user's locale at start-up ("." when it has none
// that fits one byte).
char LocaleDecimalSeparator();

// A date in the locale's short date order and separator (day, month and year as
// numbers; the year may be left out and two-digit years are expanded). The
// value is the day number, comparable as dates are.
bool TryTextToDate(std::string_view text, double& value);

// The number a cell shows for formulas: its text as a number, 0 when it is none.
long double CellTextValue(std::string_view text);
