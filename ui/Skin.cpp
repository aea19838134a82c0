#include "Skin.h"

#include <QApplication>

void InstallSkin(QApplication& app)
{
    Q_UNUSED(app);
}
