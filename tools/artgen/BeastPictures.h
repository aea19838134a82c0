#pragma once

#include "Mapping.h"

#include <QImage>

class IconSet;

// The 197 x 178 pictures of the beast templates: the creature's motif,
// outlined and shaded, over a painted scene (sky, hills, ground shadow) whose
// tint suits the creature. At the icon set's scale 2 the same picture comes
// out at 394 x 356.
class BeastPictures {
public:
    static constexpr int Width = 197;
    static constexpr int Height = 178;

    explicit BeastPictures(IconSet& icons) : m_icons(icons) {}

    QImage picture(const ArtEntry& beast);

private:
    IconSet& m_icons;
};
