#include "GridAxis.h"

#include <algorithm>

TGridAxis::TGridAxis(int count, int defaultSize) : defaultSize_(defaultSize)
{
    SetCount(count);
}

void TGridAxis::SetCount(int count)
{
    count = std::max(count, 0);
    const int old = Count();
    if (count > old) {
        sizes_.resize(count, defaultSize_);
        if (defaultSize_ <= 0)
            hidden_ += count - old;
        const int ext = Extent(old);
        total_ += std::int64_t(ext) * (count - old);
        if (treeValid_ && count <= capacity_) {
            for (int i = old; i < count; ++i) {
                TreeAdd(i, ext);
                CountAdd(i, ext > 0 ? 1 : 0);
            }
        } else {
            Invalidate();
        }
    } else if (count < old) {
        // Dropping a few lines keeps the tree; dropping many rebuilds it later.
        const bool keepTree = treeValid_ && old - count <= 64;
        for (int i = count; i < old; ++i) {
            hidden_ -= IsVisible(i) ? 0 : 1;
            total_ -= Extent(i);
            if (keepTree) {
                TreeAdd(i, -Extent(i));
                CountAdd(i, IsVisible(i) ? -1 : 0);
            }
        }
        sizes_.resize(count);
        if (!keepTree)
            Invalidate();
        if (sizes_.capacity() > 4096 && sizes_.size() < sizes_.capacity() / 4)
            sizes_.shrink_to_fit();
    }
}

void TGridAxis::SetDefaultSize(int size)
{
    defaultSize_ = size;
    std::fill(sizes_.begin(), sizes_.end(), size);
    total_ = Count() > 0 ? std::int64_t(Count()) * Extent(0) : 0;
    hidden_ = size > 0 ? 0 : Count();
    Invalidate();
}

void TGridAxis::SetLineWidth(int width)
{
    if (width == lineWidth_)
        return;
    lineWidth_ = std::max(width, 0);
    total_ = 0;
    for (int i = 0; i < Count(); ++i)
        total_ += Extent(i);
    Invalidate();
}

void TGridAxis::SetSize(int i, int size)
{
    const int before = Extent(i);
    const int shown = (size > 0 ? 1 : 0) - (IsVisible(i) ? 1 : 0);
    hidden_ -= shown;
    sizes_[i] = size;
    CountAdd(i, shown);
    const int delta = Extent(i) - before;
    if (delta == 0)
        return;
    total_ += delta;
    if (treeValid_)
        TreeAdd(i, delta);
}

void TGridAxis::Erase(int i)
{
    total_ -= Extent(i);
    hidden_ -= IsVisible(i) ? 0 : 1;
    sizes_.erase(sizes_.begin() + i);
    Invalidate();
}

void TGridAxis::Insert(int i, int size)
{
    sizes_.insert(sizes_.begin() + i, size);
    total_ += Extent(i);
    hidden_ += IsVisible(i) ? 0 : 1;
    Invalidate();
}

void TGridAxis::Permute(int first, const std::vector<int>& from)
{
    std::vector<int> moved(from.size());
    for (std::size_t k = 0; k < from.size(); ++k)
        moved[k] = sizes_[std::size_t(from[k])];
    // Lines of equal size (a grid without hidden or resized lines) change nothing.
    int changed = 0;
    for (std::size_t k = 0; k < from.size(); ++k)
        changed += moved[k] != sizes_[first + k];
    if (changed == 0)
        return;
    const bool keepTree = treeValid_ && changed <= 64;
    for (std::size_t k = 0; k < from.size(); ++k) {
        const int i = first + int(k);
        if (keepTree && moved[k] != sizes_[std::size_t(i)]) {
            const int before = Extent(i);
            const int shown = (moved[k] > 0 ? 1 : 0) - (IsVisible(i) ? 1 : 0);
            sizes_[std::size_t(i)] = moved[k];
            TreeAdd(i, Extent(i) - before);
            CountAdd(i, shown);
        } else {
            sizes_[std::size_t(i)] = moved[k];
        }
    }
    if (!keepTree)
        Invalidate();
}

void TGridAxis::SwapSizes(std::vector<int>& sizes)
{
    sizes_.swap(sizes);
    total_ = 0;
    hidden_ = 0;
    for (int i = 0; i < Count(); ++i) {
        total_ += Extent(i);
        hidden_ += IsVisible(i) ? 0 : 1;
    }
    Invalidate();
}

void TGridAxis::EnsureTree() const
{
    if (treeValid_)
        return;
    capacity_ = 1;
    while (capacity_ < Count())
        capacity_ *= 2;
    tree_.assign(std::size_t(capacity_) + 1, 0);
    for (int i = 0; i < Count(); ++i)
        tree_[i + 1] = Extent(i);
    for (int i = 1; i <= capacity_; ++i) {
        const int parent = i + (i & -i);
        if (parent <= capacity_)
            tree_[parent] += tree_[i];
    }
    treeValid_ = true;
}

void TGridAxis::TreeAdd(int i, std::int64_t delta) const
{
    for (int k = i + 1; k <= capacity_; k += k & -k)
        tree_[k] += delta;
}

void TGridAxis::EnsureCountTree() const
{
    if (countTreeValid_)
        return;
    EnsureTree(); // the same capacity
    countTree_.assign(std::size_t(capacity_) + 1, 0);
    for (int i = 0; i < Count(); ++i)
        countTree_[std::size_t(i) + 1] = IsVisible(i) ? 1 : 0;
    for (int i = 1; i <= capacity_; ++i) {
        const int parent = i + (i & -i);
        if (parent <= capacity_)
            countTree_[std::size_t(parent)] += countTree_[std::size_t(i)];
    }
    countTreeValid_ = true;
}

void TGridAxis::CountAdd(int i, int delta) const
{
    if (!countTreeValid_ || delta == 0)
        return;
    for (int k = i + 1; k <= capacity_; k += k & -k)
        countTree_[std::size_t(k)] += delta;
}

int TGridAxis::VisibleBefore(int i) const
{
    i = std::clamp(i, 0, Count());
    if (hidden_ == 0)
        return i;
    EnsureCountTree();
    int sum = 0;
    for (int k = i; k > 0; k -= k & -k)
        sum += countTree_[std::size_t(k)];
    return sum;
}

int TGridAxis::NthVisible(int k) const
{
    if (k < 0 || k >= Count() - hidden_)
        return Count();
    if (hidden_ == 0)
        return k;
    EnsureCountTree();
    // Descend the tree: idx ends as the number of lines that hold k visible ones.
    int idx = 0;
    for (int step = capacity_; step > 0; step >>= 1) {
        const int next = idx + step;
        if (next <= capacity_ && countTree_[std::size_t(next)] <= k) {
            idx = next;
            k -= countTree_[std::size_t(next)];
        }
    }
    return std::min(idx, Count());
}

std::int64_t TGridAxis::Start(int i) const
{
    if (i <= 0)
        return 0;
    if (i >= Count())
        return total_;
    EnsureTree();
    std::int64_t sum = 0;
    for (int k = i; k > 0; k -= k & -k)
        sum += tree_[k];
    return sum;
}

int TGridAxis::LineAt(std::int64_t pos) const
{
    if (pos < 0)
        return -1;
    if (pos >= total_)
        return Count();
    EnsureTree();
    // Descend the tree: idx ends as the number of lines that end at or before pos.
    int idx = 0;
    for (int step = capacity_; step > 0; step >>= 1) {
        const int next = idx + step;
        if (next <= capacity_ && tree_[next] <= pos) {
            idx = next;
            pos -= tree_[next];
        }
    }
    return std::min(idx, Count());
}

int TGridAxis::NextVisible(int i) const
{
    if (i >= Count())
        return Count();
    if (i < 0)
        i = 0;
    if (IsVisible(i))
        return i;
    return LineAt(Start(i));
}

int TGridAxis::PrevVisible(int i) const
{
    if (i < 0 || Count() == 0)
        return -1;
    i = std::min(i, Count() - 1);
    if (IsVisible(i))
        return i;
    // Hidden lines take no pixels, so the line under the pixel just before line i
    // starts is the last visible one before it.
    const std::int64_t start = Start(i);
    return start == 0 ? -1 : LineAt(start - 1);
}
