#pragma once
// A plain-text label that behaves as a link: a hand cursor, reachable with
// Tab, activated by a left click, Enter or Space, and by a screen reader's
// press action (accessible role Link). Its text colour stays the window's.

#include <QLabel>

class LinkLabel : public QLabel {
    Q_OBJECT
public:
    explicit LinkLabel(const QString& text, QWidget* parent = nullptr);

    // Registers the accessible interface of every LinkLabel; once per run,
    // before the first one is shown (further calls do nothing).
    static void InstallAccessibility();

signals:
    void activated();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};
