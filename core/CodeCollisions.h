#pragma once
// Plates that share a code. Two different canonical plates can get one 26-bit
// code (it is a 24-bit hash) or one 64-bit code (only the first 10 bytes are
// packed, and every byte outside 0-9 and A-Z packs as group 63); to a gate they
// are one card. The finder takes result records one at a time or in bulk and
// keeps, per code table, the groups of distinct plates that share a code. A plate
// that comes again is a repeat, counted apart and never a collision.
//
// Linear time: each record costs a few hash probes (the bulk form prefetches
// them), and no record pays for the ones before it: an index that fills up
// grows into a table twice its size while the following records move its slots
// over a few at a time. Memory grows with the distinct plates only: 40 bytes
// each in fixed chunks, plus one index per code table of 8 bytes a slot. A plate
// is found through its 26-bit code, so the records must carry the plate's own
// codes (those of ComputePlateCodes).

#include "PlateCodes.h"

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>


// What the finder needs of one result record. The plate is canonical: 1 to 16
// bytes, none of them 0.
struct TCollisionRecord {
    std::string_view Plate;
    std::uint32_t Wiegand26 = 0;
    std::uint64_t Wiegand64 = 0;
    std::uint64_t Row = 0; // where the record stands in its list
};

struct TCollisionCounts {
    std::uint64_t Plates = 0;         // records taken
    std::uint64_t Repeats = 0;        // records whose plate was taken before
    std::uint64_t Groups = 0;         // codes shared by two or more distinct plates
    std::uint64_t PlatesInGroups = 0; // distinct plates that share their code
    std::uint64_t RowsInGroups = 0;   // records whose plate shares its code
};

class TCollisionFinder {
public:
    using TPlateId = std::uint32_t; // distinct plates numbered in order of first appearance
    static constexpr TPlateId kNoPlate = ~TPlateId(0);

    TCollisionFinder();
    ~TCollisionFinder();
    TCollisionFinder(TCollisionFinder&&) noexcept;
    TCollisionFinder& operator=(TCollisionFinder&&) noexcept;

    void Clear();
    // Throws std::length_error for a plate outside 1 to 16 bytes. Returns the
    // plate's id; the bulk form puts the id of each record into `ids` if given.
    TPlateId Add(const TCollisionRecord& record);
    void Add(std::span<const TCollisionRecord> records, std::vector<TPlateId>* ids = nullptr);
    // Makes room at once for up to `plates` more plates when they are at least
    // as many as those held, so that a long list grows the index once.
    void Reserve(std::size_t plates);

    TCollisionCounts Counts(TCodeTable table) const;
    std::size_t DistinctPlates() const { return distinct_; }

    // The id of a plate taken before, or kNoPlate.
    TPlateId Find(std::string_view plate) const;
    std::string_view Plate(TPlateId id) const;
    std::uint64_t Code(TCodeTable table, TPlateId id) const;
    std::uint64_t FirstRow(TPlateId id) const;
    std::uint32_t Occurrences(TPlateId id) const;
    bool SharesCode(TCodeTable table, TPlateId id) const;
    // The distinct plates with the plate's code, in order of first appearance,
    // the plate itself included (alone when it shares nothing).
    std::vector<TPlateId> GroupOf(TCodeTable table, TPlateId id) const;

    struct TGroup {
        std::uint64_t Code;
        std::vector<TPlateId> Plates; // in order of first appearance
    };
    // Every group of two or more distinct plates, in ascending order of the code.
    std::vector<TGroup> Groups(TCodeTable table) const;

private:
    struct TEntry;
    struct TSlot {
        std::uint32_t Id1; // plate id + 1; 0 marks an empty slot
        std::uint32_t Tag; // high half of the key's hash
    };
    class TIndex;
    // Frees a block of `bytes` taken for entries or index slots.
    struct TMemoryRelease {
        std::size_t bytes;
        void operator()(void* memory) const;
    };

    TEntry& Entry(TPlateId id);
    const TEntry& Entry(TPlateId id) const;
    std::uint64_t EntryCode(int table, TPlateId id) const;
    TPlateId NewEntry(const TCollisionRecord& record);
    // The plate among those of its 26-bit code, or kNoPlate.
    TPlateId FindInCircle(TPlateId last, std::string_view plate) const;
    TPlateId AddHashed(const TCollisionRecord& record, const std::uint64_t codeHash[2]);
    void Join(int table, TPlateId id, std::uint64_t code, std::uint64_t hash);

    static constexpr int kChunkBits = 16;
    static const std::size_t kChunkBytes;
    std::vector<std::unique_ptr<TEntry[], TMemoryRelease>> chunks_;
    std::size_t distinct_ = 0;
    std::unique_ptr<TIndex> codes_[2];
    TCollisionCounts counts_[2];
    std::uint32_t touchSink_ = 0; // keeps the reads that warm the cache
};

