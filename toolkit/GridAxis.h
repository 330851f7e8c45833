#pragma once
// The lines (columns or rows) along one axis of a grid: their sizes and pixel
// positions. A size of 0 or less hides a line; a visible line takes its size plus
// the grid line drawn after it. Positions come from a Fenwick tree over the line
// extents that is built on first use and then kept current, so appending a line,
// finding where a line starts and finding the line under a pixel all cost
// O(log n), however many lines are hidden.

#include <cstdint>
#include <vector>

class TGridAxis {
public:
    TGridAxis(int count, int defaultSize);

    int Count() const { return static_cast<int>(sizes_.size()); }
    // Growing appends lines of the default size; shrinking drops lines at the end.
    void SetCount(int count);
    int DefaultSize() const { return defaultSize_; }
    // Gives every line the new default size, as a grid does when it changes.
    void SetDefaultSize(int size);
    int LineWidth() const { return lineWidth_; }
    void SetLineWidth(int width);

    int Size(int i) const { return sizes_[i]; }
    void SetSize(int i, int size);
    bool IsVisible(int i) const { return sizes_[i] > 0; }
    // Pixels line i takes: 0 when hidden, else its size plus the grid line.
    int Extent(int i) const { return sizes_[i] > 0 ? sizes_[i] + lineWidth_ : 0; }

    // Pixel position where line i starts (the extents of lines 0 .. i-1 summed).
    std::int64_t Start(int i) const;
    std::int64_t Total() const { return total_; }
    // The number of hidden lines.
    int HiddenCount() const { return hidden_; }
    // The line whose span holds pixel pos, or Count() at or beyond the end.
    int LineAt(std::int64_t pos) const;
    // The first visible line at or after i, or Count() when there is none.
    int NextVisible(int i) const;
    // The last visible line at or before i, or -1 when there is none.
    int PrevVisible(int i) const;
    // The number of visible lines before line i, and the line that has k visible
    // lines before it (Count() when there is none): a line's place among the
    // visible ones and back, in O(log n). Their counts are kept in a tree of their
    // own, built on first use only, so that a grid nobody asks costs nothing more.
    int VisibleBefore(int i) const;
    int NthVisible(int k) const;

    void Erase(int i);
    // A line of this size before line i (at the end when i is Count()).
    void Insert(int i, int size);
    // Lines first .. first + from.size() - 1 take the sizes lines from[k] had.
    void Permute(int first, const std::vector<int>& from);
    // Exchanges the sizes of all lines with `sizes`, which may differ in count.
    void SwapSizes(std::vector<int>& sizes);

private:
    void Invalidate() { treeValid_ = countTreeValid_ = false; }
    void EnsureTree() const;
    void TreeAdd(int i, std::int64_t delta) const;
    void EnsureCountTree() const;
    // Tells the count tree that line i was shown (+1) or hidden (-1).
    void CountAdd(int i, int delta) const;

    std::vector<int> sizes_;
    int defaultSize_;
    int lineWidth_ = 1;
    std::int64_t total_ = 0;
    int hidden_ = 0;
    // Fenwick tree over the extents, 1-based, sized to a power of two.
    mutable std::vector<std::int64_t> tree_;
    mutable int capacity_ = 0;
    mutable bool treeValid_ = false;
    // Fenwick tree over the lines' visibility (1 visible, 0 hidden), like tree_.
    mutable std::vector<int> countTree_;
    mutable bool countTreeValid_ = false;
};
