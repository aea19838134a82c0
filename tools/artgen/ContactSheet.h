#pragma once

#include "Mapping.h"

#include <QString>

// Sheets for looking at the art as a player would: every skill icon at 1x and
// 3x with its name, all beast pictures, the backdrop with sample texts, icons
// and a certified slot laid over it, and the small icons.
class ContactSheet {
public:
    // Reads the finished pictures from artDir and writes PNG sheets to outDir.
    static bool write(const QString& artDir, const QString& outDir, const QList<ArtEntry>& skills,
                      const QList<ArtEntry>& beasts, QString* error);
};
