#include "GridCellStore.h"

#include <QByteArray>
#include <algorithm>

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

void TGridCellStore::Resize(int cols, int rows)
{
    cols = std::max(cols, 0);
    rows = std::max(rows, 0);
    if (cols < ColCount())
        cols_.resize(cols);
    for (auto& column : cols_) {
        column.resize(std::size_t(rows));
        if (column.capacity() > 4096 && column.size() < column.capacity() / 4)
            column.shrink_to_fit();
    }
    while (ColCount() < cols)
        cols_.emplace_back(std::size_t(rows));
    rows_ = rows;
}

void TGridCellStore::EraseRow(int r)
{
    if (r < 0 || r >= rows_)
        return;
    for (auto& column : cols_)
        column.erase(column.begin() + r);
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
    std::vector<std::string> moved(from.size());
    for (auto& column : cols_) {
        for (std::size_t k = 0; k < from.size(); ++k)
            moved[k] = std::move(column[std::size_t(from[k])]);
        for (std::size_t k = 0; k < from.size(); ++k)
            column[first + k] = std::move(moved[k]);
    }
}

void TGridCellStore::PermuteCols(int first, const std::vector<int>& from)
{
    std::vector<std::vector<std::string>> moved(from.size());
    for (std::size_t k = 0; k < from.size(); ++k)
        moved[k] = std::move(cols_[std::size_t(from[k])]);
    for (std::size_t k = 0; k < from.size(); ++k)
        cols_[first + k] = std::move(moved[k]);
}
