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

// Input that is no code of the expected kind; the message says what was expected.
class TDecodeError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
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

// Accepts 1 to 7 hex digits (with or without 0x) below 0x4000000, 26 binary
// digits (blanks or "_" between them allowed), or a facility code and ID number
// as 128/53013 or 128:53013. Blanks at the ends are ignored. Throws TDecodeError.
TWiegand26Decoded DecodeWiegand26(std::string_view text);
// Accepts 16 hex digits (with or without 0x) or 64 binary digits. A group value
// that no plate gives is an error naming the group. Throws TDecodeError.
TWiegand64Decoded DecodeWiegand64(std::string_view text);

// Either decoder, chosen by the input's form: 16 hex or 64 binary digits are a
// 64-bit code, anything else is read as a 26-bit code.
using TDecodedCode = std::variant<TWiegand26Decoded, TWiegand64Decoded>;
TDecodedCode DecodeCode(std::string_view text);

// The text without the blanks (spaces, tabs) at its ends.
std::string_view TrimBlanks(std::string_view text);

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

// What a search compares, so that a damaged frame or prefix still finds its
// plate: the payload of a 26-bit frame, the ten groups of a 64-bit code.
constexpr std::uint64_t Wiegand64Groups(std::uint64_t code)
{
    return code & ~kWiegand64PrefixMask;
}
