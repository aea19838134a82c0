#pragma once

#include "Mapping.h"

#include <QImage>

class IconSet;

// The skill icons: 88 icons of 40 x 40 in vocabulary order and the
// certification frame as picture 88, each at the icon set's scale (80 x 80
// pixels at scale 2).
class SkillIcons {
public:
    static constexpr int Size = 40;
    static constexpr int Count = 88;

    explicit SkillIcons(IconSet& icons) : m_icons(icons) {}

    // Picture k of the list, for k in 0..Count; skills holds every index once.
    QList<QImage> all(const QList<ArtEntry>& skills);
    QImage icon(const ArtEntry& skill);
    // Black ground with a red and gold border; only the 3-pixel edge strips
    // are ever copied onto a certified skill, so the border lives there.
    static QImage frame(int scale);

private:
    IconSet& m_icons;
};
