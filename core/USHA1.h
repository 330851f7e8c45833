#pragma once
// SHA-1 over a single 64-byte block: messages of 0 to 55 bytes.

#include <array>
#include <cstdint>
#include <string_view>

// The five state words H0 to H4 after the block.
using TSha1Digest = std::array<std::uint32_t, 5>;

// The most message bytes one block holds together with the padding.
constexpr std::size_t kSha1SingleBlockMax = 55;

// SHA-1 of `message` (0 to 55 bytes; a longer message throws std::length_error).
// Uses the processor's SHA instructions when it has them.
TSha1Digest Sha1SingleBlock(std::string_view message);

// Makes Sha1SingleBlock use the portable code even where the SHA instructions
// exist (for measuring it); off by default.
void Sha1UsePortable(bool on);

// The two implementations behind Sha1SingleBlock, exposed so that they can be
// tested and measured against each other.
TSha1Digest Sha1SingleBlockPortable(std::string_view message);
bool Sha1HasShaInstructions();
// Only valid when Sha1HasShaInstructions() is true.
TSha1Digest Sha1SingleBlockShaNi(std::string_view message);
