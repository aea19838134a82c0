#include "Credits.h"

#include <QMultiMap>
#include <QStringList>

QString Credits::text(const QMap<QString, QString>& iconAuthors)
{
    QStringList out;
    out << QStringLiteral("# Artwork credits") << QString()
        << QStringLiteral("The skill icons, beast pictures, panel backdrop ornaments and the program's "
                          "emblem are derived from icons of the game-icons.net set "
                          "(https://game-icons.net), used under the Creative Commons Attribution 3.0 "
                          "Unported licence (CC BY 3.0, https://creativecommons.org/licenses/by/3.0/).")
        << QString()
        << QStringLiteral("The icons were recoloured, shaded, outlined, resized and combined with each "
                          "other, with painted backgrounds and with Chinese characters; every picture is "
                          "also drawn at twice the size for high-resolution screens (the \"@2x\" files). "
                          "The authors of the icons do not endorse this program or its use of their work.")
        << QString()
        << QStringLiteral("Icons whose author is viscious-speed are dedicated to the public domain (CC0); "
                          "they are listed for completeness.")
        << QString()
        << QStringLiteral("The 16 x 16 button glyphs (and their 32 x 32 twins) are drawn by the program's "
                          "own generator in the colours of its skin and derive from no icon.")
        << QString() << QStringLiteral("This file is written by tools/artgen; do not edit it by hand.") << QString()
        << QStringLiteral("## Icons used, by author") << QString();
    QMultiMap<QString, QString> byAuthor;
    for (auto it = iconAuthors.begin(); it != iconAuthors.end(); ++it)
        byAuthor.insert(it.value(), it.key());
    for (const QString& author : byAuthor.uniqueKeys()) {
        QStringList icons = byAuthor.values(author);
        icons.sort();
        out << QStringLiteral("- %1 (https://game-icons.net, author folder \"%1\"): %2")
                   .arg(author, icons.join(QStringLiteral(", ")));
    }
    out << QString();
    return out.join(u'\n');
}
