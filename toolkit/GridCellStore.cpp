#include "GridCellStore.h"

#include "HugePages.h"

#include <QByteArray>
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <new>

void AssignUtf8(std::string& target, QStringView text)
{
    const std::size_t n = std::size_t(text.size());
    const char16_t* p = text.utf16();
    target.resize(n);
    char* out = target.data();
    for (std::size_t i = 0; i < n; ++i) {
        if (p[i] >= 0x80) {
            const QByteArray bytes = text.toUtf8();
            target.assign(bytes.constData(), std::size_t(bytes.size()));
            return;
        }
        out[i] = static_cast<char>(p[i]);
    }
}

QString FromUtf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

// ---- TCellText ------------------------------------------------------------------

std::size_t TCellText::ArenaBytes() const
{
    if (!InArena())
        return 0;
    const std::size_t size = View().size();
    return NeedsLengthPrefix(size) ? size + 4 : size;
}

TCellText TCellText::Inline(std::string_view text)
{
    TCellText cell;
    std::memcpy(cell.bytes_, text.data(), text.size());
    cell.bytes_[7] = static_cast<char>(text.size());
    return cell;
}

TCellText TCellText::Arena(const char* text, std::size_t size)
{
    TCellText cell;
    const auto bits = static_cast<std::uint64_t>(reinterpret_cast<std::uintptr_t>(text));
    std::memcpy(cell.bytes_, &bits, 6);
    cell.bytes_[6] = static_cast<char>(NeedsLengthPrefix(size) ? kLongSize : size);
    cell.bytes_[7] = static_cast<char>(kArenaTag);
    return cell;
}

// ---- TCellColumn ---------------------------------------------------------------

namespace {

constexpr int kHeapChunks = 32;          // chunks 0..31 (128K rows) from the heap
constexpr int kChunksPerSlab = 64;       // then 64 chunks per 2 MB slab
constexpr std::size_t kChunkBytes = sizeof(TCellText) * TCellColumn::kChunkSize;
constexpr std::size_t kSlabBytes = kChunkBytes * kChunksPerSlab;
// Arena blocks: small ones from the heap at first, then 2 MB blocks mapped as
// huge pages, so that filling a large arena costs few page faults.
constexpr std::size_t kSmallArenaBlock = std::size_t(256) << 10;
constexpr std::size_t kArenaBlock = std::size_t(2) << 20;
constexpr std::size_t kSmallArenaBlocks = 8;
// Compaction waits for this much garbage, so that small grids never compact.
constexpr std::size_t kGarbageSlack = std::size_t(1) << 20;


} // namespace

void TCellColumn::TBlockRelease::operator()(char* block) const
{
    if (bytes >= kArenaBlock)
        UnmapHugePages(block, bytes);
    else
        delete[] block;
}

TCellColumn::TCellColumn(TCellColumn&& other) noexcept
    : chunks_(std::move(other.chunks_)), slabs_(std::move(other.slabs_)), beyond_(std::move(other.beyond_)),
      rows_(other.rows_), blocks_(std::move(other.blocks_)), blockUsed_(other.blockUsed_), blockSize_(other.blockSize_),
      liveBytes_(other.liveBytes_), garbageBytes_(other.garbageBytes_)
{
    other.chunks_.clear();
    other.slabs_.clear();
    other.blocks_.clear();
    other.rows_ = 0;
    other.blockUsed_ = other.blockSize_ = other.liveBytes_ = other.garbageBytes_ = 0;
}

TCellColumn& TCellColumn::operator=(TCellColumn&& other) noexcept
{
    if (this != &other) {
        Release();
        chunks_ = std::move(other.chunks_);
        slabs_ = std::move(other.slabs_);
        beyond_ = std::move(other.beyond_);
        blocks_ = std::move(other.blocks_);
        rows_ = other.rows_;
        blockUsed_ = other.blockUsed_;
        blockSize_ = other.blockSize_;
        liveBytes_ = other.liveBytes_;
        garbageBytes_ = other.garbageBytes_;
        other.chunks_.clear();
        other.slabs_.clear();
        other.beyond_.clear();
        other.blocks_.clear();
        other.rows_ = 0;
        other.blockUsed_ = other.blockSize_ = other.liveBytes_ = other.garbageBytes_ = 0;
    }
    return *this;
}

TCellColumn::~TCellColumn()
{
    Release();
}

// Frees the chunk and arena memory.
void TCellColumn::Release()
{
    for (std::size_t k = 0; k < chunks_.size() && k < std::size_t(kHeapChunks); ++k)
        std::free(chunks_[k]);
    for (void* slab : slabs_)
        UnmapHugePages(slab, kSlabBytes);
    chunks_.clear();
    slabs_.clear();
    blocks_.clear();
    blockUsed_ = blockSize_ = liveBytes_ = garbageBytes_ = 0;
}

// The cell for a text: in the cell when short, else appended to the arena.
TCellText TCellColumn::Store(std::string_view text)
{
    if (text.size() <= TCellText::kInlineMax)
        return TCellText::Inline(text);
    const std::size_t prefix = TCellText::NeedsLengthPrefix(text.size()) ? 4 : 0;
    const std::size_t need = prefix + text.size();
    if (blocks_.empty() || blockSize_ - blockUsed_ < need) {
        if (blocks_.size() < kSmallArenaBlocks && need <= kSmallArenaBlock) {
            blockSize_ = kSmallArenaBlock;
            blocks_.emplace_back(new char[blockSize_], TBlockRelease{blockSize_});
        } else {
            blockSize_ = (std::max(kArenaBlock, need) + kArenaBlock - 1) / kArenaBlock * kArenaBlock;
            blocks_.emplace_back(static_cast<char*>(MapHugePages(blockSize_)), TBlockRelease{blockSize_});
        }
        blockUsed_ = 0;
    }
    char* at = blocks_.back().get() + blockUsed_ + prefix;
    if (prefix) {
        const auto size = static_cast<std::uint32_t>(text.size());
        std::memcpy(at - 4, &size, 4);
    }
    std::memcpy(at, text.data(), text.size());
    blockUsed_ += need;
    liveBytes_ += need;
    return TCellText::Arena(at, text.size());
}

void TCellColumn::GiveUp(const TCellText& cell)
{
    const std::size_t bytes = cell.ArenaBytes();
    liveBytes_ -= bytes;
    garbageBytes_ += bytes;
}

// Copies the live texts into fresh blocks once the garbage outweighs them; the
// copy costs no more than the writes that made the garbage.
void TCellColumn::CompactIfWasteful()
{
    if (garbageBytes_ <= kGarbageSlack || garbageBytes_ <= liveBytes_)
        return;
    std::vector<TBlock> old = std::move(blocks_);
    blocks_.clear();
    blockUsed_ = blockSize_ = liveBytes_ = garbageBytes_ = 0;
    for (int r = 0; r < rows_; ++r) {
        TCellText& cell = At(r);
        if (cell.InArena())
            cell = Store(cell.View());
    }
}

void TCellColumn::Assign(int r, std::string_view text)
{
    TCellText& cell = At(r);
    const TCellText old = cell;
    cell = Store(text); // before the old text is given up: the text may be a view of it
    if (old.InArena()) {
        GiveUp(old);
        CompactIfWasteful();
    }
}

void TCellColumn::Resize(int oldRows, int rows)
{
    const int chunks = (rows + kChunkSize - 1) >> kChunkBits;
    if (rows < oldRows) {
        for (int r = rows; r < oldRows; ++r) {
            GiveUp(At(r));
            At(r) = TCellText();
        }
        rows_ = rows;
        while (int(chunks_.size()) > chunks) {
            const int k = int(chunks_.size()) - 1;
            if (k < kHeapChunks) {
                std::free(chunks_[k]);
            } else if ((k - kHeapChunks) % kChunksPerSlab == 0) {
                UnmapHugePages(slabs_.back(), kSlabBytes);
                slabs_.pop_back();
            }
            chunks_.pop_back();
        }
        CompactIfWasteful();
        return;
    }
    while (int(chunks_.size()) < chunks) {
        const int k = int(chunks_.size());
        void* memory = nullptr;
        if (k < kHeapChunks) {
            memory = std::calloc(1, kChunkBytes);
            if (!memory)
                throw std::bad_alloc();
        } else {
            const int inSlab = (k - kHeapChunks) % kChunksPerSlab;
            if (inSlab == 0)
                slabs_.push_back(MapHugePages(kSlabBytes));
            memory = static_cast<char*>(slabs_.back()) + std::size_t(inSlab) * kChunkBytes;
        }
        // Zeroed memory is a run of empty cells.
        chunks_.push_back(static_cast<TCellText*>(memory));
    }
    rows_ = rows;
    while (!beyond_.empty() && beyond_.begin()->first < rows) {
        Assign(beyond_.begin()->first, beyond_.begin()->second);
        beyond_.erase(beyond_.begin());
    }
}

void TCellColumn::KeepBeyond(int r, std::string_view text)
{
    if (text.empty())
        beyond_.erase(r);
    else
        beyond_[r].assign(text);
}

void TCellColumn::Permute(int first, const std::vector<int>& from)
{
    std::vector<TCellText> moved(from.size());
    for (std::size_t k = 0; k < from.size(); ++k)
        moved[k] = At(from[k]);
    for (std::size_t k = 0; k < from.size(); ++k)
        At(first + int(k)) = moved[k];
}

void TCellColumn::Erase(int r, int rows)
{
    const TCellText gone = At(r);
    for (int i = r; i + 1 < rows; ++i)
        At(i) = At(i + 1);
    At(rows - 1) = TCellText();
    GiveUp(gone);
    Resize(rows, rows - 1);
}

std::size_t TCellColumn::MemoryBytes() const
{
    std::size_t bytes = chunks_.size() * kChunkBytes;
    for (const TBlock& block : blocks_)
        bytes += block.get_deleter().bytes;
    return bytes;
}

// ---- TGridCellStore ------------------------------------------------------------

void TGridCellStore::Resize(int cols, int rows)
{
    cols = std::max(cols, 0);
    rows = std::max(rows, 0);
    while (ColCount() > cols) {
        cols_.back().Resize(rows_, 0);
        cols_.pop_back();
    }
    if (rows != rows_)
        for (TCellColumn& column : cols_)
            column.Resize(rows_, rows);
    while (ColCount() < cols) {
        cols_.emplace_back();
        cols_.back().Resize(0, rows);
    }
    rows_ = rows;
}

void TGridCellStore::KeepBeyond(int c, int r, std::string_view text)
{
    if (c >= 0 && c < ColCount() && r >= rows_)
        cols_[std::size_t(c)].KeepBeyond(r, text);
}

void TGridCellStore::EraseRow(int r)
{
    if (r < 0 || r >= rows_)
        return;
    for (TCellColumn& column : cols_)
        column.Erase(r, rows_);
    --rows_;
}

void TGridCellStore::EraseCol(int c)
{
    if (c < 0 || c >= ColCount())
        return;
    cols_[std::size_t(c)].Resize(rows_, 0);
    cols_.erase(cols_.begin() + c);
}

TCellColumn TGridCellStore::TakeCol(int c)
{
    TCellColumn column = std::move(cols_[std::size_t(c)]);
    cols_.erase(cols_.begin() + c);
    return column;
}

void TGridCellStore::PutCol(int c, TCellColumn&& column)
{
    cols_.insert(cols_.begin() + c, std::move(column));
}

void TGridCellStore::Swap(TGridCellStore& other) noexcept
{
    cols_.swap(other.cols_);
    std::swap(rows_, other.rows_);
}

std::size_t TGridCellStore::MemoryBytes() const
{
    std::size_t bytes = 0;
    for (const TCellColumn& column : cols_)
        bytes += column.MemoryBytes();
    return bytes;
}

void TGridCellStore::PermuteRows(int first, const std::vector<int>& from)
{
    for (TCellColumn& column : cols_)
        column.Permute(first, from);
}

void TGridCellStore::PermuteCols(int first, const std::vector<int>& from)
{
    std::vector<TCellColumn> moved(from.size());
    for (std::size_t k = 0; k < from.size(); ++k)
        moved[k] = std::move(cols_[std::size_t(from[k])]);
    for (std::size_t k = 0; k < from.size(); ++k)
        cols_[first + k] = std::move(moved[k]);
}
