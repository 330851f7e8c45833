#include "NumberFormat.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>

namespace {

using TSection = TNumberFormat::TSection;
using TKind = TNumberFormat::TKind;

// The significant digits of a value as spreadsheets hold it, 15 of them, and
// the power of ten of the first: 2.675 is "267500000000000" and 0.
void SignificantDigits(double value, std::string& digits, int& exponent)
{
    char text[40];
    const auto result = std::to_chars(text, text + sizeof text, std::fabs(value), std::chars_format::scientific, 14);
    const std::string_view scientific(text, std::size_t(result.ptr - text));
    const std::size_t e = scientific.find('e');
    digits.clear();
    for (char c : scientific.substr(0, e))
        if (c != '.')
            digits.push_back(c);
    exponent = 0;
    const char* from = scientific.data() + e + 1;
    if (*from == '+')
        ++from;
    std::from_chars(from, scientific.data() + scientific.size(), exponent);
}

// A non-negative value with `decimals` digits after the point, rounded half up
// on its 15 significant digits, as spreadsheets round: 2.675 shows 2.68, not the
// 2.67 its binary neighbour would give.
std::string FixedText(double value, int decimals)
{
    std::string digits;
    int exponent = 0;
    SignificantDigits(value, digits, exponent);
    const int keep = exponent + 1 + decimals; // significant digits that are shown
    if (keep < 0) {
        digits.clear();
    } else if (std::size_t(keep) < digits.size()) {
        bool carry = digits[std::size_t(keep)] >= '5';
        digits.resize(std::size_t(keep));
        for (std::size_t i = digits.size(); carry && i > 0; --i) {
            carry = digits[i - 1] == '9';
            digits[i - 1] = carry ? '0' : char(digits[i - 1] + 1);
        }
        if (carry) { // 999.5 becomes 1000
            digits.insert(digits.begin(), '1');
            ++exponent;
        }
    }
    // The digits placed around the point, zeros filling what they leave open.
    const int integer = std::max(exponent + 1, 0);
    std::string out;
    for (int i = 0; i < integer; ++i)
        out.push_back(std::size_t(i) < digits.size() ? digits[std::size_t(i)] : '0');
    if (out.empty())
        out = "0";
    if (decimals > 0) {
        out.push_back('.');
        for (int i = 0; i < decimals; ++i) {
            const int at = exponent + 1 + i; // the digit's place in `digits`
            out.push_back(at >= 0 && std::size_t(at) < digits.size() ? digits[std::size_t(at)] : '0');
        }
    }
    return out;
}

// Thousands separators in the integer digits at the front of `digits`.
std::string Grouped(const std::string& digits)
{
    const std::size_t point = digits.find('.');
    const std::size_t integer = point == std::string::npos ? digits.size() : point;
    std::string out;
    for (std::size_t i = 0; i < integer; ++i) {
        if (i > 0 && (integer - i) % 3 == 0)
            out.push_back(',');
        out.push_back(digits[i]);
    }
    return out + digits.substr(integer);
}

std::string ExponentText(int exponent)
{
    std::string text = exponent < 0 ? "E-" : "E+";
    const int magnitude = std::abs(exponent);
    if (magnitude < 10)
        text.push_back('0');
    return text + std::to_string(magnitude);
}

// A non-negative number in one number section.
std::string NumberText(double value, const TSection& section)
{
    if (section.Percent)
        value *= 100;
    std::string digits;
    if (section.Scientific) {
        int exponent = value == 0 ? 0 : int(std::floor(std::log10(value)));
        std::string mantissa = FixedText(value / std::pow(10.0, exponent), section.MaxDecimals);
        if (mantissa.starts_with("10")) // 9.996 rounds up to the next power of ten
            mantissa = FixedText(value / std::pow(10.0, ++exponent), section.MaxDecimals);
        digits = mantissa + ExponentText(exponent);
    } else {
        digits = FixedText(value, section.MaxDecimals);
        // Optional decimals ("0.0#") that are zero go.
        const std::size_t point = digits.find('.');
        if (point != std::string::npos) {
            std::size_t keep = digits.size();
            while (keep > point + 1 + std::size_t(section.MinDecimals) && digits[keep - 1] == '0')
                --keep;
            if (keep == point + 1)
                keep = point;
            digits.resize(keep);
        }
        const std::size_t integer = digits.find('.') == std::string::npos ? digits.size() : digits.find('.');
        if (int(integer) < section.IntegerDigits)
            digits.insert(0, std::size_t(section.IntegerDigits) - integer, '0');
        else if (section.IntegerDigits == 0 && integer == 1 && digits[0] == '0' && digits.size() > 1)
            digits.erase(0, 1); // "#.00" shows .5
        if (section.Grouping)
            digits = Grouped(digits);
    }
    return digits + (section.Percent ? "%" : "");
}

bool IsDatePart(char c)
{
    switch (c | 0x20) {
    case 'y': case 'd': case 'm': case 'h': case 's': case 'e': case 'g':
        return true;
    default:
        return false;
    }
}

// Reads one section of a format code into what it shows.
class TSectionReader {
public:
    explicit TSectionReader(std::string_view code) : code_(code) {}

    TSection Read()
    {
        for (i_ = 0; i_ < code_.size(); ++i_)
            Take(code_[i_]);
        if (section_.Kind == TKind::Date) {
            // "m" is the month unless hours or seconds say it is minutes.
            section_.HasDate = dayOrYear_ || (months_ && !section_.HasTime);
        }
        return section_;
    }

private:
    void Literal(std::string_view text) { (patternSeen_ ? section_.Suffix : section_.Prefix).append(text); }

    void Take(char c)
    {
        switch (c) {
        case '"': {
            const std::size_t end = code_.find('"', i_ + 1);
            Literal(code_.substr(i_ + 1, end == std::string_view::npos ? std::string_view::npos : end - i_ - 1));
            i_ = end == std::string_view::npos ? code_.size() : end;
            return;
        }
        case '\\':
            if (i_ + 1 < code_.size())
                Literal(code_.substr(++i_, 1));
            return;
        case '_':
            ++i_;
            Literal(" ");
            return;
        case '*':
            ++i_; // a fill character
            return;
        case '[':
            return Bracket();
        case '@':
            return;
        default:
            break;
        }
        if (EqualsFold(code_.substr(i_, 7), "General")) {
            i_ += 6;
            patternSeen_ = true;
            return;
        }
        if (EqualsFold(code_.substr(i_, 5), "AM/PM") || EqualsFold(code_.substr(i_, 3), "A/P")) {
            i_ += EqualsFold(code_.substr(i_, 5), "AM/PM") ? 4 : 2;
            return;
        }
        if (IsDatePart(c) && section_.Kind != TKind::Number)
            return DatePart(c | 0x20);
        const bool numberPart = c == '0' || c == '#' || c == '?' || c == '.' || c == ',' || c == '%' ||
                                ((c == 'E' || c == 'e') && i_ + 1 < code_.size() && (code_[i_ + 1] == '+' || code_[i_ + 1] == '-'));
        if (numberPart && section_.Kind != TKind::Date) // in a date "." and "0" are literal
            return NumberPart(c);
        Literal(std::string_view(&code_[i_], 1));
    }

    void Bracket()
    {
        const std::size_t end = code_.find(']', i_);
        const std::string_view inside = code_.substr(i_ + 1, end == std::string_view::npos ? std::string_view::npos : end - i_ - 1);
        i_ = end == std::string_view::npos ? code_.size() : end;
        if (!inside.empty() && inside.front() == '$') // a currency: [$€-407]
            Literal(inside.substr(1, inside.find('-') == std::string_view::npos ? std::string_view::npos : inside.find('-') - 1));
        else if (!inside.empty() && (inside.front() | 0x20) == 'h')
            DatePart('h'); // elapsed hours
        else if (!inside.empty() && ((inside.front() | 0x20) == 'm' || (inside.front() | 0x20) == 's'))
            DatePart(char(inside.front() | 0x20));
        // colours and conditions show nothing
    }

    void DatePart(char c)
    {
        section_.Kind = TKind::Date;
        patternSeen_ = true;
        if (c == 'h' || c == 's')
            section_.HasTime = true;
        if (c == 's')
            section_.Seconds = true;
        if (c == 'y' || c == 'd' || c == 'e' || c == 'g')
            dayOrYear_ = true;
        if (c == 'm')
            months_ = true;
    }

    void NumberPart(char c)
    {
        section_.Kind = TKind::Number;
        patternSeen_ = true;
        switch (c) {
        case '.':
            afterPoint_ = true;
            return;
        case ',':
            section_.Grouping = section_.Grouping || (!afterPoint_ && i_ + 1 < code_.size() &&
                                                      (code_[i_ + 1] == '0' || code_[i_ + 1] == '#' || code_[i_ + 1] == '?'));
            return;
        case '%':
            section_.Percent = true;
            return;
        case 'E':
        case 'e':
            section_.Scientific = true;
            ++i_;
            while (i_ + 1 < code_.size() && (code_[i_ + 1] == '0' || code_[i_ + 1] == '#'))
                ++i_;
            return;
        default:
            if (afterPoint_) {
                ++section_.MaxDecimals;
                if (c == '0')
                    section_.MinDecimals = section_.MaxDecimals;
            } else if (c == '0') {
                ++section_.IntegerDigits;
            }
        }
    }

    static bool EqualsFold(std::string_view a, std::string_view b)
    {
        if (a.size() != b.size())
            return false;
        for (std::size_t k = 0; k < a.size(); ++k)
            if ((a[k] | 0x20) != (b[k] | 0x20))
                return false;
        return true;
    }

    std::string_view code_;
    std::size_t i_ = 0;
    TSection section_;
    bool patternSeen_ = false, afterPoint_ = false, dayOrYear_ = false, months_ = false;
};

// The sections of a code, split at ";" outside quotes, escapes and brackets.
std::vector<std::string_view> SplitSections(std::string_view code)
{
    std::vector<std::string_view> sections;
    std::size_t start = 0;
    bool quoted = false, bracket = false;
    for (std::size_t i = 0; i < code.size(); ++i) {
        const char c = code[i];
        if (c == '\\' && !quoted)
            ++i;
        else if (c == '"')
            quoted = !quoted;
        else if (!quoted && c == '[')
            bracket = true;
        else if (!quoted && c == ']')
            bracket = false;
        else if (!quoted && !bracket && c == ';') {
            sections.push_back(code.substr(start, i - start));
            start = i + 1;
        }
    }
    sections.push_back(code.substr(start));
    return sections;
}

// Days since 1970-01-01 to a civil date (the proleptic Gregorian calendar).
void CivilFromDays(std::int64_t days, int& year, int& month, int& day)
{
    days += 719468;
    const std::int64_t era = (days >= 0 ? days : days - 146096) / 146097;
    const auto dayOfEra = unsigned(days - era * 146097);
    const unsigned yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const unsigned dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const unsigned mp = (5 * dayOfYear + 2) / 153;
    day = int(dayOfYear - (153 * mp + 2) / 5 + 1);
    month = int(mp < 10 ? mp + 3 : mp - 9);
    year = int(std::int64_t(yearOfEra) + era * 400 + (month <= 2));
}

std::string TwoDigits(int value)
{
    return std::string(1, char('0' + value / 10 % 10)) + char('0' + value % 10);
}

} // namespace

std::string GeneralNumberText(double value)
{
    if (!std::isfinite(value))
        return std::isnan(value) ? "#NUM!" : (value < 0 ? "-INF" : "INF");
    if (value == 0)
        return "0";
    char text[40];
    const auto result = std::to_chars(text, text + sizeof text, value, std::chars_format::scientific, 14);
    std::string_view scientific(text, std::size_t(result.ptr - text));
    const std::size_t e = scientific.find('e');
    int exponent = 0;
    std::from_chars(scientific.data() + e + (scientific[e + 1] == '+' ? 2 : 1), scientific.data() + scientific.size(),
                    exponent);
    const bool negative = scientific.front() == '-';
    std::string digits; // the significant digits without trailing zeros
    for (char c : scientific.substr(negative ? 1 : 0, e - (negative ? 1 : 0)))
        if (c != '.')
            digits.push_back(c);
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();
    std::string out = negative ? "-" : "";
    if (exponent >= 15 || exponent < -9) {
        out += digits.substr(0, 1);
        if (digits.size() > 1)
            out += "." + digits.substr(1);
        return out + ExponentText(exponent);
    }
    if (exponent < 0)
        return out + "0." + std::string(std::size_t(-exponent - 1), '0') + digits;
    const std::size_t integer = std::size_t(exponent) + 1;
    if (digits.size() <= integer)
        return out + digits + std::string(integer - digits.size(), '0');
    return out + digits.substr(0, integer) + "." + digits.substr(integer);
}

std::string SerialDateText(double serial, bool date1904, bool withDate, bool withTime, bool seconds)
{
    if (!std::isfinite(serial) || serial < 0 || serial > 2958466)
        return GeneralNumberText(serial); // outside the dates a spreadsheet shows
    auto totalSeconds = std::int64_t(std::llround(serial * 86400.0));
    std::int64_t days = totalSeconds / 86400;
    const std::int64_t secondOfDay = totalSeconds % 86400;
    std::string text;
    if (withDate || !withTime) {
        int year = 1900, month = 2, day = 29;
        // Day 60 of the 1900 system is the 29 February 1900 that never was; the
        // days before it count from 31 December 1899.
        if (date1904 || days != 60) {
            const std::int64_t epoch = date1904 ? -24107 : (days < 60 ? -25568 : -25569); // days from 1970
            CivilFromDays(epoch + days, year, month, day);
        }
        text = std::to_string(year) + "-" + TwoDigits(month) + "-" + TwoDigits(day);
    }
    if (withTime) {
        if (!text.empty())
            text += " ";
        text += TwoDigits(int(secondOfDay / 3600)) + ":" + TwoDigits(int(secondOfDay / 60 % 60));
        if (seconds)
            text += ":" + TwoDigits(int(secondOfDay % 60));
    }
    return text;
}

TNumberFormat TNumberFormat::FromCode(std::string_view code)
{
    TNumberFormat format;
    for (std::string_view section : SplitSections(code))
        format.sections_.push_back(TSectionReader(section).Read());
    if (format.sections_.size() == 1 && format.sections_.front().Kind == TKind::General &&
        format.sections_.front().Prefix.empty() && format.sections_.front().Suffix.empty())
        format.sections_.clear();
    return format;
}

TNumberFormat TNumberFormat::Builtin(int id)
{
    switch (id) {
    case 1: return FromCode("0");
    case 2: return FromCode("0.00");
    case 3: return FromCode("#,##0");
    case 4: return FromCode("#,##0.00");
    case 9: return FromCode("0%");
    case 10: return FromCode("0.00%");
    case 11: return FromCode("0.00E+00");
    case 14: case 15: case 16: case 17: return FromCode("yyyy-mm-dd");
    case 18: case 20: return FromCode("hh:mm");
    case 19: case 21: case 45: case 46: case 47: return FromCode("hh:mm:ss");
    case 22: return FromCode("yyyy-mm-dd hh:mm");
    case 37: case 38: return FromCode("#,##0;-#,##0");
    case 39: case 40: return FromCode("#,##0.00;-#,##0.00");
    case 48: return FromCode("##0.0E+0");
    default:
        // The formats of East Asian locales (27 to 36, 50 to 81) are dates.
        if ((id >= 27 && id <= 36) || (id >= 50 && id <= 81))
            return FromCode("yyyy-mm-dd");
        return TNumberFormat();
    }
}

std::string TNumberFormat::Show(double value, bool date1904) const
{
    if (sections_.empty() || !std::isfinite(value))
        return GeneralNumberText(value);
    const TSection* section = &sections_[0];
    bool sign = value < 0;
    if (value < 0 && sections_.size() >= 2) {
        section = &sections_[1]; // the negative section writes its own sign
        sign = false;
    } else if (value == 0 && sections_.size() >= 3) {
        section = &sections_[2];
    }
    std::string shown;
    switch (section->Kind) {
    case TKind::General:
        shown = GeneralNumberText(std::fabs(value));
        break;
    case TKind::Number:
        shown = NumberText(std::fabs(value), *section);
        break;
    case TKind::Date: // in ISO form, whatever the format writes around and between its parts
        return SerialDateText(value, date1904, section->HasDate, section->HasTime, section->Seconds);
    }
    return (sign ? "-" : "") + section->Prefix + shown + section->Suffix;
}
