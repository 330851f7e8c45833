#include "GridCellStore.h"

#include <QByteArray>
#include <algorithm>
#include <cstring>

void AssignUtf8(std::string& target, QStringView text)
{
    const qsizetype n = text.size();
    const char16_t* p = text.utf16();
    bool ascii = true;
    for (qsizetype i = 0; i < n && ascii; ++i)
        ascii = p[i] < 0x80;
    if (ascii) {
        target.resize(std::size_t(n));
        for (qsizetype i = 0; i < n; ++i)
            target[std::size_t(i)] = static_cast<char>(p[i]);
        return;
    }
    const QByteArray bytes = text.toUtf8();
    target.assign(bytes.constData(), std::size_t(bytes.size()));
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

// ---- TGridCellStore ------------------------------------------------------------

void TGridCellStore::ResizeColumn(TColumn& column, int oldRows, int rows)
{
    const std::size_t chunks = std::size_t((rows + kChunkSize - 1) >> kChunkBits);
    if (rows < oldRows) {
        // Cells kept in the last chunk but beyond the end are emptied, so that
        // growing again brings empty lines.
        const int keptEnd = std::min(oldRows, int(chunks) * kChunkSize);
        for (int r = rows; r < keptEnd; ++r)
            column.chunks[r >> kChunkBits][r & kChunkMask] = TCellText();
        column.chunks.resize(chunks);
        return;
    }
    while (column.chunks.size() < chunks)
        column.chunks.push_back(std::make_unique<TCellText[]>(kChunkSize));
}

void TGridCellStore::Resize(int cols, int rows)
{
    cols = std::max(cols, 0);
    rows = std::max(rows, 0);
    if (cols < ColCount())
        cols_.resize(std::size_t(cols));
    if (rows != rows_)
        for (TColumn& column : cols_)
            ResizeColumn(column, rows_, rows);
    while (ColCount() < cols) {
        cols_.emplace_back();
        ResizeColumn(cols_.back(), 0, rows);
    }
    rows_ = rows;
}

void TGridCellStore::EraseRow(int r)
{
    if (r < 0 || r >= rows_)
        return;
    for (int c = 0; c < ColCount(); ++c) {
        for (int i = r; i + 1 < rows_; ++i)
            At(c, i) = std::move(At(c, i + 1));
    }
    for (TColumn& column : cols_)
        ResizeColumn(column, rows_, rows_ - 1);
    --rows_;
}

void TGridCellStore::EraseCol(int c)
{
    if (c < 0 || c >= ColCount())
        return;
    cols_.erase(cols_.begin() + c);
}

void TGridCellStore::PermuteRows(int first, const std::vector<int>& from)
{
    std::vector<TCellText> moved(from.size());
    for (int c = 0; c < ColCount(); ++c) {
        for (std::size_t k = 0; k < from.size(); ++k)
            moved[k] = std::move(At(c, from[k]));
        for (std::size_t k = 0; k < from.size(); ++k)
            At(c, first + int(k)) = std::move(moved[k]);
    }
}

void TGridCellStore::PermuteCols(int first, const std::vector<int>& from)
{
    std::vector<TColumn> moved(from.size());
    for (std::size_t k = 0; k < from.size(); ++k)
        moved[k] = std::move(cols_[std::size_t(from[k])]);
    for (std::size_t k = 0; k < from.size(); ++k)
        cols_[first + k] = std::move(moved[k]);
}
