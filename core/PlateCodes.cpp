#include "PlateCodes.h"

#include "NumberText.h"
#include "UWG26.h"
#include "UWG64.h"

#include <unicode/uchar.h>

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

std::optional<std::string> TPlateBuilder::Finish(TPlateRejection* why)
{
    std::optional<std::string> result;
    const std::string_view plate(plate_, size_);
    TPlateRejection rejection = TPlateRejection::None;
    if (tooLong_)
        rejection = TPlateRejection::TooLong;
    else if (size_ == 0)
        rejection = TPlateRejection::NothingLeft;
    else if (plate == "NUMBERPLATE")
        rejection = TPlateRejection::HeaderText;
    else
        result.emplace(plate);
    if (why)
        *why = rejection;
    size_ = 0;
    stopped_ = tooLong_ = false;
    return result;
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
    decoder_.Finish([this](char32_t cp) {
        if (!builder_.Done())
            builder_.Take(cp);
    });
    return builder_.Finish();
}

namespace {

// What the normalisation does with each byte of a line of plain ASCII.
enum TByteKind : std::uint8_t { kDrop, kKeep, kUpper, kStop, kNotAscii };

struct TByteKinds {
    TByteKind kind[256];
    constexpr TByteKinds() : kind()
    {
        for (int b = 0; b < 256; ++b) {
            if (b >= 0x80)
                kind[b] = kNotAscii;
            else if (b == ';')
                kind[b] = kStop;
            else if (b >= 'a' && b <= 'z')
                kind[b] = kUpper;
            else if (b <= 0x2F || (b >= 0x3A && b <= 0x40))
                kind[b] = kDrop;
            else
                kind[b] = kKeep;
        }
    }
};

constexpr TByteKinds kByteKinds;

enum class TFastOutcome { Accepted, Rejected, NotAscii };

// The normalisation of a line whose bytes up to the point where the outcome is
// decided are plain ASCII: no decoding and no Unicode case mapping. NotAscii
// when a byte of 0x80 or more comes first; the general path takes the line then.
TFastOutcome NormalizeAscii(std::string_view line, char (&plate)[kPlateMaxBytes], std::size_t& size,
                           TPlateRejection& why)
{
    size = 0;
    for (const char c : line) {
        const auto byte = static_cast<unsigned char>(c);
        switch (kByteKinds.kind[byte]) {
        case kDrop:
            continue;
        case kStop:
            goto done;
        case kNotAscii:
            return TFastOutcome::NotAscii;
        case kKeep:
        case kUpper:
            if (size == kPlateMaxBytes) {
                why = TPlateRejection::TooLong; // a 17th byte: too long whatever follows
                return TFastOutcome::Rejected;
            }
            plate[size++] = kByteKinds.kind[byte] == kUpper ? char(byte - 0x20) : char(byte);
            break;
        }
    }
done:
    if (size == 0)
        why = TPlateRejection::NothingLeft;
    else if (std::string_view(plate, size) == "NUMBERPLATE")
        why = TPlateRejection::HeaderText;
    else
        why = TPlateRejection::None;
    return why == TPlateRejection::None ? TFastOutcome::Accepted : TFastOutcome::Rejected;
}

} // namespace

std::optional<std::string> NormalizePlate(std::string_view line, TPlateRejection* why)
{
    char plate[kPlateMaxBytes];
    std::size_t size = 0;
    TPlateRejection rejection = TPlateRejection::None;
    switch (NormalizeAscii(line, plate, size, rejection)) {
    case TFastOutcome::Accepted:
    case TFastOutcome::Rejected:
        if (why)
            *why = rejection;
        if (rejection != TPlateRejection::None)
            return std::nullopt;
        return std::string(plate, size);
    case TFastOutcome::NotAscii:
        break;
    }
    return NormalizePlateGeneral(line, why);
}

std::optional<std::string> NormalizePlateGeneral(std::string_view line, TPlateRejection* why)
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
    return builder.Finish(why);
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

TPlateCodes ComputePlateCodes(std::string_view plate)
{
    if (plate.empty() || plate.size() > kPlateMaxBytes)
        throw std::length_error("a canonical plate has 1 to 16 bytes");
    TPlateCodes codes;
    codes.Plate = plate;
    codes.Digest = Sha1SingleBlock(plate);
    codes.Payload = codes.Digest[4] & 0xFFFFFFu;
    codes.Wiegand26 = Wiegand26Frame(codes.Payload);
    codes.FacilityCode = FacilityCodeOf(codes.Payload);
    codes.IdNumber = IdNumberOf(codes.Payload);
    codes.Wiegand64 = Wiegand64Pack(plate);
    codes.PlateText = codes.Plate; // normalisation keeps whole UTF-8 characters
    return codes;
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

} // namespace

std::string CodeText(TCodeTable table, std::uint64_t code)
{
    char text[24];
    return std::string(text, WriteHexCell(text, code, ResultTable(table).Code().HexDigits));
}

TWiegand26Row Wiegand26RowCells(const TPlateCodes& codes)
{
    TWiegand26Row row;
    row.Add([&](char* p) { return WriteText(p, codes.PlateText); });
    row.Add([&](char* p) { return WriteHexCell(p, codes.Wiegand26, kCode26Digits); });
    row.Add([&](char* p) {
        p = WriteHexCell(p, codes.Digest[0], 8);
        for (std::size_t i = 1; i < codes.Digest.size(); ++i) {
            *p++ = ' ';
            p = WriteHex(p, codes.Digest[i], 8);
        }
        return p;
    });
    row.Add([&](char* p) { return WriteHexCell(p, codes.Payload, kPayloadHexDigits); });
    row.Add([&](char* p) { return WriteDecimal(p, codes.Payload); });
    row.Add([&](char* p) { return WriteDecimal(p, codes.FacilityCode); });
    row.Add([&](char* p) { return WriteDecimal(p, codes.IdNumber); });
    return row;
}

TWiegand64Row Wiegand64RowCells(const TPlateCodes& codes)
{
    TWiegand64Row row;
    row.Add([&](char* p) { return WriteText(p, codes.PlateText); });
    row.Add([&](char* p) { return WriteHexCell(p, codes.Wiegand64, kCode64Digits); });
    row.Add([&](char* p) { return WriteDecimal(p, codes.Wiegand64); });
    return row;
}
