#include "Image.h"

#include <QPainter>

TImage::TImage(QWidget* parent) : QWidget(parent) {}

void TImage::SetPicture(const QImage& picture)
{
    picture_ = picture;
    Prepare();
}

void TImage::SetProportional(bool value)
{
    if (proportional_ == value)
        return;
    proportional_ = value;
    update();
}

void TImage::SetStretch(bool value)
{
    if (stretch_ == value)
        return;
    stretch_ = value;
    update();
}

void TImage::SetCenter(bool value)
{
    if (center_ == value)
        return;
    center_ = value;
    update();
}

void TImage::SetTransparent(bool value)
{
    if (transparent_ == value)
        return;
    transparent_ = value;
    Prepare();
}

void TImage::Prepare()
{
    shown_ = picture_;
    if (transparent_ && !picture_.isNull()) {
        // The bottom-left pixel names the colour that is not drawn.
        const QRgb key = picture_.pixel(0, picture_.height() - 1) | 0xFF000000u;
        shown_ = picture_.convertToFormat(QImage::Format_ARGB32);
        for (int y = 0; y < shown_.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(shown_.scanLine(y));
            for (int x = 0; x < shown_.width(); ++x)
                if ((line[x] | 0xFF000000u) == key)
                    line[x] = 0;
        }
    }
    update();
}

QRect TImage::DestRect() const
{
    if (picture_.isNull())
        return {};
    QSize size = picture_.size();
    const bool tooLarge = size.width() > width() || size.height() > height();
    if (stretch_)
        size = proportional_ ? size.scaled(this->size(), Qt::KeepAspectRatio) : this->size();
    else if (proportional_ && tooLarge)
        size = size.scaled(this->size(), Qt::KeepAspectRatio);
    QRect dest(QPoint(0, 0), size);
    if (center_)
        dest.moveCenter(rect().center());
    return dest;
}

void TImage::paintEvent(QPaintEvent*)
{
    if (shown_.isNull())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(DestRect(), shown_);
}
