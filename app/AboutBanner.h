#pragma once
// The About box's banner: a number plate sending its code down a Wiegand line,
// drawn by the program itself as a 388 by 169 picture in 24-bit colour. Its
// background is the About box's colour and is drawn transparent there.

#include <QImage>

QImage AboutBannerPicture();
