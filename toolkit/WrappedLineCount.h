#pragma once
// Counts the lines a plain ASCII text takes word-wrapped in a width, without
// laying it out, wherever the count is certain. Laying out every cell of half a
// million rows is far too slow; summing cached advances is not.
//
// A line's laid-out width lies between two bounds: each character's advance
// plus every kerning adjustment between neighbours that narrows the pair (the
// lower bound) or widens it (the upper bound). A text fits one line when its
// upper bound is within the width. Further lines are counted for words of
// letters and digits separated by single blanks, where every break falls at a
// blank and each decision is clear from the bounds. Any other text, or a
// decision too close to call, gives 0 so the caller lays the text out itself:
// a count given is never wrong.

#include <QFont>

#include <array>
#include <string_view>

class TWrappedLineCount {
public:
    // The tables of this font, built on first use and kept for the program.
    static const TWrappedLineCount& ForFont(const QFont& font);

    explicit TWrappedLineCount(const QFont& font);

    // The number of lines, or 0 where it cannot be sure.
    int Lines(std::string_view text, int width) const;

private:
    static constexpr int First = 0x20;
    static constexpr int Count = 0x7F - First;

    // Bounds of a stretch of text's width.
    struct TSpan {
        float lower = 0;
        float upper = 0;
    };

    static int Index(char c) { return static_cast<unsigned char>(c) - First; }
    // The bounds of a printable ASCII text's width.
    TSpan Measure(std::string_view text) const;
    int WordLines(std::string_view text, float width) const;

    std::array<float, Count> advance_{};
    // Kerning of each pair (first * Count + second): its width beyond both advances.
    std::array<float, Count * Count> kerning_{};
};
