#pragma once
// What every accepted plate and its codes must satisfy, checked by the fuzz targets.

#include "PlateCodes.h"
#include "UWG26.h"
#include "Utf8.h"

#include <cinttypes>
#include <cstdio>
#include <cstdlib>
#include <span>
#include <string>
#include <vector>
#include <string_view>

inline void Require(bool condition)
{
    if (!condition)
        std::abort();
}

// The cell texts of a record by the C library's formatting: what the cell
// writers, which lay whole words of digits, must give byte for byte.
inline std::vector<std::string> GeneralCellTexts(const TPlateCodes& codes)
{
    char text[5][64];
    std::snprintf(text[0], sizeof text[0], "0x%.7X", unsigned(codes.Wiegand26));
    std::snprintf(text[1], sizeof text[1], "0x%.8X %.8X %.8X %.8X %.8X", unsigned(codes.Digest[0]),
                  unsigned(codes.Digest[1]), unsigned(codes.Digest[2]), unsigned(codes.Digest[3]),
                  unsigned(codes.Digest[4]));
    std::snprintf(text[2], sizeof text[2], "0x%.6X", unsigned(codes.Payload));
    std::snprintf(text[3], sizeof text[3], "0x%.16" PRIX64, codes.Wiegand64);
    std::snprintf(text[4], sizeof text[4], "%" PRIu64, codes.Wiegand64);
    const std::string plate(codes.PlateText);
    return {plate, text[0], text[1], text[2], std::to_string(codes.Payload), std::to_string(codes.FacilityCode),
            std::to_string(codes.IdNumber), plate, text[3], text[4]};
}

inline void CheckCellTexts(const TPlateCodes& codes)
{
    const std::vector<std::string> expected = GeneralCellTexts(codes);
    const TWiegand26Row row26 = Wiegand26RowCells(codes);
    const TWiegand64Row row64 = Wiegand64RowCells(codes);
    for (std::size_t i = 0; i < row26.size(); ++i)
        Require(row26[i] == expected[i]);
    for (std::size_t i = 0; i < row64.size(); ++i)
        Require(row64[i] == expected[row26.size() + i]);
}

inline bool SameCodes(const TPlateCodes& a, const TPlateCodes& b)
{
    return a.Plate == b.Plate && a.PlateText == b.PlateText && a.Digest == b.Digest && a.Payload == b.Payload &&
           a.FacilityCode == b.FacilityCode && a.IdNumber == b.IdNumber && a.Wiegand26 == b.Wiegand26 &&
           a.Wiegand64 == b.Wiegand64;
}

inline void CheckPlateAndCodes(const std::optional<std::string>& plate)
{
    if (!plate)
        return;
    Require(plate->size() >= 1 && plate->size() <= kPlateMaxBytes);
    Require(*plate != "NUMBERPLATE");
    Require(IsValidUtf8(*plate));
    for (unsigned char b : *plate)
        Require((b >= '0' && b <= '9') || b >= 0x41);
    const TPlateCodes codes = ComputePlateCodes(*plate);
    Require(codes.Wiegand26 < 0x4000000u);
    Require(BitCount(codes.Wiegand26 >> 13) % 2 == 0 && BitCount(codes.Wiegand26 & 0x1FFF) % 2 == 1);
    Require(((codes.Wiegand26 >> 1) & 0xFFFFFF) == codes.Payload);
    Require(codes.FacilityCode <= 255 && codes.IdNumber <= 65535);
    Require((codes.Wiegand64 >> 60) == 0x6);
    const TWiegand26Row row26 = Wiegand26RowCells(codes);
    const TWiegand64Row row64 = Wiegand64RowCells(codes);
    Require(row26[0] == *plate && row64[0] == *plate);
    Require(row26[1].size() == 9 && row26[2].size() == 46 && row64[1].size() == 18);
    CheckCellTexts(codes);
    // Computed in bulk, alone and beside a plate of another length, the record is the same.
    const TPlateBytes plates[] = {TPlateBytes(*plate), TPlateBytes("AB12"), TPlateBytes(*plate)};
    TPlateCodes bulk[3];
    ComputePlateCodesInBulk(std::span(plates, 1), bulk);
    Require(SameCodes(bulk[0], codes));
    ComputePlateCodesInBulk(plates, bulk);
    Require(SameCodes(bulk[0], codes) && SameCodes(bulk[2], codes));
}
