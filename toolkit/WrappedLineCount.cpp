#include "WrappedLineCount.h"

#include <QFontMetricsF>
#include <QString>

#include <map>
#include <memory>

namespace {

// Room for rounding in the layout, on either side of each decision.
constexpr float Slack = 2.0f;

bool IsPrintable(std::string_view text)
{
    for (char c : text)
        if (c < 0x20 || c > 0x7E)
            return false;
    return true;
}

bool IsWordCharacter(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
}

// Words of letters and digits separated by single blanks: the only places
// word wrap breaks such a text are its blanks.
bool IsBlankSeparatedWords(std::string_view text)
{
    if (text.empty() || text.front() == ' ' || text.back() == ' ')
        return false;
    for (std::size_t i = 0; i < text.size(); ++i)
        if (!IsWordCharacter(text[i]) && !(text[i] == ' ' && text[i + 1] != ' '))
            return false;
    return true;
}

} // namespace

const TWrappedLineCount& TWrappedLineCount::ForFont(const QFont& font)
{
    static std::map<QString, std::unique_ptr<TWrappedLineCount>> counts;
    std::unique_ptr<TWrappedLineCount>& count = counts[font.key()];
    if (!count)
        count = std::make_unique<TWrappedLineCount>(font);
    return *count;
}

TWrappedLineCount::TWrappedLineCount(const QFont& font)
{
    const QFontMetricsF metrics(font);
    for (int a = 0; a < Count; ++a)
        advance_[a] = float(metrics.horizontalAdvance(QChar(First + a)));
    QString pair(2, QChar());
    for (int a = 0; a < Count; ++a) {
        pair[0] = QChar(First + a);
        for (int b = 0; b < Count; ++b) {
            pair[1] = QChar(First + b);
            kerning_[a * Count + b] = float(metrics.horizontalAdvance(pair)) - advance_[a] - advance_[b];
        }
    }
}

TWrappedLineCount::TSpan TWrappedLineCount::Measure(std::string_view text) const
{
    TSpan span;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const int index = Index(text[i]);
        span.lower += advance_[index];
        span.upper += advance_[index];
        if (i > 0) {
            const float kerning = kerning_[Index(text[i - 1]) * Count + index];
            (kerning < 0 ? span.lower : span.upper) += kerning;
        }
    }
    return span;
}

int TWrappedLineCount::Lines(std::string_view text, int width) const
{
    if (text.empty())
        return 1;
    if (!IsPrintable(text))
        return 0;
    if (Measure(text).upper + Slack <= float(width))
        return 1;
    return IsBlankSeparatedWords(text) ? WordLines(text, float(width)) : 0;
}

// Greedy wrapping word by word: a word joins the line while the line with it
// surely fits, and starts a new line when the line with it surely does not.
int TWrappedLineCount::WordLines(std::string_view text, float width) const
{
    int lines = 1;
    std::size_t lineStart = 0;
    std::size_t wordStart = 0;
    while (wordStart < text.size()) {
        const std::size_t blank = text.find(' ', wordStart);
        const std::size_t wordEnd = blank == std::string_view::npos ? text.size() : blank;
        if (wordStart > lineStart) {
            const TSpan line = Measure(text.substr(lineStart, wordEnd - lineStart));
            const bool joins = line.upper + Slack <= width;
            if (!joins && line.lower - Slack <= width)
                return 0;
            if (!joins) {
                ++lines;
                lineStart = wordStart;
            }
        }
        // A word that starts a line and is wider than it is broken inside, which
        // this does not follow. (A word that joins a line that fits, fits.)
        if (wordStart == lineStart && Measure(text.substr(wordStart, wordEnd - wordStart)).upper + Slack > width)
            return 0;
        wordStart = wordEnd + 1;
    }
    return lines;
}
