#include "ui/widgets/LazyPage.h"

#include <QTabWidget>

#include <utility>

LazyPage::LazyPage(std::function<void(QWidget* page)> build, QWidget* parent)
    : QWidget(parent), build_(std::move(build))
{
}

bool LazyPage::IsBuilt() const
{
    return !build_;
}

void LazyPage::Build()
{
    if (!build_)
        return;
    const std::function<void(QWidget*)> build = std::exchange(build_, nullptr);
    QWidget* anchor = FocusableBefore();
    build(this);
    // Qt puts controls made for a widget already in a window at the end of
    // the window's focus chain; move the ones that take focus, in the order
    // they were made, to follow the anchor.
    if (anchor != nullptr)
        for (QWidget* child : findChildren<QWidget*>())
            if (child->focusPolicy() != Qt::NoFocus && !child->isWindow()) {
                QWidget::setTabOrder(anchor, child);
                anchor = child;
            }
    // The page's own showing, which shows its children, has passed.
    if (isVisible())
        for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (!child->isWindow() && !child->testAttribute(Qt::WA_WState_ExplicitShowHide))
                child->show();
}

void LazyPage::BuildWhenCurrent(QTabWidget* tabs)
{
    connect(tabs, &QTabWidget::currentChanged, tabs, [tabs](int index) {
        if (auto* page = qobject_cast<LazyPage*>(tabs->widget(index)))
            page->Build();
    });
}

void LazyPage::showEvent(QShowEvent* event)
{
    Build();
    QWidget::showEvent(event);
}

QWidget* LazyPage::FocusableBefore() const
{
    if (isWindow())
        return nullptr;
    for (QWidget* w = previousInFocusChain(); w != this && w != window(); w = w->previousInFocusChain())
        if (w->focusPolicy() != Qt::NoFocus)
            return w;
    return nullptr;
}
