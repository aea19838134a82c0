#pragma once
// The program's windows, created once and alive for the whole run.

// Makes BeastActions, through which the windows change the beast, then
// creates every window hidden, in order: the main window, the beast panel
// (which rolls CurrentBeast) and the certification chooser, each assigned to
// its global as it is created; the correction, full custom and About dialogs
// are built when their globals are first used (ui/LazyWindow.h). The
// dialogs take the main window as their parent, so they centre on it.
// Precondition: a QApplication exists and no window has been created yet.
void CreateWindows();

// Destroys what CreateWindows made, releasing CurrentBeast and BeastActions,
// and clears every global. Safe to call when nothing is there.
void DestroyWindows();
