// Any bytes as one plate line: normalisation never crashes, accepted plates and
// their codes keep their invariants, and feeding the line in pieces changes nothing.
#include "PlateInvariants.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view line(reinterpret_cast<const char*>(data), size);
    const std::optional<std::string> plate = NormalizePlate(line);
    CheckPlateAndCodes(plate);

    TPlateNormalizer normalizer;
    const std::size_t step = size == 0 ? 1 : 1 + data[0] % 7;
    for (std::size_t at = 0; at < size; at += step)
        normalizer.Feed(line.substr(at, step));
    Require(normalizer.Finish() == plate);
    return 0;
}
