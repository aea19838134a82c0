#pragma once
// A tool window of the main window: it floats over it, and Escape closes it
// as it does a dialog. Closing only hides it; what it shows stays for the
// next showing.

#include <QWidget>

class ToolWindow : public QWidget {
    Q_OBJECT
public:
    // Named `objectName`, titled `title`, owned by `mainWindow`.
    ToolWindow(const QString& objectName, const QString& title, QWidget* mainWindow);

    // Shows the window, raises it and gives it the focus.
    void Present();

protected:
    void keyPressEvent(QKeyEvent* event) override;
};
