#include "ui/widgets/AutoSizeLabel.h"

AutoSizeLabel::AutoSizeLabel(const QString& text, QWidget* parent, QPoint at) : QLabel(text, parent), full_(text)
{
    setTextFormat(Qt::PlainText);
    move(at);
}

void AutoSizeLabel::setText(const QString& text)
{
    full_ = text;
    if (isVisible())
        fitText();
    else
        QLabel::setText(text);
}

void AutoSizeLabel::setFieldWidth(int width, int floorPixels)
{
    fieldWidth_ = width;
    floorPixels_ = floorPixels;
    normalFont_ = font();
    setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
}

void AutoSizeLabel::showEvent(QShowEvent* event)
{
    // The size hint is cached, so later showings cost next to nothing.
    fitText();
    QLabel::showEvent(event);
}

void AutoSizeLabel::fitText()
{
    if (fieldWidth_ <= 0) {
        QLabel::setText(full_);
        adjustSize();
        return;
    }
    fitToField();
}

void AutoSizeLabel::fitToField()
{
    QFont font = normalFont_;
    setFont(font);
    QLabel::setText(full_);
    const int height = sizeHint().height();
    int pixels = normalFont_.pixelSize();
    while (sizeHint().width() > fieldWidth_ && pixels > floorPixels_) {
        font.setPixelSize(--pixels);
        setFont(font);
    }
    const bool elided = sizeHint().width() > fieldWidth_;
    if (elided)
        QLabel::setText(fontMetrics().elidedText(full_, Qt::ElideRight, fieldWidth_));
    setToolTip(pixels < normalFont_.pixelSize() || elided ? full_ : QString());
    resize(qMin(sizeHint().width(), fieldWidth_), height);
}
