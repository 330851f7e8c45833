// The two view-switch triangles, pixel by pixel: white, a black outline through
// the three corners drawn as lines that leave out their end points, and the
// inside flood-filled black.

#include "MainWindowHarness.h"

#include "Image.h"

#include <gtest/gtest.h>

namespace {

// '#' black, '.' white.
void ExpectPicture(const QImage& picture, const char* const (&rows)[9])
{
    ASSERT_EQ(picture.size(), QSize(9, 9));
    for (int y = 0; y < 9; ++y) {
        std::string row;
        for (int x = 0; x < 9; ++x) {
            const QRgb pixel = picture.pixel(x, y) & 0xFFFFFF;
            row += pixel == 0 ? '#' : pixel == 0xFFFFFF ? '.' : '?';
        }
        EXPECT_EQ(row, rows[y]) << "row " << y;
    }
}

class MainWindowTriangles : public MainWindowTest {};

} // namespace

TEST_F(MainWindowTriangles, EveryPixelOfBothPictures)
{
    Open();
    // Down: 0,0 to 8,0 to 4,7 and back.
    ExpectPicture(form->Shape1->Picture(), {"#########",
                                           ".#######.",
                                           ".#######.",
                                           "..#####..",
                                           "..#####..",
                                           "...###...",
                                           "...###...",
                                           "....#....",
                                           "........."});
    // Up: 0,7 to 8,7 to 4,0 and back.
    ExpectPicture(form->Shape2->Picture(), {"....#....",
                                           "...###...",
                                           "...###...",
                                           "..#####..",
                                           "..#####..",
                                           ".#######.",
                                           ".#######.",
                                           "#########",
                                           "........."});
}
