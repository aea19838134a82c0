#include "ui/skin/Fonts.h"

#include <QFontDatabase>
#include <QResource>
#include <QStringList>

namespace {

QFont FontOf(const QStringList& families, int pixels)
{
    QFont font;
    font.setFamilies(families);
    font.setPixelSize(pixels);
    return font;
}

// The resource is stored uncompressed (see data/fonts), so the font database
// reads the face in place from the program's image, without a copy.
bool RegisterFace(const QString& path)
{
    const QResource resource(path);
    if (!resource.isValid())
        return false;
    const QByteArray data = resource.compressionAlgorithm() == QResource::NoCompression
        ? QByteArray::fromRawData(reinterpret_cast<const char*>(resource.data()), resource.size())
        : resource.uncompressedData();
    return QFontDatabase::addApplicationFontFromData(data) >= 0;
}

}  // namespace

bool RegisterFonts()
{
    bool all = true;
    for (const char* face : {"DashuSong-Regular.otf", "DashuHei-Regular.otf", "DashuHei-Bold.otf"})
        all = RegisterFace(QStringLiteral(":/fonts/") + QLatin1String(face)) && all;
    return all;
}

QString BuiltInSongFamily()
{
    return QStringLiteral("Dashu Song");
}

QString BuiltInHeiFamily()
{
    return QStringLiteral("Dashu Hei");
}

// The built-in face comes first: it holds every character of the program,
// Latin included, so it draws all of the program's own text. The installed
// faces behind it only serve characters typed by the user.
QFont SongTiFont(int pixels)
{
    return FontOf({BuiltInSongFamily(), QStringLiteral("SimSun"), QStringLiteral("Noto Serif CJK SC")}, pixels);
}

QFont YaHeiFont(int pixels)
{
    return FontOf({BuiltInHeiFamily(), QStringLiteral("Microsoft YaHei"), QStringLiteral("Noto Sans CJK SC")}, pixels);
}

QFont InterfaceFont(const QFont& base)
{
    QFont font = base;
    QStringList families = base.families().isEmpty() ? QStringList{base.family()} : base.families();
    for (const QString& family : {BuiltInHeiFamily(), QStringLiteral("Noto Sans CJK SC")})
        if (!families.contains(family))
            families << family;
    font.setFamilies(families);
    return font;
}
