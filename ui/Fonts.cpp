#include "Fonts.h"

#include <QFontDatabase>
#include <QStringList>

namespace {

// The Windows face when it is installed, else its stand-in. Naming only the
// face that is there spares the font database a fallback search for the
// missing one every time a size is loaded; when neither is installed both
// names stay, and fontconfig substitutes.
QStringList Installed(const QString& face, const QString& standIn)
{
    if (QFontDatabase::hasFamily(face))
        return {face};
    if (QFontDatabase::hasFamily(standIn))
        return {standIn};
    return {face, standIn};
}

QFont FontOf(const QStringList& families, int pixels)
{
    QFont font;
    font.setFamilies(families);
    font.setPixelSize(pixels);
    return font;
}

}  // namespace

QFont SongTiFont(int pixels)
{
    static const QStringList families = Installed(QStringLiteral("SimSun"), QStringLiteral("Noto Serif CJK SC"));
    return FontOf(families, pixels);
}

QFont YaHeiFont(int pixels)
{
    static const QStringList families =
        Installed(QStringLiteral("Microsoft YaHei"), QStringLiteral("Noto Sans CJK SC"));
    return FontOf(families, pixels);
}
