#include "ui/widgets/GradeMark.h"

#include <QPainter>

#include "ui/skin/SkinColours.h"
#include "ui/widgets/AccessibleText.h"

namespace {
constexpr int PadX = 5;
constexpr int PadY = 2;

struct Colours {
    QRgb face, text, edge;
};

Colours ColoursOf(GradeMark::Tone tone)
{
    switch (tone) {
    case GradeMark::Tone::Best:
        return {SkinColours::WoodDark, SkinColours::GoldText, SkinColours::Gold};
    case GradeMark::Tone::Good:
        return {SkinColours::Gold, SkinColours::Ink, SkinColours::WoodDark};
    case GradeMark::Tone::Plain:
        break;
    }
    return {SkinColours::Cream, SkinColours::Ink, SkinColours::Tan};
}
}  // namespace

GradeMark::GradeMark(QWidget* parent) : QWidget(parent)
{
    setObjectName("GradeMark");
    setAttribute(Qt::WA_NoSystemBackground);
    hide();
}

void GradeMark::Show(const QString& text, Tone tone, const QStringList& details, QPoint at)
{
    text_ = text;
    tone_ = tone;
    SetAccessibleNameIfChanged(this, "鉴定：" + text);
    SetAccessibleDescriptionIfChanged(this, details.join(QStringLiteral("；")));
    setToolTip(details.join('\n'));
    setGeometry(QRect(at, sizeHint()));
    raise();
    show();
    update();
}

QSize GradeMark::sizeHint() const
{
    const QFontMetrics metrics(font());
    return {metrics.horizontalAdvance(text_) + 2 * PadX, metrics.height() + 2 * PadY};
}

void GradeMark::paintEvent(QPaintEvent*)
{
    const Colours colours = ColoursOf(tone_);
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(colours.edge), 1));
    painter.setBrush(QColor(colours.face));
    painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
    painter.setPen(QColor(colours.text));
    painter.drawText(rect(), Qt::AlignCenter, text_);
}
