#include "FormLook.h"

#include <QScreen>
#include <QWidget>

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
    control->setPalette(palette);
}
