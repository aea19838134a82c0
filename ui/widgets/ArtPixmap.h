#pragma once
// The pictures compiled in under ":/art/" come at 1x and, beside each, as an
// "@2x" twin of exactly twice the size ("beast_00.jpg" and
// "beast_00@2x.jpg"). QIcon finds the twins by itself; these functions do the
// same for plain pixmaps, which QPixmap(path) does not.

#include <QIcon>
#include <QPixmap>
#include <QString>

namespace ArtPixmap {

// The highest device pixel ratio of the screens: the ratio the windows'
// pictures are chosen for.
qreal ScreenRatio();

// The file to decode for a screen of the given ratio: path's "@2x" twin
// when ratio is above 1 and the twin exists, otherwise path itself.
QString PathFor(const QString& path, qreal ratio);

// The picture at path for a screen of the given ratio, its device pixel
// ratio set so that it lays out at its 1x size (2 for a twin, 1 otherwise).
// A missing or undecodable file gives a null pixmap. At ratio 1 this is
// QPixmap(path), decoded with the decoder its suffix names (see Icon).
QPixmap Load(const QString& path, qreal ratio = ScreenRatio());

// The icon QIcon(path) gives: the picture at path and, when the screen's
// ratio is above 1 and the twin exists, its "@2x" twin beside it. Unlike
// QIcon(path) it decodes with the decoder the suffix names, so showing a
// PNG does not load every image plugin to ask which reads it. A missing or
// undecodable file gives a null icon.
QIcon Icon(const QString& path);

}  // namespace ArtPixmap
