#include "CodeDecoder.h"

#include "Blanks.h"
#include "PlateCodes.h"
#include "ShownText.h"
#include "UWG26.h"
#include "WindowText.h"

#include <array>
#include <charconv>

namespace {

const char* const kExpected26 = WINDOW_TEXT("TDecodeError", 
    "expected 1 to 7 hex digits such as 0x3019E2A, 26 binary digits, or a facility code and ID number "
    "such as 128/53013");
const char* const kExpected64 = WINDOW_TEXT("TDecodeError", "expected 16 hex digits such as 0x600002191555EBDB, or 64 binary digits");
const char* const kExpectedAny = WINDOW_TEXT("TDecodeError", 
    "expected a 26-bit code (1 to 7 hex digits such as 0x3019E2A, 26 binary digits, or a facility code and "
    "ID number such as 128/53013) or a 64-bit code (16 hex digits or 64 binary digits)");

int HexDigitValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// The value of a run of hex digits, none when a character is not one.
std::optional<std::uint64_t> HexDigitsValue(std::string_view digits)
{
    std::uint64_t value = 0;
    for (char c : digits) {
        const int digit = HexDigitValue(c);
        if (digit < 0)
            return std::nullopt;
        value = (value << 4) | std::uint64_t(digit);
    }
    return value;
}

std::string Count(std::size_t n) { return std::to_string(n); }

// What a trimmed input looks like, before a decoder decides what it means.
struct TCodeForm {
    enum class TKind { Empty, Hex, Binary, Pair, Other } Kind = TKind::Other;
    std::size_t Digits = 0;   // hex or binary digits
    bool Separated = false;   // binary digits with blanks or "_" between them
    std::uint64_t Value = 0;  // the digits' value while they fit in 64 bits
};

bool IsDecimalDigits(std::string_view t)
{
    return !t.empty() && t.find_first_not_of("0123456789") == std::string_view::npos;
}

// Where a facility code and ID number pair separates its numbers: "/", ":", ";",
// or the blanks between two numbers of up to 3 and up to 5 digits (more are
// binary digits in groups). Returns the separator's start and end, or none when
// the text is no pair.
std::optional<std::pair<std::size_t, std::size_t>> PairSeparator(std::string_view t)
{
    const std::size_t sign = t.find_first_of("/:;");
    if (sign != std::string_view::npos)
        return std::pair{sign, sign + 1};
    const std::size_t blank = t.find_first_of(" \t");
    if (blank == std::string_view::npos)
        return std::nullopt;
    const std::size_t end = t.find_first_not_of(" \t", blank);
    const std::string_view first = t.substr(0, blank), second = t.substr(end);
    if (!IsDecimalDigits(first) || !IsDecimalDigits(second) || first.size() > 3 || second.size() > 5)
        return std::nullopt;
    return std::pair{blank, end};
}

bool IsBinaryForm(std::string_view t)
{
    if (t.empty() || (t.front() != '0' && t.front() != '1') || (t.back() != '0' && t.back() != '1'))
        return false;
    for (char c : t) {
        if (c != '0' && c != '1' && c != '_' && !IsBlank(c))
            return false;
    }
    return true;
}

TCodeForm Classify(std::string_view t)
{
    TCodeForm form;
    if (t.empty()) {
        form.Kind = TCodeForm::TKind::Empty;
    } else if (PairSeparator(t)) {
        form.Kind = TCodeForm::TKind::Pair;
    } else if (IsBinaryForm(t)) {
        form.Kind = TCodeForm::TKind::Binary;
        for (char c : t) {
            if (c == '0' || c == '1') {
                form.Value = (form.Value << 1) | std::uint64_t(c - '0');
                ++form.Digits;
            } else {
                form.Separated = true;
            }
        }
    } else {
        std::string_view body = t;
        if (body.size() >= 2 && body[0] == '0' && (body[1] == 'x' || body[1] == 'X'))
            body.remove_prefix(2);
        const std::optional<std::uint64_t> value = HexDigitsValue(body);
        if (!value)
            return TCodeForm{};
        form.Kind = TCodeForm::TKind::Hex;
        form.Value = *value;
        form.Digits = body.size();
        if (form.Digits == 0)
            throw TDecodeError(WINDOW_TEXT("TDecodeError", "expected hex digits after 0x"));
    }
    return form;
}

// Binary digits without separators that are just as well hex digits.
TCodeForm AsHex(TCodeForm form, std::string_view t)
{
    form.Kind = TCodeForm::TKind::Hex;
    form.Value = 0;
    for (char c : t)
        form.Value = (form.Value << 4) | std::uint64_t(HexDigitValue(c));
    return form;
}

// One decimal number of a facility code and ID number pair, at most `limit`.
std::uint32_t ReadPairPart(std::string_view text, std::uint32_t limit, const char* tooLarge)
{
    text = TrimBlanks(text);
    std::uint64_t value = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || end != text.data() + text.size())
        throw TDecodeError(WINDOW_TEXT("TDecodeError", "expected a facility code and ID number such as 128/53013"));
    if (ec != std::errc() || value > limit)
        throw TDecodeError(tooLarge, {ShownText(text), std::to_string(limit)});
    return std::uint32_t(value);
}

std::uint32_t PairFrame(std::string_view t)
{
    const auto [sep, end] = *PairSeparator(t);
    const std::uint32_t facility = ReadPairPart(t.substr(0, sep), 255, WINDOW_TEXT("TDecodeError", "facility code %1 is above %2"));
    const std::uint32_t id = ReadPairPart(t.substr(end), 65535, WINDOW_TEXT("TDecodeError", "ID number %1 is above %2"));
    return Wiegand26Frame((facility << 16) | id);
}

std::uint32_t Frame26(std::string_view t, const char* expected)
{
    TCodeForm form = Classify(t);
    using K = TCodeForm::TKind;
    if (form.Kind == K::Pair)
        return PairFrame(t);
    if (form.Kind == K::Binary) {
        if (form.Digits == 26)
            return std::uint32_t(form.Value);
        if (form.Separated)
            throw TDecodeError(WINDOW_TEXT("TDecodeError", "expected 26 binary digits, got %1"), {Count(form.Digits)});
        if (form.Digits > 7)
            throw TDecodeError(WINDOW_TEXT("TDecodeError", "expected 1 to 7 hex digits or 26 binary digits, got %1 digits"),
                               {Count(form.Digits)});
        form = AsHex(form, t);
    }
    if (form.Kind == K::Hex) {
        if (form.Digits > 7)
            throw TDecodeError(WINDOW_TEXT("TDecodeError", "expected 1 to 7 hex digits, got %1"), {Count(form.Digits)});
        if (form.Value >= kWiegand26Limit) {
            throw TDecodeError(WINDOW_TEXT("TDecodeError", "%1 is above the largest 26-bit frame 0x3FFFFFF"),
                               {CodeText(TCodeTable::Wiegand26, form.Value)});
        }
        return std::uint32_t(form.Value);
    }
    throw TDecodeError(expected);
}

std::uint64_t Code64(std::string_view t)
{
    TCodeForm form = Classify(t);
    using K = TCodeForm::TKind;
    if (form.Kind == K::Binary) {
        if (form.Digits == 64)
            return form.Value;
        if (form.Separated || form.Digits > 16)
            throw TDecodeError(WINDOW_TEXT("TDecodeError", "expected 64 binary digits, got %1"), {Count(form.Digits)});
        form = AsHex(form, t);
    }
    if (form.Kind == K::Hex) {
        if (form.Digits != 16)
            throw TDecodeError(WINDOW_TEXT("TDecodeError", "expected 16 hex digits, got %1"), {Count(form.Digits)});
        return form.Value;
    }
    throw TDecodeError(kExpected64);
}

TWiegand26Decoded Decode26Frame(std::uint32_t frame)
{
    TWiegand26Decoded d;
    d.Frame = frame;
    d.Payload = Wiegand26Payload(frame);
    const std::uint32_t sound = Wiegand26Frame(d.Payload);
    d.EvenParityOk = ((frame ^ sound) & kWiegand26EvenParityBit) == 0;
    d.OddParityOk = ((frame ^ sound) & kWiegand26OddParityBit) == 0;
    d.FacilityCode = FacilityCodeOf(d.Payload);
    d.IdNumber = IdNumberOf(d.Payload);
    return d;
}

// The plate byte of each group value, read back from the table the code is
// packed with; 0 where no byte gives the value.
constexpr std::array<unsigned char, 64> GroupBytes()
{
    std::array<unsigned char, 64> bytes{};
    for (int b = 255; b >= 0; --b)
        bytes[std::size_t(Wiegand64Group(static_cast<unsigned char>(b)))] = static_cast<unsigned char>(b);
    return bytes;
}
constexpr std::array<unsigned char, 64> kGroupBytes = GroupBytes();

TWiegand64Decoded Decode64Code(std::uint64_t code)
{
    TWiegand64Decoded d;
    d.Code = code;
    d.PrefixOk = (d.Code & kWiegand64PrefixMask) == kWiegand64Prefix;
    for (int g = 1; g <= kWiegand64GroupCount; ++g) {
        const int value = Wiegand64GroupAt(d.Code, g);
        if (value == kWiegand64EmptyGroup) {
            if (!d.PlateText.empty())
                throw TDecodeError(WINDOW_TEXT("TDecodeError", "group %1 is 0 (empty) after a character; no plate gives that"),
                                   {std::to_string(g)});
            continue;
        }
        if (value != kWiegand64OtherGroup && kGroupBytes[std::size_t(value)] == 0)
            throw TDecodeError(WINDOW_TEXT("TDecodeError", "group %1 has the value %2, which no plate gives"),
                               {std::to_string(g), std::to_string(value)});
        d.PlateText.push_back(value == kWiegand64OtherGroup ? '?' : char(kGroupBytes[std::size_t(value)]));
    }
    if (d.PlateText.empty())
        throw TDecodeError(WINDOW_TEXT("TDecodeError", "all ten groups are 0 (empty); no plate gives that"));
    return d;
}

// Why an input that no reading takes is no code of either kind, by its form.
[[noreturn]] void ThrowNoCode(std::string_view t)
{
    const TCodeForm form = Classify(t);
    using K = TCodeForm::TKind;
    const bool hexLike = form.Kind == K::Hex || (form.Kind == K::Binary && !form.Separated);
    if ((form.Kind == K::Binary && form.Digits == 64) || (hexLike && form.Digits == 16))
        DecodeWiegand64(t);
    if (form.Kind == K::Hex && form.Digits > 7)
        throw TDecodeError(WINDOW_TEXT("TDecodeError", "expected 1 to 7 hex digits for a 26-bit code or 16 for a 64-bit code, got %1"),
                           {Count(form.Digits)});
    if (form.Kind == K::Binary && form.Separated && form.Digits != 26)
        throw TDecodeError(WINDOW_TEXT("TDecodeError", "expected 26 or 64 binary digits, got %1"), {Count(form.Digits)});
    Frame26(t, kExpectedAny);
    throw TDecodeError(kExpectedAny); // not reached: the frame reading failed before
}

std::optional<std::uint64_t> DecimalValue(std::string_view t, std::size_t maxDigits)
{
    if (!IsDecimalDigits(t) || t.size() > maxDigits)
        return std::nullopt;
    std::uint64_t value = 0;
    if (std::from_chars(t.data(), t.data() + t.size(), value).ec != std::errc())
        return std::nullopt;
    return value;
}

// The payload of a truncated digest: "0x" and 6 hex digits, or 1 to 8 decimal
// digits up to 16777215.
std::optional<std::uint32_t> PayloadHexValue(std::string_view t)
{
    if (t.size() != 8 || t[0] != '0' || (t[1] != 'x' && t[1] != 'X'))
        return std::nullopt;
    const std::optional<std::uint64_t> value = HexDigitsValue(t.substr(2));
    if (!value)
        return std::nullopt;
    return std::uint32_t(*value);
}

std::optional<std::uint32_t> PayloadDecValue(std::string_view t)
{
    const std::optional<std::uint64_t> value = DecimalValue(t, 8);
    if (!value || *value > 0xFFFFFFu)
        return std::nullopt;
    return std::uint32_t(*value);
}

// The payload of a full digest: its last 24 bits.
std::optional<std::uint32_t> DigestPayload(std::string_view t)
{
    if (t.size() >= 2 && t[0] == '0' && (t[1] == 'x' || t[1] == 'X'))
        t.remove_prefix(2);
    std::size_t digits = 0;
    std::uint32_t last = 0;
    for (char c : t) {
        if (IsBlank(c) && digits > 0)
            continue;
        const int digit = HexDigitValue(c);
        if (digit < 0)
            return std::nullopt;
        last = (last << 4) | std::uint32_t(digit);
        ++digits;
    }
    if (digits != 40)
        return std::nullopt;
    return last & 0xFFFFFFu;
}

// The sentence with %1, %2 ... replaced by the values.
std::string Filled(std::string_view sentence, const std::vector<std::string>& values)
{
    std::string text;
    for (std::size_t i = 0; i < sentence.size(); ++i) {
        const std::size_t n = i + 1 < sentence.size() ? std::size_t(sentence[i + 1] - '1') : values.size();
        if (sentence[i] == '%' && n < values.size()) {
            text += values[n];
            ++i;
        } else {
            text += sentence[i];
        }
    }
    return text;
}

} // namespace

TDecodeError::TDecodeError(const char* sentence, std::vector<std::string> values)
    : std::runtime_error(Filled(sentence, values)), sentence_(sentence), values_(std::move(values))
{
}

TWiegand26Decoded DecodeWiegand26(std::string_view text)
{
    return Decode26Frame(Frame26(TrimBlanks(text), kExpected26));
}

TWiegand64Decoded DecodeWiegand64(std::string_view text)
{
    return Decode64Code(Code64(TrimBlanks(text)));
}

std::vector<TCodeReading> ReadCode(std::string_view text, TCodeKinds kinds)
{
    const std::string_view t = TrimBlanks(text);
    const bool read26 = kinds != TCodeKinds::Wiegand64;
    const bool read64 = kinds != TCodeKinds::Wiegand26;
    std::vector<TCodeReading> readings;
    auto payload = [&](TReadAs as, std::optional<std::uint32_t> value) {
        if (value)
            readings.push_back({as, Decode26Frame(Wiegand26Frame(*value))});
    };
    if (read26) {
        payload(TReadAs::PayloadDec, PayloadDecValue(t));
        payload(TReadAs::PayloadHex, PayloadHexValue(t));
        payload(TReadAs::Digest, DigestPayload(t));
        try {
            readings.push_back({TReadAs::Frame26, DecodeWiegand26(t)});
        } catch (const TDecodeError&) {
        }
    }
    if (read64) {
        try {
            readings.push_back({TReadAs::Code64, DecodeWiegand64(t)});
        } catch (const TDecodeError&) {
        }
        // More decimal digits than any other reading takes: a group value no
        // plate gives is the input's error.
        if (t.size() > 16) {
            if (const std::optional<std::uint64_t> value = DecimalValue(t, 20))
                readings.push_back({TReadAs::Code64Dec, Decode64Code(*value)});
        }
    }
    if (readings.empty()) {
        if (kinds == TCodeKinds::Wiegand26)
            DecodeWiegand26(t);
        else if (kinds == TCodeKinds::Wiegand64)
            DecodeWiegand64(t);
        else
            ThrowNoCode(t);
    }
    return readings;
}

std::string_view ReadAsText(TReadAs as)
{
    switch (as) {
    case TReadAs::PayloadDec: return kWiegand26Columns[Wiegand26Column::PayloadDec].Header;
    case TReadAs::PayloadHex: return kWiegand26Columns[Wiegand26Column::PayloadHex].Header;
    case TReadAs::Digest: return kWiegand26Columns[Wiegand26Column::Digest].Header;
    case TReadAs::Frame26: return "Wiegand 26-bit";
    case TReadAs::Code64: return "Wiegand 64-bit";
    case TReadAs::Code64Dec: return kWiegand64Columns[Wiegand64Column::Decimal].Header;
    }
    return {};
}

std::uint64_t SearchKey(const TDecodedCode& decoded)
{
    if (const auto* d26 = std::get_if<TWiegand26Decoded>(&decoded))
        return d26->Payload;
    return Wiegand64Groups(std::get<TWiegand64Decoded>(decoded).Code);
}

std::string_view ParityText(const TWiegand26Decoded& d)
{
    if (d.ParityOk())
        return "ok";
    if (!d.EvenParityOk && !d.OddParityOk)
        return "both parity bits wrong";
    return d.EvenParityOk ? "odd parity bit wrong" : "even parity bit wrong";
}

std::string_view PrefixText(const TWiegand64Decoded& d)
{
    return d.PrefixOk ? "ok" : "not 0110";
}

namespace {

void AppendBits(std::string& out, std::uint64_t value, int from, int count)
{
    for (int bit = from; bit > from - count; --bit)
        out.push_back(char('0' + ((value >> bit) & 1)));
}

} // namespace

std::string Wiegand26BitGroups(std::uint32_t frame)
{
    std::string bits;
    AppendBits(bits, frame, 25, 1);
    bits.push_back(' ');
    AppendBits(bits, frame, 24, 8);
    bits.push_back(' ');
    AppendBits(bits, frame, 16, 16);
    bits.push_back(' ');
    AppendBits(bits, frame, 0, 1);
    return bits;
}

std::string Wiegand64BitGroups(std::uint64_t code)
{
    std::string bits;
    AppendBits(bits, code, 63, 4);
    for (int g = 1; g <= kWiegand64GroupCount; ++g) {
        bits.push_back(' ');
        AppendBits(bits, std::uint64_t(Wiegand64GroupAt(code, g)), kWiegand64GroupBits - 1, kWiegand64GroupBits);
    }
    return bits;
}

std::optional<std::uint64_t> ParseHexCell(std::string_view text, int maxDigits)
{
    if (text.size() < 3 || text.size() > std::size_t(maxDigits) + 2 || text[0] != '0' || text[1] != 'x')
        return std::nullopt;
    return HexDigitsValue(text.substr(2));
}
