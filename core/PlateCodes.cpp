#include "PlateCodes.h"

#include "NumberText.h"
#include "UWG26.h"
#include "UWG64.h"

#include <unicode/uchar.h>

namespace {

// Bytes that normalisation deletes: controls, space and ASCII punctuation below
// "A" except the digits.
constexpr bool IsDeletedByte(char32_t c)
{
    return c <= 0x2F || (c >= 0x3A && c <= 0x40);
}

char32_t SimpleUpperCase(char32_t cp)
{
    if (cp < 0x80)
        return (cp >= 'a' && cp <= 'z') ? cp - 0x20 : cp;
    return static_cast<char32_t>(u_toupper(static_cast<UChar32>(cp)));
}

} // namespace

void TPlateNormalizer::Take(char32_t cp)
{
    if (Done())
        return;
    const char32_t upper = SimpleUpperCase(cp);
    if (upper == U';') {
        stopped_ = true;
        return;
    }
    if (upper < 0x80) {
        if (IsDeletedByte(upper))
            return;
        plate_.push_back(static_cast<char>(upper));
    } else {
        AppendUtf8(plate_, upper);
    }
    if (plate_.size() > kPlateMaxBytes)
        tooLong_ = true;
}

void TPlateNormalizer::Feed(std::string_view utf8Piece)
{
    if (Done())
        return;
    decoder_.Feed(utf8Piece, [this](char32_t cp) { Take(cp); });
}

std::optional<std::string> TPlateNormalizer::Finish()
{
    decoder_.Finish([this](char32_t cp) { Take(cp); });
    std::optional<std::string> result;
    if (!tooLong_ && !plate_.empty() && plate_ != "NUMBERPLATE")
        result = plate_;
    plate_.clear();
    stopped_ = tooLong_ = false;
    return result;
}

std::optional<std::string> NormalizePlate(std::string_view line)
{
    TPlateNormalizer normalizer;
    normalizer.Feed(line);
    return normalizer.Finish();
}

TPlateCodes ComputePlateCodes(std::string_view plate)
{
    TPlateCodes codes;
    codes.Plate = plate;
    codes.Digest = Sha1SingleBlock(plate);
    codes.Payload = codes.Digest[4] & 0xFFFFFFu;
    codes.Wiegand26 = Wiegand26Frame(codes.Payload);
    codes.FacilityCode = codes.Payload >> 16;
    codes.IdNumber = codes.Payload & 0xFFFFu;
    codes.Wiegand64 = Wiegand64Pack(plate);
    codes.PlateText = codes.Plate; // normalisation keeps whole UTF-8 characters
    return codes;
}

TWiegand26Row Wiegand26RowCells(const TPlateCodes& codes)
{
    TWiegand26Row row;
    row[0] = codes.PlateText;
    row[1] = "0x";
    AppendHex(row[1], codes.Wiegand26, 7);
    std::string& digest = row[2];
    digest.reserve(46);
    digest = "0x";
    for (std::size_t i = 0; i < codes.Digest.size(); ++i) {
        if (i > 0)
            digest.push_back(' ');
        AppendHex(digest, codes.Digest[i], 8);
    }
    row[3] = "0x";
    AppendHex(row[3], codes.Payload, 6);
    AppendDecimal(row[4], codes.Payload);
    AppendDecimal(row[5], codes.FacilityCode);
    AppendDecimal(row[6], codes.IdNumber);
    return row;
}

TWiegand64Row Wiegand64RowCells(const TPlateCodes& codes)
{
    TWiegand64Row row;
    row[0] = codes.PlateText;
    row[1] = "0x";
    AppendHex(row[1], codes.Wiegand64, 16);
    AppendDecimal(row[2], codes.Wiegand64);
    return row;
}

const std::array<std::string_view, 7> Wiegand26Headers = {
    "Number plate",           "Wiegand 26-bit (hex)", "Digest (full hex)", "Digest (truncated hex)",
    "Digest (truncated dec)", "Facility code",        "ID number",
};

const std::array<std::string_view, 3> Wiegand64Headers = {
    "Number plate",
    "Wiegand 64-bit (raw)",
    "Wiegand 64-bit (dec)",
};
