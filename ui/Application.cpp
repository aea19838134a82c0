#include "Application.h"

#include <QApplication>
#include <QIcon>

#include "MessageBoxes.h"

bool SetUpApplication(QApplication& app)
{
    Q_UNUSED(app);
    QApplication::setApplicationName(QStringLiteral("qingai-dashu"));
    QApplication::setApplicationDisplayName(ApplicationTitle());
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/art/app_icon_64.png")));
    QApplication::setDesktopFileName(QStringLiteral("io.github.qingaidashu.Dashu"));
    return true;
}
