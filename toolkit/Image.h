#pragma once
// An image control: shows a picture at its top left (or centred), at its own size,
// stretched, or shrunk proportionally to fit. A transparent picture lets the parent
// show through wherever it has the colour of its bottom-left pixel.

#include <QImage>
#include <QWidget>

class TImage : public QWidget {
public:
    explicit TImage(QWidget* parent = nullptr);

    const QImage& Picture() const { return picture_; }
    void SetPicture(const QImage& picture);
    bool Proportional() const { return proportional_; }
    void SetProportional(bool value);
    bool Stretch() const { return stretch_; }
    void SetStretch(bool value);
    bool Center() const { return center_; }
    void SetCenter(bool value);
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool value);

    // Where the picture is drawn within the control.
    QRect DestRect() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void Prepare();

    QImage picture_;
    QImage shown_; // the picture with its transparent colour cleared, when transparent
    bool proportional_ = false;
    bool stretch_ = false;
    bool center_ = false;
    bool transparent_ = false;
};
