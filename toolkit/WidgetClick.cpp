#include "WidgetClick.h"

#include <QKeyEvent>
#include <QListWidget>
#include <QMouseEvent>
#include <QWidget>

namespace {

class TClickFilter : public QObject {
public:
    TClickFilter(QWidget* widget, std::function<void()> handler) : QObject(widget), handler_(std::move(handler)) {}

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* widget = static_cast<QWidget*>(watched);
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            if (static_cast<QMouseEvent*>(event)->button() != Qt::LeftButton)
                return false;
            pressed_ = true;
            return true;
        case QEvent::MouseButtonRelease: {
            auto* mouse = static_cast<QMouseEvent*>(event);
            if (mouse->button() != Qt::LeftButton || !pressed_)
                return false;
            pressed_ = false;
            if (widget->rect().contains(mouse->position().toPoint()))
                handler_();
            return true;
        }
        default:
            return false;
        }
    }

private:
    std::function<void()> handler_;
    bool pressed_ = false;
};

class TItemKeyFilter : public QObject {
public:
    TItemKeyFilter(QListWidget* list, std::function<void(QListWidgetItem*)> handler)
        : QObject(list), handler_(std::move(handler))
    {
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool choose = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter || key->key() == Qt::Key_Space;
        QListWidgetItem* item = static_cast<QListWidget*>(watched)->currentItem();
        if (!choose || (key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier || !item)
            return false;
        handler_(item);
        return true;
    }

private:
    std::function<void(QListWidgetItem*)> handler_;
};

} // namespace

void OnItemKey(QListWidget* list, std::function<void(QListWidgetItem*)> handler)
{
    list->installEventFilter(new TItemKeyFilter(list, std::move(handler)));
}

void OnClickOf(QWidget* widget, std::function<void()> handler)
{
    widget->installEventFilter(new TClickFilter(widget, std::move(handler)));
}
