#pragma once
// The book record of the run and its window. BeastActions notes every
// change in the record; the window listens to BeastActions itself.
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

// Opens the record window beside `mainWindow`, or raises it when open, with
// `book` (possibly empty) as the book whose odds it shows. Returns it.
RecordWindow* ShowRecordWindow(QWidget* mainWindow, const std::string& book);
// The window, or nullptr before its first showing (and after the main
// window, its parent, is gone).
RecordWindow* ExistingRecordWindow();

// Forgets the run's record and closes the window: a fresh start for tests
// that build the windows again.
void ResetRecord();
