#pragma once
// From one line of plate text to the canonical plate, its result record and the
// cell texts of the row it adds to each results table.

#include "ResultTables.h"
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

// Why a line gives no plate: nothing is left of it (it holds only controls,
// spaces and punctuation, or nothing before its first ";"), what is left is
// longer than 16 bytes, or it is the column header "Number plate".
enum class TPlateRejection { None, NothingLeft, TooLong, HeaderText };

// Collects the canonical plate from the code points of one line: upper-cases
// with the simple one-to-one mapping, stops at the first ";", and keeps only
// digits and bytes from 0x41 up, in UTF-8.
class TPlateBuilder {
public:
    // Takes the next code point; false once the rest of the line cannot matter.
    bool Take(char32_t cp)
    {
        if (cp >= 'a' && cp <= 'z')
            return Keep(static_cast<char>(cp - 0x20));
        if (cp >= 0x80)
            return TakeCased(cp);
        if (cp == ';') {
            stopped_ = true;
            return false;
        }
        if (IsDropped(cp))
            return true;
        return Keep(static_cast<char>(cp));
    }
    // Controls, space and ASCII punctuation below "A" other than the digits go.
    static constexpr bool IsDropped(char32_t cp) { return cp <= 0x2F || (cp >= 0x3A && cp <= 0x40); }
    bool Done() const { return stopped_ || tooLong_; }
    // The canonical plate, or none when the line is rejected (and why, when
    // `why` is given). Resets the builder.
    std::optional<std::string> Finish(TPlateRejection* why = nullptr);

private:
    bool TakeCased(char32_t cp);
    bool Keep(char byte)
    {
        plate_[size_++] = byte;
        if (size_ > kPlateMaxBytes)
            tooLong_ = true;
        return !tooLong_;
    }

    char plate_[kPlateMaxBytes + 4];
    std::size_t size_ = 0;
    bool stopped_ = false; // a ";" ended the plate part of the line
    bool tooLong_ = false; // more than 16 bytes kept: rejected whatever follows
};

// Normalises a plate line that arrives in pieces (a line may be far longer than
// memory should hold). Invalid UTF-8 counts as U+FFFD per bad sequence.
class TPlateNormalizer {
public:
    void Feed(std::string_view utf8Piece);
    // The canonical plate, or none when the line is rejected. Resets the normaliser.
    std::optional<std::string> Finish();

private:
    TUtf8StreamDecoder decoder_;
    TPlateBuilder builder_;
};

// The canonical plate of one line of UTF-8 plate text, or none when rejected
// (and why, when `why` is given). A line of plain ASCII takes a fast path
// without decoding or case mapping.
std::optional<std::string> NormalizePlate(std::string_view line, TPlateRejection* why = nullptr);
// The same through the general path for every line: what the fast path must
// match byte for byte.
std::optional<std::string> NormalizePlateGeneral(std::string_view line, TPlateRejection* why = nullptr);

// The number of characters the canonical plate of a line keeps, however many
// bytes they take: those before the first ";" that normalising does not drop.
std::size_t PlateCharacterCount(std::string_view line);

// The result record of a canonical plate (never anything else: a text outside
// 1 to 16 bytes throws std::length_error).
TPlateCodes ComputePlateCodes(std::string_view plate);

// The cell texts of one result row, held in one fixed buffer so that building
// a row allocates nothing.
template <std::size_t Count, std::size_t Capacity>
class TRowCells {
public:
    static constexpr std::size_t size() { return Count; }
    std::string_view operator[](std::size_t i) const
    {
        const std::size_t begin = i == 0 ? 0 : end_[i - 1];
        return std::string_view(text_ + begin, end_[i] - begin);
    }
    // Appends the next cell; `write(char*)` writes it and returns its end.
    template <class Write>
    void Add(Write&& write)
    {
        const std::size_t begin = count_ == 0 ? 0 : end_[count_ - 1];
        end_[count_++] = static_cast<std::uint16_t>(write(text_ + begin) - text_);
    }
    friend bool operator==(const TRowCells& a, const TRowCells& b)
    {
        for (std::size_t i = 0; i < Count; ++i) {
            if (a[i] != b[i])
                return false;
        }
        return true;
    }

private:
    char text_[Capacity];
    std::uint16_t end_[Count] = {};
    std::size_t count_ = 0;
};

// Widest texts: plate 16, code 9, digest 46, payload 8 and 8, facility 3, ID 5.
using TWiegand26Row = TRowCells<kWiegand26Columns.size(), 96>;
// Plate 16, code 18, decimal 19.
using TWiegand64Row = TRowCells<kWiegand64Columns.size(), 56>;

// A code as the result files write it: "0x%.7x" for the 26-bit table, "0x%.16x"
// for the 64-bit table.
std::string CodeText(TCodeTable table, std::uint64_t code);

// The cell texts of the plate's 26-bit row and of its 64-bit row, one per column
// of the table.
TWiegand26Row Wiegand26RowCells(const TPlateCodes& codes);
TWiegand64Row Wiegand64RowCells(const TPlateCodes& codes);
