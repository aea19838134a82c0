#pragma once
// A plain-text label that takes the size of its text, like a classic
// auto-sized label. Measuring a text loads its font, so a label that is not
// on screen yet waits for its first showing: a hidden dialog costs no text
// layout at start-up.

#include <QLabel>

class AutoSizeLabel : public QLabel {
    Q_OBJECT
public:
    AutoSizeLabel(const QString& text, QWidget* parent, QPoint at);

    // Sets the text and, once the label has been shown, its size.
    void SetText(const QString& text);

protected:
    void showEvent(QShowEvent* event) override;
};
