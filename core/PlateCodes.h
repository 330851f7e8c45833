#pragma once
// From one line of plate text to the canonical plate, its result record and the
// cell texts of the row it adds to each results table.

#include "ResultTables.h"
#include "USHA1.h"
#include "Utf8.h"

#include <array>
#include <cstdint>
#include <cstring>
#include <optional>
#include <span>
#include <string>
#include <string_view>

// The canonical plate has 1 to 16 bytes.
constexpr std::size_t kPlateMaxBytes = 16;

// A canonical plate held in place, so that a result record needs no allocation
// and copies in a few moves. Reads as a std::string_view.
class TPlateBytes {
public:
    TPlateBytes() = default;
    // At most 16 bytes; more throw std::length_error.
    TPlateBytes(std::string_view bytes) { Assign(bytes); }
    void Assign(std::string_view bytes);
    // The first `size` (at most 16) bytes of a buffer that has at least 16,
    // taken in one move.
    void AssignPadded(const char* bytes, std::size_t size)
    {
        std::memcpy(bytes_, bytes, kPlateMaxBytes);
        size_ = static_cast<std::uint8_t>(size);
    }

    // The 16 bytes, for a plate built in place; SetSize then says how many
    // of them the plate has.
    char* Room() { return bytes_; }
    void SetSize(std::size_t size) { size_ = static_cast<std::uint8_t>(size); }

    const char* data() const { return bytes_; }
    std::size_t size() const { return size_; }
    bool empty() const { return size_ == 0; }
    operator std::string_view() const { return {bytes_, size_}; }

    friend bool operator==(const TPlateBytes& a, const TPlateBytes& b)
    {
        return std::string_view(a) == std::string_view(b);
    }
    friend bool operator==(const TPlateBytes& a, std::string_view b) { return std::string_view(a) == b; }

private:
    char bytes_[kPlateMaxBytes] = {};
    std::uint8_t size_ = 0;
};

// The result record of one accepted plate.
struct TPlateCodes {
    TPlateBytes Plate;      // canonical plate, UTF-8
    TPlateBytes PlateText;  // the plate for display (the same UTF-8 text)
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
    // The same into `plate`; false when the line is rejected.
    bool FinishTo(TPlateBytes& plate, TPlateRejection* why = nullptr);

private:
    bool TakeCased(char32_t cp);
    bool Keep(char byte)
    {
        plate_[size_++] = byte;
        if (size_ > kPlateMaxBytes)
            tooLong_ = true;
        return !tooLong_;
    }

    char plate_[kPlateMaxBytes + 4] = {};
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
    // The same into `plate`; false when the line is rejected.
    bool FinishTo(TPlateBytes& plate);

private:
    TUtf8StreamDecoder decoder_;
    TPlateBuilder builder_;
};

// The canonical plate of one line of UTF-8 plate text, or none when rejected
// (and why, when `why` is given). A line of plain ASCII takes a fast path
// without decoding or case mapping.
std::optional<std::string> NormalizePlate(std::string_view line, TPlateRejection* why = nullptr);
// The same into a plate held in place, without allocating: what lists of plates
// take. False when the line is rejected, and `plate` then holds nothing of use.
// A line of at most 16 bytes is looked at in one go.
bool NormalizePlateTo(std::string_view line, TPlateBytes& plate, TPlateRejection* why = nullptr);
// The same for a line that lies in a longer text, which may be read up to
// `textEnd`: a line of at most 16 bytes with 16 to read from its start is
// loaded in one move, without a branch on its length. What plate lists take.
bool NormalizePlateTo(std::string_view line, const char* textEnd, TPlateBytes& plate, TPlateRejection* why = nullptr);
// The same through the general path for every line: what the fast paths must
// match byte for byte.
std::optional<std::string> NormalizePlateGeneral(std::string_view line, TPlateRejection* why = nullptr);

// The number of characters the canonical plate of a line keeps, however many
// bytes they take: those before the first ";" that normalising does not drop.
std::size_t PlateCharacterCount(std::string_view line);

// The result record of a canonical plate (never anything else: a text outside
// 1 to 16 bytes throws std::length_error).
TPlateCodes ComputePlateCodes(std::string_view plate);
// The records of many canonical plates, codes[i] of plates[i], as
// ComputePlateCodes gives them one by one but with the digests computed three
// at a time (Sha1PaddedBlocks): what lists of plates take.
void ComputePlateCodesInBulk(std::span<const TPlateBytes> plates, TPlateCodes* codes);
// The same with only what the rows of one table show: the digest and what
// follows from it for the 26-bit table, the 64-bit code for the 64-bit table;
// the rest of each record stays zero. What writers of one table take.
void ComputeTableCodesInBulk(TCodeTable table, std::span<const TPlateBytes> plates, TPlateCodes* codes);

// The widest cell text of either table: the digest.
constexpr std::size_t kCellTextMax = 46;
// What a cell writer may write from where its cell begins: its text, then up to
// the end of a whole word of digits or a whole plate, which the next cell
// overwrites. Writing whole words costs no branch on the length of the text.
constexpr std::size_t kCellRoom = kCellTextMax + 2;

// The cell texts of one result row, held in one fixed buffer so that building
// a row allocates nothing. `Capacity`: the widest texts of the row together.
template <std::size_t Count, std::size_t Capacity>
class TRowCells {
public:
    static constexpr std::size_t size() { return Count; }
    std::string_view operator[](std::size_t i) const
    {
        const std::size_t begin = i == 0 ? 0 : end_[i - 1];
        return std::string_view(text_ + begin, end_[i] - begin);
    }
    // Writes every cell: `write(column, char*)` writes one, using at most
    // kCellRoom bytes, and returns its end. The ends are kept in registers until
    // the last cell, as the cell texts' bytes could alias them in memory.
    // The column comes as a std::integral_constant, so that each cell's
    // writer is chosen when compiling.
    template <class Write>
    void Fill(Write&& write)
    {
        FillColumns(write, std::make_index_sequence<Count>{});
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
    template <class Write, std::size_t... Column>
    void FillColumns(Write& write, std::index_sequence<Column...>)
    {
        std::uint16_t ends[Count];
        char* p = text_;
        ((p = write(std::integral_constant<std::size_t, Column>{}, p),
          ends[Column] = static_cast<std::uint16_t>(p - text_)),
         ...);
        std::memcpy(end_, ends, sizeof ends);
    }

    char text_[Capacity + kCellRoom];
    std::uint16_t end_[Count] = {};
};

// Widest texts: plate 16, code 9, digest 46, payload 8 and 8, facility 3, ID 5;
// room for the 10 characters of any 32-bit number in the others, whatever a
// record holds.
using TWiegand26Row = TRowCells<kWiegand26Columns.size(), 112>;
// Plate 16, code 18, decimal 20.
using TWiegand64Row = TRowCells<kWiegand64Columns.size(), 54>;

// A code as the result files write it: "0x%.7x" for the 26-bit table, "0x%.16x"
// for the 64-bit table.
std::string CodeText(TCodeTable table, std::uint64_t code);

// The cell texts of the plate's 26-bit row and of its 64-bit row, one per column
// of the table.
TWiegand26Row Wiegand26RowCells(const TPlateCodes& codes);
TWiegand64Row Wiegand64RowCells(const TPlateCodes& codes);

// Writes the text of one cell of the plate's row in a table (a column of the
// table's description) at `out`, which has room for kCellRoom bytes; returns the
// end of the text. The rows above are made of these, and a writer that lays out
// its own lines takes them from here.
char* WriteRowCell(TCodeTable table, std::size_t column, const TPlateCodes& codes, char* out);
// The same writer chosen once for many rows (a column outside the table throws
// std::out_of_range).
using TRowCellWriter = char* (*)(const TPlateCodes& codes, char* out);
TRowCellWriter RowCellWriter(TCodeTable table, std::size_t column);
// Every cell of the plate's row in a table, in the table's order, with
// `separator` between them (none after the last), at `out`, which has room for
// kCellRoom bytes and a separator a column; returns the end of the text.
char* WriteRowLine(TCodeTable table, const TPlateCodes& codes, char separator, char* out);
