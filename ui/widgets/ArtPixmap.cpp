#include "ui/widgets/ArtPixmap.h"

#include <QFile>
#include <QGuiApplication>

namespace ArtPixmap {

qreal ScreenRatio()
{
    return qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
}

QString PathFor(const QString& path, qreal ratio)
{
    if (ratio <= 1.0)
        return path;
    const qsizetype dot = path.lastIndexOf(u'.');
    const qsizetype slash = path.lastIndexOf(u'/');
    if (dot <= slash)
        return path;
    const QString twin = path.left(dot) + QStringLiteral("@2x") + path.mid(dot);
    return QFile::exists(twin) ? twin : path;
}

QPixmap Load(const QString& path, qreal ratio)
{
    const QString file = PathFor(path, ratio);
    QPixmap pixmap(file);
    // Between 1 and 2 (150 %) the twin is drawn a little smaller, which stays
    // sharp; the 1x picture would be drawn larger and soft.
    if (file != path)
        pixmap.setDevicePixelRatio(2.0);
    return pixmap;
}

}  // namespace ArtPixmap
