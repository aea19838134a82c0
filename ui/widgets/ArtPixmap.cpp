#include "ui/widgets/ArtPixmap.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QPixmapCache>
#include <QGuiApplication>

namespace ArtPixmap {

namespace {

// Left to find the decoder, Qt asks every image plugin whether it reads the
// suffix's format before using its own PNG decoder, loading all of them
// (Qt SVG behind one); naming the format skips that.
// Kept in QPixmapCache under the file's name, as QPixmap(file) keeps it.
QPixmap Read(const QString& file)
{
    const QString key = QStringLiteral("dashu-art:") + file;
    QPixmap pixmap;
    if (QPixmapCache::find(key, &pixmap))
        return pixmap;
    QImageReader reader(file, QFileInfo(file).suffix().toLatin1());
    reader.setAutoDetectImageFormat(false);
    pixmap = QPixmap::fromImage(reader.read());
    if (!pixmap.isNull())
        QPixmapCache::insert(key, pixmap);
    return pixmap;
}

}  // namespace

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
    QPixmap pixmap = Read(file);
    // Between 1 and 2 (150 %) the twin is drawn a little smaller, which stays
    // sharp; the 1x picture would be drawn larger and soft.
    if (file != path)
        pixmap.setDevicePixelRatio(2.0);
    return pixmap;
}

QIcon Icon(const QString& path)
{
    QIcon icon;
    const QPixmap single = Read(path);
    if (single.isNull())
        return icon;
    icon.addPixmap(single);
    const QString twin = PathFor(path, ScreenRatio());
    if (twin != path)
        icon.addPixmap(Read(twin));  // "@2x" in its name: read at ratio 2
    return icon;
}

}  // namespace ArtPixmap
