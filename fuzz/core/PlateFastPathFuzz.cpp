// Any bytes as one plate line: the fast path for plain ASCII gives the canonical
// plate of the general path byte for byte, or rejects the line as it does and
// for the same reason.
#include "PlateInvariants.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view line(reinterpret_cast<const char*>(data), size);
    TPlateRejection fast = TPlateRejection::None;
    TPlateRejection general = TPlateRejection::None;
    Require(NormalizePlate(line, &fast) == NormalizePlateGeneral(line, &general));
    Require(fast == general);
    return 0;
}
