#pragma once

#include <QColor>
#include <QList>
#include <QString>
#include <QStringList>

// One row of mapping.tsv: which icons make up a picture and how it is coloured.
struct ArtEntry {
    QString kind;       // "skill" or "beast"
    int index = -1;     // vocabulary index or catalogue position
    QString name;       // skill or template name
    QStringList icons;  // main motif first, then any accessory motifs
    QList<QColor> colours;
    QString corner;  // small character in the corner of a skill icon
    QString scene;   // background words of a beast picture
};

// mapping.tsv: tab-separated, '#' starts a comment line, first line is the
// header "kind index name icons colours corner scene". Icons and colours are
// comma lists; colours are #rrggbb.
class Mapping {
public:
    bool load(const QString& path, QString* error);
    // The rows of one kind, ordered by index; error when an index is missing
    // or doubled, so a picture can never land in another one's place.
    QList<ArtEntry> entries(const QString& kind, int expectedCount, QString* error) const;

private:
    QList<ArtEntry> m_rows;
};
