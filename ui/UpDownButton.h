#pragma once
// A spinner: two small arrow buttons stacked, attached to a line edit that
// shows its position. A press (or the Up / Down key in the edit) moves the
// position by one within the floor and the ceiling, writes it into the edit
// and then reports the direction; a press that cannot move reports nothing.
// The position is read back from the edit first, so typed text counts.

#include <QWidget>

class QLineEdit;
class QToolButton;

class UpDownButton : public QWidget {
    Q_OBJECT
public:
    enum class Direction { Up, Down };

    explicit UpDownButton(QWidget* parent = nullptr);

    // The edit that shows the position; its Up and Down keys step too.
    void SetAssociate(QLineEdit* edit);
    QLineEdit* Associate() const { return edit_; }

    void SetRange(int floor, int ceiling);
    int Floor() const { return floor_; }
    int Ceiling() const { return ceiling_; }
    int Position() const;

    // One step as if an arrow were pressed; returns whether it moved.
    bool Step(Direction direction);

signals:
    void Clicked(UpDownButton::Direction direction);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void StepUp() { Step(Direction::Up); }
    void StepDown() { Step(Direction::Down); }

    QToolButton* up_;
    QToolButton* down_;
    QLineEdit* edit_ = nullptr;
    int floor_ = 0;
    int ceiling_ = 100;
    int position_ = 0;
};
