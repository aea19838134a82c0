#include "AutoSizeLabel.h"

AutoSizeLabel::AutoSizeLabel(const QString& text, QWidget* parent, QPoint at) : QLabel(text, parent)
{
    setTextFormat(Qt::PlainText);
    move(at);
}

void AutoSizeLabel::SetText(const QString& text)
{
    setText(text);
    if (isVisible())
        adjustSize();
}

void AutoSizeLabel::showEvent(QShowEvent* event)
{
    // The size hint is cached, so later showings cost next to nothing.
    adjustSize();
    QLabel::showEvent(event);
}
