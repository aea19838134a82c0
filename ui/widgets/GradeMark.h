#pragma once
// A small badge with a roll's grade ("极品", "优秀", "普通" or "不评级") in
// the skin's colours: dark wood and gold for the best, a gold face for the
// good, parchment for the rest. Its tooltip and accessible description
// carry the shares behind the grade; it lets mouse clicks through to what
// lies under it but shows its tooltip.

#include <QWidget>

class GradeMark : public QWidget {
    Q_OBJECT
public:
    enum class Tone { Plain, Good, Best };

    explicit GradeMark(QWidget* parent = nullptr);

    // Shows `text` in `tone` at the badge's top left corner `at`; `details`
    // go to the tooltip (one per line) and the accessible description.
    void Show(const QString& text, Tone tone, const QStringList& details, QPoint at);
    QString Text() const { return text_; }
    Tone CurrentTone() const { return tone_; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString text_;
    Tone tone_ = Tone::Plain;
};
