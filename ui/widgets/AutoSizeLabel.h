#pragma once
// A plain-text label that resizes itself to its text each time the text is
// set, keeping its top-left corner. Measuring a text loads its font, so a
// label that is not on screen yet waits for its first showing: a hidden
// dialog costs no text layout at start-up.
//
// A label may be given a field width: a text too wide for it is drawn in a
// smaller font, down to a floor, and beyond that elided; the full text is
// then its tooltip.

#include <QLabel>

class AutoSizeLabel : public QLabel {
    Q_OBJECT
public:
    AutoSizeLabel(const QString& text, QWidget* parent, QPoint at);

    // Hides QLabel::setText so that every text set through this class sizes
    // the label (at once when shown, else at its first showing). Callers
    // holding the label as a plain QLabel* must not set its text.
    void setText(const QString& text);
    // The text as set, before any eliding.
    QString fullText() const { return full_; }

    // Limits the label to `width` pixels from its left edge. The font set at
    // this call is the normal size; texts that do not fit shrink to at least
    // `floorPixels`. The label keeps the normal height, text centred in it.
    void setFieldWidth(int width, int floorPixels);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void fitText();
    void fitToField();

    QString full_;
    int fieldWidth_ = 0;
    int floorPixels_ = 0;
    QFont normalFont_;
};
