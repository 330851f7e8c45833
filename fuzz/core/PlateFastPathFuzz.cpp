// Any bytes as one plate line: the fast path for plain ASCII gives the canonical
// plate of the general path byte for byte, or rejects the line as it does.
#include "PlateInvariants.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view line(reinterpret_cast<const char*>(data), size);
    Require(NormalizePlate(line) == NormalizePlateGeneral(line));
    return 0;
}
