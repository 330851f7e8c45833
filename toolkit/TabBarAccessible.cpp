#include "TabBarAccessible.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QPointer>
#include <QTabBar>
#include <QWindow>

namespace {

// The tabs that show, in their order.
QList<int> ShownTabs(const QTabBar* bar)
{
    QList<int> tabs;
    for (int i = 0; i < bar->count(); ++i)
        if (bar->isTabVisible(i))
            tabs.append(i);
    return tabs;
}

// One tab of a bar, by its index in the bar.
class TTabAccessible : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    TTabAccessible(QTabBar* bar, int index) : bar_(bar), index_(index) {}

    int Index() const { return index_; }

    bool isValid() const override { return bar_ && index_ < bar_->count() && bar_->isTabVisible(index_); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return bar_ ? bar_->window()->windowHandle() : nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(bar_.data()); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text t) const override
    {
        if (!isValid())
            return QString();
        switch (t) {
        case QAccessible::Name: return QString(bar_->tabText(index_)).remove(QLatin1Char('&'));
        case QAccessible::Description: return bar_->tabToolTip(index_);
        default: return QString();
        }
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override
    {
        if (!isValid())
            return QRect();
        const QRect tab = bar_->tabRect(index_);
        return QRect(bar_->mapToGlobal(tab.topLeft()), tab.size());
    }
    QAccessible::Role role() const override { return QAccessible::PageTab; }
    QAccessible::State state() const override
    {
        QAccessible::State s;
        if (!isValid()) {
            s.invalid = true;
            return s;
        }
        s.selectable = s.checkable = true;
        s.selected = s.checked = index_ == bar_->currentIndex();
        s.disabled = !bar_->isTabEnabled(index_);
        s.focused = s.selected && bar_->hasFocus();
        s.focusable = bar_->focusPolicy() != Qt::NoFocus;
        s.offscreen = !bar_->isVisible();
        return s;
    }
    void* interface_cast(QAccessible::InterfaceType t) override
    {
        return t == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
    }

    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& name) override
    {
        if (isValid() && name == pressAction())
            bar_->setCurrentIndex(index_);
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    QPointer<QTabBar> bar_;
    int index_;
};

// The bar: its shown tabs are its children, each kept once it was asked for.
class TTabBarAccessible : public QAccessibleWidget {
public:
    explicit TTabBarAccessible(QTabBar* bar) : QAccessibleWidget(bar, QAccessible::PageTabList) {}

    QTabBar* Bar() const { return static_cast<QTabBar*>(object()); }

    int childCount() const override { return int(ShownTabs(Bar()).size()); }
    QAccessibleInterface* child(int index) const override
    {
        const QList<int> tabs = ShownTabs(Bar());
        return index >= 0 && index < tabs.size() ? Tab(tabs[index]) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        const auto* tab = dynamic_cast<const TTabAccessible*>(child);
        return tab ? int(ShownTabs(Bar()).indexOf(tab->Index())) : -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override
    {
        const int index = Bar()->tabAt(Bar()->mapFromGlobal(QPoint(x, y)));
        return index >= 0 && Bar()->isTabVisible(index) ? Tab(index) : nullptr;
    }
    QAccessibleInterface* focusChild() const override
    {
        return Bar()->hasFocus() && Bar()->currentIndex() >= 0 ? Tab(Bar()->currentIndex()) : nullptr;
    }
    QString text(QAccessible::Text t) const override
    {
        // Named as its current tab is, as the toolkit's own tab bars are.
        const QString own = QAccessibleWidget::text(t);
        if (t != QAccessible::Name || !own.isEmpty() || Bar()->currentIndex() < 0)
            return own;
        return Bar()->isTabVisible(Bar()->currentIndex()) ? Bar()->tabText(Bar()->currentIndex()).remove(QLatin1Char('&'))
                                                          : QString();
    }

private:
    QAccessibleInterface* Tab(int index) const
    {
        if (index >= tabs_.size())
            tabs_.resize(index + 1, 0);
        if (QAccessibleInterface* tab = tabs_[index] ? QAccessible::accessibleInterface(tabs_[index]) : nullptr)
            return tab;
        auto* tab = new TTabAccessible(Bar(), index);
        tabs_[index] = QAccessible::registerAccessibleInterface(tab);
        return tab;
    }

    mutable QList<QAccessible::Id> tabs_;
};

QAccessibleInterface* TabBarFactory(const QString& key, QObject* object)
{
    if (key == QLatin1String("QTabBar"))
        if (auto* bar = qobject_cast<QTabBar*>(object))
            return new TTabBarAccessible(bar);
    return nullptr;
}

} // namespace

void InstallTabBarAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(TabBarFactory);
        return true;
    }();
    Q_UNUSED(installed);
}
