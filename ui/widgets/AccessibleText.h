#pragma once
// Qt tells screen readers of every accessible name or description set, even
// the same text again; a redraw that changes nothing must stay silent.

#include <QString>
#include <QWidget>

inline void SetAccessibleNameIfChanged(QWidget* widget, const QString& name)
{
    if (widget->accessibleName() != name)
        widget->setAccessibleName(name);
}

inline void SetAccessibleDescriptionIfChanged(QWidget* widget, const QString& description)
{
    if (widget->accessibleDescription() != description)
        widget->setAccessibleDescription(description);
}
