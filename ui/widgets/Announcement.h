#pragma once
// What a screen reader says once after an action: an invisible notification
// beside the status line. Each Say() shows it anew with the words as its
// name, which screen readers (Orca among them) speak whatever has the
// focus; they do not speak a label's name change unless it is focused.

#include <QWidget>

class Announcement : public QWidget {
    Q_OBJECT
public:
    explicit Announcement(QWidget* parent);

    // Shows `text` as a new notification, the same words again included.
    void Say(const QString& text);

protected:
    void paintEvent(QPaintEvent*) override {}
};
