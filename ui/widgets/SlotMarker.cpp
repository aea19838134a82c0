#include "ui/widgets/SlotMarker.h"

#include <QPainter>

#include "ui/skin/SkinColours.h"
#include "ui/widgets/AccessibleText.h"

namespace {
constexpr int Inset = 3;  // inside the certification frame's 3-pixel strips
constexpr int Pen = 2;
constexpr int Badge = 15;  // the sign's square
}  // namespace

SlotMarker::SlotMarker(QWidget* parent) : QWidget(parent)
{
    setObjectName("SlotMarker");
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    hide();
}

void SlotMarker::Mark(const QRect& slot, const QString& sign, const QString& description)
{
    sign_ = sign;
    SetAccessibleNameIfChanged(this, description);
    if (sign.isEmpty()) {
        hide();
        return;
    }
    setGeometry(slot);
    raise();
    show();
    update();
}

void SlotMarker::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, false);
    // A dark hairline under the gold keeps the frame visible on light icons.
    const QRect frame = rect().adjusted(Inset, Inset, -Inset - 1, -Inset - 1);
    painter.setPen(QPen(QColor(SkinColours::WoodDark), 1));
    painter.drawRect(frame.adjusted(Pen, Pen, -Pen, -Pen));
    painter.setPen(QPen(QColor(SkinColours::Gold), Pen, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.drawRect(frame.adjusted(Pen / 2, Pen / 2, -Pen / 2 + 1, -Pen / 2 + 1));

    const QRect badge(width() - Inset - Badge, Inset, Badge, Badge);
    painter.fillRect(badge, QColor(SkinColours::WoodDark));
    painter.setPen(QColor(SkinColours::GoldText));
    QFont small = font();
    small.setPixelSize(12);
    painter.setFont(small);
    painter.drawText(badge, Qt::AlignCenter, sign_);
}
