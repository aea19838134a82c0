#pragma once
// The program's windows, created once and alive for the whole run, and the
// session they share. This is the one place that creates the windows and
// connects them to the session and to each other: no window finds another
// window, or the session, on its own.

#include <string>

class BeastSession;
class PlannerWindow;
class RecordWindow;
class RollWindow;

// Makes the session, then creates every window hidden, in order: the main
// window, the beast panel (which creates CurrentBeast) and the
// certification chooser, each assigned to its global as it is created; the
// correction, full custom and About dialogs are built when their globals
// are first used (ui/LazyWindow.h). The dialogs take the main window as
// their parent, so they centre on it. Then it connects every view to the
// session and rolls the run's first beast, 芙蓉仙子, through the session.
// Precondition: a QApplication exists and no window has been created yet.
void CreateWindows();

// Shows the main window, which embeds the beast panel on its first showing.
void ShowMainWindow();

// Destroys what CreateWindows made, releasing CurrentBeast and the session,
// and clears every global. Safe to call when nothing is there.
void DestroyWindows();

// The session of the windows; nullptr outside CreateWindows ..
// DestroyWindows.
BeastSession* RunSession();

// Opens the record window beside the main window, or raises it when open,
// with `book` (possibly empty) as the book whose odds it shows. Made on
// first use; returns it.
RecordWindow* ShowRecordWindow(const std::string& book);
// Opens the planner over the main window, made on first use, or raises it.
PlannerWindow* ShowPlannerWindow();
// The tool windows, or nullptr before their first showing.
RecordWindow* ExistingRecordWindow();
PlannerWindow* ExistingPlannerWindow();
RollWindow* ExistingRollWindow();
