#include "Format.h"

#include <QLocale>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>

namespace {

// Bounds that keep a user's format from asking for absurd amounts of text.
constexpr int MaxWidth = 1024;
constexpr int MaxPrecision = 1024;
// Significant digits e and g write at most: what an extended value carries.
constexpr int MaxSignificant = 18;

struct TConversion {
    bool LeftAlign = false;
    int Width = 0;
    int Precision = -1; // -1: none given
    char Type = 0;      // lower case
};

bool IsDigit(QChar c) { return c >= u'0' && c <= u'9'; }

// Reads a decimal number at `i`; false when it exceeds `limit`.
bool ReadNumber(const QString& format, qsizetype& i, int limit, int& value)
{
    value = 0;
    for (; i < format.size() && IsDigit(format[i]); ++i) {
        value = value * 10 + (format[i].unicode() - u'0');
        if (value > limit)
            return false;
    }
    return true;
}

// Reads the conversion after a "%" at `i`; false when it is malformed.
bool ReadConversion(const QString& format, qsizetype& i, TConversion& conversion)
{
    if (i < format.size() && format[i] == u'-') {
        conversion.LeftAlign = true;
        ++i;
    }
    if (!ReadNumber(format, i, MaxWidth, conversion.Width))
        return false;
    if (i < format.size() && format[i] == u'.') {
        ++i;
        if (!ReadNumber(format, i, MaxPrecision, conversion.Precision))
            return false;
    }
    if (i >= format.size())
        return false;
    const char type = char(format[i++].toLower().unicode());
    switch (type) {
    case 'd': case 'x': case 'f': case 'n': case 'e': case 'g': case 's':
        conversion.Type = type;
        return true;
    default:
        return false;
    }
}

QString ZeroFilled(QString digits, int precision)
{
    if (digits.size() < precision)
        digits.prepend(QString(precision - digits.size(), u'0'));
    return digits;
}

bool FormatInteger(const TConversion& c, const TFormatArg& arg, QString& text)
{
    const bool isSigned = arg.Kind() == TFormatArg::TKind::Signed;
    if (!isSigned && arg.Kind() != TFormatArg::TKind::Unsigned)
        return false;
    const std::int64_t value = arg.SignedValue();
    if (c.Type == 'x') {
        std::uint64_t bits = arg.UnsignedValue();
        if (isSigned)
            bits = arg.Bits() == 32 ? std::uint32_t(value) : std::uint64_t(value);
        text = ZeroFilled(QString::number(bits, 16).toUpper(), c.Precision);
        return true;
    }
    const bool negative = isSigned && value < 0;
    // The magnitude as unsigned, so that the smallest 64-bit value has one too.
    const std::uint64_t magnitude =
        !isSigned ? arg.UnsignedValue() : negative ? 0 - std::uint64_t(value) : std::uint64_t(value);
    text = ZeroFilled(QString::number(magnitude), c.Precision);
    if (negative)
        text.prepend(u'-');
    return true;
}

// |value| in fixed notation with "." as decimal point.
std::string FixedText(long double magnitude, int decimals)
{
    char small[128]; // enough for every value a grid cell usually shows
    auto result = std::to_chars(small, small + sizeof small, magnitude, std::chars_format::fixed, decimals);
    if (result.ec == std::errc())
        return std::string(small, result.ptr);
    // Up to 4933 integer digits near the top of the extended range.
    std::string buffer(std::size_t(5000 + decimals), '\0');
    result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), magnitude, std::chars_format::fixed, decimals);
    buffer.resize(std::size_t(result.ptr - buffer.data()));
    return buffer;
}

// |value| rounded to `significant` digits: the digits and the decimal exponent of the first.
void ScientificDigits(long double magnitude, int significant, std::string& digits, int& exponent)
{
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, magnitude,
                                      std::chars_format::scientific, significant - 1);
    const std::string text(buffer, result.ptr);
    const std::size_t e = text.find('e');
    digits.clear();
    for (std::size_t k = 0; k < e; ++k)
        if (text[k] != '.')
            digits += text[k];
    exponent = std::stoi(text.substr(e + 1));
}

// A fixed text ("1234.50") with the settings' separators, grouped when asked.
QString Localized(const std::string& fixed, bool grouped, const TFormatSettings& settings)
{
    const std::size_t dot = fixed.find('.');
    const std::string whole = fixed.substr(0, dot);
    QString text;
    for (std::size_t k = 0; k < whole.size(); ++k) {
        if (grouped && k > 0 && (whole.size() - k) % 3 == 0)
            text += settings.ThousandSeparator;
        text += QChar(whole[k]);
    }
    if (dot != std::string::npos)
        text += settings.DecimalSeparator + QString::fromLatin1(fixed.substr(dot + 1));
    return text;
}

std::string WithoutTrailingZeros(std::string digits)
{
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();
    return digits;
}

QString GeneralText(long double magnitude, int significant, const TFormatSettings& settings)
{
    if (magnitude == 0)
        return QStringLiteral("0");
    std::string digits;
    int exponent = 0;
    ScientificDigits(magnitude, significant, digits, exponent);
    digits = WithoutTrailingZeros(digits);
    if (exponent >= significant || exponent < -5) {
        QString text = QChar(digits[0]);
        if (digits.size() > 1)
            text += settings.DecimalSeparator + QString::fromLatin1(digits.substr(1));
        return text + u'E' + QString::number(exponent);
    }
    std::string fixed;
    if (exponent >= 0) {
        digits.resize(std::max(digits.size(), std::size_t(exponent) + 1), '0');
        fixed = digits.substr(0, std::size_t(exponent) + 1);
        if (digits.size() > std::size_t(exponent) + 1)
            fixed += '.' + digits.substr(std::size_t(exponent) + 1);
    } else {
        fixed = "0." + std::string(std::size_t(-exponent - 1), '0') + digits;
    }
    return Localized(fixed, false, settings);
}

QString ExponentText(long double magnitude, int significant, const TFormatSettings& settings)
{
    std::string digits;
    int exponent = 0;
    ScientificDigits(magnitude, significant, digits, exponent);
    QString text = QChar(digits[0]);
    if (digits.size() > 1)
        text += settings.DecimalSeparator + QString::fromLatin1(digits.substr(1));
    text += exponent < 0 ? QStringLiteral("E-") : QStringLiteral("E+");
    return text + QString::number(std::abs(exponent)).rightJustified(3, u'0');
}

bool FormatFloat(const TConversion& c, const TFormatArg& arg, const TFormatSettings& settings, QString& text)
{
    if (arg.Kind() != TFormatArg::TKind::Float)
        return false;
    const long double value = arg.FloatValue();
    if (std::isnan(value)) {
        text = QStringLiteral("NAN");
        return true;
    }
    if (std::isinf(value)) {
        text = value < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");
        return true;
    }
    const long double magnitude = std::fabs(value);
    const int significant = std::clamp(c.Precision < 0 ? 15 : c.Precision, 1, MaxSignificant);
    const int decimals = c.Precision < 0 ? 2 : c.Precision;
    switch (c.Type) {
    case 'f': text = Localized(FixedText(magnitude, decimals), false, settings); break;
    case 'n': text = Localized(FixedText(magnitude, decimals), true, settings); break;
    case 'e': text = ExponentText(magnitude, significant, settings); break;
    default: text = GeneralText(magnitude, significant, settings); break;
    }
    // No sign on a value that shows as zero: -0.001 in "%.2f" is 0.00, not -0.00.
    // (A mantissa that is not zero has a digit 1 to 9; a zero one has an exponent of 0.)
    const bool showsNonZero = std::any_of(text.begin(), text.end(), [](QChar ch) {
        return ch >= u'1' && ch <= u'9';
    });
    if (value < 0 && showsNonZero)
        text.prepend(u'-');
    return true;
}

bool FormatOne(const TConversion& c, const TFormatArg& arg, const TFormatSettings& settings, QString& text)
{
    switch (c.Type) {
    case 'd': case 'x':
        return FormatInteger(c, arg, text);
    case 's':
        if (arg.Kind() != TFormatArg::TKind::Text)
            return false;
        text = c.Precision >= 0 ? arg.TextValue().left(c.Precision) : arg.TextValue();
        return true;
    default:
        return FormatFloat(c, arg, settings, text);
    }
}

bool FormatTo(const QString& format, const TFormatArgs& args, const TFormatSettings& settings, QString& out)
{
    out.clear();
    std::size_t next = 0;
    for (qsizetype i = 0; i < format.size();) {
        const QChar ch = format[i++];
        if (ch != u'%') {
            out += ch;
            continue;
        }
        if (i < format.size() && format[i] == u'%') {
            out += u'%';
            ++i;
            continue;
        }
        TConversion conversion;
        QString text;
        if (!ReadConversion(format, i, conversion) || next >= args.size() ||
            !FormatOne(conversion, args[next++], settings, text))
            return false;
        if (text.size() < conversion.Width) {
            const QString blanks(conversion.Width - text.size(), u' ');
            text = conversion.LeftAlign ? text + blanks : blanks + text;
        }
        out += text;
    }
    return next == args.size();
}

QString FromLocale(const QString& separator, const QString& fallback)
{
    return separator.isEmpty() ? fallback : separator;
}

} // namespace

const TFormatSettings& TFormatSettings::System()
{
    static const TFormatSettings settings = [] {
        const QLocale locale = QLocale::system();
        TFormatSettings s;
        s.DecimalSeparator = FromLocale(locale.decimalPoint(), QStringLiteral("."));
        s.ThousandSeparator = FromLocale(locale.groupSeparator(), QStringLiteral(","));
        return s;
    }();
    return settings;
}

EFormatError::EFormatError(const QString& format)
    : std::runtime_error(QStringLiteral("Format '%1' invalid or incompatible with argument").arg(format).toStdString())
{
}

QString Format(const QString& format, const TFormatArgs& args, const TFormatSettings& settings)
{
    QString out;
    if (!FormatTo(format, args, settings, out))
        throw EFormatError(format);
    return out;
}

std::optional<QString> TryFormat(const QString& format, const TFormatArgs& args, const TFormatSettings& settings)
{
    QString out;
    if (!FormatTo(format, args, settings, out))
        return std::nullopt;
    return out;
}

QString FormatFloatOrGeneral(const QString& format, long double value, const TFormatSettings& settings)
{
    if (auto text = TryFormat(format, {value}, settings))
        return *text;
    return Format(QStringLiteral("%g"), {value}, settings);
}
