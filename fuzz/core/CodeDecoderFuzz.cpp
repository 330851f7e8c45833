// Any bytes as a code typed or given to --decode: reading it either names what
// it expected or gives one or two readings whose fields read back to the same code.
#include "CodeDecoder.h"
#include "NumberText.h"
#include "PlateInvariants.h"
#include "UWG64.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace {

std::string Hex(std::uint64_t value, int digits)
{
    char text[20] = "0x";
    return std::string(text, WriteHex(text + 2, value, digits));
}

// The fields of one reading read back to the same code.
void CheckReading(const TDecodedCode& decoded)
{
    if (const auto* d26 = std::get_if<TWiegand26Decoded>(&decoded)) {
        Require(d26->Frame < kWiegand26Limit);
        Require(d26->Payload == Wiegand26Payload(d26->Frame));
        Require(d26->ParityOk() == (Wiegand26Frame(d26->Payload) == d26->Frame));
        Require(DecodeWiegand26(Hex(d26->Frame, 7)).Frame == d26->Frame);
    } else {
        const auto& d64 = std::get<TWiegand64Decoded>(decoded);
        Require(!d64.PlateText.empty() && d64.PlateText.size() <= std::size_t(kWiegand64GroupCount));
        Require(DecodeWiegand64(Hex(d64.Code, 16)).PlateText == d64.PlateText);
        if (d64.PrefixOk && d64.PlateText.find('?') == std::string::npos)
            Require(Wiegand64Pack(d64.PlateText) == d64.Code);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    std::vector<TCodeReading> readings;
    try {
        readings = ReadCode(text);
    } catch (const TDecodeError& e) {
        Require(*e.what() != '\0');
        return 0;
    }
    // One reading, or two of one kind for an ambiguous input.
    Require(!readings.empty() && readings.size() <= 2);
    if (readings.size() == 2)
        Require(readings[0].Decoded.index() == readings[1].Decoded.index() && readings[0].As != readings[1].As);
    for (const TCodeReading& reading : readings)
        CheckReading(reading.Decoded);
    // The converter's tables read the readings of their kind.
    for (TCodeKinds kinds : {TCodeKinds::Wiegand26, TCodeKinds::Wiegand64}) {
        try {
            for (const TCodeReading& reading : ReadCode(text, kinds)) {
                Require(std::any_of(readings.begin(), readings.end(), [&](const TCodeReading& any) {
                    return any.As == reading.As && SearchKey(any.Decoded) == SearchKey(reading.Decoded);
                }));
            }
        } catch (const TDecodeError&) {
        }
    }
    return 0;
}
