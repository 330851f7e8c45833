#include "ResampleBitmap.h"

#include <cstdint>
#include <vector>

namespace {

constexpr std::int64_t kOne = 32768; // 1.0 in 15-bit fixed point

bool IsTwentyFourBit(QImage::Format format)
{
    return format == QImage::Format_RGB888 || format == QImage::Format_BGR888;
}

// Source pixel positions and weights of one destination row or column.
struct TSpan {
    int First;        // upper row or left column
    int Second;       // lower row or right column (the same at the last source line)
    std::int64_t Weight; // weight of the second, 0 to 32767
};

TSpan SpanAt(int index, std::int64_t step, int sourceSize)
{
    const std::int64_t f = index * step;
    const int first = int(f / kOne);
    const int second = first + 1 < sourceSize ? first + 1 : first;
    return {first, second, f % kOne};
}

} // namespace

void ResampleBitmap(const QImage& source, QImage& destination)
{
    if (source.width() <= 0 || source.height() <= 0 || destination.width() <= 0 || destination.height() <= 0)
        return;
    if (!IsTwentyFourBit(destination.format()))
        destination = destination.convertToFormat(QImage::Format_RGB888);
    const QImage from = source.format() == destination.format() ? source : source.convertToFormat(destination.format());

    const int sw = from.width(), sh = from.height();
    const int dw = destination.width(), dh = destination.height();
    const std::int64_t stepX = (std::int64_t(sw - 1) * kOne) / dw;
    const std::int64_t stepY = (std::int64_t(sh - 1) * kOne) / dh;

    std::vector<TSpan> columns(std::size_t(dw), TSpan{});
    for (int j = 0; j < dw; ++j)
        columns[std::size_t(j)] = SpanAt(j, stepX, sw);

    for (int i = 0; i < dh; ++i) {
        const TSpan rows = SpanAt(i, stepY, sh);
        const std::int64_t wy = rows.Weight;
        const uchar* upper = from.constScanLine(rows.First);
        const uchar* lower = from.constScanLine(rows.Second);
        uchar* out = destination.scanLine(i);
        for (int j = 0; j < dw; ++j) {
            const TSpan& cols = columns[std::size_t(j)];
            const std::int64_t wx = cols.Weight;
            const std::int64_t topRight = wx * (kOne - wy) / kOne;
            const std::int64_t topLeft = kOne - wy - topRight;
            const std::int64_t bottomRight = wx * wy / kOne;
            const std::int64_t bottomLeft = wy - bottomRight;
            const uchar* tl = upper + 3 * std::ptrdiff_t(cols.First);
            const uchar* tr = upper + 3 * std::ptrdiff_t(cols.Second);
            const uchar* bl = lower + 3 * std::ptrdiff_t(cols.First);
            const uchar* br = lower + 3 * std::ptrdiff_t(cols.Second);
            for (int c = 0; c < 3; ++c)
                out[3 * std::ptrdiff_t(j) + c] =
                    uchar((topLeft * tl[c] + topRight * tr[c] + bottomLeft * bl[c] + bottomRight * br[c]) / kOne);
        }
    }
}
