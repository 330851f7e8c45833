#include "NotifyFont.h"

#include <QApplication>
#include <QFontInfo>
#include <QWidget>

TNotifyFont::TNotifyFont()
{
    const QFont standard = QApplication::font();
    name_ = standard.family();
    height_ = -QFontInfo(standard).pixelSize();
}

void TNotifyFont::CopyValues(const TNotifyFont& other)
{
    name_ = other.name_;
    height_ = other.height_;
    color_ = other.color_;
    styles_ = other.styles_;
    charset_ = other.charset_;
}

void TNotifyFont::Assign(const TNotifyFont& other)
{
    if (&other == this)
        return;
    CopyValues(other);
    Changed();
}

void TNotifyFont::Changed()
{
    if (OnChange)
        OnChange();
}

void TNotifyFont::SetName(const QString& value)
{
    if (value == name_)
        return;
    name_ = value;
    Changed();
}

void TNotifyFont::SetHeight(int value)
{
    if (value == height_)
        return;
    height_ = value;
    Changed();
}

void TNotifyFont::SetColor(TColor value)
{
    if (value == color_)
        return;
    color_ = value;
    Changed();
}

void TNotifyFont::SetStyles(unsigned value)
{
    if (value == styles_)
        return;
    styles_ = value;
    Changed();
}

void TNotifyFont::SetCharset(int value)
{
    if (value == charset_)
        return;
    charset_ = value;
    Changed();
}

QFont TNotifyFont::ToQFont() const
{
    QFont font(name_);
    if (height_ != 0)
        font.setPixelSize(height_ < 0 ? -height_ : height_);
    font.setBold(styles_ & Bold);
    font.setItalic(styles_ & Italic);
    font.setUnderline(styles_ & Underline);
    font.setStrikeOut(styles_ & StrikeOut);
    return font;
}

void TNotifyFont::ApplyTo(QWidget* widget) const
{
    widget->setFont(ToQFont());
    QPalette pal = widget->palette();
    const QColor text = ToQColor(color_);
    pal.setColor(QPalette::Active, QPalette::WindowText, text);
    pal.setColor(QPalette::Inactive, QPalette::WindowText, text);
    widget->setPalette(pal);
}
