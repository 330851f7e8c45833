#pragma once
// Bilinear resizing of a 24-bit picture (the print logo, the zoomed preview) in
// 15-bit fixed point, so that the result is the same on every machine.

#include <QImage>

// Fills `destination`, keeping its size, with `source` resized to that size. A
// destination that is not 24 bits per pixel is made so first. A source or
// destination without pixels leaves the destination as it is.
void ResampleBitmap(const QImage& source, QImage& destination);
