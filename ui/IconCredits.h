#pragma once
// The authors of the game-icons.net icons the pictures are drawn from: their
// licence asks that every copy name them. The table is written at build time
// from tools/artgen/mapping.tsv, tools/artgen/game-icons-authors.tsv and
// data/art/CREDITS.md, so it always names the icons the credits file names.

#include <span>
#include <string_view>

struct IconCredit {
    std::string_view icon;      // game-icons.net icon name, e.g. "fangs"
    std::string_view author;    // the author's folder on game-icons.net
    std::string_view pictures;  // skills and beasts drawn from it, "、" between;
                                // empty for ornaments (backdrop, emblem)
    std::string_view licence;   // "CC BY 3.0", or "CC0 1.0" for public-domain icons
    std::string_view licenceUrl;
};

// Every icon once, sorted by icon name. The table lives for the whole run.
std::span<const IconCredit> IconCredits();
