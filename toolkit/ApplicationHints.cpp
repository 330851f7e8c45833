#include "ApplicationHints.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QHelpEvent>
#include <QToolTip>

namespace {

struct THintState {
    const void* owner = nullptr;
    TShowHintEvent hook;
    QObject* filter = nullptr;
};

THintState& State()
{
    static THintState state;
    return state;
}

// The control a viewport belongs to, so hooks see the scroll area itself.
QWidget* HintControlOf(QWidget* widget, QPoint& pos)
{
    if (auto* area = qobject_cast<QAbstractScrollArea*>(widget->parentWidget()); area && area->viewport() == widget)
        return area;
    Q_UNUSED(pos);
    return widget;
}

class THintFilter : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::ToolTip || !State().hook)
            return false;
        auto* widget = qobject_cast<QWidget*>(watched);
        if (!widget)
            return false;
        auto* help = static_cast<QHelpEvent*>(event);
        QPoint pos = help->pos();
        THintInfo info;
        info.HintControl = HintControlOf(widget, pos);
        info.CursorPos = pos;
        info.CursorRect = widget->rect();
        QString text = info.HintControl->toolTip();
        if (!RunApplicationHintHook(text, info) || text.isEmpty()) {
            QToolTip::hideText();
            return info.HintControl != widget || text.isEmpty();
        }
        QPalette palette = QToolTip::palette();
        palette.setColor(QPalette::ToolTipBase, ToQColor(info.HintColor));
        QToolTip::setPalette(palette);
        QToolTip::showText(help->globalPos(), text, widget, info.CursorRect);
        return true;
    }
};

} // namespace

void SetApplicationHintHook(const void* owner, TShowHintEvent hook)
{
    THintState& state = State();
    state.owner = owner;
    state.hook = std::move(hook);
    if (!state.filter && qApp) {
        state.filter = new THintFilter(qApp);
        qApp->installEventFilter(state.filter);
    }
}

void RemoveApplicationHintHook(const void* owner)
{
    THintState& state = State();
    if (state.owner != owner || !owner)
        return;
    state.owner = nullptr;
    state.hook = nullptr;
}

const void* ApplicationHintHookOwner()
{
    return State().owner;
}

bool RunApplicationHintHook(QString& hintText, THintInfo& info)
{
    bool canShow = true;
    if (State().hook)
        State().hook(hintText, canShow, info);
    return canShow;
}
