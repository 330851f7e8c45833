#pragma once
// SHA-1 over a single 64-byte block: messages of 0 to 55 bytes.

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

// The five state words H0 to H4 after the block.
using TSha1Digest = std::array<std::uint32_t, 5>;

// The most message bytes one block holds together with the padding.
constexpr std::size_t kSha1SingleBlockMax = 55;

// SHA-1 of `message` (0 to 55 bytes; a longer message throws std::length_error).
// Uses the processor's SHA instructions when it has them.
TSha1Digest Sha1SingleBlock(std::string_view message);

// SHA-1 of each message (0 to 55 bytes each; a longer one throws
// std::length_error) into digests[0] onwards: what a list of plates takes. With
// the SHA instructions three blocks go through the rounds side by side, so that
// each waits for its instructions' results while the others' run.
void Sha1SingleBlocks(std::span<const std::string_view> messages, TSha1Digest* digests);

// The same for messages of at most 16 bytes (a longer one throws
// std::length_error), each with 16 bytes to read from its start, as a plate
// held in place has: loaded without a branch on its length.
constexpr std::size_t kSha1PaddedMessageMax = 16;
void Sha1PaddedBlocks(std::span<const std::string_view> messages, TSha1Digest* digests);

// Makes Sha1SingleBlock and Sha1SingleBlocks use the portable code even where
// the SHA instructions exist (for measuring it); off by default.
void Sha1UsePortable(bool on);

// The two implementations behind Sha1SingleBlock, exposed so that they can be
// tested and measured against each other.
TSha1Digest Sha1SingleBlockPortable(std::string_view message);
bool Sha1HasShaInstructions();
// Only valid when Sha1HasShaInstructions() is true.
TSha1Digest Sha1SingleBlockShaNi(std::string_view message);
void Sha1SingleBlocksShaNi(std::span<const std::string_view> messages, TSha1Digest* digests);
