// Any bytes as one plate line: the fast path for plain ASCII gives the canonical
// plate of the general path byte for byte, or rejects the line as it does and
// for the same reason; an accepted plate's codes and cell texts are those of
// the general computation and formatting. A line at the start of the bytes,
// its length taken from the first of them, read as lying in the rest, is
// normalised as the general path does. The same bytes, cut into messages,
// give the same SHA-1 digests in bulk as one at a time in the portable code.
#include "PlateInvariants.h"

#include <algorithm>

namespace {

void CheckDigestsInBulk(std::string_view bytes)
{
    // Messages of 0 to 55 bytes, their lengths taken from the bytes themselves.
    std::vector<std::string_view> messages;
    for (std::size_t at = 0; at < bytes.size() && messages.size() < 8;) {
        const std::size_t n = std::min<std::size_t>(static_cast<unsigned char>(bytes[at]) % (kSha1SingleBlockMax + 1),
                                                    bytes.size() - at);
        messages.push_back(bytes.substr(at, n));
        at += n + 1;
    }
    std::vector<TSha1Digest> digests(messages.size());
    Sha1SingleBlocks(messages, digests.data());
    for (std::size_t i = 0; i < messages.size(); ++i)
        Require(digests[i] == Sha1SingleBlockPortable(messages[i]));
    // Messages of up to 16 bytes with 16 to read from their start: the same.
    std::vector<std::string_view> padded;
    for (std::size_t at = 0; at + kSha1PaddedMessageMax <= bytes.size() && padded.size() < 8; ++at)
        padded.push_back(bytes.substr(at, static_cast<unsigned char>(bytes[at]) % (kSha1PaddedMessageMax + 1)));
    digests.resize(padded.size());
    Sha1PaddedBlocks(padded, digests.data());
    for (std::size_t i = 0; i < padded.size(); ++i)
        Require(digests[i] == Sha1SingleBlockPortable(padded[i]));
}

void CheckLineInText(std::string_view bytes)
{
    if (bytes.empty())
        return;
    const std::string_view text = bytes.substr(1);
    const std::string_view line = text.substr(0, static_cast<unsigned char>(bytes[0]) % 20);
    TPlateBytes plate;
    TPlateRejection inText = TPlateRejection::None;
    TPlateRejection general = TPlateRejection::None;
    const bool accepted = NormalizePlateTo(line, text.data() + text.size(), plate, &inText);
    Require((accepted ? std::optional<std::string>(plate) : std::nullopt) == NormalizePlateGeneral(line, &general));
    Require(inText == general);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view line(reinterpret_cast<const char*>(data), size);
    TPlateRejection fast = TPlateRejection::None;
    TPlateRejection general = TPlateRejection::None;
    const std::optional<std::string> plate = NormalizePlate(line, &fast);
    Require(plate == NormalizePlateGeneral(line, &general));
    Require(fast == general);
    CheckPlateAndCodes(plate);
    CheckDigestsInBulk(line);
    CheckLineInText(line);
    return 0;
}
