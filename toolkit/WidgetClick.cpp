#include "WidgetClick.h"

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

} // namespace

void OnClickOf(QWidget* widget, std::function<void()> handler)
{
    widget->installEventFilter(new TClickFilter(widget, std::move(handler)));
}
