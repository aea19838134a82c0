#pragma once
// The palette of the program's look. It is complete: every role of every
// colour group is set, so nothing of the desktop's palette (light or dark)
// shows through. The inactive group equals the active one, so a window that
// loses focus keeps its colours; the disabled group fades text to a brown
// that still reads on parchment.

#include <QColor>
#include <QPalette>

QPalette SkinPalette();

// The contrast ratio of two colours as WCAG 2 defines it, from 1 (same
// luminance) to 21 (black on white); the order of the two does not matter.
// Alpha is ignored.
double ContrastRatio(const QColor& first, const QColor& second);
