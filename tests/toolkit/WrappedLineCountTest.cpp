#include "WrappedLineCount.h"

#include "Canvas.h"

#include <QApplication>
#include <gtest/gtest.h>

#include <random>
#include <string>

namespace {

int WrappedHeight(const QFont& font, const QString& text, int width)
{
    TCanvas canvas;
    canvas.SetFont(font);
    QRect rect(0, 0, width, 20);
    return canvas.DrawText(text, rect, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
}

// The height of lines X on top of each other.
int LinesHeight(const QFont& font, int lines)
{
    return WrappedHeight(font, QStringList(lines, "X").join('\n'), 100);
}

std::string RandomText(std::mt19937& rng, bool words)
{
    std::string text(1 + rng() % 48, ' ');
    const char alnum[] = "0123456789ABCDEFWMIlmwixyz";
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool blank = rng() % (words ? 7 : 3) == 0;
        text[i] = blank ? ' ' : words ? alnum[rng() % (sizeof alnum - 1)] : char(0x21 + rng() % 94);
    }
    return text;
}

} // namespace

// A count given is trusted as the laid-out result: it must never differ from
// it, whatever the characters, the blanks and the width.
TEST(WrappedLineCount, AnyCountGivenIsTheLaidOutOne)
{
    for (const QFont& font : {QApplication::font(), QFont("DejaVu Serif", 13, QFont::Bold), QFont("DejaVu Sans", 7, -1, true)}) {
        const TWrappedLineCount& count = TWrappedLineCount::ForFont(font);
        std::mt19937 rng(7);
        int counted = 0, multiLine = 0;
        for (int i = 0; i < 30000; ++i) {
            const std::string text = RandomText(rng, i % 2 == 0);
            const int width = 20 + int(rng() % 300);
            if (const int lines = count.Lines(text, width)) {
                ++counted;
                multiLine += lines > 1 ? 1 : 0;
                ASSERT_EQ(WrappedHeight(font, QString::fromStdString(text), width), LinesHeight(font, lines))
                    << '"' << text << "\" in " << width << " counted " << lines;
            }
        }
        // It counts often enough to be worth having.
        EXPECT_GT(counted, 10000);
        EXPECT_GT(multiLine, 1000);
    }
}

TEST(WrappedLineCount, LeavesOtherTextsToTheLayout)
{
    const TWrappedLineCount& count = TWrappedLineCount::ForFont(QApplication::font());
    EXPECT_EQ(count.Lines("", 1), 1);
    EXPECT_EQ(count.Lines("AB 123", 200), 1);
    EXPECT_GT(count.Lines("0x6B5 AE2F4A1C 00112233 4455AABB 11112222", 120), 1);
    EXPECT_EQ(count.Lines("AB-123 x-y-z-w-v-u-t-s-r", 40), 0);  // hyphens may break too
    EXPECT_EQ(count.Lines("AB  123 XYZ0000 XYZ0000", 40), 0);   // a run of blanks
    EXPECT_EQ(count.Lines("ABCDEFGHIJKLMNOPQRSTUVWXYZ", 40), 0); // broken inside a word
    EXPECT_EQ(count.Lines("AB\n12", 200), 0);
    EXPECT_EQ(count.Lines("AB\t12", 200), 0);
    EXPECT_EQ(count.Lines("\x7F", 200), 0);
    EXPECT_EQ(count.Lines("\xC3\x84", 200), 0); // "Ä" in UTF-8
}
