#pragma once
// Reading a code logged at the gate back into its fields: a 26-bit frame (hex,
// binary, or facility code and ID number) or a 64-bit code (hex or binary),
// checked against the layout the plate codes are computed with.

#include "UWG64.h"

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

// Input that is no code of the expected kind; the message says what was expected.
// It is a fixed English sentence with %1, %2 for the values in it, so that the
// window can say it in the user's language; what() is the sentence filled in.
class TDecodeError : public std::runtime_error {
public:
    explicit TDecodeError(const char* sentence, std::vector<std::string> values = {});
    const char* Sentence() const { return sentence_; }
    const std::vector<std::string>& Values() const { return values_; }

private:
    const char* sentence_;
    std::vector<std::string> values_;
};

struct TWiegand26Decoded {
    std::uint32_t Frame = 0;
    bool EvenParityOk = false; // frame bit 25
    bool OddParityOk = false;  // frame bit 0
    std::uint32_t Payload = 0;
    std::uint32_t FacilityCode = 0;
    std::uint32_t IdNumber = 0;

    bool ParityOk() const { return EvenParityOk && OddParityOk; }
};

struct TWiegand64Decoded {
    std::uint64_t Code = 0;
    bool PrefixOk = false;  // bits 63 to 60 are 0110
    std::string PlateText;  // the packed plate bytes; "?" for a byte outside the table
};

// Reads a 26-bit frame: 1 to 7 hex digits (with or without 0x) below 0x4000000,
// 26 binary digits (blanks or "_" between them allowed), or a facility code and
// ID number as 128/53013, 128:53013, 128;53013 or 128 53013. Blanks at the ends
// are ignored. Throws TDecodeError.
TWiegand26Decoded DecodeWiegand26(std::string_view text);
// Reads a 64-bit code: 16 hex digits (with or without 0x) or 64 binary digits. A
// group value that no plate gives is an error naming the group. Throws TDecodeError.
TWiegand64Decoded DecodeWiegand64(std::string_view text);

using TDecodedCode = std::variant<TWiegand26Decoded, TWiegand64Decoded>;

// What an input was read as: a code, or the value of a results column that
// leads to one (a digest and its truncations give the frame of their payload).
enum class TReadAs {
    PayloadDec, // "Digest (truncated dec)": 1 to 8 decimal digits up to 16777215
    PayloadHex, // "Digest (truncated hex)": 0x and 6 hex digits
    Digest,     // "Digest (full hex)": 40 hex digits, blanks between them allowed
    Frame26,    // DecodeWiegand26
    Code64,     // DecodeWiegand64
    Code64Dec,  // "Wiegand 64-bit (dec)": 17 to 20 decimal digits
};

struct TCodeReading {
    TReadAs As;
    TDecodedCode Decoded;
};

// The codes an input may be read as.
enum class TCodeKinds { Any, Wiegand26, Wiegand64 };

// Every way the input can be read, in the order above: one, or two when it is
// ambiguous (7 decimal digits are a truncated digest in decimal and a frame in
// hex; 0x and 6 hex digits are a truncated digest and a frame). Every cell of the
// code columns of both results tables reads, as it stands. Throws TDecodeError,
// saying what was expected, when there is no reading.
std::vector<TCodeReading> ReadCode(std::string_view text, TCodeKinds kinds = TCodeKinds::Any);

// How a reading is named to the user: "Wiegand 26-bit", "Wiegand 64-bit" or the
// header of the column whose value it read.
std::string_view ReadAsText(TReadAs as);

// What a search compares, so that a damaged frame or prefix still finds its
// plate: the payload of a 26-bit frame, the ten groups of a 64-bit code.
std::uint64_t SearchKey(const TDecodedCode& decoded);

// "ok", "even parity bit wrong", "odd parity bit wrong" or "both parity bits wrong".
std::string_view ParityText(const TWiegand26Decoded& decoded);
// "ok" or "not 0110".
std::string_view PrefixText(const TWiegand64Decoded& decoded);

// The 26 bits grouped as parity, facility code, ID number, parity:
// "1 10000000 1100111100010101 0".
std::string Wiegand26BitGroups(std::uint32_t frame);
// The prefix and the ten 6-bit groups: "0110 000000 ... 011011".
std::string Wiegand64BitGroups(std::uint64_t code);

// The value of "0x" and 1 to `maxDigits` hex digits (either case) and nothing
// else, as the code cells of the results tables hold it; none otherwise.
std::optional<std::uint64_t> ParseHexCell(std::string_view text, int maxDigits);

// The ten groups of a 64-bit code, without its prefix.
constexpr std::uint64_t Wiegand64Groups(std::uint64_t code)
{
    return code & ~kWiegand64PrefixMask;
}
