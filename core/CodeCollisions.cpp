#include "CodeCollisions.h"

#include "PlateCodes.h"

#include <algorithm>
#include <bit>
#include <cstdlib>
#include <cstring>
#include <new>
#include <stdexcept>

#ifdef __linux__
#include <sys/mman.h>
#endif

// One distinct plate. The plate's bytes are zero-padded: canonical plates hold
// no 0 byte, so the padding also gives the length. Per table, `Next` links the
// plates of one code in a circle in order of first appearance; the index slot of
// the code names the last of them, whose `Next` is the first.
struct TCollisionFinder::TEntry {
    std::uint64_t Code64;
    std::uint64_t FirstRow;
    std::uint32_t Code26;
    std::uint32_t Count;
    std::uint32_t Next[2];
    char Bytes[16];

    std::uint64_t Code(int table) const { return table == 0 ? Code26 : Code64; }
    std::string_view View() const { return std::string_view(Bytes, strnlen(Bytes, sizeof Bytes)); }
};

const std::size_t TCollisionFinder::kChunkBytes = sizeof(TEntry) << kChunkBits;

namespace {

std::uint64_t Mix(std::uint64_t h)
{
    h ^= h >> 30;
    h *= 0xBF58476D1CE4E5B9ull;
    h ^= h >> 27;
    h *= 0x94D049BB133111EBull;
    h ^= h >> 31;
    return h;
}

// The plate as two zero-padded words; false when it cannot be a canonical plate.
bool PlateWords(std::string_view plate, std::uint64_t words[2])
{
    if (plate.empty() || plate.size() > 16 || plate.find('\0') != std::string_view::npos)
        return false;
    char bytes[16] = {};
    std::memcpy(bytes, plate.data(), plate.size());
    std::memcpy(words, bytes, 16);
    return true;
}

std::uint64_t PlateHash(const std::uint64_t words[2])
{
    return Mix(words[0] * 0x9E3779B97F4A7C15ull ^ std::rotl(words[1] * 0xC2B2AE3D27D4EB4Full, 31));
}

std::uint64_t CodeHash(std::uint64_t code) { return Mix(code + 0x9E3779B97F4A7C15ull); }

} // namespace

namespace {

// Large blocks are mapped with their pages made present in one go: a million
// plates touch about 100 MB, and taking that page by page on first use costs
// as much as the work itself.
constexpr std::size_t kLargeBlock = std::size_t(1) << 20;

void* AllocateZeroed(std::size_t bytes)
{
#ifdef __linux__
    if (bytes >= kLargeBlock) {
        void* memory = mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        if (memory == MAP_FAILED)
            throw std::bad_alloc();
        madvise(memory, bytes, MADV_HUGEPAGE);
#ifdef MADV_POPULATE_WRITE
        madvise(memory, bytes, MADV_POPULATE_WRITE);
#endif
        return memory;
    }
#endif
    void* memory = std::calloc(bytes, 1);
    if (!memory)
        throw std::bad_alloc();
    return memory;
}

} // namespace

void TCollisionFinder::TMemoryRelease::operator()(void* memory) const
{
#ifdef __linux__
    if (bytes >= kLargeBlock) {
        munmap(memory, bytes);
        return;
    }
#endif
    std::free(memory);
}

// Open addressing with linear probing over a power-of-two number of slots, at
// most half of them used. The tag spares reading the entry of a slot whose key
// differs.
class TCollisionFinder::TIndex {
public:
    explicit TIndex(std::size_t capacity)
        : slots_(static_cast<TSlot*>(AllocateZeroed(capacity * sizeof(TSlot))), TMemoryRelease{capacity * sizeof(TSlot)}),
          mask_(capacity - 1)
    {
    }

    std::size_t Capacity() const { return mask_ + 1; }
    const TSlot* Home(std::uint64_t hash) const { return &slots_[hash & mask_]; }

    // The slot holding the key (`same(id)` confirms it) or the empty slot where it goes.
    template <class Same>
    TSlot& Find(std::uint64_t hash, Same&& same) const
    {
        const std::uint32_t tag = std::uint32_t(hash >> 32);
        for (std::size_t i = hash & mask_;; i = (i + 1) & mask_) {
            TSlot& slot = slots_[i];
            if (slot.Id1 == 0 || (slot.Tag == tag && same(slot.Id1 - 1)))
                return slot;
        }
    }
    static void Put(TSlot& slot, std::uint64_t hash, TPlateId id) { slot = TSlot{id + 1, std::uint32_t(hash >> 32)}; }
    // Adds a key known to be absent.
    void Insert(std::uint64_t hash, TPlateId id)
    {
        Put(Find(hash, [](TPlateId) { return false; }), hash, id);
    }

private:
    std::unique_ptr<TSlot[], TMemoryRelease> slots_;
    std::size_t mask_;
};

TCollisionFinder::TCollisionFinder() { Clear(); }
TCollisionFinder::~TCollisionFinder() = default;
TCollisionFinder::TCollisionFinder(TCollisionFinder&&) noexcept = default;
TCollisionFinder& TCollisionFinder::operator=(TCollisionFinder&&) noexcept = default;

void TCollisionFinder::Clear()
{
    chunks_.clear();
    distinct_ = 0;
    counts_[0] = counts_[1] = TCollisionCounts{};
    Rebuild(1024);
}

TCollisionFinder::TEntry& TCollisionFinder::Entry(TPlateId id)
{
    return chunks_[id >> kChunkBits][id & ((1u << kChunkBits) - 1)];
}

const TCollisionFinder::TEntry& TCollisionFinder::Entry(TPlateId id) const
{
    return chunks_[id >> kChunkBits][id & ((1u << kChunkBits) - 1)];
}

void TCollisionFinder::Rebuild(std::size_t capacity)
{
    plates_ = std::make_unique<TIndex>(capacity);
    codes_[0] = std::make_unique<TIndex>(capacity);
    codes_[1] = std::make_unique<TIndex>(capacity);
    for (TPlateId id = 0; id < distinct_; ++id) {
        const TEntry& entry = Entry(id);
        std::uint64_t words[2];
        PlateWords(entry.View(), words);
        plates_->Insert(PlateHash(words), id);
        // A code's slot names the last plate of its circle: the one whose
        // successor came before it (or is itself).
        for (int t = 0; t < 2; ++t)
            if (entry.Next[t] <= id)
                codes_[t]->Insert(CodeHash(entry.Code(t)), id);
    }
}

void TCollisionFinder::Reserve(std::size_t distinct)
{
    std::size_t capacity = plates_->Capacity();
    if (distinct * 2 <= capacity)
        return;
    while (distinct * 2 > capacity)
        capacity *= 2;
    Rebuild(capacity);
}

TCollisionFinder::TPlateId TCollisionFinder::NewEntry(const TCollisionRecord& record)
{
    const TPlateId id = TPlateId(distinct_);
    if ((id >> kChunkBits) == chunks_.size())
        chunks_.emplace_back(static_cast<TEntry*>(AllocateZeroed(kChunkBytes)), TMemoryRelease{kChunkBytes});
    TEntry& entry = Entry(id);
    entry.Code64 = record.Wiegand64;
    entry.FirstRow = record.Row;
    entry.Code26 = record.Wiegand26;
    entry.Count = 1;
    entry.Next[0] = entry.Next[1] = id;
    std::memset(entry.Bytes, 0, sizeof entry.Bytes);
    std::memcpy(entry.Bytes, record.Plate.data(), record.Plate.size());
    ++distinct_;
    return id;
}

void TCollisionFinder::Add(const TCollisionRecord& record)
{
    std::uint64_t words[2];
    if (!PlateWords(record.Plate, words))
        throw std::length_error("a canonical plate has 1 to 16 bytes, none of them 0");
    Reserve(distinct_ + 1);
    const std::uint64_t codeHash[2] = {CodeHash(record.Wiegand26), CodeHash(record.Wiegand64)};
    AddHashed(record, PlateHash(words), codeHash);
}

void TCollisionFinder::Add(std::span<const TCollisionRecord> records)
{
    Reserve(distinct_ + records.size());
    // A block at a time: the hashes first, then one read of each home slot in a
    // loop that does nothing else, so that the cache misses overlap, then the
    // records in order, on slots that are in the cache by then.
    constexpr std::size_t kBlock = 256;
    struct THashes {
        std::uint64_t plate;
        std::uint64_t code[2];
    };
    std::unique_ptr<THashes[]> hashes(new THashes[kBlock]);
    for (std::size_t begin = 0; begin < records.size(); begin += kBlock) {
        const std::size_t count = std::min(kBlock, records.size() - begin);
        for (std::size_t k = 0; k < count; ++k) {
            const TCollisionRecord& record = records[begin + k];
            std::uint64_t words[2];
            if (!PlateWords(record.Plate, words))
                throw std::length_error("a canonical plate has 1 to 16 bytes, none of them 0");
            hashes[k] = {PlateHash(words), {CodeHash(record.Wiegand26), CodeHash(record.Wiegand64)}};
        }
        std::uint32_t touched = 0;
        for (std::size_t k = 0; k < count; ++k)
            touched += plates_->Home(hashes[k].plate)->Id1 + codes_[0]->Home(hashes[k].code[0])->Id1 +
                       codes_[1]->Home(hashes[k].code[1])->Id1;
        touchSink_ += touched;
        for (std::size_t k = 0; k < count; ++k)
            AddHashed(records[begin + k], hashes[k].plate, hashes[k].code);
    }
}

void TCollisionFinder::AddHashed(const TCollisionRecord& record, std::uint64_t plateHash, const std::uint64_t codeHash[2])
{
    ++counts_[0].Plates;
    ++counts_[1].Plates;
    TSlot& slot = plates_->Find(plateHash, [&](TPlateId id) { return Entry(id).View() == record.Plate; });
    if (slot.Id1 != 0) {
        const TPlateId id = slot.Id1 - 1;
        ++Entry(id).Count;
        for (int t = 0; t < 2; ++t) {
            ++counts_[t].Repeats;
            if (SharesCode(TCodeTable(t), id))
                ++counts_[t].RowsInGroups;
        }
        return;
    }
    const TPlateId id = NewEntry(record);
    TIndex::Put(slot, plateHash, id);
    Join(0, id, record.Wiegand26, codeHash[0]);
    Join(1, id, record.Wiegand64, codeHash[1]);
}

// Appends a new plate to the circle of its code in one table.
void TCollisionFinder::Join(int table, TPlateId id, std::uint64_t code, std::uint64_t hash)
{
    TSlot& slot = codes_[table]->Find(hash, [&](TPlateId other) { return Entry(other).Code(table) == code; });
    if (slot.Id1 == 0) {
        TIndex::Put(slot, hash, id);
        return;
    }
    const TPlateId last = slot.Id1 - 1;
    TEntry& lastEntry = Entry(last);
    const TPlateId first = lastEntry.Next[table];
    TCollisionCounts& counts = counts_[table];
    if (first == last) { // a code of one plate becomes a group of two
        ++counts.Groups;
        counts.PlatesInGroups += 2;
        counts.RowsInGroups += lastEntry.Count + 1;
    } else {
        ++counts.PlatesInGroups;
        ++counts.RowsInGroups;
    }
    Entry(id).Next[table] = first;
    lastEntry.Next[table] = id;
    TIndex::Put(slot, hash, id);
}

TCollisionCounts TCollisionFinder::Counts(TCodeTable table) const { return counts_[int(table)]; }

TCollisionFinder::TPlateId TCollisionFinder::Find(std::string_view plate) const
{
    std::uint64_t words[2];
    if (!PlateWords(plate, words))
        return kNoPlate;
    const TSlot& slot = plates_->Find(PlateHash(words), [&](TPlateId id) { return Entry(id).View() == plate; });
    return slot.Id1 == 0 ? kNoPlate : slot.Id1 - 1;
}

std::string_view TCollisionFinder::Plate(TPlateId id) const { return Entry(id).View(); }
std::uint64_t TCollisionFinder::Code(TCodeTable table, TPlateId id) const { return Entry(id).Code(int(table)); }
std::uint64_t TCollisionFinder::FirstRow(TPlateId id) const { return Entry(id).FirstRow; }
std::uint32_t TCollisionFinder::Occurrences(TPlateId id) const { return Entry(id).Count; }

bool TCollisionFinder::SharesCode(TCodeTable table, TPlateId id) const
{
    return Entry(id).Next[int(table)] != id;
}

std::vector<TCollisionFinder::TPlateId> TCollisionFinder::GroupOf(TCodeTable table, TPlateId id) const
{
    const int t = int(table);
    // Walk the circle from the plate to the last one, then on from the first.
    std::vector<TPlateId> group{id};
    for (TPlateId p = Entry(id).Next[t]; p != id; p = Entry(p).Next[t])
        group.push_back(p);
    std::rotate(group.begin(), std::min_element(group.begin(), group.end()), group.end());
    return group;
}

std::vector<TCollisionFinder::TGroup> TCollisionFinder::Groups(TCodeTable table) const
{
    const int t = int(table);
    std::vector<TGroup> groups;
    // The first plate of a circle is the one whose predecessor came after it;
    // the last plate of a circle (Next <= id) leads to it.
    for (TPlateId id = 0; id < distinct_; ++id) {
        const TEntry& entry = Entry(id);
        if (entry.Next[t] < id) {
            TGroup group{entry.Code(t), {}};
            TPlateId p = entry.Next[t];
            do {
                group.Plates.push_back(p);
                p = Entry(p).Next[t];
            } while (p != entry.Next[t]);
            groups.push_back(std::move(group));
        }
    }
    std::sort(groups.begin(), groups.end(), [](const TGroup& a, const TGroup& b) { return a.Code < b.Code; });
    return groups;
}

