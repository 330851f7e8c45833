#pragma once
// The desktop's style with a focus frame that shows: a focused button or tool
// button, and whatever the style marks with a focus rectangle, gets a dotted
// frame in its text colour, so that the keyboard's focus can be seen on every
// control, the default button included.

#include <QProxyStyle>

class TFocusFrameStyle : public QProxyStyle {
    Q_OBJECT
public:
    // Wraps the application's default style.
    TFocusFrameStyle() = default;

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                            const QWidget* widget = nullptr) const override;
};
