#include "ui/widgets/ToolWindow.h"

#include <QKeyEvent>

ToolWindow::ToolWindow(const QString& objectName, const QString& title, QWidget* mainWindow)
    : QWidget(mainWindow, Qt::Tool)
{
    setObjectName(objectName);
    setWindowTitle(title);
}

void ToolWindow::Present()
{
    show();
    raise();
    activateWindow();
}

void ToolWindow::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier)
        close();
    else
        QWidget::keyPressEvent(event);
}
