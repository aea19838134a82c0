#pragma once
// What the program sets up before its first window: names, the window icon,
// and whatever else the whole application needs.

class QApplication;

// Sets up `app`. Returns false when the program cannot run; the user has been
// told why, and the caller ends the program.
bool SetUpApplication(QApplication& app);
