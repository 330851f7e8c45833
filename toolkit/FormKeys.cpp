#include "FormKeys.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QWidget>

TFormKeys::TFormKeys(QWidget* form) : QObject(form)
{
    form->installEventFilter(this);
}

TFormKeys* TFormKeys::Of(const QWidget* control)
{
    if (!control)
        return nullptr;
    return control->window()->findChild<TFormKeys*>(QString(), Qt::FindDirectChildrenOnly);
}

QWidget* TFormKeys::Form() const
{
    return static_cast<QWidget*>(parent());
}

bool TFormKeys::DialogKey(int key, TShiftState shift)
{
    if ((shift & ssModifiers) != 0)
        return false;
    QAbstractButton* button = nullptr;
    if (key == VK_RETURN)
        button = defaultButton_;
    else if (key == VK_ESCAPE)
        button = cancelButton_;
    if (!button || !button->isEnabled() || !button->isVisible())
        return false;
    button->click();
    return true;
}

// Key presses reach the window when they were posted to it or when no control
// below it accepted them.
bool TFormKeys::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == parent() && event->type() == QEvent::KeyPress) {
        auto* keyEvent = static_cast<QKeyEvent*>(event);
        if (DialogKey(VirtualKeyFromQt(*keyEvent), ShiftStateFromQt(keyEvent->modifiers())))
            return true;
    }
    return QObject::eventFilter(watched, event);
}
