#include "ui/widgets/IconButton.h"

#include <QIcon>
#include <QPushButton>

#include "ui/widgets/ArtPixmap.h"
#include "ui/widgets/ReturnPressesButton.h"

QPushButton* MakeIconButton(QWidget* parent, const char* name, const QString& caption, const char* icon,
                            const QRect& geometry)
{
    auto* button = new QPushButton(ArtPixmap::Icon(QString::fromLatin1(icon)), caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setIconSize(QSize(16, 16));
    button->setGeometry(geometry);
    button->setAutoDefault(false);
    new ReturnPressesButton(button);
    return button;
}
