#include "ui/widgets/ChoiceEntry.h"

#include <QKeyEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

#include "ui/skin/SkinColours.h"

ChoiceEntry::ChoiceEntry(const QString& text, QWidget* parent, QPoint at) : QAbstractButton(parent)
{
    setText(text);
    setAccessibleName(text);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
    setAttribute(Qt::WA_Hover);
    QPalette link = palette();
    link.setColor(QPalette::WindowText, QColor(SkinColours::Link));
    link.setColor(QPalette::ButtonText, QColor(SkinColours::Link));
    setPalette(link);
    move(at - Padding);
    resize(sizeHint());
}

QSize ChoiceEntry::sizeHint() const
{
    return fontMetrics().size(Qt::TextSingleLine, text()) + QSize(2 * Padding.x(), 2 * Padding.y());
}

void ChoiceEntry::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF frame = QRectF(rect()).adjusted(1, 1, -1, -1);
    if (underMouse() || isDown())
        painter.fillRect(rect(), QColor(isDown() ? SkinColours::CreamAlternate : SkinColours::Cream));
    QFont face = font();
    face.setUnderline(underMouse());
    painter.setFont(face);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(rect().adjusted(Padding.x(), 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                     text());
    if (!hasFocus())
        return;
    // Marked from the first showing on, not only after a key press: the
    // chooser opens with the first entry focused and the user must see it.
    // The ring is the text's colour, well above 3:1 on the parchment.
    painter.setPen(QPen(palette().color(QPalette::WindowText), 1.5, Qt::SolidLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(frame, 3, 3);
}

void ChoiceEntry::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier) {
            click();
            return;
        }
        break;
    default:
        break;
    }
    QAbstractButton::keyPressEvent(event);
}
