#include "Fonts.h"

#include <QStringList>

namespace {

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
    return FontOf({QStringLiteral("SimSun"), QStringLiteral("Noto Serif CJK SC")}, pixels);
}

QFont YaHeiFont(int pixels)
{
    return FontOf({QStringLiteral("Microsoft YaHei"), QStringLiteral("Noto Sans CJK SC")}, pixels);
}
