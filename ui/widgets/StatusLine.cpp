#include "ui/widgets/StatusLine.h"

#include <QAccessible>
#include <QFontMetrics>

StatusLine::StatusLine(const QString& prefix, QWidget* parent) : QLabel(parent), prefix_(prefix)
{
    setTextFormat(Qt::PlainText);
    setWordWrap(false);
    setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    setAccessibleName(prefix_);
}

void StatusLine::SetStatus(const QString& text)
{
    full_ = text;
    fit();
    setToolTip(text);
    const QString name = prefix_ + text;
    if (accessibleName() == name) {
        // The same words for a new action (the same refused book again):
        // announce them again all the same.
        QAccessibleEvent event(this, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&event);
    } else {
        setAccessibleName(name);
    }
    emit Announced(name);
}

void StatusLine::resizeEvent(QResizeEvent* event)
{
    QLabel::resizeEvent(event);
    fit();
}

void StatusLine::fit()
{
    setText(fontMetrics().elidedText(full_, Qt::ElideRight, contentsRect().width()));
}
