#include "TypedInput.h"

#include "EditSeparators.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>

namespace TypedInput {

namespace {

bool IsDigit(QChar c) { return c >= u'0' && c <= u'9'; }

bool IsHexLetter(QChar c) { return (c >= u'A' && c <= u'F') || (c >= u'a' && c <= u'f'); }

int HexDigitValue(QChar c)
{
    if (IsDigit(c))
        return c.unicode() - u'0';
    if (c >= u'A' && c <= u'F')
        return c.unicode() - u'A' + 10;
    if (c >= u'a' && c <= u'f')
        return c.unicode() - u'a' + 10;
    return 0;
}

QChar AsciiUpper(QChar c) { return c >= u'a' && c <= u'z' ? QChar(c.unicode() - 32) : c; }
QChar AsciiLower(QChar c) { return c >= u'A' && c <= u'Z' ? QChar(c.unicode() + 32) : c; }

// A number in the edit's notation, rewritten for from_chars: optional blanks, an
// optional sign, digits with one decimal separator, an optional exponent. Empty when
// the text has another shape.
std::string PlainNumber(const QString& t, QChar decimal)
{
    const QString s = t.trimmed();
    std::string out;
    qsizetype i = 0;
    if (i < s.size() && (s[i] == u'-' || s[i] == u'+')) {
        if (s[i] == u'-')
            out += '-';
        ++i;
    }
    int mantissaDigits = 0;
    bool decimalSeen = false;
    for (; i < s.size(); ++i) {
        if (IsDigit(s[i])) {
            out += char(s[i].unicode());
            ++mantissaDigits;
        } else if (s[i] == decimal && !decimalSeen) {
            out += '.';
            decimalSeen = true;
        } else {
            break;
        }
    }
    if (mantissaDigits == 0)
        return {};
    if (i < s.size() && (s[i] == u'e' || s[i] == u'E')) {
        out += 'e';
        ++i;
        if (i < s.size() && (s[i] == u'-' || s[i] == u'+'))
            out += char(s[i++].unicode());
        int exponentDigits = 0;
        for (; i < s.size() && IsDigit(s[i]); ++i, ++exponentDigits)
            out += char(s[i].unicode());
        if (exponentDigits == 0)
            return {};
    }
    return i == s.size() ? out : std::string();
}

bool EndsWith(const QString& r, int length, QLatin1String tail)
{
    return length >= tail.size() && QStringView(r).mid(length - tail.size(), tail.size()) == tail;
}

template <typename Map>
QString MapCodePoints(const QString& s, Map map)
{
    QString out;
    out.reserve(s.size());
    for (qsizetype i = 0; i < s.size(); ++i) {
        const QChar c = s[i];
        if (c.isHighSurrogate() && i + 1 < s.size() && s[i + 1].isLowSurrogate()) {
            const char32_t mapped = map(QChar::surrogateToUcs4(c, s[i + 1]));
            // The simple mapping keeps a supplementary character supplementary.
            if (QChar::requiresSurrogates(mapped)) {
                out += QChar(QChar::highSurrogate(mapped));
                out += QChar(QChar::lowSurrogate(mapped));
            } else {
                out += c;
                out += s[i + 1];
            }
            ++i;
            continue;
        }
        const char32_t mapped = map(char32_t(c.unicode()));
        out += QChar::requiresSurrogates(mapped) ? c : QChar(char16_t(mapped));
    }
    return out;
}

} // namespace

int ClassifyNumber(const QString& s)
{
    const QChar decimal = TEditSeparators::Decimal();
    const QChar thousand = TEditSeparators::Thousand();
    bool isInt = !s.isEmpty();
    bool isFloat = isInt;
    bool isHex = isInt;
    int lastThousand = -1;
    int decimals = 0;
    int minuses = 0;
    for (int i = 1; i <= s.size(); ++i) {
        const QChar c = s[i - 1];
        const bool digitOrMinus = IsDigit(c) || c == u'-';
        if (!digitOrMinus)
            isInt = false;
        if (!digitOrMinus && c != u',' && c != u'.')
            isFloat = false;
        if (!digitOrMinus && !IsHexLetter(c))
            isHex = false;
        // A thousands separator needs at least two characters since the previous one
        // (or the start): ",123" and "1,,2" are no numbers.
        if (c == thousand) {
            if (i - lastThousand < 3)
                isFloat = false;
            lastThousand = i;
        }
        if (c == decimal)
            ++decimals;
        if (c == u'-')
            ++minuses;
    }
    int result = ncNotANumber;
    if (isHex && !isInt)
        result = ncHexadecimal;
    if (isInt)
        result = ncInteger;
    else if (isFloat)
        result = ncFloat;
    if (minuses > 1 || decimals > 1)
        result = ncNotANumber;
    return result;
}

long double ToFloat(const QString& t)
{
    QString s = t;
    s.remove(TEditSeparators::Thousand());
    const std::string plain = PlainNumber(s, TEditSeparators::Decimal());
    if (plain.empty())
        return 0;
    long double value = 0;
    const auto result = std::from_chars(plain.data(), plain.data() + plain.size(), value);
    if (result.ec != std::errc() || result.ptr != plain.data() + plain.size())
        return 0;
    return value;
}

long double HexValue(const QString& t)
{
    // Left to right, each digit weighs 16 times the next: the same sum as weighing
    // each by its distance from the right end, and a zero never meets an infinity.
    long double value = 0;
    for (QChar c : t)
        value = value * 16 + HexDigitValue(c);
    return value;
}

QString HexText(long double x)
{
    constexpr long double twoTo64 = 18446744073709551616.0L;
    const long double magnitude = std::trunc(std::fabs(x));
    if (std::isnan(x) || magnitude >= twoTo64)
        return QStringLiteral("0");
    const auto digits = static_cast<unsigned long long>(magnitude);
    QString text = Format(QStringLiteral("%x"), {digits});
    if (x < 0 && digits != 0)
        text.prepend(u'-');
    return text;
}

QString HexText(qint64 n)
{
    // The magnitude as unsigned, so the smallest 64-bit value has one too.
    const unsigned long long magnitude = n < 0 ? 0 - static_cast<unsigned long long>(n) : n;
    QString text = Format(QStringLiteral("%x"), {magnitude});
    if (n < 0)
        text.prepend(u'-');
    return text;
}

QString RegroupThousands(const QString& t, long double value, bool grouped)
{
    if (t.isEmpty())
        return t;
    const QChar decimal = TEditSeparators::Decimal();
    QString rest = t;
    QString sign;
    if (rest.startsWith(u'-')) {
        sign = QStringLiteral("-");
        rest.remove(0, 1);
    }
    const qsizetype decimalAt = rest.indexOf(decimal);
    const QString fraction = decimalAt >= 0 ? rest.mid(decimalAt) : QString();
    const long double whole = std::trunc(std::fabs(value));
    QString digits = Format(grouped ? QStringLiteral("%n") : QStringLiteral("%f"), {whole}, Separators());
    const qsizetype cut = digits.indexOf(decimal);
    if (cut >= 0)
        digits.truncate(cut);
    return sign + digits + fraction;
}

QString MixedCase(const QString& s)
{
    QString r = s;
    bool cap = true;
    const int length = int(s.size());
    for (int i = 1; i <= length; ++i) {
        const QChar c = s[i - 1];
        if (c == u' ' || c == u'\'' || c == u',' || c == u'-' || c == u'.') {
            cap = true;
        } else if (cap) {
            r[i - 1] = AsciiUpper(c);
            cap = false;
        } else {
            r[i - 1] = AsciiLower(c);
        }
        // "Mc" at the start or after the first blank-Mc, and the roman numerals II and
        // III at the end, keep the next letter a capital.
        if (i == 2 && r.startsWith(QLatin1String("Mc")))
            cap = true;
        else if (i > 2 && r.indexOf(QLatin1String(" Mc")) == i - 3)
            cap = true;
        else if (i > length - 3 && (EndsWith(r, i, QLatin1String(" I")) || EndsWith(r, i, QLatin1String(" II"))))
            cap = true;
    }
    return r;
}

QString ToUpperSimple(const QString& s)
{
    return MapCodePoints(s, [](char32_t c) { return QChar::toUpper(c); });
}

QString ToLowerSimple(const QString& s)
{
    return MapCodePoints(s, [](char32_t c) { return QChar::toLower(c); });
}

bool SeparatorCheck(const QString& t, int k)
{
    const QChar thousand = TEditSeparators::Thousand();
    QString rest = t;
    if (!rest.contains(thousand))
        return true;
    int nearest = int(rest.size());
    for (qsizetype at = rest.indexOf(thousand); at >= 0; at = rest.indexOf(thousand)) {
        const int p = int(at) + 1;
        const int distance = std::abs(p - k);
        nearest = std::min(nearest, distance);
        if (distance < 3)
            return false;
        if (k > p)
            k -= p;
        rest.remove(0, p);
    }
    return nearest <= 3;
}

bool DecimalsFull(const QString& t, int c, int precision)
{
    if (precision <= 0)
        return false;
    const int p = int(t.indexOf(TEditSeparators::Decimal())) + 1;
    if (p == 0)
        return false;
    const int length = int(t.size());
    return c >= p && length - c <= precision && length - p >= precision;
}

bool IsAlphaNumericText(const QString& s)
{
    return std::all_of(s.begin(), s.end(), [](QChar c) {
        return IsDigit(c) || (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z');
    });
}

TFormatSettings Separators()
{
    TFormatSettings settings;
    settings.DecimalSeparator = TEditSeparators::Decimal();
    settings.ThousandSeparator = TEditSeparators::Thousand();
    return settings;
}

QString FixedFormat(int precision)
{
    return QStringLiteral("%.") + QString::number(precision) + u'f';
}

QString NumberFormat(int precision)
{
    return QStringLiteral("%.") + QString::number(precision) + u'n';
}

} // namespace TypedInput
