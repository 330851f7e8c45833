#pragma once
// The toolkit's format function: fills a format string with a list of arguments.
//
// A conversion is "%" ["-"] [width] ["." precision] type, with the type one of
// (upper or lower case):
//   d  a signed or unsigned integer in decimal; precision = minimum digits, zero-filled
//   x  an integer in hexadecimal, digits A to F in upper case; precision = minimum
//      digits, zero-filled; a negative integer is written as its two's complement
//      in the argument's own width (32 or 64 bits)
//   f  a floating value, fixed-point; precision = decimals (default 2)
//   n  like f, with the integer part grouped in thousands
//   e  a floating value as d.ddd...E+ddd; precision = significant digits (default 15)
//   g  a floating value in the shorter of fixed and scientific notation; precision =
//      significant digits (default 15), trailing zeros removed; scientific when the
//      integer part has more digits than the precision or the value is below 0.00001
//   s  a text; precision = maximum characters
// Width pads with blanks on the left, or on the right with "-". "%%" is a "%".
// f, n, e and g use the decimal and thousands separators of the settings.
//
// A format that does not match its arguments (an unknown conversion, an argument of
// the wrong kind, too few or too many arguments, an oversized width or precision) is
// an error: Format throws EFormatError and TryFormat gives no text. Formats a user can
// edit are therefore safe to use.

#include <QString>

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <vector>

// The separators f, n, e and g write.
struct TFormatSettings {
    QString DecimalSeparator = QStringLiteral(".");
    QString ThousandSeparator = QStringLiteral(",");

    // The user's regional settings, read once at first use; "." and "," when none are set.
    static const TFormatSettings& System();
};

// One argument: an integer, a floating value or a text.
class TFormatArg {
public:
    enum class TKind { Signed, Unsigned, Float, Text };

    TFormatArg(int value) : kind_(TKind::Signed), signed_(value), bits_(32) {}
    TFormatArg(long value) : kind_(TKind::Signed), signed_(value), bits_(64) {}
    TFormatArg(long long value) : kind_(TKind::Signed), signed_(value), bits_(64) {}
    TFormatArg(unsigned value) : kind_(TKind::Unsigned), unsigned_(value) {}
    TFormatArg(unsigned long value) : kind_(TKind::Unsigned), unsigned_(value) {}
    TFormatArg(unsigned long long value) : kind_(TKind::Unsigned), unsigned_(value) {}
    TFormatArg(double value) : kind_(TKind::Float), float_(value) {}
    TFormatArg(long double value) : kind_(TKind::Float), float_(value) {}
    TFormatArg(const QString& value) : kind_(TKind::Text), text_(value) {}
    TFormatArg(const char* value) : kind_(TKind::Text), text_(QString::fromUtf8(value)) {}

    TKind Kind() const { return kind_; }
    std::int64_t SignedValue() const { return signed_; }
    std::uint64_t UnsignedValue() const { return unsigned_; }
    long double FloatValue() const { return float_; }
    const QString& TextValue() const { return text_; }
    // The width of a signed integer in bits (32 or 64).
    int Bits() const { return bits_; }

private:
    TKind kind_;
    std::int64_t signed_ = 0;
    std::uint64_t unsigned_ = 0;
    long double float_ = 0;
    QString text_;
    int bits_ = 64;
};

using TFormatArgs = std::vector<TFormatArg>;

class EFormatError : public std::runtime_error {
public:
    explicit EFormatError(const QString& format);
};

// Throws EFormatError when the format does not match the arguments.
QString Format(const QString& format, const TFormatArgs& args,
               const TFormatSettings& settings = TFormatSettings::System());

// The formatted text, or nothing when the format does not match the arguments.
std::optional<QString> TryFormat(const QString& format, const TFormatArgs& args,
                                 const TFormatSettings& settings = TFormatSettings::System());

// One floating value in a format a user chose; a format that cannot take exactly one
// floating value gives the general format "%g" instead of failing.
QString FormatFloatOrGeneral(const QString& format, long double value,
                             const TFormatSettings& settings = TFormatSettings::System());
