#pragma once
// The text rules of the edit's typed fields: number classes, conversions, regrouping
// of thousands, name casing and the separator checks of the number fields. They work
// with the edit's decimal and thousands separators (TEditSeparators).

#include "Format.h"

#include <QString>

namespace TypedInput {

// What ClassifyNumber makes of a text.
constexpr int ncInteger = 0;     // digits and minus signs only
constexpr int ncFloat = 1;       // digits, minus, "," and "." with plausible grouping
constexpr int ncNotANumber = 2;  // anything else, the empty text included
constexpr int ncHexadecimal = 5; // hexadecimal digits and minus, at least one letter

int ClassifyNumber(const QString& s);

// The number a text stands for: thousands separators removed, converted with the
// decimal separator; 0 when it is not a number.
long double ToFloat(const QString& t);
// The hexadecimal value of a text; characters other than hexadecimal digits count as
// the digit 0 and a sign is ignored. Extended precision, so no text overflows.
long double HexValue(const QString& t);

// The hexadecimal digits, without leading zeros, of the integer part of |x|, with "-"
// for a negative x; "0" when |x| is 2^64 or more (or not a number).
QString HexText(long double x);
// "-" and the hexadecimal digits of |n| for a negative n.
QString HexText(qint64 n);

// A number text with its integer part rewritten from `value` (its integer part, sign
// ignored), grouped in thousands when `grouped`: the text's own sign and its part
// from the decimal separator on are kept. The empty text stays empty.
QString RegroupThousands(const QString& t, long double value, bool grouped);

// Names in mixed case: a capital after a blank, "'", ",", "-" or "." and at the
// start, lower case elsewhere; "Mc" names and trailing roman numerals II and III.
QString MixedCase(const QString& s);

// Simple one-to-one upper and lower case per code point: the length never changes.
QString ToUpperSimple(const QString& s);
QString ToLowerSimple(const QString& s);

// Whether a thousands or decimal separator may be typed at caret index k of t: only
// where the nearest thousands separator already in t is exactly three places away
// (or t has none).
bool SeparatorCheck(const QString& t, int k);
// Whether all `precision` decimals of t are filled and the caret (index c in t)
// stands among them, so that a typed digit must overwrite rather than insert.
bool DecimalsFull(const QString& t, int c, int precision);

// Letters A to Z, a to z and digits only.
bool IsAlphaNumericText(const QString& s);

// The edit's separators for the format function.
TFormatSettings Separators();
// "%.<precision>f" and "%.<precision>n".
QString FixedFormat(int precision);
QString NumberFormat(int precision);

} // namespace TypedInput
