#include "ResampleBitmap.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <random>

namespace {

QImage Image(int width, int height, QRgb fill = 0)
{
    QImage image(width, height, QImage::Format_RGB888);
    image.fill(fill);
    return image;
}

// The resampler written out step by step, one pixel at a time.
QImage Reference(const QImage& source, QSize size)
{
    QImage result = Image(size.width(), size.height());
    const std::int64_t stepX = (std::int64_t(source.width() - 1) * 32768) / size.width();
    const std::int64_t stepY = (std::int64_t(source.height() - 1) * 32768) / size.height();
    for (int i = 0; i < size.height(); ++i) {
        const std::int64_t fy = i * stepY;
        const int upper = int(fy / 32768);
        const int lower = source.height() == 1 ? upper : upper + 1;
        const std::int64_t wy = fy % 32768;
        for (int j = 0; j < size.width(); ++j) {
            const std::int64_t fx = j * stepX;
            const int left = int(fx / 32768);
            const int right = source.width() == 1 ? left : left + 1;
            const std::int64_t wx = fx % 32768;
            const std::int64_t topRight = wx * (32768 - wy) / 32768;
            const std::int64_t topLeft = 32768 - wy - topRight;
            const std::int64_t bottomRight = wx * wy / 32768;
            const std::int64_t bottomLeft = wy - bottomRight;
            const QRgb tl = source.pixel(left, upper), tr = source.pixel(right, upper);
            const QRgb bl = source.pixel(left, lower), br = source.pixel(right, lower);
            int channel[3];
            int (*const parts[3])(QRgb) = {qRed, qGreen, qBlue};
            for (int c = 0; c < 3; ++c)
                channel[c] = int((topLeft * parts[c](tl) + topRight * parts[c](tr) + bottomLeft * parts[c](bl) +
                                  bottomRight * parts[c](br)) /
                                 32768);
            result.setPixel(j, i, qRgb(channel[0], channel[1], channel[2]));
        }
    }
    return result;
}

QImage Random(std::mt19937& random, int width, int height)
{
    QImage image = Image(width, height);
    std::uniform_int_distribution<int> byte(0, 255);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb(byte(random), byte(random), byte(random)));
    return image;
}

} // namespace

TEST(ResampleBitmap, BlendsInFifteenBitFixedPoint)
{
    QImage source = Image(2, 1);
    source.setPixel(0, 0, qRgb(0, 0, 0));
    source.setPixel(1, 0, qRgb(255, 255, 255));
    QImage destination = Image(4, 1);
    ResampleBitmap(source, destination);
    // Weights 0, 1/4, 1/2, 3/4 of white, rounded down.
    const int expected[] = {0, 63, 127, 191};
    for (int j = 0; j < 4; ++j)
        EXPECT_EQ(destination.pixel(j, 0), qRgb(expected[j], expected[j], expected[j])) << j;

    // A 2 x 2 picture into 3 x 3: the second row and column lie a third of the way
    // (10922 / 32768), giving the weights 14565, 7281, 7282 and 3640.
    QImage square = Image(2, 2);
    square.setPixel(0, 0, qRgb(200, 0, 0));
    square.setPixel(1, 0, qRgb(0, 200, 0));
    square.setPixel(0, 1, qRgb(0, 0, 200));
    square.setPixel(1, 1, qRgb(100, 100, 100));
    QImage grown = Image(3, 3);
    ResampleBitmap(square, grown);
    EXPECT_EQ(grown.pixel(0, 0), qRgb(200, 0, 0));
    EXPECT_EQ(grown.pixel(1, 1), qRgb(100, 55, 55));
    EXPECT_EQ(grown, Reference(square, {3, 3}));
}

TEST(ResampleBitmap, OnePixelSourcesUseTheSamePixelAsNeighbour)
{
    QImage dot = Image(1, 1, qRgb(10, 20, 30));
    QImage destination = Image(5, 3);
    ResampleBitmap(dot, destination);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x)
            EXPECT_EQ(destination.pixel(x, y), qRgb(10, 20, 30));

    // One row: every destination row is the same; one column: every column.
    QImage row = Image(3, 1);
    row.setPixel(0, 0, qRgb(0, 0, 0));
    row.setPixel(1, 0, qRgb(90, 90, 90));
    row.setPixel(2, 0, qRgb(180, 180, 180));
    QImage wide = Image(7, 4);
    ResampleBitmap(row, wide);
    EXPECT_EQ(wide, Reference(row, {7, 4}));
    for (int y = 1; y < 4; ++y)
        EXPECT_EQ(wide.copy(0, y, 7, 1), wide.copy(0, 0, 7, 1));
    QImage column = row.transformed(QTransform().rotate(90));
    ASSERT_EQ(column.size(), QSize(1, 3));
    QImage tall = Image(4, 7);
    ResampleBitmap(column, tall);
    EXPECT_EQ(tall, Reference(column.convertToFormat(QImage::Format_RGB888), {4, 7}));
    for (int x = 1; x < 4; ++x)
        EXPECT_EQ(tall.copy(x, 0, 1, 7), tall.copy(0, 0, 1, 7));
}

TEST(ResampleBitmap, MatchesTheStepByStepAlgorithmOnRandomPictures)
{
    std::mt19937 random(20261208);
    std::uniform_int_distribution<int> side(1, 40);
    for (int round = 0; round < 200; ++round) {
        const QImage source = Random(random, side(random), side(random));
        const QSize size(side(random), side(random));
        QImage destination = Image(size.width(), size.height());
        ResampleBitmap(source, destination);
        ASSERT_EQ(destination, Reference(source, size))
            << source.width() << "x" << source.height() << " -> " << size.width() << "x" << size.height();
    }
}

TEST(ResampleBitmap, EmptyPicturesDrawNothingAndLargeOnesDoNotOverflow)
{
    QImage destination = Image(3, 3, qRgb(1, 2, 3));
    ResampleBitmap(QImage(), destination);
    ResampleBitmap(Image(0, 5), destination);
    EXPECT_EQ(destination, Image(3, 3, qRgb(1, 2, 3)));
    QImage empty;
    ResampleBitmap(Image(4, 4), empty);
    EXPECT_TRUE(empty.isNull());

    // A destination of another format becomes 24-bit with its size kept.
    QImage argb(6, 2, QImage::Format_ARGB32);
    ResampleBitmap(Image(2, 2, qRgb(9, 8, 7)), argb);
    EXPECT_EQ(argb.format(), QImage::Format_RGB888);
    EXPECT_EQ(argb.size(), QSize(6, 2));
    EXPECT_EQ(argb.pixel(5, 1), qRgb(9, 8, 7));

    // (width - 1) x 32768 and column x step pass 2^31 here.
    QImage ramp = Image(70000, 1);
    for (int x = 0; x < 70000; ++x)
        ramp.setPixel(x, 0, qRgb(x * 255 / 69999, 0, x % 256));
    QImage shrunk = Image(69000, 1);
    ResampleBitmap(ramp, shrunk);
    EXPECT_EQ(shrunk, Reference(ramp, {69000, 1}));
    int previous = 0;
    for (int x = 0; x < 69000; ++x) {
        ASSERT_GE(qRed(shrunk.pixel(x, 0)), previous) << x;
        previous = qRed(shrunk.pixel(x, 0));
    }
    EXPECT_GE(previous, 253);
}
