#pragma once
// The two strings that carry a choice from one control to the action that
// uses it. Both belong to the main window's unit, which defines them.

#include <string>

// The book last chosen in the lists; empty until the first choice. Only the
// main window reads it: other windows get the book through
// TForm1::BookChosen.
extern std::string SelectedBook;
// The chooser's pick, empty except between the pick and its use.
extern std::string CertifyChoice;
