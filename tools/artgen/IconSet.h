#pragma once

#include <QColor>
#include <QHash>
#include <QImage>
#include <QMap>
#include <QSet>
#include <QString>

// The game-icons.net set as shipped in the iconify JSON file, together with
// the author of every icon. Every icon handed out is remembered, so that the
// credits list exactly the icons that went into the pictures.
class IconSet {
public:
    // Reads the iconify "icons.json" and the "icon<TAB>author" list.
    // Returns false and fills error when either cannot be read.
    bool load(const QString& iconsJson, const QString& authorsTsv, QString* error);

    // True when the icon exists and its author permits its use here.
    bool usable(const QString& name, QString* why = nullptr) const;

    // The icon as a white shape with alpha, size x size in pictures' own
    // units: size * scale() pixels with that device pixel ratio, so a painter
    // on a picture of the same ratio draws it pixel for pixel. An unusable
    // name aborts the program: a picture silently missing its motif is worse
    // than no picture.
    QImage mask(const QString& name, int size);

    // The pixels per unit of every mask from now on: 1 for the pictures the
    // program shows at 1x, 2 for their "@2x" twins.
    void setScale(int scale) { m_scale = scale; }
    int scale() const { return m_scale; }

    QString author(const QString& name) const { return m_authors.value(name); }
    // Icon name -> author of every icon rendered so far.
    QMap<QString, QString> used() const;

private:
    QHash<QString, QString> m_bodies;
    QHash<QString, QString> m_authors;
    QSet<QString> m_used;
    int m_scale = 1;
};
