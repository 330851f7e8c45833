#include "FormLook.h"

#include <QApplication>
#include <QScreen>
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
    control->setPalette(palette);
}
