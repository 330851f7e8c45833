#include "CodeCollisions.h"

#include "HugePages.h"
#include "PlateCodes.h"
#include "UWG26.h"
#include "UWG64.h"

#include <algorithm>
#include <bit>
#include <cstdlib>
#include <cstring>
#include <new>
#include <stdexcept>

// One distinct plate. The plate's bytes are zero-padded: canonical plates hold
// no 0 byte, so the padding also gives the length. Per table, `Next` links the
// plates of one code in a circle in order of first appearance; the index slot of
// the code names the last of them, whose `Next` is the first. The 64-bit code is
// packed again from the bytes when it is needed.
struct TCollisionFinder::TEntry {
    char Bytes[16];
    std::uint64_t FirstRow;
    std::uint32_t Code26;
    std::uint32_t Count;
    std::uint32_t Next[2];

    std::string_view View() const { return std::string_view(Bytes, strnlen(Bytes, sizeof Bytes)); }
    // Whether the entry holds this plate of 1 to 16 bytes.
    bool Holds(std::string_view plate) const
    {
        return std::memcmp(Bytes, plate.data(), plate.size()) == 0 && (plate.size() == sizeof Bytes || Bytes[plate.size()] == 0);
    }
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

bool IsCanonicalShape(std::string_view plate)
{
    return !plate.empty() && plate.size() <= 16 && plate.find('\0') == std::string_view::npos;
}

std::uint64_t CodeHash(std::uint64_t code) { return Mix(code + 0x9E3779B97F4A7C15ull); }

std::uint32_t Wiegand26Of(std::string_view plate)
{
    return Wiegand26Frame(Sha1SingleBlock(plate)[4] & 0xFFFFFFu);
}

// Large blocks are mapped and asked for huge pages, so that a million plates
// touch their memory a few hundred times instead of tens of thousands. A block
// that is filled in order at once (`populate`) has its pages made present in one
// go; an index is left to fault in as its slots are used, so that growing it
// costs no single record the whole table.
constexpr std::size_t kLargeBlock = std::size_t(1) << 20;

void* AllocateZeroed(std::size_t bytes, bool populate = false)
{
    if (bytes >= kLargeBlock)
        return MapHugePages(bytes, populate);
    void* memory = std::calloc(bytes, 1);
    if (!memory)
        throw std::bad_alloc();
    return memory;
}

} // namespace

void TCollisionFinder::TMemoryRelease::operator()(void* memory) const
{
    if (bytes >= kLargeBlock)
        return UnmapHugePages(memory, bytes);
    std::free(memory);
}

// Open addressing with linear probing over a power-of-two number of slots, at
// most three quarters of them used. The tag spares reading the entry of a slot
// whose key differs. When the table is full it is replaced by one twice its size
// and the old slots move over a few with every key added, so growing costs no
// key more than a few slot moves; until they have all moved, both tables are
// searched.
class TCollisionFinder::TIndex {
public:
    explicit TIndex(std::size_t capacity) : table_(capacity) {}

    std::size_t Size() const { return size_; }
    const TSlot* Home(std::uint64_t hash) const { return table_.Home(hash); }

    // The slot holding the key (`same(id)` confirms it), or nullptr.
    template <class Same>
    TSlot* Find(std::uint64_t hash, Same&& same) const
    {
        TSlot& slot = table_.Probe(hash, same);
        if (slot.Id1 != 0)
            return &slot;
        if (old_.Capacity() == 0)
            return nullptr;
        TSlot& moving = old_.Probe(hash, same);
        return moving.Id1 != 0 ? &moving : nullptr;
    }

    // Names `id` in the slot of a key found before; a slot still in the old
    // table moves to the new one with it.
    void Update(TSlot* slot, std::uint64_t hash, TPlateId id)
    {
        if (old_.Contains(slot)) {
            slot->Id1 = kMoved;
            --size_;
            Insert(hash, id);
            return;
        }
        slot->Id1 = id + 1;
    }

    // Makes room for `keys` keys at once when the keys to come are at least as
    // many as those held, so that the moves cost no more than the keys to come.
    void Reserve(std::size_t keys)
    {
        if (keys * 4 <= table_.Capacity() * 3 || keys - size_ < size_)
            return;
        MoveAll();
        std::size_t capacity = table_.Capacity();
        while (keys * 4 > capacity * 3)
            capacity *= 2;
        old_ = std::move(table_);
        table_ = TTable(capacity);
        MoveAll();
    }

    // Adds a key known to be absent.
    void Insert(std::uint64_t hash, TPlateId id)
    {
        if ((size_ + 1) * 4 > table_.Capacity() * 3) {
            MoveAll();
            old_ = std::move(table_);
            table_ = TTable(old_.Capacity() * 2);
        }
        table_.Put(std::uint32_t(hash >> 32), id + 1);
        ++size_;
        MoveSome(kMovesPerKey);
    }

private:
    static constexpr std::uint32_t kMoved = ~std::uint32_t(0); // a slot moved to the new table
    static constexpr std::size_t kMovesPerKey = 16;

    // A key's home is the top bits of its tag (the high half of its hash), so a
    // slot moves to a larger table without its key being hashed again.
    class TTable {
    public:
        TTable() = default;
        explicit TTable(std::size_t capacity)
            : slots_(static_cast<TSlot*>(AllocateZeroed(capacity * sizeof(TSlot))), TMemoryRelease{capacity * sizeof(TSlot)}),
              capacity_(capacity), shift_(32 - std::countr_zero(capacity))
        {
        }
        std::size_t Capacity() const { return capacity_; }
        TSlot& At(std::size_t i) const { return slots_[i]; }
        const TSlot* Home(std::uint64_t hash) const { return &slots_[HomeOf(TagOf(hash))]; }
        bool Contains(const TSlot* slot) const { return capacity_ != 0 && slot >= &slots_[0] && slot < &slots_[0] + capacity_; }
        void Release()
        {
            slots_.reset();
            capacity_ = 0;
        }

        // The slot of the key, or the empty slot that ends its probe sequence.
        template <class Same>
        TSlot& Probe(std::uint64_t hash, Same&& same) const
        {
            const std::uint32_t tag = TagOf(hash);
            const std::size_t mask = capacity_ - 1;
            for (std::size_t i = HomeOf(tag);; i = (i + 1) & mask) {
                TSlot& slot = slots_[i];
                if (slot.Id1 == 0 || (slot.Id1 != kMoved && slot.Tag == tag && same(slot.Id1 - 1)))
                    return slot;
            }
        }
        void Put(std::uint32_t tag, std::uint32_t id1)
        {
            const std::size_t mask = capacity_ - 1;
            std::size_t i = HomeOf(tag);
            while (slots_[i].Id1 != 0)
                i = (i + 1) & mask;
            slots_[i] = TSlot{id1, tag};
        }

    private:
        static std::uint32_t TagOf(std::uint64_t hash) { return std::uint32_t(hash >> 32); }
        std::size_t HomeOf(std::uint32_t tag) const { return shift_ >= 32 ? 0 : std::size_t(tag >> shift_); }

        std::unique_ptr<TSlot[], TMemoryRelease> slots_;
        std::size_t capacity_ = 0;
        int shift_ = 32;
    };

    void MoveSome(std::size_t count)
    {
        if (old_.Capacity() == 0)
            return;
        const std::size_t end = std::min(old_.Capacity(), moved_ + count);
        for (; moved_ < end; ++moved_) {
            const TSlot slot = old_.At(moved_);
            if (slot.Id1 != 0 && slot.Id1 != kMoved)
                table_.Put(slot.Tag, slot.Id1);
        }
        if (moved_ == old_.Capacity()) {
            old_.Release();
            moved_ = 0;
        }
    }
    void MoveAll() { MoveSome(old_.Capacity()); }

    TTable table_;
    TTable old_;          // the table being moved from, or empty
    std::size_t moved_ = 0; // old slots before this one have moved
    std::size_t size_ = 0;  // keys held
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
    codes_[0] = std::make_unique<TIndex>(1024);
    codes_[1] = std::make_unique<TIndex>(1024);
}

TCollisionFinder::TEntry& TCollisionFinder::Entry(TPlateId id)
{
    return chunks_[id >> kChunkBits][id & ((1u << kChunkBits) - 1)];
}

const TCollisionFinder::TEntry& TCollisionFinder::Entry(TPlateId id) const
{
    return chunks_[id >> kChunkBits][id & ((1u << kChunkBits) - 1)];
}

std::uint64_t TCollisionFinder::EntryCode(int table, TPlateId id) const
{
    const TEntry& entry = Entry(id);
    return table == 0 ? entry.Code26 : Wiegand64Pack(entry.View());
}

TCollisionFinder::TPlateId TCollisionFinder::NewEntry(const TCollisionRecord& record)
{
    const TPlateId id = TPlateId(distinct_);
    if ((id >> kChunkBits) == chunks_.size())
        chunks_.emplace_back(static_cast<TEntry*>(AllocateZeroed(kChunkBytes, true)), TMemoryRelease{kChunkBytes});
    TEntry& entry = Entry(id);
    entry.FirstRow = record.Row;
    entry.Code26 = record.Wiegand26;
    entry.Count = 1;
    entry.Next[0] = entry.Next[1] = id;
    std::memset(entry.Bytes, 0, sizeof entry.Bytes);
    std::memcpy(entry.Bytes, record.Plate.data(), record.Plate.size());
    ++distinct_;
    return id;
}

TCollisionFinder::TPlateId TCollisionFinder::FindInCircle(TPlateId last, std::string_view plate) const
{
    TPlateId p = last;
    do {
        if (Entry(p).Holds(plate))
            return p;
        p = Entry(p).Next[0];
    } while (p != last);
    return kNoPlate;
}

TCollisionFinder::TPlateId TCollisionFinder::Add(const TCollisionRecord& record)
{
    if (!IsCanonicalShape(record.Plate))
        throw std::length_error("a canonical plate has 1 to 16 bytes, none of them 0");
    const std::uint64_t codeHash[2] = {CodeHash(record.Wiegand26), CodeHash(record.Wiegand64)};
    return AddHashed(record, codeHash);
}

void TCollisionFinder::Add(std::span<const TCollisionRecord> records, std::vector<TPlateId>* ids)
{
    // A block at a time: the hashes first, then one read of each home slot in a
    // loop that does nothing else, so that the cache misses overlap, then the
    // records in order, on slots that are in the cache by then.
    constexpr std::size_t kBlock = 256;
    struct THashes {
        std::uint64_t code[2];
    };
    std::unique_ptr<THashes[]> hashes(new THashes[kBlock]);
    for (auto& index : codes_)
        index->Reserve(distinct_ + records.size());
    for (std::size_t begin = 0; begin < records.size(); begin += kBlock) {
        const std::size_t count = std::min(kBlock, records.size() - begin);
        for (std::size_t k = 0; k < count; ++k) {
            const TCollisionRecord& record = records[begin + k];
            if (!IsCanonicalShape(record.Plate))
                throw std::length_error("a canonical plate has 1 to 16 bytes, none of them 0");
            hashes[k] = {{CodeHash(record.Wiegand26), CodeHash(record.Wiegand64)}};
        }
        std::uint32_t touched = 0;
        for (std::size_t k = 0; k < count; ++k)
            touched += codes_[0]->Home(hashes[k].code[0])->Id1 + codes_[1]->Home(hashes[k].code[1])->Id1;
        touchSink_ += touched;
        for (std::size_t k = 0; k < count; ++k) {
            const TPlateId id = AddHashed(records[begin + k], hashes[k].code);
            if (ids)
                ids->push_back(id);
        }
    }
}

void TCollisionFinder::Reserve(std::size_t plates)
{
    for (auto& index : codes_)
        index->Reserve(distinct_ + plates);
}

TCollisionFinder::TPlateId TCollisionFinder::AddHashed(const TCollisionRecord& record, const std::uint64_t codeHash[2])
{
    ++counts_[0].Plates;
    ++counts_[1].Plates;
    const std::uint32_t code26 = record.Wiegand26;
    TSlot* slot = codes_[0]->Find(codeHash[0], [&](TPlateId other) { return Entry(other).Code26 == code26; });
    if (slot) {
        if (const TPlateId id = FindInCircle(slot->Id1 - 1, record.Plate); id != kNoPlate) {
            ++Entry(id).Count;
            for (int t = 0; t < 2; ++t) {
                ++counts_[t].Repeats;
                if (SharesCode(TCodeTable(t), id))
                    ++counts_[t].RowsInGroups;
            }
            return id;
        }
    }
    const TPlateId id = NewEntry(record);
    Join(0, id, record.Wiegand26, codeHash[0]);
    Join(1, id, record.Wiegand64, codeHash[1]);
    return id;
}

// Appends a new plate to the circle of its code in one table.
void TCollisionFinder::Join(int table, TPlateId id, std::uint64_t code, std::uint64_t hash)
{
    TIndex& index = *codes_[table];
    TSlot* slot = index.Find(hash, [&](TPlateId other) { return EntryCode(table, other) == code; });
    if (!slot) {
        index.Insert(hash, id);
        return;
    }
    const TPlateId last = slot->Id1 - 1;
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
    index.Update(slot, hash, id);
}

TCollisionCounts TCollisionFinder::Counts(TCodeTable table) const { return counts_[int(table)]; }

TCollisionFinder::TPlateId TCollisionFinder::Find(std::string_view plate) const
{
    if (!IsCanonicalShape(plate) || distinct_ == 0)
        return kNoPlate;
    const std::uint32_t code26 = Wiegand26Of(plate);
    const TSlot* slot = codes_[0]->Find(CodeHash(code26), [&](TPlateId id) { return Entry(id).Code26 == code26; });
    return slot ? FindInCircle(slot->Id1 - 1, plate) : kNoPlate;
}

std::string_view TCollisionFinder::Plate(TPlateId id) const { return Entry(id).View(); }
std::uint64_t TCollisionFinder::Code(TCodeTable table, TPlateId id) const { return EntryCode(int(table), id); }
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
            TGroup group{EntryCode(t, id), {}};
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

