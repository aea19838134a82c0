#pragma once

#include <QImage>
#include <QMap>
#include <QString>

class IconSet;

// The program's emblem (a book with a beast's paw) as the About picture and
// the window icon, and the 16 x 16 button icons, which are drawn by hand
// because icon-set shapes turn to mush at that size.
class Emblems {
public:
    explicit Emblems(IconSet& icons) : m_icons(icons) {}

    // size x size, transparent corners.
    QImage emblem(int size);
    // 48 x 48 with a 256-colour palette.
    QImage about();
    // File name (without ".png") -> 16 x 16 icon.
    static QMap<QString, QImage> buttons();

private:
    IconSet& m_icons;
};
