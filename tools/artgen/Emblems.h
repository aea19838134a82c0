#pragma once

#include <QImage>
#include <QMap>
#include <QString>

class IconSet;

// The program's emblem (a book with a beast's paw) as the About picture and
// the window icon, and the 16 x 16 button glyphs, which are drawn by hand in
// the skin's wood, gold and parchment because icon-set shapes turn to mush
// at that size.
class Emblems {
public:
    explicit Emblems(IconSet& icons) : m_icons(icons) {}

    // size x size, transparent corners.
    QImage emblem(int size);
    // size x size with a 256-colour palette (48 for the About picture).
    QImage about(int size);
    // File name (without ".png") -> 16 x 16 glyph at scale pixels per unit.
    static QMap<QString, QImage> buttons(int scale);

private:
    IconSet& m_icons;
};
