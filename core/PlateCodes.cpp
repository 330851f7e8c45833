#include "PlateCodes.h"

#include "NumberText.h"
#include "ShortBytes.h"
#include "UWG26.h"
#include "UWG64.h"

#include <unicode/uchar.h>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include <algorithm>
#include <bit>
#include <cstring>
#include <stdexcept>

namespace {

char32_t SimpleUpperCase(char32_t cp)
{
    if (cp < 0x80)
        return (cp >= 'a' && cp <= 'z') ? cp - 0x20 : cp;
    return static_cast<char32_t>(u_toupper(static_cast<UChar32>(cp)));
}

} // namespace

bool TPlateBuilder::TakeCased(char32_t cp)
{
    const char32_t upper = SimpleUpperCase(cp);
    if (upper < 0x80)
        return Take(upper); // a-z, and the few letters whose upper case is ASCII
    char bytes[4];
    const std::size_t length = static_cast<std::size_t>(WriteUtf8(bytes, upper) - bytes);
    if (size_ + length > kPlateMaxBytes) {
        tooLong_ = true;
        return false;
    }
    for (std::size_t i = 0; i < length; ++i)
        plate_[size_++] = bytes[i];
    return true;
}

void TPlateBytes::Assign(std::string_view bytes)
{
    if (bytes.size() > kPlateMaxBytes)
        throw std::length_error("a canonical plate has at most 16 bytes");
    CopyShort(bytes_, bytes.data(), bytes.size());
    size_ = static_cast<std::uint8_t>(bytes.size());
}

bool TPlateBuilder::FinishTo(TPlateBytes& plate, TPlateRejection* why)
{
    TPlateRejection rejection = TPlateRejection::None;
    if (tooLong_)
        rejection = TPlateRejection::TooLong;
    else if (size_ == 0)
        rejection = TPlateRejection::NothingLeft;
    else if (std::string_view(plate_, size_) == "NUMBERPLATE")
        rejection = TPlateRejection::HeaderText;
    else
        plate.AssignPadded(plate_, size_);
    if (why)
        *why = rejection;
    size_ = 0;
    stopped_ = tooLong_ = false;
    return rejection == TPlateRejection::None;
}

std::optional<std::string> TPlateBuilder::Finish(TPlateRejection* why)
{
    TPlateBytes plate;
    if (!FinishTo(plate, why))
        return std::nullopt;
    return std::string(plate);
}

void TPlateNormalizer::Feed(std::string_view utf8Piece)
{
    if (builder_.Done())
        return;
    decoder_.Feed(utf8Piece, [this](char32_t cp) {
        if (!builder_.Done())
            builder_.Take(cp);
    });
}

std::optional<std::string> TPlateNormalizer::Finish()
{
    TPlateBytes plate;
    if (!FinishTo(plate))
        return std::nullopt;
    return std::string(plate);
}

bool TPlateNormalizer::FinishTo(TPlateBytes& plate)
{
    decoder_.Finish([this](char32_t cp) {
        if (!builder_.Done())
            builder_.Take(cp);
    });
    return builder_.FinishTo(plate);
}

namespace {

// What the normalisation makes of each ASCII byte: its upper-case form, and
// whether it stays in the plate (digits and bytes from 0x41 up).
struct TAsciiBytes {
    char upper[128];
    std::uint8_t kept[128];
    constexpr TAsciiBytes() : upper(), kept()
    {
        for (int b = 0; b < 128; ++b) {
            upper[b] = static_cast<char>(b >= 'a' && b <= 'z' ? b - 0x20 : b);
            kept[b] = !(b <= 0x2F || (b >= 0x3A && b <= 0x40));
        }
    }
};

constexpr TAsciiBytes kAsciiBytes;

// Where the part of a line that the fast path can take ends: at its first ";"
// or its first byte of 0x80 or more (or its end). Eight bytes at a time.
std::size_t PlainAsciiEnd(std::string_view line)
{
    constexpr std::uint64_t kOnes = 0x0101010101010101ull, kHighs = 0x8080808080808080ull;
    const char* p = line.data();
    const std::size_t n = line.size();
    std::size_t i = 0;
    for (; i + 8 <= n; i += 8) {
        std::uint64_t word;
        std::memcpy(&word, p + i, 8);
        // A byte of v is zero where a ";" stands; the lowest flag this sets is
        // exact, whatever it sets above it.
        const std::uint64_t v = word ^ (kOnes * ';');
        const std::uint64_t hits = ((v - kOnes) & ~v & kHighs) | (word & kHighs);
        if (hits != 0)
            return i + std::size_t(std::countr_zero(hits) >> 3);
    }
    for (; i < n; ++i) {
        const auto byte = static_cast<unsigned char>(p[i]);
        if (byte == ';' || byte >= 0x80)
            return i;
    }
    return n;
}

// Eight ASCII bytes at once: each byte's flag (its top bit) is set where the
// byte is at least `limit`; no byte carries into the next, as all are below 0x80.
constexpr std::uint64_t AtLeast(std::uint64_t word, unsigned char limit)
{
    return (word + 0x0101010101010101ull * (0x80 - limit)) & 0x8080808080808080ull;
}

// Whether eight ASCII bytes are all digits or bytes from 0x41 up.
constexpr bool AllKept(std::uint64_t word)
{
    const std::uint64_t kept = AtLeast(word, '0') & (~AtLeast(word, ':') | AtLeast(word, 'A'));
    return kept == 0x8080808080808080ull;
}

// Eight ASCII bytes with a to z made A to Z.
constexpr std::uint64_t UpperCased(std::uint64_t word)
{
    const std::uint64_t lower = AtLeast(word, 'a') & ~AtLeast(word, 'z' + 1);
    return word - (lower >> 2); // 0x80 >> 2 is the 0x20 between the cases
}

enum class TFastOutcome { Accepted, Rejected, NotAscii };

// The normalisation of a line whose bytes up to the point where the outcome is
// decided are plain ASCII: no decoding and no Unicode case mapping. NotAscii
// when a byte of 0x80 or more comes first; the general path takes the line then.
// Every byte is written, and counted only when kept, so that the mix of kept
// and dropped bytes costs no mispredicted branches.
TFastOutcome NormalizeAscii(std::string_view line, char (&plate)[kPlateMaxBytes + 1], std::size_t& size,
                           TPlateRejection& why)
{
    const std::size_t end = PlainAsciiEnd(line);
    size = 0;
    std::size_t i = 0;
    // Eight bytes that are all kept, as most of a plate's are, go in one move.
    for (; i + 8 <= end && size + 8 <= kPlateMaxBytes; i += 8) {
        std::uint64_t word;
        std::memcpy(&word, line.data() + i, 8);
        if (!AllKept(word))
            break;
        word = UpperCased(word);
        std::memcpy(plate + size, &word, 8);
        size += 8;
    }
    for (; i < end; ++i) {
        const auto byte = static_cast<unsigned char>(line[i]);
        plate[size] = kAsciiBytes.upper[byte];
        size += kAsciiBytes.kept[byte];
        if (size > kPlateMaxBytes) {
            why = TPlateRejection::TooLong; // a 17th byte: too long whatever follows
            return TFastOutcome::Rejected;
        }
    }
    if (end < line.size() && static_cast<unsigned char>(line[end]) >= 0x80)
        return TFastOutcome::NotAscii;
    if (size == 0)
        why = TPlateRejection::NothingLeft;
    else if (std::string_view(plate, size) == "NUMBERPLATE")
        why = TPlateRejection::HeaderText;
    else
        why = TPlateRejection::None;
    return why == TPlateRejection::None ? TFastOutcome::Accepted : TFastOutcome::Rejected;
}

#if defined(__SSE2__)
// The normalisation of a line of at most 16 bytes, `n`, given as the 16 bytes
// from its start: every byte is looked at in one go, with no branch on the
// line's length; the bytes after it do not count, whatever they are. The plate
// is built in place: written whole when every byte stays, as most plates'
// do, else gathered byte by byte without a branch on each (a read of bytes
// stored one by one would wait for them). NotAscii when a byte of 0x80 or more
// comes before the first ";"; the general path takes the line then.
[[gnu::always_inline]] inline TFastOutcome NormalizeShortAscii(__m128i bytes, std::size_t n, TPlateBytes& plate,
                                                               TPlateRejection& why)
{
    const auto bitsOf = [](__m128i flags) { return static_cast<unsigned>(_mm_movemask_epi8(flags)); };
    const auto above = [&](char limit) { return _mm_cmpgt_epi8(bytes, _mm_set1_epi8(limit)); };
    const auto below = [&](char limit) { return _mm_cmplt_epi8(bytes, _mm_set1_epi8(limit)); };
    // The plate part ends at the first ";", byte of 0x80 or more, or the line's end.
    const unsigned high = bitsOf(bytes); // bytes of 0x80 or more compare as negative below
    const unsigned stops = bitsOf(_mm_cmpeq_epi8(bytes, _mm_set1_epi8(';'))) | high | (~0u << n);
    const unsigned end = static_cast<unsigned>(std::countr_zero(stops));
    if (end < n && ((high >> end) & 1u))
        return TFastOutcome::NotAscii;
    const unsigned part = (1u << end) - 1;
    // Digits and bytes from 0x41 up stay, a to z upper-cased.
    const unsigned kept = bitsOf(_mm_or_si128(_mm_and_si128(above('0' - 1), below('9' + 1)), above('A' - 1))) & part;
    const __m128i lower = _mm_and_si128(above('a' - 1), below('z' + 1));
    const __m128i upper = _mm_sub_epi8(bytes, _mm_and_si128(lower, _mm_set1_epi8(0x20)));
    char* const room = plate.Room();
    std::size_t size = 0;
    if (kept == part) {
        _mm_storeu_si128(reinterpret_cast<__m128i*>(room), upper); // the bytes after the plate do not count
        size = end;
    } else {
        alignas(16) char cased[16];
        _mm_store_si128(reinterpret_cast<__m128i*>(cased), upper);
        // Byte i goes to place `size`, never beyond i: within the 16 bytes.
        for (unsigned i = 0; i < 16; ++i) {
            room[size] = cased[i];
            size += (kept >> i) & 1u;
        }
    }
    plate.SetSize(size);
    if (size == 0)
        why = TPlateRejection::NothingLeft;
    else if (size == 11 && std::string_view(plate) == "NUMBERPLATE")
        why = TPlateRejection::HeaderText;
    else
        why = TPlateRejection::None;
    return why == TPlateRejection::None ? TFastOutcome::Accepted : TFastOutcome::Rejected;
}
#endif

bool NormalizePlateGeneralTo(std::string_view line, TPlateBytes& plate, TPlateRejection* why)
{
    // The whole line is at hand: decode in place and stop as soon as the rest
    // cannot change the outcome.
    TPlateBuilder builder;
    auto bytes = reinterpret_cast<const unsigned char*>(line.data());
    for (std::size_t i = 0, n = line.size(); i < n;) {
        char32_t cp = bytes[i];
        i += cp < 0x80 ? 1 : DecodeUtf8(bytes + i, n - i, cp, true);
        if (!builder.Take(cp))
            break;
    }
    return builder.FinishTo(plate, why);
}

// A line of any length: the fast path for plain ASCII, or the general path
// when the fast one cannot decide.
bool NormalizeLongTo(std::string_view line, TPlateBytes& plate, TPlateRejection* why)
{
    char bytes[kPlateMaxBytes + 1] = {};
    std::size_t size = 0;
    TPlateRejection rejection = TPlateRejection::None;
    switch (NormalizeAscii(line, bytes, size, rejection)) {
    case TFastOutcome::Accepted:
        plate.AssignPadded(bytes, size);
        [[fallthrough]];
    case TFastOutcome::Rejected:
        if (why)
            *why = rejection;
        return rejection == TPlateRejection::None;
    case TFastOutcome::NotAscii:
        break;
    }
    return NormalizePlateGeneralTo(line, plate, why);
}

#if defined(__SSE2__)
bool NormalizeShortTo(__m128i bytes, std::string_view line, TPlateBytes& plate, TPlateRejection* why)
{
    TPlateRejection rejection = TPlateRejection::None;
    if (NormalizeShortAscii(bytes, line.size(), plate, rejection) == TFastOutcome::NotAscii)
        return NormalizePlateGeneralTo(line, plate, why);
    if (why)
        *why = rejection;
    return rejection == TPlateRejection::None;
}
#endif

} // namespace

bool NormalizePlateTo(std::string_view line, TPlateBytes& plate, TPlateRejection* why)
{
#if defined(__SSE2__)
    if (line.size() <= kPlateMaxBytes) {
        std::uint64_t low, high;
        LoadShort16(line.data(), line.size(), low, high);
        return NormalizeShortTo(_mm_set_epi64x(static_cast<long long>(high), static_cast<long long>(low)), line, plate,
                                why);
    }
#endif
    return NormalizeLongTo(line, plate, why);
}

bool NormalizePlateTo(std::string_view line, const char* textEnd, TPlateBytes& plate, TPlateRejection* why)
{
#if defined(__SSE2__)
    if (LoadableAs16(line, textEnd))
        return NormalizeShortTo(_mm_loadu_si128(reinterpret_cast<const __m128i*>(line.data())), line, plate, why);
#else
    (void)textEnd;
#endif
    return NormalizePlateTo(line, plate, why);
}

std::optional<std::string> NormalizePlate(std::string_view line, TPlateRejection* why)
{
    TPlateBytes plate;
    if (!NormalizePlateTo(line, plate, why))
        return std::nullopt;
    return std::string(plate);
}

std::optional<std::string> NormalizePlateGeneral(std::string_view line, TPlateRejection* why)
{
    TPlateBytes plate;
    if (!NormalizePlateGeneralTo(line, plate, why))
        return std::nullopt;
    return std::string(plate);
}

std::size_t PlateCharacterCount(std::string_view line)
{
    std::size_t count = 0;
    auto bytes = reinterpret_cast<const unsigned char*>(line.data());
    for (std::size_t i = 0, n = line.size(); i < n;) {
        char32_t cp = bytes[i];
        i += cp < 0x80 ? 1 : DecodeUtf8(bytes + i, n - i, cp, true);
        if (cp == ';')
            break;
        // Upper-casing maps a character to one character, never to a dropped one.
        if (cp >= 0x80 || !TPlateBuilder::IsDropped(cp))
            ++count;
    }
    return count;
}

namespace {

// The plate of the record, and its 64-bit code when `pack`.
void SetPlate(TPlateCodes& codes, const TPlateBytes& plate, bool pack = true)
{
    if (plate.empty())
        throw std::length_error("a canonical plate has 1 to 16 bytes");
    codes.Plate = plate;
    codes.PlateText = codes.Plate; // normalisation keeps whole UTF-8 characters
    codes.Wiegand64 = pack ? Wiegand64PackPadded(plate.data(), plate.size()) : 0; // the plate is held in 16 bytes
}

void SetDigest(TPlateCodes& codes, const TSha1Digest& digest)
{
    codes.Digest = digest;
    codes.Payload = digest[4] & 0xFFFFFFu;
    codes.Wiegand26 = Wiegand26Frame(codes.Payload);
    codes.FacilityCode = FacilityCodeOf(codes.Payload);
    codes.IdNumber = IdNumberOf(codes.Payload);
}

// The digest and what follows from it, none.
void ClearDigest(TPlateCodes& codes)
{
    codes.Digest = {};
    codes.Payload = codes.Wiegand26 = codes.FacilityCode = codes.IdNumber = 0;
}

} // namespace

TPlateCodes ComputePlateCodes(std::string_view plate)
{
    if (plate.size() > kPlateMaxBytes)
        throw std::length_error("a canonical plate has 1 to 16 bytes");
    TPlateCodes codes;
    SetPlate(codes, plate);
    SetDigest(codes, Sha1SingleBlock(plate));
    return codes;
}

namespace {

// The records of many plates, the 26-bit codes (from the digests) when
// `digests`, the 64-bit code when `pack`; what is not computed stays zero.
void ComputeInBulk(std::span<const TPlateBytes> plates, TPlateCodes* codes, bool digests, bool pack)
{
    // A few plates at a time, so that the views and digests stay on the stack;
    // a multiple of three, as Sha1PaddedBlocks takes them.
    constexpr std::size_t kStep = 63;
    std::string_view views[kStep];
    TSha1Digest computed[kStep];
    for (std::size_t begin = 0; begin < plates.size(); begin += kStep) {
        const std::size_t count = std::min(kStep, plates.size() - begin);
        for (std::size_t i = 0; i < count; ++i) {
            SetPlate(codes[begin + i], plates[begin + i], pack);
            views[i] = plates[begin + i];
        }
        if (!digests) {
            for (std::size_t i = 0; i < count; ++i)
                ClearDigest(codes[begin + i]);
            continue;
        }
        Sha1PaddedBlocks(std::span(views, count), computed); // plates are held in 16 bytes
        for (std::size_t i = 0; i < count; ++i)
            SetDigest(codes[begin + i], computed[i]);
    }
}

} // namespace

void ComputePlateCodesInBulk(std::span<const TPlateBytes> plates, TPlateCodes* codes)
{
    ComputeInBulk(plates, codes, true, true);
}

void ComputeTableCodesInBulk(TCodeTable table, std::span<const TPlateBytes> plates, TPlateCodes* codes)
{
    const bool wiegand26 = table == TCodeTable::Wiegand26;
    ComputeInBulk(plates, codes, wiegand26, !wiegand26);
}

namespace {

char* WriteText(char* out, std::string_view text)
{
    std::memcpy(out, text.data(), text.size());
    return out + text.size();
}

char* WriteHexCell(char* out, std::uint64_t value, int digits)
{
    return WriteHex(WriteText(out, "0x"), value, digits);
}

constexpr int kCode26Digits = kWiegand26Columns[Wiegand26Column::Code].HexDigits;
constexpr int kPayloadHexDigits = kWiegand26Columns[Wiegand26Column::PayloadHex].HexDigits;
constexpr int kCode64Digits = kWiegand64Columns[Wiegand64Column::Code].HexDigits;
static_assert(kCode64Digits == 16, "WriteHexCell64 writes the 64-bit code in 16 digits");

// The cell writers below may write up to kCellRoom bytes (see there).

// "0x%.<Digits>x" (Digits 1 to 7) from the value's 8 digits (HexDigits8), when
// it has at most `Digits`.
template <int Digits>
[[gnu::always_inline]] inline char* WriteHexDigitsCell(char* out, std::uint64_t digits)
{
    // The 8 digits end where the cell ends; "0x" then overwrites the leading
    // zeros before the cell's own.
    std::memcpy(out + 2 + Digits - 8, &digits, 8);
    out[0] = '0';
    out[1] = 'x';
    return out + 2 + Digits;
}

// The same of a value of at most `Digits` digits; one with more (never from
// ComputePlateCodes) is still written whole.
template <int Digits>
[[gnu::always_inline]] inline char* WriteHexCellUpTo(char* out, std::uint32_t value)
{
    if ((value >> (4 * Digits)) != 0)
        return WriteHexCell(out, value, Digits);
    return WriteHexDigitsCell<Digits>(out, HexDigits8(value));
}

// "%d" of a 32-bit value, which in these tables has at most 8 digits.
[[gnu::always_inline]] inline char* WriteDecimalCell(char* out, std::uint32_t value)
{
    if (value >= 100000000u)
        return WriteDecimal(out, value);
    const std::uint64_t digits = DecimalDigitValues8(value);
    const int n = DecimalDigitCount8(value);
    const std::uint64_t text = (digits >> (8 * (8 - n))) + kDigitCharacters8;
    std::memcpy(out, &text, 8);
    return out + n;
}

// "0x%.8x %.8x %.8x %.8x %.8x" of the digest words, from their five digit words.
[[gnu::always_inline]] inline char* WriteDigestDigitsCell(char* out, const std::uint64_t* digits)
{
    out[0] = '0';
    out[1] = 'x';
    out += 2;
    for (int i = 0; i < 5; ++i) {
        std::memcpy(out, &digits[i], 8);
        out[8] = ' ';
        out += 9;
    }
    return out - 1; // no space after the last word
}

[[gnu::always_inline]] inline char* WriteDigestCell(char* out, const TSha1Digest& digest)
{
    std::uint64_t digits[5];
    HexDigits8x4(digest.data(), digits);
    digits[4] = HexDigits8(digest[4]);
    return WriteDigestDigitsCell(out, digits);
}

// "0x%.16x" of a 64-bit value.
char* WriteHexCell64(char* out, std::uint64_t value)
{
    const std::uint64_t high = HexDigits8(static_cast<std::uint32_t>(value >> 32));
    const std::uint64_t low = HexDigits8(static_cast<std::uint32_t>(value));
    out[0] = '0';
    out[1] = 'x';
    std::memcpy(out + 2, &high, 8);
    std::memcpy(out + 10, &low, 8);
    return out + 18;
}

// The plate, copied with the whole room of its 16 bytes.
char* WritePlateCell(char* out, const TPlateBytes& plate)
{
    std::memcpy(out, plate.data(), kPlateMaxBytes);
    return out + plate.size();
}

template <std::size_t Column>
[[gnu::always_inline]] inline char* Write26Cell(const TPlateCodes& codes, char* out)
{
    namespace C = Wiegand26Column;
    if constexpr (Column == C::Plate)
        return WritePlateCell(out, codes.PlateText);
    else if constexpr (Column == C::Code)
        return WriteHexCellUpTo<kCode26Digits>(out, codes.Wiegand26);
    else if constexpr (Column == C::Digest)
        return WriteDigestCell(out, codes.Digest);
    else if constexpr (Column == C::PayloadHex)
        return WriteHexCellUpTo<kPayloadHexDigits>(out, codes.Payload);
    else if constexpr (Column == C::PayloadDec)
        return WriteDecimalCell(out, codes.Payload);
    else if constexpr (Column == C::FacilityCode)
        return WriteDecimalCell(out, codes.FacilityCode);
    else
        return WriteDecimalCell(out, codes.IdNumber);
}

template <std::size_t Column>
char* Write64Cell(const TPlateCodes& codes, char* out)
{
    namespace C = Wiegand64Column;
    if constexpr (Column == C::Plate)
        return WritePlateCell(out, codes.PlateText);
    else if constexpr (Column == C::Code)
        return WriteHexCell64(out, codes.Wiegand64);
    else
        return WriteDecimal(out, codes.Wiegand64);
}

// Every cell of a row in order, each after the one before and a separator:
// `write(column, char*)` writes one, the column as a std::integral_constant.
// Inlined whole, the cells' texts are worked out side by side: only where each
// cell begins waits for the one before.
template <class Write, std::size_t... Column>
char* WriteCells(Write&& write, char separator, char* out, std::index_sequence<Column...>)
{
    ((out = write(std::integral_constant<std::size_t, Column>{}, out), *out++ = separator), ...);
    return out - 1;
}

// The facility code and the ID number with the separator between them, from
// the digits of one number: the facility code's three (it is below 256) before
// the ID number's five (it is below 65,536).
char* WriteFacilityAndId(const TPlateCodes& codes, char separator, char* out)
{
    const std::uint64_t text = DecimalDigitValues8(codes.FacilityCode * 100000 + codes.IdNumber) + kDigitCharacters8;
    const int facilityDigits = DecimalDigitCount8(codes.FacilityCode);
    const int idDigits = DecimalDigitCount8(codes.IdNumber);
    const auto facility = static_cast<std::uint32_t>(text >> (8 * (3 - facilityDigits)));
    const std::uint64_t id = text >> (8 * (8 - idDigits));
    std::memcpy(out, &facility, 4);
    out += facilityDigits;
    *out++ = separator;
    std::memcpy(out, &id, 8);
    return out + idDigits;
}

// The whole 26-bit row of a record as ComputePlateCodes gives it (a code of
// 26 bits, a payload of 24): every hex text from two conversions of four
// words, the facility code and the ID number from one number.
char* Write26Line(const TPlateCodes& codes, char separator, char* out)
{
    const std::uint32_t words[8] = {codes.Digest[0], codes.Digest[1], codes.Digest[2], codes.Digest[3],
                                    codes.Digest[4], codes.Wiegand26, codes.Payload, 0};
    std::uint64_t digits[8];
    HexDigits8x4(words, digits);
    HexDigits8x4(words + 4, digits + 4);
    out = WritePlateCell(out, codes.PlateText);
    *out++ = separator;
    out = WriteHexDigitsCell<kCode26Digits>(out, digits[5]);
    *out++ = separator;
    out = WriteDigestDigitsCell(out, digits);
    *out++ = separator;
    out = WriteHexDigitsCell<kPayloadHexDigits>(out, digits[6]);
    *out++ = separator;
    out = WriteDecimalCell(out, codes.Payload);
    *out++ = separator;
    return WriteFacilityAndId(codes, separator, out);
}

template <std::size_t... Column>
constexpr std::array<TRowCellWriter, sizeof...(Column)> Writers26(std::index_sequence<Column...>)
{
    return {Write26Cell<Column>...};
}

template <std::size_t... Column>
constexpr std::array<TRowCellWriter, sizeof...(Column)> Writers64(std::index_sequence<Column...>)
{
    return {Write64Cell<Column>...};
}

constexpr auto kWriters26 = Writers26(std::make_index_sequence<TWiegand26Row::size()>{});
constexpr auto kWriters64 = Writers64(std::make_index_sequence<TWiegand64Row::size()>{});

} // namespace

TRowCellWriter RowCellWriter(TCodeTable table, std::size_t column)
{
    if (table == TCodeTable::Wiegand26)
        return kWriters26.at(column);
    return kWriters64.at(column);
}

char* WriteRowCell(TCodeTable table, std::size_t column, const TPlateCodes& codes, char* out)
{
    return RowCellWriter(table, column)(codes, out);
}

char* WriteRowLine(TCodeTable table, const TPlateCodes& codes, char separator, char* out)
{
    if (table == TCodeTable::Wiegand26) {
        // A record with more digits than a payload gives (never from
        // ComputePlateCodes) is written cell by cell.
        if (codes.Wiegand26 >> (4 * kCode26Digits) || codes.Payload >> (4 * kPayloadHexDigits) ||
            codes.FacilityCode > 0xFF || codes.IdNumber > 0xFFFF)
            return WriteCells([&](auto column, char* p) { return Write26Cell<column>(codes, p); }, separator, out,
                              std::make_index_sequence<TWiegand26Row::size()>{});
        return Write26Line(codes, separator, out);
    }
    return WriteCells([&](auto column, char* p) { return Write64Cell<column>(codes, p); }, separator, out,
                      std::make_index_sequence<TWiegand64Row::size()>{});
}

std::string CodeText(TCodeTable table, std::uint64_t code)
{
    char text[24];
    return std::string(text, WriteHexCell(text, code, ResultTable(table).Code().HexDigits));
}

TWiegand26Row Wiegand26RowCells(const TPlateCodes& codes)
{
    TWiegand26Row row;
    row.Fill([&](auto column, char* p) { return Write26Cell<column>(codes, p); });
    return row;
}

TWiegand64Row Wiegand64RowCells(const TPlateCodes& codes)
{
    TWiegand64Row row;
    row.Fill([&](auto column, char* p) { return Write64Cell<column>(codes, p); });
    return row;
}
