#include "ui/widgets/StatusLine.h"

#include <QAccessible>
#include <QFontMetrics>

#include "ui/widgets/Announcement.h"

StatusLine::StatusLine(const QString& prefix, QWidget* parent) : QLabel(parent), prefix_(prefix)
{
    setTextFormat(Qt::PlainText);
    setWordWrap(false);
    setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    setAccessibleName(prefix_);
    announcement_ = new Announcement(this);
}

void StatusLine::SetStatus(const QString& text)
{
    full_ = text;
    fit();
    setToolTip(text);
    const QString name = prefix_ + text;
    // The line itself keeps its name for a reader that reads it; the result
    // is spoken through the notification, once, the same words again too.
    setAccessibleName(name);
    announcement_->Say(text);
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
