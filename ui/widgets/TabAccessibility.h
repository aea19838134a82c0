#pragma once
// Screen readers' view of every tab bar: a page tab list whose tabs are
// named after their text, selected when current, and focused only when
// current in a tab bar that has the keyboard focus. (Qt's own interface
// reports every current tab focused, so a window with two tab bars always
// showed two focused tabs.) Pressing a tab makes it current.

// Installs the interface for QTabBar and its subclasses. Call once, after
// the QApplication exists; windows made before keep Qt's own.
void InstallTabAccessibility();
