#pragma once
// A font description (name, height, colour, style, character set) that tells its
// owner about every change, and is copied on assignment, never shared.

#include "Graphics.h"

#include <QFont>
#include <QString>
#include <functional>

class QWidget;

class TNotifyFont {
public:
    enum Style : unsigned { Bold = 1, Italic = 2, Underline = 4, StrikeOut = 8 };
    static constexpr int DefaultCharset = 1;

    // The toolkit's default font in the window text colour.
    TNotifyFont();
    TNotifyFont(const TNotifyFont& other) { CopyValues(other); }
    TNotifyFont& operator=(const TNotifyFont& other)
    {
        Assign(other);
        return *this;
    }

    // Copies the values (not the change handler) and notifies.
    void Assign(const TNotifyFont& other);

    QString Name() const { return name_; }
    void SetName(const QString& value);
    // Negative: character height in pixels; positive: cell height in pixels.
    int Height() const { return height_; }
    void SetHeight(int value);
    TColor Color() const { return color_; }
    void SetColor(TColor value);
    unsigned Styles() const { return styles_; }
    void SetStyles(unsigned value);
    int Charset() const { return charset_; }
    void SetCharset(int value);

    QFont ToQFont() const;
    // Gives a widget this font and this text colour (its disabled text stays grey).
    void ApplyTo(QWidget* widget) const;

    std::function<void()> OnChange;

private:
    void CopyValues(const TNotifyFont& other);
    void Changed();

    QString name_;
    int height_ = -11;
    TColor color_ = clWindowText;
    unsigned styles_ = 0;
    int charset_ = DefaultCharset;
};
