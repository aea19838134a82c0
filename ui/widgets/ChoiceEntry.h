#pragma once
// One entry of the certification chooser: a red, auto-sized text that works
// as a button. It takes focus (Tab, arrow keys) and shows a focus mark;
// Return, Enter or Space press it, as does a click; screen readers see a
// button with a press action named after its text.

#include <QAbstractButton>

class ChoiceEntry : public QAbstractButton {
    Q_OBJECT
public:
    // Placed at `at`, sized to `text` in the parent's font.
    ChoiceEntry(const QString& text, QWidget* parent, QPoint at);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};
