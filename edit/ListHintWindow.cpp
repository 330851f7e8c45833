#include "ListHintWindow.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyledItemDelegate>

namespace {

// Every row is exactly 12 pixels high, whatever the font asks for.
class TFixedRowDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        return {QStyledItemDelegate::sizeHint(option, index).width(), TLookupListBox::kRowHeight};
    }
};

} // namespace

TLookupListBox::TLookupListBox(QWidget* parent) : QListWidget(parent)
{
    setItemDelegate(new TFixedRowDelegate(this));
    setUniformItemSizes(true);
    setFrameShape(QFrame::NoFrame);
    setFocusPolicy(Qt::StrongFocus);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setSelectionMode(QAbstractItemView::SingleSelection);
}

void TLookupListBox::keyPressEvent(QKeyEvent* event)
{
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && OnChoose) {
        OnChoose();
        return;
    }
    QListWidget::keyPressEvent(event);
}

void TLookupListBox::mouseReleaseEvent(QMouseEvent* event)
{
    QListWidget::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && itemAt(event->position().toPoint()) && OnChoose) {
        setCurrentItem(itemAt(event->position().toPoint()));
        OnChoose();
    }
}

TListHintWindow::TListHintWindow(QWidget* owner)
    : QFrame(owner, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint), list_(new TLookupListBox(this))
{
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(1);
    resize(0, 0);
}

bool TListHintWindow::event(QEvent* event)
{
    switch (event->type()) {
    case QEvent::WindowActivate:
        list_->setFocus(Qt::ActiveWindowFocusReason);
        break;
    case QEvent::WindowDeactivate:
        hide();
        break;
    default:
        break;
    }
    return QFrame::event(event);
}

void TListHintWindow::resizeEvent(QResizeEvent* event)
{
    QFrame::resizeEvent(event);
    list_->setGeometry(contentsRect());
}
