#pragma once
// What every accepted plate and its codes must satisfy, checked by the fuzz targets.

#include "PlateCodes.h"
#include "UWG26.h"
#include "Utf8.h"

#include <cstdlib>

inline void Require(bool condition)
{
    if (!condition)
        std::abort();
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
}
