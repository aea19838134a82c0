#pragma once

#include <QImage>

class IconSet;

// The 451 x 381 backdrop of the beast panel. The program draws every caption
// and value as a label on top, so the backdrop keeps those places plain and
// light and only carries the static furniture: title strip, close mark,
// picture frame, equipment boxes, value boxes and the 12 empty skill cells.
// At the icon set's scale 2 the same backdrop comes out at 902 x 762.
class Backdrop {
public:
    static constexpr int Width = 451;
    static constexpr int Height = 381;

    explicit Backdrop(IconSet& icons) : m_icons(icons) {}

    QImage picture();

private:
    IconSet& m_icons;
};
