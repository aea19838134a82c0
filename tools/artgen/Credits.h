#pragma once

#include <QMap>
#include <QString>

// Writes the attribution the icons' licence asks for: source, licence with
// link, that the pictures are derived works, and every icon with its author.
class Credits {
public:
    static QString text(const QMap<QString, QString>& iconAuthors);
};
