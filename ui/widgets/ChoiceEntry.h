#pragma once
// One entry of the certification chooser: a text in the skin's link red
// that works as a button. It takes focus (Tab, arrow keys) and shows a ring
// with room around the text; under the mouse it is underlined on a lighter
// ground. Return, Enter or Space press it, as does a click; screen readers
// see a button with a press action named after its text.

#include <QAbstractButton>

class ChoiceEntry : public QAbstractButton {
    Q_OBJECT
public:
    // Room between the text and the entry's edge, for the ring.
    static constexpr QPoint Padding{6, 3};

    // Its text placed at `at` (the entry Padding above and left of it),
    // sized to `text` in the parent's font.
    ChoiceEntry(const QString& text, QWidget* parent, QPoint at);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};
