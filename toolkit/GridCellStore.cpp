#include "GridCellStore.h"

#include <QByteArray>
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <new>
#include <sys/mman.h>

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

void TCellText::Free() noexcept
{
    if (IsHeap())
        delete[] heap_.ptr;
    Reset();
}

void TCellText::Steal(TCellText& other) noexcept
{
    std::memcpy(inline_, other.inline_, sizeof inline_);
    other.Reset();
}

void TCellText::Assign(std::string_view text)
{
    if (text.size() <= 15) {
        char buffer[15];
        std::memcpy(buffer, text.data(), text.size()); // text may point into this cell
        Free();
        std::memcpy(inline_, buffer, text.size());
        inline_[15] = static_cast<char>(text.size());
        return;
    }
    char* copy = new char[text.size()];
    std::memcpy(copy, text.data(), text.size());
    Free();
    heap_.ptr = copy;
    heap_.size = static_cast<std::uint32_t>(text.size());
    inline_[15] = static_cast<char>(kHeapTag);
}

// ---- TCellColumn ---------------------------------------------------------------

namespace {

constexpr int kHeapChunks = 32;          // chunks 0..31 (128K rows) from the heap
constexpr int kChunksPerSlab = 32;       // then 32 chunks per 2 MB slab
constexpr std::size_t kChunkBytes = sizeof(TCellText) * TCellColumn::kChunkSize;
constexpr std::size_t kSlabBytes = kChunkBytes * kChunksPerSlab;

void* MapSlab()
{
    void* slab = mmap(nullptr, kSlabBytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (slab == MAP_FAILED)
        throw std::bad_alloc();
    madvise(slab, kSlabBytes, MADV_HUGEPAGE);
    return slab;
}

} // namespace

TCellColumn::TCellColumn(TCellColumn&& other) noexcept
    : chunks_(std::move(other.chunks_)), slabs_(std::move(other.slabs_)), beyond_(std::move(other.beyond_))
{
}

TCellColumn& TCellColumn::operator=(TCellColumn&& other) noexcept
{
    if (this != &other) {
        Release();
        chunks_ = std::move(other.chunks_);
        slabs_ = std::move(other.slabs_);
        beyond_ = std::move(other.beyond_);
        other.chunks_.clear();
        other.slabs_.clear();
        other.beyond_.clear();
    }
    return *this;
}

TCellColumn::~TCellColumn()
{
    Release();
}

// Frees the chunk memory; the owner has emptied the cells first (Resize to 0).
void TCellColumn::Release()
{
    for (std::size_t k = 0; k < chunks_.size() && k < std::size_t(kHeapChunks); ++k)
        std::free(chunks_[k]);
    for (void* slab : slabs_)
        munmap(slab, kSlabBytes);
    chunks_.clear();
    slabs_.clear();
}

void TCellColumn::Resize(int oldRows, int rows)
{
    const int chunks = (rows + kChunkSize - 1) >> kChunkBits;
    if (rows < oldRows) {
        for (int r = rows; r < oldRows; ++r)
            At(r) = TCellText();
        while (int(chunks_.size()) > chunks) {
            const int k = int(chunks_.size()) - 1;
            if (k < kHeapChunks) {
                std::free(chunks_[k]);
            } else if ((k - kHeapChunks) % kChunksPerSlab == 0) {
                munmap(slabs_.back(), kSlabBytes);
                slabs_.pop_back();
            }
            chunks_.pop_back();
        }
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
                slabs_.push_back(MapSlab());
            memory = static_cast<char*>(slabs_.back()) + std::size_t(inSlab) * kChunkBytes;
        }
        // Zeroed memory is a run of empty cells.
        chunks_.push_back(static_cast<TCellText*>(memory));
    }
    while (!beyond_.empty() && beyond_.begin()->first < rows) {
        At(beyond_.begin()->first) = std::move(beyond_.begin()->second);
        beyond_.erase(beyond_.begin());
    }
}

void TCellColumn::KeepBeyond(int r, std::string_view text)
{
    if (text.empty())
        beyond_.erase(r);
    else
        beyond_[r].Assign(text);
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
    for (TCellColumn& column : cols_) {
        for (int i = r; i + 1 < rows_; ++i)
            column.At(i) = std::move(column.At(i + 1));
        column.Resize(rows_, rows_ - 1);
    }
    --rows_;
}

void TGridCellStore::EraseCol(int c)
{
    if (c < 0 || c >= ColCount())
        return;
    cols_[std::size_t(c)].Resize(rows_, 0);
    cols_.erase(cols_.begin() + c);
}

void TGridCellStore::PermuteRows(int first, const std::vector<int>& from)
{
    std::vector<TCellText> moved(from.size());
    for (TCellColumn& column : cols_) {
        for (std::size_t k = 0; k < from.size(); ++k)
            moved[k] = std::move(column.At(from[k]));
        for (std::size_t k = 0; k < from.size(); ++k)
            column.At(first + int(k)) = std::move(moved[k]);
    }
}

void TGridCellStore::PermuteCols(int first, const std::vector<int>& from)
{
    std::vector<TCellColumn> moved(from.size());
    for (std::size_t k = 0; k < from.size(); ++k)
        moved[k] = std::move(cols_[std::size_t(from[k])]);
    for (std::size_t k = 0; k < from.size(); ++k)
        cols_[first + k] = std::move(moved[k]);
}
