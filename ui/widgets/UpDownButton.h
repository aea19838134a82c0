#pragma once
// A spinner: two small arrow buttons stacked beside a line edit. A press of an
// arrow, or the Up / Down key in the edit, asks for one step; the spinner owns
// no range and moves nothing itself. Whoever holds the numbers decides whether
// the step moves and shows the result in the edit.

#include <QWidget>

class QLineEdit;
class QToolButton;

class UpDownButton : public QWidget {
    Q_OBJECT
public:
    enum class Direction { Up, Down };

    explicit UpDownButton(QWidget* parent = nullptr);

    // The edit beside the spinner; its Up and Down keys ask for steps too.
    void SetAssociate(QLineEdit* edit);
    // Names the two arrows for screen readers: "<caption>加一", "<caption>减一".
    void SetCaption(const QString& caption);

    // Asks for one step, as a press of the arrow would.
    void Step(Direction direction);

signals:
    void Clicked(UpDownButton::Direction direction);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QToolButton* up_;
    QToolButton* down_;
    QLineEdit* edit_ = nullptr;
};
