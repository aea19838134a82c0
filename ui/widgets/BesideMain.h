#pragma once
// Where a tool window goes so that the main window stays in sight: to the
// main window's right where the screen has room for at least `narrowest`
// pixels, else to its left; else, with `makeRoom`, the main window moves to
// the screen's left edge and the tool window takes the width to its right,
// or without it the tool window stands at the screen's right edge. Level
// with the main window's top, or higher where the screen is too low for
// `preferred`'s height there. Never beyond the screen.
//
// Returns the tool window's place as move() and resize() take it: the
// frame's top left and the client's size. The window need not have been
// shown: its frame is taken to be the main window's.

#include <QRect>
#include <QSize>

class QWidget;

QRect BesideMain(QWidget* mainWindow, QSize preferred, int narrowest, bool makeRoom);
