#include "ui/widgets/TabAccessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QHash>
#include <QPointer>
#include <QTabBar>

namespace {

class TabAccessible : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    TabAccessible(QTabBar* bar, int index) : bar_(bar), index_(index) {}

    bool isValid() const override { return bar_ && index_ < bar_->count(); }
    QObject* object() const override { return nullptr; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(bar_.data()); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessible::Role role() const override { return QAccessible::PageTab; }
    void setText(QAccessible::Text, const QString&) override {}
    int index() const { return index_; }

    QString text(QAccessible::Text kind) const override
    {
        if (!isValid())
            return {};
        if (kind == QAccessible::Name) {
            const QString name = bar_->accessibleTabName(index_);
            return name.isEmpty() ? QString(bar_->tabText(index_)).remove(QLatin1Char('&')) : name;
        }
        return kind == QAccessible::Description ? bar_->tabToolTip(index_) : QString();
    }

    QAccessible::State state() const override
    {
        QAccessible::State s;
        if (!isValid()) {
            s.invalid = true;
            return s;
        }
        const bool current = index_ == bar_->currentIndex();
        s.focusable = true;
        s.selectable = true;
        s.selected = current;
        s.focused = current && bar_->hasFocus();
        s.disabled = !bar_->isTabEnabled(index_);
        s.invisible = !bar_->isVisible() || !bar_->isTabVisible(index_);
        return s;
    }

    QRect rect() const override
    {
        if (!isValid())
            return {};
        const QRect r = bar_->tabRect(index_);
        return {bar_->mapToGlobal(r.topLeft()), r.size()};
    }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& name) override
    {
        if (name == pressAction() && isValid())
            bar_->setCurrentIndex(index_);
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    QPointer<QTabBar> bar_;
    int index_;
};

class TabBarAccessible : public QAccessibleWidget {
public:
    explicit TabBarAccessible(QTabBar* bar) : QAccessibleWidget(bar, QAccessible::PageTabList) {}
    ~TabBarAccessible() override
    {
        for (QAccessible::Id id : std::as_const(tabs_))
            QAccessible::deleteAccessibleInterface(id);
    }

    QTabBar* bar() const { return static_cast<QTabBar*>(object()); }
    int childCount() const override { return bar()->count(); }

    QAccessibleInterface* child(int index) const override
    {
        if (index < 0 || index >= bar()->count())
            return nullptr;
        if (const QAccessible::Id id = tabs_.value(index))
            return QAccessible::accessibleInterface(id);
        auto* tab = new TabAccessible(bar(), index);
        tabs_.insert(index, QAccessible::registerAccessibleInterface(tab));
        return tab;
    }

    int indexOfChild(const QAccessibleInterface* child) const override
    {
        const QAccessible::Id id = QAccessible::uniqueId(const_cast<QAccessibleInterface*>(child));
        for (auto it = tabs_.cbegin(); it != tabs_.cend(); ++it)
            if (it.value() == id)
                return it.key();
        return -1;
    }

    QAccessibleInterface* childAt(int x, int y) const override
    {
        const int index = bar()->tabAt(bar()->mapFromGlobal(QPoint(x, y)));
        return index >= 0 ? child(index) : nullptr;
    }

    QAccessibleInterface* focusChild() const override
    {
        return bar()->hasFocus() ? child(bar()->currentIndex()) : nullptr;
    }

    // As Qt's own: the list is named after the current tab.
    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Name && bar()->accessibleName().isEmpty()) {
            const QAccessibleInterface* current = child(bar()->currentIndex());
            return current ? current->text(kind) : QString();
        }
        return QAccessibleWidget::text(kind);
    }

private:
    mutable QHash<int, QAccessible::Id> tabs_;
};

QAccessibleInterface* MakeTabBarAccessible(const QString& key, QObject* object)
{
    if (key == QLatin1String("QTabBar"))
        if (auto* bar = qobject_cast<QTabBar*>(object))
            return new TabBarAccessible(bar);
    return nullptr;
}

}  // namespace

void InstallTabAccessibility()
{
    static const bool installed = (QAccessible::installFactory(&MakeTabBarAccessible), true);
    (void)installed;
}
