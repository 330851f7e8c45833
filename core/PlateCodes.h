#pragma once
// From one line of plate text to the canonical plate, its result record and the
// cell texts of the row it adds to each results table.

#include "USHA1.h"
#include "Utf8.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The canonical plate has 1 to 16 bytes.
constexpr std::size_t kPlateMaxBytes = 16;

// The result record of one accepted plate.
struct TPlateCodes {
    std::string Plate;      // canonical plate, UTF-8
    std::string PlateText;  // the plate for display (the same UTF-8 text)
    TSha1Digest Digest{};   // SHA-1 of Plate
    std::uint32_t Payload = 0;      // H4 AND 0xFFFFFF
    std::uint32_t FacilityCode = 0; // Payload bits 23 to 16
    std::uint32_t IdNumber = 0;     // Payload bits 15 to 0
    std::uint32_t Wiegand26 = 0;
    std::uint64_t Wiegand64 = 0;
};

// Normalises a plate line that arrives in pieces (a line may be far longer than
// memory should hold): upper-cases per code point with the simple one-to-one
// mapping, stops at the first ";", and keeps only digits and bytes from 0x41 up.
// Invalid UTF-8 counts as U+FFFD per bad sequence.
class TPlateNormalizer {
public:
    void Feed(std::string_view utf8Piece);
    // The canonical plate, or none when the line is rejected. Resets the normaliser.
    std::optional<std::string> Finish();

private:
    void Take(char32_t cp);
    bool Done() const { return stopped_ || tooLong_; }

    TUtf8StreamDecoder decoder_;
    std::string plate_;
    bool stopped_ = false; // a ";" ended the plate part of the line
    bool tooLong_ = false; // more than 16 bytes kept: rejected whatever follows
};

// The canonical plate of one line of UTF-8 plate text, or none when rejected.
std::optional<std::string> NormalizePlate(std::string_view line);

// The result record of a canonical plate (never anything else).
TPlateCodes ComputePlateCodes(std::string_view plate);

using TWiegand26Row = std::array<std::string, 7>;
using TWiegand64Row = std::array<std::string, 3>;

// The 7 cell texts of the plate's 26-bit row and the 3 of its 64-bit row.
TWiegand26Row Wiegand26RowCells(const TPlateCodes& codes);
TWiegand64Row Wiegand64RowCells(const TPlateCodes& codes);

// Header texts of row 0 of each results table.
extern const std::array<std::string_view, 7> Wiegand26Headers;
extern const std::array<std::string_view, 3> Wiegand64Headers;
