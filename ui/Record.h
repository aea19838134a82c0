#pragma once
// The book record of the run and its window, reached through plain
// functions so that the handlers that change CurrentBeast need one line
// each to report what they did.
//
// The record lives for the whole run from its first use; the window is made
// the first time the user asks for it and then shows everything since
// start-up, because the record takes the first beast it hears of (or, for
// the window, CurrentBeast) as the run's first roll. Nothing here runs at
// start-up.

#include <string>

class BookRecord;
class QWidget;
class RecordWindow;
class TPet;

// The run's record.
BookRecord& RunRecord();

// Each hands the change to the record and refreshes the window when it
// exists. `before` is a copy of the beast taken before the engine call,
// `after` the beast as it stands now.
void NoteRoll(const TPet& before, const TPet& after);
void NoteBook(const std::string& book, const TPet& before, const TPet& after);
void NoteCertify(const std::string& skill, const TPet& before, const TPet& after);
void NoteCorrection(const TPet& before, const TPet& after);
void NoteCustom(const TPet& before, const TPet& after);

// Adds the "记录" button to the main window's button row, between "认证" and
// "打书" in place and in the tab order. Moves no other control.
void CreateRecordButton(QWidget* mainWindow);

// Opens the record window beside `mainWindow`, or raises it when open.
void ShowRecordWindow(QWidget* mainWindow);
// The window, or nullptr before its first showing (and after the main
// window, its parent, is gone).
RecordWindow* ExistingRecordWindow();

// Forgets the run's record and closes the window: a fresh start for tests
// that build the windows again.
void ResetRecord();
