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
class StableWindow;
class QString;

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

// Opens the store at `path` once the main window has first been painted,
// after start-up; OpenStore does it at once. The store's troubles (a
// damaged file, another copy running) go to the status line; so does the
// previous run's last beast. Nothing happens without a session or when a
// store is open already.
void OpenStoreWhenShown(const QString& path);
void OpenStore(const QString& path);

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
// "历史与收藏", made on first use; Show also presents it.
StableWindow* MakeStableWindow();
StableWindow* ShowStableWindow();
StableWindow* ExistingStableWindow();
