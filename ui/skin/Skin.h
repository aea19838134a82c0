#pragma once
// The program's own look, built in.

class QApplication;

// Installs the look on `app`: the skin's style and its complete palette, for
// the application, for the widget classes a desktop theme may colour apart,
// and for tooltips, so the desktop's (light or dark) palette never shows.
// Windows created afterwards are painted in it; a style sheet given on the
// command line is dropped. It changes no size: widgets
// are laid out exactly as under the Fusion style. Call it once, before any
// window is created.
void InstallSkin(QApplication& app);
