// Any bytes as a code typed or given to --decode: decoding either names what
// it expected or gives fields that read back to the same code.
#include "CodeDecoder.h"
#include "NumberText.h"
#include "PlateInvariants.h"
#include "UWG64.h"

#include <cstdint>

namespace {

std::string Hex(std::uint64_t value, int digits)
{
    char text[20] = "0x";
    return std::string(text, WriteHex(text + 2, value, digits));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    TDecodedCode decoded;
    try {
        decoded = DecodeCode(text);
    } catch (const TDecodeError& e) {
        Require(*e.what() != '\0');
        return 0;
    }
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
    return 0;
}
