#pragma once
// A one-line status text: plain text, elided when too long for its width
// with the whole text in its tooltip. Its accessible name is a fixed prefix
// and the text, so that the line is told apart from every other control;
// each new status is also shown as a notification (Announcement), which
// screen readers speak once whatever has the focus.

#include <QLabel>

class StatusLine : public QLabel {
    Q_OBJECT
public:
    // `prefix` starts the accessible name ("状态：").
    StatusLine(const QString& prefix, QWidget* parent = nullptr);

    // Shows `text` (plain text); the same text again is announced again.
    void SetStatus(const QString& text);
    QString FullText() const { return full_; }

signals:
    // With every name change sent to screen readers: the new accessible name.
    void Announced(const QString& name);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void fit();

    class Announcement* announcement_ = nullptr;
    QString prefix_;
    QString full_;
};
