#pragma once
// What the program sets up before its first window: names, the window icon,
// Qt's own texts in Chinese, the built-in typefaces, and the check that the
// pictures can be decoded at all.

class QApplication;

// Sets up `app`. Returns false when the program cannot run; the user has been
// told why in a message box, and the caller ends the program.
//
// No application display name is set: on X11 Qt would append it to every
// window title, and each window's caption is exactly its own.
bool SetUpApplication(QApplication& app);
