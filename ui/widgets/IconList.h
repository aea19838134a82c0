#pragma once
// A list of equally sized icons stored one file each, decoded only when an
// icon is first asked for: start-up then pays for the few icons the first
// beast shows, not for the whole vocabulary. On screens of device pixel ratio
// above 1 each icon is its "@2x" twin (see ArtPixmap.h).

#include <QPixmap>
#include <QString>

#include <cstddef>
#include <vector>

class IconList {
public:
    IconList() = default;
    // pattern names the file of icon i with "%1" standing for i written with
    // at least two digits (":/art/skills/%1.jpg" gives ".../07.jpg"); ratio
    // is the device pixel ratio the icons are chosen for (ArtPixmap::Load).
    IconList(QString pattern, std::size_t count, qreal ratio = 1.0);

    // Icon i, decoded on first use and kept for the life of the list. A
    // missing or undecodable file, and any i >= size(), give a null pixmap;
    // the reference stays valid as long as the list is neither assigned to
    // nor destroyed.
    const QPixmap& operator[](std::size_t i) const;
    std::size_t size() const { return icons_.size(); }
    qreal ratio() const { return ratio_; }

private:
    struct Slot {
        bool decoded = false;
        QPixmap pixmap;
    };
    QString pattern_;
    qreal ratio_ = 1.0;
    mutable std::vector<Slot> icons_;
};
