#include "FormLook.h"

#include <QApplication>
#include <QFont>
#include <QScreen>

#include <algorithm>
#include <cmath>
#include <QWidget>

TBusyCursor::TBusyCursor()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

TBusyCursor::~TBusyCursor()
{
    QApplication::restoreOverrideCursor();
}

void CenterOnScreen(QWidget* form)
{
    if (const QScreen* screen = form->screen()) {
        QRect frame = form->frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        form->move(frame.topLeft());
    }
}

void SetBaseColor(QWidget* control, TColor color)
{
    QPalette palette = control->palette();
    palette.setColor(QPalette::Base, ToQColor(color));
    palette.setColor(QPalette::Text, ToQColor(TextColorOn(color)));
    control->setPalette(palette);
}

namespace {

// The point size of the toolkit's font where the desktop names none (Qt's
// generic Unix desktop), the size the forms' pixel layouts were made for.
constexpr double kToolkitFontPoints = 9;

} // namespace

QColor WarningTextOn(const QColor& background)
{
    const QColor dark = ToQColor(WarningTextColor);
    const QColor light(255, 140, 140);
    return ContrastRatio(dark, background) >= ContrastRatio(light, background) ? dark : light;
}

double DesktopFontScale()
{
    const double points = QApplication::font().pointSizeF();
    return points > 0 ? std::max(1.0, points / kToolkitFontPoints) : 1.0;
}

int Scaled(int pixels, double scale)
{
    return int(std::lround(pixels * scale));
}
